#include <gtest/gtest.h>

#include "core/state.h"
#include "rules/inventory.h"
#include "support/sector_grid.h"

namespace {

struct Satchel : ::testing::Test {
    void SetUp() override {
        ClearAllTables();
        for (int& e : Equip) e = -1;
        InvCapacity = 48;
        MonKind[0] = 1;
        MonHp[0] = 1;
        MonMaxHp[0] = 500;
        MonMaxMp[0] = 500;
    }
    static void Give(int slot, int kind, int tier, int count = 1, int seed = 0) {
        InvKind[slot] = kind;
        InvTier[slot] = tier;
        InvCount[slot] = count;
        InvSeed[slot] = seed;
    }
};

constexpr int Apple = 101;
constexpr int Chocolate = 121;
constexpr int NuttyMuffins = 159;

}  // namespace

TEST_F(Satchel, EatingHealsByTierAndFillsTheStomach) {
    const struct {
        int tier;
        int hp;
        int stomach;
    } cases[] = {{0, 10, 2}, {1, 12, 2}, {2, 15, 2}, {3, 12, 2}, {4, 12, 2}};
    for (const auto& c : cases) {
        SetUp();
        Give(0, Apple, c.tier);
        EatItem(0, 0);
        EXPECT_EQ(MonHp[0], 1 + c.hp) << "tier " << c.tier;
        EXPECT_EQ(FullStomachTimer, c.stomach);
        EXPECT_EQ(MessageLog[7], "You healed " + std::to_string(c.hp) + " health!");
    }
}

TEST_F(Satchel, GourmetOnlyHelpsCookedFood) {
    SkillId[5] = 33;
    SkillLevel[5] = 3;
    Give(0, NuttyMuffins, 1);
    EatItem(0, 0);
    EXPECT_EQ(FullStomachTimer, 8);  // 25 / 3
    EXPECT_EQ(MonStatus[0][7], 10) << "muffins strengthen";
    FullStomachTimer = 0;
    Give(1, NuttyMuffins, 0);
    EatItem(1, 0);
    EXPECT_EQ(FullStomachTimer, 25);
}

TEST_F(Satchel, HealingStopsAtTheMaximumButSaysTheWholeAmount) {
    MonHp[0] = 495;
    Give(0, Apple, 2);
    EatItem(0, 0);
    EXPECT_EQ(MonHp[0], 500);
    EXPECT_EQ(MessageLog[7], "You healed 15 health!");
}

TEST_F(Satchel, AnimalFoodEnragesNeutralTreelephantsOnce) {
    for (int m : {3, 9}) {
        MonKind[m] = 13;
        MonAttitude[m] = 2;
    }
    MonKind[4] = 13;
    MonAttitude[4] = 3;  // an ally stays an ally
    Give(0, Apple, 0);
    EatItem(0, 0);
    EXPECT_EQ(MonAttitude[3], 2) << "plants leave them calm";
    EXPECT_EQ(GameVars[3], 0);
    Give(1, Chocolate, 0);
    EatItem(1, 0);
    EXPECT_EQ(MonAttitude[3], 0);
    EXPECT_EQ(MonAttitude[9], 0);
    EXPECT_EQ(MonAttitude[4], 3);
    EXPECT_EQ(GameVars[3], 1);
    EXPECT_EQ(MessageLog[7], "The Treelephants become enraged!");
    EXPECT_EQ(MessageLog[6], "You healed 10 health!");
}

TEST_F(Satchel, UsingFoodEatsOneUnitUnlessTheStomachIsFull) {
    Give(2, Apple, 0, 2);
    UseItem(2);
    EXPECT_EQ(InvCount[2], 1);
    EXPECT_EQ(InputDelay, 10);
    UseItem(2);
    EXPECT_EQ(MessageLog[7], "Your stomach is still full");
    EXPECT_EQ(InvCount[2], 1);
    FullStomachTimer = 0;
    UseItem(2);
    EXPECT_EQ(InvKind[2], 0) << "the last unit empties the slot";
}

