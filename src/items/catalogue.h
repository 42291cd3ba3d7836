// The item catalogue: what every item id is, what it costs, and its name and two
// description lines. An item record is (kind, tier, seed, count); nothing about an
// item is stored beyond that, so names and stat points are recomputed on every call.
//
// When adding an item: take a free id of its range below (food ids live with the food
// table in items/food.h), give it its category in ItemCategory, and its texts in the
// fixed-item rows (catalogue.cpp) or the food table. Ids are stored in the save game
// and the sector files, so an id never changes its meaning.
#pragma once

#include <string>

#include "items/category.h"
#include "items/equipment_names.h"
#include "items/food.h"

// Every item id but food. Ids 31..99 are special objects without a name.
// clang-format off
enum ItemId : int {
    ItemNone = 0,
    ItemHeadgear = 1,        // 1..5 and 7: generated equipment, named by tier and seed
    ItemDress = 2,
    ItemFootwear = 3,
    ItemAccessory = 4,
    ItemWeapon = 5,
    ItemUnused = 6,          // no item; the equipment roll draws again on it
    ItemBow = 7,
    ItemArrows = 8,
    ItemLetter = 9,
    ItemRelicInsight = 10,   // 10..15: the six relics of concord, the hero's own is 9 + HeroId
    ItemRelicMirth = 11,
    ItemRelicFealty = 12,
    ItemRelicBounty = 13,
    ItemRelicCandor = 14,
    ItemRelicMercy = 15,
    ItemXRaySpecs = 16,      // 16..24: unique equipment
    ItemOrrindelStaff = 17,
    ItemMjolna = 18,
    ItemSoulReaver = 19,
    ItemInfinityBow = 20,
    ItemChefsHat = 21,
    ItemLuckyCoin = 22,
    ItemBusinessSuit = 23,
    ItemWingthornAmulet = 24,
    ItemLazuliHeart = 30,    // the gem idol of the temple
    ItemBits = 100,          // money; its count is the amount
};
// clang-format on
constexpr int ItemRelicFirst = ItemRelicInsight;
constexpr int ItemRelicLast = ItemRelicMercy;
constexpr int ItemUniqueFirst = ItemRelicInsight;  // relics and unique equipment, 10..24
constexpr int ItemUniqueLast = ItemWingthornAmulet;
constexpr int ItemSpecialFirst = ItemLazuliHeart;  // special objects, 30..99
constexpr int ItemSpecialLast = 99;

// The price in bits. raw = 1: the undiscounted price (a sale to a shop pays half of it);
// raw = 0: what a shop asks of the hero, after every Sales Bonus skill slot.
int ItemPrice(int kind, int tier, int raw);

// What an item is, as the panels show it: its name, its two description lines and the
// stat points its "Mods:" line shows (all 0 for an item without that line).
struct ItemDescription {
    std::string name;
    std::string line1;
    std::string line2;
    StatPoints mods{};
};

// Describes an item. Takes exactly one draw from the game's stream and reseeds it, so
// describing an item moves the stream by one draw whatever the item is. The texts are
// also left in the shared look-up texts (LookupName, LookupText, LookupText2), where
// the state dump shows the last description made.
ItemDescription DescribeItem(int kind, int tier, int seed);
