// The conversations with the friendly characters, on hand-built meadows driven through
// the turn loop: the hero bumps the character east of him, the panel's keys choose, and
// the outcome lands on friendship, the satchel, the ground, the creatures and the log.
// What a screen says is read from the text drawn in a frame with no key held.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/loop/dump.h"
#include "core/loop/turnloop.h"
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
#include "rules/satchel_picker.h"
#include "support/test_support.h"
#include "worldgen/creatures.h"
#include "worldgen/sites.h"

namespace {

constexpr int Digit(int n) { return KeyDigit1 + n - 1; }
constexpr int PrizeItem = ItemLazuliHeart + 5;  // a special object standing for any prize

class CharacterTest : public MeadowPanelTest {
protected:
    static inline std::vector<std::string> drawn;
    static void Watch(const std::string& text, int, int) { drawn.push_back(text); }

    void SetUp() override {
        MeadowPanelTest::SetUp();
        drawn.clear();
        SetTextWatcher(Watch);
    }
    void TearDown() override {
        SetTextWatcher(nullptr);
        MeadowPanelTest::TearDown();
    }

    // A forest folk grubbin with `role`, talked to.
    static void TalkToFolk(int role) {
        GameVars[VarFolkRoleFirst] = role;
        Talk(KindGrubbin, 1);
    }
    // The texts of one frame drawn with no key held.
    static std::vector<std::string> Shown() {
        InputReset();
        drawn.clear();
        TurnLoopFrame();
        return drawn;
    }
    static bool Shows(const std::vector<std::string>& texts, const std::string& line) {
        return std::find(texts.begin(), texts.end(), line) != texts.end();
    }
    static void PassTurns(int turns) {
        const int before = TurnCount;
        for (int i = 0; i < turns; ++i) Tap(KeySpace);
        ASSERT_EQ(TurnCount, before + turns) << "each wait is one turn";
    }
    static int CountGround(int kind) {
        int n = 0;
        for (int g = 0; g < GroundSlots; ++g) n += GroundItemKind[g] == kind ? 1 : 0;
        return n;
    }
    static int Carried(int kind) {
        int n = 0;
        for (int i = 0; i < InvSlots; ++i) n += InvKind[i] == kind ? InvCount[i] : 0;
        return n;
    }
    static void Carry(int slot, int kind, int count) {
        InvKind[slot] = kind;
        InvCount[slot] = count;
    }
};

// ---- The friendship bonus for talking --------------------------------------------------

TEST_F(CharacterTest, AForestFolkMerchantGivesTheBonusAgainOnlyAfterAHundredTurns) {
    GameVars[VarFolkRoleFirst] = RoleMerchant;
    Friendship = 10;
    Talk(KindGrubbin, 1);
    EXPECT_EQ(DialogueState, DialogueGrubbin);
    EXPECT_EQ(Friendship, 35);
    EXPECT_EQ(FriendshipTimer, 0);
    EXPECT_EQ(GameVars[VarTalkFolkFirst], 100);
    Tap(Digit(3));
    ASSERT_EQ(DialogueState, DialogueNone);

    // Friendship fades with the turns, so each talk is measured on its own.
    auto bonusOfATalk = [this]() {
        const int before = Friendship;
        Tap(KeyRight);
        EXPECT_EQ(DialogueState, DialogueGrubbin);
        const int gained = Friendship - before;
        Tap(Digit(3));
        return gained;
    };
    EXPECT_EQ(bonusOfATalk(), 0) << "talked to just now";
    PassTurns(99);
    EXPECT_EQ(bonusOfATalk(), 0) << "99 turns later";
    PassTurns(1);
    EXPECT_EQ(bonusOfATalk(), 25) << "100 turns later";
    EXPECT_EQ(bonusOfATalk(), 0) << "and once again only after another hundred";
    // The flag is the individual's own: another grubbin has not been talked to.
    EXPECT_EQ(GameVars[VarTalkFolkFirst + 1], 0);
}

TEST_F(CharacterTest, ClockwickGivesTheBonusOncePerGame) {
    Friendship = 10;
    Talk(KindClockwick);
    EXPECT_EQ(Friendship, 35);
    Tap(Digit(4));
    ASSERT_EQ(DialogueState, DialogueNone);
    PassTurns(150);
    const int before = Friendship;
    Tap(KeyRight);
    EXPECT_EQ(DialogueState, DialogueCharacter + KindClockwick);
    EXPECT_EQ(Friendship, before);
    EXPECT_EQ(GameVars[VarTalkClockwick], 100);
}

TEST_F(CharacterTest, TheBonusByCharacterAndItsCap) {
    struct Case {
        const char* what;
        int kind, mode, talkFlag, before, after;
    } cases[] = {
        {"troll", KindTroll, 0, VarTalkTroll, 40, 50},
        {"troll near the top", KindTroll, 0, VarTalkTroll, 95, 100},
        {"fairy", KindFairy, 0, VarTalkFairy, 40, 65},
        {"Noctessa at the top", KindNoctessa, 0, VarTalkNoctessa, 100, 100},
        {"Burlo capped", KindBurlo, 0, VarTalkVillagerLast, 80, 100},
        {"a buck, third deer", KindBuck, 3, VarTalkFolkFirst + 8, 0, 25},
        {"a seahoofling", KindSeahoofling, 2, VarTalkFolkFirst + 4, 0, 25},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int v = VarFolkRoleFirst; v <= VarFolkRoleLast; ++v) GameVars[v] = RoleLoreFirst;
        Friendship = c.before;
        FriendshipTimer = 17;
        Talk(c.kind, c.mode);
        EXPECT_EQ(DialogueState, DialogueCharacter + c.kind) << c.what;
        EXPECT_EQ(Friendship, c.after) << c.what;
        EXPECT_EQ(FriendshipTimer, 0) << c.what << ": the decay starts over";
        EXPECT_EQ(GameVars[c.talkFlag], 100) << c.what;
        // The later frames of the same conversation pay nothing more.
        Shown();
        Shown();
        EXPECT_EQ(Friendship, c.after) << c.what;
    }
}

TEST_F(CharacterTest, TheBonusOnlyForAFlagRunDownAndNeverForNothingToSay) {
    // A flag still counting down pays nothing; below 0 (a damaged save) it counts as run down.
    for (const auto& [flag, paid] : {std::pair{50, false}, std::pair{-5, true}}) {
        SetUp();
        GameVars[VarTalkOmbasi] = flag;
        Friendship = 40;
        Talk(KindOmbasi);
        EXPECT_EQ(Friendship, paid ? 65 : 40) << "flag " << flag;
    }
    // A grubbin with no role (a damaged save) ends the talk at once, unpaid.
    SetUp();
    GameVars[VarFolkRoleFirst] = 0;
    Friendship = 40;
    Talk(KindGrubbin, 1);
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(Friendship, 40);
    EXPECT_EQ(GameVars[VarTalkFolkFirst], 0);
}

