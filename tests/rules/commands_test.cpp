// The hero's commands on hand-built meadows: the keys, stepping onto and bumping into
// cells, grabbing, and the attack with its report.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/combat.h"
#include "rules/commands.h"
#include "rules/interactions.h"
#include "rules/meadow_fixture.h"
#include "rules/sector_change.h"
#include "support/held_keys.h"
#include "support/test_support.h"

namespace {

class CommandsTest : public MeadowTest {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless("", 5000), "");
        OpenScreen(1024, 768);
    }
    static void TearDownTestSuite() { StopPlatform(); }

    // One command with exactly these keys held.
    static void Command(std::initializer_list<int> keys) {
        HoldKeys(keys);
        PlayerCommand();
        InputReset();
    }
    static void Walk(int key) {
        InputDelay = 0;
        TurnTaken = 0;
        Command({key});
    }
};

TEST_F(CommandsTest, ArrowsStepOneCellWithRightBeforeLeftBeforeDownBeforeUp) {
    struct Case {
        std::initializer_list<int> keys;
        int dx, dy;
    } cases[] = {
        {{KeyRight}, 1, 0},          {{KeyLeft}, -1, 0},        {{KeyDown}, 0, 1},        {{KeyUp}, 0, -1},
        {{KeyLeft, KeyRight}, 1, 0}, {{KeyUp, KeyLeft}, -1, 0}, {{KeyUp, KeyDown}, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        Command(c.keys);
        EXPECT_EQ(MonX[0], 10 + c.dx);
        EXPECT_EQ(MonY[0], 10 + c.dy);
        EXPECT_EQ(TurnTaken, 1);
        EXPECT_EQ(InputDelay, 10);
    }
}

TEST_F(CommandsTest, ConfirmOnlyWaitsAndAMenuKeyBlocksTheStep) {
    Command({KeyRight, KeySpace});
    EXPECT_EQ(MonX[0], 10);
    EXPECT_EQ(TurnTaken, 1);
    EXPECT_EQ(InputDelay, 10);

    SetUp();
    Command({KeyRight, KeyI});
    EXPECT_EQ(UiMode, UiInventory);
    EXPECT_EQ(InputDelay, 20);
    EXPECT_EQ(MonX[0], 10);
    EXPECT_EQ(TurnTaken, 0);

    // A key accepted earlier in the frame also keeps confirm from costing a turn.
    SetUp();
    Command({KeySpace, KeyI});
    EXPECT_EQ(UiMode, UiInventory);
    EXPECT_EQ(TurnTaken, 0);
}

TEST_F(CommandsTest, TheSkillListOpensOnlyWithASkillBoughtAndNotForACursedQuenby) {
    Command({KeyS});
    EXPECT_TRUE(Said("No skills purchased, press X to purchase skills"));
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(InputDelay, 10);

    SkillId[3] = 5;
    SkillLevel[3] = 1;
    MonStatus[0][StatusJestbloom] = 4;
    InputDelay = 0;
    Command({KeyS});
    EXPECT_TRUE(Said("You can't cast magic thanks to the Jestbloom"));
    EXPECT_EQ(UiMode, UiMap);

    HeroId = 2;
    InputDelay = 0;
    InvCursor = 7;
    Command({KeyS});
    EXPECT_EQ(UiMode, UiSkillList);
    EXPECT_EQ(InvCursor, 0);
    EXPECT_EQ(InputDelay, 20);
}

TEST_F(CommandsTest, TheInventoryPanelDropsOrUsesTheItemUnderItsCursor) {
    struct Case {
        const char* what;
        std::initializer_list<int> keys;
        int cursor;
        int countAfter;  // apples left in slot 4
        bool onGround;
        int delayAfter;
    } cases[] = {
        {"D drops the whole stack", {KeyD}, 4, 0, true, 10},
        {"Space eats one", {KeySpace}, 4, 2, false, 10},
        {"D comes first, and its delay holds Space", {KeySpace, KeyD}, 4, 0, true, 10},
        {"an empty slot", {KeySpace, KeyD}, 5, 3, false, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        InvKind[4] = 101;
        InvCount[4] = 3;
        UiMode = UiInventory;
        InvCursor = c.cursor;
        HoldKeys(c.keys);
        RunInventoryPanel();
        InputReset();
        EXPECT_EQ(InvCount[4], c.countAfter) << c.what;
        EXPECT_EQ(GroundItemKind[0] == 101, c.onGround) << c.what;
        EXPECT_EQ(InputDelay, c.delayAfter) << c.what;
        EXPECT_EQ(UiMode, UiInventory) << c.what;
        EXPECT_EQ(TurnTaken, 0) << c.what;
    }
}

TEST_F(CommandsTest, FrozenOrStoneHeroesCannotStepButStillAttack) {
    for (const int status : {StatusFrozen, StatusStone}) {
        SetUp();
        MonStatus[0][StatusFrozen] = status == StatusFrozen ? 3 : 0;
        MonStatus[0][StatusStone] = status == StatusStone ? 3 : 0;
        Command({KeyRight});
        EXPECT_EQ(MonX[0], 10);
        EXPECT_EQ(TurnTaken, 1);
        EXPECT_EQ(TimesSaid("Can't move, stuck!"), 1);
        PutCreature(1, 22, 9, 10, 0, 500);
        MonSpd[0] = 100;
        Walk(KeyLeft);
        EXPECT_EQ(TurnTaken, 1);
        EXPECT_LT(MonHp[1], 500);
        EXPECT_EQ(TimesSaid("Can't move, stuck!"), 1);
    }
}

TEST_F(CommandsTest, SteppingOntoCells) {
    struct Case {
        const char* what;
        int code;
        bool flying;
        int soggyBefore;
        int dialogue;
        int status, statusAfter;  // a status id of the hero and its value afterwards
        const char* message;      // nullptr: nothing said
    } cases[] = {
        {"deep water", 3, false, 0, DialogueNone, 6, 5, "splash"},
        {"deep water adds one", 3, false, 5, DialogueNone, 6, 6, "splash"},
        {"deep water, soaked through", 3, false, 12, DialogueNone, 6, 12, "splash"},
        {"flying over water", 3, true, 0, DialogueNone, 6, 0, nullptr},
        {"the flower", 50, false, 0, DialogueFlower, 6, 0, nullptr},
        {"a Jestbloom plant", 52, false, 0, DialogueNone, StatusJestbloom, 20, "You've been infected by Jestbloom!"},
        {"a Jestbloom plant, flying", 52, true, 0, DialogueNone, StatusJestbloom, 0, nullptr},
        {"a book", 53, false, 0, DialogueBook, 6, 0, nullptr},
        {"a note", 54, false, 0, DialogueNote, 6, 0, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        MapTerrain[11][10] = c.code;
        MonStatus[0][StatusFlying] = c.flying ? 1000 : 0;
        MonStatus[0][6] = c.soggyBefore;
        Command({KeyRight});
        EXPECT_EQ(MonX[0], 11) << c.what;
        EXPECT_EQ(TurnTaken, 1) << c.what;
        EXPECT_EQ(DialogueState, c.dialogue) << c.what;
        EXPECT_EQ(MonStatus[0][c.status], c.statusAfter) << c.what;
        EXPECT_EQ(said.size(), c.message ? 1u : 0u) << c.what;
        if (c.message) {
            EXPECT_TRUE(Said(c.message)) << c.what;
        }
    }
}

TEST_F(CommandsTest, TempleTilesSwitchesAndKeysChangeTheSector) {
    struct Case {
        const char* what;
        int code;
        bool flying;
        int trapBefore;
        int biome;
        int cellAfter;
        int trapAfter;
        int farFrom, farTo;  // a distant cell of code farFrom that must become farTo
        const char* message;
    } cases[] = {
        {"lion tile", 60, false, 0, 1, 60, 1, 68, 69,
         "You hear a loud rumbling... maybe you shouldn't have stepped on that?"},
        {"wolf tile", 63, false, 0, 1, 63, 1, 68, 69,
         "You hear a loud rumbling... maybe you shouldn't have stepped on that?"},
        {"rat tile is safe", 64, false, 0, 1, 64, 0, 68, 68, nullptr},
        {"lion tile, flying", 60, true, 0, 1, 60, 0, 68, 68, nullptr},
        {"lion tile, trap sprung", 60, false, 1, 1, 60, 1, 68, 68, nullptr},
        {"hidden switch", 71, false, 0, 1, 67, 0, 70, 67, "Click!"},
        {"hidden switch, flying", 71, true, 0, 1, 71, 0, 70, 70, nullptr},
        {"key", 86, false, 0, 1, 35, 0, 85, 87, "You found a key"},
        {"key, biome 9", 86, false, 0, 9, 67, 0, 85, 87, "You found a key"},
        {"key, biome 10", 86, false, 0, 10, 82, 0, 85, 87, "You found a key"},
    };
    for (const Case& c : cases) {
        SetUp();
        SectorBiome = c.biome;
        GameVars[51] = c.trapBefore;
        MapTerrain[11][10] = c.code;
        MapTerrain[30][30] = MapTerrain[2][3] = c.farFrom;
        MonStatus[0][StatusFlying] = c.flying ? 1000 : 0;
        Command({KeyRight});
        EXPECT_EQ(MonX[0], 11) << c.what;
        EXPECT_EQ(MapTerrain[11][10], c.cellAfter) << c.what;
        EXPECT_EQ(GameVars[51], c.trapAfter) << c.what;
        EXPECT_EQ(MapTerrain[30][30], c.farTo) << c.what;
        EXPECT_EQ(MapTerrain[2][3], c.farTo) << c.what;
        EXPECT_EQ(said.size(), c.message ? 1u : 0u) << c.what;
        if (c.message) {
            EXPECT_TRUE(Said(c.message)) << c.what;
        }
    }
}

TEST_F(CommandsTest, ShiftStaysOnExitsDoorsAndPortals) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    for (const int code : {5, 41, 81, 11, 42, 80, 24, 32, 78}) {
        SetUp();
        MapTerrain[11][10] = code;
        Command({KeyRight, KeyLShift});
        EXPECT_EQ(MonX[0], 11) << code;
        EXPECT_EQ(Depth, 1) << code;
        EXPECT_EQ(FileKind("World/savedata.dat"), 0) << code;
    }
}

TEST_F(CommandsTest, ExitsAndTheCryptStairsChangeTheSectorAndPlaceTheHero) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    // The crypt is already on disk: its way out at (15, 20).
    Depth = -2;
    MapTerrain[15][20] = 33;
    ASSERT_TRUE(WriteSector());
    // The sector after the exit too, so nothing needs generating.
    SetUp();
    Depth = 4;
    ASSERT_TRUE(WriteSector());

    SetUp();
    Depth = 3;
    MapTerrain[11][10] = 32;  // the crypt entrance
    MapTerrain[10][11] = 5;   // an exit
    Command({KeyRight});
    EXPECT_EQ(Depth, -2);
    EXPECT_EQ(GameVars[4], 3);
    EXPECT_EQ(MonX[0], 15);
    EXPECT_EQ(MonY[0], 19);
    EXPECT_EQ(FileSize("World/Forest3.flr"), SectorFileInts * 4);

    Walk(KeyDown);  // onto the stairs out
    EXPECT_EQ(Depth, 3);
    EXPECT_EQ(MonX[0], 11);
    EXPECT_EQ(MonY[0], 11);  // south of the crypt entrance

    Walk(KeyLeft);  // (10, 11): the exit
    EXPECT_EQ(Depth, 4);
    EXPECT_EQ(FileSize("World/savedata.dat"), 2028);
}

TEST_F(CommandsTest, BuckingSticksLogsAndDoors) {
    struct Case {
        const char* what;
        int code, biome, strength, hp;
        int cellAfter, hpAfter, xpAfter;
        const char* message;
    } cases[] = {
        {"sticks", 7, 1, 100, 50, 2, 50, 5, "You buck the sticks!"},
        {"log", 8, 1, 100, 50, 2, 50, 5, "You buck the log!"},
        {"door", 40, 1, 100, 50, 35, 50, 5, "You buck down the door!"},
        {"castle door", 40, 9, 100, 50, 67, 50, 5, "You buck down the door!"},
        {"sticks, too weak", 7, 1, -200, 50, 7, 46, 0, "You hurt yourself trying to buck the sticks"},
        {"log, too weak", 8, 1, -200, 50, 8, 46, 0, "You hurt yourself trying to buck the log"},
        {"door, too weak", 40, 1, -200, 5, 40, 1, 0, "You hurt yourself trying to buck the door down"},
        {"a buck never knocks out", 40, 1, -200, 4, 40, 4, 0, "You hurt yourself trying to buck the door down"},
    };
    for (const Case& c : cases) {
        SetUp();
        SectorBiome = c.biome;
        MapTerrain[11][10] = c.code;
        MonStr[0] = c.strength;
        MonHp[0] = c.hp;
        Command({KeyRight});
        EXPECT_EQ(MonX[0], 10) << c.what;
        EXPECT_EQ(MapTerrain[11][10], c.cellAfter) << c.what;
        EXPECT_EQ(MonHp[0], c.hpAfter) << c.what;
        EXPECT_EQ(MonXp[0], c.xpAfter) << c.what;
        EXPECT_EQ(TurnTaken, 1) << c.what;
        EXPECT_TRUE(Said(c.message)) << c.what;
    }
    // On the border nothing can be bucked: nothing happens and no turn passes.
    SetUp();
    PlaceHero(1, 10);
    MapTerrain[0][10] = 7;
    MonStr[0] = 100;
    Command({KeyLeft});
    EXPECT_EQ(MapTerrain[0][10], 7);
    EXPECT_EQ(TurnTaken, 0);
    EXPECT_TRUE(said.empty());
}

TEST_F(CommandsTest, BumpingFeaturesOpensTheirInteractionWithoutATurn) {
    struct Case {
        int code, dialogue;
    } cases[] = {
        {9, DialogueCookingPot},     {23, DialogueVineChest}, {25, DialogueMagicalTree}, {34, DialogueStoneTable},
        {47, DialogueTreasureChest}, {68, DialogueGemIdol},   {73, DialogueWell},        {74, DialogueUsedWell},
        {75, DialogueBell},          {76, DialogueBell},      {77, DialogueUsedBell},
    };
    for (const Case& c : cases) {
        SetUp();
        MapTerrain[11][10] = c.code;
        Command({KeyRight});
        EXPECT_EQ(DialogueState, c.dialogue) << c.code;
        EXPECT_EQ(InputDelay, 10);
        EXPECT_EQ(TurnTaken, 0);
        if (c.code == 25) {
            EXPECT_EQ(DialogueCellX, 11);
            EXPECT_EQ(DialogueCellY, 10);
        }
    }
    SetUp();
    MapTerrain[11][10] = 13;
    Command({KeyRight});
    EXPECT_TRUE(Said("It's a statue of Umbrana, this far into the forest?"));
    EXPECT_EQ(TurnTaken, 0);

    SetUp();
    MapTerrain[11][10] = 87;
    SectorBiome = 10;
    Command({KeyRight});
    EXPECT_EQ(MapTerrain[11][10], 82);
    EXPECT_TRUE(Said("You unlocked the door"));
    EXPECT_EQ(MonX[0], 10);
    EXPECT_EQ(TurnTaken, 0);
}

TEST_F(CommandsTest, ShakingAFruitTreeCostsNoTurnAndRestartsAGardenPlot) {
    MapTerrain[11][10] = 16;
    PutCreature(1, 22, 11, 10, 0);  // a creature in the tree is not attacked
    Command({KeyRight});
    EXPECT_EQ(MapTerrain[11][10], 20);
    EXPECT_EQ(TurnTaken, 0);
    EXPECT_EQ(InputDelay, 10);
    EXPECT_EQ(MonHp[1], 20);
    EXPECT_EQ(DialogueState, DialogueNone);

    // In the fairy garden the tree turns magical and its plot (east of the door) starts over.
    SetUp();
    Depth = -1;
    MapTerrain[7][10] = 24;
    MapTerrain[11][10] = 14;
    GlobalData[1] = 101;
    GlobalData[7] = 900;
    GlobalData[8] = 900;
    Command({KeyRight});
    EXPECT_EQ(MapTerrain[11][10], 25);
    EXPECT_EQ(GlobalData[7], 0);
    EXPECT_EQ(GlobalData[1], 101);
    EXPECT_EQ(GlobalData[8], 900);
    EXPECT_EQ(DialogueState, DialogueNone);  // the tree just made magical is not the one bumped
}

TEST_F(CommandsTest, BumpingCreaturesByAttitude) {
    struct Case {
        const char* what;
        int attitude, heroId;
        bool jestbloom, shift;
        bool swapped, turn;
        int dialogue;
        const char* message;
    } cases[] = {
        {"neutral", 2, 1, false, false, false, false, DialogueNone, nullptr},
        {"ally", 3, 1, false, false, false, false, DialogueNone, nullptr},
        {"friendly talks", 1, 1, false, false, false, false, DialogueDoe, nullptr},
        {"friendly, Dabble Moss cursed", 1, 2, true, false, false, false, DialogueNone,
         "You're unable to talk like this!"},
        {"friendly, Mellowen cursed", 1, 6, true, false, false, false, DialogueNone, "You just can't talk like this!"},
        {"neutral with shift swaps", 2, 1, false, true, true, true, DialogueNone, nullptr},
        {"friendly with shift swaps", 1, 1, false, true, true, true, DialogueNone, nullptr},
        {"Mellowen excuses herself", 3, 6, false, true, true, true, DialogueNone, "'Uh... excuse me, please...'"},
        {"Mellowen cursed swaps silently", 3, 6, true, true, true, true, DialogueNone, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        HeroId = c.heroId;
        MonStatus[0][StatusJestbloom] = c.jestbloom ? 10 : 0;
        PutCreature(4, 31, 11, 10, c.attitude);
        if (c.shift)
            Command({KeyRight, KeyRShift});
        else
            Command({KeyRight});
        EXPECT_EQ(MonX[0], c.swapped ? 11 : 10) << c.what;
        EXPECT_EQ(MonX[4], c.swapped ? 10 : 11) << c.what;
        EXPECT_EQ(TurnTaken, c.turn ? 1 : 0) << c.what;
        EXPECT_EQ(DialogueState, c.dialogue) << c.what;
        if (c.dialogue != DialogueNone) {
            EXPECT_EQ(DialogueCreature, 4);
        }
        EXPECT_EQ(MonHp[4], 20) << c.what;
        EXPECT_EQ(said.size(), c.message ? 1u : 0u) << c.what;
        if (c.message) {
            EXPECT_TRUE(Said(c.message)) << c.what;
        }
    }
}

TEST_F(CommandsTest, TheHerosAttackIsReportedAndEndsADisguise) {
    PutCreature(2, 22, 11, 10, 0, 500);
    MonName[2] = "OGRE";
    MonSpd[0] = 100;
    MonStr[0] = 10;
    MonStatus[0][StatusDisguised] = 8;
    Command({KeyRight});
    EXPECT_EQ(MonStatus[0][StatusDisguised], 0);
    const int dealt = 500 - MonHp[2];
    ASSERT_GT(dealt, 0);
    EXPECT_TRUE(Said("HERO dealt " + std::to_string(dealt) + " damage to OGRE"));
    EXPECT_EQ(MonDamageTaken[2], 0);
    EXPECT_EQ(TurnTaken, 1);

    Walk(KeyRight);
    MonSpd[0] = -100;
    MonSpd[2] = 100;
    Walk(KeyRight);
    EXPECT_TRUE(Said("HERO missed!"));

    MonSpd[0] = 100;
    MonSpd[2] = 0;
    MonHp[2] = 1;
    Walk(KeyRight);
    EXPECT_TRUE(Said("You knocked out the OGRE"));
    EXPECT_EQ(MonX[0], 10);  // the body stays until the turn loop clears it
}

TEST_F(CommandsTest, SkarnixEscapesWhileHeHasTheMagicForIt) {
    MonSpd[0] = 100;
    PutCreature(5, 45, 11, 10, 0, 1000);
    MonName[5] = "Skarnix";
    MonMp[5] = 3;
    SeedRandom(9);
    Command({KeyRight});
    EXPECT_TRUE(Said("Skarnix teleported away!"));
    EXPECT_EQ(MonMp[5], 1);
    EXPECT_GE(MonX[5], 2);
    EXPECT_LE(MonX[5], 42);
    EXPECT_GE(MonY[5], 2);
    EXPECT_LE(MonY[5], 33);
    EXPECT_GT(std::hypot(MonX[5] - 10, MonY[5] - 10), 6.0);
    // Out of magic he stands and fights.
    const int x = MonX[5], y = MonY[5];
    PlaceHero(x - 1, y);
    said.clear();
    Walk(KeyRight);
    EXPECT_FALSE(Said("Skarnix teleported away!"));
    EXPECT_EQ(MonX[5], x);
}

TEST_F(CommandsTest, LavaBurnsAfterEveryTurnSpentOnItUnlessFlying) {
    MapTerrain[11][10] = 69;
    MonHp[0] = 25;
    Command({KeyRight});
    EXPECT_EQ(MonHp[0], 15);
    EXPECT_TRUE(Said("It burns!"));
    Walk(KeySpace);
    EXPECT_EQ(MonHp[0], 5);
    EXPECT_TRUE(DeathMessage.empty());
    Walk(KeySpace);
    EXPECT_EQ(MonHp[0], -5);
    EXPECT_EQ(DeathMessage, "HERO burned in lava!");

    SetUp();
    MapTerrain[11][10] = 69;
    MonStatus[0][StatusFlying] = 1000;
    Command({KeyRight});
    EXPECT_EQ(MonHp[0], 50);
}

TEST_F(CommandsTest, JestbloomSendsSkelterVaneAstrayAndKeepsHimFlying) {
    HeroId = 3;
    MonStatus[0][StatusJestbloom] = 50;
    SeedRandom(21);
    int astray = 0;
    for (int k = 0; k < 60; ++k) {
        PlaceHero(20, 15);
        said.clear();
        Walk(KeyRight);
        EXPECT_EQ(MonStatus[0][StatusFlying], 1000);
        EXPECT_EQ(std::abs(MonX[0] - 20) + std::abs(MonY[0] - 15), 1);
        if (Said("Your wings are messed up!"))
            ++astray;
        else
            EXPECT_EQ(MonX[0], 21);
    }
    EXPECT_GT(astray, 5);
    EXPECT_LT(astray, 30);
}

TEST_F(CommandsTest, GrabbingMoneyStacksAndWholeItems) {
    auto drop = [](int g, int kind, int tier, int count) {
        GroundItemKind[g] = kind;
        GroundItemTier[g] = tier;
        GroundItemCount[g] = count;
        GroundItemSeed[g] = 4242;
        GroundItemX[g] = 10;
        GroundItemY[g] = 10;
    };
    // The highest slot on the hero's cell goes first: money, never "full".
    drop(3, 101, 0, 3);
    drop(9, 100, 0, 25);
    for (int s = 0; s < 48; ++s) InvKind[s] = 5;
    ItemUnderHero = 3;
    Command({KeyG});
    EXPECT_EQ(Bits, 25);
    EXPECT_TRUE(Said("Grabbed 25 bits!"));
    EXPECT_EQ(GroundItemKind[9], 0);
    // Apples onto a stack of 7: it fills to 8, the rest goes to the next short stack.
    InvKind[4] = 101;
    InvCount[4] = 7;
    InvKind[6] = 101;
    InvTier[6] = 1;  // another tier does not stack
    InvCount[6] = 1;
    InvKind[9] = 101;
    InvCount[9] = 5;
    GrabItem();
    EXPECT_EQ(InvCount[4], 8);
    EXPECT_EQ(InvCount[6], 1);
    EXPECT_EQ(InvCount[9], 7);
    EXPECT_EQ(GroundItemKind[3], 0);
    // No room left for a whole item.
    drop(3, 2, 2, 1);
    said.clear();
    GrabItem();
    EXPECT_TRUE(Said("Your satchel is full"));
    EXPECT_EQ(GroundItemKind[3], 2);
    // A free slot takes it whole, seed and all.
    InvKind[30] = 0;
    GrabItem();
    EXPECT_EQ(InvKind[30], 2);
    EXPECT_EQ(InvTier[30], 2);
    EXPECT_EQ(InvSeed[30], 4242);
    EXPECT_EQ(InvCount[30], 1);
    EXPECT_EQ(GroundItemKind[3], 0);
    // Apples beyond every stack go to the first free slot with what is left.
    drop(7, 101, 0, 5);
    InvKind[31] = 0;
    InvCount[9] = 6;
    GrabItem();
    EXPECT_EQ(InvCount[9], 8);
    EXPECT_EQ(InvKind[31], 101);
    EXPECT_EQ(InvCount[31], 3);
    EXPECT_EQ(TurnTaken, 0);
}

}  // namespace

namespace {

TEST_F(CommandsTest, EatingFromTheGroundAndSortingTakeNoTurn) {
    // Two stacks under the hero: an apple pair, then a sword; E eats the last food.
    GroundItemKind[3] = 101;
    GroundItemCount[3] = 2;
    GroundItemKind[9] = 5;
    GroundItemCount[9] = 1;
    for (int g : {3, 9}) {
        GroundItemX[g] = MonX[0];
        GroundItemY[g] = MonY[0];
    }
    ItemUnderHero = 3;
    MonHp[0] = 20;
    InputDelay = 0;
    Command({KeyA + ('E' - 'A')});
    EXPECT_EQ(MonHp[0], 30);
    EXPECT_EQ(GroundItemCount[3], 1);
    EXPECT_EQ(InputDelay, 10);
    EXPECT_EQ(TurnTaken, 0);
    InputDelay = 0;
    Command({KeyA + ('E' - 'A')});
    EXPECT_TRUE(Said("Your stomach is still full"));
    EXPECT_EQ(GroundItemCount[3], 1);
    FullStomachTimer = 0;
    InputDelay = 0;
    Command({KeyA + ('E' - 'A')});
    EXPECT_EQ(GroundItemKind[3], 0) << "the last apple empties the ground slot";
    EXPECT_EQ(GroundItemKind[9], 5);

    InvKind[0] = 7;    // a bow
    InvKind[1] = 101;  // food
    InvCount[1] = 1;
    InputDelay = 0;
    Command({KeyA});  // A puts food first
    EXPECT_EQ(InvKind[0], 101);
    EXPECT_EQ(InputDelay, 10);
    InputDelay = 0;
    Command({KeyA + ('Z' - 'A')});  // Z puts weapons and bows first
    EXPECT_EQ(InvKind[0], 7);
    EXPECT_EQ(TurnTaken, 0);
}

}  // namespace
