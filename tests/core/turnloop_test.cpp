// The turn loop: bonuses, deaths, level-ups, and whole games played in process on
// the headless screen by a script.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include <fstream>
#include <string>

#include "core/loop/startup.h"
#include "core/loop/turnloop.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/skill_choice.h"
#include "persist/savegame.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/end_of_turn.h"
#include "rules/interactions.h"
#include "rules/meadow_fixture.h"
#include "support/held_keys.h"
#include "support/test_support.h"

namespace {

using TurnLoopTest = MeadowTest;

struct Bonuses {
    int atk, def, str, spd, mag, con;
    bool operator==(const Bonuses&) const = default;
};
Bonuses BonusesOf(int slot) {
    return {MonAtkBonus[slot], MonDefBonus[slot], MonStrBonus[slot],
            MonSpdBonus[slot], MonMagBonus[slot], MonConBonus[slot]};
}
std::ostream& operator<<(std::ostream& out, const Bonuses& b) {
    return out << b.atk << "," << b.def << "," << b.str << "," << b.spd << "," << b.mag << "," << b.con;
}

TEST_F(TurnLoopTest, BonusesComeFromFriendshipAndStatusesOnEverySlot) {
    struct Case {
        const char* what;
        int friendship, heroId, status, value;
        Bonuses expected;
    } cases[] = {
        {"gloomy hero", 9, 1, -1, 0, {-3, -3, -3, -3, -3, -3}},
        {"content hero", 10, 1, -1, 0, {0, 0, 0, 0, 0, 0}},
        {"beloved hero", 96, 1, -1, 0, {3, 3, 3, 3, 3, 3}},
        {"shield", 50, 1, 1, 3, {0, 5, 0, 0, 0, 0}},
        {"haste", 50, 1, 5, 1000, {0, 0, 0, 5, 0, 0}},
        {"strengthened", 50, 1, 7, 1, {0, 0, 5, 0, 0, 0}},
        {"magic boost", 50, 1, 8, 1, {0, 0, 0, 0, 5, 0}},
        {"blinded", 50, 1, 10, 2, {-2, -2, 0, -2, -2, 0}},
        {"soggy", 50, 1, 6, 2, {-2, -2, -2, -2, -2, -5}},
        {"Jestbloom of Corvanne", 50, 4, 15, 2, {0, -4, 0, -4, 0, 0}},
        {"Jestbloom of Tansy Brook", 50, 5, 15, 2, {-4, -4, -4, 0, 0, 0}},
        {"Jestbloom of Quenby", 50, 1, 15, 2, {0, 0, 0, 0, 0, 0}},
        {"an expired status", 50, 1, 1, 0, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SetUp();
        Friendship = c.friendship;
        HeroId = c.heroId;
        // The same on the hero and on a creature: the hero's curse shapes both.
        for (const int slot : {0, 17}) {
            if (c.status >= 0) MonStatus[slot][c.status] = c.value;
            MonAtkBonus[slot] = 99;  // stale values are cleared first
        }
        RecomputeBonuses();
        EXPECT_EQ(BonusesOf(0), c.expected) << c.what;
        EXPECT_EQ(BonusesOf(17), c.expected) << c.what;
    }
}

TEST_F(TurnLoopTest, WornItemsAddTheirPointsToTheHeroOnly) {
    InvKind[3] = 1;
    InvTier[3] = 4;
    InvSeed[3] = 777;
    InvKind[8] = 5;
    InvTier[8] = 5;
    InvSeed[8] = 31337;
    // The points the description routine gives the two items, added to nothing.
    AddWornBonuses(DescribeItem(1, 4, 777));
    AddWornBonuses(DescribeItem(5, 5, 31337));
    const Bonuses items = BonusesOf(0);
    ASSERT_FALSE((items == Bonuses{0, 0, 0, 0, 0, 0}));

    Equip[0] = 3;
    Equip[5] = 8;
    Equip[1] = 57;  // damaged pointers are ignored, never read
    Equip[2] = -9;
    MonStatus[0][1] = 5;
    RecomputeBonuses();
    Bonuses expected = items;
    expected.def += 5;
    EXPECT_EQ(BonusesOf(0), expected);
    EXPECT_EQ(BonusesOf(1), (Bonuses{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ApplyItemMods, 0);
    // Every frame starts from nothing: the points are not added twice.
    RecomputeBonuses();
    EXPECT_EQ(BonusesOf(0), expected);
}

TEST_F(TurnLoopTest, FallenCreaturesLeaveTheirExperienceAndAdvanceTheQuest) {
    GameVars[45] = 1;
    GameVars[46] = 2;
    PutCreature(3, 16, 4, 4, 0, 0);  // a wolf for the wolf quest
    MonXp[3] = 12;
    PutCreature(5, 6, 5, 5, 0, -3);  // a snake: another quest's
    MonXp[5] = 7;
    PutCreature(7, 41, 6, 6, 0, 0);  // the stalker
    PutCreature(9, 16, 7, 7, 0, 1);  // still standing
    SeedRandom(3);
    ResolveDeaths();
    EXPECT_EQ(MonKind[3], 0);
    EXPECT_EQ(MonKind[5], 0);
    EXPECT_EQ(MonKind[7], 0);
    EXPECT_EQ(MonKind[9], 16);
    EXPECT_EQ(MonXp[0], 19);
    EXPECT_EQ(GameVars[46], 3);
    EXPECT_EQ(GameVars[50], 10);
    EXPECT_EQ(SkillPoints, 1);
    EXPECT_TRUE(Said("You defeated Thinwraith! 1 skillpoint awarded!"));
    EXPECT_EQ(GameOver, 0);
    // Dead slots stay empty on the next frames.
    ResolveDeaths();
    EXPECT_EQ(MonXp[0], 19);
}

TEST_F(TurnLoopTest, TheGameEndsOnTheHerosDeathOrTheScenarioVillains) {
    struct Case {
        const char* what;
        int scenario, villainKind, heroHp;
        int gameOver, gameWon;
    } cases[] = {
        {"Skarnix in the chaos quest", 1, 45, 10, 1, 1},
        {"Vorgath in the castle quest", 2, 46, 10, 1, 1},
        {"Skarnix elsewhere is just a creature", 2, 45, 10, 0, 0},
        {"the hero falls", 0, 22, 0, 1, 0},
        // The hero is looked at first, so a villain falling in the same frame wins.
        {"both fall in one frame", 1, 45, -5, 1, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[49] = c.scenario;
        MonHp[0] = c.heroHp;
        PutCreature(12, c.villainKind, 20, 20, 0, 0);
        ResolveDeaths();
        EXPECT_EQ(GameOver, c.gameOver) << c.what;
        EXPECT_EQ(GameWon, c.gameWon) << c.what;
    }
}

TEST_F(TurnLoopTest, LevelUpsComeOnePerFrameThroughTheEightStepCycle) {
    MonXp[0] = 1000;
    MonHp[0] = MonMaxHp[0] = 30;
    MonMp[0] = MonMaxMp[0] = 4;
    const int thresholds[] = {32, 51, 81, 129, 206, 329, 526, 841, 1345};
    for (int level = 1; level <= 9; ++level) {
        LevelUpHero();
        ASSERT_EQ(MonLevel[0], level);
        EXPECT_EQ(XpNext, thresholds[level - 1]);
        EXPECT_EQ(GameVars[53], level <= 8 ? level : 1);
        EXPECT_TRUE(Said("Levelled up! HERO reached level " + std::to_string(level) + "!"));
    }
    LevelUpHero();  // 1000 < 1345: no more
    EXPECT_EQ(MonLevel[0], 9);
    EXPECT_EQ(TimesSaid("1 Skill point awarded!  Press (x) to upgrade!"), 9);
    // Steps 1..6 raise ATK..CON once each, step 1 came round twice.
    EXPECT_EQ(MonAtk[0], 2);
    EXPECT_EQ(MonDef[0], 1);
    EXPECT_EQ(MonCon[0], 1);
    EXPECT_EQ(SkillPoints, 9 + 1);           // one per level, one more at step 7
    EXPECT_EQ(MonMaxHp[0], 30 + 2 * 9 + 2);  // step 8 adds 2 more
    EXPECT_EQ(MonMaxMp[0], 4 + 9 + 1);
    EXPECT_EQ(MonHp[0], MonMaxHp[0]);  // healed, never above the maximum
    EXPECT_EQ(MonMp[0], MonMaxMp[0]);
    EXPECT_EQ(LevelUpAnim, 1);
}

TEST_F(TurnLoopTest, ADamagedThresholdStillGrows) {
    for (const int start : {0, 1}) {
        SetUp();
        XpNext = start;
        MonXp[0] = 3;
        for (int frame = 0; frame < 10; ++frame) LevelUpHero();
        EXPECT_LT(MonLevel[0], 10) << start;  // not one level every frame for ever
        EXPECT_GT(XpNext, 3) << start;
    }
}

TEST_F(TurnLoopTest, TheKeysGoToTheOwnerOfTheModeAndAreHandedOverAtOnce) {
    constexpr int Letter_S = KeyA + ('S' - 'A');
    struct Case {
        const char* what;
        int uiMode, dialogue;
        std::initializer_list<int> keys;
        bool heroStepped;
        int uiModeAfter, dialogueAfter, delayAfter;
    } cases[] = {
        {"a step on the map", UiMap, DialogueNone, {KeyRight}, true, UiMap, DialogueNone, 10},
        // The skill chosen by its number starts in the same frame: its range is marked
        // and the target cursor waits for the arrows.
        {"a skill's number", UiMap, DialogueNone, {KeyDigit1, KeyRight}, false, UiAiming, DialogueNone, 10},
        // The bump opens the pot, which stays open for its ingredients; the bump's
        // delay keeps the pot's keys from acting in the same frame.
        {"a bump on the cooking pot", UiMap, DialogueNone, {KeyDown}, false, UiMap, DialogueCookingPot, 10},
        {"an open interaction", UiMap, DialogueBook, {KeyDigit1, KeyRight}, false, UiMap, DialogueNone, 10},
        {"the open inventory", UiInventory, DialogueNone, {KeyRight}, false, UiInventory, DialogueNone, 5},
        // The list closes, and its delay keeps the hero from stepping in the same frame.
        {"closing the skill list", UiSkillList, DialogueNone, {Letter_S, KeyRight}, false, UiMap, DialogueNone, 20},
    };
    for (const Case& c : cases) {
        SetUp();
        SkillId[2] = 3;  // Magic Beam, the first listed skill
        SkillLevel[2] = 1;
        MapTerrain[10][11] = 9;  // a cooking pot below the hero
        UiMode = c.uiMode;
        DialogueState = c.dialogue;
        HoldKeys(c.keys);
        RunPanelKeys();
        RunWorldKeys();
        InputReset();
        EXPECT_EQ(MonX[0], c.heroStepped ? 11 : 10) << c.what;
        EXPECT_EQ(UiMode, c.uiModeAfter) << c.what;
        EXPECT_EQ(DialogueState, c.dialogueAfter) << c.what;
        EXPECT_EQ(InputDelay, c.delayAfter) << c.what;
        EXPECT_EQ(InvCursor, c.uiMode == UiInventory ? 1 : 0) << c.what;
    }
}

// ---- Whole games on the headless screen -------------------------------------------

class TurnLoopGameTest : public MeadowTest {
protected:
    TempFolder folder;
    void Play(const std::string& script) { PlayScripted(folder.path, script); }
};

TEST_F(TurnLoopGameTest, WaitingInDeepWaterDrownsTheHeroInTheTenthTurn) {
    // On normal the death is scored into its quest's table and the save is deleted.
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    ASSERT_TRUE(SaveGame());
    GameVars[49] = 1;
    Bits = 7;
    MonLevel[0] = 2;
    MapTerrain[10][10] = 3;
    PlaceHero(10, 10);
    // A skill being aimed and an interaction left open are put away at once by the
    // handlers that stand in for them, so the keys reach the hero.
    UiMode = UiAiming;
    DialogueState = DialogueTreasureChest;
    Play("wait 3\nhold Space");
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(GameWon, 0);
    EXPECT_EQ(GameInProgress, 0);  // the ending has run
    EXPECT_EQ(InGame, 0);
    EXPECT_EQ(TurnCount, 10);
    EXPECT_EQ(DeathMessage, "HERO drowned!");
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(HighScoreName[0][1], "HERO drowned!");
    EXPECT_EQ(HighScoreValue[0][1], 2 * 7 + 25 * 2);
    EXPECT_EQ(HighScoreDepth[0][1], Depth + 1);
    EXPECT_EQ(FileSize("Highscores2.dat"), 120 + 13);
    EXPECT_EQ(FileSize("World/savedata.dat"), -1) << "a scored death clears the save folder";
}

TEST_F(TurnLoopGameTest, WalkingUpToSkarnixAndKnockingHimOutWinsTheChaosQuest) {
    GameVars[49] = 1;
    PlaceHero(5, 5);
    PutCreature(8, 45, 9, 5, 0, 1);
    MonName[8] = "Skarnix";
    MonXp[8] = 40;
    MonSpd[0] = 100;
    // Esc once asks; the next turn takes the question back.
    // After the win: Space leaves the victory screen, and again the high scores.
    Play("wait 2\ntap Esc\nwait 12\nhold Right\nwait 400\nrelease Right\ntap Space\nwait 15\ntap Space\nwait 15");
    EXPECT_TRUE(Said("Are you sure you want to quit? Press esc again to quit"));
    EXPECT_EQ(QuitArmed, 0);
    // Skarnix comes to meet him: they are side by side after two turns, the third is the blow.
    EXPECT_EQ(MonX[0], 7);
    EXPECT_TRUE(Said("You knocked out the Skarnix"));
    EXPECT_EQ(MonKind[8], 0);
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(GameWon, 1);
    EXPECT_EQ(MonXp[0], 40);
    EXPECT_EQ(MonLevel[0], 1);  // one level in the frame of the win
    EXPECT_EQ(TurnCount, 3);
}

TEST_F(TurnLoopGameTest, WalkingIntoAnExitMakesAndSavesTheNextSector) {
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    GameVars[5] = 2;
    GameVars[6] = 3;
    GameVars[7] = 6;
    WorldSeed = 1234;
    MapTerrain[11][10] = 5;
    // Poison that never wears off ends the game wherever he arrives: 12 - 4 in the
    // turn of the exit, then the new sector's 25 experience levels him up (+12), and
    // the remaining 20 last five more turns.
    MonHp[0] = 12;
    MonStatus[0][StatusPoisoned] = 1000;
    // On easy a death is not scored and keeps the save and the sector files.
    GameVars[47] = 0;
    Play("hold Right\nwait 5\nrelease Right\nhold Space");
    EXPECT_EQ(Depth, 2);
    EXPECT_TRUE(Said("Forest Depth:3"));
    EXPECT_GE(MonXp[0], 25);
    EXPECT_EQ(FileSize("World/Forest1.flr"), SectorFileInts * 4);
    EXPECT_EQ(FileSize("World/Forest2.flr"), SectorFileInts * 4);
    EXPECT_EQ(FileSize("World/savedata.dat"), 2028);
    // The poison or the new sector's creatures end him there; either way the run is over.
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(DeathMessage.rfind("HERO ", 0), 0u) << DeathMessage;
}

TEST_F(TurnLoopGameTest, ClosingTheWindowAsTheHeroDrownsEndsTheRunAsADeath) {
    // The window closes a frame later each time; in the frame he drowns the run must
    // end as a death (scored on normal), never be saved with a dead hero.
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    const std::string script = folder.path + "/close.txt";
    int firstDeath = -1;
    for (int frames = 80; frames <= 110 && firstDeath < 0; ++frames) {
        SCOPED_TRACE("closed after " + std::to_string(frames) + " frames");
        SetUp();
        MonLevel[0] = 1;
        GameVars[49] = 1;
        MapTerrain[10][10] = 3;
        PlaceHero(10, 10);
        ASSERT_TRUE(SaveRun());
        std::ofstream(script) << "hold Space\nwait " << frames << "\nclose\n";
        ASSERT_EQ(StartHeadless(script, 4000), "");
        OpenScreen(1024, 768);
        RunTurnLoop();
        ASSERT_TRUE(QuitRequested());
        const bool died = GameOver == 1;
        FinishProgram();
        if (died) {
            firstDeath = frames;
            EXPECT_EQ(HighScoreName[0][1], "HERO drowned!") << "the death is scored";
            EXPECT_EQ(FileSize("World/savedata.dat"), -1) << "and the save folder cleared";
        } else {
            ClearAllTables();
            std::string message;
            EXPECT_TRUE(LoadGame(message)) << message;
            EXPECT_GT(MonHp[0], 0);
        }
    }
    EXPECT_GT(firstDeath, 80) << "the hero must still live when the first window closes";
}

TEST_F(TurnLoopGameTest, ExperienceAndLevelsAtTheirEdgesStayInRangeAndLoadable) {
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    struct Edge {
        const char* what;
        int level, xp, xpNext, creatureXp;
        int level2, xp2, xpNext2;  // after a knock-out and a hundred frames of level-ups
    };
    const Edge edges[] = {
        // Level-ups stop at the last level, so the next save still loads.
        {"the last level but one", 998, 2147483647, 20, 0, 999, 2147483647, 32},
        // The mark saturates instead of wrapping, and then no more levels come.
        {"a mark past what the factor can grow", 40, 2147483647, 1500000000, 0, 41, 2147483647, 2147483647},
        // Experience saturates instead of wrapping below 0.
        {"a knock-out past all there is", 5, 2147483000, 2147483647, 1000000, 5, 2147483647, 2147483647},
    };
    for (const Edge& e : edges) {
        SCOPED_TRACE(e.what);
        SetUp();
        MonLevel[0] = e.level;
        MonXp[0] = e.xp;
        XpNext = e.xpNext;
        PutCreature(3, 2, 12, 12, 0, 0);  // knocked out, waiting for the frame's deaths
        MonXp[3] = e.creatureXp;
        ResolveDeaths();
        for (int frame = 0; frame < 100; ++frame) LevelUpHero();
        EXPECT_EQ(MonLevel[0], e.level2);
        EXPECT_EQ(MonXp[0], e.xp2);
        EXPECT_EQ(XpNext, e.xpNext2);
        ASSERT_TRUE(SaveGame());
        std::string message;
        EXPECT_TRUE(LoadGame(message)) << message;
    }
}

TEST_F(TurnLoopGameTest, AQuitWhoseSaveFailsShowsWhyBeforeTheWindowCloses) {
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    MonLevel[0] = 1;
    ASSERT_EQ(mkdir((folder.path + "/GlobalData.dat").c_str(), 0755), 0);  // no save can replace it
    const std::string script = folder.path + "/quit.txt";
    const std::string shot = folder.path + "/why.png";
    std::ofstream(script) << "wait 3\nclose\nwait 40\nshot " << shot << "\nwait 5\ntap Space\nwait 5\n";
    ASSERT_EQ(StartHeadless(script, 4000), "");
    OpenScreen(1024, 768);
    RunTurnLoop();
    ASSERT_TRUE(QuitSavesRun());
    FinishProgram();
    // The frame with the reason was shown after the close and before the end.
    EXPECT_TRUE(Exists(shot));
    EXPECT_NE(LastFileError().find("GlobalData.dat: a folder stands in its place"), std::string::npos);
    EXPECT_FALSE(Exists(folder.path + "/World/savedata.dat")) << "nothing of the failed save";
}

}  // namespace
