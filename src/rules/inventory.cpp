#include "rules/inventory.h"

#include <algorithm>

#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/category.h"
#include "items/food.h"
#include "items/skills.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"
#include "worldgen/sites.h"
#include "worldgen/terrain.h"

namespace {

bool ValidInvSlot(int slot) { return slot >= 0 && slot < InvSlots; }
bool ValidGroundSlot(int slot) { return slot >= 0 && slot < GroundSlots; }

void EmptyInvSlot(int slot) {
    InvKind[slot] = 0;
    InvTier[slot] = 0;
    InvSeed[slot] = 0;
    InvCount[slot] = 0;
}

// The equipment slot a category is worn in; -1 for things that are not worn.
int WornIn(int category) {
    switch (category) {
        case CategoryHeadgear: return 0;
        case CategoryDress: return 1;
        case CategoryBoots: return 2;
        case CategoryAccessory: return 3;
        case CategoryWeapon:
        case CategoryBow: return 5;
        default: return -1;
    }
}

void PutOnOrTakeOff(int s, int t) {
    if (t != 3) {
        Equip[t] = Equip[t] == s ? -1 : s;
        return;
    }
    // Two accessory places: taking off wins; a new one fills Acc. 1 before Acc. 2.
    bool wasWorn = false;
    if (Equip[EquipAccessory1] == s) {
        Equip[EquipAccessory1] = -1;
        wasWorn = true;
    }
    if (Equip[EquipAccessory2] == s) {
        Equip[EquipAccessory2] = -1;
        wasWorn = true;
    }
    if (wasWorn) return;
    if (Equip[EquipAccessory1] == -1 && Equip[EquipAccessory2] == -1) {
        Equip[EquipAccessory1] = s;
    } else if (Equip[EquipAccessory1] != -1 && Equip[EquipAccessory2] == -1) {
        Equip[EquipAccessory2] = s;
    } else if (Equip[EquipAccessory1] == -1 && Equip[EquipAccessory2] != -1) {
        Equip[EquipAccessory1] = s;
    }
}

// Food dropped beside the night statue is offered to it; the statue takes it.
void OfferAtStatues(int g) {
    for (int x = MonX[0] - 1; x <= MonX[0] + 1; ++x) {
        for (int y = MonY[0] - 1; y <= MonY[0] + 1; ++y) {
            if (!InGrid(x, y) || MapTerrain[x][y] != NightStatue) continue;
            if (GameVars[VarStatueOfferingDone] == 1) {
                const int favour = GameVars[VarStatueFavour];
                if (favour == StatueFavourMin) PushMessage("I guess Noctessa is upset...");
                if (favour == StatueFavourMax) PushMessage("I guess Noctessa doesn't want any more?");
                if (GameVars[VarSweetOfferings] == NoctessaOfferings) PushMessage("This text should never appear");
                continue;
            }
            if (!ValidGroundSlot(g) || GroundItemKind[g] == 0) continue;
            const FoodEntry* food = FindFood(GroundItemKind[g]);
            const int n = GroundItemCount[g];
            const FoodOffering offering = food ? food->offering : OfferSavoury;
            if (offering == OfferSavoury) {
                GameVars[VarStatueFavour] -= 2 * n;
            } else if (offering == OfferSweet && GroundItemTier[g] == 0) {
                GameVars[VarStatueFavour] += n;
            } else if (offering == OfferSweet) {
                GameVars[VarSweetOfferings] += n;
            } else {
                GameVars[VarStatueFavour] -= 10 * n;
            }
            if (GameVars[VarStatueFavour] < StatueFavourMin) {
                PushMessage("The world seems to have grown darker... !?");
                GameVars[VarStatueFavour] = StatueFavourMin;
                GameVars[VarStatueOfferingDone] = 1;
            }
            if (GameVars[VarStatueFavour] > StatueFavourMax) {
                PushMessage("The world seems to have grown brighter!");
                GameVars[VarStatueFavour] = StatueFavourMax;
                GameVars[VarStatueOfferingDone] = 1;
            }
            if (GameVars[VarSweetOfferings] >= NoctessaOfferings) {
                PushMessage("Noctessa appears!");
                GameVars[VarSweetOfferings] = NoctessaOfferings;
                GameVars[VarStatueOfferingDone] = 1;
                GameVars[VarStatueFavour] = 0;
                MapTerrain[x][y] = Grass;
                RefreshFrames();
                SpawnCreature(x, y, KindNoctessa);
                // The other statues of the sector turn to trees at the next frame pass.
                SiteCooldown[SiteNightStatue] = NightStatueGone;
            }
            if (GameVars[VarStatueOfferingDone] == 0) PushMessage("The item disappeared?!");
            ClearGroundSlot(g);
        }
    }
}

}  // namespace

