// Special sites: the site cell search, cooldowns and chances, footprints, the crypt
// graveyard, and searches that run out.
#include <gtest/gtest.h>

#include "core/random.h"
#include "core/state.h"
#include "persist/reset.h"
#include "support/sector_grid.h"
#include "worldgen/generator.h"
#include "worldgen/sites.h"
#include "worldgen/terrain.h"

namespace {

class SitesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        ResetGame();
        HeroId = 1;
        MonX[0] = -1;
        MonY[0] = -1;
        SeedRandom(99);
    }
    // Every site but `entry` waits, so only that site draws.
    static void OnlySite(int entry) {
        for (int k = 0; k <= 18; ++k) SiteCooldown[k] = k == entry ? 0 : 50;
    }
};

// A single open cell in a forest: the search can only find that one.
TEST_F(SitesTest, SiteCellRefusesSquaresHoldingWaysBuildingsWallsAndReservedCells) {
    const int refused[] = {4, 21, 24, 29, 31, 32, 51, 57, 58, 72,   36,   66,  83,
                           5, 11, 41, 42, 78, 79, 80, 81, 86, 5035, 5036, 5040};
    for (int code : refused) {
        ClearAllTables();
        FillTerrain(1);
        MapTerrain[10][10] = 2;
        MapTerrain[11][11] = code;
        int x = 0;
        int y = 0;
        EXPECT_FALSE(FindSiteCell(9, 2000, x, y)) << code;
        EXPECT_EQ(MapTerrain[11][11], code);
        EXPECT_EQ(MapTerrain[10][10], 2);
    }
    // Trees, water or bushes around are fine: they are cleared to grass.
    ClearAllTables();
    FillTerrain(1);
    MapTerrain[10][10] = 2;
    MapTerrain[9][11] = 3;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(FindSiteCell(9, 20000, x, y));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 10);
    EXPECT_EQ(MapTerrain[10][10], 9);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) {
                EXPECT_EQ(MapTerrain[10 + dx][10 + dy], 2);
            }
    // The centre must be free open ground, not water or a bridge, nor taken.
    for (int centre : {3, 4, 1}) {
        ClearAllTables();
        FillTerrain(1);
        MapTerrain[10][10] = centre;
        EXPECT_FALSE(FindSiteCell(9, 2000, x, y)) << centre;
    }
    ClearAllTables();
    FillTerrain(1);
    MapTerrain[10][10] = 2;
    MonKind[1] = 6;
    MonHp[1] = 5;
    MonX[1] = 10;
    MonY[1] = 10;
    EXPECT_FALSE(FindSiteCell(9, 2000, x, y));
}

TEST_F(SitesTest, CastleSitesSitOnCastleFloorTouchingNoGrass) {
    SectorBiome = 9;
    SiteFloorCode = 67;
    FillTerrain(28);
    for (int x = 5; x <= 9; ++x)
        for (int y = 5; y <= 9; ++y) MapTerrain[x][y] = 35;
    MapTerrain[5][5] = 2;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(FindSiteCell(73, 100000, x, y));
    EXPECT_TRUE(x > 6 || y > 6) << x << "," << y;  // no square touching the grass at (5, 5)
    EXPECT_EQ(MapTerrain[5][5], 2);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) {
                EXPECT_EQ(MapTerrain[x + dx][y + dy], 67);
            }
    EXPECT_EQ(MapTerrain[x][y], 73);
}

TEST_F(SitesTest, FruitTreesWaitASectorEvenWhenTheirRollFails) {
    int placedSectors = 0;
    int emptySectors = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        ClearAllTables();
        FillTerrain(2);
        SectorBiome = 1;
        OnlySite(2);
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        EXPECT_EQ(SiteCooldown[2], 2);
        int trees = 0;
        for (int code = 14; code <= 19; ++code) trees += CountTerrain(code);
        EXPECT_LE(trees, 3);
        (trees > 0 ? placedSectors : emptySectors)++;
    }
    EXPECT_GT(placedSectors, 0);
    EXPECT_GT(emptySectors, 0);
    // While waiting, no draw is made.
    FillTerrain(2);
    SiteCooldown[2] = 1;
    const int state = RandomState();
    PlaceSpecialSites();
    EXPECT_EQ(RandomState(), state);
}

TEST_F(SitesTest, NotesStopAtEightAndTheHeroineNeedsATemple) {
    for (int seed = 1; seed <= 80; ++seed) {
        ClearAllTables();
        FillTerrain(2);
        SectorBiome = 1;
        Depth = 10;
        GameVars[50] = 8;
        OnlySite(14);
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        EXPECT_EQ(CountTerrain(54), 0);
        // Seven notes: 49 + a roll of 0..100 is always at least 90 from a roll of 41.
        ClearAllTables();
        FillTerrain(2);
        SectorBiome = 1;
        Depth = 10;
        GameVars[50] = 7;
        OnlySite(14);
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        EXPECT_LE(CountTerrain(54), 1);
        EXPECT_EQ(SiteCooldown[14], CountTerrain(54) == 1 ? 1 : 0);
        // The heroine: no temple countdown, no heroine.
        ClearAllTables();
        FillTerrain(2);
        OnlySite(16);
        SiteCooldown[15] = 0;
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        EXPECT_EQ(LiveCreatures(), 0);
        EXPECT_EQ(SiteCooldown[16], 0);
    }
    int heroines = 0;
    for (int seed = 1; seed <= 40; ++seed) {
        ClearAllTables();
        FillTerrain(2);
        OnlySite(16);
        SiteCooldown[15] = 60;
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        if (LiveCreatures() == 1) {
            ++heroines;
            EXPECT_EQ(MonKind[1], 44);
            EXPECT_EQ(SiteCooldown[16], 1000);
        }
    }
    EXPECT_GT(heroines, 0);
}

