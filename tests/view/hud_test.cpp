// The HUD drawn headless after the panel keys the turn loop hands out before it: those
// keys with their bounds and delays, the 800 x 600 panel swap, choosing skills, hover
// topics, and a few pixels of the bars, the cursor bars, the counts and the text box.
#include <gtest/gtest.h>

#include <string>

#include "core/loop/turnloop.h"
#include "core/random.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/interactions.h"
#include "support/test_support.h"
#include "view/hud.h"

namespace {

constexpr unsigned Panel = 0x9696CD;      // (150, 150, 205)
constexpr unsigned Column = 0xC8C8FF;     // (200, 200, 255)
constexpr unsigned CursorBar = 0x141428;  // (20, 20, 40)

class HudTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless(""), "");
        SetBlendAlpha();
    }
    static void TearDownTestSuite() { StopPlatform(); }
    void SetUp() override {
        ClearAllTables();
        InputReset();
        UseScreen(1024, 768);
        for (int& e : Equip) e = -1;
        InvCapacity = 48;
        MonKind[0] = 1;
        MonName[0] = "QUENBY ARLO";
        MonHp[0] = MonMaxHp[0] = 20;
        MonMp[0] = MonMaxMp[0] = 10;
        XpNext = 20;
        Friendship = 50;
        Point(700, 400);  // over the map, away from every panel
    }
    void TearDown() override { InputReset(); }

    static void UseScreen(int w, int h) {
        OpenScreen(w, h);
        SetBlendAlpha();
        ScreenWidth = w;
        ScreenHeight = h;
    }
    static void Point(int x, int y) { InputPointer(x, y); }
    // One frame of the HUD as the turn loop runs it: the look results cleared, the panel
    // swap, the keys of the panels, then the panels.
    static void Frame() {
        HoverMonster = HoverItem = ItemUnderHero = HoverItemSource = HoverSkill = HoverTopic = -1;
        HoverTerrain = 0;
        ClearScreen();
        UpdatePanelSwap();
        RunPanelKeys();
        DrawPanels();
    }
    // One frame with `key` held, then released.
    static void FrameWith(int key) {
        InputPress(key);
        Frame();
        InputRelease(key);
    }
    static void GiveSkill(int slot, int id, int level) {
        SkillId[slot] = id;
        SkillLevel[slot] = level;
    }
    // True when some pixel of the box is nearly white (text is drawn white there).
    static bool WhiteIn(int left, int top, int w, int h) {
        for (int x = left; x < left + w; ++x)
            for (int y = top; y < top + h; ++y)
                if (FramePixel(x, y) == 0xFFFFFFu) return true;
        return false;
    }
};

TEST_F(HudTest, InventoryCursorMovesWithinItsRowsAndColumns) {
    // clang-format off
    struct Case { int capacity; int from; int key; int to; };
    // clang-format on
    const Case cases[] = {
        {48, 2, KeyUp, 0},     {48, 1, KeyUp, 1},     {48, 0, KeyLeft, 0},    {48, 3, KeyLeft, 2},
        {48, 45, KeyDown, 47}, {48, 46, KeyDown, 46}, {48, 46, KeyRight, 47}, {48, 47, KeyRight, 47},
        {56, 53, KeyDown, 55}, {56, 54, KeyDown, 54}, {56, 55, KeyRight, 55}, {56, 47, KeyDown, 49},
    };
    for (const Case& c : cases) {
        UiMode = UiInventory;
        InvCapacity = c.capacity;
        InvCursor = c.from;
        InputDelay = 0;
        FrameWith(c.key);
        EXPECT_EQ(InvCursor, c.to) << c.capacity << " from " << c.from << " key " << c.key;
        EXPECT_EQ(InputDelay, c.to == c.from ? 0 : 5) << c.capacity << " from " << c.from;
    }
    // A pending delay holds the cursor still.
    InvCursor = 10;
    InputDelay = 3;
    FrameWith(KeyDown);
    EXPECT_EQ(InvCursor, 10);
}

TEST_F(HudTest, InventoryClosesWithIOrCAndSwapsThePanelsBack) {
    UseScreen(800, 600);
    for (const char key : {'I', 'C'}) {
        UiMode = UiInventory;
        InputDelay = 0;
        Frame();
        EXPECT_EQ(PanelSwap, 1);
        FrameWith(LetterKey(key));
        EXPECT_EQ(UiMode, UiMap) << key;
        EXPECT_EQ(InputDelay, 20) << key;
        EXPECT_EQ(PanelSwap, 0) << key;
    }
}

