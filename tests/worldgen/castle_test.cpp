// Castles: room growing, the castle grounds of the forest and the castle quest, whole
// castle levels with their special rooms, shortcuts, key, stairs and throne hall.
#include <gtest/gtest.h>

#include "support/generator_fixture.h"
#include "support/grid_paths.h"
#include "support/sector_grid.h"

#include <queue>
#include <set>

#include "core/random.h"
#include "core/state.h"
#include "persist/reset.h"
#include "worldgen/castle.h"
#include "worldgen/generator.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

class CastleTest : public GeneratorFixture {
protected:
    void SetUp() override {
        GeneratorFixture::SetUp();
        GameVars[16] = 17;  // the run's prize item
    }
    static bool Generate(int seed, int depth, int scenario) {
        // seeds spread over the whole range
        return GeneratorFixture::Generate(static_cast<int>(seed * 35791393u), depth, scenario);
    }
    static bool Find(int code, int& fx, int& fy) {
        bool found = false;
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                if (MapTerrain[x][y] == code) {
                    fx = x;
                    fy = y;
                    found = true;
                }
        return found;
    }
    static int Live(int kind) {
        int n = 0;
        for (int m = 1; m <= MonCapacity; ++m)
            if (MonKind[m] == kind) ++n;
        return n;
    }
};

// Walkers of a castle: floors of every style, doors, bridges, stairs, grass, items.
bool CastleWalk(int code) { return !Terrain(code).blocksMove || code == 40 || code == 87; }

TEST_F(CastleTest, RoomGrowsOffAWallIntoTheBackgroundAndKeepsOffTheEdge) {
    for (int seed = 1; seed <= 200; ++seed) {
        FillTerrain(28);
        for (int x = 20; x <= 24; ++x)
            for (int y = 15; y <= 19; ++y) MapTerrain[x][y] = (x == 20 || x == 24 || y == 15 || y == 19) ? 36 : 35;
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        int ax = 0;
        int ay = 0;
        bool failed = false;
        const int w = 1 + seed % 7;
        const int h = 1 + (seed / 7) % 7;
        if (!TryGrowRoom(w, h, 28, ax, ay, failed)) {
            EXPECT_FALSE(failed);
            continue;
        }
        // Interior (w + 1) x (h + 1) of floor off the border, ring of wall, one door into the old room.
        for (int x = ax - 1; x <= ax + w + 1; ++x) {
            for (int y = ay - 1; y <= ay + h + 1; ++y) {
                const bool interior = x >= ax && x <= ax + w && y >= ay && y <= ay + h;
                if (interior) {
                    EXPECT_EQ(MapTerrain[x][y], 35);
                    EXPECT_TRUE(x >= 1 && x <= 43 && y >= 1 && y <= 34);
                    EXPECT_EQ(MapMask[x][y], 1);
                } else if (InGrid(x, y)) {
                    EXPECT_TRUE(MapTerrain[x][y] == 36 || MapTerrain[x][y] == 40);
                }
            }
        }
        EXPECT_EQ(CountTerrain(40), 1);
        int dx = 0;
        int dy = 0;
        Find(40, dx, dy);
        EXPECT_TRUE(dx >= 20 && dx <= 24 && dy >= 15 && dy <= 19) << "the door is in the old room's wall";
    }
    // A room far too wide never fits: the attempt is simply lost.
    int ax = 0;
    int ay = 0;
    bool failed = false;
    for (int seed = 1; seed <= 50; ++seed) {
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        EXPECT_FALSE(TryGrowRoom(500, 8, 28, ax, ay, failed));
    }
}

// This world's keep grows its first three rooms into the bottom-right corner, where its
// throne room can never fit: the generator must give up (and the sector be made again)
// rather than try for ever.
TEST_F(CastleTest, KeepBoxedIntoItsCornerGivesUpInsteadOfTryingForEver) {
    WorldSeed = 4054541;
    Depth = 13;
    GameVars[49] = 0;
    RegenerateSector = 0;
    EXPECT_FALSE(GenerateSector());
    EXPECT_EQ(SectorGenFailure, "castle grounds rooms");
}

