// The landforms each layout carves into a grid of trees (and maybe the centre
// clearing). (cx, cy) is the sector centre after the clearing step.
#pragma once

#include "core/run_vars.h"
#include "worldgen/biomes.h"

// Carves the layout's own landform; layouts without one carve nothing. False when a
// search ran out (SectorGenFailure names it).
bool CarveLayout(int layout, int cx, int cy);

// Water: river, jungle river, docks, chain of ponds, pond, rushing river.
bool CarveRiver();
bool CarveJungleRiver();
bool CarveDocks();
void CarvePondChain();
void CarvePond();
bool CarveRushingRiver();
// Land: mountain path, mountain, ravine, graveyard, bone field, odd grove, long path,
// volcano, sinkhole, standing stones.
bool CarveMountainPath();
void CarveMountain();
bool CarveRavine();
void CarveGraveyard(int cx, int cy);
void CarveBoneField(int cx, int cy);
void CarveOddGrove();
void CarveLongPath();
void CarveVolcano();
void CarveSinkhole();
void CarveStandingStones();
// The story sectors: healer's hut, fairy garden, crypt, quest flower or chaos lair, temple.
void CarveHealersHut();
void CarveFairyGarden();
// The fairy garden's six trees around its door, by plot number (GlobalData 0..5 holds
// the fruit planted in each plot): column and row from the door.
constexpr int GardenPlotOffset[GardenPlots][2] = {{2, -3}, {4, 0}, {2, 3}, {-2, 3}, {-4, 0}, {-2, -3}};
// The plot of the garden tree at (x, y), counted around the sector's last fairy door in
// scan order; -1 when the cell is none of the six.
int GardenPlotAt(int x, int y);
void CarveCrypt();
void CarveFlowerIsland(bool chaosLair);
void CarveTemple();

// Progress text of a generation step, shown while DebugText is 1.
void ShowProgress(const char* step);
