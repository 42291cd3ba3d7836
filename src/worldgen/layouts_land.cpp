// Layouts shaped by the land: paths, mountains, the ravine, the dark forest's
// graveyard, bones and odd trees, the volcano, the sinkhole and the standing stones.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "worldgen/layouts.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

void StoneCircle(int x, int y) {
    PaintDisc(x, y, 5, false, AnyTerrain, Grass);
    const int stones[8][2] = {{-2, -2}, {2, -2}, {-2, 2}, {2, 2}, {-3, 0}, {3, 0}, {0, -3}, {0, 3}};
    for (const auto& s : stones) SetTerrain(x + s[0], y + s[1], StandingStone);
}

}  // namespace

bool CarveMountainPath() {
    ShowProgress("Mountain Path (biomespecial 21)");
    int x = Rand(10, 34);
    int y = 1;
    int tries = 0;
    do {
        if (++tries > SearchLimit) return GenerationFails("mountain path");
        const int r = Rand(1, 2);
        for (int cx = x - r; cx <= x + r; ++cx)
            for (int cy = y - r; cy <= y + r; ++cy)
                if (cy >= 1 && cy <= 34 && InGrid(cx, cy) && Distance(cx, cy, x, y) < r) MapTerrain[cx][cy] = Grass;
        x = Clamp(x + Rand(-1, 1), 5, 39);
        if (Rand(0, 100) > 90) ++y;
    } while (y < 35);
    return true;
}

void CarveMountain() {
    const int x = 22 + Rand(-4, 4);
    const int y = 17 + Rand(-4, 4);
    PaintDisc(x, y, 9, false, AnyTerrain, Grass);
    PaintDisc(x, y, 7, false, AnyTerrain, Mountain);
}

bool CarveRavine() {
    ShowProgress("Carving a ravine");
    int y = Rand(10, 25);
    int x = 0;
    for (int tries = 0;; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("ravine");
        SetTerrain(x, y, Pit);
        SetTerrain(x, y - 1, Pit);
        SetTerrain(x, y + 1, Pit);
        if (x > 0) SetTerrain(x - 1, y, Pit);
        if (x < 44) SetTerrain(x + 1, y, Pit);
        if (Rand(0, 100) > 70) {
            ++x;
            if (x <= 44) SetTerrain(x, y, Pit);
        }
        y = Clamp(y + Rand(-1, 1), 8, 27);
        if (x >= 44) break;
    }
    int by = 0;
    for (int tries = 0;; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("ravine crossing");
        by = Rand(10, 25);
        by += Rand(-6, 6);
        if (TerrainAt(22, by) == Pit) break;
    }
    int first = -1;
    int last = -1;
    for (int cy = by - 9; cy <= by + 9; ++cy) {
        if (TerrainAt(22, cy) != Pit) continue;
        MapTerrain[22][cy] = Bridge;
        if (first < 0) first = cy;
        last = cy;
    }
    for (const int end : {first - 1, last + 1}) {
        for (int cx = 22 - 3; cx <= 22 + 3; ++cx)
            for (int cy = end - 3; cy <= end + 3; ++cy)
                if (InGrid(cx, cy) && (MapTerrain[cx][cy] == Tree || MapTerrain[cx][cy] == Mountain) &&
                    Distance(cx, cy, 22, end) <= 3)
                    MapTerrain[cx][cy] = Grass;
    }
    return true;
}

void CarveGraveyard(int cx, int cy) {
    const int x = cx + Rand(-4, 4);
    const int y = cy + Rand(-4, 4);
    for (int gx = x - 4; gx <= x + 4; ++gx)
        for (int gy = y - 4; gy <= y + 1; ++gy) SetTerrain(gx, gy, Grass);
    for (int k = 0; k <= 3; ++k) {
        SetTerrain(x - 3 + 2 * k, y - 3, Grave);
        SetTerrain(x - 3 + 2 * k, y - 1, Grave);
    }
}

