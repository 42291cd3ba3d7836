// Stand-ins until the creature catalogue lands: the sector change already calls these.
// The catalogue replaces this whole file.
#include "core/state.h"
#include "worldgen/creatures.h"

void CreatureKindName(int kind) {
    if (kind >= 2 && kind <= 51) LookupName = "CREATURE";
}

void StalkerEvent() {}

void ScaleCreaturesForDepth() {}

void LevelUpCreature(int s) {}
