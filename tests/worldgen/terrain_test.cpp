// The terrain catalogue against the game's own lists, and the frame pass.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "core/state.h"
#include "support/sector_grid.h"
#include "worldgen/terrain.h"

namespace {

class TerrainTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        FillTerrain(2);
        MonX[0] = -1;
        MonY[0] = -1;
    }
};

TEST_F(TerrainTest, CatalogueFlagsMatchTheBlockingAndOpenGroundLists) {
    // clang-format off
    const std::set<int> move = Codes({{1, 1}, {7, 9}, {12, 23}, {25, 25}, {27, 29}, {31, 31}, {34, 34},
                                      {36, 40}, {44, 49}, {51, 51}, {55, 57}, {66, 66}, {68, 68},
                                      {70, 70}, {72, 77}, {83, 85}, {87, 90}});
    const std::set<int> sight = Codes({{1, 1}, {7, 8}, {13, 23}, {25, 25}, {27, 27}, {31, 31}, {36, 36},
                                       {40, 40}, {44, 44}, {46, 48}, {51, 51}, {55, 56}, {66, 66},
                                       {70, 70}, {72, 72}, {83, 83}, {88, 88}});
    // clang-format on
    const std::set<int> open = {2, 4, 10, 30, 35, 43, 67, 82};
    for (int code = 1; code <= TerrainCodeCount; ++code) {
        SCOPED_TRACE(code);
        MapTerrain[5][5] = code;
        EXPECT_EQ(TerrainBlocksMovement(5, 5), move.count(code) == 1);
        EXPECT_EQ(TerrainBlocksSight(5, 5), sight.count(code) == 1 || code == 6);
        EXPECT_EQ(IsOpenGround(5, 5), open.count(code) == 1 ? 1 : 0);
        EXPECT_EQ(Terrain(code).code, code);
        EXPECT_NE(std::string(Terrain(code).lookText), "");
    }
}

TEST_F(TerrainTest, OutsideTheGridBlocksAndIsNeverOpen) {
    for (auto [x, y] : {std::pair{-1, 0}, {45, 0}, {0, -1}, {0, 36}}) {
        EXPECT_TRUE(TerrainBlocksMovement(x, y));
        EXPECT_EQ(CellBlocked(x, y), 1);
        EXPECT_EQ(IsOpenGround(x, y), 0);
    }
}

TEST_F(TerrainTest, PitBlocksOnlyWalkers) {
    MapTerrain[3][3] = 28;
    EXPECT_TRUE(TerrainBlocksMovement(3, 3));
    FlyerMoveTest = 1;
    EXPECT_FALSE(TerrainBlocksMovement(3, 3));
}

TEST_F(TerrainTest, OccupiedGroundIsNotOpenAndTheIgnoreFlagCoversOneCall) {
    MonKind[7] = 5;
    MonHp[7] = 3;
    MonX[7] = 4;
    MonY[7] = 6;
    EXPECT_EQ(IsOpenGround(4, 6), 0);
    EXPECT_EQ(IsOpenGround(4, 7), 1);
    IgnoreCreaturesOnce = 1;
    EXPECT_EQ(CellBlocked(4, 6), 0);
    EXPECT_EQ(CellBlocked(4, 6), 1);
    MonHp[7] = 0;  // a knocked-out creature no longer holds its cell
    EXPECT_EQ(IsOpenGround(4, 6), 1);
}

TEST_F(TerrainTest, BushHidesEverywhereButUnderTheHero) {
    MapTerrain[8][8] = 6;
    MapTerrain[9][8] = 6;
    MonX[0] = 8;
    MonY[0] = 8;
    EXPECT_FALSE(TerrainBlocksSight(8, 8));
    EXPECT_TRUE(TerrainBlocksSight(9, 8));
}

