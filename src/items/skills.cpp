#include "items/skills.h"

#include "core/convert.h"
#include "core/state.h"
#include "items/catalogue.h"

namespace {

struct SkillRow {
    int id;
    const char* name;
    int mpCost;       // before the staff rule
    int upgradeBase;  // price of level 1; each later level costs one more
    const char* line1;
    const char* line2;
};

// The help texts are the game's own, spelling included.
// clang-format off
constexpr SkillRow Skills[SkillIdCount + 1] = {
    {SkillNone, "?", 0, 2, "", ""},
    {SkillHolding, "Holding", 5, 2, "Use telekenisis to hold an enemy in place for a few turns",
     "Higher skill levels allow you to hold the enemy in place longer"},
    {SkillTeleport, "Teleport", 10, 2, "This spell allows for short teleportation.  Teleporting into solid objects hurts, be careful!",
     "Higher skill levels allow you to teleport further"},
    {SkillMagicBeam, "Magic Beam", 7, 2, "This is a basic magical blast to harm enemies", "Higher skill levels allow you to deal more damage"},
    {SkillCovetCharm, "Covet Charm", 15, 3, "Cast this spell on an item, and creatures will become obsessed with it",
     "Higher skill levels will make the spell last longer"},
    {SkillShield, "Shield", 5, 2, "This spell will create a defensive bubble, increasing your defence",
     "Higher skill levels will make the defence last longer"},
    {SkillPartyCannon, "Party Cannon", 8, 2, "Fire a handy party cannon in any direction",
     "higher skill levels will make the blast go further - it will go through creatures in its path"},
    {SkillSurprise, "Surprise", 8, 2, "Startle an enemy with a party popper in the face! Can cause hiccups!", "Higher skill levels deal more damage"},
    {SkillFourthWall, "Fourth Wall", 10, 2, "Dabble can reach the other side of a wall... somehow",
     "Higher skill levels can get you through thicker walls"},
    {SkillParty, "Party!", 15, 3, "Start a party! Any creature in range will start partying", "Higher skill levels make the party last longer"},
    {SkillDabbleSense, "Dabble Sense", 0, 2, "This skill works automatically and randomly, sense danger and surroundings, sometimes",
     "Higher skill levels will make dabble sense activate more frequently"},
    {SkillRainfall, "Rainfall", 5, 2, "Pour rain down on an enemy, lowering their combat effectiveness",
     "Higher skill levels have a higher chance of success"},
    {SkillThunder, "Thunder", 8, 2, "Strike an enemy with a nearby thunder cloud", "Higher skill levels will deal more damage"},
    {SkillVaneburst, "Vaneburst", 14, 2, "Fly up then straight down, impacting all enemies adjacent to you",
     "Higher skill levels will deal more damage"},
    {SkillDash, "Dash!", 10, 2, "Dash in any direction for a distance", "Higher skill levels dash further"},
    {SkillTornado, "Tornado", 18, 3, "Create a tornado, damaging and throwing around all nearby creatures",
     "Higher skill levels increase the damage of the attack"},
    {SkillFindTreasure, "Find Treasure", 6, 2, "Will highlight areas on the map where treasures are located",
     "Higher skill levels locate more treasure"},
    {SkillDisguise, "Disguise", 5, 2, "Sacrifice a dress to disguise as a creature to sneak by", "Higher skill levels will make the disguise longer"},
    {SkillWhining, "Whining", 10, 2, "Freeze enemies in place by whining at them", "Higher skill levels increase the range"},
    {SkillSalesBonus, "Sales Bonus", 0, 2, "Works automatically. You can smooth talk a sale in any shops.", "Higher skill levels increase the sale"},
    {SkillFashionSense, "Fashion Sense", 0, 2, "Works automatically. Stat bonuses from dresses and jewellery are boosted",
     "Higher skill levels increase effectiveness"},
    {SkillStrongBuck, "Strong Buck", 7, 2, "A powerful attack on an adjacent enemy", "Higher skill levels increase the power"},
    {SkillHooflingUp, "Hoofling Up", 8, 2, "This skill increases your attack power for a duration", "Higher skill levels increase duration"},
    {SkillWildBuck, "Wild Buck", 14, 2, "Buck in all directions, useful if surrounded", "Higher skill levels increase damage"},
    {SkillBuckAnItem, "Buck an item", 5, 2, "Sacrifice an item to use as a projectile", "Higher skill levels increase damage"},
    {SkillJump, "Jump", 8, 2, "Jump a short distance, can get TB over pits etc", "Higher skill levels increase range"},
    {SkillTheStare, "The Stare", 7, 2, "Freeze a creature in place with The Stare", "Higher skill levels increase chance of success"},
    {SkillTameAnimal, "Tame Animal", 12, 2, "Tame an animal so it will fight monsters for you (neutral creatures only)",
     "Higher skill levels increase chance of success"},
    {SkillSummonAnimal, "Summon Animal", 16, 3, "Summon an animal to help you fightmonsters",
     "Higher skill levels increase the power of the summoned monster"},
    {SkillEmpathy, "Empathy", 10, 2, "Try to make a hostile enemy leave you alone", "Higher skill levels increase the chance of success"},
    {SkillDeepMassage, "Deep Massage", 6, 2, "It's a pretty violent massage", "Higher skill levels increase damage"},
    {SkillFlight, "Flight", 0, 2, "When flying, combat effectiveness is reduced", "Skill points in this ability will lower the penalty for flying"},
    {SkillBow, "Bow", 0, 2, "Skill at using bows", "Higher skill levels increase combat ability"},
    {SkillGourmet, "Gourmet", 0, 2, "Skill at cooking and savouring food",
     "Higher skill levels increase the quality of food you cook/allow you to eat more"},
    {SkillWeaponPro, "Weapon Pro", 0, 2, "Skill at using melee weapons", "Higher skill levels increase combat ability"},
};
// clang-format on

constexpr bool RowsMatchIds() {
    for (int i = 0; i <= SkillIdCount; ++i) {
        if (Skills[i].id != i) return false;
    }
    return true;
}
static_assert(RowsMatchIds(), "each skill row sits at its own id");
static_assert(SkillWeaponPro == SkillIdCount, "the last id closes the table");

bool KnownSkill(int id) { return id >= 1 && id <= SkillIdCount; }

}  // namespace

void DescribeSkill(int id) {
    const SkillRow& row = Skills[KnownSkill(id) ? id : 0];
    LookupName = row.name;
    LookupText = row.line1;
    LookupText2 = row.line2;
}

int SkillMpCost(int id) {
    if (!KnownSkill(id)) return 0;
    const int cost = Skills[id].mpCost;
    const int weapon = Equip[EquipWeapon];
    if (weapon >= 0 && weapon < InvSlots && InvKind[weapon] != 0 && cost > 0 && InvKind[weapon] == ItemOrrindelStaff)
        return ToInt(cost / 2.0);
    return cost;
}

int SkillLevelOf(int id) {
    for (int s = 0; s < SkillSlots; ++s) {
        if (SkillId[s] == id) return SkillLevel[s];
    }
    return 0;
}

int SkillUpgradeCost(int id) {
    const int base = KnownSkill(id) ? Skills[id].upgradeBase : 2;
    const int level = SkillLevelOf(id);
    if (level == 1) return base + 1;
    if (level == 2) return base + 2;
    return base;
}
