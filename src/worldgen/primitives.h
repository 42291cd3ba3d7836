// Carving tools shared by the forest generator, its layouts and the special sites.
// They work on MapTerrain and the scratch layer MapMask.
#pragma once

#include "core/random.h"

// Every search the game would otherwise repeat for ever stops after this many tries.
constexpr int SearchLimit = 1000000;

// Records that the search `name` ran out of tries, so the sector is regenerated; false.
bool GenerationFails(const char* name);

// A search of up to `bound` tries, each drawing `stepsPerTry` steps of the generator
// in `attempt`, which is true on a hit. A search that has missed for a few thousand
// tries asks `possible` once whether any try could still hit (nothing a try looks at
// changes while it searches); when none can, the rest of its tries take their draws
// at once and it fails, leaving the generator where it would have.
template <typename Attempt, typename Possible>
bool SearchOrGiveUp(int bound, int stepsPerTry, Attempt&& attempt, Possible&& possible) {
    constexpr int TriesBeforeAsking = 4096;
    for (int tries = 0; tries < bound; ++tries) {
        if (attempt()) return true;
        if (tries + 1 == TriesBeforeAsking && tries + 1 < bound && !possible()) {
            SkipRandom(static_cast<long long>(stepsPerTry) * (bound - tries - 1));
            return false;
        }
    }
    return false;
}

// Sets every MapMask cell to 0.
void ClearMask();
// Euclidean distance between two cells, also left in DistanceResult.
double Distance(int x1, int y1, int x2, int y2);
// Tree, swamp or mountain: the cells a connection may tunnel through.
bool IsNatural(int x, int y);
// Sets `code` on (x, y) when the cell is inside the grid.
void SetTerrain(int x, int y, int code);
// PaintDisc's `from` that matches every code.
constexpr int AnyTerrain = 0;
// Every cell within `radius` of (cx, cy) (strictly below it, or up to it when
// `inclusive`) that holds `from` (any code when from is AnyTerrain) becomes `to`.
void PaintDisc(int cx, int cy, double radius, bool inclusive, int from, int to);

// Wanders from (x, y) until the trail touches open ground, marking its cells with
// `mark`; marked trees then become code mark + 1 (a trail of grass for mark 1, the only
// mark in use).
void CarveTrail(int x, int y, int mark);
// Marks a way of natural cells from an enclosed site at (x, y) toward open ground;
// the caller turns the marked natural cells into its floor.
void ConnectToOpen(int x, int y);
// Grows a blob of `code` over trees: mode 0 a lake, 1 mountains or swamp (kept off
// the border), 2 grown from the last cell already holding the code. False when no
// centre could be found.
bool GrowBlob(int code, int mode);
