// The status catalogue: every status id of MonStatus (the second index), what the HUD
// calls it and how the help text explains it to the player. The one place the ids live.
#pragma once
#include <string>

// Status ids. A status is active while its timer is above 0; the value is the turns
// left, and StatusPermanent or more never runs out.
constexpr int StatusFrozen = 0;        // may not move; may still attack
constexpr int StatusShield = 1;        // DEF bonus +5
constexpr int StatusCovet = 2;         // the hero's Covet Charm: creatures flock to the enchanted item
constexpr int StatusHiccups = 3;       // attacks may lose half their to-hit roll
constexpr int StatusPartying = 4;      // a creature is distracted: no moves, no attacks on the hero
constexpr int StatusHaste = 5;         // SPD bonus +5
constexpr int StatusSoggy = 6;         // ATK, DEF, STR, SPD, MAG -2 and CON -5
constexpr int StatusStrengthened = 7;  // STR bonus +5
constexpr int StatusMagicBoost = 8;    // MAG bonus +5
constexpr int StatusFlying = 9;        // flies over water, pits and lava; 1000 for winged kinds
constexpr int StatusBlinded = 10;      // ATK, DEF, SPD, MAG -2; the hero's sight radius -4
constexpr int StatusPoisoned = 11;     // the hero loses 4 hit points a turn; the map turns green
constexpr int StatusStone = 12;        // may not move; may still attack; drawn grey
constexpr int StatusDisguised = 13;    // walking creatures lose the hero's track; drawn as a creature
constexpr int StatusStrongBuck = 14;   // 1 only while a Strong Buck or Deep Massage attack is resolved
constexpr int StatusJestbloom = 15;    // the curse; its effect depends on the hero
constexpr int StatusSpare = 16;        // counted down, never set; 17..20 neither set nor counted

constexpr int StatusLastCounted = StatusSpare;  // the countdown runs over ids 0..16
constexpr int StatusPermanent = 1000;           // timers from here up never count down

// Status ids 0..15 carry a label.
constexpr int StatusLabelCount = 16;

// The HUD label of a status ("Frozen", "Magic Boost", ...); "" for ids without one.
const char* StatusLabel(int id);
// The help line shown while the pointer rests on the status's label; the Jestbloom's
// depends on the hero in HeroId. "" for ids without a label.
std::string StatusHelp(int id);