TEST_F(CharacterTest, ATalkStartsOnItsFirstOptionWhereverTheCursorWas) {
    // A cursor left on 1 by the satchel would otherwise make Space push the troll.
    MenuCursor = 1;
    Bits = 100;
    Talk(KindTroll);
    Tap(KeySpace);
    EXPECT_EQ(MonKind[1], KindNone) << "the toll was paid";
    EXPECT_EQ(Bits, 40);
}

TEST_F(CharacterTest, EveryDigitOnEveryFirstMenu) {
    // Each menu's listed options, by the DialogueStep their digit leads to (0: the talk
    // ends). Digits past the list pick nothing.
    struct Menu {
        const char* what;
        int kind, mode, role;
        std::vector<int> steps;
    } menus[] = {
        {"Ombasi", KindOmbasi, 0, 0, {1, 2, 3, 0}},
        {"troll", KindTroll, 0, 0, {0, 0, 0}},
        {"fairy", KindFairy, 0, 0, {1, 2, 0}},
        {"Wobbin without a letter", KindWobbinPip, 0, 0, {1, 2, 0}},
        {"griffon", KindSalesGriffon, 0, 0, {1, 2, 3, 0}},
        {"merchant", KindGrubbin, 1, RoleMerchant, {1, 2, 0}},
        {"quest giver", KindGrubbin, 1, RoleQuestGiver, {1, 0}},
        {"Clockwick", KindClockwick, 0, 0, {1, 2, 3, 0}},
        {"Brava Venn without the heart", KindBravaVenn, 0, 0, {1, 2, 0}},
    };
    for (const Menu& menu : menus) {
        for (int digit = 1; digit <= 9; ++digit) {
            SetUp();
            GameVars[VarFolkRoleFirst] = menu.role;
            GameVars[VarQuestType] = QuestSixWolves;
            Bits = 100;
            Talk(menu.kind, menu.mode);
            const int before = Friendship;
            Tap(Digit(digit));
            const std::string what = std::string(menu.what) + ", digit " + std::to_string(digit);
            if (digit > static_cast<int>(menu.steps.size())) {
                EXPECT_EQ(DialogueState, DialogueCharacter + menu.kind) << what;
                EXPECT_EQ(DialogueStep, 0) << what;
                EXPECT_EQ(Friendship, before) << what;
                continue;
            }
            const int step = menu.steps[digit - 1];
            if (step == 0) {
                EXPECT_EQ(DialogueState, DialogueNone) << what;
            } else {
                EXPECT_EQ(DialogueStep, step) << what;
                EXPECT_EQ(MenuCursor, 0) << what << ": the next screen starts on its first line";
            }
        }
    }
}

TEST_F(CharacterTest, TheLetterRaisesFriendshipWithoutRestartingItsDecay) {
    GameVars[VarTalkWobbin] = 50;  // talked to lately: no bonus, the timer runs on
    Friendship = 40;
    FriendshipTimer = 30;
    Carry(0, ItemLetter, 1);
    Talk(KindWobbinPip);
    Tap(Digit(4));
    Tap(KeySpace);
    EXPECT_EQ(Friendship, 65);
    EXPECT_EQ(FriendshipTimer, 30);
}

// ---- The troll -------------------------------------------------------------------------

