// Layouts shaped by water: rivers, docks and ponds.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "worldgen/layouts.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

bool TreeOrGrass(int x, int y) {
    const int code = TerrainAt(x, y);
    return code == Tree || code == Grass;
}

// A river two cells wide or more, from the top edge to the bottom edge.
bool RunRiver(int x, int lo, int hi) {
    int y = 0;
    for (int tries = 0; y <= MapMaxY; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("river");
        SetTerrain(x - 1, y, DeepWater);
        SetTerrain(x, y, DeepWater);
        if (Rand(0, 100) > 60) {
            ++y;
            if (y <= MapMaxY) SetTerrain(x, y, DeepWater);
        }
        x = Clamp(x + Rand(-1, 1), lo, hi);
    }
    return true;
}

// Where the river is crossed: a water cell near the middle rows.
bool FindCrossing(int& bx, int& by) {
    for (int tries = 0; tries < SearchLimit; ++tries) {
        bx = Rand(5, 39);
        by = 17 + Rand(-6, 6);
        if (MapTerrain[bx][by] == DeepWater) return true;
    }
    return GenerationFails("river crossing");
}

}  // namespace

bool CarveRiver() {
    ShowProgress("Carving a river");
    PushMessage("You hear the sound of water flowing in a river");
    if (!RunRiver(Rand(10, 34), 5, 39)) return false;
    int bx = 0;
    int by = 0;
    if (!FindCrossing(bx, by)) return false;
    PaintDisc(bx, by, 3, true, Tree, Grass);
    for (int x = bx - 3; x <= bx + 3; ++x)
        if (TerrainAt(x, by) == DeepWater) MapTerrain[x][by] = Bridge;
    return true;
}

bool CarveJungleRiver() {
    ShowProgress("Carving a jungle river");
    PushMessage("You hear the sound of water flowing in a river");
    if (!RunRiver(Rand(12, 32), 9, 35)) return false;
    int bx = 0;
    int by = 0;
    if (!FindCrossing(bx, by)) return false;
    const int r = Rand(5, 7);
    PaintDisc(bx, by, r, true, AnyTerrain, DeepWater);
    PaintDisc(bx, by, r - 3, true, AnyTerrain, Grass);
    for (int x = bx - r - 2; x <= bx + r + 2; ++x) {
        if (!InGrid(x, by)) continue;
        if (MapTerrain[x][by] == Tree) {
            SetTerrain(x, by, Grass);
            SetTerrain(x, by - 1, Grass);
            SetTerrain(x, by + 1, Grass);
        } else if (MapTerrain[x][by] == DeepWater) {
            SetTerrain(x, by, Bridge);
            SetTerrain(x, by - 1, DeepWater);
            SetTerrain(x, by + 1, DeepWater);
        }
    }
    return true;
}

bool CarveDocks() {
    ShowProgress(" docks");
    for (int k = 0; k <= 3; ++k) {
        const int px = 8 + 10 * k;
        const int py = 17 + Rand(1, 3);
        const int r = Rand(1, 4);
        for (int x = 1; x <= 43; ++x)
            for (int y = 1; y <= 34; ++y)
                if (Distance(x, y, px, py) < r + 7) MapTerrain[x][y] = Swamp;
    }
    for (int k = 0; k <= 2; ++k) {
        int x = 0;
        int y = 0;
        int tx = 0;
        // A pier starts on swamp under a tree, in its own band of columns.
        const int firstColumn = 5 + 10 * k;
        auto pierStart = [](int cx, int cy) { return MapTerrain[cx][cy] == Swamp && TerrainAt(cx, cy - 1) == Tree; };
        auto attempt = [&] {
            x = Rand(1, 43);
            y = Rand(1, 34);
            x = Rand(firstColumn, firstColumn + 10);
            tx = k == 0 ? Rand(25, 35) : k == 1 ? Rand(5, 35) : Rand(5, 15);
            return pierStart(x, y);
        };
        auto possible = [&] {
            for (int cx = firstColumn; cx <= firstColumn + 10; ++cx)
                for (int cy = 1; cy <= 34; ++cy)
                    if (pierStart(cx, cy)) return true;
            return false;
        };
        if (!SearchOrGiveUp(SearchLimit, 8, attempt, possible)) return GenerationFails("pier");
        MapTerrain[x][y] = Bridge;
        PaintDisc(x, y, 3, false, Tree, Grass);
        // The pier heads down (2), left (3) or right (4) toward its target column and
        // never runs through trees or grass.
        int h = 2;
        int n = 0;
        int m = Rand(2, 4) == 2 ? 3 : 5;
        for (int steps = 0;;) {
            if (steps >= SearchLimit) return GenerationFails("pier walk");
            if (x < tx && h == 3) h = 4;
            if (x > tx && h == 4) h = 3;
            if (h == 2 && x < tx) {
                if (Rand(0, 100) > 75) h = 4;
            } else if (h == 2 && x > tx) {
                if (Rand(0, 100) > 75) h = 3;
            }
            int nx = x;
            int ny = y;
            if (h == 2) ++ny;
            if (h == 3) --nx;
            if (h == 4) ++nx;
            if (InGrid(nx, ny) && !TreeOrGrass(nx, ny)) {
                x = nx;
                y = ny;
            }
            MapTerrain[x][y] = Bridge;
            ++n;
            if (n > m && Rand(0, 100) > 60) {
                h = Rand(2, 4);
                m = h == 2 ? 5 : 3;
                n = 0;
            }
            ++steps;
            if (steps > 3 && x >= 1 && x <= 43 && y >= 1 && y <= 34 && h == 2 && TreeOrGrass(x, y + 1)) break;
            if (y >= MapMaxY) break;
        }
        PaintDisc(x, y, 3, false, Tree, Grass);
    }
    return true;
}