TEST_F(SitesTest, TempleStandsAtColumnsTwentyNineToThirtyOneInItsClearing) {
    int temples = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        ClearAllTables();
        FillTerrain(1);
        for (int x = 2; x <= 20; ++x)
            for (int y = 2; y <= 30; ++y) MapTerrain[x][y] = 2;
        SectorBiome = 6;
        OnlySite(15);
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        if (CountTerrain(57) == 0) continue;
        ++temples;
        EXPECT_EQ(CountTerrain(57), 6);
        EXPECT_EQ(SiteCooldown[15], 100);
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                if (MapTerrain[x][y] == 57) {
                    EXPECT_TRUE(x >= 29 && x <= 31) << x;
                }
    }
    EXPECT_GT(temples, 0);
}

TEST_F(SitesTest, VillagesOfThreeGetModesOneToThree) {
    struct Case {
        int entry, biome, kindA, kindB;
    };
    for (const Case c : {Case{8, 2, 28, 28}, Case{9, 3, 27, 27}, Case{10, 1, 31, 32}}) {
        int found = 0;
        for (int seed = 1; seed <= 30; ++seed) {
            ClearAllTables();
            FillTerrain(1);
            for (int x = 2; x <= 10; ++x)
                for (int y = 2; y <= 30; ++y) MapTerrain[x][y] = 2;
            SectorBiome = c.biome;
            Depth = 7;
            OnlySite(c.entry);
            SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
            PlaceSpecialSites();
            if (LiveCreatures() == 0) continue;
            ++found;
            ASSERT_EQ(LiveCreatures(), 3);
            EXPECT_EQ(SiteCooldown[c.entry], 9999);
            for (int m = 1; m <= 3; ++m) {
                EXPECT_TRUE(MonKind[m] == c.kindA || MonKind[m] == c.kindB) << MonKind[m];
                EXPECT_EQ(MonMode[m], m);
                EXPECT_EQ(MonY[m], MonY[1]);
                EXPECT_EQ(MonX[m], MonX[1] + 2 * (m - 1));
            }
            if (c.entry == 8) {
                for (int m = 1; m <= 3; ++m) EXPECT_EQ(MapTerrain[MonX[m]][MonY[m]], 3);  // the sea folk swim
            }
        }
        EXPECT_GT(found, 0) << c.entry;
    }
}

TEST_F(SitesTest, SiteWhoseSearchRunsOutIsSkippedAndLeavesItsCountdown) {
    // No open ground at all: the statue, pot, door, visitors, book, well and bell
    // all search in vain; the sector goes on without them.
    FillTerrain(1);
    SectorBiome = 1;
    Depth = 10;
    for (int k = 0; k <= 18; ++k) SiteCooldown[k] = 0;
    SiteCooldown[2] = 50;  // fruit trees would search "until found" each; kept out for speed
    SiteCooldown[3] = 50;
    SiteCooldown[10] = 50;
    SiteCooldown[11] = 50;
    for (int seed = 1; seed <= 3; ++seed) {
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceSpecialSites();
        EXPECT_EQ(CountTerrain(1), MapWidth * MapHeight);
        EXPECT_EQ(LiveCreatures(), 0);
        for (int k : {0, 1, 4, 5, 6, 12, 13, 14, 17, 18}) EXPECT_EQ(SiteCooldown[k], 0) << k;
    }
}

TEST_F(SitesTest, CryptGraveyardAndCastleChestShareOneCountdown) {
    // The graveyard layout: crypt entrances appear while entry 7 is free, never after.
    auto generate = [](int seed, int depth) {
        WorldSeed = static_cast<int>(seed * 35791393u);  // seeds spread over the whole range
        Depth = depth;
        RegenerateSector = 0;
        return GenerateSector();
    };
    ClearAllTables();
    ResetGame();
    HeroId = 1;
    GameVars[5] = 2;
    GameVars[6] = 3;
    GameVars[7] = 4;
    int crypts = 0;
    int chests = 0;
    for (int seed = 1; seed <= 300 && (crypts == 0 || chests == 0); ++seed) {
        SiteCooldown[7] = 0;
        GameVars[49] = 0;
        ASSERT_TRUE(generate(seed, seed % 2 == 0 ? 12 : 13));
        if (CountTerrain(47) > 0) {
            ++chests;
            EXPECT_EQ(CountTerrain(47), 1);
            EXPECT_EQ(SiteCooldown[7], 9999);
        }
        SiteCooldown[7] = 0;
        GameVars[49] = 2;  // castle quest: depths 2 and 3 are dark forest, sometimes a graveyard
        ASSERT_TRUE(generate(seed, 2 + seed % 2));
        if (CountTerrain(32) > 0) {
            ++crypts;
            EXPECT_EQ(SectorLayout, 32);
            EXPECT_EQ(SiteCooldown[7], 9999);
        }
    }
    EXPECT_GT(crypts, 0);
    EXPECT_GT(chests, 0);
    // Once either is placed, neither comes again.
    for (int seed = 1; seed <= 60; ++seed) {
        SiteCooldown[7] = 9999;
        GameVars[49] = 0;
        ASSERT_TRUE(generate(seed, 12 + seed % 2));
        EXPECT_EQ(CountTerrain(47), 0);
        GameVars[49] = 2;
        ASSERT_TRUE(generate(seed, 2 + seed % 2));
        EXPECT_EQ(CountTerrain(32), 0);
    }
}

}  // namespace
