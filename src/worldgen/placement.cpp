#include "worldgen/placement.h"

// Filled by the object-placement code; until then nothing is put down.
int PlaceGroundItem(int x, int y, int kind, int tier) { return -1; }

// Filled by the object-placement code.
bool PlaceItems() { return true; }