TEST_F(Satchel, WearingTakingOffAndTheTwoAccessoryPlaces) {
    Give(0, 5, 1);  // a sword
    Give(1, 5, 2);  // another sword
    Give(2, 7, 1);  // a bow
    Give(3, 4, 1);  // three accessories
    Give(4, 4, 1);
    Give(5, 4, 1);
    const struct {
        int use;
        int weapon, acc1, acc2;
    } steps[] = {
        {0, 0, -1, -1},                   // put on the sword
        {0, -1, -1, -1},                  // Space again takes it off
        {0, 0, -1, -1},  {1, 1, -1, -1},  // another sword replaces it
        {2, 2, -1, -1},                   // a bow shares the weapon place
        {3, 2, 3, -1},                    // first accessory to Acc. 1
        {4, 2, 3, 4},                     // second to Acc. 2
        {5, 2, 3, 4},                     // a third finds no place
        {3, 2, -1, 4},                    // taking off the first
        {5, 2, 5, 4},                     // the third goes to Acc. 1
    };
    for (const auto& s : steps) {
        InputDelay = 0;
        UseItem(s.use);
        EXPECT_EQ(Equip[5], s.weapon) << "after using slot " << s.use;
        EXPECT_EQ(Equip[3], s.acc1) << "after using slot " << s.use;
        EXPECT_EQ(Equip[4], s.acc2) << "after using slot " << s.use;
    }
}

TEST_F(Satchel, SortingKeepsWornItemsWorn) {
    Give(0, 7, 1);  // bow
    Give(1, Apple, 0, 3);
    Give(3, 5, 1, 1, 77);  // sword, worn
    Give(4, 6, 1);         // an id that is nothing: dropped by the sort
    Give(6, 8, 1, 20);     // arrows come last
    Equip[5] = 3;
    SortInventory(1);
    EXPECT_EQ(InvKind[0], Apple);
    EXPECT_EQ(InvCount[0], 3);
    EXPECT_EQ(InvKind[1], 5);
    EXPECT_EQ(InvSeed[1], 77);
    EXPECT_EQ(InvKind[2], 7);
    EXPECT_EQ(InvKind[3], 8);
    EXPECT_EQ(InvKind[4], 0) << "a bow must not be copied by the last pass";
    EXPECT_EQ(Equip[5], 1);
    EXPECT_EQ(MessageLog[7], "Inventory sorted");
    SortInventory(0);
    EXPECT_EQ(InvKind[0], 5);
    EXPECT_EQ(InvKind[1], 7);
    EXPECT_EQ(InvKind[2], Apple);
    EXPECT_EQ(Equip[5], 0);
}

TEST_F(Satchel, SortingSweepsOneSlotPastTheSatchelAndNoFurther) {
    // An item a save left just past the satchel's end comes back into it; one further
    // out stays where it is, and a damaged capacity never takes the sweep off the table.
    struct Case {
        int capacity;
        int from;
        int to;
    };
    const Case cases[] = {
        {48, 48, 0}, {48, 49, 49}, {56, 56, 0}, {80, InvSlots - 1, 0}, {-2, 0, 0}, {-2, 1, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        InvCapacity = c.capacity;
        Give(c.from, Apple, 0, 2);
        SortInventory(0);
        EXPECT_EQ(InvKind[c.to], Apple) << c.capacity << " from " << c.from;
        EXPECT_EQ(InvCount[c.to], 2) << c.capacity << " from " << c.from;
        if (c.to != c.from) {
            EXPECT_EQ(InvKind[c.from], 0) << c.capacity << " from " << c.from;
        }
    }
}

TEST_F(Satchel, DroppingPutsTheWholeStackDownAndTakesItOff) {
    MonX[0] = 10;
    MonY[0] = 10;
    FillTerrain(2);
    Give(4, 101, 0, 8, 33);  // eight apples
    Give(5, 5, 2, 1, 77);    // a worn sword
    Equip[5] = 5;
    DropItem(4);
    DropItem(5);
    EXPECT_EQ(InvKind[4], 0);
    EXPECT_EQ(InvKind[5], 0);
    EXPECT_EQ(Equip[5], -1) << "a dropped item is no longer worn";
    int apples = -1, sword = -1;
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 101) apples = g;
        if (GroundItemKind[g] == 5) sword = g;
    }
    ASSERT_GE(apples, 0);
    ASSERT_GE(sword, 0);
    EXPECT_EQ(GroundItemCount[apples], 8);
    EXPECT_EQ(GroundItemSeed[apples], 33);
    EXPECT_EQ(GroundItemX[apples], 10);
    EXPECT_EQ(GroundItemSeed[sword], 77);
    EXPECT_EQ(GroundItemTier[sword], 2);

    // With every ground slot taken the drop is refused and the item stays.
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 0) GroundItemKind[g] = 102;
    }
    Give(6, 140, 1, 2);
    DropItem(6);
    EXPECT_EQ(InvKind[6], 140);
    EXPECT_EQ(InvCount[6], 2);
    EXPECT_EQ(MessageLog[7], "There is no room on the ground here to drop that");
}

