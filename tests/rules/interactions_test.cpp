// The interactions with features, on hand-built meadows driven through the turn loop:
// the hero bumps the feature, the panel's keys choose, and the outcome lands on the map,
// the ground, the log and the hero.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/loop/turnloop.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/interactions.h"
#include "rules/meadow_fixture.h"
#include "rules/sector_change.h"
#include "support/test_support.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/terrain.h"

namespace {

constexpr int Digit2 = KeyDigit1 + 1;
int Letter(char c) { return KeyA + (c - 'A'); }

using FeatureTest = MeadowPanelTest;

struct PrizeCase {
    const char* what;
    int code, state, becomes, prizeVar, prize;
    const char* line;
};
const PrizeCase PrizeCases[] = {
    {"vine chest", VineChest, DialogueVineChest, Grass, VarPrizeVineChest, ItemLazuliHeart + 1,
     "You take the treasure with no troubles."},
    {"stone table", StoneTable, DialogueStoneTable, StoneFloor, VarPrizeStoneTable, ItemLazuliHeart + 2,
     "You hear the rattling of bones"},
    {"treasure chest", TreasureChest, DialogueTreasureChest, StoneFloor, VarPrizeTreasureChest, ItemLazuliHeart + 3,
     nullptr},
    {"gem idol", GemIdol, DialogueGemIdol, TempleFloor, -1, ItemLazuliHeart,
     "You take the figure seemingly without incident."},
};

TEST_F(FeatureTest, TakingAPrizeConvertsTheFeatureAndPutsThePrizeUnderTheHero) {
    for (const PrizeCase& c : PrizeCases) {
        SetUp();
        if (c.prizeVar >= 0) GameVars[c.prizeVar] = c.prize;
        MenuCursor = 7;  // left over from the inventory panel
        Open(c.code);
        EXPECT_EQ(DialogueState, c.state) << c.what;
        EXPECT_EQ(MenuCursor, 0) << c.what;
        Tap(Digit2);
        EXPECT_EQ(DialogueState, DialogueNone) << c.what;
        EXPECT_EQ(MapTerrain[11][10], c.becomes) << c.what;
        EXPECT_GE(GroundAtHero(c.prize), 0) << c.what;
        if (c.line) {
            EXPECT_TRUE(Said(c.line)) << c.what;
        }
        EXPECT_EQ(TurnCount, 0) << c.what << ": no turn passes in an interaction";
        if (c.code == TreasureChest) {
            DescribeItem(c.prize, 0, 0);
            EXPECT_TRUE(Said("There was a " + LookupName + " inside."));
        }
    }
    EXPECT_EQ(GameVars[VarTempleTrap], 10);
}

TEST_F(FeatureTest, AFullGroundTableLeavesThePrizeInItsFeature) {
    for (const PrizeCase& c : PrizeCases) {
        SetUp();
        if (c.prizeVar >= 0) GameVars[c.prizeVar] = c.prize;
        MapTerrain[5][5] = Grave;
        FillGround();
        Open(c.code);
        Tap(Digit2);
        EXPECT_EQ(DialogueState, DialogueNone) << c.what;
        EXPECT_EQ(MapTerrain[11][10], c.code) << c.what;
        EXPECT_TRUE(Said("There is no room on the ground here")) << c.what;
        EXPECT_EQ(CountKind(KindDrybones), 0) << c.what;
        EXPECT_EQ(GameVars[VarTempleTrap], 0) << c.what;
    }
}

TEST_F(FeatureTest, LeavingOrMovingThroughTheMenuChangesNothing) {
    GameVars[VarPrizeTreasureChest] = ItemLazuliHeart + 3;
    Open(TreasureChest);
    // Up at the first option and Down at the last keep the bar but take the key's delay.
    for (const int key : {KeyUp, KeyDown, KeyDown}) {
        const int before = MenuCursor;
        Tap(key);
        EXPECT_GT(InputDelay, 0) << "cursor " << before << ", key " << key;
        EXPECT_EQ(MenuCursor, key == KeyUp ? 0 : 1);
    }
    Tap(KeyUp);
    Tap(KeySpace);  // the highlighted "Leave"
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(MapTerrain[11][10], TreasureChest);
    EXPECT_EQ(GroundAtHero(ItemLazuliHeart + 3), -1);
}

TEST_F(FeatureTest, TheVineChestAfterAnimalFoodWakesEveryStatue) {
    GameVars[VarPrizeVineChest] = ItemLazuliHeart + 1;
    GameVars[VarAteAnimalFood] = 1;
    Depth = 15;
    MapTerrain[20][20] = MapTerrain[30][5] = TreelephantStatue;
    MapTerrain[12][12] = VineChest;
    Open(VineChest);
    Tap(Digit2);
    EXPECT_TRUE(Said("You take the treasure, and hear an angry roar..."));
    EXPECT_EQ(MapTerrain[12][12], Grass);
    EXPECT_EQ(MapTerrain[20][20], Grass);
    EXPECT_EQ(MapTerrain[30][5], Grass);
    ASSERT_EQ(CountKind(KindTreelephant), 2);
    for (int m = 1; m < MonSlots; ++m) {
        if (MonKind[m] != KindTreelephant) continue;
        EXPECT_EQ(MonAttitude[m], AttitudeHostile);
        EXPECT_TRUE((MonX[m] == 20 && MonY[m] == 20) || (MonX[m] == 30 && MonY[m] == 5));
    }
    EXPECT_GE(GroundAtHero(ItemLazuliHeart + 1), 0);
}

TEST_F(FeatureTest, TheStoneTableRaisesDrybonesBelowEveryGrave) {
    GameVars[VarPrizeStoneTable] = ItemLazuliHeart + 2;
    MapTerrain[5][5] = MapTerrain[30][20] = Grave;
    Open(StoneTable);
    Tap(Digit2);
    ASSERT_EQ(CountKind(KindDrybones), 2);
    for (int m = 1; m < MonSlots; ++m) {
        if (MonKind[m] == KindDrybones) {
            EXPECT_TRUE((MonX[m] == 5 && MonY[m] == 6) || (MonX[m] == 30 && MonY[m] == 21));
        }
    }
}

TEST_F(FeatureTest, EachNoteTellsItsLineAndTheNinthOnCrumble) {
    struct Case {
        int before, after;
        const char* line;
    } cases[] = {
        {0, 1, "It reads 'don't look or it takes you' - what could it mean?"},
        {7, 8, "It is a picture of a tall mare with the word 'follows' written beside him"},
        {8, 9, "It crumbled in your hand..."},
        {9, 9, "It crumbled in your hand..."},
        {StalkerDefeated, StalkerDefeated, "It crumbled in your hand..."},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[VarStalkerNotes] = c.before;
        MapTerrain[11][10] = Note;
        Tap(KeyRight);
        EXPECT_EQ(DialogueState, DialogueNote);
        Tap(Digit2);
        EXPECT_EQ(GameVars[VarStalkerNotes], c.after) << c.before;
        EXPECT_TRUE(Said(c.line)) << c.before;
        EXPECT_EQ(MonXp[0], 10) << c.before;
        EXPECT_EQ(MapTerrain[11][10], Grass) << c.before;
    }
}

// Reads a note after `notes` on many seeds; returns how often the stalker came.
class StalkerTest : public FeatureTest {
protected:
    int Comings(int notes, int seeds) {
        int came = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            SetUp();
            GameVars[VarStalkerNotes] = notes;
            SeedRandom(seed * 104729 + 12345678);  // small seeds start with small draws
            Open(Note);
            Tap(Digit2);
            for (int m = 1; m < MonSlots; ++m) {
                if (MonKind[m] != KindThinwraith) continue;
                ++came;
                EXPECT_TRUE(MapTerrain[MonX[m]][MonY[m]] == Grass || MapTerrain[MonX[m]][MonY[m]] == Plant);
                EXPECT_FALSE(MonX[m] == MonX[0] && MonY[m] == MonY[0]);
                EXPECT_TRUE(Said("You feel a chill..."));
            }
        }
        return came;
    }
};

