#include <gtest/gtest.h>

#include "core/state.h"
#include "persist/savegame.h"
#include "platform/files.h"
#include "support/data_root_fixture.h"
#include "support/test_support.h"

using SaveGameFiles = DataRootTest;

TEST_F(SaveGameFiles, EveryFieldRoundTripsInItsPlace) {
    TurnCount = 321;
    MonX[0] = 44;
    MonY[0] = 35;
    MonHp[0] = 17;
    MonCon[0] = 9;
    XpNext = 77;
    Bits = 1234;
    InvCapacity = 56;
    WorldSeed = -98765;
    Depth = -3;
    HeroId = 4;
    LastPlayerTerrain = 66;
    InvKind[56] = 140;
    InvCount[56] = 3;
    Equip[0] = -1;
    Equip[5] = 56;
    SkillId[9] = 34;
    SkillLevel[9] = 3;
    MonStatus[0][20] = 1000;
    SiteCooldown[90] = 9999;
    GameVars[100] = 5;
    GlobalData[12] = 1;
    RecipeBook[3] = 1;
    ASSERT_TRUE(SaveGame());
    const auto bytes = ReadBytes(At("World/savedata.dat"));
    ASSERT_EQ(bytes.size(), 2028u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 4), IntBytes({321}));
    // Depth is the 8th of the thirteen run values after the hero's fifteen ints.
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 4 * 22, bytes.begin() + 4 * 23), IntBytes({-3}));
    EXPECT_EQ(std::vector<unsigned char>(bytes.end() - 4, bytes.end()), IntBytes({5}));
    EXPECT_EQ(ReadBytes(At("GlobalData.dat")).size(), 84u);
    EXPECT_EQ(ReadBytes(At("RecipeBook.dat")).size(), 400u);

    ClearAllTables();
    GlobalData[12] = 0;  // loading never touches the tables kept across games
    std::string message;
    ASSERT_TRUE(LoadGame(message)) << message;
    EXPECT_EQ(message, "");
    EXPECT_EQ(TurnCount, 321);
    EXPECT_EQ(MonX[0], 44);
    EXPECT_EQ(MonY[0], 35);
    EXPECT_EQ(MonHp[0], 17);
    EXPECT_EQ(MonCon[0], 9);
    EXPECT_EQ(XpNext, 77);
    EXPECT_EQ(Bits, 1234);
    EXPECT_EQ(WorldSeed, -98765);
    EXPECT_EQ(Depth, -3);
    EXPECT_EQ(LastPlayerTerrain, 66);
    EXPECT_EQ(InvKind[56], 140);
    EXPECT_EQ(InvCount[56], 3);
    EXPECT_EQ(Equip[0], -1);
    EXPECT_EQ(Equip[5], 56);
    EXPECT_EQ(SkillLevel[9], 3);
    EXPECT_EQ(MonStatus[0][20], 1000);
    EXPECT_EQ(SiteCooldown[90], 9999);
    EXPECT_EQ(GameVars[100], 5);
    EXPECT_EQ(MonKind[0], 1);
    EXPECT_EQ(MonName[0], "CORVANNE");
    EXPECT_EQ(GlobalData[12], 0);
    EXPECT_EQ(RecipeBook[3], 0);
}

TEST_F(SaveGameFiles, AnEmptyHeroStillWritesTheWholeFileWithReservedZeros) {
    for (int& e : Equip) e = -1;
    EquipReservedA[2] = 7;  // never written: the reserved ints are always 0
    ASSERT_TRUE(SaveGame());
    const auto bytes = ReadBytes(At("World/savedata.dat"));
    ASSERT_EQ(bytes.size(), 2028u);
    const size_t equipStart = 4 * (1 + 14 + 13 + 228);
    for (int e = 0; e < 6; ++e) {
        const size_t at = equipStart + 12 * static_cast<size_t>(e);
        EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + at, bytes.begin() + at + 12), IntBytes({-1, 0, 0}));
    }
}

TEST_F(SaveGameFiles, DamagedSavesAreKeptAsideOrMended) {
    std::string message;
    EXPECT_FALSE(LoadGame(message));
    EXPECT_EQ(message, "There is no saved game to load.");

    WriteBytes(At("World/savedata.dat"), std::vector<unsigned char>(2027, 1));  // one byte short
    EXPECT_FALSE(LoadGame(message));
    EXPECT_NE(message.find("damaged"), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(At("World/savedata.dat.damaged")).size(), 2027u) << "nothing is deleted";

    // Values that would index outside the tables are put back inside them.
    std::vector<int> ints(507, 0);
    ints[1] = 900;     // hero x
    ints[2] = -4;      // hero y
    ints[20] = 999;    // InvCapacity
    ints[24] = 0;      // HeroId
    ints[256] = 4000;  // Equip[0]
    ints[274] = 77;    // SkillId[0]
    ints[275] = -2;    // SkillLevel[0]
    WriteBytes(At("World/savedata.dat"), IntBytes(ints));
    ASSERT_TRUE(LoadGame(message));
    EXPECT_NE(message.find("impossible values"), std::string::npos);
    EXPECT_EQ(MonX[0], 44);
    EXPECT_EQ(MonY[0], 0);
    EXPECT_EQ(InvCapacity, 56);
    EXPECT_EQ(HeroId, 1);
    EXPECT_EQ(Equip[0], 56);
    EXPECT_EQ(SkillId[0], 34);
    EXPECT_EQ(SkillLevel[0], 0);
}

TEST_F(SaveGameFiles, SeedRecord) {
    WorldSeed = 424242;
    ASSERT_TRUE(WriteSeedRecord());
    EXPECT_EQ(ReadBytes(At("prevseed.dat")), IntBytes({424242}));
}
