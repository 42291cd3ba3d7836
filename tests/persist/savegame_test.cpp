#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "core/run_vars.h"

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
    MonMaxHp[0] = 40;
    MonLevel[0] = 3;
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

namespace {

// Places of single values in the save's 507 ints.
constexpr int AtTurnCount = 0, AtHeroX = 1, AtHeroY = 2, AtHp = 3, AtMaxHp = 4, AtXp = 7, AtLevel = 8, AtBits = 19,
              AtInvCapacity = 20, AtDepth = 22, AtSkillPoints = 23, AtHeroId = 24, AtFirstItem = 28, AtFirstEquip = 256,
              AtFirstSkill = 274, AtGameVars = 406, AtAtk = 11, AtXpNext = 15;

// A level-1 hero at the first sector of the forest quest, as a new game saves him.
std::vector<int> PlausibleSave() {
    std::vector<int> ints(507, 0);
    ints[AtHeroX] = 20;
    ints[AtHeroY] = 30;
    ints[AtHp] = ints[AtMaxHp] = 50;
    ints[AtLevel] = 1;
    ints[AtInvCapacity] = 9;
    ints[AtHeroId] = 2;
    for (int e = 0; e < 6; ++e) ints[AtFirstEquip + 3 * e] = -1;
    return ints;
}

struct SaveCase {
    const char* name;
    int at;
    int value;
};

}  // namespace

TEST_F(SaveGameFiles, MissingAndShortSaves) {
    std::string message;
    EXPECT_FALSE(LoadGame(message));
    EXPECT_EQ(message, "There is no saved game to load.");

    WriteBytes(At("World/savedata.dat"), std::vector<unsigned char>(2027, 1));  // one byte short
    EXPECT_FALSE(LoadGame(message));
    EXPECT_NE(message.find("it has 2027 bytes instead of 2028"), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(Aside(folder.path, "World/savedata.dat")).size(), 2027u) << "nothing is deleted";

    // A folder or a device in the save's place is not "no saved game", and is not read.
    std::remove(Aside(folder.path, "World/savedata.dat").c_str());
    ASSERT_EQ(mkdir(At("World/savedata.dat").c_str(), 0755), 0);
    EXPECT_FALSE(LoadGame(message));
    EXPECT_EQ(message.rfind("The saved game could not be loaded (a folder stands in its place).", 0), 0u) << message;
    EXPECT_EQ(FileKind("World/savedata.dat"), 0) << "moved out of the next game's way";
    ASSERT_EQ(symlink("/dev/zero", At("World/savedata.dat").c_str()), 0);
    EXPECT_FALSE(LoadGame(message));
    EXPECT_EQ(message.rfind("The saved game could not be loaded (it is not a file).", 0), 0u) << message;
}

TEST_F(SaveGameFiles, ASaveNoRunCouldWriteIsKeptAsideWhole) {
    const SaveCase cases[] = {
        {"a dead hero", AtHp, -5},
        {"a hero with no hit points", AtHp, 0},
        {"no most hit points", AtMaxHp, 0},
        {"below level 1", AtLevel, 0},
        {"a level past reach", AtLevel, 1000},
        {"no such hero", AtHeroId, 0},
        {"no such hero past the last", AtHeroId, 7},
        {"a depth below the temple", AtDepth, -4},
        {"a depth past the last sector", AtDepth, 30},
        {"a return depth outside the quest", AtGameVars + VarReturnDepth, 5000},
        {"no such quest", AtGameVars + VarScenario, 3},
        {"no such difficulty", AtGameVars + VarDifficulty, -1},
        {"a purse in debt", AtBits, -1},
        {"a purse past reach", AtBits, 100000001},
        {"negative skill points", AtSkillPoints, -1},
        {"skill points past reach", AtSkillPoints, 100001},
        {"negative experience", AtXp, -1},
        {"a negative turn count", AtTurnCount, -1},
        {"no such item", AtFirstItem + 4 * 10, 200},
        {"a negative item", AtFirstItem, -1},
        {"a negative count", AtFirstItem + 3, -1},
        {"a count past reach", AtFirstItem + 4 * 56 + 3, 1000001},
        {"no such skill", AtFirstSkill + 2 * 9, 35},
        {"a mark for the next level below 0", AtXpNext, -2147483647 - 1},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> ints = PlausibleSave();
        ints[c.at] = c.value;
        const auto bytes = IntBytes(ints);
        WriteBytes(At("World/savedata.dat"), bytes);
        WriteBytes(At("World/Forest0.flr"), {1, 2, 3});
        std::string message;
        EXPECT_FALSE(LoadGame(message));
        EXPECT_EQ(message.rfind("The saved game could not be loaded (", 0), 0u) << message;
        EXPECT_NE(message.find(". It is kept, with its sectors, in Damaged/"), std::string::npos) << message;
        EXPECT_FALSE(Exists(At("World/savedata.dat")));
        EXPECT_EQ(ReadBytes(Aside(folder.path, "World/savedata.dat")), bytes) << "kept aside as it was";
        // The run's sectors go with it, out of reach of a new game's clearing.
        EXPECT_FALSE(Exists(At("World/Forest0.flr")));
        EXPECT_EQ(ReadBytes(Aside(folder.path, "World/Forest0.flr")), (std::vector<unsigned char>{1, 2, 3}));
        EXPECT_EQ(MonHp[0], 0) << "nothing of it stays in the tables";
        EXPECT_EQ(Depth, 0);
        std::remove(Aside(folder.path, "World/savedata.dat").c_str());
        std::remove(Aside(folder.path, "World/Forest0.flr").c_str());
    }

    // 2028 bytes of 0xFF: every value -1.
    WriteBytes(At("World/savedata.dat"), std::vector<unsigned char>(2028, 0xFF));
    std::string message;
    EXPECT_FALSE(LoadGame(message));
    EXPECT_NE(message.find("It is kept"), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(Aside(folder.path, "World/savedata.dat")).size(), 2028u);
}

