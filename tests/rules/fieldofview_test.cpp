// The hero's field of view: radius rules, what stops a ray, and what is remembered.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/statuses.h"
#include "rules/fieldofview.h"
#include "support/sector_grid.h"

namespace {

class FieldOfViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        FillTerrain(2);
        for (int& e : Equip) e = -1;
        PlaceHero(20, 18);
    }
    static void PlaceHero(int x, int y) {
        MonKind[0] = 1;
        MonHp[0] = 20;
        MonX[0] = x;
        MonY[0] = y;
    }
    static void WallAtColumn(int x, int code) {
        for (int y = 0; y <= MapMaxY; ++y) MapTerrain[x][y] = code;
    }
};

TEST_F(FieldOfViewTest, SightRadiusRules) {
    // clang-format off
    struct Case { int favour; int blinded; int layout; int jestbloom; int hero; int radius; };
    // clang-format on
    const Case cases[] = {
        {0, 0, 0, 0, 1, 9}, {-10, 0, 0, 0, 1, 4}, {10, 0, 0, 0, 1, 12},  {0, 3, 0, 0, 1, 5},   {0, 0, 31, 0, 1, 5},
        {0, 0, 0, 5, 4, 3}, {0, 0, 0, 5, 3, 9},   {-10, 2, 31, 0, 1, 2}, {10, 2, 31, 4, 4, 2}, {10, 1, 0, 0, 2, 8},
    };
    for (const Case& c : cases) {
        GameVars[1] = c.favour;
        MonStatus[0][StatusBlinded] = c.blinded;
        SectorLayout = c.layout;
        MonStatus[0][StatusJestbloom] = c.jestbloom;
        HeroId = c.hero;
        EXPECT_EQ(SightRadius(), c.radius) << c.favour << " " << c.blinded << " " << c.layout << " " << c.hero;
    }
}

TEST_F(FieldOfViewTest, ABlockedRayStillSeesItsBlocker) {
    WallAtColumn(23, 1);
    ComputeView();
    EXPECT_EQ(MapSeen[23][18], 2);
    EXPECT_EQ(MapSeen[24][18], 0);
    EXPECT_EQ(MapSeen[22][18], 2);
    EXPECT_EQ(MapSeen[11][18], 2);  // nine cells to the open side
    EXPECT_EQ(MapSeen[10][18], 0);
}

TEST_F(FieldOfViewTest, HeroSeesOutOfHisBushButNotThroughTheNextOne) {
    MapTerrain[20][18] = 6;
    MapTerrain[21][18] = 6;
    ComputeView();
    EXPECT_EQ(MapSeen[19][18], 2);
    EXPECT_EQ(MapSeen[21][18], 2);
    EXPECT_EQ(MapSeen[22][18], 0);
}

TEST_F(FieldOfViewTest, SeeThroughHeadgearIgnoresTerrainButNotTheBlockingCreature) {
    WallAtColumn(23, 36);
    InvKind[4] = 16;
    Equip[0] = 4;
    MonKind[3] = 9;
    MonHp[3] = 5;
    MonX[3] = 20;
    MonY[3] = 21;
    ComputeView();
    EXPECT_EQ(MapSeen[26][18], 2);
    EXPECT_EQ(MapSeen[20][21], 2);
    EXPECT_EQ(MapSeen[20][23], 0);
}

TEST_F(FieldOfViewTest, RadiusTwoSeesOnlyTwoStepsAlongTheRays) {
    GameVars[1] = -10;
    MonStatus[0][StatusBlinded] = 4;
    ComputeView();
    EXPECT_EQ(MapSeen[22][18], 2);
    EXPECT_EQ(MapSeen[23][18], 0);
    EXPECT_EQ(MapSeen[20][16], 2);
    EXPECT_EQ(MapSeen[20][15], 0);
}

TEST_F(FieldOfViewTest, WhatLeavesTheViewIsRememberedAndTheDarkGroveForgetsFarCells) {
    ComputeView();
    PlaceHero(5, 5);
    ComputeView();
    EXPECT_EQ(MapSeen[28][18], 1);
    EXPECT_EQ(MapSeen[5][5], 2);
    SectorLayout = 31;
    MapSeen[12][5] = 1;  // 7 away: kept
    ComputeView();
    EXPECT_EQ(MapSeen[28][18], 0);
    EXPECT_EQ(MapSeen[12][5], 1);
}

}  // namespace