TEST_F(CharacterTest, TheTrollsTollAndThePush) {
    struct Case {
        const char* what;
        int bits, key;
        int bitsAfter, trollsAfter, attitudeAfter;
        const char* line;
    } cases[] = {
        {"paid", 60, Digit(1), 0, 0, 0, "The troll returns to hiding under the bridge."},
        {"paid from more", 75, Digit(1), 15, 0, 0, "The troll returns to hiding under the bridge."},
        {"one bit short", 59, Digit(1), 59, 2, AttitudeFriendly, "The troll grunts 'not enough bits!'"},
        {"pushed", 60, Digit(2), 60, 2, AttitudeHostile, nullptr},
        {"left", 60, Digit(3), 60, 2, AttitudeFriendly, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        Bits = c.bits;
        PutCharacter(2, KindTroll, 30, 30);
        Talk(KindTroll);
        Tap(c.key);
        EXPECT_EQ(DialogueState, DialogueNone) << c.what << ": every answer closes the talk";
        EXPECT_EQ(Bits, c.bitsAfter) << c.what;
        EXPECT_EQ(CountKind(KindTroll), c.trollsAfter) << c.what;
        if (c.trollsAfter > 0) {
            EXPECT_EQ(MonAttitude[1], c.attitudeAfter) << c.what;
            EXPECT_EQ(MonAttitude[2], c.attitudeAfter) << c.what;
        }
        if (c.line) {
            EXPECT_TRUE(Said(c.line)) << c.what;
        }
    }
}

// ---- The quest -------------------------------------------------------------------------

TEST_F(CharacterTest, EachQuestIsOfferedRefusedWhileUndoneAndRewardedOnce) {
    struct Case {
        const char* what;
        int type;
        std::function<void()> almost, done, checkTaken;
    } cases[] = {
        {"six wolves", QuestSixWolves, [] { GameVars[VarQuestProgress] = 6; }, [] { GameVars[VarQuestProgress] = 7; },
         [] {}},
        {"six snakes", QuestSixSnakes, [] { GameVars[VarQuestProgress] = 6; }, [] { GameVars[VarQuestProgress] = 7; },
         [] {}},
        {"eight apples", QuestEightApples,
         [] {
             Carry(0, ItemApple, 3);
             Carry(1, ItemApple, 3);
             Carry(2, ItemApple, 1);
         },
         [] { InvCount[2] = 4; },
         [] {
             // Taken stack by stack in slot order: 3 + 3 + 2 of the 4.
             EXPECT_EQ(InvKind[0], 0);
             EXPECT_EQ(InvKind[1], 0);
             EXPECT_EQ(InvKind[2], ItemApple);
             EXPECT_EQ(InvCount[2], 2);
         }},
        {"a pancake", QuestChocolatePancakes, [] { Carry(3, ItemPancakes, 1); }, [] { Carry(5, ItemChocPancakes, 2); },
         [] {
             EXPECT_EQ(Carried(ItemChocPancakes), 1);
             EXPECT_EQ(Carried(ItemPancakes), 1);
         }},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[VarQuestType] = c.type;
        GameVars[VarPrizeQuest] = PrizeItem;
        c.almost();
        const int progressSet = GameVars[VarQuestProgress];
        TalkToFolk(RoleQuestGiver);
        EXPECT_EQ(GameVars[VarQuestProgress], progressSet == 0 ? 1 : progressSet) << c.what;

        Tap(Digit(1));
        EXPECT_TRUE(Said("You haven't completed the goal yet...")) << c.what;
        EXPECT_EQ(GameVars[VarQuestType], c.type) << c.what;
        EXPECT_EQ(CountGround(PrizeItem), 0) << c.what;
        EXPECT_TRUE(Shows(Shown(), "You haven't completed the goal yet...")) << c.what;
        Tap(KeySpace);  // back to the quest's lines
        EXPECT_EQ(DialogueState, DialogueGrubbin) << c.what;

        c.done();
        Tap(Digit(1));
        EXPECT_EQ(GameVars[VarQuestType], QuestDone) << c.what;
        EXPECT_GE(GroundAtHero(PrizeItem), 0) << c.what;
        EXPECT_TRUE(Said("Thank you so much!")) << c.what;
        EXPECT_TRUE(Said("Here, take this item!")) << c.what;
        c.checkTaken();

        // Done: only thanks, which C does not close and confirm does.
        EXPECT_TRUE(Shows(Shown(), "Thanks for your help earlier!")) << c.what;
        Tap(KeyC);
        EXPECT_EQ(DialogueState, DialogueGrubbin) << c.what;
        Tap(Digit(1));
        Tap(KeySpace);
        EXPECT_EQ(DialogueState, DialogueNone) << c.what;
        Tap(KeyRight);
        Tap(Digit(1));
        Tap(KeySpace);
        EXPECT_EQ(CountGround(PrizeItem), 1) << c.what << ": the reward is given once";
    }
}

TEST_F(CharacterTest, OfferingTheQuestSetsProgressOneAndLeavingKeepsIt) {
    GameVars[VarQuestType] = QuestSixWolves;
    TalkToFolk(RoleQuestGiver);
    EXPECT_EQ(GameVars[VarQuestProgress], 1);
    const std::vector<std::string> shown = Shown();
    EXPECT_TRUE(Shows(shown, "The wolves are really bothering us lately!"));
    Tap(Digit(2));
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(GameVars[VarQuestProgress], 1);
    EXPECT_EQ(GameVars[VarQuestType], QuestSixWolves);
}

// ---- Gifts and a full ground -----------------------------------------------------------

TEST_F(CharacterTest, AFullGroundKeepsEveryGiftAndEverythingAsItWas) {
    struct Case {
        const char* what;
        int kind, mode;
        std::function<void()> before;
        std::initializer_list<int> keys;
        std::function<void()> unchanged;
    } cases[] = {
        {"the quest reward",
         KindGrubbin,
         1,
         [] {
             GameVars[VarFolkRoleFirst] = RoleQuestGiver;
             GameVars[VarQuestType] = QuestEightApples;
             Carry(0, ItemApple, 8);
         },
         {Digit(1)},
         [] {
             EXPECT_EQ(InvCount[0], 8);
             EXPECT_EQ(GameVars[VarQuestType], QuestEightApples);
         }},
        {"Brava Venn's trinket",
         KindBravaVenn,
         0,
         [] { Carry(0, ItemLazuliHeart, 1); },
         {Digit(4), KeySpace},
         [] {
             EXPECT_EQ(Carried(ItemLazuliHeart), 1);
             EXPECT_EQ(MonKind[1], KindBravaVenn);
             EXPECT_EQ(Friendship, 75) << "only the bonus for talking";
         }},
        {"a villager's gift", KindHarpella, 0, [] {}, {KeySpace}, [] { EXPECT_EQ(MonMode[1], 0); }},
        {"Burlo's gift", KindBurlo, 0, [] {}, {KeySpace}, [] { EXPECT_EQ(MonMode[1], 0); }},
        {"Noctessa's gift", KindNoctessa, 0, [] {}, {KeySpace}, [] { EXPECT_EQ(MonKind[1], KindNoctessa); }},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int v = VarPrizeFirst; v <= VarPrizeLast; ++v) GameVars[v] = PrizeItem;
        FillGround();
        c.before();
        Talk(c.kind, c.mode);
        for (const int key : c.keys) Tap(key);
        EXPECT_TRUE(Said("There is no room on the ground here")) << c.what;
        EXPECT_EQ(CountGround(PrizeItem), 0) << c.what;
        EXPECT_EQ(CountGround(ItemApple), GroundSlots) << c.what;
        c.unchanged();
    }
}

TEST_F(CharacterTest, AFullSatchelDoesNotStopAGift) {
    for (int i = 0; i < InvCapacity; ++i) Carry(i, ItemPancakes, 8);
    GameVars[VarPrizeBurlo] = PrizeItem;
    Talk(KindBurlo);
    Tap(KeySpace);
    EXPECT_GE(GroundAtHero(PrizeItem), 0);
    EXPECT_EQ(MonMode[1], 1);
}

// ---- Options that are only there with the thing they need ------------------------------

TEST_F(CharacterTest, TheLetterAndTheHeartAreOnlyTakenWhenCarried) {
    struct Case {
        const char* what;
        int kind, item;
        const char* option;
    } cases[] = {
        {"Wobbin", KindWobbinPip, ItemLetter, "4) Could you deliver this letter?"},
        {"Brava Venn", KindBravaVenn, ItemLazuliHeart, "4) Give her the Lazuli Heart"},
    };
    for (const Case& c : cases) {
        // Without it, 4 picks nothing.
        SetUp();
        GameVars[VarPrizeBravaVenn] = PrizeItem;
        Friendship = 0;
        Talk(c.kind);
        EXPECT_FALSE(Shows(Shown(), c.option)) << c.what;
        Tap(Digit(4));
        EXPECT_EQ(DialogueStep, 0) << c.what;
        EXPECT_TRUE(Shows(Shown(), "3) Leave")) << c.what << ": still on the options";
        Tap(KeySpace);  // the highlighted first option opens its answer, not a gift
        Tap(KeySpace);
        EXPECT_EQ(Friendship, 25) << c.what;
        EXPECT_EQ(MonKind[1], c.kind) << c.what;
        EXPECT_EQ(CountGround(PrizeItem), 0) << c.what;

        // With it, 4 hands it over on closing the answer.
        SetUp();
        GameVars[VarPrizeBravaVenn] = PrizeItem;
        Friendship = 0;
        Carry(0, ItemApple, 2);
        Carry(1, c.item, 1);
        Carry(2, c.item, 1);
        Talk(c.kind);
        EXPECT_TRUE(Shows(Shown(), c.option)) << c.what;
        Tap(Digit(4));
        EXPECT_EQ(MonKind[1], c.kind) << c.what << ": not before the answer is closed";
        Tap(KeySpace);
        EXPECT_EQ(DialogueState, DialogueNone) << c.what;
        EXPECT_EQ(MonKind[1], KindNone) << c.what;
        EXPECT_EQ(InvKind[1], 0) << c.what << ": the first one is given";
        EXPECT_EQ(InvKind[2], c.item) << c.what;
        EXPECT_EQ(InvCount[0], 2) << c.what;
        if (c.kind == KindBravaVenn) {
            EXPECT_GE(GroundAtHero(PrizeItem), 0);
            EXPECT_EQ(Friendship, 65) << "25 for talking, 25 for the heart, 15 for the trinket";
        } else {
            EXPECT_EQ(Friendship, 50) << "25 for talking, 25 for the letter";
        }
    }
    // The heart's two gains stop at the top.
    SetUp();
    Friendship = 70;
    Carry(0, ItemLazuliHeart, 1);
    Talk(KindBravaVenn);
    Tap(Digit(4));
    Tap(KeySpace);
    EXPECT_EQ(Friendship, 100);
    EXPECT_EQ(FriendshipTimer, 0);
}

