// Item categories: what an item is and where it is worn, from its id alone.
#pragma once

// ItemCategory values.
constexpr int CategoryNone = 0;
constexpr int CategoryHeadgear = 1;   // worn as headgear
constexpr int CategoryDress = 2;      // worn as dress
constexpr int CategoryBoots = 3;      // worn as boots
constexpr int CategoryAccessory = 4;  // worn as Acc. 1 or Acc. 2
constexpr int CategoryWeapon = 5;     // melee weapon, worn as weapon
constexpr int CategoryFood = 6;       // eaten
constexpr int CategoryBow = 7;        // worn as weapon
constexpr int CategoryArrows = 8;
constexpr int CategoryLetter = 9;
constexpr int CategoryMoney = 10;    // added to Bits when picked up
constexpr int CategorySpecial = 11;  // quest objects and unnamed special objects

// The category 0..11 of an item id; 0 for ids that are nothing. Pure.
int ItemCategory(int kind);
