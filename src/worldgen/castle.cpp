#include "worldgen/castle.h"

// Filled by the castle generators; until then the grid keeps its trees.
bool GenerateCastleGrounds() { return true; }

// Filled by the castle generators; until then the grid keeps its trees.
bool GenerateCastleLevel() { return true; }
