#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/random.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "items/skills.h"

namespace {

class ItemCatalogue : public ::testing::Test {
protected:
    void SetUp() override { ClearAllTables(); }
    void TearDown() override { ClearAllTables(); }
};

struct Texts {
    std::string name, line1, line2;
    bool operator==(const Texts&) const = default;
};

Texts Describe(int kind, int tier, int seed) {
    DescribeItem(kind, tier, seed);
    return {LookupName, LookupText, LookupText2};
}

TEST_F(ItemCatalogue, CategoryOfEveryKindOfId) {
    const std::vector<std::pair<int, int>> cases = {
        {0, 0},   {6, 0},   {25, 0},   {29, 0},  {-1, 0},  {-500, 0}, {1, 1},   {10, 1},  {16, 1},
        {21, 1},  {2, 2},   {23, 2},   {3, 3},   {4, 4},   {11, 4},   {15, 4},  {22, 4},  {24, 4},
        {5, 5},   {17, 5},  {18, 5},   {19, 5},  {7, 7},   {20, 7},   {8, 8},   {9, 9},   {30, 11},
        {31, 11}, {99, 11}, {100, 10}, {101, 6}, {107, 6}, {160, 6},  {199, 6}, {200, 6}, {5000, 6},
    };
    for (const auto& [kind, category] : cases) EXPECT_EQ(ItemCategory(kind), category) << "id " << kind;
}

// kind, tier, raw, Sales Bonus level (0: no skill), price
struct PriceCase {
    int kind, tier, raw, sales, price;
};

TEST_F(ItemCatalogue, PricesAndTheSalesBonusDiscount) {
    const PriceCase cases[] = {
        // Generated equipment: (10t + 10) + t * ((10t + 10) / 3).
        // clang-format off
        {5, 0, 1, 0, 10}, {1, 1, 1, 0, 26}, {2, 2, 1, 0, 50}, {3, 3, 1, 0, 79}, {4, 4, 1, 0, 114}, {5, 5, 1, 0, 160},
        {7, 6, 1, 0, 208},
        // Unique equipment is 100 whatever its category, then scaled by tier.
        {18, 2, 1, 0, 166}, {24, 0, 1, 0, 100}, {16, 3, 1, 0, 199},
        {8, 3, 1, 0, 2}, {9, 0, 1, 0, 14}, {9, 3, 1, 0, 26}, {30, 1, 1, 0, 266}, {31, 0, 1, 0, 2000}, {0, 4, 1, 0, 0},
        {140, 1, 1, 0, 29}, {185, 0, 1, 0, 22}, {106, 0, 1, 0, 20}, {101, 2, 1, 0, 7}, {200, 0, 1, 0, 2000},
        // The discount: single-precision factors leave whole results one bit short.
        {101, 0, 0, 1, 4}, {5, 0, 0, 1, 8}, {5, 0, 0, 0, 10},
        {24, 0, 0, 1, 89}, {24, 0, 0, 2, 79}, {24, 0, 0, 3, 69}, {147, 0, 0, 2, 11},
        // raw = 1 is the shop's own price, whatever the hero's skill.
        {24, 0, 1, 3, 100}, {5, 0, 1, 1, 10},
    };
    // clang-format on
    for (const PriceCase& c : cases) {
        ClearAllTables();
        if (c.sales > 0) {
            SkillId[4] = SkillSalesBonus;
            SkillLevel[4] = c.sales;
        }
        EXPECT_EQ(ItemPrice(c.kind, c.tier, c.raw), c.price)
            << "ItemPrice(" << c.kind << ", " << c.tier << ", " << c.raw << ") with Sales Bonus " << c.sales;
    }
}

TEST_F(ItemCatalogue, EverySalesBonusSlotDiscountsInTurn) {
    SkillId[0] = SkillSalesBonus;
    SkillLevel[0] = 1;
    SkillId[7] = SkillSalesBonus;
    SkillLevel[7] = 1;
    SkillId[3] = SkillFashionSense;  // another skill's level does nothing to prices
    SkillLevel[3] = 3;
    EXPECT_EQ(ItemPrice(24, 0, 0), 80);  // 100 -> 89 -> 80.1 truncated
}

TEST_F(ItemCatalogue, FoodBasePricesFollowTheShopsPriceLists) {
    // The price lists the shops work from, by base price; the food table must agree.
    const std::vector<std::pair<int, std::vector<int>>> lists = {
        {8, {146, 162}},
        {15, {147, 148, 150, 161, 163, 165, 168, 169, 186, 193}},
        {22, {140, 144, 149, 151, 166, 167, 170, 181, 182, 184, 185, 191, 192, 195}},
        {30, {141, 142, 143, 145, 152, 156, 164, 171, 173, 176, 177, 180, 187, 194}},
        {45, {153, 154, 155, 157, 158, 159, 160, 172, 174, 175, 178, 179, 183, 188, 189, 190}},
    };
    std::vector<int> listed(FoodLastId + 1, 0);
    for (const auto& [price, ids] : lists) {
        for (int id : ids) {
            EXPECT_EQ(ItemPrice(id, 0, 1), price) << "food " << id;
            listed[id] = 1;
        }
    }
    for (int id = FoodFirstId; id <= FoodLastId; ++id) {
        if (listed[id]) continue;
        const int expected = id == 106 ? 20 : (id <= 134 ? 5 : 2000);  // raw food, jolt apple, the rest
        EXPECT_EQ(ItemPrice(id, 0, 1), expected) << "food " << id;
    }
}

TEST_F(ItemCatalogue, EveryNamedFoodHasADescriptionAndUnnamedOnesNone) {
    for (const FoodEntry& food : FoodTable) {
        const std::string name = food.name;
        DescribeItem(food.id, 0, 0);
        EXPECT_EQ(LookupName, name) << "food " << food.id;
        if (name.empty()) {
            EXPECT_EQ(LookupText + LookupText2, "") << "food " << food.id;
        } else {
            EXPECT_FALSE(LookupText.empty()) << name << " has no description";
        }
        // Every line must fit the look text box beside the map.
        EXPECT_LE(LookupText.size(), 90u) << name;
        EXPECT_LE(LookupText2.size(), 90u) << name;
    }
}

TEST_F(ItemCatalogue, FixedTextsAndWhereTheModsLineStays) {
    EXPECT_EQ(Describe(8, 2, 5), (Texts{"Arrows", "Ammunition for your bow.", ""}));
    EXPECT_EQ(Describe(9, 0, 0), (Texts{"Letter", "You could write a letter to Princess Auralis.",
                                        "But would you find anyone to deliver it in here?"}));
    EXPECT_EQ(Describe(100, 0, 0), (Texts{"bits", "", ""}));
    EXPECT_EQ(Describe(0, 3, 17).name, "");

    // Relics and unique equipment keep the "Mods:" line as their second line.
    const Texts relic = Describe(11, 0, 42);
    EXPECT_EQ(relic.name, "Rel. Mirth");
    EXPECT_EQ(relic.line1, "The relic of mirth? It will keep you connected to your friends!");
    EXPECT_EQ(relic.line2.rfind("Mods:   ", 0), 0u) << relic.line2;

    // The Lazuli Heart's description runs on over its points.
    EXPECT_EQ(Describe(30, 0, 42),
              (Texts{"L.Heart", "The Lazuli Heart! Two anubis figures crafted with a giant sapphire",
                     "stone in the centre! Wait... this was real!?!"}));
    // Unnamed special objects stay "?" with their points.
    const Texts odd = Describe(31, 0, 42);
    EXPECT_EQ(odd.name, "?");
    EXPECT_EQ(odd.line2.rfind("Mods:", 0), 0u);
}

TEST_F(ItemCatalogue, AppleAndOrangesReadDifferentlyForTansyBrook) {
    HeroId = 1;
    const Texts apple = Describe(101, 0, 0);
    const Texts oranges = Describe(104, 0, 0);
    EXPECT_EQ(apple, (Texts{"Apple", "It's a delicious apple.  Great for baking.", ""}));
    EXPECT_EQ(oranges, (Texts{"Oranges", "Oranges are a sweet fruit.", ""}));

    HeroId = 5;
    EXPECT_EQ(Describe(101, 0, 0),
              (Texts{"Apple", "The apple is the pomaceous fruit of the apple tree, species Malus domestica in the",
                     "rose family (Rosaceae). It is one of the most widely cultivated tree fruits."}));
    EXPECT_EQ(Describe(104, 0, 0), (Texts{"Oranges", "They aren't apples!", ""}));
    const Texts bananaForTansy = Describe(102, 0, 0);
    HeroId = 1;
    EXPECT_EQ(Describe(102, 0, 0), bananaForTansy);  // other foods read the same for everyone
}

TEST_F(ItemCatalogue, DescribingTakesOneDrawFromTheGameAndReseeds) {
    // kind, tier, seed: every branch of the description.
    const int items[][3] = {{1, 2, 777}, {2, 0, 10010}, {3, 3, 3},   {4, 5, 99999}, {5, 1, 3709}, {7, 4, 1},
                            {16, 0, 7},  {30, 0, 5},    {101, 2, 0}, {9, 0, 0},     {0, 0, 12},   {31, 1, 8}};
    for (const auto& item : items) {
        for (int gameState : {1, 4660, 123456789}) {
            SeedRandom(gameState);
            const int resume = Rand(1, 1000000);
            SeedRandom(resume);
            const int expectedAfter = RandomState();

            SeedRandom(gameState);
            const Texts first = Describe(item[0], item[1], item[2]);
            EXPECT_EQ(RandomState(), expectedAfter) << "kind " << item[0];
            // A second call from another point of the game's stream names the same piece.
            const Texts second = Describe(item[0], item[1], item[2]);
            EXPECT_EQ(first, second) << "kind " << item[0];
        }
    }
}

// The description is returned whole and only described: it gives the hero nothing (the
// turn loop adds a worn piece's points in a step of its own), and the shared texts hold
// exactly what was returned. An item has points exactly when it has a "Mods:" line.
TEST_F(ItemCatalogue, DescribingReturnsTheTextsAndPointsAndTouchesNoBonus) {
    const int items[][3] = {{1, 2, 777}, {4, 5, 99999}, {16, 0, 7}, {101, 2, 0}, {0, 0, 12}, {31, 1, 8}};
    for (const auto& kind : items) {
        const ItemDescription item = DescribeItem(kind[0], kind[1], kind[2]);
        EXPECT_EQ((Texts{item.name, item.line1, item.line2}), (Texts{LookupName, LookupText, LookupText2}));
        for (const int* bonus : {MonAtkBonus, MonDefBonus, MonStrBonus, MonSpdBonus, MonMagBonus, MonConBonus})
            EXPECT_EQ(bonus[0], 0) << "kind " << kind[0];
        int points = 0;
        for (int s = 1; s < static_cast<int>(item.mods.size()); ++s) points += item.mods[s];
        const bool hasMods = item.line2.rfind("Mods:", 0) == 0;
        EXPECT_EQ(points > 0, hasMods) << "kind " << kind[0];
    }
}

TEST_F(ItemCatalogue, AHugeTierFromADamagedFileIsDescribedAtOnce) {
    // Before the cap this took about four billion draws: the buying screen and the
    // satchel describe their items every frame, so the game froze.
    for (int kind : {ItemHeadgear, ItemWeapon, ItemAccessory}) {
        const Texts huge = Describe(kind, 2147483647, 42);
        EXPECT_EQ(huge.line2, Describe(kind, 99, 42).line2) << "kind " << kind;
        EXPECT_EQ(huge.line2.rfind("Mods:", 0), 0u) << huge.line2;
    }
}

}  // namespace