// ---- What the characters do -------------------------------------------------------------

TEST_F(CharacterTest, OmbasiHealsOnClosingHerSecondAnswer) {
    for (const int close : {int{KeySpace}, int{KeyEnter}, int{KeyC}}) {
        SetUp();
        MonHp[0] = 5;
        MonMp[0] = 1;
        for (int s = StatusFrozen; s <= StatusSpare; ++s) MonStatus[0][s] = 30;
        Talk(KindOmbasi);
        Tap(Digit(2));
        EXPECT_EQ(MonHp[0], 5) << "not before the answer is closed";
        Tap(close);
        EXPECT_EQ(DialogueState, DialogueCharacter + KindOmbasi) << "back to her options";
        EXPECT_EQ(DialogueStep, 0);
        EXPECT_EQ(MonHp[0], MonMaxHp[0]);
        EXPECT_EQ(MonMp[0], MonMaxMp[0]);
        for (int s = StatusFrozen; s <= StatusJestbloom; ++s) EXPECT_EQ(MonStatus[0][s], 0) << "status " << s;
        EXPECT_EQ(MonStatus[0][StatusSpare], 30);
    }
    // Her other answers heal nobody.
    SetUp();
    MonHp[0] = 5;
    Talk(KindOmbasi);
    Tap(Digit(1));
    Tap(KeySpace);
    Tap(Digit(3));
    Tap(KeySpace);
    Tap(Digit(4));
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(MonHp[0], 5);
}

TEST_F(CharacterTest, NoctessaLeavesHerGiftWhereEachOfHerStood) {
    GameVars[VarPrizeNoctessa] = PrizeItem;
    PutCharacter(2, KindNoctessa, 30, 20);
    Talk(KindNoctessa);
    Tap(KeySpace);
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(CountKind(KindNoctessa), 0);
    EXPECT_GE(GroundAt(PrizeItem, 11, 10), 0);
    EXPECT_GE(GroundAt(PrizeItem, 30, 20), 0);
    EXPECT_EQ(GroundAtHero(PrizeItem), -1);
}

TEST_F(CharacterTest, WobbinsErrands) {
    struct Case {
        int errand;
        int cooldown;
        const char* line;
    } cases[] = {
        {1, 3, "You don't even know what you're looking... she's gone."},
        {2, SiteNever, "Ooh, I'll fly ahead and look for any clues!"},
        {3, SiteNever, "I'm on it!"},
    };
    for (const Case& c : cases) {
        SetUp();
        SiteCooldown[SiteWobbin] = 3;
        Talk(KindWobbinPip);
        Tap(Digit(2));
        Tap(Digit(c.errand));
        EXPECT_TRUE(Shows(Shown(), c.line)) << c.errand;
        EXPECT_EQ(SiteCooldown[SiteWobbin], c.cooldown) << c.errand;
        Tap(KeySpace);
        EXPECT_EQ(DialogueState, DialogueNone) << c.errand;
        EXPECT_EQ(CountKind(KindWobbinPip), 0) << c.errand;
    }
    // "I dunno" goes back to her first options and she stays.
    SetUp();
    Talk(KindWobbinPip);
    Tap(Digit(2));
    Tap(Digit(4));
    EXPECT_TRUE(Shows(Shown(), "Hey! What's up?"));
    Tap(Digit(3));
    EXPECT_EQ(DialogueState, DialogueNone);
    EXPECT_EQ(MonKind[1], KindWobbinPip);
    EXPECT_EQ(SiteCooldown[SiteWobbin], 0);
}

TEST_F(CharacterTest, TheVillagersGiftOnConfirmOnlyAndOnlyOnce) {
    struct Case {
        int kind, close;
        bool given;
    } cases[] = {
        {KindNougette, KeySpace, true}, {KindPearlwick, KeyEnter, true}, {KindMarnella, KeyC, false},
        {KindBurlo, KeySpace, true},    {KindBurlo, KeyC, false},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[VarPrizeBurlo] = PrizeItem;
        Talk(c.kind);
        Tap(c.close);
        EXPECT_EQ(DialogueState, DialogueNone) << c.kind;
        EXPECT_EQ(MonMode[1], c.given ? 1 : 0) << c.kind;
        int gifts = 0;
        for (int g = 0; g < GroundSlots; ++g) {
            if (GroundItemKind[g] == 0) continue;
            ++gifts;
            EXPECT_EQ(GroundItemX[g], MonX[0]);
            EXPECT_EQ(GroundItemY[g], MonY[0]);
            EXPECT_EQ(GroundItemTier[g], 0);
            if (c.kind == KindBurlo) {
                EXPECT_EQ(GroundItemKind[g], PrizeItem);
            } else {
                EXPECT_GE(GroundItemKind[g], DishFirstId);
                EXPECT_LE(GroundItemKind[g], DishLastId);
            }
        }
        EXPECT_EQ(gifts, c.given ? 1 : 0) << c.kind;
        // Talked to again: thanks, and nothing more.
        Tap(KeyRight);
        EXPECT_TRUE(Shows(Shown(), c.given ? (c.kind == KindBurlo ? "Hrrmhmm" : "Thanks for rescuing me!")
                                           : "You rescued me! Take this!"))
            << c.kind;
        Tap(KeyC);
        EXPECT_EQ(DialogueState, DialogueNone) << c.kind;
    }
}

class RecipeHintTest : public CharacterTest {
protected:
    TempFolder folder;
    void SetUp() override {
        CharacterTest::SetUp();
        std::string error;
        ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    }
};

