// Castles: the ruined castle on the forest's castle grounds and whole castle floors
// over the abyss, both grown room by room off the walls of the rooms already built.
#pragma once

#include "core/random.h"

// Puts a ruined castle into the tree-filled grid (forest depths 12 and 13, castle
// quest depth 4). False when one of its searches ran out (SectorGenFailure says which).
bool GenerateCastleGrounds();
// Builds a whole castle floor over an abyss (castle biomes 7 to 10); in the castle
// quest it also places the stairs and the hero. False when one of its searches ran out.
bool GenerateCastleLevel();

// Grows one room of interior (w + 1) x (h + 1) off a random stone wall onto cells
// holding `background`; one attempt. True when the room was built: its interior is
// floor, its ring wall, the wall it grew from a door, and (ax, ay) its top-left
// interior cell. False when the attempt was lost; `searchFailed` tells whether it was
// lost because no wall could be found at all. `walls`, from a caller that grows many
// rooms, marks every stone wall the search may find (see DrawnCellMap).
bool TryGrowRoom(int w, int h, int background, int& ax, int& ay, bool& searchFailed,
                 const DrawnCellMap* walls = nullptr);
