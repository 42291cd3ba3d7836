// Look mode read off whole frames of the turn loop on a meadow: the lines written into
// the top text box (where, and in which order) for a creature, a pile of items, the
// open inventory and the skill help, at both screen sizes, and what must stay out of
// the box: help left over from a hover, and anything under an open interaction.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "items/skills.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/interactions.h"
#include "view/drawn_line.h"
#include "worldgen/creatures.h"

namespace {

class LookFrameTest : public DrawnMeadowTest {
protected:
    void SetUp() override {
        DrawnMeadowTest::SetUp();
        PushMessage("LOGLINE");
        MessageSeenCount = MessagePushCount;  // shown before the test: no answer line to come back
    }

    // Where the look lines start.
    static int TextX() { return ScreenWidth == 800 ? 10 : 310; }
    // The pointer's pixel over a cell of the map (the camera stays at 0 for a hero at
    // (10, 10) at both sizes).
    static void PointAtCell(int x, int y) { InputPointer(300 + 16 * x + 8, 90 + 16 * y + 8); }
    // The texts written into the top box in one frame with no key held; a frame is run
    // first, as the pointer's cell is taken at the end of a frame.
    static std::vector<DrawnLine> TopBox() {
        TurnLoopFrame();
        drawn.clear();
        TurnLoopFrame();
        return InTopBox(drawn);
    }
    static bool Has(const std::vector<DrawnLine>& lines, const std::string& text) {
        return std::any_of(lines.begin(), lines.end(), [&](const DrawnLine& l) { return l.text == text; });
    }
    static void PutGround(int g, int kind, int x, int y) {
        GroundItemKind[g] = kind;
        GroundItemX[g] = x;
        GroundItemY[g] = y;
        GroundItemCount[g] = 1;
    }
};

TEST_F(LookFrameTest, CreaturesAtBothSizes) {
    // clang-format off
    struct Case { int attitude; int hp; const char* second; };
    const Case cases[] = {
        {AttitudeHostile,  18, "This creature is hostile.  It looks healthy."},
        {AttitudeHostile,  12, "This creature is hostile.  It looks a little hurt."},
        {AttitudeHostile,   3, "This creature is hostile.  It looks badly injured!"},
        {AttitudeAlly,      7, "This creature is on your side. HP:7/20"},
        {AttitudeFriendly, 20, "This creature is friendly."},
        {AttitudeNeutral,  20, "This creature is neutral."},
    };
    // clang-format on
    for (const int w : {1024, 800}) {
        UseScreen(w);
        const int x = TextX();
        for (const Case& c : cases) {
            PutCreature(1, KindWasp, 12, 10, c.attitude);
            MonHp[1] = c.hp;
            PointAtCell(12, 10);
            const std::vector<DrawnLine> expected = {
                {"It's grass.", x, 10}, {"You see a BEAST1 here", x, 20}, {c.second, x, 30}};
            EXPECT_EQ(TopBox(), expected) << w << " " << c.second;
        }
        // The hero himself, by his capital name; at 800 x 600 the log gives the box up.
        PointAtCell(10, 10);
        const std::vector<DrawnLine> expected = {{"It's grass.", x, 10}, {"You are HERO", x, 20}};
        EXPECT_EQ(TopBox(), expected) << w;
    }
}

TEST_F(LookFrameTest, APileOfFiveItemsIsOneLineAtBothSizes) {
    // The hero stands on five pieces of food and the pointer rests on him: the pile is
    // named once as what lies there and once as what lies here, with the eating key.
    const int kinds[5] = {ItemApple, ItemCupcake, ItemBanana, ItemCherry, ItemOranges};
    for (int i = 0; i < 5; ++i) PutGround(30 + 7 * i, kinds[i], 10, 10);
    const std::string pile = "There is a Apple and a Cupcake and a Banana and other things";
    for (const int w : {1024, 800}) {
        UseScreen(w);
        const int x = TextX();
        PointAtCell(10, 10);
        const std::vector<DrawnLine> expected = {
            {"It's grass.", x, 10},
            {"You are HERO", x, 20},
            {pile + " there", x, 30},
            {pile + " here", x, 40},
            {"Press (g) to pick up    (e) to eat the food", x, 50},
        };
        EXPECT_EQ(TopBox(), expected) << w;
    }
    // Nothing to eat among them: the plain pick-up line.
    for (int i = 0; i < 5; ++i) GroundItemKind[30 + 7 * i] = 0;
    PutGround(3, ItemLetter, 10, 10);
    PointAtCell(14, 14);
    EXPECT_TRUE(Has(TopBox(), "press (g) To pick up"));
}

TEST_F(LookFrameTest, TheOpenInventoryDescribesTheSlotUnderItsCursor) {
    // Ground slot 5 lies under the pointer and satchel slot 5 holds a Banana: neither
    // may stand in for the Apple under the cursor in slot 3.
    InvKind[3] = ItemApple;
    InvCount[3] = 2;
    InvKind[5] = ItemBanana;
    InvCount[5] = 1;
    PutGround(5, ItemCupcake, 13, 12);
    DescribeItem(ItemApple, 0, 0);
    const std::string help1 = LookupText;
    const std::string help2 = LookupText2;
    for (const int w : {1024, 800}) {
        UseScreen(w);
        const int x = TextX();
        UiMode = UiInventory;
        InvCursor = 3;
        InputDelay = 9;  // no key acts
        PointAtCell(13, 12);
        const std::vector<DrawnLine> expected = {
            {"You have a Apple in your inventory", x, 10},
            {"You can eat this.  It is found food.", x, 20},
            {help1, x, 30},
            {help2, x, 40},
            {"(d) to drop     (space) eat/equip    (i) to cancel", x, 50},
        };
        EXPECT_EQ(TopBox(), expected) << w;
        // On an empty slot there is nothing to describe, and at 800 x 600 the log comes back.
        InvCursor = 4;
        const std::vector<DrawnLine> box = TopBox();
        EXPECT_FALSE(HasStart(box, "You have a")) << w;
        EXPECT_FALSE(HasStart(box, "There is a")) << w;
        EXPECT_EQ(Has(box, "LOGLINE"), w == 800) << w;
    }
}

TEST_F(LookFrameTest, SkillHelpShowsLevelMaxAtTheTopLevel) {
    SkillId[0] = SkillMagicBeam;
    InvKind[1] = ItemHeadgear;
    Equip[0] = 1;  // the third row of the equipment panel
    // clang-format off
    struct Case { int level; const char* shown; };
    const Case cases[] = {{1, "Level:1"}, {2, "Level:2"}, {SkillMaxLevel, "Level: MAX"}};
    // clang-format on
    for (const int w : {1024, 800}) {
        UseScreen(w);
        const int x = TextX();
        for (const Case& c : cases) {
            SkillLevel[0] = c.level;
            UiMode = UiSkillList;
            InvCursor = 0;
            InputDelay = 9;
            const std::vector<DrawnLine> expected = {
                {"Magic Beam", x, 10},
                {"This is a basic magical blast to harm enemies", x, 20},
                {"Higher skill levels allow you to deal more damage", x, 30},
                {"Costs:7", x, 50},
                {c.shown, x + 100, 50},
            };
            EXPECT_EQ(TopBox(), expected) << w << " level " << c.level;
            // A worn item under the pointer writes nothing over the open list's help.
            InputPointer(150, w == 800 ? 413 : 318);
            EXPECT_EQ(TopBox(), expected) << w << " level " << c.level << ", pointer on the worn headgear";
            InputPointer(700, 580);
        }
    }
}

TEST_F(LookFrameTest, HoveringASkillShowsItsHelpOnlyWhileThePointerRests) {
    SkillId[2] = SkillMagicBeam;
    SkillLevel[2] = 1;
    // The first entry of the skill list: (10, 190) at 1024 x 768, (10, 280) at 800 x 600.
    for (const int w : {1024, 800}) {
        UseScreen(w);
        InputPointer(30, w == 800 ? 284 : 194);
        EXPECT_TRUE(Has(TopBox(), "Magic Beam")) << w;
        PointAtCell(20, 5);  // away over bare grass
        const std::vector<DrawnLine> expected = {{"It's grass.", TextX(), 10}};
        EXPECT_EQ(TopBox(), expected) << w << ": no help is left behind";
        // Nor does the hovered skill linger once the pointer rests on a panel or a topic.
        InputPointer(20, w == 800 ? 125 : 41);
        const std::vector<DrawnLine> box = TopBox();
        EXPECT_FALSE(Has(box, "Magic Beam")) << w;
        EXPECT_TRUE(Has(box, "Health Points. If your health is at zero, you die.")) << w;
    }
}

TEST_F(LookFrameTest, NoLookLineIsWrittenIntoTheTopBoxUnderAnOpenInteraction) {
    // At a cooking pot the satchel picks what goes in; the pointer on a satchel item, on
    // a worn item or on a pile on the map adds no line to the pot's in the top box. The
    // pile on the map is not described at all: it draws nothing from the game's stream.
    InvKind[0] = ItemApple;
    InvCount[0] = 1;
    InvKind[1] = ItemHeadgear;  // worn
    Equip[0] = 1;
    PutGround(2, ItemBanana, 14, 12);
    DialogueState = DialogueCookingPot;
    for (const int w : {1024, 800}) {
        UseScreen(w);
        InputPointer(700, 580);  // nowhere in particular
        SeedRandom(77);
        const std::vector<DrawnLine> bare = TopBox();
        const int bareRandom = RandomState();
        EXPECT_FALSE(Has(bare, "LOGLINE")) << w;
        struct Spot {
            int x, y;
            bool described;
        };
        const Spot spots[] = {
            {20, w == 800 ? 114 : 424, true},              // satchel slot 0
            {150, 318, w == 1024},                         // the headgear row of the equipment panel (1024 x 768)
            {300 + 16 * 14 + 8, 90 + 16 * 12 + 8, false},  // the pile
        };
        for (const Spot& s : spots) {
            InputPointer(s.x, s.y);
            SeedRandom(77);
            EXPECT_EQ(TopBox(), bare) << w << " at " << s.x << "," << s.y;
            EXPECT_EQ(RandomState() != bareRandom, s.described) << w << " at " << s.x << "," << s.y;
        }
    }
}

}  // namespace