TEST_F(RecipeHintTest, AHintMarksTheRecipeBookAndWritesItAtOnce) {
    TalkToFolk(RoleRecipeHintFirst + 1);  // pancakes
    EXPECT_EQ(RecipeBook[ItemPancakes - DishFirstId], 1);
    EXPECT_EQ(RecipeBook[ItemCupcake - DishFirstId], 0);
    const std::vector<unsigned char> bytes = ReadBytes(DataPath("RecipeBook.dat"));
    ASSERT_EQ(bytes.size(), static_cast<size_t>(RecipeBookCount) * 4);
    EXPECT_EQ(bytes[4 * static_cast<size_t>(ItemPancakes - DishFirstId)], 1);
    EXPECT_EQ(bytes[4 * static_cast<size_t>(ItemCupcake - DishFirstId)], 0);
    // Only confirm closes a hint.
    Tap(KeyC);
    EXPECT_EQ(DialogueState, DialogueGrubbin);
    Tap(KeySpace);
    EXPECT_EQ(DialogueState, DialogueNone);
}

// ---- The trading screens through the menu ----------------------------------------------

TEST_F(CharacterTest, TheMerchantAndTheGriffonOpenTheirScreensAndCComesBack) {
    struct Case {
        const char* what;
        int kind, pick, step;
        const char* header;
        bool picker;
    } cases[] = {
        {"merchant buying", KindGrubbin, 1, 1, "Select any item you want to purchase.  (g/space) grab   (c) cancel",
         false},
        {"merchant selling", KindGrubbin, 2, ForestFolkSellingStep, "(s/space) sell (c) cancel", true},
        {"griffon buying", KindSalesGriffon, 2, 2, "Select any item you want to purchase.  (g) grab   (c) cancel",
         false},
        {"griffon selling", KindSalesGriffon, 3, GriffonSellingStep, "(s) sell (c) cancel", true},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[VarFolkRoleFirst] = RoleMerchant;
        Carry(0, ItemApple, 2);
        Talk(c.kind, c.kind == KindGrubbin ? 1 : 0);
        Tap(Digit(c.pick));
        EXPECT_EQ(DialogueStep, c.step) << c.what;
        const std::vector<std::string> shown = Shown();
        EXPECT_TRUE(Shows(shown, c.header)) << c.what;
        EXPECT_FALSE(Shows(shown, c.kind == KindGrubbin ? "Grubbin:" : "Griffon:"))
            << c.what << ": the screen's header stands in the character's place";
        EXPECT_EQ(ChoosingItem(), c.picker) << c.what;
        Tap(KeyC);
        EXPECT_EQ(DialogueState, DialogueCharacter + c.kind) << c.what;
        EXPECT_EQ(DialogueStep, 0) << c.what;
        EXPECT_EQ(MenuCursor, 0) << c.what;
        EXPECT_TRUE(Shows(Shown(), c.kind == KindGrubbin ? "3) Leave" : "4) Leave")) << c.what;
        EXPECT_FALSE(ChoosingItem()) << c.what;
        EXPECT_EQ(InvCount[0], 2) << c.what;
    }
}

TEST_F(CharacterTest, ConfirmHeldOnATradersOptionOpensItsScreenAndNeitherBuysNorSells) {
    // Space held from the option through the screen that opens: the worn sword in the
    // first slot stays, and so do the bits, until Space goes up and down again there.
    struct Case {
        const char* what;
        int kind, downs, step;
    } cases[] = {
        {"merchant buying", KindGrubbin, 0, 1},
        {"merchant selling", KindGrubbin, 1, ForestFolkSellingStep},
        {"griffon buying", KindSalesGriffon, 1, 2},
        {"griffon selling", KindSalesGriffon, 2, GriffonSellingStep},
    };
    for (const Case& c : cases) {
        SetUp();
        GameVars[VarFolkRoleFirst] = RoleMerchant;
        Carry(0, ItemWeapon, 1);
        Equip[EquipWeapon] = 0;
        StoreItemKind[0] = ItemApple;
        Bits = 200;
        Talk(c.kind, c.kind == KindGrubbin ? 1 : 0);
        for (int d = 0; d < c.downs; ++d) Tap(KeyDown);
        for (int i = 0; i < 40 && InputDelay > 0; ++i) TurnLoopFrame();
        InputPress(KeySpace);
        for (int frame = 0; frame < 30; ++frame) TurnLoopFrame();
        EXPECT_EQ(DialogueStep, c.step) << c.what;
        EXPECT_EQ(Bits, 200) << c.what;
        EXPECT_EQ(InvKind[0], ItemWeapon) << c.what;
        EXPECT_EQ(Equip[EquipWeapon], 0) << c.what;
        InputReset();
        TurnLoopFrame();  // Space goes up on the screen
        Tap(KeySpace);
        EXPECT_NE(Bits, 200) << c.what << ": a new press trades";
    }
}

// ---- Every text of the conversations ---------------------------------------------------

struct TextCase {
    const char* what;
    int kind, mode, role, scenario;
    std::vector<int> keys;  // after the bump
    std::vector<std::string> lines;
};

