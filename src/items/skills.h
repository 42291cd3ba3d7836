// The skill catalogue: ids 1..34, their names, help lines, magic-point costs and
// upgrade prices. What each skill does when used lives with the skill effects.
//
// When adding a skill: give it the next id below, add its row at the end of the table in
// skills.cpp, raise SkillIdCount, and give it its effect. Ids are stored in the save
// game, so an id never changes its meaning.
#pragma once

// Every value of SkillId: five per hero (Quenby Arlo 1..5, Dabble Moss 6..10, Skelter
// Vane 11..15, Corvanne 16..20, Tansy Brook 21..25, Mellowen 26..30), then the race
// skills and the weapon skill every hero has.
enum SkillCode : int {
    SkillNone = 0,
    SkillHolding = 1,
    SkillTeleport = 2,
    SkillMagicBeam = 3,
    SkillCovetCharm = 4,
    SkillShield = 5,
    SkillPartyCannon = 6,
    SkillSurprise = 7,
    SkillFourthWall = 8,
    SkillParty = 9,
    SkillDabbleSense = 10,
    SkillRainfall = 11,
    SkillThunder = 12,
    SkillVaneburst = 13,
    SkillDash = 14,
    SkillTornado = 15,
    SkillFindTreasure = 16,
    SkillDisguise = 17,
    SkillWhining = 18,
    SkillSalesBonus = 19,
    SkillFashionSense = 20,
    SkillStrongBuck = 21,
    SkillHooflingUp = 22,
    SkillWildBuck = 23,
    SkillBuckAnItem = 24,
    SkillJump = 25,
    SkillTheStare = 26,
    SkillTameAnimal = 27,
    SkillSummonAnimal = 28,
    SkillEmpathy = 29,
    SkillDeepMassage = 30,
    SkillFlight = 31,
    SkillBow = 32,
    SkillGourmet = 33,
    SkillWeaponPro = 34,
};

constexpr int SkillIdCount = 34;
constexpr int SkillMaxLevel = 3;

// Writes the skill's name to LookupName and its two help lines to LookupText and
// LookupText2; an id outside 1..34 gives the name "?" and empty lines.
void DescribeSkill(int id);
// Magic points the skill costs; halved (truncated) while Orrindel St. is wielded.
int SkillMpCost(int id);
// Points the next level costs: the skill's base price, +1 at level 1, +2 at level 2.
int SkillUpgradeCost(int id);
// The level of the slot holding the skill, 0 when the hero does not have it.
int SkillLevelOf(int id);
