// The fixed layouts of the story sectors: the healer's hut, the fairy garden, the
// crypt, the quest flower (and the chaos lair built like it) and the temple.
#include "core/random.h"
#include "core/state.h"
#include "items/food.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/placement.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

void Fill(int x0, int x1, int y0, int y1, int code) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) SetTerrain(x, y, code);
}

// A rectangle of floor whose border cells are wall.
void Room(int x0, int x1, int y0, int y1, int floor, int wall) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) SetTerrain(x, y, (x == x0 || x == x1 || y == y0 || y == y1) ? wall : floor);
}

}  // namespace

void CarveHealersHut() {
    const int x = Rand(5, 39);
    const int y = 17 + Rand(-10, 6);
    PaintDisc(x, y, 4, true, Tree, Grass);
    Fill(x - 1, x, y - 1, y, HealersHut);
    SpawnCreature(x + 1, y + 1, KindOmbasi);
}

void CarveFairyGarden() {
    const int x = Rand(8, 36);
    const int y = 17 + Rand(-2, 2);
    PaintDisc(x, y, 6, true, Tree, Grass);
    SetTerrain(x, y, FairyDoor);
    SpawnCreature(x, y - 3, KindFairy);
    for (const auto& plot : GardenPlotOffset) SetTerrain(x + plot[0], y + plot[1], MagicalTree);
}

void CarveCrypt() {
    Room(13, 19, 2, 13, StoneFloor, StoneWall);
    Fill(16, 16, 13, 16, StoneFloor);  // the corridor opens the room's bottom wall
    Fill(15, 15, 13, 18, StoneWall);
    Fill(17, 17, 13, 18, StoneWall);
    SetTerrain(16, 18, StoneWall);
    SetTerrain(16, 17, StairsOut);
    SetTerrain(16, 3, StoneTable);
    for (const int y : {7, 9, 11}) {
        SetTerrain(14, y, Grave);
        SetTerrain(18, y, Grave);
    }
}

void CarveFlowerIsland(bool chaosLair) {
    // An island in a ring of water, reached over lily pads from a clearing below it.
    PaintDisc(22, 12, 9, false, AnyTerrain, Grass);
    PaintDisc(22, 12, 7, false, AnyTerrain, DeepWater);
    PaintDisc(22, 12, 5, false, AnyTerrain, Grass);
    if (chaosLair) {
        SpawnCreature(22, 12, KindSkarnix);
    } else {
        SetTerrain(22, 12, QuestFlower);
    }
    PaintDisc(22, 23, 3, false, AnyTerrain, Grass);
    for (const auto& c : {std::pair{21, 26}, {22, 26}, {23, 26}, {22, 27}, {22, 28}, {22, 29}})
        SetTerrain(c.first, c.second, Grass);
    for (int y = 12; y <= MapMaxY; ++y)
        if (MapTerrain[22][y] == DeepWater) MapTerrain[22][y] = LilyPad;
}

void CarveTemple() {
    // Room A, with the idol at its top.
    Room(19, 25, 2, 13, TempleFloor, TempleWall);
    // The corridor down to the stairs.
    Fill(22, 22, 13, 26, TempleFloor);
    Fill(21, 21, 13, 28, TempleWall);
    Fill(23, 23, 13, 28, TempleWall);
    SetTerrain(22, 28, TempleWall);
    SetTerrain(22, 27, StairsToForest);
    SetTerrain(22, 3, GemIdol);
    // Room B: the crocodiles wait behind hidden walls for the trigger floor.
    Room(19, 25, 15, 21, TempleFloor, TempleWall);
    SetTerrain(22, 15, TempleFloor);
    SetTerrain(22, 21, TempleFloor);
    Fill(21, 21, 16, 20, HiddenWall);
    Fill(23, 23, 16, 20, HiddenWall);
    for (const auto& c : {std::pair{20, 16}, {20, 20}, {24, 16}, {24, 20}})
        SpawnCreature(c.first, c.second, KindCrocodile);
    SetTerrain(22, Rand(16, 18), TriggerFloor);
    // The hall across the corridor.
    Room(10, 34, 23, 25, TempleFloor, TempleWall);
    SetTerrain(22, 23, TempleFloor);
    SetTerrain(22, 25, TempleFloor);
    // Side chambers off the hall, each with a treasure.
    for (const int x0 : {10, 32}) {
        for (int x = x0; x <= x0 + 2; ++x)
            for (int y = 17; y <= 23; ++y)
                SetTerrain(x, y, (x == x0 || x == x0 + 2 || y == 17) ? TempleWall : TempleFloor);
    }
    PlaceGroundItem(11, 18, Rand(DishFirstId, DishLastId), 0);
    PlaceGroundItem(33, 18, Rand(DishFirstId, DishLastId), 0);
    // Room A's engraved floor; only the rat and bunny tiles are safe to step on.
    for (int x = 20; x <= 24; ++x)
        for (int y = 5; y <= 10; ++y) MapTerrain[x][y] = Rand(LionTile, WolfTile);
    const int safe[9][2] = {{23, 5}, {23, 6}, {23, 7}, {22, 7}, {21, 7}, {21, 8}, {21, 9}, {22, 9}, {22, 10}};
    for (const auto& s : safe) MapTerrain[s[0]][s[1]] = Rand(RatTile, BunnyTile);
}
