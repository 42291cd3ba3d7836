#include "view/mapview.h"
#include "core/statuses.h"

#include "core/convert.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/category.h"
#include "persist/settings.h"
#include "platform/platform.h"
#include "rules/look_cursor.h"
#include "view/palette.h"
#include "worldgen/biomes.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

constexpr int MapLeft = 300;
constexpr int MapTop = 90;

bool Zoomed() { return SettingOn(SettingMapZoom); }
// Pictures are drawn at their own size, or twice it with the zoom.
int Zoom() { return Zoomed() ? 2 : 1; }

int ScreenX(int x) { return MapLeft + MapCell() * x - CameraX; }
int ScreenY(int y) { return MapTop + MapCell() * y - CameraY; }

// The pixels the map shows between the panels.
int ViewWidth() { return ScreenWidth - MapLeft; }
int ViewHeight() { return (ScreenWidth == 800 && ScreenHeight == 600 ? ScreenHeight : ScreenHeight - 100) - MapTop; }

// The cell the look texts describe: the look cursor's while it is open, else the
// pointer's.
int LookX() { return LookCursorOpen() ? LookCursorX : MouseTileX; }
int LookY() { return LookCursorOpen() ? LookCursorY : MouseTileY; }

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

// A square outline round the look cursor's cell, yellow where the skill target is a
// blue fill, so the two never read as one.
void DrawLookCursor() {
    if (!LookCursorOpen()) return;
    const int cell = MapCell();
    const int sx = ScreenX(LookCursorX);
    const int sy = ScreenY(LookCursorY);
    const int t = 2 * Zoom();
    SetAlpha(1);
    SetColor(255, 255, 0);
    DrawRect(sx, sy, cell, t);
    DrawRect(sx, sy + cell - t, cell, t);
    DrawRect(sx, sy + t, t, cell - 2 * t);
    DrawRect(sx + cell - t, sy + t, t, cell - 2 * t);
    SetColor(255, 255, 255);
}

}  // namespace

int MapCell() { return Zoomed() ? 32 : 16; }

void FollowHeroZoomed() {
    const int cell = MapCell();
    CameraX = Clamp(MonX[0] * cell + cell / 2 - ViewWidth() / 2, 0, MapWidth * cell - ViewWidth());
    CameraY = Clamp(MonY[0] * cell + cell / 2 - ViewHeight() / 2, 0, MapHeight * cell - ViewHeight());
}

int CellCentreX(int x) { return ScreenX(x) + MapCell() / 2; }
int CellCentreY(int y) { return ScreenY(y) + MapCell() / 2; }

int FloorFrame(int x, int y) {
    static constexpr int Style[7] = {0, 8, 56, 60, 64, 8, 111};
    const int biome = SectorBiome;
    const int region = MapRegion[x][y];
    const int code = MapTerrain[x][y];
    int frame = (IsForestBiome(biome) ? Style[biome] : 0) + region - 1;
    if (region > 10 && region <= 16) frame = Style[region - 10];
    if (biome == BiomeCastle || biome == BiomeUpperCastle) frame = 77;
    if (biome == BiomeTempleCastle) frame = 128;
    if (biome == BiomeDarkCastle) frame = 143;
    if (biome < BiomeTempleCastle && (code == StairsDown || code == StairsUp || code == TreasureChest)) frame = 77;
    if (IsCastleBiome(biome) && (code == Bush || code == Plant || IsFruitTree(code) || code == BarrenTree)) frame = 8;
    return frame;
}

TerrainCellFrames TerrainCellTiles(int x, int y, int phase) {
    TerrainCellFrames tiles;
    const int code = MapTerrain[x][y];
    if (code <= 0) return tiles;
    const int frame = MapFrame[x][y];
    if (frame > 0) {
        if (!FullTile(code)) tiles.floor = FloorFrame(x, y);
        tiles.tile = frame > 1000 ? frame - 1001 + phase : frame - 1;
    }
    if (MapRockfall[x][y] == 1) tiles.warning = 70;
    return tiles;
}