TEST_F(HudTest, PanelKeysNeverReachOutsideTheTables) {
    // Cursors and capacities a damaged state could hold: the keys must stay in bounds.
    InvKind[0] = 101;
    const int keys[] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeySpace, KeyD};
    for (const int capacity : {-3, 0, 48, 80}) {
        for (const int cursor : {-7, 0, 47, 56, 57, 300}) {
            for (const int key : keys) {
                InvCapacity = capacity;
                UiMode = UiInventory;
                InvCursor = cursor;
                InputDelay = 0;
                FrameWith(key);
                UiMode = UiSkillList;
                InvCursor = cursor;
                InputDelay = 0;
                FrameWith(key);
            }
        }
    }
    // An equipment pointer past the inventory is shown as nothing worn.
    Equip[5] = 99;
    Equip[0] = -40;
    Frame();
    SUCCEED();
}

TEST_F(HudTest, PanelSwapAt800FollowsTheInventoryAndTheItemChoice) {
    UseScreen(800, 600);
    // clang-format off
    struct Case { int uiMode; int dialogue; int step; int activeSkill; int aim; int swap; };
    // clang-format on
    constexpr int MagicBeam = 3;
    const Case cases[] = {
        {UiInventory, DialogueNone, 0, 0, AimStart, 1},
        {UiMap, DialogueNone, 0, 0, AimStart, 0},
        {UiSkillList, DialogueNone, 0, 0, AimStart, 0},
        {UiMap, DialogueCookingPot, 0, 0, AimStart, 1},
        {UiMap, DialogueMagicalTree, 5, 0, AimStart, 1},
        {UiMap, DialogueSalesGriffon, 3, 0, AimStart, 1},  // selling
        {UiMap, DialogueSalesGriffon, 2, 0, AimStart, 0},  // buying
        {UiMap, DialogueGrubbin, 2, 0, AimStart, 1},
        {UiMap, DialogueBuck, 2, 0, AimStart, 1},
        {UiMap, DialogueCharacter + 29, 2, 0, AimStart, 0},  // a kind that does not trade
        {UiMap, DialogueSeahoofling, 3, 0, AimStart, 0},
        {UiAiming, DialogueNone, 0, SkillDisguise, AimStart, 1},
        {UiAiming, DialogueNone, 0, SkillBuckAnItem, AimTargeting, 0},
        {UiSkillList, DialogueNone, 0, SkillCovetCharm, AimStart, 1},
        {UiAiming, DialogueNone, 0, MagicBeam, AimStart, 0},
    };
    for (const Case& c : cases) {
        UiMode = c.uiMode;
        DialogueState = c.dialogue;
        DialogueStep = c.step;
        GiveSkill(4, c.activeSkill, 1);
        ActiveSkillSlot = 4;
        AimPhase = c.aim;
        PanelSwap = 1 - c.swap;
        InputDelay = 9;  // no key may act here
        Frame();
        EXPECT_EQ(PanelSwap, c.swap) << "mode " << c.uiMode << " dialogue " << c.dialogue << " skill " << c.activeSkill;
        // Between the depth bar and the skills lies bare column, unless the inventory
        // panel reaches down over it; below the inventory lies the equipment panel.
        EXPECT_EQ(FramePixel(150, 255), c.swap ? Panel : Column);
        EXPECT_EQ(FramePixel(150, 470), c.swap ? Column : Panel);
    }
}

TEST_F(HudTest, ASkillThatTakesAnItemGivesTheStatisticsBackWhenItsUseEnds) {
    // Covet Charm, Disguise and Buck an item pick from the satchel while their use is at
    // its start; once the use has ended, 800 x 600 shows the hit points again.
    for (const int id : {SkillCovetCharm, SkillDisguise, SkillBuckAnItem}) {
        SetUp();
        UseScreen(800, 600);
        GiveSkill(3, id, 1);
        MonMp[0] = 20;
        InputDelay = 0;
        FrameWith(KeyDigit1);
        EXPECT_EQ(ActiveSkillSlot, 3) << id;
        Frame();
        EXPECT_EQ(PanelSwap, 1) << id << ": the satchel picks the item";
        InputDelay = 0;
        InputPress(KeyC);
        RunWorldKeys();  // the skill handler: the choice is left, at no cost
        InputRelease(KeyC);
        Frame();
        EXPECT_EQ(ActiveSkillSlot, 0) << id;
        EXPECT_EQ(PanelSwap, 0) << id;
        EXPECT_EQ(FramePixel(200, 128), 0xFF0000u) << id << ": the hit-point bar";
    }
}