TEST_F(StalkerTest, ComesMoreOftenAfterMoreNotesAndNeverOnceDefeated) {
    // One note: the roll must pass 86 of 0..100; the ninth: 54.
    const int first = Comings(0, 40);
    const int ninth = Comings(8, 40);
    EXPECT_LT(first, 12);
    EXPECT_GT(ninth, 8);
    EXPECT_LT(ninth, 32);
    EXPECT_EQ(Comings(StalkerDefeated, 40), 0);
}

TEST_F(StalkerTest, NeverLandsOnACreatureAndStaysAwayWithoutAFreeCell) {
    // Stone everywhere but the note (read with the hero on it) and a bat's cell: no
    // free grass, no stalker, and the search ends.
    for (int seed = 1; seed <= 30; ++seed) {
        SetUp();
        FillTerrain(StoneFloor);
        MapTerrain[30][30] = Grass;
        PutCreature(1, KindBat, 30, 30, AttitudeNeutral);
        MonStatus[1][StatusFrozen] = 100;  // stays put through the step onto the note
        GameVars[VarStalkerNotes] = 9;
        SeedRandom(seed * 104729 + 12345678);
        Open(Note);
        Tap(Digit2);
        // The chill is felt before the search; the search finds nothing and ends.
        EXPECT_EQ(CountKind(KindThinwraith), 0);
    }
}

