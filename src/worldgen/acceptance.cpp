#include "worldgen/acceptance.h"

#include "core/state.h"

namespace {

constexpr int Unreached = 1000;
constexpr int Wall = -1;
constexpr int LastQuestDepth = 29;  // the flower, the chaos lair, the throne hall

bool BlocksTheWay(int code) {
    // Sticks, logs and doors can be bucked away, so they do not block the way.
    switch (code) {
        case 1: case 3: case 9: case 31: case 32: case 34: case 68: case 69: case 83: case 84: case 85: case 88:
        case 89: case 90:
            return true;
        default:
            return (code >= 12 && code <= 23) || (code >= 25 && code <= 28) || (code >= 36 && code <= 39) ||
                   (code >= 44 && code <= 50) || code == 55 || code == 56 || code == 57 || (code >= 72 && code <= 77);
    }
}

// The code whose cells must be reachable in each scenario: the forest quest goes on
// through its exits, the chaos quest through its portal, the castle quest up its stairs.
int OnwardCode() {
    switch (GameVars[49]) {
        case 0: return 5;
        case 1: return 78;
        case 2: return 81;
        default: return -1;
    }
}

bool IsWayOn(int code) { return code == 5 || code == 41 || code == 78 || code == 81; }

}  // namespace

int SectorPassesAcceptance() {
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            MapHighlight[x][y] = 0;
            MapMask[x][y] = BlocksTheWay(MapTerrain[x][y]) ? Wall : Unreached;
        }
    }
    // The walk downhill must head for the cells the test asks about. The forest's
    // castle keep at depth 13 holds stairs up beside the exit above it; with the
    // distances spread from both, the walk would end on the nearer stairs every time,
    // the exit would stay unmarked and the sector would be made again for ever. So
    // the distances spread from the scenario's own code when the sector has it, and
    // from every way on otherwise.
    const int onward = OnwardCode();
    bool hasOnward = false;
    for (auto& column : MapTerrain)
        for (int code : column)
            if (code == onward) hasOnward = true;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int code = MapTerrain[x][y];
            if (hasOnward ? code == onward : IsWayOn(code)) MapMask[x][y] = 0;
        }
    }
    // Distances spread from the ways onward, one ring per pass.
    for (int i = 0; i <= 219; ++i) {
        for (int x = 0; x <= MapMaxX; ++x) {
            for (int y = 0; y <= MapMaxY; ++y) {
                if (MapMask[x][y] != i) continue;
                if (y > 0 && MapMask[x][y - 1] > i + 1) MapMask[x][y - 1] = i + 1;
                if (y < MapMaxY && MapMask[x][y + 1] > i + 1) MapMask[x][y + 1] = i + 1;
                if (x > 0 && MapMask[x - 1][y] > i + 1) MapMask[x - 1][y] = i + 1;
                if (x < MapMaxX && MapMask[x + 1][y] > i + 1) MapMask[x + 1][y] = i + 1;
            }
        }
    }
    int sx = -1;
    int sy = -1;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapMask[x][y] == Wall) MapMask[x][y] = 5000;
            const int code = MapTerrain[x][y];
            if (code == 11 || code == 42 || code == 79 || code == 80) {
                sx = x;
                sy = y;
            }
        }
    }
    // Walk downhill from the way in, marking the path.
    if (sx >= 0) {
        int x = sx;
        int y = sy;
        for (int step = 0; step < 9999; ++step) {
            MapHighlight[x][y] = 1;
            const int here = MapMask[x][y];
            if (here == 0) break;
            if (y > 0 && MapMask[x][y - 1] < here) {
                --y;
            } else if (y < MapMaxY && MapMask[x][y + 1] < here) {
                ++y;
            } else if (x > 0 && MapMask[x - 1][y] < here) {
                --x;
            } else if (x < MapMaxX && MapMask[x + 1][y] < here) {
                ++x;
            }
        }
    }
    bool anyWayOn = false;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] == onward && MapHighlight[x][y] == 0) return 0;
            if (IsWayOn(MapTerrain[x][y])) anyWayOn = true;
        }
    }
    // Only the quest's last sector may end the road: anywhere before it, a sector
    // whose way on was paved over (the centre clearing can cover the castle grounds'
    // stairs up) would leave the hero stuck for good.
    if (!anyWayOn && Depth < LastQuestDepth) return 0;
    return 1;
}
