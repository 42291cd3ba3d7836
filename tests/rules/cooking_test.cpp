#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/loop/startup.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "items/skills.h"
#include "persist/savegame.h"
#include "platform/files.h"
#include "platform/input.h"
#include "rules/cooking.h"
#include "rules/interactions.h"
#include "rules/meadow_fixture.h"
#include "support/test_support.h"
#include "worldgen/terrain.h"

namespace {

// Fills the pot from place 0 and matches; the rest of the pot is empty.
int Match(const std::vector<int>& kinds) {
    for (int i = 0; i < PotSlots; ++i)
        PotKind[i] = i < static_cast<int>(kinds.size()) ? kinds[static_cast<size_t>(i)] : 0;
    return MatchRecipe();
}

struct PotCase {
    std::vector<int> kinds;
    int dish;
};

TEST(CookingRecipe, PotsAndTheirDishesInAnyOrder) {
    ClearAllTables();
    const PotCase cases[] = {
        {{122, 122, 122}, 144},       // Omelette
        {{122, 114, 122, 122}, 0},    // a potato is not a green for an omelette
        {{122, 113, 122, 122}, 145},  // a carrot is
        {{111, 111, 110}, 0},         // a salad needs three different vegetables
        {{111, 110, 113}, 182},
        {{102, 123, 124, 125}, 142},  // Fruit Cupcake
        {{125, 124, 123, 101}, 173},  // the apple makes it a dumpling: later rules win
        {{106, 123, 124, 125}, 173},  // and so does the Jolt Apple
        {{101, 101, 106}, 184},       // Cider
        {{106, 106, 106}, 0},
        {{106, 106, 101}, 0},
        {{101, 101, 106, 123, 124}, 175},  // Apple Crumble's Jolt form
        {{101, 106, 102}, 181},            // three different fruits
        {{114, 114, 110, 114}, 164},       // soup takes repeats
        {{110, 114, 127}, 185},
        {{110, 110, 127}, 0},
        {{130, 110, 114}, 191},
        {{130, 110, 110}, 0},
        {{133, 131, 130, 122, 105}, 160},  // Baked Bads
        {{126, 103, 104, 111, 112}, 183},
        {{123}, 126},  // Flour alone bakes Bread
        {{}, 0},
        {{122, 0, 0, 0, 0}, 146},
        {{101, 9}, 0},
    };
    for (const PotCase& c : cases) {
        std::vector<int> kinds = c.kinds;
        std::sort(kinds.begin(), kinds.end());
        do {
            EXPECT_EQ(Match(kinds), c.dish) << "first kind " << (kinds.empty() ? 0 : kinds[0]) << ", " << kinds.size();
        } while (std::next_permutation(kinds.begin(), kinds.end()));
    }
    // Gaps in the pot do not matter either.
    PotKind[0] = 0;
    PotKind[1] = 124;
    PotKind[2] = 0;
    PotKind[3] = 101;
    PotKind[4] = 124;
    EXPECT_EQ(MatchRecipe(), 170);
}

TEST(CookingRecipe, MatchingLearnsTheDishButNotBread) {
    ClearAllTables();
    LearnRecipe(Match({123, 124, 125}));
    EXPECT_EQ(RecipeBook[0], 1);  // the cupcake, learnt without cooking
    LearnRecipe(Match({123}));
    LearnRecipe(Match({101, 9}));
    int known = 0;
    for (int r = 0; r < RecipeBookCount; ++r) known += RecipeBook[r];
    EXPECT_EQ(known, 1);
    LearnRecipe(Match({122, 121, 123, 125, 128}));
    EXPECT_EQ(RecipeBook[153 - 140], 1);
    ClearAllTables();
}

// Finding the dish teaches the book nothing; learning it says whether the book changed,
// which is when the pot writes the file.
TEST(CookingRecipe, FindingTeachesNothingAndLearningSaysWhenTheBookChanged) {
    ClearAllTables();
    EXPECT_EQ(Match({123, 124, 125}), ItemCupcake);
    EXPECT_EQ(RecipeBook[ItemCupcake - DishFirstId], 0);
    EXPECT_TRUE(LearnRecipe(ItemCupcake));
    EXPECT_EQ(RecipeBook[ItemCupcake - DishFirstId], 1);
    EXPECT_FALSE(LearnRecipe(ItemCupcake)) << "already known: nothing to write";
    for (const int notADish : {0, int(ItemBread), int(ItemApple), DishFirstId + RecipeBookCount})
        EXPECT_FALSE(LearnRecipe(notADish));
    RecipeBook[ItemOmelette - DishFirstId] = 2;  // a damaged entry is made plain "known", and written
    EXPECT_TRUE(LearnRecipe(ItemOmelette));
    EXPECT_EQ(RecipeBook[ItemOmelette - DishFirstId], 1);
    ClearAllTables();
}

TEST(CookingRecipe, ProbePrintsTheDish) {
    RunResult r = RunBinary("hoofprobe", {"recipe", "125", "124", "123", "101"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "173\n");
    r = RunBinary("hoofprobe", {"recipe", "122"});
    EXPECT_EQ(r.out, "146\n");
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"recipe"}, {"recipe", "1", "2", "3", "4", "5", "6"}, {"recipe", "egg"}}) {
        r = RunBinary("hoofprobe", bad);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// ---- The pot's screen ----------------------------------------------------------------

// A meadow with the cooking pot east of the hero, the data root in a temporary folder.
class PotTest : public MeadowTest {
protected:
    TempFolder folder;
    void SetUp() override {
        MeadowTest::SetUp();
        std::string error;
        ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
        MapTerrain[11][10] = CookingPot;
    }
    static void Give(int slot, int kind, int count, int tier = 0) {
        InvKind[slot] = kind;
        InvTier[slot] = tier;
        InvSeed[slot] = 1000 + slot;
        InvCount[slot] = count;
    }
    static void Fill(int place, int kind, int tier = 0) {
        PotKind[place] = kind;
        PotTier[place] = tier;
        PotSeed[place] = 77;
    }
    // One frame of the open pot with `key` held and no delay pending.
    static void PotFrame(int key) {
        DialogueState = DialogueCookingPot;
        DialogueStep = 1;
        InputDelay = 0;
        InputReset();
        InputPress(key);
        RunCookingPot();
        InputReset();
    }
    // Bumps the pot, takes the satchel slots in `picks` in that order with the cursor,
    // presses `then`, closes with C and waits a turn: the poison ends the run there.
    void CookThroughTheScreen(const std::vector<int>& picks, const std::string& then) {
        MonHp[0] = 1;
        MonStatus[0][StatusPoisoned] = 100;
        std::string script = "tap Right\nwait 12\n";
        int cursor = 0;
        for (const int slot : picks) {
            for (; cursor < slot; ++cursor) script += "tap Right\nwait 6\n";
            for (; cursor > slot; --cursor) script += "tap Left\nwait 6\n";
            script += "tap Space\nwait 12\n";
        }
        script += then + "\ntap C\nwait 12\nhold Space";
        PlayScripted(folder.path, script);
    }
    static int RecipeBookFileEntry(int r) {
        const std::vector<unsigned char> bytes = ReadBytes(DataPath("RecipeBook.dat"));
        if (bytes.size() != RecipeBookCount * 4u) return -1;
        return bytes[4 * static_cast<size_t>(r)];
    }
};

TEST_F(PotTest, RecipesCookThroughTheScreenInAnyOrderWithTheirQuality) {
    struct Case {
        std::vector<int> satchel;  // kinds in slots 0.., one unit each
        std::vector<int> picks;
        bool gourmet;
        bool hat;
        int dish;
        int quality;
    };
    const Case cases[] = {
        {{ItemVanilla, ItemSugar, ItemFlour}, {2, 0, 1}, false, false, ItemCupcake, 1},
        {{ItemFlour, ItemVanilla, ItemSugar}, {1, 2, 0}, true, false, ItemCupcake, 2},
        {{ItemApple, ItemJoltApple, ItemApple}, {1, 2, 0}, false, false, ItemCider, 2},
        {{ItemJoltApple, ItemApple, ItemApple}, {2, 0, 1}, true, true, ItemCider, 4},
    };
    for (const Case& c : cases) {
        SetUp();
        for (size_t i = 0; i < c.satchel.size(); ++i) Give(static_cast<int>(i), c.satchel[i], 1);
        if (c.gourmet) {
            SkillId[2] = SkillGourmet;
            SkillLevel[2] = 2;
        }
        if (c.hat) {
            Give(20, ItemChefsHat, 1);
            Equip[EquipHeadgear] = 20;
        }
        MenuCursor = 9;  // left over from another screen: the pot starts on the first slot
        CookThroughTheScreen(c.picks, "tap G\nwait 12");
        EXPECT_EQ(InvKind[0], c.dish) << c.dish;
        EXPECT_EQ(InvTier[0], c.quality) << c.dish;
        EXPECT_EQ(InvCount[0], 1) << c.dish;
        for (int s = 1; s < 3; ++s) EXPECT_EQ(InvKind[s], 0) << c.dish << " slot " << s;
        for (int i = 0; i < PotSlots; ++i) EXPECT_EQ(PotKind[i], 0) << c.dish;
        EXPECT_EQ(RecipeBook[c.dish - DishFirstId], 1);
        EXPECT_FALSE(Said("Not a recipe!"));
        EXPECT_EQ(GameOver, 1) << "the run ended after the pot closed";
        TearDown();
    }
}

TEST_F(PotTest, CupcakeIsKnownAndWrittenAfterCancelling) {
    Give(0, ItemFlour, 2);
    Give(1, ItemSugar, 1);
    Give(5, ItemVanilla, 1);
    // The run ends in a death on normal, which writes no save: the book on disk is the
    // pot's own writing.
    CookThroughTheScreen({0, 1, 5}, "wait 1");
    EXPECT_EQ(RecipeBook[ItemCupcake - DishFirstId], 1);
    EXPECT_EQ(RecipeBookFileEntry(ItemCupcake - DishFirstId), 1);
    // C returned everything where it came from.
    EXPECT_EQ(InvKind[0], ItemFlour);
    EXPECT_EQ(InvCount[0], 2);
    EXPECT_EQ(InvKind[1], ItemSugar);
    EXPECT_EQ(InvKind[2], ItemVanilla) << "the emptied slot 5 is not first: slot 2 is";
    for (int i = 0; i < PotSlots; ++i) EXPECT_EQ(PotKind[i], 0);
}

TEST_F(PotTest, EveryFrameDescribesThePotAsItFoundItBeforeTheKeys) {
    // Each name on the pot's panel is one item description, which takes one draw of the
    // stream and reseeds it from that draw: the frame names the places (and the recipe)
    // it opened on, whatever its key then does.
    const auto namesSince = [](int before) {
        const int now = RandomState();
        SeedRandom(before);
        int names = 0;
        for (; names < 20 && RandomState() != now; ++names) SeedRandom(Rand(1, 1000000));
        SeedRandom(now);
        return names;
    };
    SeedRandom(4242);
    PotFrame(0);
    ASSERT_EQ(namesSince(4242), 5) << "an idle pot names its five places";

    struct Case {
        const char* what;
        int placed;  // the Egg, a recipe alone, in place 0 when set
        int other;   // or something that is no recipe
        int key;
        int names;
    } cases[] = {
        {"closing with a recipe", ItemEgg, 0, KeyC, 6},
        {"closing without one", 0, ItemLemon, KeyC, 5},
        {"cooking", ItemEgg, 0, KeyG, 6},
        {"a put that makes the recipe", 0, 0, KeySpace, 5},
        {"a take-back that breaks it", ItemEgg, 0, KeyDigit1, 6},
    };
    for (const Case& c : cases) {
        SetUp();
        Give(0, ItemEgg, 2);
        if (c.placed) Fill(0, c.placed);
        if (c.other) Fill(0, c.other);
        SeedRandom(4242);
        PotFrame(c.key);
        EXPECT_EQ(namesSince(4242), c.names) << c.what;
        TearDown();
    }
}

TEST_F(PotTest, TakingBackFindsAStackWithRoomOfTheSameTierOrTheFirstEmptyUsableSlot) {
    // clang-format off
    struct Case { int capacity; int eggStackCount; int eggStackTier; int slot; int count; bool stays; };
    // clang-format on
    const Case cases[] = {
        {6, 3, 0, 1, 4, false},  // onto the stack
        {6, 8, 0, 4, 1, false},  // the stack is full: a new slot
        {6, 3, 1, 4, 1, false},  // another tier is another stack
        {4, 8, 0, -1, 0, true},  // no usable slot left: slot 4 lies past the satchel
    };
    for (const Case& c : cases) {
        SetUp();
        InvCapacity = c.capacity;
        Give(0, ItemApple, 1);
        Give(1, ItemEgg, c.eggStackCount, c.eggStackTier);
        Give(2, ItemTomato, 1);
        Give(3, ItemLemon, 1);
        Fill(3, ItemEgg);
        PotFrame(KeyDigit1 + 3);
        EXPECT_EQ(InputDelay, 10);
        EXPECT_EQ(PotKind[3], c.stays ? ItemEgg : 0) << c.capacity << " " << c.eggStackCount;
        if (c.slot >= 0) {
            EXPECT_EQ(InvKind[c.slot], ItemEgg);
            EXPECT_EQ(InvTier[c.slot], 0);
            EXPECT_EQ(InvCount[c.slot], c.count);
        }
        for (int s = 4; s < InvSlots; ++s) {
            if (s == c.slot) continue;
            EXPECT_EQ(InvKind[s], 0) << "slot " << s;
        }
        TearDown();
    }
}

TEST_F(PotTest, ADishWithoutRoomLeavesThePotAndAHeldKeyActsOnce) {
    InvCapacity = 2;
    Give(0, ItemApple, 8);
    Give(1, ItemFriedEgg, 8, 1);
    Fill(0, ItemEgg);
    PotFrame(KeyG);
    EXPECT_TRUE(Said("Your satchel is full"));
    EXPECT_EQ(PotKind[0], ItemEgg);
    EXPECT_EQ(InvKind[2], 0) << "past the satchel";

    // With room on the stack the dish joins it; G held into the next frames waits for
    // the delay, so it does not find the pot empty and complain.
    InvCount[1] = 7;
    said.clear();
    PotFrame(KeyG);
    EXPECT_EQ(InvCount[1], 8);
    EXPECT_EQ(PotKind[0], 0);
    EXPECT_EQ(InputDelay, 10);
    InputPress(KeyG);
    InputDelay -= 1;  // the frame's end
    RunCookingPot();
    EXPECT_FALSE(Said("Not a recipe!"));
    PotFrame(KeyG);
    EXPECT_EQ(TimesSaid("Not a recipe!"), 1) << "the pot is empty now";

    // A digit sets the delay too: the next frame's digit waits for it.
    InvCapacity = 8;
    Fill(0, ItemEgg);
    Fill(1, ItemEgg);
    PotFrame(KeyDigit1);
    EXPECT_EQ(InputDelay, 10);
    InputPress(KeyDigit1 + 1);
    InputDelay -= 1;
    RunCookingPot();
    EXPECT_EQ(PotKind[0], 0);
    EXPECT_EQ(PotKind[1], ItemEgg);
}

TEST_F(PotTest, WhatIsLeftInThePotGoesBackToTheSatchelOrTheGroundOnQuitting) {
    InvCapacity = 2;
    Give(0, ItemEgg, 7);
    Give(1, ItemApple, 8);
    Fill(0, ItemEgg);
    Fill(2, ItemTomato, 1);
    EmptyPotIntoSatchel();
    EXPECT_EQ(InvCount[0], 8);
    EXPECT_EQ(GroundItemKind[0], ItemTomato);
    EXPECT_EQ(GroundItemTier[0], 1);
    EXPECT_EQ(GroundItemSeed[0], 77);
    EXPECT_EQ(GroundItemX[0], MonX[0]);
    EXPECT_EQ(GroundItemY[0], MonY[0]);
    for (int i = 0; i < PotSlots; ++i) EXPECT_EQ(PotKind[i], 0);
}

TEST_F(PotTest, QuittingWithFoodInThePotKeepsItInTheSave) {
    MonLevel[0] = 1;  // a save of a hero below level 1 is refused as damaged
    Give(0, ItemEgg, 1);
    Give(1, ItemMilk, 3);
    const std::string script = folder.path + "/quit.txt";
    std::ofstream(script) << "tap Right\nwait 12\ntap Space\nwait 12\ntap Right\nwait 6\ntap Space\nwait 12\n"
                             "tap Esc\nwait 3\ntap Esc\nwait 3\n";
    ASSERT_EQ(StartHeadless(script), "");
    OpenScreen(1024, 768);
    RunTurnLoop();
    ASSERT_TRUE(QuitSavesRun());
    EXPECT_EQ(PotKind[0], ItemEgg);
    FinishProgram();

    ClearAllTables();
    std::string message;
    ASSERT_TRUE(LoadGame(message)) << message;
    EXPECT_EQ(InvKind[0], ItemEgg);
    EXPECT_EQ(InvCount[0], 1);
    EXPECT_EQ(InvKind[1], ItemMilk);
    EXPECT_EQ(InvCount[1], 3);
}

}  // namespace