TEST_F(FeatureTest, TheBookAddsASkillPointWhicheverHeroReads) {
    for (int hero : {HeroQuenbyArlo, HeroDabbleMoss}) {
        SetUp();
        HeroId = hero;
        Open(Book);
        Tap(Digit2);
        EXPECT_EQ(SkillPoints, 1);
        EXPECT_TRUE(Said("You feel smarter (+1 skill point)"));
        EXPECT_EQ(MapTerrain[11][10], Grass);
    }
}

TEST_F(FeatureTest, TheWellsOffers) {
    struct Case {
        const char* what;
        int bits;
        std::initializer_list<int> keys;
        int bitsAfter, terrainAfter, poison, stateAfter;
        const char* line;
    } cases[] = {
        {"a wish of healing", 150, {KeyDigit1, KeyDigit1 + 2}, 50, UsedWell, 0, DialogueNone, nullptr},
        {"100 bits short", 99, {KeyDigit1}, 99, Well, 0, DialogueWell, "You don't have 100 bits!"},
        {"the wish menu open", 150, {KeyDigit1}, 150, Well, 0, DialogueWell, nullptr},
        {"the curse", 60, {Digit2}, 10, UsedWell, 10, DialogueNone, "The water cursed you for insulting it!"},
        {"50 bits short", 40, {Digit2}, 40, Well, 0, DialogueWell, "You don't even have 50 bits!"},
        {"leaving", 150, {KeyDigit1 + 2}, 150, Well, 0, DialogueNone, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        Bits = c.bits;
        MonHp[0] = 5;
        Open(Well);
        for (int k : c.keys) Tap(k);
        EXPECT_EQ(Bits, c.bitsAfter) << c.what;
        EXPECT_EQ(MapTerrain[11][10], c.terrainAfter) << c.what;
        EXPECT_EQ(MonStatus[0][StatusPoisoned], c.poison) << c.what;
        EXPECT_EQ(DialogueState, c.stateAfter) << c.what;
        if (c.line) {
            EXPECT_TRUE(Said(c.line)) << c.what;
        }
    }
    EXPECT_EQ(MonHp[0], 5);
    SetUp();
    Bits = 100;
    MonHp[0] = 5;
    Open(Well);
    Tap(KeyDigit1);
    Tap(KeyDigit1 + 2);
    EXPECT_EQ(MonHp[0], MonMaxHp[0]);
    EXPECT_EQ(Bits, 0);
}

TEST_F(FeatureTest, ALuckyBellScattersBitsNearTheHero) {
    Open(BellFirst);
    Tap(Digit2);
    EXPECT_TRUE(Said("Ring!!!"));
    EXPECT_TRUE(Said("The bell granted you good fortune!"));
    EXPECT_EQ(MapTerrain[11][10], RungBell);
    int piles = 0;
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] != ItemBits) continue;
        ++piles;
        const int dx = GroundItemX[g] - 10, dy = GroundItemY[g] - 10;
        EXPECT_LT(dx * dx + dy * dy, 36);
        EXPECT_GE(GroundItemCount[g], 10);
        EXPECT_LE(GroundItemCount[g], 16);
    }
    EXPECT_EQ(piles, 7);
}

TEST_F(FeatureTest, ABellWithNoFreeCellNearTheHeroGivesNothing) {
    FillTerrain(StoneWall);
    MapTerrain[10][10] = Grass;
    Open(BellFirst);
    Tap(Digit2);
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_TRUE(Said("The bell granted you good fortune!"));
    for (int g = 0; g < GroundSlots; ++g) EXPECT_EQ(GroundItemKind[g], 0);
}

