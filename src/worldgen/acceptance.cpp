#include "worldgen/acceptance.h"

#include "core/run_vars.h"
#include "core/state.h"
#include "worldgen/terrain.h"

namespace {

constexpr int Unreached = 1000;
constexpr int Wall = -1;
constexpr int LastRing = 220;       // the farthest distance the spreading marks
constexpr int LastQuestDepth = 29;  // the flower, the chaos lair, the throne hall

bool BlocksTheWay(int code) {
    // Sticks, logs and doors can be bucked away, so they do not block the way.
    switch (code) {
        // clang-format off
        case Tree: case DeepWater: case CookingPot: case Grave: case CryptEntrance: case StoneTable: case GemIdol:
        case Lava: case ObsidianWall: case IronBars: case IronLock: case Bookshelf: case Table: case Candle:
            return true;
        // clang-format on
        default:
            return (code >= LogTunnel && code <= VineChest) || (code >= MagicalTree && code <= Pit) ||
                   (code >= StoneWall && code <= BoneThird) || (code >= WeedyStoneWall && code <= QuestFlower) ||
                   code == RockFirst || code == RockSecond || code == Temple ||
                   (code >= StandingStone && code <= RungBell);
    }
}

// The code whose cells must be reachable in each scenario: the forest quest goes on
// through its exits, the chaos quest through its portal, the castle quest up its stairs.
int OnwardCode() {
    switch (GameVars[VarScenario]) {
        case ScenarioForest: return Exit;
        case ScenarioChaos: return Portal;
        case ScenarioCastle: return StairsUp;
        default: return -1;
    }
}

bool IsWayOn(int code) { return code == Exit || code == CastlePathOnward || code == Portal || code == StairsUp; }

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
    // Distances spread from the ways onward, ring by ring, no further than LastRing: a
    // cell beyond it stays Unreached, as in the game's pass-by-pass spreading, so the walk
    // below meets exactly the same numbers.
    static int queue[MapWidth * MapHeight];
    int head = 0;
    int tail = 0;
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapMask[x][y] == 0) queue[tail++] = x * MapHeight + y;
    while (head < tail) {
        const int x = queue[head] / MapHeight;
        const int y = queue[head] % MapHeight;
        ++head;
        const int next = MapMask[x][y] + 1;
        if (next > LastRing) continue;
        auto reach = [&](int nx, int ny) {
            if (MapMask[nx][ny] <= next) return;
            MapMask[nx][ny] = next;
            queue[tail++] = nx * MapHeight + ny;
        };
        if (y > 0) reach(x, y - 1);
        if (y < MapMaxY) reach(x, y + 1);
        if (x > 0) reach(x - 1, y);
        if (x < MapMaxX) reach(x + 1, y);
    }
    int sx = -1;
    int sy = -1;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapMask[x][y] == Wall) MapMask[x][y] = 5000;
            const int code = MapTerrain[x][y];
            if (code == Entrance || code == CastlePathBack || code == ArrivalPortal || code == StairsDown) {
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
