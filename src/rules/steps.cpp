// How a creature picks its one step: down a field, up a field, or at random.
#include "core/random.h"
#include "rules/creature_turn.h"
#include "worldgen/terrain.h"

namespace {

bool Passes(int x, int y, StepTest test, bool flyer) {
    if (test == StepTest::Walkable) return IsOpenGround(x, y) == 1;
    const int before = FlyerMoveTest;
    if (flyer) FlyerMoveTest = 1;
    const bool free = CellBlocked(x, y) == 0;
    FlyerMoveTest = before;
    return free;
}

// West, east, north, south, each only when the creature's own cell is not on that
// edge; the first that climbs (or falls) the right way and passes the test is taken.
bool FieldStep(int s, const int (&field)[MapWidth][MapHeight], StepTest test, bool flyer, bool downhill) {
    const int x = MonX[s];
    const int y = MonY[s];
    if (!InGrid(x, y)) return false;
    const int here = field[x][y];
    const bool inside[4] = {x > 0, x<MapMaxX, y> 0, y < MapMaxY};
    static const int StepX[4] = {-1, 1, 0, 0};
    static const int StepY[4] = {0, 0, -1, 1};
    for (int d = 0; d < 4; ++d) {
        if (!inside[d]) continue;
        const int nx = x + StepX[d];
        const int ny = y + StepY[d];
        const int there = field[nx][ny];
        if (downhill ? there >= here : there <= here) continue;
        if (!Passes(nx, ny, test, flyer)) continue;
        MonX[s] = nx;
        MonY[s] = ny;
        return true;
    }
    return false;
}

}  // namespace

bool DownhillStep(int s, const int (&field)[MapWidth][MapHeight], StepTest test, bool flyer) {
    return FieldStep(s, field, test, flyer, true);
}

bool UphillStep(int s, const int (&field)[MapWidth][MapHeight], StepTest test) {
    return FieldStep(s, field, test, false, false);
}

bool RandomStep(int s) {
    static const int StepX[5] = {0, -1, 1, 0, 0};  // 1 west, 2 east, 3 north, 4 south
    static const int StepY[5] = {0, 0, 0, -1, 1};
    const int d = Rand(1, 4);
    const int nx = MonX[s] + StepX[d];
    const int ny = MonY[s] + StepY[d];
    if (IsOpenGround(nx, ny) != 1) return false;
    MonX[s] = nx;
    MonY[s] = ny;
    return true;
}