const TextCase TextCases[] = {
    {"Noctessa",
     KindNoctessa,
     0,
     0,
     0,
     {},
     {"Princess Noctessa:", "Thank you for the delicious food", "I have something that will help you in your quest",
      "As thanks for these delicious treats", "Press space to continue"}},
    {"Ombasi",
     KindOmbasi,
     0,
     0,
     0,
     {},
     {"Ombasi:", "Greetings", "1) Where is this plant I seek?", "2) Can you heal me?", "3) Can you help?", "4) Leave"}},
    {"Ombasi 1",
     KindOmbasi,
     0,
     0,
     0,
     {Digit(1)},
     {"Ombasi:", "Deep in the heart of the Thornwild Forst", "There you will find the flower at rest.",
      "Through swamp, dead woods, castle and mountain", "At the end you will find the flower for certain!",
      "Press space to continue"}},
    {"Ombasi 2",
     KindOmbasi,
     0,
     0,
     0,
     {Digit(2)},
     {"My little hoofling I can heal you", "With this delicious soothing brew", "Press space to continue"}},
    {"Ombasi 3",
     KindOmbasi,
     0,
     0,
     0,
     {Digit(3)},
     {"I must stay here and prepare the potion", "You must go forth alone, in a forward motion.",
      "When you get the flower, I will meet you in Clovermere", "Then we can stop all the hooflings from being ill",
      "Press space to continue"}},
    {"troll",
     KindTroll,
     0,
     0,
     0,
     {},
     {"Troll:", "Hey! You want past! You pay toll!", "1) Pay the 60 bits", "2) Push your way bits", "3) Leave"}},
    {"fairy",
     KindFairy,
     0,
     0,
     0,
     {},
     {"Fairy:", "Hey! Welcome to the Harmony Garden!", "1) What is the Harmony Garden?", "2) How are the trees doing?",
      "3) Goodbye fairy!"}},
    {"fairy 1",
     KindFairy,
     0,
     0,
     0,
     {Digit(1)},
     {"The Harmony Garden is a magical place where trees grow fruit magically fast!",
      "If you use a fruit on one of these trees, it will become a tree bearing that fruit",
      "But you will have to wait a little for the fruit to grow.",
      "Trees in the Harmony Garden are immune to the Thornwild Forest's chaos.", "[press space or enter]"}},
    {"Wobbin, forest",
     KindWobbinPip,
     0,
     0,
     ScenarioForest,
     {},
     {"Wobbin:", "Hey! What's up?", "1) What in Veldora are you doing here?", "2) I'm looking for a cure", "3) Leave"}},
    {"Wobbin, chaos", KindWobbinPip, 0, 0, ScenarioChaos, {}, {"2) Skarnix is causing chaos!"}},
    {"Wobbin, castle", KindWobbinPip, 0, 0, ScenarioCastle, {}, {"2) Hooflings have been kidnapped!"}},
    {"Wobbin 1", KindWobbinPip, 0, 0, 0, {Digit(1)}, {"Delivering mail of course!", "Press space to continue"}},
    {"Wobbin 2, forest",
     KindWobbinPip,
     0,
     0,
     ScenarioForest,
     {Digit(2)},
     {"Clovermere is in trouble? Oh no! What should I do!?", "1) I'm looking for a plant that will cure everyone",
      "2) Go back to Clovermere, they can maybe use some help", "3) Fly to Aurelmont, update the princess",
      "4) I dunno"}},
    {"Wobbin 2, chaos",
     KindWobbinPip,
     0,
     0,
     ScenarioChaos,
     {Digit(2)},
     {"Huh? I didn't even notuce... should I help?", "1) I'm going to stop Skarnix!"}},
    {"Wobbin 2, castle",
     KindWobbinPip,
     0,
     0,
     ScenarioCastle,
     {Digit(2)},
     {"Oh no! Can I help?", "1) I'm going to rescue the trapped prisoners"}},
    {"Wobbin 2 1",
     KindWobbinPip,
     0,
     0,
     0,
     {Digit(2), Digit(1)},
     {"Ooh, I'll fly ahead and look for any clues!", "HERO:", "Wait!",
      "You don't even know what you're looking... she's gone."}},
    {"Wobbin 4",
     KindWobbinPip,
     0,
     0,
     0,
     {Digit(4)},
     {"Can do!", "*you write a letter on the paper updaing Princess Auralis on your quest*"}},
    {"griffon, forest",
     KindSalesGriffon,
     0,
     0,
     ScenarioForest,
     {},
     {"Griffon:", "Don't see many hooflings in this forest, looking to do business?",
      "1) Not really, what are you doing here?", "2) Show me your wares", "3) Do you want to buy something?",
      "4) Leave"}},
    {"griffon, chaos",
     KindSalesGriffon,
     0,
     0,
     ScenarioChaos,
     {},
     {"Don't see many hooflings in this forest, looking to do business?"}},
    {"griffon, castle",
     KindSalesGriffon,
     0,
     0,
     ScenarioCastle,
     {},
     {"Don't see many hooflings here, looking to do business?"}},
    {"griffon 1",
     KindSalesGriffon,
     0,
     0,
     0,
     {Digit(1)},
     {"Some of these monsters are nice if you're trading with them.",
      "I do a lot of business roaming this weird scary forest."}},
    {"griffon selling", KindSalesGriffon, 0, 0, 0, {Digit(3)}, {"Select any item you want to sell"}},
    {"merchant",
     KindGrubbin,
     1,
     RoleMerchant,
     0,
     {},
     {"Grubbin:", "Looking to buy something?", "1) Show me your wares", "2) Do you want to buy something?",
      "3) Leave"}},
    {"merchant selling", KindSeahoofling, 1, RoleMerchant, 0, {Digit(2)}, {"Select any item you want to sell"}},
    {"quest giver done",
     KindDoe,
     1,
     RoleQuestGiver,
     0,
     {},
     {"Doe:", "Thanks for your help earlier!", "Press space to continue"}},
    {"Clockwick, forest",
     KindClockwick,
     0,
     0,
     ScenarioForest,
     {},
     {"Clockwick:", "Hello there! Don't see many other hooflings this far into the forest!",
      "1) What are you doing here?", "2) I'm looking for a plant", "3) Clockwick?", "4) Goodbye"}},
    {"Clockwick, chaos",
     KindClockwick,
     0,
     0,
     ScenarioChaos,
     {},
     {"Hello there! I didn't expecto see any other hooflings... here...", "2) I'm looking for Skarnix"}},
    {"Clockwick, castle",
     KindClockwick,
     0,
     0,
     ScenarioCastle,
     {},
     {"Hello there! Don't see many hooflings in this place.", "2) I'm rescuing my friends"}},
    {"Clockwick 1",
     KindClockwick,
     0,
     0,
     0,
     {Digit(1)},
     {"Ah... hm... I can't really tell you, sorry", "It might just put you in danger."}},
    {"Clockwick 2, forest",
     KindClockwick,
     0,
     0,
     ScenarioForest,
     {Digit(2)},
     {"Ah, well you're in the right place, this forest is full of plants!"}},
    {"Clockwick 2, chaos",
     KindClockwick,
     0,
     0,
     ScenarioChaos,
     {Digit(2)},
     {"Ah, is that what he's calling himself? He's certainly around here somewhere..."}},
    {"Clockwick 2, castle", KindClockwick, 0, 0, ScenarioCastle, {Digit(2)}, {"Ah, good luck to you then!"}},
    {"Clockwick 3",
     KindClockwick,
     0,
     0,
     0,
     {Digit(3)},
     {"That's my name, yep. Really. If you're implying it's a cover name or something",
      "well, that's... that's just absurd, really."}},
    {"Brava Venn",
     KindBravaVenn,
     0,
     0,
     0,
     {},
     {"Brava Venn:", "Howdy there!", "1) Hello! What are you doing in these parts?",
      "2) ... aren't you a fictional character?", "3) Leave"}},
    {"Brava Venn 1",
     KindBravaVenn,
     0,
     0,
     0,
     {Digit(1)},
     {"I'm looking for an ancient temple, it should be around here.",
      "It holds the Lazuli Heart, I've been searching for it for weeks!", "If you see it, let me know would you?"}},
    {"Brava Venn 2", KindBravaVenn, 0, 0, 0, {Digit(2)}, {"Yeah? Look who's talking!"}},
    {"Brava Venn 4",
     KindBravaVenn,
     0,
     0,
     0,
     {Digit(4)},
     {"Ooooooooooh", "Thanks so much! In return, I'll give you this little trinket I found!"}},
    {"Nougette", KindNougette, 0, 0, 0, {}, {"Nougette:", "You rescued me! Take this!", "Press space to continue"}},
    {"Harpella", KindHarpella, 0, 0, 0, {}, {"Harpella:"}},
    {"Marnella", KindMarnella, 0, 0, 0, {}, {"Marnella:"}},
    {"Pearlwick", KindPearlwick, 0, 0, 0, {}, {"Pearlwick:"}},
    {"Burlo", KindBurlo, 0, 0, 0, {}, {"Burlo:", "You rescued me! Take this!"}},
    {"Pearlwick thanked", KindPearlwick, 1, 0, 0, {}, {"Thanks for rescuing me!", "Press space to continue"}},
    {"Burlo thanked", KindBurlo, 1, 0, 0, {}, {"Hrrmhmm"}},
};

