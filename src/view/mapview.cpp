#include "view/mapview.h"
#include "core/statuses.h"

#include "core/convert.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/category.h"
#include "platform/platform.h"
#include "view/palette.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

constexpr int MapLeft = 300;
constexpr int MapTop = 90;
constexpr int Cell = 16;

int ScreenX(int x) { return MapLeft + Cell * x - CameraX; }
int ScreenY(int y) { return MapTop + Cell * y - CameraY; }

bool InMap(int x, int y) { return x >= 0 && x <= MapMaxX && y >= 0 && y <= MapMaxY; }

// Terrains whose own picture fills the whole tile, so no floor is drawn beneath. The
// list has always held 100 too, which is no terrain code.
bool FullTile(int code) {
    switch (code) {
        // clang-format off
        case Grass: case DeepWater: case Bridge: case LogTunnel: case Swamp: case Pit: case LilyPad: case StoneFloor:
        case StoneWall: case Door: case GrassyStoneFloor: case WeedyStoneWall: case RelicDisplay: case Bookshelves:
        case Pillar: case Throne: case DarkStoneFloor: case ObsidianWall: case 100:
            return true;
        // clang-format on
        default: return false;
    }
}

void SetTerrainTint() {
    int r = 255;
    int g = 255;
    int b = 255;
    if (MonHp[0] < 10) g = b = 200;
    if (MonHp[0] < 5) g = b = 150;
    if (MonStatus[0][StatusPoisoned] > 0) {
        r = 150;
        g = 255;
        b = 150;
    }
    SetColor(r, g, b);
}

void SetAttitudeColour(int slot) {
    int attitude = MonAttitude[slot];
    // An undisclosed changeling looks neutral.
    if (MonKind[slot] == KindChangeling && MonMode[slot] == ModeChangelingDisguised) attitude = AttitudeNeutral;
    switch (attitude) {
        case AttitudeHostile: SetColor(255, 0, 0); break;
        case AttitudeNeutral: SetColor(0, 0, 255); break;
        case AttitudeAlly: SetColor(0, 255, 0); break;
        default: SetColor(255, 255, 255); break;
    }
}

}  // namespace

int FloorFrame(int x, int y) {
    static constexpr int Style[7] = {0, 8, 56, 60, 64, 8, 111};
    const int biome = SectorBiome;
    const int region = MapRegion[x][y];
    const int code = MapTerrain[x][y];
    int frame = (biome >= 1 && biome <= 6 ? Style[biome] : 0) + region - 1;
    if (region > 10 && region <= 16) frame = Style[region - 10];
    if (biome == 7 || biome == 8) frame = 77;
    if (biome == 9) frame = 128;
    if (biome == 10) frame = 143;
    if (biome < 9 && (code == StairsDown || code == StairsUp || code == TreasureChest)) frame = 77;
    if (biome >= 7 && biome <= 10 && (code == Bush || code == Plant || IsFruitTree(code) || code == BarrenTree))
        frame = 8;
    return frame;
}

