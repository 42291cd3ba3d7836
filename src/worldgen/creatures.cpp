#include "worldgen/creatures.h"

// Filled by the creature catalogue; until then no creature appears.
int SpawnCreature(int x, int y, int kind) { return -1; }

// Filled by the creature catalogue and spawning code.
bool PlaceCreatures() { return true; }