// The quest's lines and the hints and lore by role, as (role or type, first, second).
struct RoleLines {
    int role;
    const char* first;
    const char* second;
};
const RoleLines QuestTexts[] = {
    {QuestSixWolves, "The wolves are really bothering us lately!",
     "If you could beat up six wolves, I'll give you something good!"},
    {QuestEightApples, "I want to make some cider... but I have no apples!",
     "Could you give me eight apples? I'll trade you something good!"},
    {QuestChocolatePancakes, "Hey... do you have any choc chip pancakes?",
     "I could really go for one... I'll give you something good!"},
    {QuestSixSnakes, "Could you beat up six snakes for me? They bug me.",
     "I'll give you something good for your trouble!"},
};
const RoleLines HintTexts[] = {
    {3, "Hey, do you know how to make cupcakes? I bet you do!", "It's just sugar, flour and vanilla"},
    {4, "Pancakes are delicious!", "All you need is egg, flour, vanilla and milk"},
    {5, "Muffin's are made with egg, flour, baking soda and wheatgerm", "Don't mess up the ingredients!"},
    {6, "There's lots of things you can make with apples!",
     "My favourite is apple pie: apple, egg, flour and sugar, yum!"},
    {7, "You can make great porridge with just oats and milk", nullptr},
    {8, "Did you know that the perfect omelette requires three eggs?", nullptr},
    {9, "Scrambled Eggs and toast is really simple!", "You just need an egg and some bread"},
    {10, "A plain Hot Dog can be made with a slab of tofu and some bread.", nullptr},
    {11, "Tofu and two types of vegetables can make a good stir fry", nullptr},
    {12, "If you have eggs and want something sweet, you can make a great creme brulee!",
     "You need two eggs, some vanilla and sugar for the topping."},
    {13, "You can make a Spanish Omelette with an egg, a potato and a second vegetable", nullptr},
    {21, "Nibblits may seem harmless, but if they get hold of food", "they'll start spawning more of themselves!"},
    {22, "Wasps are pretty peaceful insects if you leave them alone.",
     "If you get too close though, the entire colony will get annoyed."},
    {23, "Have you seen the scary Shade monsters?", "They make everything around them dark! It's super scary!"},
    {24, "Some changelings have taken up nest in these woods.",
     "They'll disguise as harmless animals and then strike! Look out!"},
    {25, "Timberwolves are pretty scary, they'll hide in the trees until you get close!", nullptr},
    {26, "The Treelephants may seem harmless, but they consider themselves protectors of the woods.",
     "If they sense you eating anything but plants they'll get pretty enraged!"},
    {27, "The Cerberus puppies will ignore you, unless you go past them.", "Or get really close."},
    {28, "Wolves attack in packs! Be very cautious!",
     "They will take a bite at you, then run off before striking again!"},
    {29, "The Cockatrice is a dangerous creature, it can turn animals to stone!",
     "If you see statues in the forest, start panicking!"},
    {30, "In the darker parts of the Thornwild Forest, they say the trees can come alive!", nullptr},
};

class CharacterTextTest : public CharacterTest {
protected:
    TempFolder folder;  // the hints write the recipe book
    void SetUp() override {
        CharacterTest::SetUp();
        std::string error;
        ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    }
    static void ExpectShown(const std::string& what, const std::vector<std::string>& lines) {
        const std::vector<std::string> shown = Shown();
        for (const std::string& line : lines) EXPECT_TRUE(Shows(shown, line)) << what << ": \"" << line << "\"";
    }
};

TEST_F(CharacterTextTest, EveryScreenOfEveryCharacterSaysItsLines) {
    for (const TextCase& c : TextCases) {
        SetUp();
        GameVars[VarScenario] = c.scenario;
        GameVars[VarFolkRoleFirst] = GameVars[VarFolkRoleFirst + 3] = GameVars[VarFolkRoleFirst + 6] = c.role;
        Carry(0, ItemLetter, 1);
        Carry(1, ItemLazuliHeart, 1);
        Carry(2, ItemApple, 1);
        Talk(c.kind, c.mode);
        for (const int key : c.keys) Tap(key);
        ExpectShown(c.what, c.lines);
    }
    for (const RoleLines& q : QuestTexts) {
        SetUp();
        GameVars[VarQuestType] = q.role;
        TalkToFolk(RoleQuestGiver);
        ExpectShown("quest " + std::to_string(q.role),
                    {"Grubbin:", q.first, q.second, "1) Complete quest", "2) Leave"});
    }
    for (const RoleLines& h : HintTexts) {
        SetUp();
        TalkToFolk(h.role);
        std::vector<std::string> lines = {"Grubbin:", h.first, "Press space to continue"};
        if (h.second) lines.push_back(h.second);
        ExpectShown("role " + std::to_string(h.role), lines);
    }
}

TEST_F(CharacterTextTest, TheFairyReportsEachTreeAndItsGrowth) {
    const int growth[] = {0, 249, 250, 350, 500, 600};
    const int fruit[] = {ItemApple, ItemApple, ItemApple, ItemApple, ItemApple, 0};
    for (int k = 0; k < GardenPlots; ++k) {
        GlobalData[GlobalGardenPlotFirst + k] = fruit[k];
        GlobalData[GlobalGardenGrowthFirst + k] = growth[k];
    }
    Talk(KindFairy);
    Tap(Digit(2));
    DescribeItem(ItemApple, 0, 0);
    const std::string apple = LookupName;
    ExpectShown("trees", {"The trees are as follows:", "NE - " + apple + " tree. Long wait.",
                          "E  - " + apple + " tree. Long wait.", "SE - " + apple + " tree. About half way.",
                          "SW - " + apple + " tree. Over half done.", "W  - " + apple + " tree. Almost done",
                          "NW - No tree. ", "Press space to continue"});
    GlobalData[GlobalGardenPlotFirst + 5] = ItemApple;
    GlobalData[GlobalGardenGrowthFirst + 5] = 600;
    ExpectShown("ripe", {"NW - " + apple + " tree. Ripe fruit!"});
}

