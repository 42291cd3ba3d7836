// The trading screens, driven a frame at a time as the trader's menu drives them: what a
// purchase puts where and what it costs, what a sale takes and pays, the two cursors,
// and the held key that must not empty the purse in a second.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/state.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "items/skills.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/trading.h"
#include "support/held_keys.h"

namespace {

class TradingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        InputReset();
        InvCapacity = 48;
        for (int& e : Equip) e = -1;
        MenuCursor = 0;
        InputDelay = 0;
    }
    void TearDown() override { InputReset(); }
    // One frame of a screen with the keys as they are, then the frame's end counts the
    // delay down. True when the screen was left.
    static bool BuyFrame() {
        const bool left = RunBuyingScreen("Griffon:");
        if (InputDelay > 0) InputDelay -= 1;
        return left;
    }
    static bool SellFrame() {
        const bool left = RunSellingScreen("Griffon:", "S to sell, C to go back");
        if (InputDelay > 0) InputDelay -= 1;
        return left;
    }
    static void Offer(int i, int kind, int tier, int seed) {
        StoreItemKind[i] = kind;
        StoreItemTier[i] = tier;
        StoreItemSeed[i] = seed;
    }
    static void Carry(int slot, int kind, int tier, int seed, int count) {
        InvKind[slot] = kind;
        InvTier[slot] = tier;
        InvSeed[slot] = seed;
        InvCount[slot] = count;
    }
};

TEST_F(TradingTest, FoodJoinsTheFirstOpenStackAndEquipmentTakesAnEmptySlot) {
    const int applePrice = ItemPrice(ItemApple, 0, 0);
    Carry(0, ItemApple, 0, 0, 8);  // full
    Carry(1, ItemApple, 1, 0, 2);  // another tier
    Carry(2, ItemApple, 0, 0, 3);
    Carry(3, ItemApple, 0, 0, 5);
    Offer(4, ItemApple, 0, 0);
    MenuCursor = 4;
    Bits = 100;
    HoldKeys({KeyG});
    BuyFrame();
    EXPECT_EQ(InvCount[2], 4);
    EXPECT_EQ(InvCount[3], 5);
    EXPECT_EQ(InvCount[0] + InvCount[1], 10);
    EXPECT_EQ(Bits, 100 - applePrice) << "one apple, one price";
    EXPECT_EQ(StoreItemKind[4], ItemApple) << "the offer stays on the counter";

    // The same sword as one already carried still goes to an empty slot, alone.
    Carry(4, ItemWeapon, 1, 77, 1);
    Offer(2, ItemWeapon, 1, 77);
    MenuCursor = 2;
    Bits = 30;
    InputDelay = 0;
    HoldKeys({KeySpace});
    BuyFrame();
    EXPECT_EQ(InvCount[4], 1);
    EXPECT_EQ(InvKind[5], ItemWeapon);
    EXPECT_EQ(InvTier[5], 1);
    EXPECT_EQ(InvSeed[5], 77);
    EXPECT_EQ(InvCount[5], 1);
    EXPECT_EQ(Bits, 30 - 26);
}

