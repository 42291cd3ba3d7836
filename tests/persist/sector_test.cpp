#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "core/frame.h"
#include "core/loop/startup.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "persist/reset.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/sector_change.h"
#include "support/data_root_fixture.h"
#include "support/sector_grid.h"
#include "support/test_support.h"
#include "worldgen/generator.h"
#include "worldgen/terrain.h"

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

namespace {

// Places in the sector file's 13035 ints.
constexpr int AtBiome = 8100, AtCreatures = 8102, CreatureInts = 38, AtGround = AtCreatures + CreatureInts * 50,
              AtStore = AtGround + 6 * 501;

struct SectorCase {
    const char* name;
    int at;
    int value;
};

// The ints of a meadow sector as WriteSector leaves it.
std::vector<int> MeadowInts() {
    MonKind[3] = 12;
    MonX[3] = 5;
    MonY[3] = 6;
    EXPECT_TRUE(WriteSector());
    const auto bytes = ReadBytes(DataPath(SectorFileName(Depth)));
    std::vector<int> ints(bytes.size() / 4);
    for (size_t i = 0; i < ints.size(); ++i)
        ints[i] = static_cast<int>(bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16 |
                                   static_cast<unsigned>(bytes[4 * i + 3]) << 24);
    return ints;
}

}  // namespace

TEST_F(SectorFiles, AMissingFileIsSaidToBeMissingAndAShortOneIsKeptAside) {
    std::string message;
    EXPECT_FALSE(ReadSector(message));
    EXPECT_EQ(message, "This sector's file was missing; the sector was made anew.");
    EXPECT_FALSE(Exists(Aside(folder.path, "World/Forest0.flr")));

    WriteBytes(At("World/Forest0.flr"), std::vector<unsigned char>(52139, 0));
    EXPECT_FALSE(ReadSector(message));
    EXPECT_EQ(message, "This sector's file was damaged; it is kept in " + AsideFolder() + ".");
    EXPECT_EQ(ReadBytes(Aside(folder.path, "World/Forest0.flr")).size(), 52139u);
}

TEST_F(SectorFiles, WhatIsNoFileInASectorsPlaceIsKeptAsideNotCalledMissing) {
    // A folder, a pipe and a device: none is read (a pipe would block, a device never
    // end), each is moved out of the next save's way and said to be damaged.
    const std::function<void(const std::string&)> makers[] = {
        [](const std::string& path) { mkdir(path.c_str(), 0755); },
        [](const std::string& path) { mkfifo(path.c_str(), 0644); },
        [](const std::string& path) { ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0); },
    };
    for (const auto& make : makers) {
        make(At("World/Forest0.flr"));
        std::string message;
        EXPECT_FALSE(ReadSector(message));
        EXPECT_EQ(message, "This sector's file was damaged; it is kept in " + AsideFolder() + ".");
        EXPECT_EQ(FileKind("World/Forest0.flr"), 0) << "left in the way of the next save";
        const std::string aside = Aside(folder.path, "World/Forest0.flr");
        struct stat st {};
        EXPECT_EQ(lstat(aside.c_str(), &st), 0) << "lost, not kept";
        std::system(("rm -rf '" + aside + "'").c_str());
    }
}

