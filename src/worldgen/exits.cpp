// The ways in and out of a sector and where the hero arrives.
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "worldgen/generator.h"
#include "worldgen/layouts.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

bool GrassOrPlant(int x, int y) {
    const int code = TerrainAt(x, y);
    return code == Grass || code == Plant;
}

// What an exit or entrance may lean against: tree, mountain, water, swamp or rock.
bool Backing(int x, int y) {
    const int code = TerrainAt(x, y);
    return code == Tree || code == Mountain || code == DeepWater || code == Swamp || code == RockFirst ||
           code == RockSecond;
}

void PlaceHero(int x, int y) {
    MonX[0] = x;
    MonY[0] = y;
}

bool ExitsAndEntrances() {
    const int scenario = GameVars[VarScenario];
    // The first open cell from the top (row 1 down) and the last one toward the bottom.
    int topX = 0;
    int topY = 0;
    int bottomX = 0;
    int bottomY = 0;
    for (int y = 1; y <= 34; ++y) {
        for (int x = 0; x <= MapMaxX; ++x) {
            if (!GrassOrPlant(x, y)) continue;
            if (topX == 0) {
                topX = x;
                topY = y - 1;
            }
            bottomX = x;
            bottomY = y + 1;
        }
    }
    if (!(scenario == ScenarioCastle && Depth == 4) && Depth != 12 && SectorLayout != LayoutQuestFlower) {
        ShowProgress("Exits");
        // An exit on row 0 over grass, or leaning on a backing cell above grass.
        auto exitAt = [](int x, int y) {
            return y == 0 ? GrassOrPlant(x, 1) : Backing(x, y - 1) && GrassOrPlant(x, y);
        };
        int x = 0;
        int y = 0;
        auto attempt = [&] {
            x = Rand(1, 43);
            y = Rand(topY, topY + 5);
            return exitAt(x, y);
        };
        auto possible = [&] {
            for (int cx = 1; cx <= 43; ++cx)
                for (int cy = topY; cy <= topY + 5; ++cy)
                    if (exitAt(cx, cy)) return true;
            return false;
        };
        if (!SearchOrGiveUp(SearchLimit, 4, attempt, possible)) return GenerationFails("exit");
        if (y != 0) --y;
        MapTerrain[x][y] = Exit;
        topX = x;
        topY = y;
    }
    if (Depth > 0 && Depth != 13) {
        ShowProgress("Entrances");
        // An entrance on the last open row over grass, or leaning on a backing cell below grass.
        auto entranceAt = [bottomY](int x, int y) {
            if (y == bottomY && bottomY == MapMaxY) return GrassOrPlant(x, MapMaxY);
            if (y == bottomY) return GrassOrPlant(x, y - 1);
            return Backing(x, y + 1) && GrassOrPlant(x, y);
        };
        int x = 0;
        int y = 0;
        auto attempt = [&] {
            x = Rand(1, 43);
            y = Rand(bottomY - 5, bottomY);
            return entranceAt(x, y);
        };
        auto possible = [&] {
            for (int cx = 1; cx <= 43; ++cx)
                for (int cy = bottomY - 5; cy <= bottomY; ++cy)
                    if (entranceAt(cx, cy)) return true;
            return false;
        };
        if (!SearchOrGiveUp(SearchLimit, 4, attempt, possible)) return GenerationFails("entrance");
        if (y != bottomY) ++y;
        SetTerrain(x, y, Entrance);
        bottomX = x;
        bottomY = y;
    }
    if (Depth == 0) SetTerrain(bottomX, bottomY, Grass);  // the starting cell
    const bool forestTunnel = scenario == ScenarioForest && Depth != 12 && SectorLayout != LayoutQuestFlower;
    const bool castleTunnel = scenario == ScenarioCastle && Depth < 4;
    if (topY > 0 && (forestTunnel || castleTunnel))
        for (int y = 0; y < topY; ++y) SetTerrain(topX, y, LogTunnel);
    if (bottomY < MapMaxY && Depth > 0 && Depth != 13)
        for (int y = bottomY + 1; y <= MapMaxY; ++y) SetTerrain(bottomX, y, LogTunnel);
    PlaceHero(bottomX, bottomY);

    if (Depth == 12 || Depth == 13) {
        ShowProgress("Castle Entrances and Exits");
        const int gy = Depth == 12 ? 0 : MapMaxY;
        const int inside = Depth == 12 ? 1 : MapMaxY - 1;
        for (int tries = 0;; ++tries) {
            if (tries >= SearchLimit) return GenerationFails("castle gate");
            const int x = Rand(1, 43);
            if (MapTerrain[x][gy] != StoneWall || TerrainBlocksMovement(x, inside)) continue;
            if (Depth == 12) {
                MapTerrain[x][gy] = CastlePathOnward;
            } else {
                MapTerrain[x][gy] = CastlePathBack;
                PlaceHero(x, inside);
            }
            break;
        }
    }
    return true;
}

bool ChaosPortals() {
    for (int tries = 0;; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("arrival portal");
        const int x = Rand(1, 43);
        const int y = Rand(1, 34);
        const int code = MapTerrain[x][y];
        if (code != Grass && code != Plant && code != StoneFloor) continue;
        MapTerrain[x][y] = ArrivalPortal;
        PlaceHero(x, y);
        break;
    }
    if (Depth >= 29) return true;
    ShowProgress("Portal");
    for (int tries = 0;; ++tries) {
        if (tries >= SearchLimit) return GenerationFails("portal");
        const int x = Rand(2, 42);
        const int y = Rand(2, 33);
        if (!IsOpenGround(x, y) || MapTerrain[x][y] == DeepWater || MapTerrain[x][y] == Bridge) continue;
        bool clear = true;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (IsLandmark(MapTerrain[x + dx][y + dy])) clear = false;
        if (!clear) continue;
        const int ground = IsCastleBiome(SectorBiome) ? StoneFloor : Grass;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) MapTerrain[x + dx][y + dy] = ground;
        MapTerrain[x][y] = Portal;
        break;
    }
    return true;
}

// The hero arrives next to the last cell holding `code`, dy rows away from it.
void ArriveBeside(int code, int dy) {
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapTerrain[x][y] == code) PlaceHero(x, y + dy);
}

}  // namespace

bool PlaceWaysInAndOut() {
    const int scenario = GameVars[VarScenario];
    if (Depth >= 0 && (scenario == ScenarioForest || (scenario == ScenarioCastle && Depth < 5))) {
        if (!ExitsAndEntrances()) return false;
    }
    if (scenario == ScenarioChaos && Depth >= 0) {
        if (!ChaosPortals()) return false;
    }
    if (Depth == DepthFairyGarden) ArriveBeside(FairyDoor, 1);
    if (Depth == DepthCrypt) ArriveBeside(StairsOut, -1);
    if (Depth == DepthTemple) ArriveBeside(StairsToForest, -1);
    return true;
}
