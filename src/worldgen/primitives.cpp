#include "worldgen/primitives.h"

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
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

void CarveTrail(int x, int y, int mark) {
    constexpr int StepLimit = 99999;
    // The walk only marks the mask; the cells that stop it and those with open ground
    // beside it stay as they are. A trail that has not ended after a few dozen steps
    // may wander for tens of thousands, so from then on both are looked up in tables
    // made once. (Every open-ground test has cleared the one-shot creature flag by then,
    // so the tables hold exactly what the tests would say.)
    constexpr int StepsBeforeTables = 64;
    bool tables = false;
    bool stops[MapWidth][MapHeight];
    bool besideOpen[MapWidth][MapHeight];
    MapMask[x][y] = mark;
    const bool wandering = SectorBiome == 1 && SectorLayout == 2;
    const int keen = wandering ? 90 : 50;  // the wandering layout's draw counts 40 less
    for (int steps = 0;;) {
        // Every choice below hangs on a random draw, so each is made by selecting a
        // value, not by a branch the processor would guess wrong half the time.
        int d = RandOneToFour();
        const int r = Rand(0, 100);
        // A trail that has boxed itself in with its own marks heads for the centre.
        const int boxed = static_cast<int>(MaskAt(x, y - 1) == 1) & static_cast<int>(MaskAt(x, y + 1) == 1) &
                          static_cast<int>(MaskAt(x - 1, y) == 1) & static_cast<int>(MaskAt(x + 1, y) == 1);
        int towardCentre = d;
        towardCentre = x < CentreX ? 4 : towardCentre;
        towardCentre = x > CentreX ? 3 : towardCentre;
        towardCentre = y < CentreY ? 2 : towardCentre;
        towardCentre = y > CentreY ? 1 : towardCentre;
        const int turn = -(static_cast<int>(r > keen) & boxed);
        d = (towardCentre & turn) | (d & ~turn);
        // The step stays inside columns 1..43 and rows 1..34, and is undone onto a cell
        // that stops trails.
        const int fromX = x;
        const int fromY = y;
        y -= static_cast<int>((d == 1) & (y > 1));
        y += static_cast<int>((d == 2) & (y < 34));
        x -= static_cast<int>((d == 3) & (x > 1));
        x += static_cast<int>((d == 4) & (x < 43));
        // All ones when the step is undone (a mask, so the compiler keeps it a select).
        const int undo = -static_cast<int>(tables ? stops[x][y] : TrailStopper(MapTerrain[x][y]));
        x = (fromX & undo) | (x & ~undo);
        y = (fromY & undo) | (y & ~undo);
        if (MapMask[x][y] == 0) MapMask[x][y] = mark;
        if (tables ? besideOpen[x][y] : AnyNeighbourOpen(x, y)) break;
        if (++steps >= StepLimit) {
            ClearMask();
            return;
        }
        if (steps == StepsBeforeTables) {
            for (int cx = 0; cx <= MapMaxX; ++cx)
                for (int cy = 0; cy <= MapMaxY; ++cy) {
                    stops[cx][cy] = TrailStopper(MapTerrain[cx][cy]);
                    besideOpen[cx][cy] = AnyNeighbourOpen(cx, cy);
                }
            tables = true;
        }
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
