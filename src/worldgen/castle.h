// Castles: the ruined castle on the forest's castle grounds and whole castle floors.
#pragma once

// Puts a ruined castle into the tree-filled grid (forest depths 12 and 13, castle
// quest depth 4). False when one of its searches ran out (SectorGenFailure says which).
bool GenerateCastleGrounds();
// Builds a whole castle floor over an abyss (castle biomes 7 to 10); in the castle
// quest it also places the hero. False when one of its searches ran out.
bool GenerateCastleLevel();
