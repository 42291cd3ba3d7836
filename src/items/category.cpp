#include "items/category.h"

#include "items/catalogue.h"

int ItemCategory(int kind) {
    switch (kind) {
        case ItemHeadgear:
        case ItemRelicInsight:
        case ItemXRaySpecs:
        case ItemChefsHat: return CategoryHeadgear;
        case ItemDress:
        case ItemBusinessSuit: return CategoryDress;
        case ItemFootwear: return CategoryBoots;
        // clang-format off
        case ItemAccessory: case ItemRelicMirth: case ItemRelicFealty: case ItemRelicBounty: case ItemRelicCandor:
        case ItemRelicMercy: case ItemLuckyCoin: case ItemWingthornAmulet:
            return CategoryAccessory;
        case ItemWeapon: case ItemOrrindelStaff: case ItemMjolna: case ItemSoulReaver: return CategoryWeapon;
        case ItemBow: case ItemInfinityBow: return CategoryBow;
        // clang-format on
        case ItemArrows: return CategoryArrows;
        case ItemLetter: return CategoryLetter;
        case ItemBits: return CategoryMoney;
        default: break;
    }
    if (kind >= FoodFirstId) return CategoryFood;  // every id from 101 up, named or not
    if (kind >= ItemSpecialFirst && kind <= ItemSpecialLast) return CategorySpecial;
    return CategoryNone;  // 0, 6, 25..29 and negative ids
}