TEST_F(FeatureTest, ALuckyBellOnAFullGroundTableDrawsOnlyItsCells) {
    // A pile the table refuses takes no count draw: the stream moves by the frame pass's
    // one draw and the seven cell searches alone, replayed here on the rung sector.
    FillGround();
    MapTerrain[11][10] = BellFirst;
    DialogueState = DialogueBell;
    InputReset();
    InputPress(Digit2);
    InputDelay = 0;
    SeedRandom(97531);
    RunInteraction();
    InputReset();
    const int after = RandomState();
    ASSERT_TRUE(Said("The bell granted you good fortune!"));
    ASSERT_EQ(MapTerrain[11][10], RungBell);
    SeedRandom(97531);
    SeedRandom(Rand(1, 1000000));  // the frame pass hands the stream back reseeded
    for (int pile = 0; pile < 7; ++pile) {
        for (int draw = 0; draw < 1001; ++draw) {
            const int x = Rand(0, MapMaxX);
            const int y = Rand(0, MapMaxY);
            if (IsOpenGround(x, y) == 1 && (x - 10) * (x - 10) + (y - 10) * (y - 10) < 36) break;
        }
    }
    EXPECT_EQ(RandomState(), after);
    for (int g = 0; g < GroundSlots; ++g) ASSERT_EQ(GroundItemKind[g], ItemApple);
}

TEST_F(FeatureTest, ANoisyBellCallsFiveOfAKindAndTheRungBellIsSilent) {
    Open(BellSecond);
    Tap(Digit2);
    EXPECT_TRUE(Said("The noise attracted monsters!"));
    const int calls = CountKind(KindWolf) + CountKind(KindOgre) + CountKind(KindBat);
    EXPECT_EQ(calls, 5);
    EXPECT_TRUE(CountKind(KindWolf) == 5 || CountKind(KindOgre) == 5 || CountKind(KindBat) == 5);
    Tap(KeyRight);
    EXPECT_EQ(DialogueState, DialogueUsedBell);
    Tap(Letter('C'));
    EXPECT_EQ(DialogueState, DialogueNone);
}

TEST_F(FeatureTest, AGardenTreeTakesOneFruitFromTheSatchel) {
    MapTerrain[20][18] = FairyDoor;
    const int k = 4;
    PlaceHero(20 + GardenPlotOffset[k][0] - 1, 18 + GardenPlotOffset[k][1]);
    InvKind[0] = ItemLazuliHeart;
    InvCount[0] = 1;
    InvKind[1] = ItemApple + 1;
    InvCount[1] = 2;
    GlobalData[GlobalGardenGrowthFirst + k] = 321;
    MapTerrain[MonX[0] + 1][MonY[0]] = MagicalTree;
    Tap(KeyRight);
    ASSERT_EQ(DialogueState, DialogueMagicalTree);
    Tap(KeySpace);
    EXPECT_TRUE(Said("That's not a fruit!"));
    EXPECT_EQ(DialogueState, DialogueMagicalTree);
    Tap(KeyRight);
    EXPECT_EQ(MenuCursor, 1);
    Tap(KeySpace);
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_TRUE(Said("fruit added"));
    EXPECT_EQ(GlobalData[GlobalGardenPlotFirst + k], ItemApple + 1);
    EXPECT_EQ(GlobalData[GlobalGardenGrowthFirst + k], 0);
    EXPECT_EQ(InvCount[1], 1);
}

TEST_F(FeatureTest, AGardenTreeReportsItsOwnNumberAndItsGrowth) {
    EXPECT_EQ(GardenTreeReport(4), "The tree has no fruit currently.");
    GlobalData[GlobalGardenPlotFirst + 4] = ItemCherry;
    GlobalData[GlobalGardenGrowthFirst + 4] = 321;
    EXPECT_EQ(GardenTreeReport(4), "The tree is currently a Cherry tree. 4/321");

    // Planted through the panel, grown past 600 turns into a fruit tree on entering the
    // garden, then shaken: magical again, the fruit kept, the growth back to 0.
    GlobalData[GlobalGardenPlotFirst + 4] = 0;
    MapTerrain[20][18] = FairyDoor;
    PlaceHero(20 + GardenPlotOffset[4][0] - 1, 18 + GardenPlotOffset[4][1]);
    const int tx = MonX[0] + 1, ty = MonY[0];
    MapTerrain[tx][ty] = MagicalTree;
    InvKind[0] = ItemCherry;
    InvCount[0] = 1;
    Tap(KeyRight);
    Tap(KeySpace);
    ASSERT_TRUE(Said("fruit added"));
    EXPECT_EQ(GardenTreeReport(4), "The tree is currently a Cherry tree. 4/0");
    GlobalData[GlobalGardenGrowthFirst + 4] = 601;
    Depth = -1;
    GrowGardenTrees();
    ASSERT_EQ(MapTerrain[tx][ty], AppleTree + (ItemCherry - ItemApple));
    Tap(KeyRight);
    EXPECT_EQ(MapTerrain[tx][ty], MagicalTree);
    EXPECT_EQ(GardenTreeReport(4), "The tree is currently a Cherry tree. 4/0");
}

