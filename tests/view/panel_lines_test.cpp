// What an open panel shares the screen with, read off whole frames of the turn loop: the
// satchel item under the pointer described beside the panel's lines, the answer line
// at 800 x 600, the trading screens' lines and bar, the pot's places, the one-line
// answers of the forest folk and the help line of a skill in use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "rules/interactions.h"
#include "view/drawn_line.h"
#include "worldgen/creatures.h"

namespace {

class PanelLinesTest : public DrawnMeadowTest {
protected:
    void SetUp() override {
        DrawnMeadowTest::SetUp();
        InputPointer(150, 560);  // on nothing at either size
    }

    // Every text of one frame of the turn loop, keys as they are.
    static std::vector<DrawnLine> Frame() {
        drawn.clear();
        TurnLoopFrame();
        return drawn;
    }
    static const DrawnLine* Find(const std::vector<DrawnLine>& lines, const std::string& text) {
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const DrawnLine& l) { return l.text == text; });
        return it == lines.end() ? nullptr : &*it;
    }
    static void Carry(int slot, int kind, int count) {
        InvKind[slot] = kind;
        InvCount[slot] = count;
    }
    // Satchel slot 0 in the inventory panel: (10, 420) at 1024 x 768, (10, 110) at 800 x 600.
    static void PointAtFirstSlot() { InputPointer(20, ScreenWidth == 800 ? 114 : 424); }
    // A griffon beside the hero with its conversation open at `step`.
    static void OpenGriffon(int step) {
        PutCreature(1, KindSalesGriffon, 11, 10, AttitudeFriendly);
        DialogueCreature = 1;
        DialogueState = DialogueSalesGriffon;
        DialogueStep = step;
    }
};

TEST_F(PanelLinesTest, TheSatchelItemUnderThePointerIsDescribedBesideAnOpenPanel) {
    // The pointer on the Apple in the satchel while the pot or the griffon's counter is
    // open: the item is described (one more draw from the game's stream) in a box below
    // the top box or at the screen's foot, and the panel's own lines stay as they were.
    Carry(0, ItemApple, 1);
    DescribeItem(ItemApple, 0, 0);
    const std::string help1 = LookupText;
    const std::string help2 = LookupText2;
    struct Case {
        const char* what;
        int state, step;
    };
    const Case cases[] = {{"the pot", DialogueCookingPot, 1}, {"the griffon buying from the satchel", 0, 3}};
    for (const int w : {1024, 800}) {
        for (const Case& c : cases) {
            UseScreen(w);
            if (c.state == DialogueCookingPot) {
                DialogueState = DialogueCookingPot;
                DialogueStep = c.step;
            } else {
                OpenGriffon(c.step);
            }
            InputDelay = 9;
            InputPointer(150, 560);
            Frame();
            SeedRandom(77);
            const std::vector<DrawnLine> bare = Frame();
            const int bareRandom = RandomState();
            PointAtFirstSlot();
            Frame();  // the pointer's hover is read as the panels are drawn
            SeedRandom(77);
            const std::vector<DrawnLine> hovered = Frame();
            EXPECT_NE(RandomState(), bareRandom) << w << " " << c.what << ": the description draws";
            EXPECT_EQ(InTopBox(hovered), InTopBox(bare)) << w << " " << c.what;
            const int x = w == 800 ? 10 : 310;
            const int y = w == 800 ? 543 : 93;
            const std::vector<DrawnLine> expected = {
                {"You have a Apple in your inventory", x, y},
                {"You can eat this.  It is found food.", x, y + 10},
                {help1, x, y + 20},
                {help2, x, y + 30},
            };
            std::vector<DrawnLine> described;
            for (const DrawnLine& l : hovered)
                if (l.y >= y && l.y <= y + 30 && l.x == x) described.push_back(l);
            EXPECT_EQ(described, expected) << w << " " << c.what;
        }
    }
}

TEST_F(PanelLinesTest, AGroundPileUnderThePointerStaysUndescribedBehindAPanel) {
    GroundItemKind[2] = ItemBanana;
    GroundItemX[2] = 14;
    GroundItemY[2] = 12;
    GroundItemCount[2] = 1;
    DialogueState = DialogueCookingPot;
    DialogueStep = 1;
    InputDelay = 9;
    UseScreen(1024);
    InputPointer(300 + 16 * 14 + 8, 90 + 16 * 12 + 8);
    Frame();
    EXPECT_FALSE(HasStart(Frame(), "There is a"));
}

