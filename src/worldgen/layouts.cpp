#include "worldgen/layouts.h"

#include "core/state.h"
#include "worldgen/terrain.h"

bool CarveLayout(int layout, int cx, int cy) {
    switch (layout) {
        case 4: return CarveRiver();
        case 13: return CarveDocks();
        case 14: CarvePondChain(); return true;
        case 15: CarvePond(); return true;
        case 21: return CarveMountainPath();
        case 22: CarveMountain(); return true;
        case 23: return CarveRavine();
        case 25: return CarveRushingRiver();
        case 32: CarveGraveyard(cx, cy); return true;
        case 33: CarveBoneField(cx, cy); return true;
        case 34: CarveOddGrove(); return true;
        case 35: CarveLongPath(); return true;
        case 42: return CarveJungleRiver();
        case 43: CarveVolcano(); return true;
        case 44: CarveSinkhole(); return true;
        case 45: CarveStandingStones(); return true;
        case 120: CarveHealersHut(); return true;
        case 121: CarveFairyGarden(); return true;
        case 122: CarveCrypt(); return true;
        case 123: CarveFlowerIsland(false); return true;
        case 124: CarveTemple(); return true;
        case 125: CarveFlowerIsland(true); return true;
        default: return true;
    }
}

int GardenPlotAt(int x, int y) {
    int doorX = -1;
    int doorY = -1;
    for (int cx = 0; cx <= MapMaxX; ++cx) {
        for (int cy = 0; cy <= MapMaxY; ++cy) {
            if (MapTerrain[cx][cy] != FairyDoor) continue;
            doorX = cx;
            doorY = cy;
        }
    }
    if (doorX < 0) return -1;
    for (int k = 0; k < GardenPlots; ++k) {
        if (x == doorX + GardenPlotOffset[k][0] && y == doorY + GardenPlotOffset[k][1]) return k;
    }
    return -1;
}