// ---- One scripted game with every kind of character -------------------------------------

class CharacterGameTest : public MeadowTest {
protected:
    TempFolder folder;
    static int GroundAt(int kind, int x, int y) {
        for (int g = 0; g < GroundSlots; ++g)
            if (GroundItemKind[g] == kind && GroundItemX[g] == x && GroundItemY[g] == y) return g;
        return -1;
    }
};

TEST_F(CharacterGameTest, TalkingToEveryCharacterOnOneMeadow) {
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    // The characters stand in a row north of the hero's path east; each is talked to
    // from below, then the hero steps on.
    struct Step {
        int kind, mode;
        const char* keys;  // after the bump
    } steps[] = {
        {KindNoctessa, 0, "tap Space"}, {KindOmbasi, 0, "tap 2\nwait 12\ntap Space\nwait 12\ntap 4"},
        {KindFairy, 0, "tap 3"},        {KindWobbinPip, 0, "tap 2\nwait 12\ntap 3\nwait 12\ntap Space"},
        {KindSalesGriffon, 0, "tap 4"}, {KindGrubbin, 1, "tap 3"},  // the merchant
        {KindSeahoofling, 1, "tap 2"},                              // the quest giver: offered, left
        {KindDoe, 1, "tap Space"},                                  // a recipe hint
        {KindBuck, 3, "tap Space"},                                 // creature lore
        {KindClockwick, 0, "tap 4"},    {KindBravaVenn, 0, "tap 3"},
        {KindHarpella, 0, "tap Space"}, {KindBurlo, 0, "tap Space"},
        {KindTroll, 0, "tap 2"},  // pushed: it turns on the hero and ends the run
    };
    GameVars[VarFolkRoleFirst] = RoleMerchant;
    GameVars[VarFolkRoleFirst + 3] = RoleQuestGiver;
    GameVars[VarFolkRoleFirst + 6] = RoleRecipeHintFirst;
    GameVars[VarFolkRoleFirst + 8] = RoleLoreFirst;
    GameVars[VarQuestType] = QuestSixSnakes;
    GameVars[VarPrizeNoctessa] = PrizeItem;
    GameVars[VarPrizeBurlo] = PrizeItem + 1;
    Friendship = 0;
    MonHp[0] = MonMaxHp[0] = 2;
    PlaceHero(5, 10);
    const std::string dumpPath = folder.path + "/after.txt";
    std::string script;
    int slot = 1;
    for (const Step& s : steps) {
        PutCreature(slot, s.kind, 4 + slot, 9, AttitudeFriendly);
        MonMode[slot] = s.mode;
        // Frozen, the wanderers among them stay in the row; the troll is not, so that once
        // pushed it can bite.
        if (s.kind != KindTroll) MonStatus[slot][StatusFrozen] = 10000;
        MonAtk[slot] = MonStr[slot] = 10;
        // The dump is taken after the last talk of the friendly ones, before the step
        // on (each turn may take a point of friendship).
        if (s.kind == KindTroll) script += "dump " + dumpPath + "\nwait 0\n";
        if (slot > 1) script += "tap Right\nwait 12\n";
        script += std::string("tap Up\nwait 12\n") + s.keys + "\nwait 12\n";
        ++slot;
    }
    script += "hold Space";
    SetDumpWriter(WriteStateDump);
    PlayScripted(folder.path, script);
    EXPECT_EQ(GameOver, 1) << "the pushed troll ends the run";

    std::map<std::string, std::string> dump;
    std::ifstream in(dumpPath);
    for (std::string line; std::getline(in, line);) {
        const size_t space = line.find(' ');
        if (space != std::string::npos) dump[line.substr(0, space)] = line.substr(space + 1);
    }
    ASSERT_FALSE(dump.empty());
    EXPECT_EQ(dump["Friendship"], "100");
    EXPECT_EQ(dump["FriendshipTimer"], "0");
    auto var = [&dump](int v) { return dump["GameVars[" + std::to_string(v) + "]"]; };
    // Every character talked to has its talk flag set; those counted down have lost a
    // turn for each step since.
    const int countedDown[] = {VarTalkNoctessa,      VarTalkOmbasi,        VarTalkFairy,
                               VarTalkWobbin,        VarTalkGriffon,       VarTalkFolkFirst,
                               VarTalkFolkFirst + 3, VarTalkFolkFirst + 6, VarTalkFolkFirst + 8};
    for (const int flag : countedDown) {
        const int value = std::stoi(var(flag));
        EXPECT_GT(value, 80) << "talk flag " << flag;
        EXPECT_LT(value, 100) << "talk flag " << flag;
    }
    for (const int flag :
         {int{VarTalkClockwick}, int{VarTalkBravaVenn}, VarTalkVillagerFirst + 1, int{VarTalkVillagerLast}})
        EXPECT_EQ(var(flag), "100") << "talk flag " << flag;
    EXPECT_EQ(var(VarTalkTroll), "0");
    EXPECT_EQ(var(VarQuestProgress), "1");
    EXPECT_EQ(var(VarTalkFolkFirst + 1), "0") << "nobody talked to the second grubbin";
    EXPECT_EQ(RecipeBook[0], 1) << "the doe's hint";
    EXPECT_EQ(dump["SiteCooldown[" + std::to_string(SiteWobbin) + "]"], std::to_string(SiteNever));
    // Noctessa and Wobbin are gone, Harpella and Burlo thanked; their gifts lie on the
    // path and under Noctessa's cell.
    int noctessa = 0, wobbin = 0, thanked = 0;
    for (const auto& [name, value] : dump) {
        if (name.rfind("Mon[", 0) != 0) continue;
        std::istringstream fields(value);
        int kind = 0, x = 0, y = 0, hp = 0, maxhp = 0, attitude = 0, mode = 0;
        fields >> kind >> x >> y >> hp >> maxhp >> attitude >> mode;
        noctessa += kind == KindNoctessa ? 1 : 0;
        wobbin += kind == KindWobbinPip ? 1 : 0;
        thanked += (kind == KindHarpella || kind == KindBurlo) && mode == 1 ? 1 : 0;
    }
    EXPECT_EQ(noctessa, 0);
    EXPECT_EQ(wobbin, 0);
    EXPECT_EQ(thanked, 2);
    EXPECT_GE(GroundAt(PrizeItem, 5, 9), 0);
    EXPECT_GE(GroundAt(PrizeItem + 1, 17, 10), 0);
}

}  // namespace
