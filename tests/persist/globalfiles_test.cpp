#include <gtest/gtest.h>

#include <sys/stat.h>

#include <unistd.h>

#include "core/state.h"
#include "persist/globals.h"
#include "persist/highscores.h"
#include "persist/reset.h"
#include "platform/files.h"
#include "support/data_root_fixture.h"
#include "support/test_support.h"

using GlobalFiles = DataRootTest;

TEST_F(GlobalFiles, GlobalDataAndRecipeBookRoundTrip) {
    GlobalData[0] = 103;
    GlobalData[6] = 600;
    GlobalData[12] = 1;
    RecipeBook[54] = 1;
    ASSERT_TRUE(WriteGlobalData());
    ASSERT_TRUE(WriteRecipeBook());
    EXPECT_EQ(ReadBytes(At("GlobalData.dat")).size(), 84u);
    EXPECT_EQ(ReadBytes(At("RecipeBook.dat")).size(), 400u);
    ClearAllTables();
    ReadGlobalFiles();
    EXPECT_EQ(GlobalData[0], 103);
    EXPECT_EQ(GlobalData[6], 600);
    EXPECT_EQ(GlobalData[12], 1);
    EXPECT_EQ(RecipeBook[54], 1);
}

TEST_F(GlobalFiles, DamagedGlobalFilesLeaveTheDefaults) {
    WriteBytes(At("GlobalData.dat"), IntBytes({1, 2, 3}));              // too short
    WriteBytes(At("RecipeBook.dat"), std::vector<unsigned char>(401));  // one byte too many
    ReadGlobalFiles();
    for (int v : GlobalData) EXPECT_EQ(v, 0);
    for (int v : RecipeBook) EXPECT_EQ(v, 0);
    // Nothing is lost: the damaged files are kept aside, out of the next save's way.
    EXPECT_FALSE(Exists(At("GlobalData.dat")));
    EXPECT_EQ(ReadBytes(Aside(folder.path, "GlobalData.dat")), IntBytes({1, 2, 3}));
    EXPECT_EQ(ReadBytes(Aside(folder.path, "RecipeBook.dat")).size(), 401u);

    // Impossible values are set back to their defaults; sound ones are kept.
    std::vector<int> data(21, 0);
    data[3] = 104;  // a fruit planted in plot 3
    data[9] = 250;  // and its growth
    data[1] = 999;  // no such fruit: the plot and its growth are emptied
    data[7] = 40;
    data[8] = -5;  // growth below 0
    data[12] = 7;  // neither screen mode
    data[13] = -1;
    data[20] = 3;  // unused entries stay 0
    WriteBytes(At("GlobalData.dat"), IntBytes(data));
    ReadGlobalFiles();
    const int expected[21] = {0, 0, 0, 104, 0, 0, 0, 0, 0, 250, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 21; ++i) EXPECT_EQ(GlobalData[i], expected[i]) << "entry " << i;
}

TEST_F(GlobalFiles, AHugeFileIsRefusedBeforeItIsRead) {
    // A sparse 3 GiB file: reading it whole would exhaust memory.
    WriteBytes(At("Highscores2.dat"), {});
    ASSERT_EQ(truncate(At("Highscores2.dat").c_str(), 3LL << 30), 0);
    ReadHighScores();
    EXPECT_EQ(HighScoreName[0][1], "");
    EXPECT_TRUE(Exists(Aside(folder.path, "Highscores2.dat")));
}

TEST_F(GlobalFiles, AFolderInAHighScoreFilesPlaceIsMovedAsideSoTheNextScoreIsKept) {
    ASSERT_EQ(mkdir(At("Highscores.dat").c_str(), 0755), 0);
    ReadHighScores();
    EXPECT_TRUE(Exists(Aside(folder.path, "Highscores.dat")));
    HighScoreValue[0][0] = 120;
    EXPECT_TRUE(WriteHighScores(0));
    EXPECT_EQ(ReadBytes(At("Highscores.dat")).size(), 120u);
}

TEST_F(GlobalFiles, HighScoresRoundTripWithTheirByteLayout) {
    HighScoreValue[0][1] = 550;
    HighScoreName[0][1] = "MELLOWEN drowned!";
    HighScoreDepth[0][1] = 7;
    HighScoreValue[9][1] = -3;
    ASSERT_TRUE(WriteHighScores(1));
    const auto bytes = ReadBytes(At("Highscores2.dat"));
    ASSERT_EQ(bytes.size(), 120u + 17u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 8), IntBytes({550, 17}));
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 25), "MELLOWEN drowned!");

    ClearAllTables();
    ReadHighScores();
    EXPECT_EQ(HighScoreValue[0][1], 550);
    EXPECT_EQ(HighScoreName[0][1], "MELLOWEN drowned!");
    EXPECT_EQ(HighScoreDepth[0][1], 7);
    EXPECT_EQ(HighScoreValue[9][1], -3);
    EXPECT_EQ(HighScoreName[1][1], "");
}