TEST_F(TradingTest, WithoutTheBitsOrTheRoomNothingChanges) {
    // clang-format off
    struct Case { const char* what; int kind; int bits; int fill; int cursor; };
    // clang-format on
    const Case cases[] = {
        {"one bit short", ItemWeapon, 9, 0, 0},
        {"a full satchel, equipment", ItemWeapon, 500, 48, 0},
        {"a full satchel of other things, food", ItemApple, 500, 48, 0},
        {"an empty offer", ItemNone, 500, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        Offer(0, c.kind, 0, 5);
        for (int s = 0; s < c.fill; ++s) Carry(s, ItemWeapon, 2, s, 1);
        Bits = c.bits;
        MenuCursor = c.cursor;
        HoldKeys({KeyG});
        BuyFrame();
        EXPECT_EQ(Bits, c.bits) << c.what;
        EXPECT_EQ(InvKind[c.fill], 0) << c.what;
        EXPECT_EQ(InvKind[InvSlots - 1], 0) << c.what << ": nothing past the usable satchel";
    }
}

TEST_F(TradingTest, AHeldKeyBuysOrSellsOnceEveryTenFrames) {
    Offer(0, ItemApple, 0, 0);
    Bits = 1000;
    HoldKeys({KeyG});
    for (int frame = 0; frame < 25; ++frame) BuyFrame();
    EXPECT_EQ(InvCount[0], 3) << "frames 0, 10 and 20";
    EXPECT_EQ(Bits, 1000 - 3 * ItemPrice(ItemApple, 0, 0));

    InputReset();
    while (InputDelay > 0) SellFrame();
    MenuCursor = 0;
    HoldKeys({KeyS});
    for (int frame = 0; frame < 11; ++frame) SellFrame();
    EXPECT_EQ(InvCount[0], 1) << "frames 0 and 10";
}

TEST_F(TradingTest, TheOfferCursorStaysOnTheNineOffers) {
    // clang-format off
    struct Case { int from; int key; int to; };
    // clang-format on
    const Case cases[] = {
        {4, KeyUp, 1}, {4, KeyDown, 7}, {4, KeyLeft, 3}, {4, KeyRight, 5}, {2, KeyRight, 3},
        {1, KeyUp, 1}, {7, KeyDown, 7}, {0, KeyLeft, 0}, {8, KeyRight, 8},
    };
    for (const Case& c : cases) {
        MenuCursor = c.from;
        InputDelay = 0;
        HoldKeys({c.key});
        BuyFrame();
        EXPECT_EQ(MenuCursor, c.to) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(InputDelay, c.to == c.from ? 0 : 4) << "a move sets 5, the frame's end takes one";
    }
    MenuCursor = 4;
    InputDelay = 0;
    HoldKeys({KeyDown, KeyRight});
    BuyFrame();
    EXPECT_EQ(MenuCursor, 7) << "one move a frame";
}

TEST_F(TradingTest, TheSellingCursorNeverLeavesTheUsableSatchel) {
    // clang-format off
    struct Case { int capacity; int from; int key; int frames; int to; };
    // clang-format on
    const Case cases[] = {
        {48, 40, KeyRight, 60, 47},
        {48, 40, KeyDown, 60, 46},
        {56, 50, KeyDown, 30, 54},
        {48, 50, KeyUp, 1, 0},  // a cursor brought in past the satchel starts at its first slot
    };
    for (const Case& c : cases) {
        SetUp();
        InvCapacity = c.capacity;
        MenuCursor = c.from;
        HoldKeys({c.key});
        for (int f = 0; f < c.frames; ++f) SellFrame();
        EXPECT_EQ(MenuCursor, c.to) << c.capacity << " from " << c.from;
    }
}

TEST_F(TradingTest, SellingTakesOneUnitAndUnwearsTheSlot) {
    Carry(3, ItemWeapon, 2, 9, 2);
    Carry(7, ItemHeadgear, 0, 4, 1);
    Equip[EquipWeapon] = 3;
    Equip[EquipHeadgear] = 7;
    Bits = 10;
    MenuCursor = 3;
    HoldKeys({KeyS});
    SellFrame();
    EXPECT_EQ(InvCount[3], 1);
    EXPECT_EQ(Equip[EquipWeapon], -1) << "unworn though a unit is left";
    EXPECT_EQ(Equip[EquipHeadgear], 7);
    EXPECT_EQ(Bits, 10 + 50 / 2);

    MenuCursor = 7;
    InputDelay = 0;
    HoldKeys({KeySpace});
    SellFrame();
    EXPECT_EQ(InvKind[7], 0) << "the last unit empties the slot";
    EXPECT_EQ(InvCount[7], 0);
    EXPECT_EQ(Equip[EquipHeadgear], -1);
    EXPECT_EQ(Bits, 35 + 10 / 2);

    InputDelay = 0;
    SellFrame();
    EXPECT_EQ(Bits, 40) << "an empty slot sells nothing";
}

TEST_F(TradingTest, TheSaleValueIsHalfTheShopsOwnPrice) {
    SkillId[2] = SkillSalesBonus;  // the skill lowers what shops ask, not what they pay
    SkillLevel[2] = 3;
    // clang-format off
    struct Case { int kind; int tier; int value; };
    // clang-format on
    const Case cases[] = {
        {ItemWingthornAmulet, 0, 50},
        {ItemWeapon, 3, 39},
        // The cooked dishes are worth what the dishes they resemble are worth.
        {ItemTofuStirFry, 1, 14},
        {ItemOrangeJuice, 1, 14},
        {ItemJamOnBread, 1, 10},
        {ItemSpanishOmelette, 1, 20},
    };
    for (const Case& c : cases) {
        Carry(0, c.kind, c.tier, 1, 1);
        Bits = 0;
        MenuCursor = 0;
        InputDelay = 0;
        HoldKeys({KeyS});
        SellFrame();
        EXPECT_EQ(Bits, c.value) << "kind " << c.kind << " tier " << c.tier;
    }
}

TEST_F(TradingTest, AKeyDownAsTheScreenOpensActsOnlyAfterItHasBeenUp) {
    // clang-format off
    struct Case { bool buying; int key; };
    const Case cases[] = {
        {true, KeyG}, {true, KeySpace}, {true, KeyEnter},
        {false, KeyS}, {false, KeySpace}, {false, KeyEnter},
    };
    // clang-format on
    for (const Case& c : cases) {
        SetUp();
        Offer(0, ItemApple, 0, 0);
        Carry(0, ItemWeapon, 1, 3, 1);
        Equip[EquipWeapon] = 0;
        Bits = 500;
        HoldKeys({c.key});
        EnterTradingScreen();
        for (int frame = 0; frame < 30; ++frame) c.buying ? BuyFrame() : SellFrame();
        EXPECT_EQ(Bits, 500) << c.buying << " key " << c.key << ": held since the screen opened";
        EXPECT_EQ(Equip[EquipWeapon], 0) << c.key;
        InputReset();
        c.buying ? BuyFrame() : SellFrame();
        HoldKeys({c.key});
        c.buying ? BuyFrame() : SellFrame();
        EXPECT_NE(Bits, 500) << c.buying << " key " << c.key << ": pressed again on the screen";
    }
    // A key that was up as the screen opened acts at once, though another is still down.
    SetUp();
    Offer(0, ItemApple, 0, 0);
    Bits = 500;
    HoldKeys({KeySpace});
    EnterTradingScreen();
    BuyFrame();
    HoldKeys({KeySpace, KeyG});
    BuyFrame();
    EXPECT_EQ(Bits, 500 - ItemPrice(ItemApple, 0, 0));
}

TEST_F(TradingTest, CLeavesEitherScreenWithTheCursorAtTheStart) {
    for (const bool buying : {true, false}) {
        Carry(4, ItemApple, 0, 0, 1);
        MenuCursor = 4;
        InputDelay = 3;
        HoldKeys({KeyC});
        EXPECT_FALSE(buying ? BuyFrame() : SellFrame()) << "not while the delay runs";
        InputDelay = 0;
        EXPECT_TRUE(buying ? BuyFrame() : SellFrame());
        EXPECT_EQ(MenuCursor, 0);
        EXPECT_EQ(InputDelay, 0);
        EXPECT_EQ(InvCount[4], 1);
    }
}

}  // namespace
