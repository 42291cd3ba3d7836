// The test a generated sector must pass: its way on reachable from its way in.
#include <gtest/gtest.h>

#include "core/state.h"
#include "support/sector_grid.h"
#include "worldgen/acceptance.h"

namespace {

class AcceptanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        Depth = 7;
        FillTerrain(1);
    }
    // A straight corridor of grass in column x from row y0 to row y1.
    static void Corridor(int x, int y0, int y1) {
        for (int y = y0; y <= y1; ++y) MapTerrain[x][y] = 2;
    }
    static void Row(int y, int x0, int x1) {
        for (int x = x0; x <= x1; ++x) MapTerrain[x][y] = 2;
    }
};

TEST_F(AcceptanceTest, EachScenarioNeedsItsOwnWayOnReachableFromItsWayIn) {
    struct Case {
        int scenario, in, out;
    };
    // The forest goes on through its exits, the chaos quest through its portal, the
    // castle quest up its stairs.
    for (const Case c : {Case{0, 11, 5}, Case{1, 79, 78}, Case{2, 80, 81}}) {
        SCOPED_TRACE(c.scenario);
        SetUp();
        GameVars[49] = c.scenario;
        Corridor(20, 2, 30);
        MapTerrain[20][30] = c.in;
        MapTerrain[20][2] = c.out;
        EXPECT_EQ(SectorPassesAcceptance(), 1);
        EXPECT_EQ(MapHighlight[20][2], 1);
        EXPECT_EQ(MapHighlight[20][30], 1);
        // A wall across the corridor traps the hero.
        MapTerrain[20][15] = 36;
        EXPECT_EQ(SectorPassesAcceptance(), 0);
        // Sticks, logs and doors can be bucked away.
        for (int passable : {7, 8, 40}) {
            MapTerrain[20][15] = passable;
            EXPECT_EQ(SectorPassesAcceptance(), 1) << passable;
        }
    }
}

TEST_F(AcceptanceTest, TwoExitsOfWhichTheTraceReachesOnlyOneFail) {
    GameVars[49] = 0;
    Corridor(20, 2, 30);
    MapTerrain[20][30] = 11;
    MapTerrain[20][2] = 5;
    // A second exit beside the first, reachable too, but off the traced path.
    Row(2, 21, 30);
    MapTerrain[30][2] = 5;
    EXPECT_EQ(SectorPassesAcceptance(), 0);
    EXPECT_EQ(MapHighlight[20][2], 1);
    EXPECT_EQ(MapHighlight[30][2], 0);
}

TEST_F(AcceptanceTest, SectorWithoutAnyWayOnFailsBeforeTheLastDepth) {
    struct Case {
        int scenario, depth, in, out, expected;
    };
    const Case cases[] = {
        {2, 4, 11, 0, 0},    // castle grounds whose stairs up were paved over
        {2, 4, 11, 81, 1},   // ... and with them
        {0, 12, 11, 41, 1},  // the forest's castle grounds go on by the castle path
        {0, 7, 11, 0, 0},   {1, 7, 79, 0, 0},
        {0, 29, 11, 0, 1},  // the flower, the chaos lair and the throne hall end the road
        {1, 29, 79, 0, 1},  {2, 29, 80, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[49] = c.scenario;
        Depth = c.depth;
        Corridor(20, 2, 30);
        MapTerrain[20][30] = c.in;
        if (c.out != 0) MapTerrain[20][2] = c.out;
        EXPECT_EQ(SectorPassesAcceptance(), c.expected) << "scenario " << c.scenario << " depth " << c.depth;
    }
}

// The forest's castle keep at depth 13: stairs up lie close to the way in, the exit far
// above. The trace must head for the exit, or the sector would be made again for ever.
TEST_F(AcceptanceTest, NearerStairsDoNotHideTheForestExit) {
    GameVars[49] = 0;
    Depth = 13;
    Corridor(20, 2, 34);
    MapTerrain[20][35] = 42;
    MapTerrain[21][33] = 81;
    MapTerrain[20][2] = 5;
    EXPECT_EQ(SectorPassesAcceptance(), 1);
    MapTerrain[20][10] = 36;
    EXPECT_EQ(SectorPassesAcceptance(), 0);
}

}  // namespace