TEST_F(PanelLinesTest, At800TheNewestLineSinceAPanelOpenedIsOnAFreeLineOfTheTopBox) {
    // Each panel leaves its own lines free; the answer takes the lowest of the first
    // seven. At 1024 x 768 the log below the map says it, and the top box stays the panel's.
    struct Case {
        const char* what;
        void (*open)();
        int line;
    };
    const Case cases[] = {
        {"the pot",
         [] {
             DialogueState = DialogueCookingPot;
             DialogueStep = 1;
         },
         6},
        {"the buying screen", [] { OpenGriffon(2); }, 1},
        {"the selling screen", [] { OpenGriffon(3); }, 2},
        {"a skill being aimed",
         [] {
             UiMode = UiAiming;
             ActiveSkillSlot = 0;
             AimPhase = AimTargeting;
             TargetX = MonX[0];
             TargetY = MonY[0];
         },
         6},
        {"the look text of a cell", [] { InputPointer(300 + 16 * 14 + 8, 90 + 16 * 12 + 8); }, 6},
    };
    for (const int w : {800, 1024}) {
        for (const Case& c : cases) {
            SetUp();
            // A sword to sell and nine to buy: each shows two lines of description.
            Carry(0, ItemWeapon, 1);
            InvTier[0] = 1;
            for (int i = 0; i < StoreSlots; ++i) {
                StoreItemKind[i] = ItemWeapon;
                StoreItemTier[i] = 1;
            }
            SkillId[0] = SkillMagicBeam;
            SkillLevel[0] = 1;
            UseScreen(w);
            InputDelay = 30;  // no key acts
            PushMessage("Said before");
            Frame();  // the pointer's cell is taken at the end of a frame
            Frame();  // the log is shown: what it said is seen
            c.open();
            Frame();
            const std::vector<DrawnLine> quiet = InTopBox(Frame());
            EXPECT_EQ(Find(quiet, "Said before"), nullptr) << w << " " << c.what << ": seen before the panel";
            PushMessage("Said now");
            Frame();
            const std::vector<DrawnLine> box = InTopBox(Frame());
            const DrawnLine* answer = Find(box, "Said now");
            if (w == 1024) {
                EXPECT_EQ(answer, nullptr) << c.what;
                continue;
            }
            ASSERT_NE(answer, nullptr) << c.what;
            EXPECT_EQ(*answer, (DrawnLine{"Said now", 10, 10 + 10 * c.line})) << c.what;
            EXPECT_EQ(std::count_if(box.begin(), box.end(), [&](const DrawnLine& l) { return l.y == answer->y; }), 1)
                << c.what << ": the line is free of anything else";
        }
    }
}

TEST_F(PanelLinesTest, TheKeyThatFindsNoRecipeIsAnsweredInThePotAt800) {
    UseScreen(800);
    Frame();
    DialogueState = DialogueCookingPot;
    DialogueStep = 0;
    Frame();
    InputDelay = 0;
    InputPress(KeyG);
    Frame();
    InputReset();
    const std::vector<DrawnLine> box = InTopBox(Frame());
    const DrawnLine* answer = Find(box, "Not a recipe!");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->y, 70) << "below the pot's six lines";
}

TEST_F(PanelLinesTest, AnEmptySatchelSlotShowsNoItemLinesAtEitherTrader) {
    PutCreature(2, KindGrubbin, 9, 10, AttitudeFriendly);
    MonMode[2] = 1;
    GameVars[VarFolkRoleFirst] = RoleMerchant;
    Carry(1, ItemApple, 1);
    struct Case {
        const char* what;
        int state, step, creature;
    };
    const Case cases[] = {
        {"the griffon", DialogueSalesGriffon, GriffonSellingStep, 1},
        {"a merchant", DialogueGrubbin, ForestFolkSellingStep, 2},
    };
    for (const Case& c : cases) {
        UseScreen(1024);
        PutCreature(1, KindSalesGriffon, 11, 10, AttitudeFriendly);
        DialogueCreature = c.creature;
        DialogueState = c.state;
        DialogueStep = c.step;
        MenuCursor = 0;  // the empty slot
        InputDelay = 9;
        const std::vector<DrawnLine> empty = InTopBox(Frame());
        EXPECT_FALSE(HasStart(empty, "Item:")) << c.what;
        EXPECT_FALSE(HasStart(empty, "Value:")) << c.what;
        MenuCursor = 1;
        const std::vector<DrawnLine> apple = InTopBox(Frame());
        EXPECT_NE(Find(apple, "Item: Apple"), nullptr) << c.what;
        EXPECT_TRUE(HasStart(apple, "Value: ")) << c.what;
    }
}

TEST_F(PanelLinesTest, ThePurseIsOnTheSellingScreenAt800Only) {
    Bits = 345;
    for (const int w : {800, 1024}) {
        UseScreen(w);
        OpenGriffon(GriffonSellingStep);
        InputDelay = 9;
        const std::vector<DrawnLine> box = InTopBox(Frame());
        const DrawnLine* purse = Find(box, "Bits: 345");
        EXPECT_EQ(purse != nullptr, w == 800) << w << ": at 1024 x 768 the statistics show it";
        if (purse) {
            EXPECT_EQ(purse->y, 50) << "beside the item's value";
        }
    }
}

