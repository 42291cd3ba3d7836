// The creature catalogue and spawning.
#pragma once

// Puts a creature of `kind` at (x, y) in the first free slot; returns the slot.
int SpawnCreature(int x, int y, int kind);
// Places the sector's creatures by biome and depth. False when a search ran out.
bool PlaceCreatures();
