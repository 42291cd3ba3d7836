#include "worldgen/layouts.h"

#include "core/state.h"
#include "worldgen/terrain.h"

bool CarveLayout(int layout, int cx, int cy) {
    switch (layout) {
        case LayoutRiver: return CarveRiver();
        case LayoutDocks: return CarveDocks();
        case LayoutPondChain: CarvePondChain(); return true;
        case LayoutPond: CarvePond(); return true;
        case LayoutMountainPath: return CarveMountainPath();
        case LayoutMountain: CarveMountain(); return true;
        case LayoutRavine: return CarveRavine();
        case LayoutRushingRiver: return CarveRushingRiver();
        case LayoutGraveyard: CarveGraveyard(cx, cy); return true;
        case LayoutBoneField: CarveBoneField(cx, cy); return true;
        case LayoutOddGrove: CarveOddGrove(); return true;
        case LayoutLongPath: CarveLongPath(); return true;
        case LayoutJungleRiver: return CarveJungleRiver();
        case LayoutVolcano: CarveVolcano(); return true;
        case LayoutSinkhole: CarveSinkhole(); return true;
        case LayoutStandingStones: CarveStandingStones(); return true;
        case LayoutHealersHut: CarveHealersHut(); return true;
        case LayoutFairyGarden: CarveFairyGarden(); return true;
        case LayoutCrypt: CarveCrypt(); return true;
        case LayoutQuestFlower: CarveFlowerIsland(false); return true;
        case LayoutTemple: CarveTemple(); return true;
        case LayoutChaosLair: CarveFlowerIsland(true); return true;
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