TEST_F(GlobalFiles, DamagedHighScoreFilesAreIgnoredWhole) {
    auto good = ScoreFile({{100, "QUENBY ARLO fell!", 3}});
    auto negative = ScoreFile({{100, "AB", 3}});
    negative[4] = 0xFF, negative[5] = 0xFF, negative[6] = 0xFF, negative[7] = 0xFF;  // name length -1
    auto pastEnd = ScoreFile({{100, "AB", 3}});
    pastEnd[4] = 200;  // a name running past the end of the file
    auto truncated = good;
    truncated.resize(truncated.size() - 3);
    auto trailing = good;
    trailing.push_back(0);
    const std::vector<std::vector<unsigned char>> damaged = {negative, pastEnd, truncated, trailing, {}};
    for (const auto& file : damaged) {
        ClearAllTables();
        HighScoreValue[0][0] = 42;  // what the table held before must survive
        WriteBytes(At("Highscores.dat"), file);
        WriteBytes(At("Highscores3.dat"), good);
        ReadHighScores();
        EXPECT_EQ(HighScoreValue[0][0], 42);
        EXPECT_EQ(HighScoreName[0][0], "");
        EXPECT_EQ(HighScoreName[0][2], "QUENBY ARLO fell!") << "a damaged file must not stop the others";
        EXPECT_FALSE(Exists(At("Highscores.dat"))) << "a damaged file is set aside";
    }
    EXPECT_EQ(ReadBytes(Aside(folder.path, "Highscores.dat")), negative);
    EXPECT_EQ(ReadBytes(Aside(folder.path, "Highscores.dat-2")), pastEnd);
}

TEST_F(GlobalFiles, DeletingHighScoresEmptiesFilesAndTables) {
    WriteBytes(At("highscores.dat"), ScoreFile({{5, "X", 1}}));
    WriteBytes(At("Highscores3.dat"), ScoreFile({{6, "Y", 1}}));
    ReadHighScores();
    ASSERT_EQ(HighScoreValue[0][2], 6);
    DeleteHighScores();
    EXPECT_FALSE(Exists(At("highscores.dat")));
    EXPECT_FALSE(Exists(At("Highscores3.dat")));
    EXPECT_EQ(HighScoreValue[0][2], 0);
    EXPECT_EQ(HighScoreName[0][0], "");
}

TEST_F(GlobalFiles, ResetClearsTheRunButKeepsWhatOutlivesIt) {
    SkillId[3] = 9;
    InvKind[10] = 140;
    MonHp[0] = 50;
    MonName[4] = "WOLF";
    MonStatus[2][20] = 5;
    MapTerrain[44][35] = 7;
    MapDistHostile[1][1] = 12;
    GroundItemKind[500] = 3;
    GroundItemX[500] = 8;
    SiteCooldown[20] = 4;
    SiteCooldown[21] = 4;
    GameVars[100] = 1;
    Depth = -2;
    Equip[5] = 11;
    MonAttitude[7] = 3;
    StoreItemKind[8] = 2;
    MessageLog[7] = "hello";
    GlobalData[12] = 1;
    RecipeBook[0] = 1;
    HighScoreValue[0][0] = 9;
    PotKind[4] = 122;  // an egg left in the pot by the run before
    PotSeed[4] = 7;
    ResetGame();
    EXPECT_EQ(SkillId[3], 0);
    EXPECT_EQ(PotKind[4], 0);
    EXPECT_EQ(PotSeed[4], 0);
    EXPECT_EQ(InvKind[10], 0);
    EXPECT_EQ(MonHp[0], 0);
    EXPECT_EQ(MonName[4], "");
    EXPECT_EQ(MonStatus[2][20], 0);
    EXPECT_EQ(MapTerrain[44][35], 0);
    EXPECT_EQ(GroundItemKind[500], 0);
    EXPECT_EQ(SiteCooldown[20], 0);
    EXPECT_EQ(SiteCooldown[21], 0);
    EXPECT_EQ(GameVars[100], 0);
    EXPECT_EQ(Depth, 0);
    // Kept as they are:
    EXPECT_EQ(MapDistHostile[1][1], 12);
    EXPECT_EQ(GroundItemX[500], 8);
    EXPECT_EQ(Equip[5], 11);
    EXPECT_EQ(MonAttitude[7], 3);
    EXPECT_EQ(StoreItemKind[8], 2);
    EXPECT_EQ(MessageLog[7], "hello");
    EXPECT_EQ(GlobalData[12], 1);
    EXPECT_EQ(RecipeBook[0], 1);
    EXPECT_EQ(HighScoreValue[0][0], 9);
}

TEST_F(GlobalFiles, ClearingTheSaveFolderLeavesTheFolder) {
    WriteBytes(At("World/savedata.dat"), {1});
    WriteBytes(At("World/Forest0.flr"), {1});
    WriteBytes(At("GlobalData.dat"), IntBytes(std::vector<int>(21, 0)));
    ClearSaveFolder();
    EXPECT_EQ(ListFolder("World").size(), 2u);
    EXPECT_TRUE(Exists(At("GlobalData.dat")));
}