bool AccessoryWorn(int firstKind, int lastKind) {
    for (int e = EquipAccessory1; e <= EquipAccessory2; ++e) {
        const int slot = Equip[e];
        if (slot >= 0 && slot < InvSlots && InvKind[slot] >= firstKind && InvKind[slot] <= lastKind) return true;
    }
    return false;
}

void TakeOneFromSatchel(int slot) {
    if (!ValidInvSlot(slot)) return;
    InvCount[slot] -= 1;
    if (InvCount[slot] <= 0) EmptyInvSlot(slot);
}

int PutIntoSatchel(int kind, int tier, int seed, int count) {
    const int usable = UsableInvSlots();
    const int category = ItemCategory(kind);
    if (category == CategoryFood || category == CategoryArrows) {
        for (int s = 0; s < usable; ++s) {
            if (InvKind[s] != kind || InvTier[s] != tier || InvCount[s] >= SatchelStackLimit) continue;
            const int moved = count > 0 ? std::min(count, SatchelStackLimit - InvCount[s]) : 0;
            InvCount[s] += moved;
            count -= moved;
            if (count <= 0) return 0;
        }
    }
    for (int s = 0; s < usable; ++s) {
        if (InvKind[s] != 0) continue;
        InvKind[s] = kind;
        InvTier[s] = tier;
        InvSeed[s] = seed;
        InvCount[s] = count;
        return 0;
    }
    return count;
}

bool AddToSatchel(int kind, int tier, int seed) { return PutIntoSatchel(kind, tier, seed, 1) == 0; }

int CountInSatchel(int kind) {
    int units = 0;
    const int usable = UsableInvSlots();
    for (int s = 0; s < usable; ++s)
        if (InvKind[s] == kind && InvCount[s] > 0) units += InvCount[s];
    return units;
}

void TakeFromSatchel(int kind, int count) {
    const int usable = UsableInvSlots();
    for (int s = 0; s < usable && count > 0; ++s) {
        if (InvKind[s] != kind) continue;
        while (count > 0 && InvKind[s] == kind) {
            TakeOneFromSatchel(s);
            count -= 1;
        }
    }
}

void UseUpOneItem(int slot) {
    if (!ValidInvSlot(slot)) return;
    TakeOneFromSatchel(slot);
    if (InvKind[slot] == 0) EmptySatchelSlot(slot);
}

void EmptySatchelSlot(int slot) {
    if (!ValidInvSlot(slot)) return;
    EmptyInvSlot(slot);
    // A worn place that pointed here would show, and count, an item that is gone.
    for (int& worn : Equip)
        if (worn == slot) worn = -1;
}

int UsableInvSlots() {
    if (InvCapacity < 0) return 0;
    return InvCapacity > InvSlots ? InvSlots : InvCapacity;
}

void EatItem(int slot, int source) {
    int kind = 0;
    int tier = 0;
    if (source == 0 && ValidInvSlot(slot)) {
        kind = InvKind[slot];
        tier = InvTier[slot];
    } else if (source == 1 && ValidGroundSlot(slot)) {
        kind = GroundItemKind[slot];
        tier = GroundItemTier[slot];
    }
    if (kind <= 0) return;
    const FoodEntry* food = FindFood(kind);
    const int stomachBase = food ? food->stomach : 0;
    int hp = food ? food->hp : 0;
    int mp = food ? food->mp : 0;
    if (stomachBase != 0 || hp != 0 || mp != 0) {
        for (int status : {food->status, food->status2}) {
            if (status >= 0 && status < MonStatusCount) MonStatus[0][status] += 10;
        }
        int stomach = stomachBase;
        if (tier >= 1) {
            // Tier 2 cooks best (+50 %); tiers 1, 3 and 4 all give +25 %.
            const double d = tier == 2 ? 2.0 : 4.0;
            hp = ToInt(hp + hp / d);
            mp = ToInt(mp + mp / d);
            for (int s = 0; s < SkillSlots; ++s) {
                if (SkillId[s] != SkillGourmet || SkillLevel[s] <= 0) continue;
                stomach = SkillLevel[s] >= 3 ? stomach / 3 : stomach / 2;
                if (stomach < 1) stomach = 1;
            }
        }
        FullStomachTimer += stomach;
        MonHp[0] += hp;
        MonMp[0] += mp;
        if (hp > 0) PushMessage("You healed " + IntToText(hp) + " health!");
        if (mp > 0) PushMessage("You healed " + IntToText(mp) + " magics!");
        InputDelay = DelayAfterAction;
        if (food->animal) {
            GameVars[VarAteAnimalFood] = 1;
            bool told = false;
            for (int m = 1; m <= MonCapacity; ++m) {
                if (MonKind[m] != KindTreelephant || MonAttitude[m] != AttitudeNeutral) continue;
                MonAttitude[m] = AttitudeHostile;
                if (!told) PushMessage("The Treelephants become enraged!");
                told = true;
            }
        }
    }
    if (MonHp[0] > MonMaxHp[0]) MonHp[0] = MonMaxHp[0];
    if (MonMp[0] > MonMaxMp[0]) MonMp[0] = MonMaxMp[0];
}

