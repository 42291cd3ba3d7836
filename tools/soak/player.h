// The soak's winning player: how a strong player of the game chooses the next key.
//
// It sees the whole sector and every creature at once, by reading the game's tables
// (the map, the creature slots, the ground items, the satchel), as a player holding the
// sector's map and a bestiary would; it never changes them. It acts only through the
// keys it hands back, which the soak presses in the next frame of the real program.
#pragma once
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

// A plan that takes several frames: a satchel slot to use in the open inventory, a skill
// being aimed, skill levels being bought.
enum class PlayerPlan { None, UseSlot, Aim, Upgrade, Cook, Trade };

// A dish the satchel can make: its ingredients (food kinds, 0 for an empty place), the
// dish, and the hit points it heals beyond what its ingredients heal raw.
struct PlayerDish {
    int kinds[5] = {0, 0, 0, 0, 0};
    int dish = 0;
    int gain = 0;
};

struct PlayerMind {
    PlayerPlan plan = PlayerPlan::None;
    int planSlot = -1;     // UseSlot: the satchel slot to eat or put on
    bool planWasWorn = false;  // UseSlot: whether it was worn when the plan began
    int planFrames = 0;    // frames spent on the plan: a plan that lasts too long is dropped
    int upgradeStep = 0;   // Upgrade: keys given on the upgrade screen
    int upgradeRow = 0;    // Upgrade: the row being bought, counted from the top
    int lastX = -1, lastY = -1;
    int stillCommands = 0;  // commands given without the hero moving or a turn passing
    int waits = 0;          // turns waited on this cell for a foe to come
    std::pair<int, int> cameFrom = {-1, -1};  // the cell the hero stood on before this one
    const char* errand = "";      // what this turn's walk is for
    const char* lastErrand = "";  // and the last turn's: an errand begun is kept further
    int goalX = -1, goalY = -1;   // where the last walk led (for the trace)
    int lastDepth = -999;
    int lastTurn = -1;
    bool trace = false;  // a line on stderr per turn, and the hero's make-up in each new sector
    int traceDepth = -999;
    std::set<std::pair<int, int>> givenUp;  // cells of this sector not worth walking to again
    std::map<std::pair<int, int>, int> visits;  // turns begun on each cell of this sector
    int sectorTurn = 0;                          // the turn the hero came into this sector
    bool onwardOnly = false;                     // this sector's detours are given up
    std::map<int, int> feared;  // creature kinds that felled the hero in this run, and how often
    int fallsHere = 0;  // falls since the save this game was loaded from: the sector is a trap
    int healerDepth = -999;  // the sector where the healer lives, once seen
    bool goingHome = false;  // hurt with nothing to eat: back to the healer
    // Healing food still lying in each sector of this run (fruit trees counted by the
    // fruit they promise), as last seen: where a hungry hero can go back for a meal.
    std::map<int, int> foodLeft;
    int deepest = -999;     // the deepest sector of this run, and the turn it was first reached
    int deepestTurn = 0;
    // The best dish for the food in the satchel, worked out again when the food changes.
    std::vector<std::pair<int, int>> pantry;  // (kind, units) of the food the dish was found for
    PlayerDish dish;
    int dishesHeld = 0;  // Cook: units of the dish in the satchel before cooking
    int tradedDepth = -999;  // the sector traded in last: one visit to its trader is enough
    bool talking = false;  // a conversation opened for its friendship, to be left at once
    std::set<int> sidesSeen;  // the ways into side sectors taken in this run (their terrain codes)
    int skillUsed = -1;                     // the skill id chosen last (for the coverage table)
    // The stat points of a piece, by (kind, tier, seed): described once.
    std::map<std::tuple<int, int, int>, int> pieceScore;
};

// Keys for one frame of the game screen (the map, an open panel, an aimed skill or an
// interaction). `roll` draws the odd random choice; returns false when the player has
// nothing of its own to press and leaves the frame to the wandering keys.
bool PlayerGameKeys(PlayerMind& mind, int (*roll)(int n));

// No foe within reach, the hero not poisoned and at half his hit points or more: a
// moment a player would quit the game at.
bool PlayerCalm();

// The hero fell: the foes around him are remembered as too strong.
void PlayerDied(PlayerMind& mind);

// Keys for one frame of the skill upgrade screen: buy the skill levels that can be
// afforded, then leave.
void PlayerUpgradeKeys(PlayerMind& mind);

// Hit points a creature in slot `a` takes from `b` per attack, on the average, as the
// combat roll gives it (to-hit and dodge, the damage less the defence).
double ExpectedDamage(int a, int b);

// The chance that an attack of slot `a` lands on `b` (the to-hit roll beats the dodge).
double HitChance(int a, int b);