// Holds `key` for `frames` frames of the turn loop, once the delay has run out.
void HoldFor(int key, int frames) {
    InputReset();
    for (int i = 0; i < 40 && InputDelay > 0; ++i) TurnLoopFrame();
    InputPress(key);
    for (int i = 0; i < frames; ++i) TurnLoopFrame();
    InputReset();
}

TEST_F(FeatureTest, AHeldKeyActsOnceInAnInteraction) {
    // The digit that throws in the 100 bits does not also make the first wish.
    Bits = 150;
    Open(Well);
    HoldFor(KeyDigit1, 8);
    EXPECT_EQ(DialogueState, DialogueWell);
    EXPECT_EQ(Bits, 150);
    EXPECT_EQ(MonAtk[0], 0);

    // Confirm on "Read" closes the panel; held on, it does not wait a turn on the map.
    SetUp();
    Open(Book);  // stepping onto the book is a turn of its own
    const int turns = TurnCount;
    Tap(KeyDown);
    HoldFor(KeySpace, 8);
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(SkillPoints, 1);
    EXPECT_EQ(TurnCount, turns);
    EXPECT_EQ(MonX[0], 11);

    // A held confirm at a garden tree plants one fruit only.
    SetUp();
    MapTerrain[20][18] = FairyDoor;
    PlaceHero(20 + GardenPlotOffset[1][0] - 1, 18 + GardenPlotOffset[1][1]);
    MapTerrain[MonX[0] + 1][MonY[0]] = MagicalTree;
    InvKind[0] = ItemCherry;
    InvCount[0] = 3;
    Tap(KeyRight);
    HoldFor(KeySpace, 8);
    EXPECT_EQ(InvCount[0], 2);
    EXPECT_EQ(TurnCount, 0);
}

// The first draw of the stalker's roll from `seed`, as a note read in that frame makes
// it: the frames of the map are recomputed first, taking one draw and reseeding from it.
int SeedForRoll(int roll) {
    for (int seed = 1;; ++seed) {
        SeedRandom(seed);
        SeedRandom(Rand(1, 1000000));
        if (Rand(0, 100) == roll) return seed;
    }
}

TEST_F(FeatureTest, TheStalkerComesOnTheRollPastItsThreshold) {
    struct Case {
        int notesBefore, roll;
        bool comes;
    } cases[] = {
        {0, 86, false},                // the first note: 86 + 4 is not past 90
        {0, 87, true},                 // 87 + 4 is
        {9, 54, false},                // the tenth note counts 9: 54 + 36
        {9, 55, true},                 // 55 + 36
        {StalkerDefeated, 100, false}  // defeated: never again
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[VarStalkerNotes] = c.notesBefore;
        MapTerrain[10][10] = Note;
        DialogueState = DialogueNote;
        InputDelay = 0;
        InputPress(Digit2);
        SeedRandom(SeedForRoll(c.roll));
        RunInteraction();
        InputReset();
        const std::string what = std::to_string(c.notesBefore) + " notes, roll " + std::to_string(c.roll);
        EXPECT_EQ(MapTerrain[10][10], Grass) << what;
        EXPECT_EQ(CountKind(KindThinwraith), c.comes ? 1 : 0) << what;
        EXPECT_EQ(Said("You feel a chill..."), c.comes) << what;
    }
}

TEST_F(FeatureTest, WokenTreelephantsGainALevelAtDepths8And15And22) {
    auto wokenLevel = [this](int depth) {
        SetUp();
        Depth = depth;
        GameVars[VarAteAnimalFood] = 1;
        MapTerrain[20][20] = TreelephantStatue;
        Open(VineChest);
        Tap(Digit2);
        for (int m = 1; m < MonSlots; ++m)
            if (MonKind[m] == KindTreelephant) return MonLevel[m];
        return -1;
    };
    const int base = wokenLevel(1);
    ASSERT_GE(base, 0);
    const int cases[][2] = {{7, 0}, {8, 1}, {14, 1}, {15, 2}, {21, 2}, {22, 3}, {30, 3}};
    for (const auto& [depth, gained] : cases) {
        EXPECT_EQ(wokenLevel(depth), base + gained) << "depth " << depth;
    }
}

class FlowerGameTest : public MeadowTest {
protected:
    TempFolder folder;
};

TEST_F(FlowerGameTest, TheForestQuestIsWonAtTheFlower) {
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    GameVars[VarScenario] = ScenarioForest;
    MapTerrain[11][10] = QuestFlower;
    PlayScripted(folder.path, "tap Right\nwait 30\nhold Space");
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(GameWon, 1);
    EXPECT_FALSE(HighScoreName[0][ScenarioForest].empty());
}

}  // namespace