void CarvePondChain() {
    int x = 22 + Rand(-10, -6);
    int y = 17 + Rand(-5, 5);
    for (int k = 0; k < 3; ++k) {
        PaintDisc(x, y, 7, false, Tree, Grass);
        PaintDisc(x, y, 5, false, AnyTerrain, Swamp);
        y += Rand(-1, 1);
        x += 6;
    }
}

void CarvePond() {
    const int x = Rand(10, 34);
    const int y = Rand(10, 25);
    const int r = Rand(4, 7);
    PaintDisc(x, y, r, false, AnyTerrain, Grass);
    PaintDisc(x, y, r - 2, false, AnyTerrain, Swamp);
}

bool CarveRushingRiver() {
    int x = Rand(10, 34);
    int y = Rand(5, 10);
    for (int cx = 1; cx <= 43; ++cx)
        for (int cy = 1; cy <= 34; ++cy)
            if (Distance(cx, cy, x, y) < 5) MapTerrain[cx][cy] = Grass;
    // A path with a stream beside it: down (2), left (3) or right (4), turning every
    // third cell.
    int h = 2;
    int c = 0;
    for (int tries = 0; y <= 30; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("rushing river");
        SetTerrain(x, y, Grass);
        if (h == 2 && c > 0) SetTerrain(x - 1, y, DeepWater);
        if (h == 3 || h == 4) SetTerrain(x, y + 1, DeepWater);
        if (h == 2) ++y;
        if (h == 4) ++x;
        if (h == 3) --x;
        if (c == 2) {
            c = 0;
            int next = 0;
            if (h == 2) {
                next = Rand(0, 1) == 1 ? 3 : 4;
                if (next == 4 && x > 39) next = 3;
                if (next == 3 && x < 5) next = 4;
                SetTerrain(x - 1, y, DeepWater);
                if (next == 4) SetTerrain(x - 1, y + 1, DeepWater);
            } else {
                const int roll = Rand(0, 2);
                next = roll == 2 ? 2 : (roll == 1 ? 3 : 4);
                if (next == 4 && x > 39) next = 3;
                if (next == 3 && x < 5) next = 4;
                if (next == 4 && h == 3) next = 2;
                if (next == 3 && h == 4) next = 2;
            }
            h = next;
        } else {
            ++c;
        }
    }
    SetTerrain(x, y, Grass);
    for (int cx = 1; cx <= 43; ++cx) {
        for (int cy = 1; cy <= 34; ++cy) {
            const bool acrossX = MapTerrain[cx - 1][cy] == DeepWater && MapTerrain[cx + 1][cy] == DeepWater;
            const bool acrossY = MapTerrain[cx][cy - 1] == DeepWater && MapTerrain[cx][cy + 1] == DeepWater;
            if (MapTerrain[cx][cy] == Grass && (acrossX || acrossY)) MapTerrain[cx][cy] = Bridge;
            if (MapTerrain[cx][cy] == Tree && Distance(cx, cy, x, y) < 4) MapTerrain[cx][cy] = Grass;
        }
    }
    return true;
}
