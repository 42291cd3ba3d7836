// Generated equipment: the six families of found and sold equipment (headgear, dress,
// footwear, accessory, melee weapon, bow) get their name, first line and stat points
// from the game's generator after DescribeItem has seeded it with the item's seed, so a
// piece is the same piece every time it is described.
#pragma once

#include <array>
#include <string>

// The highest tier with words of its own. Deeper pieces (tier 6 from depth 29 on) are
// named with the tier-5 words and keep gaining stat points with their tier.
constexpr int EquipmentWordTierMax = 5;

// Stat numbers of the "Mods:" line, in its order.
constexpr int StatAtk = 1;
constexpr int StatDef = 2;
constexpr int StatStr = 3;
constexpr int StatSpd = 4;
constexpr int StatMag = 5;
constexpr int StatCon = 6;

// The stat points of an item by stat number (entry 0 is unused), as its "Mods:" line
// shows them and as a worn piece adds them to the hero.
using StatPoints = std::array<int, StatCon + 1>;

// True for the ids whose name is generated: 1..5 and 7.
bool IsGeneratedEquipment(int kind);

// A generated piece's name and first line.
struct EquipmentWords {
    std::string name;
    std::string line;
};
// The name and first line of a generated piece, drawing its words in order: the base
// word or material, the costume, the adjective, the accessory or weapon kind. Any other
// id draws nothing and gives empty texts.
EquipmentWords NameGeneratedEquipment(int kind, int tier);

// Draws the stat points of any id below 100.
StatPoints DrawItemMods(int kind, int tier);
// The "Mods:" line of those points.
std::string ModsLine(const StatPoints& points);