TEST_F(HudTest, NumberKeysAndTheListChooseSkillsThatCanBePaidFor) {
    // clang-format off
    GiveSkill(0, 1, 1);   // 1) Holding, 5 MP
    GiveSkill(1, 2, 0);   // not bought: not listed
    GiveSkill(2, 3, 2);   // 2) Magic Beam, 7 MP
    GiveSkill(3, 2, 1);   // 3) Teleport, 10 MP
    struct Case { int mp; bool staff; int key; int slot; int mode; bool refused; };
    // clang-format on
    const Case cases[] = {
        {7, false, KeyDigit1 + 1, 2, UiAiming, false},  // 7 MP pays for Magic Beam
        {7, false, KeyDigit1 + 2, 0, UiMap,
         true},  // but not for Teleport: the use ends, on the map (a number never opens the list)
        {7, true, KeyDigit1 + 2, 3, UiAiming, false},  // unless the staff halves it to 5
        {7, false, KeyDigit1 + 3, -1, UiMap, false},   // there is no fourth skill
    };
    InvKind[20] = 17;  // Orrindel St.
    for (const Case& c : cases) {
        MonMp[0] = c.mp;
        Equip[5] = c.staff ? 20 : -1;
        UiMode = UiMap;
        ActiveSkillSlot = -1;
        InputDelay = 0;
        MessageLog[MessageLogNewest] = "";
        FrameWith(c.key);
        EXPECT_EQ(ActiveSkillSlot, c.slot) << "key " << c.key;
        EXPECT_EQ(UiMode, c.mode) << "key " << c.key;
        EXPECT_EQ(InputDelay, c.slot >= 0 || c.refused ? 10 : 0);
        EXPECT_EQ(MessageLog[MessageLogNewest], c.refused ? "Not enough MP" : "") << "key " << c.key;
    }

    // Not while an interaction is open, nor while the delay runs.
    MonMp[0] = 10;
    for (const auto& [dialogue, delay] : {std::pair{DialogueTreasureChest, 0}, std::pair{DialogueNone, 1}}) {
        UiMode = UiMap;
        ActiveSkillSlot = -1;
        DialogueState = dialogue;
        InputDelay = delay;
        FrameWith(KeyDigit1);
        EXPECT_EQ(ActiveSkillSlot, -1);
        EXPECT_EQ(UiMode, UiMap);
    }

    // From the open list, Space chooses the entry under the cursor.
    DialogueState = DialogueNone;
    UiMode = UiSkillList;
    InvCursor = 2;
    InputDelay = 0;
    FrameWith(KeySpace);
    EXPECT_EQ(ActiveSkillSlot, 3);
    EXPECT_EQ(UiMode, UiAiming);
}

TEST_F(HudTest, SkillListCursorStaysOnListedEntriesAndSOrCCloses) {
    GiveSkill(0, 1, 1);
    GiveSkill(5, 32, 1);
    GiveSkill(6, 34, 1);  // three entries: 0 1 / 2
    struct Case {
        int from;
        int key;
        int to;
    };
    for (const Case c : {Case{0, KeyDown, 2}, Case{1, KeyDown, 1}, Case{2, KeyUp, 0}, Case{1, KeyUp, 1},
                         Case{1, KeyRight, 2}, Case{2, KeyRight, 2}, Case{0, KeyLeft, 0}}) {
        UiMode = UiSkillList;
        InvCursor = c.from;
        InputDelay = 0;
        FrameWith(c.key);
        EXPECT_EQ(InvCursor, c.to) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(HelpSkillSlot, c.to == 2 ? 6 : c.to == 1 ? 5 : 0) << "the help follows the cursor";
    }
    for (const char key : {'S', 'C'}) {
        UiMode = UiSkillList;
        InputDelay = 0;
        FrameWith(LetterKey(key));
        EXPECT_EQ(UiMode, UiMap);
        EXPECT_EQ(InputDelay, 20);
    }

    // A hero without usable skills: nothing listed, and the cursor cannot move.
    for (int& level : SkillLevel) level = 0;
    for (const int key : {KeyUp, KeyDown, KeyLeft, KeyRight, KeySpace}) {
        UiMode = UiSkillList;
        InvCursor = 0;
        InputDelay = 0;
        FrameWith(key);
        EXPECT_EQ(InvCursor, 0);
        EXPECT_EQ(UiMode, UiSkillList);
    }
}