void CarveBoneField(int cx, int cy) {
    for (int k = 0; k < 25; ++k) {
        const int x = Rand(0, 44);
        const int y = Rand(0, 35);
        MapTerrain[x][y] = Rand(BoneFirst, BoneThird);
    }
    const int x = cx + Rand(-4, 4);
    const int y = cy + Rand(-4, 4);
    for (int gx = x - 1; gx <= x + 1; ++gx)
        for (int gy = y - 3; gy <= y + 2; ++gy) SetTerrain(gx, gy, Grass);
    for (int gy = y - 3; gy <= y + 2; ++gy) {
        SetTerrain(x - 1, gy, BoneThird);
        SetTerrain(x + 1, gy, BoneThird);
    }
    SetTerrain(x, y - 4, Grass);
    SetTerrain(x, y + 3, Grass);
}

void CarveOddGrove() {
    for (int x = 1; x <= 43; ++x)
        for (int y = 1; y <= 34; ++y)
            if (Distance(x, y, 22, 17) < 5) MapTerrain[x][y] = Grass;
    int a = Rand(2, 4);
    int b = Rand(-1, 1);
    SetTerrain(22 - a, 17 + b, OddTree);
    a = Rand(2, 4);
    b = Rand(-1, 1);
    SetTerrain(22 + a, 17 + b, OddTree);
    b = Rand(-1, 1);
    a = Rand(2, 4);
    SetTerrain(22 + b, 17 - a, OddTree);
    b = Rand(-1, 1);
    a = Rand(2, 4);
    SetTerrain(22 + b, 17 + a, OddTree);
}

void CarveLongPath() {
    int y = Rand(12, 23);
    const int from = Rand(4, 8);
    const int to = Rand(36, 40);
    for (int x = from; x <= to; ++x) {
        SetTerrain(x, y, Grass);
        if (Rand(0, 100) > 70) SetTerrain(x, y - 1, Grass);
        if (Rand(0, 100) > 70) SetTerrain(x, y + 1, Grass);
        if (Rand(0, 100) >= 81 && y < 25) {
            SetTerrain(x, y + 1, Grass);
            ++y;
        }
        if (Rand(0, 100) > 80 && y > 10) {
            SetTerrain(x, y - 1, Grass);
            --y;
        }
    }
}

void CarveVolcano() {
    const int cx = 22 + Rand(-4, 4);
    const int cy = 17 + Rand(-4, 4);
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const double d = Distance(x, y, cx, cy);
            if (d < 6 && y > cy) MapTerrain[x][y] = Grass;
            if (d < 4) MapTerrain[x][y] = Mountain;
            if (d < 1) MapTerrain[x][y] = Lava;
            if (d < 2) MapSeen[x][y] = 1;  // the crater is known from the start
        }
    }
    PushMessage("You see an active volcano through the jungle trees!");
}

void CarveSinkhole() {
    const int cx = 22 + Rand(-4, 4);
    const int cy = 17 + Rand(-4, 4);
    const int r = Rand(8, 11);
    const bool island = RandFloat(0, 100) > 80;
    const int side = Rand(1, 4);
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const double d = Distance(x, y, cx, cy);
            if (d >= r) continue;
            const bool onSide = (side == 1 && y > cy) || (side == 2 && y < cy) || (side == 3 && x > cx) ||
                                (side == 4 && x < cx);
            if (onSide) MapTerrain[x][y] = Grass;
            if (d < r - 2) MapTerrain[x][y] = Pit;
            if (island && d < r - 7) MapTerrain[x][y] = Grass;
        }
    }
}

void CarveStandingStones() {
    const int x = 22 + Rand(-4, 4);
    int y = 17 + Rand(-8, -2);
    StoneCircle(x, y);
    if (Rand(0, 100) <= 49) {
        for (int gy = y + 4; gy <= y + 14; ++gy) SetTerrain(x, gy, Grass);
        y += 14;
        StoneCircle(x, y);
    }
}
