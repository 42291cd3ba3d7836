#include "worldgen/primitives.h"

#include <cstdint>
#include <utility>

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
#include "worldgen/biomes.h"
#include "worldgen/terrain.h"

namespace {

constexpr int CentreX = 22;  // half of the last column and row, where trails and connections head
constexpr int CentreY = 17;

bool AnyNeighbourOpen(int x, int y) {
    return IsOpenGround(x, y - 1) || IsOpenGround(x, y + 1) || IsOpenGround(x - 1, y) || IsOpenGround(x + 1, y);
}

int MaskAt(int x, int y) { return InGrid(x, y) ? MapMask[x][y] : 0; }

// Codes a trail refuses to walk into.
bool TrailStopper(int code) {
    switch (code) {
        // clang-format off
        case DeepWater: case Swamp: case Mountain: case Pit: case StoneFloor: case StoneWall: case BoneFirst:
        case BoneSecond: case BoneThird: case OddTree:
            return true;
        // clang-format on
        default: return false;
    }
}

}  // namespace

bool GenerationFails(const char* name) {
    SectorGenFailure = name;
    return false;
}

void ClearMask() {
    for (auto& column : MapMask)
        for (int& cell : column) cell = 0;
}

double Distance(int x1, int y1, int x2, int y2) {
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    DistanceResult = Sqrt(dx * dx + dy * dy);
    return DistanceResult;
}

bool IsNatural(int x, int y) {
    const int code = TerrainAt(x, y);
    return code == Tree || code == Swamp || code == Mountain;
}

void SetTerrain(int x, int y, int code) {
    if (InGrid(x, y)) MapTerrain[x][y] = code;
}

void PaintDisc(int cx, int cy, double radius, bool inclusive, int from, int to) {
    const int reach = ToInt(radius) + 1;
    for (int x = cx - reach; x <= cx + reach; ++x) {
        for (int y = cy - reach; y <= cy + reach; ++y) {
            if (!InGrid(x, y)) continue;
            const double d = Distance(x, y, cx, cy);
            if (inclusive ? d > radius : d >= radius) continue;
            if (from == AnyTerrain || MapTerrain[x][y] == from) MapTerrain[x][y] = to;
        }
    }
}

namespace {

constexpr int TrailStepLimit = 99999;

// A trail's next direction when it has boxed itself in with its own marks: toward the
// centre, the rows deciding over the columns.
int TowardCentre(int x, int y, int d) {
    d = x < CentreX ? 4 : d;
    d = x > CentreX ? 3 : d;
    d = y < CentreY ? 2 : d;
    d = y > CentreY ? 1 : d;
    return d;
}

// A step in direction d (1 up, 2 down, 3 left, 4 right), kept inside columns 1..43 and
// rows 1..34; its direction is random, so it is taken without branches.
void StepInside(int& x, int& y, int d) {
    y -= static_cast<int>((d == 1) & (y > 1));
    y += static_cast<int>((d == 2) & (y < 34));
    x -= static_cast<int>((d == 3) & (x > 1));
    x += static_cast<int>((d == 4) & (x < 43));
}

// What a trail's walk asks of the ground, straight from the map.
struct TrailGroundFromMap {
    static bool Boxed(int x, int y) {
        return (static_cast<int>(MaskAt(x, y - 1) == 1) & static_cast<int>(MaskAt(x, y + 1) == 1) &
                static_cast<int>(MaskAt(x - 1, y) == 1) & static_cast<int>(MaskAt(x + 1, y) == 1)) != 0;
    }
    static void Move(int& x, int& y, int d) {
        int nx = x;
        int ny = y;
        StepInside(nx, ny, d);
        // All ones when the step is undone (a mask, so the compiler keeps it a select).
        const int undo = -static_cast<int>(TrailStopper(MapTerrain[nx][ny]));
        x = (x & undo) | (nx & ~undo);
        y = (y & undo) | (ny & ~undo);
    }
    static void Marked(int, int, int) {}
    static bool BesideOpen(int x, int y) { return AnyNeighbourOpen(x, y); }
};

// The same answers from tables made once: while a trail walks, only the mask changes,
// and the tables follow its marks. (Every open-ground test has cleared the one-shot
// creature flag by the time they are made, so they hold what the tests would say.)
struct TrailGroundFromTables {
    uint8_t markedAround[MapWidth][MapHeight];  // neighbours whose mask is 1
    uint8_t toX[MapWidth][MapHeight][5];        // where a step in each direction ends
    uint8_t toY[MapWidth][MapHeight][5];
    bool besideOpen[MapWidth][MapHeight];

    void Make() {
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) {
                markedAround[x][y] = 0;
                for (const auto& n : {std::pair{x, y - 1}, {x, y + 1}, {x - 1, y}, {x + 1, y}})
                    markedAround[x][y] += MaskAt(n.first, n.second) == 1 ? 1 : 0;
                for (int d = 1; d <= 4; ++d) {
                    int nx = x;
                    int ny = y;
                    TrailGroundFromMap::Move(nx, ny, d);
                    toX[x][y][d] = static_cast<uint8_t>(nx);
                    toY[x][y][d] = static_cast<uint8_t>(ny);
                }
                besideOpen[x][y] = AnyNeighbourOpen(x, y);
            }
    }
    bool Boxed(int x, int y) const { return markedAround[x][y] == 4; }
    void Move(int& x, int& y, int d) const {
        const int nx = toX[x][y][d];
        y = toY[x][y][d];
        x = nx;
    }
    void Marked(int x, int y, int mark) {
        if (mark != 1) return;
        for (const auto& n : {std::pair{x, y - 1}, {x, y + 1}, {x - 1, y}, {x + 1, y}})
            if (InGrid(n.first, n.second)) ++markedAround[n.first][n.second];
    }
    bool BesideOpen(int x, int y) const { return besideOpen[x][y]; }
};