TEST_F(CastleTest, CastleLevelsAreWalledAboveTheAbyssWithStairsAndHero) {
    for (int seed = 1; seed <= 12; ++seed) {
        for (int depth : {5, 12, 19, 25, 29}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " depth " << depth);
            ASSERT_TRUE(Generate(seed, depth, 2));
            EXPECT_GE(SectorBiome, 7);
            EXPECT_EQ(CountTerrain(80), 1);
            EXPECT_EQ(CountTerrain(81), depth < 29 ? 1 : 0);
            int sx = 0;
            int sy = 0;
            ASSERT_TRUE(Find(80, sx, sy));
            EXPECT_EQ(MonX[0], sx);
            EXPECT_EQ(MonY[0], sy);
            // No reserved mark is left, and the floors never touch the abyss directly
            // except through the styled walls of the first castle style.
            for (int x = 0; x <= MapMaxX; ++x) {
                for (int y = 0; y <= MapMaxY; ++y) {
                    EXPECT_LT(MapTerrain[x][y], 5000);
                    if (SectorBiome == 7 || MapTerrain[x][y] == 28 || Terrain(MapTerrain[x][y]).blocksMove) continue;
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy)
                            if (InGrid(x + dx, y + dy)) {
                                EXPECT_NE(MapTerrain[x + dx][y + dy], 28) << x << "," << y;
                            }
                }
            }
        }
    }
}

TEST_F(CastleTest, ThroneHallHoldsVorgathInsideTheLavaRingReachedOverTwoBridges) {
    for (int seed = 1; seed <= 10; ++seed) {
        ASSERT_TRUE(Generate(seed, 29, 2));
        ASSERT_EQ(Live(46), 1);
        int v = 0;
        for (int m = 1; m <= MonCapacity; ++m)
            if (MonKind[m] == 46) v = m;
        EXPECT_EQ(MonLevel[v], 5);  // the sector change adds the levels for depth 29 later
        const int x0 = MonX[v] - 4;
        const int y0 = MonY[v] - 4;
        // The ring's cells may be paved by a site's square, but never its bridges.
        EXPECT_EQ(MapTerrain[x0 + 2][y0 + 8], 4);
        EXPECT_EQ(MapTerrain[x0 + 10][y0 + 8], 4);
        EXPECT_GE(CountTerrain(69), 20);
        int sx = 0;
        int sy = 0;
        ASSERT_TRUE(Find(80, sx, sy));
        EXPECT_TRUE(WalkableBetween(
            sx, sy, MonX[v], MonY[v], [](int code) { return CastleWalk(code) && code != 69; }, true));
    }
}

