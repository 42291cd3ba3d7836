#include "persist/heroes.h"

#include "core/run_vars.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/skills.h"

namespace {

struct StartingItem {
    int kind;
    int count;
};

struct HeroRow {
    int heroId;
    const char* name;
    int skills[5];   // slots 0..4, all at level 0
    int slot5Skill;  // the hero's race skill in slot 5
    int slot5Level;  // pegasi start with Flight at level 1
    StartingItem items[3];
    int bonusMag, bonusCon, bonusSpd, bonusAtk, bonusStr, bonusDef;
    int invCapacity;  // earth hooflings carry more
};

// clang-format off
const HeroRow Heroes[6] = {
    {HeroQuenbyArlo, "QUENBY ARLO",
     {SkillHolding, SkillTeleport, SkillMagicBeam, SkillCovetCharm, SkillShield}, SkillBow, 0,
     {{ItemCupcake, 2}, {ItemSandwich, 2}, {ItemNone, 0}}, 4, 0, 0, 0, 0, 0, 48},
    {HeroDabbleMoss, "DABBLE MOSS",
     {SkillPartyCannon, SkillSurprise, SkillFourthWall, SkillParty, SkillDabbleSense}, SkillGourmet, 0,
     {{ItemCupcake, 2}, {ItemMuffin, 1}, {ItemTofuDog, 1}}, 0, 4, 0, 0, 0, 0, 56},
    {HeroSkelterVane, "SKELTER VANE",
     {SkillRainfall, SkillThunder, SkillVaneburst, SkillDash, SkillTornado}, SkillFlight, 1,
     {{ItemPancakes, 3}, {ItemNone, 0}, {ItemNone, 0}}, 0, 0, 4, 0, 0, 0, 48},
    {HeroCorvanne, "CORVANNE",
     {SkillFindTreasure, SkillDisguise, SkillWhining, SkillSalesBonus, SkillFashionSense}, SkillBow, 0,
     {{ItemCupcake, 2}, {ItemSalad, 2}, {ItemNone, 0}}, 2, 0, 0, 2, 0, 0, 48},
    {HeroTansyBrook, "TANSY BROOK",
     {SkillStrongBuck, SkillHooflingUp, SkillWildBuck, SkillBuckAnItem, SkillJump}, SkillGourmet, 0,
     {{ItemAppleDumpling, 1}, {ItemApplePie, 1}, {ItemApple, 5}}, 0, 0, 0, 0, 4, 0, 56},
    {HeroMellowen, "MELLOWEN",
     {SkillTheStare, SkillTameAnimal, SkillSummonAnimal, SkillEmpathy, SkillDeepMassage}, SkillFlight, 1,
     {{ItemCupcake, 2}, {ItemVegetableSoup, 1}, {ItemNone, 0}}, 0, 0, 0, 0, 0, 4, 48},
};
// clang-format on

bool KnownHero(int heroId) { return heroId >= HeroQuenbyArlo && heroId <= HeroMellowen; }

}  // namespace

std::string HeroName(int heroId) { return KnownHero(heroId) ? Heroes[heroId - 1].name : ""; }

void SetUpHero() {
    MonMaxHp[0] = MonHp[0] = 50;
    MonMaxMp[0] = MonMp[0] = 10;
    MonXp[0] = 0;
    XpNext = 20;
    Friendship = 100;
    MonStr[0] = 6;
    MonSpd[0] = 6;
    MonAtk[0] = 6;
    MonDef[0] = 6;
    MonMag[0] = 4;
    MonCon[0] = 3;
    MonLevel[0] = 1;
    InvCapacity = 48;
    if (!KnownHero(HeroId)) return;
    const HeroRow& hero = Heroes[HeroId - 1];
    MonName[0] = hero.name;
    for (int k = 0; k < 5; ++k) {
        SkillId[k] = hero.skills[k];
        SkillLevel[k] = 0;
    }
    SkillId[5] = hero.slot5Skill;
    SkillLevel[5] = hero.slot5Level;
    SkillId[6] = SkillWeaponPro;  // every hero's slot 6
    SkillLevel[6] = 0;
    SkillPoints = 4;
    int slot = 0;
    for (const StartingItem& item : hero.items) {
        if (item.kind == ItemNone) continue;
        InvKind[slot] = item.kind;
        InvTier[slot] = 1;
        InvCount[slot] = item.count;
        ++slot;
    }
    MonMag[0] += hero.bonusMag;
    MonCon[0] += hero.bonusCon;
    MonSpd[0] += hero.bonusSpd;
    MonAtk[0] += hero.bonusAtk;
    MonStr[0] += hero.bonusStr;
    MonDef[0] += hero.bonusDef;
    InvCapacity = hero.invCapacity;
}