enum class TrailEnd { BesideOpen, OutOfSteps, Paused };

// Walks the trail on from (x, y) until it stands beside open ground, has taken its
// whole bound of steps, or has taken `pauseAt` steps in all.
template <typename Ground>
TrailEnd WalkTrail(Ground& ground, int& x, int& y, int mark, int keen, int& steps, int pauseAt) {
    for (;;) {
        // Every choice hangs on a random draw, so each is made by selecting a value,
        // not by a branch the processor would guess wrong half the time.
        int d = 0;
        int r = 0;
        RandOneToFourThen(0, 100, d, r);
        // A trail that has boxed itself in with its own marks heads for the centre.
        const int turn = -(static_cast<int>(r > keen) & static_cast<int>(ground.Boxed(x, y)));
        d = (TowardCentre(x, y, d) & turn) | (d & ~turn);
        ground.Move(x, y, d);
        if (MapMask[x][y] == 0) {
            MapMask[x][y] = mark;
            ground.Marked(x, y, mark);
        }
        if (ground.BesideOpen(x, y)) return TrailEnd::BesideOpen;
        if (++steps >= TrailStepLimit) return TrailEnd::OutOfSteps;
        if (steps == pauseAt) return TrailEnd::Paused;
    }
}

}  // namespace

void CarveTrail(int x, int y, int mark) {
    MapMask[x][y] = mark;
    const bool wandering = SectorBiome == BiomeForest && SectorLayout == LayoutWanderingTrails;
    const int keen = wandering ? 90 : 50;  // the wandering layout's draw counts 40 less
    // Most trails end within a few dozen steps; one that has not may wander for tens of
    // thousands, and walks on with its questions answered from tables.
    int steps = 0;
    TrailGroundFromMap map;
    TrailEnd end = WalkTrail(map, x, y, mark, keen, steps, 64);
    if (end == TrailEnd::Paused) {
        TrailGroundFromTables tables;
        tables.Make();
        end = WalkTrail(tables, x, y, mark, keen, steps, TrailStepLimit);
    }
    if (end == TrailEnd::OutOfSteps) {
        ClearMask();
        return;
    }
    for (int cx = 0; cx <= MapMaxX; ++cx) {
        for (int cy = 0; cy <= MapMaxY; ++cy) {
            const int m = MapMask[cx][cy];
            if (MapTerrain[cx][cy] == Tree && m >= 1 && m <= 4) MapTerrain[cx][cy] = m + 1;
        }
    }
}

void ConnectToOpen(int x, int y) {
    if (IsOpenGround(x, y)) return;
    for (int round = 0; round < 10000; ++round) {
        int d = Rand(1, 4);
        if (RandFloat(0, 100) > 60) {
            if (x < CentreX) d = 4;
            if (x > CentreX) d = 3;
        }
        if ((d == 1 && y < 2) || (d == 2 && y > 33) || (d == 4 && x > 42) || (d == 3 && x < 2)) d = 0;
        if (IsNatural(x, y) && MapMask[x][y] == 0) MapMask[x][y] = 1;
        int nx = x;
        int ny = y;
        if (d == 1) --ny;
        if (d == 2) ++ny;
        if (d == 3) --nx;
        if (d == 4) ++nx;
        if (IsNatural(nx, ny)) {
            x = nx;
            y = ny;
        }
        if (d > 0 && AnyNeighbourOpen(x, y)) break;
    }
    if (MapMask[x][y] == 0) MapMask[x][y] = 1;
}

bool GrowBlob(int code, int mode) {
    bool seeded = false;
    int seedX = 0;
    int seedY = 0;
    if (mode == 2) {
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                if (MapTerrain[x][y] == code) {
                    seedX = x;
                    seedY = y;
                    seeded = true;
                }
        if (seedX == 0 && seedY == 0) seeded = false;
    }
    ClearMask();
    int x = 0;
    int y = 0;
    for (int tries = 0;; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("blob centre");
        const int rx = Rand(5, 39);
        const int ry = Rand(5, 30);
        x = seeded ? seedX : rx;
        y = seeded ? seedY : ry;
        if (MapTerrain[x][y] != Tree) {
            if (seeded) break;
            continue;
        }
        bool allTrees = true;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (TerrainAt(x + dx, y + dy) != Tree) allTrees = false;
        if (allTrees) break;
    }
    MapMask[x][y] = code;
    const int lo = mode == 1 ? 1 : 0;
    const int hiX = mode == 1 ? MapMaxX - 1 : MapMaxX;
    const int hiY = mode == 1 ? MapMaxY - 1 : MapMaxY;
    for (int step = 1;; ++step) {
        int nx = x;
        int ny = y;
        if (Rand(0, 1) == 0) {
            nx += Rand(-1, 1);
        } else {
            ny += Rand(-1, 1);
        }
        nx = Clamp(nx, lo, hiX);
        ny = Clamp(ny, lo, hiY);
        const int there = MapTerrain[nx][ny];
        if (there == Tree || there == code || MapMask[nx][ny] == 1) {
            x = nx;
            y = ny;
            MapMask[x][y] = 1;
        }
        if (step > 1000 && Rand(0, 100) > 80) break;
    }
    for (int cx = 0; cx <= MapMaxX; ++cx)
        for (int cy = 0; cy <= MapMaxY; ++cy)
            if (MapTerrain[cx][cy] == Tree && MapMask[cx][cy] == 1) MapTerrain[cx][cy] = code;
    return true;
}