TEST_F(HudTest, HoverTopicsAtBothScreenSizes) {
    // clang-format off
    MonStatus[0][3] = 2;   // Hiccups: first label at (10, 100)
    MonStatus[0][11] = 4;  // Poisoned: second label at (110, 100)
    struct Case { int w; int x; int y; int topic; };
    // clang-format on
    const Case cases[] = {
        {1024, 170, 12, 1},  {1024, 20, 30, 2},    {1024, 170, 30, 3},    {1024, 20, 41, 4},    {1024, 200, 62, 5},
        {1024, 20, 85, 7},   {1024, 20, 102, 103}, {1024, 150, 102, 111}, {1024, 20, 152, 8},   {1024, 250, 152, 9},
        {1024, 20, 364, 10}, {1024, 20, 376, 11},  {1024, 150, 364, 12},  {1024, 250, 376, 15}, {1024, 20, 200, -1},
        {800, 20, 125, 4},   {800, 20, 187, 103},  {800, 250, 237, 9},    {800, 150, 459, 12},  {800, 20, 40, -1},
    };
    for (const Case& c : cases) {
        UseScreen(c.w, c.w == 800 ? 600 : 768);
        Point(c.x, c.y);
        Frame();
        EXPECT_EQ(HoverTopic, c.topic) << c.w << " at " << c.x << "," << c.y;
    }
}

TEST_F(HudTest, HoveringItemsAndSkillsPicksWhatTheHelpDescribes) {
    InvKind[0] = 101;
    InvKind[3] = 1;
    Equip[0] = 3;  // the headgear row is the third: y = 275 + 15 + 24
    GiveSkill(0, 1, 1);
    GiveSkill(1, 3, 1);
    // clang-format off
    struct Case { int mode; int x; int y; int source; int item; int skillSlot; };
    // clang-format on
    const Case cases[] = {
        {UiMap, 20, 424, 2, 0, -1},    // inventory slot 0
        {UiMap, 170, 436, 2, 3, -1},   // inventory slot 3
        {UiMap, 20, 436, -1, -1, -1},  // slot 2 is empty
        {UiInventory, 20, 424, -1, -1,
         -1},                          // the open inventory answers to its cursor (on empty slot 5), not the pointer
        {UiMap, 150, 318, 2, 3, -1},   // the worn headgear's name
        {UiMap, 165, 192, -1, -1, 1},  // the second skill
    };
    for (const Case& c : cases) {
        UiMode = c.mode;
        InvCursor = 5;
        InputDelay = 9;
        HelpSkillSlot = -1;
        Point(c.x, c.y);
        Frame();
        EXPECT_EQ(HoverItemSource, c.source) << c.x << "," << c.y;
        EXPECT_EQ(HoverItem, c.item) << c.x << "," << c.y;
        EXPECT_EQ(HelpSkillSlot, c.skillSlot) << c.x << "," << c.y;
    }
    // The open inventory's cursor on an item makes it the described item.
    UiMode = UiInventory;
    InvCursor = 3;
    Frame();
    EXPECT_EQ(HoverItemSource, 1);
    EXPECT_EQ(HoverItem, 3);
}

TEST_F(HudTest, SkillHelpStaysInsideTheTextBox) {
    // Teleport's first help line is longer than the box is wide at 1024 x 768: it wraps
    // into the free row above the cost instead of running off the screen.
    GiveSkill(0, 2, 1);
    UiMode = UiSkillList;
    InvCursor = 0;
    InputDelay = 9;
    Frame();
    EXPECT_EQ(HoverSkill, 1);
    EXPECT_TRUE(WhiteIn(310, 20, 700, 16)) << "first line";
    EXPECT_TRUE(WhiteIn(310, 40, 100, 16)) << "its wrapped end and the second line";
    EXPECT_TRUE(WhiteIn(310, 50, 100, 16)) << "cost and level";
    EXPECT_FALSE(WhiteIn(1016, 5, 8, 80)) << "nothing reaches the box's right edge";
}

TEST_F(HudTest, BarsFillInProportionAndNeverLeaveTheirFrames) {
    MonHp[0] = 7;  // 7 of 20: 52.5 of 150 pixels
    MonMp[0] = -4;
    Friendship = 130;
    XpNext = 0;
    MonXp[0] = 5;
    Frame();
    // Bars are inside (130, y0 + 30) .. (279, y0 + 39) with y0 = 10.
    EXPECT_EQ(FramePixel(181, 44), 0xFF0000u);
    EXPECT_EQ(FramePixel(182, 44), 0x190000u);
    EXPECT_EQ(FramePixel(130, 59), 0x001900u) << "negative magic shows an empty bar";
    EXPECT_EQ(FramePixel(279, 74), 0xFF00FFu) << "friendship fills its bar and no more";
    EXPECT_EQ(FramePixel(281, 74), 0x6969FFu) << "the frame stays";
    EXPECT_EQ(FramePixel(130, 89), 0x191900u) << "no experience needed: empty bar";
}