void UseItem(int s) {
    if (!ValidInvSlot(s) || InvKind[s] <= 0) return;
    const int category = ItemCategory(InvKind[s]);
    if (category == CategoryFood) {
        if (FullStomachTimer == 0) {
            EatItem(s, 0);
            InvCount[s] -= 1;
            if (InvCount[s] <= 0) EmptyInvSlot(s);
        } else {
            PushMessage("Your stomach is still full");
        }
        InputDelay = DelayAfterAction;
        return;
    }
    const int t = WornIn(category);
    if (t < 0 || InputDelay != 0) return;
    PutOnOrTakeOff(s, t);
    InputDelay = DelayAfterAction;
}

void DropItem(int s) {
    if (!ValidInvSlot(s) || InvKind[s] <= 0) return;
    const int g = PlaceGroundItem(MonX[0], MonY[0], InvKind[s], InvTier[s]);
    if (!ValidGroundSlot(g)) {
        PushMessage("There is no room on the ground here to drop that");
        InputDelay = DelayAfterAction;
        return;
    }
    GroundItemSeed[g] = InvSeed[s];
    GroundItemCount[g] = InvCount[s];
    for (int& worn : Equip) {
        if (worn == s) worn = -1;
    }
    if (ItemCategory(InvKind[s]) == CategoryFood) OfferAtStatues(g);
    EmptyInvSlot(s);
    InputDelay = DelayAfterAction;
}

void SortInventory(int mode) {
    static const int Passes[2][8] = {
        {CategoryWeapon, CategoryBow, CategoryDress, CategoryHeadgear, CategoryBoots, CategoryAccessory, CategoryFood,
         -1},
        {CategoryFood, CategoryWeapon, CategoryBow, CategoryDress, CategoryHeadgear, CategoryBoots, CategoryAccessory,
         -1},
    };
    const int order = mode == 1 ? 1 : 0;
    // The sort sweeps one slot past the satchel's end, slot InvCapacity itself. Play
    // never puts an item there, but a save file holds every slot of the table and can:
    // the sweep brings such an item into the satchel, where it can be seen and used,
    // instead of leaving it hidden for the rest of the run. It never drops one for want
    // of room, since it writes back as many slots as it reads, and it stops at the
    // table's last slot.
    const int usable = UsableInvSlots();
    const int last = usable < InvSlots - 1 ? usable : InvSlots - 1;
    int kind[InvSlots] = {}, tier[InvSlots] = {}, seed[InvSlots] = {}, count[InvSlots] = {};
    int newEquip[EquipSlots];
    for (int e = 0; e < EquipSlots; ++e) newEquip[e] = -1;
    int n = 0;
    for (int pass = 0; pass < 8; ++pass) {
        const int wanted = Passes[order][pass];
        for (int s = 0; s <= last; ++s) {
            if (InvKind[s] == 0) continue;
            const int c = ItemCategory(InvKind[s]);
            // The last pass takes arrows, letters, bits and special objects. Bows
            // (category 7) already had their own pass; taking "everything above food"
            // here would copy every bow twice.
            const bool match = wanted == -1 ? c > CategoryBow : c == wanted;
            if (!match) continue;
            kind[n] = InvKind[s];
            tier[n] = InvTier[s];
            seed[n] = InvSeed[s];
            count[n] = InvCount[s];
            for (int e = 0; e < EquipSlots; ++e) {
                if (Equip[e] == s) newEquip[e] = n;
            }
            ++n;
        }
    }
    for (int s = 0; s <= last; ++s) {
        InvKind[s] = kind[s];
        InvTier[s] = tier[s];
        InvSeed[s] = seed[s];
        InvCount[s] = count[s];
    }
    for (int e = 0; e < EquipSlots; ++e) {
        // Worn items outside the sorted range (a damaged save) keep their place.
        if (Equip[e] > last) continue;
        Equip[e] = newEquip[e];
    }
    PushMessage("Inventory sorted");
}
