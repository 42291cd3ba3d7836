#include "rules/combat.h"

#include <string>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/skills.h"
#include "platform/platform.h"
#include "worldgen/creatures.h"

namespace {

// The bites of a few kinds: each rolls r = 0..100 and sticks when r minus the defender's
// resistance beats the threshold.
struct Affliction {
    int kind;
    bool resistWithStrength;  // spiders' webs are shrugged off by strength, the rest by constitution
    int threshold;
    int status;
    const char* message;
    int value;
    bool onlyBelowThree;  // "set to 9 if below 3" rather than "raised to value"
};
constexpr Affliction Afflictions[] = {
    {KindShade, false, 70, StatusBlinded, "Everything goes dark...", 6, false},
    {KindScorpion, false, 70, StatusPoisoned, "Poison!", 9, false},
    {KindSpider, true, 60, StatusFrozen, "Webbed! Stuck in place!", 9, true},
    {KindGiantSpider, false, 60, StatusPoisoned, "Poison!", 9, true},
    {KindCockatrice, false, 50, StatusStone, "Stone!", 9, false},
};

bool ValidSlot(int s) { return s >= 0 && s <= MonCapacity; }

void StrongBuckBonus(int a) {
    if (MonStatus[a][StatusStrongBuck] != 1) return;
    for (int s = 0; s < SkillSlots; ++s) {
        if (SkillId[s] != SkillStrongBuck || SkillLevel[s] <= 0) continue;
        const int level = SkillLevel[s];
        const int bonus = level == 1 ? 5 : level == 2 ? 8 : level == 3 ? 12 : 0;
        MonAtkBonus[a] += bonus;
        MonStrBonus[a] += bonus;
    }
}

// The hero's own modifiers: flight weakens a buck, the worn weapon changes it.
int HeroDamage(int attack, int b) {
    if (MonStatus[0][StatusFlying] > 0) {
        const int flight = SkillLevelOf(SkillFlight);
        const int divisor = (flight >= 1 && flight <= 3) ? flight + 2 : 2;
        attack -= attack / divisor;
    }
    const int weapon = WornWeaponSlot();
    if (weapon < 0) return attack;
    const int kind = InvKind[weapon];
    if (ItemCategory(kind) == CategoryBow) {
        attack /= 3;
    } else {
        if (kind == ItemMjolna) {
            const int r = ToInt(RandFloat(0, 100));
            if (r > 25 && MonDef[b] > 5) MonDef[b] -= 1;
        }
        if (kind == ItemSoulReaver && MonMp[0] >= 3) {
            // The single-precision 1.2 the weapon has always used.
            attack = ToInt(attack * static_cast<double>(1.2f));
            MonMp[0] -= 3;
        }
        for (int s = 0; s < SkillSlots; ++s)
            if (SkillId[s] == SkillWeaponPro) attack += 3 * SkillLevel[s];
    }
    return attack;
}

void Afflict(int a, int b) {
    for (const Affliction& bite : Afflictions) {
        if (MonKind[a] != bite.kind) continue;
        const int resistance = bite.resistWithStrength ? MonStr[b] + MonStrBonus[b] : MonCon[b] + MonConBonus[b];
        const int r = ToInt(RandFloat(0, 100));
        if (r - resistance <= bite.threshold) return;
        int& timer = MonStatus[b][bite.status];
        if (b == 0 && timer == 0) PushMessage(bite.message);
        if (bite.onlyBelowThree) {
            if (timer < 3) timer = bite.value;
        } else if (timer < bite.value) {
            timer = bite.value;
        }
        return;
    }
}

// Everything after the stream switch; returns the damage dealt.
int Resolve(int a, int b) {
    StrongBuckBonus(a);
    int hit = ToInt(RandFloat(10, 0) + (MonSpd[a] + 5));
    int dodge = ToInt(RandFloat(5, 0) + MonSpd[b]);
    hit += Rand(MonAtk[a] + MonAtkBonus[a], 1) + MonSpdBonus[a];
    dodge += MonSpdBonus[b];
    if (MonStatus[a][StatusHiccups] > 0 && Rand(0, 100) > 70) {
        PushMessage(MonName[a] + " hiccupped!");
        hit -= hit / 2;
    }
    if (b == 0) {
        for (int s = 0; s < SkillSlots; ++s) {
            if (SkillId[s] != SkillDabbleSense) continue;
            if (Rand(150, 1) + SkillLevel[s] > 148) {
                PushMessage("Twitchy nose!");
                dodge += 10;
            }
        }
    }
    // Being attacked ends a party.
    if (MonStatus[b][StatusPartying] > 0) MonStatus[b][StatusPartying] = 0;
    if (hit < dodge) return 0;
    const bool bow = a == 0 && WornWeaponSlot() >= 0 && ItemCategory(InvKind[WornWeaponSlot()]) == CategoryBow;
    int attack = bow ? 0 : MonAtk[a] + MonAtkBonus[a];
    attack += MonStr[a] + Rand(10, 1) + MonStrBonus[a];
    const int defence = MonDef[b] + MonDefBonus[b];
    if (a == 0) attack = HeroDamage(attack, b);
    if (a > 0) Afflict(a, b);
    const int damage = attack - defence;
    return damage < 1 ? 1 : damage;
}

}  // namespace

int WornWeaponSlot() {
    const int slot = Equip[EquipWeapon];
    if (slot < 0 || slot >= InvSlots || InvKind[slot] == 0) return -1;
    return slot;
}

void ResolveAttack(int a, int b) {
    if (!ValidSlot(a) || !ValidSlot(b)) return;
    // Attacks play on a stream of their own, seeded from the clock, so they never
    // repeat on a replay; the game's stream goes on from the number drawn here.
    const int resume = Rand(1, 1000000);
    SeedRandom(ClockMillis());
    MonDamageTaken[b] = Resolve(a, b);
    SeedRandom(resume);
}
