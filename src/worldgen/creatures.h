// The creature catalogue and spawning.
#pragma once

// Puts a creature of `kind` at (x, y) in the first free slot; returns the slot.
int SpawnCreature(int x, int y, int kind);
// One level of growth for creature slot s (1..50); slots outside are left alone.
void LevelUpCreature(int s);
// Places the sector's creatures by biome and depth. False when a search ran out.
bool PlaceCreatures();
// Sets LookupName to the kind's display name; kinds outside 2..51 leave it unchanged.
void CreatureKindName(int kind);
// The stalker creature's visit on arriving in a sector.
void StalkerEvent();
// Strengthens the sector's creatures for its depth on arrival.
void ScaleCreaturesForDepth();
