#include "worldgen/placement.h"

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "worldgen/layouts.h"
#include "worldgen/terrain.h"

namespace {

bool ItemLiesOn(int x, int y) {
    for (int g = 0; g < GroundSlots; ++g)
        if (GroundItemKind[g] != 0 && GroundItemX[g] == x && GroundItemY[g] == y) return true;
    return false;
}

// A fruit, a vegetable or an ingredient, by group 1, 2 or 3.
int FoodOfGroup(int group) {
    if (group == 1) return Rand(ItemApple, ItemLemon);
    if (group == 2) return Rand(ItemTomato, ItemPotato);
    return Rand(ItemNuts, ItemWheatgerm);
}

void PlaceFood() {
    ShowProgress("Placing food");
    for (int t = 0; t < 28; ++t) {
        const int x = Rand(2, 42);
        const int y = Rand(2, 33);
        const int g = Rand(1, 7);
        const int kind = FoodOfGroup(g == 1 || g == 6 ? 1 : (g == 2 || g == 4 ? 2 : 3));
        if (IsOpenGround(x, y) && !ItemLiesOn(x, y)) PlaceGroundItem(x, y, kind, 0);
    }
}

void PlaceEquipment() {
    ShowProgress("Placing equipment");
    const int tier = (Depth + 1) / 5;
    for (int n = 0; n < 11; ++n) {
        for (int tries = 0; tries < 9001; ++tries) {
            const int x = Rand(2, 42);
            const int y = Rand(2, 33);
            int kind = Rand(ItemHeadgear, ItemLetter);
            if (kind == ItemUnused) kind = Rand(ItemHeadgear, ItemWeapon);  // never the unused id on the ground
            if (!IsOpenGround(x, y) || ItemLiesOn(x, y)) continue;
            PlaceGroundItem(x, y, kind, tier);
            break;
        }
    }
}

void StockStore() {
    ShowProgress("store");
    for (int s = 0; s < StoreSlots; ++s) {
        const int r = Rand(1, 100);
        if (r <= 65) {
            int kind = ItemLetter;
            if (r <= 50)
                kind = ItemHeadgear + (r - 1) / 10;  // headgear, dress, footwear, accessory, weapon
            else if (r <= 56)
                kind = ItemBow;
            else if (r <= 60)
                kind = ItemArrows;
            StoreItemKind[s] = kind;
            StoreItemSeed[s] = Rand(0, 100000);
        } else if (r <= 87) {
            // A food offer keeps whatever seed the entry had: food ignores it.
            StoreItemKind[s] = FoodOfGroup(Rand(1, 3));
        } else {
            StoreItemKind[s] = Rand(ItemCupcake, ItemCider);
        }
        StoreItemTier[s] = 1;
    }
}

}  // namespace

int PlaceGroundItem(int x, int y, int kind, int tier) {
    int i = NoGroundSlot;
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 0) {
            i = g;
            break;
        }
    }
    if (i == NoGroundSlot) return NoGroundSlot;
    GroundItemKind[i] = kind;
    GroundItemTier[i] = tier;
    GroundItemX[i] = x;
    GroundItemY[i] = y;
    GroundItemSeed[i] = ToInt(RandFloat(1, 100000));
    GroundItemCount[i] = 1;
    if (kind == ItemArrows) GroundItemCount[i] = Rand(4, 6);
    if (kind == ItemBits) GroundItemCount[i] = Rand(2, 6);
    return i;
}

void ClearGroundSlot(int g) {
    GroundItemKind[g] = 0;
    GroundItemCount[g] = 0;
    GroundItemTier[g] = 0;
    GroundItemSeed[g] = 0;
}

bool PlaceSectorItems() {
    PlaceFood();
    PlaceEquipment();
    StockStore();
    return true;
}