void DrawMapTerrain() {
    if (++WaterTick > 14) {
        WaterTick = 0;
        WaterFrame = (WaterFrame + 1) % 4;
    }
    SetColor(0, 0, 0);
    DrawRect(MapLeft, MapTop, 720, 576);
    SetColor(255, 255, 255);
    const int lower = (ScreenWidth == 800 && ScreenHeight == 600) ? ScreenHeight : ScreenHeight - 100;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int sx = ScreenX(x);
            const int sy = ScreenY(y);
            if (sx < 290 || sx > ScreenWidth + 10 || sy < 80 || sy > lower + 10) continue;
            const int code = MapTerrain[x][y];
            if (code > 0 && MapSeen[x][y] >= 1) {
                SetTerrainTint();
                SetAlpha(MapSeen[x][y] == 1 ? RememberedAlpha() : 1.0);
                const int frame = MapFrame[x][y];
                if (frame > 0) {
                    if (!FullTile(code)) DrawImage(SheetTiles, sx, sy, FloorFrame(x, y));
                    DrawImage(SheetTiles, sx, sy, frame > 1000 ? frame - 1001 + WaterFrame : frame - 1);
                }
                if (TurnTaken == 0 && x == MouseTileX && y == MouseTileY) HoverTerrain = code;
                if (MapRockfall[x][y] == 1) DrawImage(SheetTiles, sx, sy, 70);
            }
            if (MapHighlight[x][y] == 1) {
                SetAlpha(0.5);
                SetColor(255, 0, 0);
                DrawRect(sx, sy, Cell, Cell);
                SetColor(255, 255, 255);
            }
            if (x == TargetX && y == TargetY) {
                SetAlpha(0.5);
                SetColor(0, 0, 255);
                DrawRect(sx, sy, Cell, Cell);
                SetColor(255, 255, 255);
            }
        }
    }
    SetScale(1, 1);
    SetAlpha(1);
}

void DrawGroundItems() {
    for (int g = 0; g < GroundSlots; ++g) {
        const int kind = GroundItemKind[g];
        const int x = GroundItemX[g];
        const int y = GroundItemY[g];
        if (kind <= 0 || !InMap(x, y) || MapSeen[x][y] != 2) continue;
        const int category = ItemCategory(kind);
        if (category >= CategoryHeadgear && category <= CategorySpecial) {
            DrawImage(SheetItems, ScreenX(x), ScreenY(y), category - CategoryHeadgear);  // one frame per category
        } else {
            DrawText(IntToText(kind), ScreenX(x), ScreenY(y));
        }
        if (x == MouseTileX && y == MouseTileY && category != CategoryNone) HoverItem = g;
        if (x == MonX[0] && y == MonY[0]) ItemUnderHero = g;
    }
}

void DrawCreatures() {
    for (int m = 0; m < MonSlots; ++m) {
        const int kind = MonKind[m];
        const int x = MonX[m];
        const int y = MonY[m];
        if (kind <= 0 || !InMap(x, y) || MapSeen[x][y] != 2) continue;
        const int sx = ScreenX(x);
        const int sy = ScreenY(y);
        if (MonStatus[m][StatusStone] > 0) {
            SetColor(100, 100, 100);
        } else {
            SetColor(255, 255, 255);
        }
        // Flyers bob anew every frame; this draws from the game's one stream, so the
        // sequence of a run depends on what is drawn.
        const int lift = MonStatus[m][StatusFlying] > 0 ? Rand(1, 3) : 0;
        bool drawn = true;
        if (kind == KindHero) {
            if (MonStatus[m][StatusDisguised] > 0) {
                DrawImage(SheetAnimals, sx, sy - lift, 10);
            } else {
                const bool shrunk = HeroId == HeroTansyBrook && MonStatus[m][StatusJestbloom] > 0;
                if (shrunk) SetScale(0.5, 0.5);
                DrawImage(SheetHooflings, sx, sy - lift, HeroId - 1);
                if (shrunk) SetScale(1, 1);
            }
        } else {
            int frame = kind - KindFirstCreature;  // the animals sheet starts at the first creature kind
            if (kind == KindChangeling && MonMode[m] == ModeChangelingDisguised) frame = 5;  // drawn as a bunny
            if (kind == KindTimberWolf && MonMode[m] == ModeLyingInWait) drawn = false;
            if (drawn) {
                DrawImage(SheetAnimals, sx, sy - lift, frame);
                SetAttitudeColour(m);
                DrawRect(sx, sy + Cell, Cell, 1);
                SetColor(255, 255, 255);
            }
        }
        if (drawn && x == MouseTileX && y == MouseTileY) HoverMonster = m;
    }
}

void DrawMapView() {
    DrawMapTerrain();
    DrawGroundItems();
    DrawCreatures();
}