TEST_F(SectorFiles, ASectorNoGameCouldLeaveIsKeptAsideWhole) {
    const std::vector<int> meadow = MeadowInts();
    const SectorCase cases[] = {
        {"no terrain", 5 * 37, 0},
        {"a terrain code past the last", 0, 91},
        {"no such biome", AtBiome, 11},
        {"a creature that claims to be the hero", AtCreatures, 1},
        {"no such creature", AtCreatures + CreatureInts * 49, 900},
        {"a negative creature", AtCreatures + CreatureInts, -1},
        {"no such item on the ground", AtGround + 6 * 500, 200},
        {"a negative pile", AtGround + 5, -1},
        {"a pile past reach", AtGround + 5, 1000001},
        {"no such item for sale", AtStore + 3 * 8, 9999},
    };
    for (const SectorCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> ints = meadow;
        ints[c.at] = c.value;
        const auto bytes = IntBytes(ints);
        WriteBytes(At("World/Forest0.flr"), bytes);
        std::string message;
        EXPECT_FALSE(ReadSector(message));
        EXPECT_EQ(message, "This sector's file was damaged; it is kept in " + AsideFolder() + ".");
        EXPECT_EQ(ReadBytes(Aside(folder.path, "World/Forest0.flr")), bytes);
        EXPECT_FALSE(Exists(At("World/Forest0.flr")));
        EXPECT_EQ(MonKind[3], 0) << "nothing of it lingers";
        std::remove(Aside(folder.path, "World/Forest0.flr").c_str());
    }

    WriteBytes(At("World/Forest0.flr"), std::vector<unsigned char>(52140, 0xFF));
    std::string message;
    EXPECT_FALSE(ReadSector(message));
    EXPECT_NE(message.find("it is kept in Damaged/"), std::string::npos) << message;
}

TEST_F(SectorFiles, ValuesOutsideTheirTablesAreMended) {
    std::vector<int> ints = MeadowInts();
    ints[3] = 77;                                     // region of (0, 0)
    ints[1] = 5;                                      // seen mark of (0, 0)
    ints[AtCreatures + CreatureInts * 2 + 12] = -40;  // slot 3's x
    ints[AtGround + 2] = 4000;                        // ground slot 0's x
    WriteBytes(At("World/Forest0.flr"), IntBytes(ints));
    std::string message;
    ASSERT_TRUE(ReadSector(message));
    EXPECT_EQ(message, "This sector's file held impossible values; they were put right.");
    EXPECT_EQ(MapRegion[0][0], 1);
    EXPECT_EQ(MapSeen[0][0], 0);
    EXPECT_EQ(MonKind[3], 12);
    EXPECT_EQ(MonX[3], 0);
    EXPECT_EQ(MonY[3], 6);
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

TEST_F(SectorFiles, ASectorWhoseMakingRanOutIsNeverKept) {
    // World 2968's castle grounds at depth 13 of the forest quest, made from the sector
    // seed, run out of room for the way on. Once the tries are used up, the sector kept
    // must still be a finished one: its ways placed, no keep-out mark left, and its file
    // readable again.
    auto newRun = [] {
        ClearAllTables();
        ResetGame();
        HeroId = 1;
        GameVars[VarBandBiomeFirst] = 2;
        GameVars[VarBandBiomeSecond] = 3;
        GameVars[VarBandBiomeThird] = 4;
        GameVars[VarPrizeTreasury] = 17;
        GameVars[VarScenario] = ScenarioForest;
        WorldSeed = 2968;
        Depth = 13;
        RegenerateSector = 0;
    };
    newRun();
    ASSERT_FALSE(GenerateSector()) << "the seeded attempt must run out for this test to mean anything";

    const std::string script = At("wait.txt");
    WriteBytes(script, {'w', 'a', 'i', 't', ' ', '9', '9', '9', '\n'});
    ASSERT_EQ(StartHeadless(script), "");
    OpenScreen(1024, 768);
    newRun();
    SetRegenerationLimit(1);
    GenerateNewSector();
    SetRegenerationLimit(200);
    EXPECT_EQ(SectorGenFailure, "");
    int exits = 0, marks = 0;
    for (const auto& column : MapTerrain)
        for (int code : column) {
            exits += code == Exit;
            marks += code > ReservedOffset;
        }
    EXPECT_GT(exits, 0) << "a sector with no way on strands the hero";
    EXPECT_EQ(marks, 0);
    ASSERT_TRUE(WriteSector());
    std::string message;
    EXPECT_TRUE(ReadSector(message)) << message;
}
