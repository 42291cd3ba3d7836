#include <gtest/gtest.h>

#include "core/frame.h"
#include "core/loop/startup.h"
#include "core/state.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/sector_change.h"
#include "support/data_root_fixture.h"
#include "support/sector_grid.h"
#include "support/test_support.h"

namespace {

struct SectorFiles : DataRootTest {
    void SetUp() override {
        DataRootTest::SetUp();
        FillTerrain(2);
    }
};

}  // namespace

TEST_F(SectorFiles, NamesFollowTheDepth) {
    EXPECT_EQ(SectorFileName(0), "World/Forest0.flr");
    EXPECT_EQ(SectorFileName(12), "World/Forest12.flr");
    EXPECT_EQ(SectorFileName(-1), "World/Forest-1.flr");
}

TEST_F(SectorFiles, EveryFieldRoundTripsAndTheHeroIsNotTouched) {
    Depth = -2;
    MapTerrain[44][35] = 78;
    MapSeen[3][4] = 1;
    MapDistSkill[5][6] = -9;
    MapRegion[7][8] = 13;
    MapRockfall[9][10] = 1;
    SectorBiome = 4;
    SectorLayout = 125;
    MonKind[50] = 12;
    MonX[50] = 44;
    MonY[50] = 35;
    MonHp[50] = 17;
    MonStatus[50][20] = 1000;
    GroundItemKind[500] = 101;
    GroundItemX[500] = 1;
    GroundItemY[500] = 2;
    GroundItemSeed[500] = -5;
    GroundItemCount[500] = 8;
    StoreItemSeed[8] = 99;
    MonHp[0] = 33;
    InvKind[0] = 140;
    ASSERT_TRUE(WriteSector());
    const auto bytes = ReadBytes(At("World/Forest-2.flr"));
    ASSERT_EQ(bytes.size(), 52140u);
    // The cell (0, 0) comes first, five values per cell.
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 20), IntBytes({2, 0, 0, 0, 0}));

    ClearAllTables();
    Depth = -2;
    MonHp[0] = 33;
    InvKind[0] = 140;
    std::string message;
    ASSERT_TRUE(ReadSector(message)) << message;
    EXPECT_EQ(message, "");
    EXPECT_EQ(MapTerrain[44][35], 78);
    EXPECT_EQ(MapSeen[3][4], 1);
    EXPECT_EQ(MapDistSkill[5][6], -9);
    EXPECT_EQ(MapRegion[7][8], 13);
    EXPECT_EQ(MapRockfall[9][10], 1);
    EXPECT_EQ(SectorBiome, 4);
    EXPECT_EQ(SectorLayout, 125);
    EXPECT_EQ(MonKind[50], 12);
    EXPECT_EQ(MonX[50], 44);
    EXPECT_EQ(MonHp[50], 17);
    EXPECT_EQ(MonStatus[50][20], 1000);
    EXPECT_FALSE(MonName[50].empty()) << "names come from the kind";
    EXPECT_EQ(GroundItemSeed[500], -5);
    EXPECT_EQ(GroundItemCount[500], 8);
    EXPECT_EQ(StoreItemSeed[8], 99);
    EXPECT_EQ(MonHp[0], 33);
    EXPECT_EQ(InvKind[0], 140);
}

TEST_F(SectorFiles, TheStalkerStaysAwayOnceDefeated) {
    MonKind[5] = 41;
    MonHp[5] = 10;
    ASSERT_TRUE(WriteSector());
    GameVars[50] = 10;
    std::string message;
    ASSERT_TRUE(ReadSector(message));
    EXPECT_EQ(MonKind[5], 0);
}

TEST_F(SectorFiles, DamagedFilesAreKeptAsideOrMended) {
    WriteBytes(At("World/Forest0.flr"), std::vector<unsigned char>(52139, 0));
    std::string message;
    EXPECT_FALSE(ReadSector(message));
    EXPECT_NE(message.find("damaged"), std::string::npos);
    EXPECT_EQ(ReadBytes(At("World/Forest0.flr.damaged")).size(), 52139u);

    // A whole file with impossible values: terrain codes, positions and kinds are put
    // back inside their tables so nothing can index outside them.
    std::vector<int> ints(13035, 0);
    ints[0] = 9999;  // terrain of (0, 0)
    ints[3] = 77;    // region of (0, 0)
    const int creatures = 8100 + 2;
    ints[creatures + 0] = 1;         // slot 1 claims to be the hero
    ints[creatures + 38 + 0] = 900;  // slot 2: no such kind
    ints[creatures + 38 * 2 + 0] = 12;
    ints[creatures + 38 * 2 + 12] = -40;  // slot 3's x
    const int ground = creatures + 38 * 50;
    ints[ground + 2] = 4000;  // ground slot 0's x
    WriteBytes(At("World/Forest0.flr"), IntBytes(ints));
    ASSERT_TRUE(ReadSector(message));
    EXPECT_NE(message.find("impossible values"), std::string::npos);
    EXPECT_GE(MapTerrain[0][0], 1);
    EXPECT_LE(MapTerrain[0][0], 90);
    EXPECT_EQ(MonKind[1], 0);
    EXPECT_EQ(MonKind[2], 0);
    EXPECT_EQ(MonKind[3], 12);
    EXPECT_EQ(MonX[3], 0);
    EXPECT_EQ(GroundItemX[0], 0);
}

TEST_F(SectorFiles, ClosingTheWindowDuringAChangeKeepsTheSectorAhead) {
    // The close button pressed in the change's blank frame ends the program; it must
    // save the sector being left under its own number, not under the one ahead.
    const std::string script = At("close.txt");
    WriteBytes(script, {'c', 'l', 'o', 's', 'e', '\n'});
    ASSERT_EQ(StartHeadless(script), "");
    OpenScreen(1024, 768);
    Depth = 0;
    HeroId = 1;
    MonKind[0] = 1;
    MonHp[0] = 50;
    GameInProgress = 1;
    InGame = 1;
    MapTerrain[1][1] = 78;  // a mark to recognise the sector left
    ChangeSector(ChangeDeeper);
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(Depth, 0) << "the change stops where the quit was asked for";
    FinishProgram();  // what the program does last: the run is saved as it stood
    EXPECT_FALSE(Exists(At("World/Forest1.flr"))) << "the sector ahead was never entered";
    const auto save = ReadBytes(At("World/savedata.dat"));
    ASSERT_EQ(save.size(), 2028u);
    EXPECT_EQ(std::vector<unsigned char>(save.begin() + 4 * 22, save.begin() + 4 * 23), IntBytes({0}))
        << "the save still names the sector left";
    const auto left = ReadBytes(At("World/Forest0.flr"));
    ASSERT_EQ(left.size(), 52140u);
    const size_t cell11 = 4 * 5 * (1 * 36 + 1);
    EXPECT_EQ(std::vector<unsigned char>(left.begin() + cell11, left.begin() + cell11 + 4), IntBytes({78}));
}
