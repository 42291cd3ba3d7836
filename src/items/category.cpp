#include "items/category.h"

int ItemCategory(int kind) {
    switch (kind) {
        case 1: case 10: case 16: case 21: return CategoryHeadgear;
        case 2: case 23: return CategoryDress;
        case 3: return CategoryBoots;
        case 4: case 11: case 12: case 13: case 14: case 15: case 22: case 24: return CategoryAccessory;
        case 5: case 17: case 18: case 19: return CategoryWeapon;
        case 7: case 20: return CategoryBow;
        case 8: return CategoryArrows;
        case 9: return CategoryLetter;
        case 100: return CategoryMoney;
        default: break;
    }
    if (kind > 100) return CategoryFood;  // every id from 101 up, named or not
    if (kind >= 30 && kind <= 99) return CategorySpecial;
    return CategoryNone;                  // 0, 6, 25..29 and negative ids
}