TEST_F(HudTest, CursorBarsMarkTheInventoryCursorAndTheItemChoice) {
    // Slot 3 sits at (160, 432), slot 6 at (10, 456); both empty, so only the bar shows.
    UiMode = UiInventory;
    InvCursor = 3;
    InputDelay = 9;
    Frame();
    EXPECT_EQ(FramePixel(270, 438), CursorBar);
    EXPECT_EQ(FramePixel(120, 462), Panel);
    UiMode = UiMap;
    DialogueState = DialogueCookingPot;  // picks with MenuCursor
    MenuCursor = 6;
    Frame();
    EXPECT_EQ(FramePixel(270, 438), Panel);
    EXPECT_EQ(FramePixel(120, 462), CursorBar);
}

TEST_F(HudTest, CountedNamesAreDrawnWholeAndTheirCountsStayInTheLeftColumn) {
    // Spanish Omelette is one letter longer than the 15 that fit before the count's
    // column; it stands in both columns of the first row.
    constexpr unsigned Food = 0x75460D;  // (117, 70, 13)
    InvKind[0] = InvKind[1] = 194;
    InvCount[0] = 3;
    InvCount[1] = 8;
    UiMode = UiInventory;  // so that 800 x 600 shows the panel
    InvCursor = 4;
    InputDelay = 9;
    const auto foodIn = [](int left, int right, int top) {
        for (int x = left; x <= right; ++x)
            for (int y = top; y < top + 12; ++y)
                if (FramePixel(x, y) == Food) return true;
        return false;
    };
    for (const int w : {1024, 800}) {
        UseScreen(w, w == 800 ? 600 : 768);
        Frame();
        const int y = w == 800 ? 110 : 420;
        for (const int x : {10, 160}) {
            // The sixteenth letter, an e, with its whole crossbar.
            for (int px = x + 121; px <= x + 125; ++px) EXPECT_EQ(FramePixel(px, y + 9), Food) << w << " " << x;
            EXPECT_TRUE(foodIn(x + 126, x + 139, y)) << w << " " << x << ": the count after the name";
        }
        EXPECT_FALSE(foodIn(150, 159, y)) << w << ": the left count stops before the right column";
        EXPECT_FALSE(foodIn(300, 320, y)) << w << ": the right count stops before the map";
    }
}

TEST_F(HudTest, MessageLogAtTheBottomOrInTheFreeTopBox) {
    MessageLog[MessageLogNewest] = "WWWW";
    Frame();
    EXPECT_TRUE(WhiteIn(315, 738, 32, 16)) << "newest line at the bottom of the message box";
    EXPECT_FALSE(WhiteIn(310, 10, 400, 70)) << "nothing to say in the top box";
    Point(20, 41);  // the hit points: a help text
    Frame();
    EXPECT_TRUE(WhiteIn(310, 10, 400, 16));
    EXPECT_TRUE(WhiteIn(315, 738, 32, 16)) << "the log stays at 1024 x 768";

    UseScreen(800, 600);
    Point(700, 400);
    Frame();
    EXPECT_TRUE(WhiteIn(15, 70, 32, 16)) << "the newest line at the foot of the top box";
    Point(20, 125);
    Frame();
    EXPECT_FALSE(WhiteIn(15, 70, 32, 16)) << "a help text takes the top box";
    Point(700, 400);
    DialogueState = DialogueBook;
    Frame();
    EXPECT_FALSE(WhiteIn(15, 70, 32, 16)) << "so does an open interaction";
}

TEST_F(HudTest, EachShownItemIsDescribedOnceAFrame) {
    // Item descriptions draw from the game's one stream, so the frame's draws must not
    // depend on anything but what is shown: two slots, one of them worn, and nothing
    // for the empty slots around them.
    InvKind[0] = 101;
    InvKind[7] = 2;
    InvSeed[7] = 55;
    InvTier[7] = 2;
    Equip[1] = 7;
    SeedRandom(1234);
    Frame();
    const int after = RandomState();
    SeedRandom(1234);
    DescribeItem(2, 2, 55);   // the dress row of the equipment panel
    DescribeItem(101, 0, 0);  // inventory slot 0
    DescribeItem(2, 2, 55);   // inventory slot 7
    EXPECT_EQ(RandomState(), after);
}

}  // namespace
