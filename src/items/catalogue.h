// The item catalogue: what every item id is, what it costs, and its name and two
// description lines. An item record is (kind, tier, seed, count); nothing about an
// item is stored beyond that, so names and stat points are recomputed on every call.
#pragma once

#include "items/category.h"

// Item ids the rules refer to by name.
constexpr int ItemHeadgear = 1;
constexpr int ItemDress = 2;
constexpr int ItemFootwear = 3;
constexpr int ItemAccessory = 4;
constexpr int ItemWeapon = 5;
constexpr int ItemBow = 7;
constexpr int ItemArrows = 8;
constexpr int ItemLetter = 9;
constexpr int ItemLazuliHeart = 30;
constexpr int ItemBits = 100;

// The price in bits. raw = 1: the undiscounted price (a sale to a shop pays half of it);
// raw = 0: what a shop asks of the hero, after every Sales Bonus skill slot.
int ItemPrice(int kind, int tier, int raw);

// Writes the item's name to LookupName and its description lines to LookupText and
// LookupText2. Takes exactly one draw from the game's stream and reseeds it; while
// ApplyItemMods is 1 also adds the item's stat points to the hero's bonuses.
void DescribeItem(int kind, int tier, int seed);
