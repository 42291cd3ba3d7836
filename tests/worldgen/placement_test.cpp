// Ground items and the sector's item pass: food, equipment and the store offers.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "core/state.h"
#include "persist/reset.h"
#include "support/sector_grid.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        ResetGame();
        SeedRandom(4321);
    }
    static int Items() {
        int n = 0;
        for (int g = 0; g < GroundSlots; ++g)
            if (GroundItemKind[g] != 0) ++n;
        return n;
    }
};

TEST_F(PlacementTest, GroundItemTakesTheLowestFreeSlotWithASeedAndACount) {
    struct Case {
        int kind, minCount, maxCount;
    };
    for (const Case c : {Case{101, 1, 1}, Case{3, 1, 1}, Case{8, 4, 6}, Case{100, 2, 6}}) {
        for (int k = 0; k < 30; ++k) {
            ClearAllTables();
            GroundItemKind[0] = 5;
            GroundItemKind[2] = 5;
            const int slot = PlaceGroundItem(7, 9, c.kind, 3);
            ASSERT_EQ(slot, 1);
            EXPECT_EQ(GroundItemKind[1], c.kind);
            EXPECT_EQ(GroundItemTier[1], 3);
            EXPECT_EQ(GroundItemX[1], 7);
            EXPECT_EQ(GroundItemY[1], 9);
            EXPECT_GE(GroundItemSeed[1], 1);
            EXPECT_LE(GroundItemSeed[1], 99999);
            EXPECT_GE(GroundItemCount[1], c.minCount) << c.kind;
            EXPECT_LE(GroundItemCount[1], c.maxCount) << c.kind;
        }
    }
}

TEST_F(PlacementTest, FullGroundTableDropsFurtherItemsWithoutADraw) {
    for (int g = 0; g < GroundSlots; ++g) ASSERT_EQ(PlaceGroundItem(g % 45, 2, 101, 0), g);
    const int state = RandomState();
    EXPECT_EQ(PlaceGroundItem(3, 3, 100, 0), NoGroundSlot);
    EXPECT_EQ(RandomState(), state);
    // The sector pass still runs its draws and leaves the table as it was.
    FillTerrain(2);
    EXPECT_TRUE(PlaceSectorItems());
    EXPECT_EQ(Items(), GroundSlots);
    for (int g = 0; g < GroundSlots; ++g) EXPECT_EQ(GroundItemKind[g], 101);
}

TEST_F(PlacementTest, FoodAndEquipmentLieOnlyOnFreeOpenGround) {
    const std::set<int> food = {101, 102, 103, 104, 105, 110, 111, 112, 113, 114, 120, 121, 122,
                                123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133, 134};
    for (int seed = 1; seed <= 40; ++seed) {
        ClearAllTables();
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        Depth = 6;
        // Half open ground, half trees and water; a creature and an old item in the field.
        FillTerrain(1);
        for (int x = 0; x <= 22; ++x)
            for (int y = 0; y <= MapMaxY; ++y) MapTerrain[x][y] = (x + y) % 5 == 0 ? 3 : 2;
        MonKind[1] = 6;
        MonHp[1] = 10;
        MonX[1] = 10;
        MonY[1] = 10;
        PlaceGroundItem(11, 11, 9, 0);
        PlaceSectorItems();
        int foodCount = 0;
        int equipment = 0;
        std::set<std::pair<int, int>> cells{{11, 11}};
        for (int g = 1; g < GroundSlots; ++g) {
            const int kind = GroundItemKind[g];
            if (kind == 0) continue;
            const int x = GroundItemX[g];
            const int y = GroundItemY[g];
            EXPECT_EQ(MapTerrain[x][y], 2);
            EXPECT_FALSE(x == 10 && y == 10);
            EXPECT_TRUE(cells.insert({x, y}).second) << "two items on one cell";
            if (food.count(kind)) {
                ++foodCount;
                EXPECT_EQ(GroundItemTier[g], 0);
            } else {
                ++equipment;
                EXPECT_TRUE(kind >= 1 && kind <= 9 && kind != 6) << kind;
                EXPECT_EQ(GroundItemTier[g], 1);
            }
        }
        EXPECT_LE(foodCount, 28);
        EXPECT_EQ(equipment, 11);
    }
}

TEST_F(PlacementTest, EquipmentTierFollowsDepth) {
    struct Case {
        int depth, tier;
    };
    for (const Case c :
         {Case{0, 0}, Case{3, 0}, Case{4, 1}, Case{8, 1}, Case{9, 2}, Case{13, 2}, Case{14, 3}, Case{29, 6}}) {
        ClearAllTables();
        FillTerrain(2);
        Depth = c.depth;
        PlaceSectorItems();
        for (int g = 0; g < GroundSlots; ++g)
            if (GroundItemKind[g] >= 1 && GroundItemKind[g] <= 9) {
                EXPECT_EQ(GroundItemTier[g], c.tier) << c.depth;
            }
    }
}

TEST_F(PlacementTest, StoreOffersNineItemsOfTierOneAndNeverKindSix) {
    const std::set<int> equipment = {1, 2, 3, 4, 5, 7, 8, 9};
    std::set<int> seen;
    for (int seed = 1; seed <= 60; ++seed) {
        ClearAllTables();
        FillTerrain(1);
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSectorItems();
        for (int s = 0; s < StoreSlots; ++s) {
            const int kind = StoreItemKind[s];
            seen.insert(kind);
            EXPECT_EQ(StoreItemTier[s], 1);
            const bool food = (kind >= 101 && kind <= 105) || (kind >= 110 && kind <= 114) ||
                              (kind >= 120 && kind <= 134);
            const bool dish = kind >= 140 && kind <= 184;
            EXPECT_TRUE(equipment.count(kind) || food || dish) << kind;
            if (equipment.count(kind)) {
                EXPECT_GE(StoreItemSeed[s], 0);
                EXPECT_LE(StoreItemSeed[s], 100000);
            }
        }
        // A sector of trees only gets no items on the ground, but still a store.
        EXPECT_EQ(Items(), 0);
    }
    for (int kind : {1, 2, 3, 4, 5, 7, 8, 9}) EXPECT_TRUE(seen.count(kind)) << kind;
}

}  // namespace
