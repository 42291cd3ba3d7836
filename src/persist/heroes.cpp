#include "persist/heroes.h"

#include "core/state.h"

namespace {

struct StartingItem {
    int kind;
    int count;
};

struct HeroRow {
    int heroId;
    const char* name;
    int skills[5];      // slots 0..4, all at level 0
    int slot5Skill;     // the hero's race skill in slot 5
    int slot5Level;     // pegasi start with Flight at level 1
    StartingItem items[3];
    int bonusMag, bonusCon, bonusSpd, bonusAtk, bonusStr, bonusDef;
    int invCapacity;  // earth hooflings carry more
};

const HeroRow Heroes[6] = {
    {1, "QUENBY ARLO", {1, 2, 3, 4, 5}, 32, 0, {{140, 2}, {161, 2}, {0, 0}}, 4, 0, 0, 0, 0, 0, 48},
    {2, "DABBLE MOSS", {6, 7, 8, 9, 10}, 33, 0, {{140, 2}, {156, 1}, {150, 1}}, 0, 4, 0, 0, 0, 0, 56},
    {3, "SKELTER VANE", {11, 12, 13, 14, 15}, 31, 1, {{152, 3}, {0, 0}, {0, 0}}, 0, 0, 4, 0, 0, 0, 48},
    {4, "CORVANNE", {16, 17, 18, 19, 20}, 32, 0, {{140, 2}, {182, 2}, {0, 0}}, 2, 0, 0, 2, 0, 0, 48},
    {5, "TANSY BROOK", {21, 22, 23, 24, 25}, 33, 0, {{173, 1}, {171, 1}, {101, 5}}, 0, 0, 0, 0, 4, 0, 56},
    {6, "MELLOWEN", {26, 27, 28, 29, 30}, 31, 1, {{140, 2}, {164, 1}, {0, 0}}, 0, 0, 0, 0, 0, 4, 48},
};

constexpr int WeaponPro = 34;  // every hero's slot 6

}  // namespace

std::string HeroName(int heroId) { return (heroId >= 1 && heroId <= 6) ? Heroes[heroId - 1].name : ""; }

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
    if (HeroId < 1 || HeroId > 6) return;
    const HeroRow& hero = Heroes[HeroId - 1];
    MonName[0] = hero.name;
    for (int k = 0; k < 5; ++k) {
        SkillId[k] = hero.skills[k];
        SkillLevel[k] = 0;
    }
    SkillId[5] = hero.slot5Skill;
    SkillLevel[5] = hero.slot5Level;
    SkillId[6] = WeaponPro;
    SkillLevel[6] = 0;
    SkillPoints = 4;
    int slot = 0;
    for (const StartingItem& item : hero.items) {
        if (item.kind == 0) continue;
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