TEST_F(SaveGameFiles, TheEdgesOfWhatPlayReachesStillLoad) {
    const SaveCase cases[] = {
        {"the temple", AtDepth, -3},
        {"the last sector", AtDepth, 29},
        {"the last hero", AtHeroId, 6},
        {"the castle quest", AtGameVars + VarScenario, 2},
        {"hard", AtGameVars + VarDifficulty, 2},
        {"a full purse", AtBits, 100000000},
        {"a big stack", AtFirstItem + 3, 1000000},
        {"the last food", AtFirstItem, 199},
        {"the last skill", AtFirstSkill, 34},
        {"a high level", AtLevel, 999},
        {"the highest mark for the next level", AtXpNext, 2147483647},
        {"more hit points than most", AtHp, 62},  // a level-up heals past the most
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> ints = PlausibleSave();
        ints[c.at] = c.value;
        WriteBytes(At("World/savedata.dat"), IntBytes(ints));
        std::string message;
        EXPECT_TRUE(LoadGame(message)) << message;
        EXPECT_EQ(message, "");
        EXPECT_FALSE(Exists(Aside(folder.path, "World/savedata.dat")));
    }
}

TEST_F(SaveGameFiles, ValuesOutsideTheirTablesAreMended) {
    std::vector<int> ints = PlausibleSave();
    ints[AtHeroX] = 900;
    ints[AtHeroY] = -4;
    ints[AtInvCapacity] = 999;
    ints[AtFirstEquip] = 4000;
    ints[AtFirstSkill] = 12;
    ints[AtFirstSkill + 1] = -2;  // its level
    WriteBytes(At("World/savedata.dat"), IntBytes(ints));
    std::string message;
    ASSERT_TRUE(LoadGame(message));
    EXPECT_NE(message.find("impossible values"), std::string::npos);
    EXPECT_EQ(MonX[0], 44);
    EXPECT_EQ(MonY[0], 0);
    EXPECT_EQ(InvCapacity, 56);
    EXPECT_EQ(Equip[0], 56);
    EXPECT_EQ(SkillId[0], 12);
    EXPECT_EQ(SkillLevel[0], 0);
    EXPECT_EQ(MonName[0], "DABBLE MOSS");
}

TEST_F(SaveGameFiles, ValuesPlayWouldOverflowArePutBackWithRoomToGrow) {
    // Each would overflow in play, or grow past what a load accepts and come back as a
    // refused save: they are put inside bounds that leave play room.
    const struct {
        const char* name;
        int at, value, expected;
    } cases[] = {
        {"a turn count past a billion", AtTurnCount, 2147483647, 1000000000},
        {"all the experience there is", AtXp, 2147483647, 1000000000},
        {"hit points past reach", AtHp, 2147483647, 10000000},
        {"most hit points past reach", AtMaxHp, 2147483647, 10000000},
        {"a statistic past reach", AtAtk, -2147483647 - 1, -100000},
        {"a run variable past reach", AtGameVars + VarTurnsOnCell, 2147483647, 1000000000},
        {"more notes about the Thinwraith than there are", AtGameVars + VarStalkerNotes, 11, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> ints = PlausibleSave();
        ints[c.at] = c.value;
        WriteBytes(At("World/savedata.dat"), IntBytes(ints));
        std::string message;
        ASSERT_TRUE(LoadGame(message)) << message;
        EXPECT_NE(message.find("they were put right"), std::string::npos) << message;
        ASSERT_TRUE(SaveGame());
        EXPECT_EQ(ReadBytes(At("World/savedata.dat")), IntBytes([&] {
                      std::vector<int> mended = ints;
                      mended[c.at] = c.expected;
                      return mended;
                  }()));
    }
}

TEST_F(SaveGameFiles, SeedRecord) {
    WorldSeed = 424242;
    ASSERT_TRUE(WriteSeedRecord());
    EXPECT_EQ(ReadBytes(At("prevseed.dat")), IntBytes({424242}));
}