TEST_F(PanelLinesTest, TheOfferBarLiesUnderTheOfferAbove) {
    // The bar of offer 3 (second row) reaches up to the first row's glyphs; drawn
    // first, it leaves the lower strokes of "Apple" above it in white.
    StoreItemKind[0] = ItemApple;
    StoreItemKind[3] = ItemApple;
    UseScreen(1024);
    OpenGriffon(2);
    MenuCursor = 3;
    InputDelay = 9;
    TempFolder folder;
    ClearScreen();
    RunInteraction();  // the counter alone, on a cleared frame
    std::string error;
    ASSERT_TRUE(SaveFrame(folder.path + "/shop.png", error)) << error;
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    ASSERT_TRUE(LoadPng(folder.path + "/shop.png", w, h, rgba, error)) << error;
    int white = 0;
    // Offer 0 at (310, 30); the bar of offer 3 from y 41 down.
    for (int y = 41; y < 46; ++y)
        for (int x = 310; x < 350; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            if (p[0] > 200 && p[1] > 200 && p[2] > 200) ++white;
        }
    EXPECT_GT(white, 0);
}

TEST_F(PanelLinesTest, PotPlacesHoldFourteenGlyphsOfAName) {
    UseScreen(1024);
    const int kinds[] = {ItemSpanishOmelette, ItemApple, ItemScrambledEgg, ItemChocPancakes, ItemSpanishOmelette};
    for (int i = 0; i < PotSlots; ++i) PotKind[i] = kinds[i];
    DialogueState = DialogueCookingPot;
    DialogueStep = 1;
    InputDelay = 9;
    std::vector<DrawnLine> places;
    for (const DrawnLine& l : InTopBox(Frame()))
        if (l.y == 30) places.push_back(l);
    ASSERT_EQ(places.size(), 5u);
    for (int i = 0; i < PotSlots; ++i) {
        DescribeItem(kinds[i], 0, 0);
        EXPECT_EQ(places[i].text, std::to_string(i + 1) + ")" + LookupName.substr(0, 14)) << i;
        EXPECT_LE(places[i].x + 8 * static_cast<int>(places[i].text.size()), 310 + 130 * (i + 1) - 2)
            << i << ": ends before the next place's number";
    }
}

TEST_F(PanelLinesTest, AOneLineAnswerOfTheForestFolkHasItsKeyRightBelow) {
    // clang-format off
    struct Case { int role; int keyLine; };
    const Case cases[] = {
        {3, 3},   // a recipe hint of two lines
        {7, 2},   // porridge, one line
        {25, 2},  // the timberwolves' lore, one line
        {21, 3},  // the nibblits', two lines
    };
    // clang-format on
    TempFolder folder;  // a hint writes the recipe book
    std::string error;
    ChooseDataRoot(folder.path, error);
    for (const Case& c : cases) {
        UseScreen(1024);
        PutCreature(1, KindGrubbin, 11, 10, AttitudeFriendly);
        MonMode[1] = 1;
        GameVars[VarFolkRoleFirst] = c.role;
        DialogueCreature = 1;
        DialogueState = DialogueGrubbin;
        DialogueStep = 0;
        InputDelay = 9;
        const std::vector<DrawnLine> box = InTopBox(Frame());
        const DrawnLine* key = Find(box, "Press space to continue");
        ASSERT_NE(key, nullptr) << c.role;
        EXPECT_EQ(key->y, 10 + 10 * c.keyLine) << c.role;
        EXPECT_FALSE(std::any_of(box.begin(), box.end(), [](const DrawnLine& l) { return l.text.empty(); })) << c.role;
    }
}

TEST_F(PanelLinesTest, TheHelpLineOfASkillInUseSaysWhatItWaitsFor) {
    // clang-format off
    struct Case { int skill; const char* keys; };
    const Case cases[] = {
        {SkillParty,        ": (space) to use it here, (c) cancel"},
        {SkillVaneburst,    ": (space) to use it here, (c) cancel"},
        {SkillTornado,      ": (space) to use it here, (c) cancel"},
        {SkillFindTreasure, ": (space) to use it here, (c) cancel"},
        {SkillWhining,      ": (space) to use it here, (c) cancel"},
        {SkillHooflingUp,   ": (space) to use it here, (c) cancel"},
        {SkillWildBuck,     ": (space) to use it here, (c) cancel"},
        {SkillMagicBeam,    ": move the target with the arrows, (space) on a red square,  (c) cancel"},
    };
    // clang-format on
    for (const int w : {1024, 800}) {
        UseScreen(w);
        for (const Case& c : cases) {
            SkillId[0] = c.skill;
            SkillLevel[0] = 1;
            UiMode = UiAiming;
            ActiveSkillSlot = 0;
            AimPhase = AimTargeting;
            TargetX = MonX[0];
            TargetY = MonY[0];
            InputDelay = 9;
            DescribeSkill(c.skill);
            const std::vector<DrawnLine> box = InTopBox(Frame());
            const DrawnLine expected{LookupName + c.keys, w == 800 ? 10 : 310, 10};
            ASSERT_FALSE(box.empty()) << c.skill;
            EXPECT_EQ(box.front(), expected) << w << " skill " << c.skill;
        }
    }
}

}  // namespace