TEST_F(Satchel, FoodOfferedAtTheNightStatue) {
    FillTerrain(2);
    MonX[0] = 10;
    MonY[0] = 10;
    MapTerrain[11][10] = 13;  // the statue beside the hero
    MapTerrain[30][30] = 13;  // another one far away
    auto onGround = [] {
        int n = 0;
        for (int g = 0; g < GroundSlots; ++g) n += GroundItemKind[g] != 0;
        return n;
    };

    Give(0, 101, 0, 3);  // three found apples: sweet, tier 0
    DropItem(0);
    EXPECT_EQ(GameVars[1], 3);
    EXPECT_EQ(MessageLog[7], "The item disappeared?!");
    EXPECT_EQ(onGround(), 0) << "the statue takes the offering";

    Give(0, 160, 1, 1);  // Baked Bads
    DropItem(0);
    EXPECT_EQ(GameVars[1], -7);

    // Fine sweets, in two drops, bring Noctessa; the offering is then over.
    Give(0, 140, 1, 3);
    DropItem(0);
    EXPECT_EQ(GameVars[2], 3);
    Give(0, 140, 2, 1);
    DropItem(0);
    EXPECT_EQ(GameVars[2], 4);
    EXPECT_EQ(GameVars[0], 1);
    EXPECT_EQ(GameVars[1], 0);
    EXPECT_EQ(MessageLog[7], "Noctessa appears!");
    EXPECT_EQ(MapTerrain[11][10], 2);
    EXPECT_EQ(SiteCooldown[1], 1000) << "the other statues turn to trees";
    bool noctessa = false;
    for (int m = 1; m <= MonCapacity; ++m) noctessa = noctessa || (MonKind[m] == 3 && MonX[m] == 11 && MonY[m] == 10);
    EXPECT_TRUE(noctessa);

    // After the end, food dropped beside a statue stays on the ground.
    MapTerrain[9][10] = 13;
    Give(0, 101, 0, 1);
    DropItem(0);
    EXPECT_EQ(onGround(), 1);
    EXPECT_EQ(MessageLog[7], "This text should never appear");
}

// Every way into the satchel (grabbing, buying, the pot) takes this one route: food and
// arrows top up the short stacks of their kind and tier in slot order, the rest moves
// whole into the first empty slot, and what finds no room is handed back.
TEST_F(Satchel, UnitsTopUpShortStacksInOrderAndTheRestTakesOneEmptySlot) {
    constexpr int Arrows = 8;
    constexpr int Sword = 5;
    Give(0, Apple, 0, 7);
    Give(1, Apple, 1, 2);  // another tier never joins
    Give(2, Sword, 0);
    Give(4, Apple, 0, 6);
    EXPECT_EQ(PutIntoSatchel(Apple, 0, 77, 5), 0);
    EXPECT_EQ(InvCount[0], 8);
    EXPECT_EQ(InvCount[1], 2);
    EXPECT_EQ(InvCount[4], 8);
    EXPECT_EQ(InvKind[3], Apple);  // the first empty slot takes the last two, with the seed
    EXPECT_EQ(InvCount[3], 2);
    EXPECT_EQ(InvSeed[3], 77);

    // Equipment never stacks, even on an identical piece; arrows do.
    EXPECT_TRUE(AddToSatchel(Sword, 0, 0));
    EXPECT_EQ(InvKind[5], Sword);
    EXPECT_EQ(InvCount[2], 1);
    Give(6, Arrows, 0, 3);
    EXPECT_TRUE(AddToSatchel(Arrows, 0, 0));
    EXPECT_EQ(InvCount[6], 4);

    // A full satchel: the short stacks still fill, the rest is handed back untouched.
    for (int s = 7; s < 48; ++s) Give(s, Sword, 0);
    Give(3, Apple, 0, 8);
    Give(7, Apple, 0, 5);
    EXPECT_EQ(PutIntoSatchel(Apple, 0, 0, 6), 3);
    EXPECT_EQ(InvCount[7], 8);
    EXPECT_FALSE(AddToSatchel(Apple, 0, 0));
    EXPECT_FALSE(AddToSatchel(Sword, 0, 0));
    EXPECT_EQ(InvKind[48], 0) << "past the usable slots nothing is placed";
}
