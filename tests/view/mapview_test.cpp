// The map view drawn headless: what is shown at each memory level, hover results,
// highlights, and the draws that flying creatures take from the stream.
#include <gtest/gtest.h>

#include <string>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "platform/platform.h"
#include "support/sector_grid.h"
#include "support/test_support.h"
#include "view/mapview.h"

namespace {

class MapViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless(""), "");
        OpenScreen(1024, 768);
        SetBlendAlpha();
    }
    static void TearDownTestSuite() { StopPlatform(); }
    void SetUp() override {
        ClearAllTables();
        ScreenWidth = 1024;
        ScreenHeight = 768;
        FillTerrain(2);
        MonKind[0] = 1;
        MonHp[0] = 20;
        MonX[0] = 1;
        MonY[0] = 1;
        MouseTileX = MouseTileY = -1;
        HoverMonster = HoverItem = HoverTerrain = ItemUnderHero = -1;
        TargetX = TargetY = -1;
        ClearScreen();
    }
    static void PutCreature(int slot, int kind, int x, int y, int attitude) {
        MonKind[slot] = kind;
        MonHp[slot] = 5;
        MonX[slot] = x;
        MonY[slot] = y;
        MonAttitude[slot] = attitude;
    }
    // The attitude line sits one pixel below the cell.
    static unsigned LineUnder(int x, int y) { return FramePixel(300 + 16 * x + 8, 90 + 16 * y + 16); }
};

TEST_F(MapViewTest, CreaturesShowOnlyInViewWithTheirAttitudeColour) {
    PutCreature(1, 5, 10, 10, 0);
    PutCreature(2, 6, 12, 10, 3);
    PutCreature(3, 10, 14, 10, 0);  // a changeling not yet revealed looks neutral
    PutCreature(4, 5, 16, 10, 0);
    MapSeen[10][10] = MapSeen[12][10] = MapSeen[14][10] = 2;
    MapSeen[16][10] = 1;
    MouseTileX = 12;
    MouseTileY = 10;
    DrawMapView();
    EXPECT_EQ(LineUnder(10, 10), 0xFF0000u);
    EXPECT_EQ(LineUnder(12, 10), 0x00FF00u);
    EXPECT_EQ(LineUnder(14, 10), 0x0000FFu);
    EXPECT_EQ(LineUnder(16, 10), 0x000000u);
    EXPECT_EQ(HoverMonster, 2);
}

TEST_F(MapViewTest, LurkingWolfIsNeitherDrawnNorHovered) {
    PutCreature(1, 12, 10, 10, 0);
    MonMode[1] = 1;
    MapSeen[10][10] = 2;
    MouseTileX = 10;
    MouseTileY = 10;
    DrawMapView();
    EXPECT_EQ(LineUnder(10, 10), 0x000000u);
    EXPECT_EQ(HoverMonster, -1);
    EXPECT_EQ(HoverTerrain, 2);
}

TEST_F(MapViewTest, EachFlyerInViewTakesOneDrawPerFrame) {
    PutCreature(1, 23, 10, 10, 0);
    PutCreature(2, 23, 20, 10, 0);
    MonStatus[1][StatusFlying] = 1000;
    MonStatus[2][StatusFlying] = 1000;
    MapSeen[10][10] = 2;
    MapSeen[20][10] = 1;  // remembered only: not drawn, no draw taken
    SeedRandom(77);
    DrawMapView();
    const int after = RandomState();
    SeedRandom(77);
    Rand(1, 3);
    EXPECT_EQ(RandomState(), after);
}

TEST_F(MapViewTest, HighlightsTargetAndItemsUnderTheHero) {
    MapHighlight[3][4] = 1;
    TargetX = 5;
    TargetY = 4;
    GroundItemKind[7] = 101;
    GroundItemX[7] = 1;
    GroundItemY[7] = 1;
    GroundItemKind[9] = 102;
    GroundItemX[9] = 1;
    GroundItemY[9] = 1;
    MapSeen[1][1] = 2;
    DrawMapView();
    const unsigned red = FramePixel(300 + 16 * 3 + 4, 90 + 16 * 4 + 4);
    const unsigned blue = FramePixel(300 + 16 * 5 + 4, 90 + 16 * 4 + 4);
    EXPECT_GT((red >> 16) & 0xFF, 100u);
    EXPECT_EQ(red & 0xFF, 0u);
    EXPECT_GT(blue & 0xFF, 100u);
    EXPECT_EQ((blue >> 16) & 0xFF, 0u);
    EXPECT_EQ(ItemUnderHero, 9);
}

TEST_F(MapViewTest, AnimationPhaseAdvancesEveryFifteenFrames) {
    for (int frame = 0; frame < 15; ++frame) DrawMapTerrain();
    EXPECT_EQ(WaterFrame, 1);
    EXPECT_EQ(WaterTick, 0);
    for (int frame = 0; frame < 45; ++frame) DrawMapTerrain();
    EXPECT_EQ(WaterFrame, 0);
}

TEST_F(MapViewTest, FloorUnderObjectsFollowsBiomeRegionAndCastleStyle) {
    // clang-format off
    struct Case { int biome; int region; int code; int frame; };
    for (const Case c : {Case{1, 3, 10, 10}, Case{2, 1, 6, 56}, Case{6, 4, 9, 114}, Case{1, 13, 10, 60},
                         Case{7, 2, 9, 77}, Case{9, 2, 9, 128}, Case{10, 2, 9, 143}, Case{9, 2, 10, 8},
                         Case{4, 2, 47, 77}, Case{9, 2, 80, 128}}) {
        // clang-format on
        SectorBiome = c.biome;
        MapRegion[2][2] = c.region;
        MapTerrain[2][2] = c.code;
        EXPECT_EQ(FloorFrame(2, 2), c.frame) << c.biome << " " << c.region << " " << c.code;
    }
}

}  // namespace
