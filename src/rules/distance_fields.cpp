// The walking-distance fields: the three every creature follows, and the ones the
// skills build on demand.
#include <array>

#include "core/state.h"
#include "core/statuses.h"
#include "rules/behaviour.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

using ObstacleTable = std::array<bool, TerrainCodeCount + 1>;

ObstacleTable MakeObstacles(std::initializer_list<std::pair<int, int>> ranges) {
    ObstacleTable table{};
    for (const auto& [first, last] : ranges)
        for (int code = first; code <= last; ++code) table[code] = true;
    return table;
}

// Each list holds runs of codes, first to last.
// Walkers avoid water, pits and lava as well as everything solid.
// clang-format off
const ObstacleTable WalkerObstacles = MakeObstacles({
    {Tree, Tree}, {DeepWater, DeepWater}, {Sticks, CookingPot}, {LogTunnel, MagicalTree}, {Mountain, CreatureHut},
    {Grave, CryptEntrance}, {StoneWall, Door}, {WeedyStoneWall, Throne}, {OddTree, OddTree},
    {RockFirst, TempleEntrance}, {TempleWall, TempleWall}, {Lava, HiddenWall}, {StandingStone, RungBell},
    {ObsidianWall, ObsidianWall}, {Bookshelf, Candle}});
// Flyers cross water, pits, lava, bars, locks, bookshelves, tables and candles.
const ObstacleTable FlyerObstacles = MakeObstacles({
    {Tree, Tree}, {Sticks, CookingPot}, {LogTunnel, MagicalTree}, {Mountain, Mountain}, {CreatureHut, CreatureHut},
    {Grave, CryptEntrance}, {StoneWall, Door}, {WeedyStoneWall, Throne}, {OddTree, OddTree},
    {RockFirst, TempleEntrance}, {TempleWall, TempleWall}, {HiddenWall, HiddenWall}, {StandingStone, RungBell},
    {ObsidianWall, ObsidianWall}});
// Creatures walking towards a hostile one also stop at locks, open or shut.
const ObstacleTable HostileObstacles = MakeObstacles({
    {Tree, Tree}, {DeepWater, DeepWater}, {Sticks, CookingPot}, {LogTunnel, MagicalTree}, {Mountain, CreatureHut},
    {Grave, CryptEntrance}, {StoneWall, Door}, {WeedyStoneWall, Throne}, {OddTree, OddTree},
    {RockFirst, TempleEntrance}, {TempleWall, TempleWall}, {Lava, HiddenWall}, {StandingStone, RungBell},
    {ObsidianWall, IronLock}, {OpenedIronLock, Candle}});

// The skills' field of mode 2: only trees and mountains stand in the way.
const ObstacleTable TreesAndMountains = MakeObstacles({{Tree, Tree}, {Mountain, Mountain}});
const ObstacleTable NoObstacles{};

bool IsObstacle(const ObstacleTable& table, int code) {
    return code >= 0 && code <= TerrainCodeCount && table[code];
}
// clang-format on

using Field = int[MapWidth][MapHeight];

void MarkObstacles(Field& field, const ObstacleTable& obstacles) {
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y) field[x][y] = IsObstacle(obstacles, MapTerrain[x][y]) ? -1 : FieldFar;
}

// Sources 0 (a source on an obstacle still counts), then rings of one step each out to
// FieldReach, then obstacles to FieldObstacle. Growing the rings breadth first gives the
// same values as relaxing the whole layer once per step, for a fraction of the work.
void RelaxFrom(Field& field, const int* sourceX, const int* sourceY, int sourceCount) {
    static int queueX[MapWidth * MapHeight];
    static int queueY[MapWidth * MapHeight];
    int tail = 0;
    for (int s = 0; s < sourceCount; ++s) {
        const int x = sourceX[s], y = sourceY[s];
        if (!InGrid(x, y) || field[x][y] == 0) continue;
        field[x][y] = 0;
        queueX[tail] = x;
        queueY[tail] = y;
        ++tail;
    }
    static const int StepX[4] = {-1, 1, 0, 0};
    static const int StepY[4] = {0, 0, -1, 1};
    for (int head = 0; head < tail; ++head) {
        const int x = queueX[head], y = queueY[head];
        const int next = field[x][y] + 1;
        if (next > FieldReach) continue;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + StepX[d], ny = y + StepY[d];
            if (!InGrid(nx, ny) || field[nx][ny] <= next) continue;
            field[nx][ny] = next;
            queueX[tail] = nx;
            queueY[tail] = ny;
            ++tail;
        }
    }
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (field[x][y] == -1) field[x][y] = FieldObstacle;
}

void BuildFieldFrom(Field& field, const ObstacleTable& obstacles, const int* sourceX, const int* sourceY,
                    int sourceCount) {
    MarkObstacles(field, obstacles);
    RelaxFrom(field, sourceX, sourceY, sourceCount);
}

}  // namespace

void ComputeDistanceFields() {
    int heroX[1] = {MonX[0]};
    int heroY[1] = {MonY[0]};
    // A disguised hero gives walkers nothing to follow; flyers still home in.
    const bool disguised = MonStatus[0][StatusDisguised] > 0;
    BuildFieldFrom(MapDistHero, WalkerObstacles, heroX, heroY, disguised ? 0 : 1);
    BuildFieldFrom(MapDistHeroFree, FlyerObstacles, heroX, heroY, 1);
    int hostileX[MonSlots];
    int hostileY[MonSlots];
    int count = 0;
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] >= 1 && MonAttitude[m] == AttitudeHostile) {
            hostileX[count] = MonX[m];
            hostileY[count] = MonY[m];
            ++count;
        }
    }
    BuildFieldFrom(MapDistHostile, HostileObstacles, hostileX, hostileY, count);
}

void BuildField(int x, int y, int mode) {
    const int sourceX[1] = {x};
    const int sourceY[1] = {y};
    if (mode == FieldWalking) {
        // The terrain's own block, as a step test that ignores creatures sees it.
        for (int cx = 0; cx <= MapMaxX; ++cx)
            for (int cy = 0; cy <= MapMaxY; ++cy) MapMask[cx][cy] = TerrainBlocksMovement(cx, cy) ? -1 : FieldFar;
        RelaxFrom(MapMask, sourceX, sourceY, 1);
        return;
    }
    BuildFieldFrom(MapMask, mode == FieldTreesMountains ? TreesAndMountains : NoObstacles, sourceX, sourceY, 1);
}

void BuildCovetField(int x, int y) {
    const int sourceX[1] = {x};
    const int sourceY[1] = {y};
    BuildFieldFrom(MapDistSkill, NoObstacles, sourceX, sourceY, 1);
}