TEST_F(TerrainTest, BlocksOfTwoByTwoAndThreeByTwoGetTheirPieces) {
    struct Case {
        int code;
        int first;
    };
    for (const Case c : {Case{21, 30}, Case{45, 88}, Case{49, 95}}) {
        FillTerrain(2);
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 2; ++dy) MapTerrain[10 + dx][20 + dy] = c.code;
        RefreshFrames();
        EXPECT_EQ(MapFrame[10][20], c.first);
        EXPECT_EQ(MapFrame[11][20], c.first + 1);
        EXPECT_EQ(MapFrame[10][21], c.first + 2);
        EXPECT_EQ(MapFrame[11][21], c.first + 3);
    }
    FillTerrain(2);
    for (int dx = 0; dx < 3; ++dx)
        for (int dy = 0; dy < 2; ++dy) MapTerrain[30 + dx][4 + dy] = 57;
    RefreshFrames();
    EXPECT_EQ(MapFrame[30][4], 116);
    EXPECT_EQ(MapFrame[31][4], 117);
    EXPECT_EQ(MapFrame[32][4], 118);
    EXPECT_EQ(MapFrame[30][5], 119);
    EXPECT_EQ(MapFrame[31][5], 120);
    EXPECT_EQ(MapFrame[32][5], 121);
    EXPECT_EQ(MapTerrain[31][5], 58);  // the entrance
    EXPECT_EQ(MapTerrain[30][5], 57);
    EXPECT_EQ(MapTerrain[32][5], 57);
}

TEST_F(TerrainTest, PitShowsItsUpperEdgeExceptOnTheTopRow) {
    for (int y = 0; y <= 3; ++y) MapTerrain[6][y] = 28;
    MapTerrain[7][10] = 28;
    MapTerrain[7][11] = 28;
    RefreshFrames();
    EXPECT_EQ(MapFrame[6][0], 70);
    EXPECT_EQ(MapFrame[6][1], 70);
    EXPECT_EQ(MapFrame[7][10], 100);
    EXPECT_EQ(MapFrame[7][11], 70);
}

TEST_F(TerrainTest, GrassAndTreeFramesFollowBiomeAndRegion) {
    SectorBiome = 2;
    MapRegion[1][1] = 3;
    MapRegion[1][2] = 14;
    MapTerrain[2][1] = 1;
    MapRegion[2][1] = 12;
    RefreshFrames();
    EXPECT_EQ(MapFrame[1][1], 56 + 3);
    EXPECT_EQ(MapFrame[1][2], 65);  // a zone-change region takes the other biome's style
    EXPECT_EQ(MapFrame[2][1], 45);
    for (int biome = 7; biome <= 10; ++biome) {
        SectorBiome = biome;
        RefreshFrames();
        EXPECT_EQ(MapFrame[1][1], 9) << biome;
    }
}

TEST_F(TerrainTest, TreeVariantsAreStableWhileTheStreamMovesOn) {
    WorldSeed = 777;
    Depth = 4;
    SectorBiome = 1;
    FillTerrain(1);
    for (auto& column : MapRegion)
        for (int& cell : column) cell = 2;
    SeedRandom(99);
    RefreshFrames();
    int first[MapWidth][MapHeight];
    std::set<int> variants;
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y) {
            first[x][y] = MapFrame[x][y];
            variants.insert(MapFrame[x][y]);
        }
    EXPECT_EQ(variants, (std::set<int>{1, 2, 3}));  // the region frame and the three variants
    const int after1 = RandomState();
    RefreshFrames();
    const int after2 = RandomState();
    EXPECT_NE(after1, after2);
    EXPECT_NE(after1, 99);
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y) ASSERT_EQ(MapFrame[x][y], first[x][y]);
}

TEST_F(TerrainTest, StatuesTurnIntoTreesOnceTheStatueIsGone) {
    SectorBiome = 1;
    MapTerrain[5][5] = 13;
    MapRegion[5][5] = 1;
    RefreshFrames();
    EXPECT_EQ(MapFrame[5][5], 22);
    SiteCooldown[1] = 1000;
    RefreshFrames();
    EXPECT_EQ(MapTerrain[5][5], 1);
    EXPECT_GE(MapFrame[5][5], 1);
    EXPECT_LE(MapFrame[5][5], 3);
}

}  // namespace