// Sectors 5..30 of the castle quest in one run: the prison, its key and prisoner, the
// treasury and the special rooms appear as their countdowns allow.
TEST_F(CastleTest, PrisonKeyTreasuryAndPrisonersAppearAsTheirCountdownsSay) {
    int prisons = 0;
    int treasuries = 0;
    for (int seed = 1; seed <= 8; ++seed) {
        SetUp();
        int prisoners[52] = {};
        int treasuriesThisRun = 0;
        int lastGarden = -10;
        int lastLibrary = -10;
        for (int depth = 5; depth <= 30; ++depth) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " depth " << depth);
            ASSERT_TRUE(Generate(seed, depth, 2));
            const bool prison = CountTerrain(84) > 0;
            EXPECT_EQ(prison, SiteCooldown[52] == 1);
            EXPECT_EQ(CountTerrain(86), prison ? 1 : 0) << "a key exactly where a prison is";
            if (prison) {
                ++prisons;
                EXPECT_EQ(CountTerrain(84), 4);
                EXPECT_EQ(CountTerrain(85), 2);
            }
            for (int kind = 47; kind <= 51; ++kind) {
                prisoners[kind] += Live(kind);
                EXPECT_LE(prisoners[kind], 1) << kind;
                if (Live(kind) == 0) continue;
                EXPECT_TRUE(prison);
                EXPECT_EQ(SiteCooldown[52 + kind - 46], 1000);
                // Locked in: out of reach until a lock is opened. (In the first castle
                // style a wall may crumble into grassy floor, the prison's too.)
                if (SectorBiome == 7) continue;
                int m = 1;
                while (MonKind[m] != kind) ++m;
                int sx = 0;
                int sy = 0;
                ASSERT_TRUE(Find(80, sx, sy));
                EXPECT_FALSE(WalkableBetween(sx, sy, MonX[m], MonY[m], CastleWalk, true));
                EXPECT_TRUE(WalkableBetween(
                    sx, sy, MonX[m], MonY[m], [](int code) { return CastleWalk(code) || code == 85; }, true));
            }
            int prizes = 0;
            int bits = 0;
            for (int g = 0; g < GroundSlots; ++g) {
                if (GroundItemKind[g] == 17 && GroundItemTier[g] == 0) ++prizes;
                if (GroundItemKind[g] == 100) {
                    ++bits;
                    EXPECT_GE(GroundItemCount[g], 8);
                    EXPECT_LE(GroundItemCount[g], 16);
                }
            }
            if (prizes > 0) {
                ++treasuriesThisRun;
                EXPECT_EQ(bits, 6);
                EXPECT_EQ(SiteCooldown[59], 1000);
            }
            // A garden or library just built leaves its countdown at 3.
            if (SiteCooldown[50] == 3) {
                EXPECT_GE(depth - lastGarden, 3);
                lastGarden = depth;
            }
            if (SiteCooldown[51] == 3) {
                EXPECT_GE(depth - lastLibrary, 3);
                lastLibrary = depth;
            }
        }
        EXPECT_LE(treasuriesThisRun, 1);
        treasuries += treasuriesThisRun;
    }
    EXPECT_GT(prisons, 0);
    EXPECT_GT(treasuries, 0);
}

TEST_F(CastleTest, ChaosCastlesHaveNoPrisonersNorStairs) {
    int castles = 0;
    for (int seed = 1; seed <= 10; ++seed) {
        for (int depth = 1; depth <= 28; ++depth) {
            ASSERT_TRUE(Generate(seed, depth, 1));
            if (SectorBiome < 7) continue;
            ++castles;
            EXPECT_EQ(CountTerrain(80) + CountTerrain(81), 0);
            for (int kind = 47; kind <= 51; ++kind) EXPECT_EQ(Live(kind), 0);
            EXPECT_EQ(CountTerrain(78), 1);
        }
    }
    EXPECT_GT(castles, 0);
}

TEST_F(CastleTest, CastleGroundsTouchTheirEdgeAndHoldTheirHalls) {
    for (int seed = 1; seed <= 15; ++seed) {
        SCOPED_TRACE(seed);
        // Depth 12: castle along the top, the way on in its top wall, a relic hall.
        ASSERT_TRUE(Generate(seed, 12, 0));
        EXPECT_EQ(SectorBiome, 5);
        EXPECT_EQ(CountTerrain(41), 1);
        EXPECT_EQ(CountTerrain(45), 4);
        EXPECT_EQ(CountTerrain(81), 1);
        int gx = 0;
        int gy = 0;
        ASSERT_TRUE(Find(41, gx, gy));
        EXPECT_EQ(gy, 0);
        // Depth 13: castle along the bottom, the way back in its bottom wall, the throne.
        ASSERT_TRUE(Generate(seed, 13, 0));
        EXPECT_EQ(CountTerrain(42), 1);
        EXPECT_EQ(CountTerrain(49), 4);
        EXPECT_EQ(CountTerrain(5), 1);
        ASSERT_TRUE(Find(42, gx, gy));
        EXPECT_EQ(gy, MapMaxY);
        EXPECT_EQ(MonX[0], gx);
        EXPECT_EQ(MonY[0], MapMaxY - 1);
        // Castle quest depth 4: dark forest with the castle at the top, no exit; the
        // stairs up are the way on unless the centre clearing paved them over.
        ASSERT_TRUE(Generate(seed, 4, 2));
        EXPECT_EQ(SectorLayout, 126);
        EXPECT_EQ(CountTerrain(5), 0);
        EXPECT_EQ(CountTerrain(11), 1);
        EXPECT_LE(CountTerrain(81), 1);
    }
}

}  // namespace