void DrawMapTerrain() {
    if (++WaterTick > 14) {
        WaterTick = 0;
        WaterFrame = (WaterFrame + 1) % 4;
    }
    const bool zoomed = Zoomed();
    const int cell = MapCell();
    SetColor(0, 0, 0);
    if (zoomed) {
        DrawRect(MapLeft, MapTop, ViewWidth(), ViewHeight());
    } else {
        DrawRect(MapLeft, MapTop, 720, 576);
    }
    SetColor(255, 255, 255);
    if (zoomed) SetScale(2, 2);
    const int lower = (ScreenWidth == 800 && ScreenHeight == 600) ? ScreenHeight : ScreenHeight - 100;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int sx = ScreenX(x);
            const int sy = ScreenY(y);
            if (zoomed) {
                // Cells cut by the view's edge are drawn whole; the panels cover the rest.
                if (sx <= MapLeft - cell || sx >= ScreenWidth || sy <= MapTop - cell || sy >= lower) continue;
            } else if (sx < 290 || sx > ScreenWidth + 10 || sy < 80 || sy > lower + 10) {
                continue;
            }
            const int code = MapTerrain[x][y];
            if (code > 0 && MapSeen[x][y] >= 1) {
                SetTerrainTint();
                SetAlpha(MapSeen[x][y] == 1 ? RememberedAlpha() : 1.0);
                const TerrainCellFrames tiles = TerrainCellTiles(x, y, WaterFrame);
                if (tiles.floor >= 0) DrawImage(SheetTiles, sx, sy, tiles.floor);
                if (tiles.tile >= 0) DrawImage(SheetTiles, sx, sy, tiles.tile);
                if (TurnTaken == 0 && x == LookX() && y == LookY()) HoverTerrain = code;
                if (tiles.warning >= 0) DrawImage(SheetTiles, sx, sy, tiles.warning);
            }
            if (MapHighlight[x][y] == 1) {
                SetAlpha(0.5);
                SetColor(255, 0, 0);
                DrawRect(sx, sy, cell, cell);
                SetColor(255, 255, 255);
            }
            if (x == TargetX && y == TargetY) {
                SetAlpha(0.5);
                SetColor(0, 0, 255);
                DrawRect(sx, sy, cell, cell);
                SetColor(255, 255, 255);
            }
        }
    }
    SetScale(1, 1);
    SetAlpha(1);
}

void DrawGroundItems() {
    if (Zoomed()) SetScale(2, 2);
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
        if (x == LookX() && y == LookY() && category != CategoryNone) HoverItem = g;
        if (x == MonX[0] && y == MonY[0]) ItemUnderHero = g;
    }
    if (Zoomed()) SetScale(1, 1);
}

void DrawCreatures() {
    const int zoom = Zoom();
    const int cell = MapCell();
    if (zoom != 1) SetScale(zoom, zoom);
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
        const int lift = (MonStatus[m][StatusFlying] > 0 ? Rand(1, 3) : 0) * zoom;
        bool drawn = true;
        if (kind == KindHero) {
            if (MonStatus[m][StatusDisguised] > 0) {
                DrawImage(SheetAnimals, sx, sy - lift, 10);
            } else {
                const bool shrunk = HeroId == HeroTansyBrook && MonStatus[m][StatusJestbloom] > 0;
                if (shrunk) SetScale(0.5 * zoom, 0.5 * zoom);
                DrawImage(SheetHooflings, sx, sy - lift, HeroId - 1);
                if (shrunk) SetScale(zoom, zoom);
            }
        } else {
            int frame = kind - KindFirstCreature;  // the animals sheet starts at the first creature kind
            if (kind == KindChangeling && MonMode[m] == ModeChangelingDisguised) frame = 5;  // drawn as a bunny
            if (kind == KindTimberWolf && MonMode[m] == ModeLyingInWait) drawn = false;
            if (drawn) {
                DrawImage(SheetAnimals, sx, sy - lift, frame);
                SetAttitudeColour(m);
                DrawRect(sx, sy + cell, cell, zoom);
                SetColor(255, 255, 255);
            }
        }
        if (drawn && x == LookX() && y == LookY()) HoverMonster = m;
    }
    if (zoom != 1) SetScale(1, 1);
}

void DrawMapView() {
    DrawMapTerrain();
    DrawGroundItems();
    DrawCreatures();
    DrawLookCursor();
}
