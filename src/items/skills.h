// The skill catalogue: ids 1..34, their names, help lines, magic-point costs and
// upgrade prices. What each skill does when used lives with the skill effects.
#pragma once

constexpr int SkillIdCount = 34;
constexpr int SkillMaxLevel = 3;

// Skill ids the rules refer to by name.
constexpr int SkillCovetCharm = 4;
constexpr int SkillDabbleSense = 10;
constexpr int SkillDisguise = 17;
constexpr int SkillSalesBonus = 19;
constexpr int SkillFashionSense = 20;
constexpr int SkillBuckAnItem = 24;
constexpr int SkillFlight = 31;
constexpr int SkillBow = 32;
constexpr int SkillGourmet = 33;
constexpr int SkillWeaponPro = 34;

// Writes the skill's name to LookupName and its two help lines to LookupText and
// LookupText2; an id outside 1..34 gives the name "?" and empty lines.
void DescribeSkill(int id);
// Magic points the skill costs; halved (truncated) while Orrindel St. is wielded.
int SkillMpCost(int id);
// Points the next level costs: the skill's base price, +1 at level 1, +2 at level 2.
int SkillUpgradeCost(int id);
// The level of the slot holding the skill, 0 when the hero does not have it.
int SkillLevelOf(int id);
