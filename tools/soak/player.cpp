#include "soak/player.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/equipment_names.h"
#include "items/food.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/characters.h"
#include "rules/cooking.h"
#include "rules/forest_folk.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/terrain.h"

namespace {

const int Arrows[4] = {KeyUp, KeyDown, KeyLeft, KeyRight};
const int StepX[4] = {0, 0, -1, 1};
const int StepY[4] = {-1, 1, 0, 0};

void Press(int key) { InputPress(key); }

// Moves a satchel or offer cursor toward `target` on a grid `columns` wide, one key a
// frame, and presses `confirm` once it is there.
void CursorTo(int cursor, int target, int columns, int confirm) {
    const int diff = target - cursor;
    if (diff >= columns) {
        Press(KeyDown);
    } else if (diff <= -columns) {
        Press(KeyUp);
    } else if (diff > 0) {
        Press(KeyRight);
    } else if (diff < 0) {
        Press(KeyLeft);
    } else {
        Press(confirm);
    }
}

bool Alive(int s) { return MonKind[s] >= 1 && MonHp[s] > 0; }
bool OnMap(int x, int y) { return x >= 0 && y >= 0 && x < MapWidth && y < MapHeight; }
int Steps(int s, int x, int y) { return std::abs(MonX[s] - x) + std::abs(MonY[s] - y); }

int CreatureOn(int x, int y) {
    for (int s = 1; s < MonSlots; ++s)
        if (Alive(s) && MonX[s] == x && MonY[s] == y) return s;
    return -1;
}

bool Hostile(int s) { return s > 0 && Alive(s) && MonAttitude[s] == AttitudeHostile; }

// A creature that may move and strike this turn: not held, turned to stone or partying.
bool Awake(int s) {
    return MonStatus[s][StatusFrozen] == 0 && MonStatus[s][StatusStone] == 0 && MonStatus[s][StatusPartying] == 0;
}

// ---- Sizing up a fight ---------------------------------------------------------------

// Hit points the hero loses before `s` falls, fighting it alone and by bumping.
double CostToBeat(int s) {
    const double dealt = std::max(0.3, ExpectedDamage(0, s));
    const double turns = std::ceil(MonHp[s] / dealt);
    // A scorpion's or a giant spider's poison takes 4 a turn for nine turns after, and
    // a new sting sets the count back to nine. A blow that lands poisons when a draw of
    // 0..100, less the hero's constitution, beats 70 (scorpion) or 60 (giant spider).
    double poison = 0;
    if (MonKind[s] == KindScorpion || MonKind[s] == KindGiantSpider) {
        const double threshold = MonKind[s] == KindScorpion ? 70 : 60;
        const double perBlow = HitChance(s, 0) *
                               std::clamp((100 - threshold - MonCon[0] - MonConBonus[0]) / 100.0, 0.0, 1.0);
        poison = (1 - std::pow(1 - perBlow, turns)) * 4.0 * std::max(0, 9 - MonStatus[0][StatusPoisoned]);
    }
    return turns * ExpectedDamage(s, 0) + poison;
}

// Hit points the hero may lose on the way and still be safe.
double Spare() { return MonHp[0] - 0.2 * MonMaxHp[0]; }

bool Villain(int s) {
    if (s <= 0 || !Alive(s)) return false;
    return (MonKind[s] == KindSkarnix && GameVars[VarScenario] == ScenarioChaos) ||
           (MonKind[s] == KindVorgath && GameVars[VarScenario] == ScenarioCastle);
}

// Kinds that felled the hero in this run: a player does not take them on twice lightly.
const std::map<int, int>* Feared = nullptr;

// Hit points the hero loses taking on `s` with the foes that stand by it: a pack comes
// at him together, and while one is fought the others strike too.
double GroupCost(int s) {
    double cost = 0;
    int foes = 0;
    for (int t = 1; t < MonSlots; ++t)
        if (Hostile(t) && std::abs(MonX[t] - MonX[s]) + std::abs(MonY[t] - MonY[s]) <= 3) {
            const int scars = Feared && Feared->count(MonKind[t]) ? Feared->at(MonKind[t]) : 0;
            cost += CostToBeat(t) * (1 + scars);
            ++foes;
        }
    return foes > 1 ? cost * 1.5 : cost;
}

bool Beatable(int s) { return GroupCost(s) < Spare(); }

// What a kill is worth in hit points: its share of the next level's twelve, twice over
// for the statistics the level brings. Each level asks 1.6 times the experience of the
// one before, so from the middle levels on a foe is worth seeking out only when it costs
// next to nothing.
double KillWorth(int s) { return 64.0 * MonXp[s] / std::max(1, XpNext); }

// Hostiles that could strike the hero next turn, and what they would take from him.
double ThreatNear(int range) {
    double threat = 0;
    for (int s = 1; s < MonSlots; ++s)
        if (Hostile(s) && Steps(s, MonX[0], MonY[0]) <= range) threat += ExpectedDamage(s, 0);
    return threat;
}

// ---- Finding the way -----------------------------------------------------------------

bool Walls(int x, int y) {
    const int code = MapTerrain[x][y];
    if (code == Sticks || code == Log || code == Door) return false;
    return TerrainBlocksMovement(x, y);
}

bool IsWayOn(int code) { return code == Exit || code == CastlePathOnward || code == StairsUp || code == Portal; }
bool IsWayBack(int code) { return code == Entrance || code == CastlePathBack || code == StairsDown; }
bool IsWayOut(int code) {
    return IsWayOn(code) || IsWayBack(code) || code == StairsOut || code == StairsToForest || code == FairyDoor;
}

struct Route {
    int step = -1;  // first step 0..3, -1 none
    int length = 0;
    int x = -1, y = -1;  // where it ends
};

// What a cell costs to walk through; 0 keeps the walk off it.
int CellCost(int x, int y, bool careful, const bool (&nearFoe)[MapWidth][MapHeight]) {
    const int code = MapTerrain[x][y];
    const bool flying = MonStatus[0][StatusFlying] > 0;
    if (code == CursedPlant) return careful ? 0 : 30;
    // A way to another sector is stepped on only when it is where the walk goes.
    if (IsWayOut(code) || code == CryptEntrance || code == TempleEntrance || code == Portal) return 0;
    if (!flying && (code == Lava || (code >= LionTile && code <= WolfTile))) return careful ? 0 : 60;
    // Water and swamp soak the hero a little more each step: short crossings only.
    int cost = !flying && (code == DeepWater || code == Swamp) ? 12 : 1;
    if (careful && nearFoe[x][y]) cost += 25;
    return cost;
}

// The cell the hero stood on before this one.
std::pair<int, int> CameFrom = {-1, -1};

// Falls since the save this game was loaded from, at most three: how far the walks stray
// from the ones that failed.
int FallsHere = 0;
// The dearest step the walk prices: its queue of costs holds 128 at a time.
constexpr int MaxStepCost = 127;

// A hostile creature chases the hero from up to this many steps away, and stands still
// or wanders when he is further.
constexpr int ChaseSteps = 11;

// Steps from the nearest foe too strong to fight, walking as it walks, for every cell
// within its chase (further cells hold more than ChaseSteps).
void FoeReach(int (&reach)[MapWidth][MapHeight]) {
    std::vector<std::pair<int, int>> frontier;
    for (int x = 0; x < MapWidth; ++x)
        for (int y = 0; y < MapHeight; ++y) reach[x][y] = ChaseSteps + 1;
    for (int s = 1; s < MonSlots; ++s) {
        if (!Hostile(s) || !OnMap(MonX[s], MonY[s]) || Beatable(s) || Villain(s)) continue;
        reach[MonX[s]][MonY[s]] = 0;
        frontier.push_back({MonX[s], MonY[s]});
    }
    for (std::size_t i = 0; i < frontier.size(); ++i) {
        const auto [x, y] = frontier[i];
        if (reach[x][y] >= ChaseSteps) continue;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + StepX[d], ny = y + StepY[d];
            if (!OnMap(nx, ny) || reach[nx][ny] <= reach[x][y] + 1 || Walls(nx, ny)) continue;
            reach[nx][ny] = reach[x][y] + 1;
            frontier.push_back({nx, ny});
        }
    }
}

// The first step of the cheapest walk to a cell for which `wanted` holds. `careful`
// keeps off the cells of creatures that are not foes worth fighting and prices the
// cells next to foes too strong to fight; a careless walk only keeps off walls.
template <typename Pred>
Route RouteTo(Pred wanted, bool careful) {
    constexpr int Cells = MapWidth * MapHeight;
    constexpr int Unseen = 1 << 30;
    static int firstStep[MapWidth][MapHeight];
    static int cost[MapWidth][MapHeight];
    static bool nearFoe[MapWidth][MapHeight];
    static bool held[MapWidth][MapHeight];
    static int reach[MapWidth][MapHeight];
    static std::vector<std::pair<int, int>> buckets[128];
    for (int x = 0; x < MapWidth; ++x)
        for (int y = 0; y < MapHeight; ++y) {
            cost[x][y] = Unseen;
            nearFoe[x][y] = held[x][y] = false;
        }
    if (careful) {
        for (int s = 1; s < MonSlots; ++s) {
            if (!Alive(s) || !OnMap(MonX[s], MonY[s])) continue;
            if (!Hostile(s)) {
                held[MonX[s]][MonY[s]] = true;
                // A wasp next to the hero enrages every wasp of the sector.
                if (MonKind[s] == KindWasp) {
                    for (int d = 0; d < 4; ++d)
                        if (OnMap(MonX[s] + StepX[d], MonY[s] + StepY[d]))
                            nearFoe[MonX[s] + StepX[d]][MonY[s] + StepY[d]] = true;
                }
            } else if (!Beatable(s) && !Villain(s)) {
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        if (OnMap(MonX[s] + dx, MonY[s] + dy)) nearFoe[MonX[s] + dx][MonY[s] + dy] = true;
            }
        }
        FoeReach(reach);
    }
    const int hx = MonX[0], hy = MonY[0];
    Route route;
    if (!OnMap(hx, hy)) return route;
    for (auto& bucket : buckets) bucket.clear();
    cost[hx][hy] = 0;
    firstStep[hx][hy] = -1;
    buckets[0].push_back({hx, hy});
    int pending = 1;
    for (int c = 0; pending > 0 && c < Cells * 64; ++c) {
        auto& bucket = buckets[c % 128];
        while (!bucket.empty()) {
            const auto [x, y] = bucket.back();
            bucket.pop_back();
            --pending;
            if (cost[x][y] != c) continue;
            if ((x != hx || y != hy) && wanted(x, y)) {
                route.step = firstStep[x][y];
                route.length = c;
                route.x = x;
                route.y = y;
                return route;
            }
            if ((x != hx || y != hy) && (Walls(x, y) || held[x][y])) continue;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + StepX[d], ny = y + StepY[d];
                if (!OnMap(nx, ny)) continue;
                int step = CellCost(nx, ny, careful, nearFoe);
                // A foe too strong to fight chases whatever comes within 11 steps of it. After
                // a fall from the same save the berth is wider and the walk a little
                // different each time: the way that failed is not taken again step for step.
                // Straight back onto the cell just left: only when the way ahead is
                // much the dearer, or the walk turns on its heel every time prices shift.
                if (careful && step > 0 && x == hx && y == hy && nx == CameFrom.first && ny == CameFrom.second)
                    step += 24;
                if (careful && step > 0) {
                    if (reach[nx][ny] <= ChaseSteps) step += (3 + 2 * FallsHere) * (ChaseSteps + 1 - reach[nx][ny]);
                    if (FallsHere > 0)
                        step += static_cast<int>((nx * 73856093u ^ ny * 19349663u ^ FallsHere * 83492791u) % 7);
                    step = std::min(step, MaxStepCost);
                }
                if (step == 0) {
                    if (!wanted(nx, ny)) continue;
                    step = 1;
                }
                if (c + step >= cost[nx][ny]) continue;
                cost[nx][ny] = c + step;
                firstStep[nx][ny] = firstStep[x][y] == -1 ? d : firstStep[x][y];
                buckets[(c + step) % 128].push_back({nx, ny});
                ++pending;
            }
        }
    }
    return route;
}

template <typename Pred>
Route BestRoute(Pred wanted) {
    const Route careful = RouteTo(wanted, true);
    return careful.step >= 0 ? careful : RouteTo(wanted, false);
}

// ---- The satchel -------------------------------------------------------------------------

bool SatchelHasRoom() {
    for (int i = 0; i < UsableInvSlots(); ++i)
        if (InvKind[i] == 0) return true;
    return false;
}

// Hit points a food gives, cooked food more (a lemon, a worm or baked bads give none).
int FoodHeal(int kind, int tier) {
    const FoodEntry* food = FindFood(kind);
    if (food == nullptr) return 0;
    return tier == 2 ? food->hp * 3 / 2 : tier >= 1 ? food->hp * 5 / 4 : food->hp;
}

bool Healing(int kind, int tier) { return ItemCategory(kind) == CategoryFood && FoodHeal(kind, tier) > 0; }

// Food made with egg or milk enrages the calm treelephants of the sector when eaten.
bool SafeToEat(int kind) {
    const FoodEntry* food = FindFood(kind);
    if (food == nullptr || !food->animal) return true;
    for (int s = 1; s < MonSlots; ++s)
        if (Alive(s) && MonKind[s] == KindTreelephant && MonAttitude[s] == AttitudeNeutral) return false;
    return true;
}

bool WorthGrabbing(int kind, int tier) {
    const int c = ItemCategory(kind);
    if (c == CategoryMoney) return true;
    if (!SatchelHasRoom()) return false;
    return Healing(kind, tier) || (c >= CategoryHeadgear && c <= CategoryWeapon) || c == CategoryLetter ||
           c == CategorySpecial;
}

int WorthyItemAt(int x, int y) {
    for (int g = 0; g < GroundSlots; ++g)
        if (GroundItemKind[g] > 0 && GroundItemX[g] == x && GroundItemY[g] == y &&
            WorthGrabbing(GroundItemKind[g], GroundItemTier[g]))
            return g;
    return -1;
}

// The stat points a piece gives when worn, weighted for fighting, read from its
// description as the panel reads it. The description draws from the game's stream and
// writes the shared look-up texts, so both are put back as they were: looking at an item
// changes nothing in the game.
int PieceScore(PlayerMind& mind, int slot) {
    const auto key = std::make_tuple(InvKind[slot], InvTier[slot], InvSeed[slot]);
    const auto known = mind.pieceScore.find(key);
    if (known != mind.pieceScore.end()) return known->second;
    const int state = RandomState();
    const std::string name = LookupName, text = LookupText, text2 = LookupText2;
    const StatPoints m = DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]).mods;
    const int score = 3 * m[StatAtk] + 3 * m[StatDef] + 3 * m[StatStr] + 2 * m[StatSpd] + m[StatMag] + m[StatCon];
    SeedRandom(state);
    LookupName = name;
    LookupText = text;
    LookupText2 = text2;
    mind.pieceScore[key] = score;
    return score;
}

bool Worn(int slot) {
    for (int e = 0; e < EquipSlots; ++e)
        if (Equip[e] == slot) return true;
    return false;
}

// A satchel slot to use for a better outfit: a piece better than the one worn in its
// place (or for a free place), or a worn accessory to take off for a better one.
int BetterPiece(PlayerMind& mind) {
    // The best piece not worn, for each category worn.
    int best[CategoryWeapon + 1];
    std::fill(std::begin(best), std::end(best), -1);
    for (int i = 0; i < UsableInvSlots(); ++i) {
        const int c = ItemCategory(InvKind[i]);
        if (InvKind[i] == 0 || c < CategoryHeadgear || c > CategoryWeapon || Worn(i)) continue;
        if (PieceScore(mind, i) <= 0) continue;
        if (best[c] < 0 || PieceScore(mind, i) > PieceScore(mind, best[c])) best[c] = i;
    }
    for (int c = CategoryHeadgear; c <= CategoryWeapon; ++c) {
        const int i = best[c];
        if (i < 0) continue;
        const int score = PieceScore(mind, i);
        if (c == CategoryAccessory) {
            if (Equip[3] < 0 || Equip[4] < 0) return i;
            const int worse = PieceScore(mind, Equip[3]) <= PieceScore(mind, Equip[4]) ? Equip[3] : Equip[4];
            if (score > PieceScore(mind, worse)) return worse;  // taken off first
            continue;
        }
        const int place = c == CategoryWeapon ? 5 : c - 1;
        if (Equip[place] < 0 || score > PieceScore(mind, Equip[place])) return i;
    }
    return -1;
}

// The food that heals most: the stomach fills by the mouthful, so each one should count.
int FoodSlot() {
    int best = -1;
    for (int i = 0; i < UsableInvSlots(); ++i)
        if (InvKind[i] > 0 && Healing(InvKind[i], InvTier[i]) && SafeToEat(InvKind[i]) &&
            (best < 0 || FoodHeal(InvKind[i], InvTier[i]) > FoodHeal(InvKind[best], InvTier[best])))
            best = i;
    return best;
}

// ---- Cooking ------------------------------------------------------------------------------

// The food kinds of the satchel with their units (at most five each, as a pot holds five).
std::vector<std::pair<int, int>> Pantry() {
    std::map<int, int> units;
    for (int i = 0; i < UsableInvSlots(); ++i)
        if (InvKind[i] > 0 && ItemCategory(InvKind[i]) == CategoryFood && SafeToEat(InvKind[i]))
            units[InvKind[i]] = std::min(5, units[InvKind[i]] + InvCount[i]);
    return {units.begin(), units.end()};
}

// The dish the pot would make of `kinds`, asked of the game's own recipe list with the
// pot's places filled for the question and put back after it.
int DishOf(const int (&kinds)[PotSlots]) {
    int kept[PotSlots];
    for (int i = 0; i < PotSlots; ++i) {
        kept[i] = PotKind[i];
        PotKind[i] = kinds[i];
    }
    const int dish = MatchRecipe();
    for (int i = 0; i < PotSlots; ++i) PotKind[i] = kept[i];
    return dish;
}

// Tries every choice of up to five units of the pantry, from kind `from` on.
void TryDishes(const std::vector<std::pair<int, int>>& pantry, std::size_t from, int (&kinds)[PotSlots], int placed,
               PlayerDish& best) {
    if (placed > 0) {
        const int dish = DishOf(kinds);
        if (dish > 0) {
            // A cooked dish comes out of the pot at quality 1.
            int gain = FoodHeal(dish, 1);
            for (int i = 0; i < placed; ++i) gain -= FoodHeal(kinds[i], 0);
            if (gain > best.gain) {
                std::copy(std::begin(kinds), std::end(kinds), best.kinds);
                best.dish = dish;
                best.gain = gain;
            }
        }
    }
    if (placed == PotSlots) return;
    for (std::size_t k = from; k < pantry.size(); ++k) {
        int used = 0;
        for (int i = 0; i < placed; ++i) used += kinds[i] == pantry[k].first;
        if (used >= pantry[k].second) continue;
        kinds[placed] = pantry[k].first;
        TryDishes(pantry, k, kinds, placed + 1, best);
        kinds[placed] = 0;
    }
}

// The dish worth cooking from the satchel's food, worked out only when the food changed.
const PlayerDish& BestDish(PlayerMind& mind) {
    std::vector<std::pair<int, int>> pantry = Pantry();
    if (pantry != mind.pantry) {
        mind.pantry = std::move(pantry);
        mind.dish = PlayerDish();
        int kinds[PotSlots] = {0, 0, 0, 0, 0};
        TryDishes(mind.pantry, 0, kinds, 0, mind.dish);
    }
    return mind.dish;
}

int DishUnits(int dish) {
    int n = 0;
    for (int i = 0; i < UsableInvSlots(); ++i) n += InvKind[i] == dish ? InvCount[i] : 0;
    return n;
}

// Keys for one frame of the cooking pot: the dish's ingredients one by one from the
// satchel (anything else in the pot taken back first), then G to cook and C to leave.
void CookKeys(PlayerMind& mind) {
    int wanted[PotSlots];
    std::copy(std::begin(mind.dish.kinds), std::end(mind.dish.kinds), wanted);
    for (int place = 0; place < PotSlots; ++place) {
        if (PotKind[place] == 0) continue;
        int* match = std::find(std::begin(wanted), std::end(wanted), PotKind[place]);
        if (match == std::end(wanted)) {
            Press(KeyDigit1 + place);  // not part of the dish: back into the satchel
            return;
        }
        *match = 0;
    }
    const int* missing = std::find_if(std::begin(wanted), std::end(wanted), [](int k) { return k > 0; });
    // Cooked, or taking too long: C until the pot closes (a key in a frame of the input
    // delay is not seen).
    if (++mind.planFrames > 200 || DishUnits(mind.dish.dish) > mind.dishesHeld) {
        Press(LetterKey('C'));
        return;
    }
    if (missing == std::end(wanted)) {
        Press(LetterKey('G'));
        return;
    }
    int slot = -1;
    for (int i = 0; i < UsableInvSlots() && slot < 0; ++i)
        if (InvKind[i] == *missing) slot = i;
    if (slot < 0) {
        Press(LetterKey('C'));
        return;
    }
    CursorTo(MenuCursor, slot, 2, KeySpace);
}

int FoodCount() {
    int n = 0;
    for (int i = 0; i < UsableInvSlots(); ++i)
        if (InvKind[i] > 0 && Healing(InvKind[i], InvTier[i])) n += InvCount[i];
    return n;
}

// ---- Trading --------------------------------------------------------------------------------

// The sales griffon, or the one of the forest folk whose role is the merchant.
bool Trader(int s) {
    if (s <= 0 || !Alive(s) || MonAttitude[s] != AttitudeFriendly) return false;
    if (MonKind[s] == KindSalesGriffon) return true;
    const int folk = FolkIndividual(s);
    return folk >= 0 && GameVars[folk] == RoleMerchant;
}

// A made piece in the satchel that is not worn: what a better one replaced, or never put
// on (the player wears no bow). The named treasures are kept.
int SparePiece() {
    static const int made[] = {ItemHeadgear, ItemDress, ItemFootwear, ItemAccessory, ItemWeapon, ItemBow};
    for (int i = 0; i < UsableInvSlots(); ++i)
        if (std::find(std::begin(made), std::end(made), InvKind[i]) != std::end(made) && !Worn(i)) return i;
    return -1;
}

// The store offer of food that heals most for its price, when the bits pay for it.
int FoodOffer() {
    int best = -1;
    double bestValue = 0;
    for (int i = 0; i < StoreSlots; ++i) {
        const int kind = StoreItemKind[i];
        if (kind <= 0 || !Healing(kind, StoreItemTier[i]) || !SafeToEat(kind)) continue;
        const int price = ItemPrice(kind, StoreItemTier[i], 0);
        if (price > Bits || price <= 0) continue;
        const double value = static_cast<double>(FoodHeal(kind, StoreItemTier[i])) / price;
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best;
}

bool WorthTrading() { return SparePiece() >= 0 || (FoodOffer() >= 0 && FoodCount() < 12 && SatchelHasRoom()); }

// Keys for one frame at a trader: spare pieces sold one by one, then the food that heals
// most for its price bought while the bits last and the satchel wants it, then leave.
// The griffon's menu has a chat first: its buying and selling are options 2 and 3.
void TradeKeys(PlayerMind& mind) {
    const bool griffon = DialogueState == DialogueSalesGriffon;
    const int buyStep = griffon ? GriffonBuyingStep : MerchantBuyingStep;
    const int sellStep = griffon ? GriffonSellingStep : ForestFolkSellingStep;
    const int leave = sellStep + 1;
    const bool timeUp = ++mind.planFrames > 400;
    mind.tradedDepth = Depth;
    if (DialogueStep == sellStep) {
        const int piece = SparePiece();
        if (piece < 0 || timeUp) {
            Press(LetterKey('C'));
        } else {
            CursorTo(MenuCursor, piece, 2, LetterKey('S'));
        }
    } else if (DialogueStep == buyStep) {
        const int offer = FoodOffer();
        if (offer < 0 || timeUp || FoodCount() >= 16 || !SatchelHasRoom()) {
            Press(LetterKey('C'));
        } else {
            CursorTo(MenuCursor, offer, 3, LetterKey('G'));
        }
    } else if (DialogueStep == 0) {
        if (!timeUp && SparePiece() >= 0) {
            Press(KeyDigit1 + sellStep - 1);
        } else if (!timeUp && FoodOffer() >= 0 && FoodCount() < 16 && SatchelHasRoom()) {
            Press(KeyDigit1 + buyStep - 1);
        } else {
            Press(KeyDigit1 + leave - 1);
        }
    } else {
        Press(KeySpace);  // the griffon's chat: closed with Space
    }
}

// ---- Skills ------------------------------------------------------------------------------

// The skills that hurt, hold, calm or win over a foe, or strengthen the hero for the
// fight. Not the Shield: it shields the creature it is aimed at, never the hero.
bool FightingSkill(int id) {
    static const int fighting[] = {SkillHolding,    SkillMagicBeam, SkillPartyCannon, SkillSurprise, SkillParty,
                                   SkillThunder,    SkillVaneburst, SkillTornado,     SkillWhining,  SkillStrongBuck,
                                   SkillHooflingUp, SkillWildBuck,  SkillTheStare,    SkillEmpathy,  SkillDeepMassage};
    return std::find(std::begin(fighting), std::end(fighting), id) != std::end(fighting);
}

// The number key (0-based list entry) of a fighting skill the hero can pay for, or -1.
int FightingSkillEntry() {
    if (HeroId == 1 && MonStatus[0][StatusJestbloom] > 0) return -1;
    for (int entry = 0; entry < 9; ++entry) {
        const int slot = ListedSkillSlot(entry);
        if (slot < 0) break;
        const int id = SkillId[slot];
        // Strengthened already: another Hoofling Up would only add turns.
        if (id == SkillHooflingUp && MonStatus[0][StatusStrengthened] > 0) continue;
        if (FightingSkill(id) && MonMp[0] >= SkillMpCost(id)) return entry;
    }
    return -1;
}

void AimKeys(PlayerMind& mind) {
    const SkillEffect* effect = ActiveSkillSlot >= 0 && ActiveSkillSlot < SkillSlots
                                    ? FindSkillEffect(SkillId[ActiveSkillSlot])
                                    : nullptr;
    if (mind.plan != PlayerPlan::Aim || effect == nullptr || ++mind.planFrames > 40 || SkillChoosingItem()) {
        Press(LetterKey('C'));
        return;
    }
    if (effect->mode == OwnCell) {
        Press(KeySpace);
        return;
    }
    // The lit cell with a foe on it (or, for a burst, next to one) nearest the cursor.
    int bestX = -1, bestY = -1, bestD = 1 << 20;
    for (int x = 0; x < MapWidth; ++x)
        for (int y = 0; y < MapHeight; ++y) {
            if (MapHighlight[x][y] != 1) continue;
            bool good = Hostile(CreatureOn(x, y));
            if (!good && effect->firstSlot == NoCreature) {
                for (int d = 0; d < 4 && !good; ++d)
                    good = OnMap(x + StepX[d], y + StepY[d]) && Hostile(CreatureOn(x + StepX[d], y + StepY[d]));
            }
            const int dist = std::abs(x - TargetX) + std::abs(y - TargetY);
            if (good && dist < bestD) {
                bestD = dist;
                bestX = x;
                bestY = y;
            }
        }
    if (bestX < 0) {
        Press(LetterKey('C'));
    } else if (bestX != TargetX) {
        Press(bestX < TargetX ? KeyLeft : KeyRight);
    } else if (bestY != TargetY) {
        Press(bestY < TargetY ? KeyUp : KeyDown);
    } else {
        Press(KeySpace);
    }
}

// ---- The map -------------------------------------------------------------------------------

bool UpgradeAffordable() {
    for (int k = 0; k < SkillSlots; ++k)
        if (SkillId[k] > 0 && SkillLevel[k] < SkillMaxLevel && SkillPoints >= SkillUpgradeCost(SkillId[k])) return true;
    return false;
}

void StartUsing(PlayerMind& mind, int slot) {
    mind.plan = PlayerPlan::UseSlot;
    mind.planSlot = slot;
    mind.planWasWorn = Worn(slot);
    mind.planFrames = 0;
    Press(LetterKey('I'));
}

// Moves one step, swapping places with a creature that is not a foe instead of bumping
// into it (a bump would open a talk or do nothing), unless it is a talk the hero is after.
void Walk(int step, bool talk = false) {
    const int s = CreatureOn(MonX[0] + StepX[step], MonY[0] + StepY[step]);
    if (s > 0 && !Hostile(s) && !talk) Press(KeyLShift);
    Press(Arrows[step]);
}

bool Healer(int s) { return s > 0 && Alive(s) && MonKind[s] == KindOmbasi && MonAttitude[s] != AttitudeHostile; }

// G and E act on what lies on the hero's cell only while the cell is in view. The game
// finds it when it draws the frame, so its own note of it (`ItemUnderHero`) still
// speaks of the cell the hero stood on before a step taken this frame; the player
// looks at the cell itself.
bool UnderfootSeen() { return OnMap(MonX[0], MonY[0]) && MapSeen[MonX[0]][MonY[0]] == 2; }

bool FoodUnder(int x, int y) {
    for (int g = 0; g < GroundSlots; ++g)
        if (GroundItemKind[g] > 0 && GroundItemX[g] == x && GroundItemY[g] == y &&
            Healing(GroundItemKind[g], GroundItemTier[g]) && SafeToEat(GroundItemKind[g]))
            return true;
    return false;
}

// How far, in walk price, food is worth fetching: further when the satchel holds little.
int ForageReach() { return FoodCount() < 6 ? 120 : 40; }

// How far, in walk price, an errand is worth walking: twice as far for the errand the
// hero is already on. The prices shift every turn as foes move, and a walk that changes
// its mind with them steps back and forth between two errands and gets nowhere.
int Reach(const PlayerMind& mind, const char* errand, int reach) {
    return std::strcmp(mind.lastErrand, errand) == 0 ? 2 * reach : reach;
}

// Turns without a new deepest sector after which a run stops walking back for food.
constexpr int StallTurns = 2500;

bool FruitTree(int code) { return code >= AppleTree && code <= JoltAppleTree && code != LemonTree; }

// Healing food of the sector that a walk from the hero reaches: units on the ground, and
// three for every fruit tree.
int SectorFood() {
    static bool reached[MapWidth][MapHeight];
    for (auto& column : reached) std::fill(std::begin(column), std::end(column), false);
    std::vector<std::pair<int, int>> frontier = {{MonX[0], MonY[0]}};
    if (!OnMap(MonX[0], MonY[0])) return 0;
    reached[MonX[0]][MonY[0]] = true;
    int n = 0;
    for (std::size_t i = 0; i < frontier.size(); ++i) {
        const auto [x, y] = frontier[i];
        for (int d = 0; d < 4; ++d) {
            const int nx = x + StepX[d], ny = y + StepY[d];
            if (!OnMap(nx, ny) || reached[nx][ny]) continue;
            reached[nx][ny] = true;
            if (FruitTree(MapTerrain[nx][ny])) n += 3;
            if (!Walls(nx, ny)) frontier.push_back({nx, ny});
        }
    }
    for (int g = 0; g < GroundSlots; ++g)
        if (GroundItemKind[g] > 0 && OnMap(GroundItemX[g], GroundItemY[g]) && reached[GroundItemX[g]][GroundItemY[g]] &&
            Healing(GroundItemKind[g], GroundItemTier[g]))
            n += GroundItemCount[g];
    return n;
}

// The way back leads to sectors already walked: in the forest, and in the castle.
bool CanGoBack() { return Depth > 0 && GameVars[VarScenario] != ScenarioChaos; }

// The nearest sector behind the hero (at most five back) that still holds food, or -1.
// A run that has gone no deeper for a long while stops going back: the walks back and
// forth are getting it nowhere.
int FoodBehind(const PlayerMind& mind) {
    if (!CanGoBack() || TurnCount - mind.deepestTurn > StallTurns) return -1;
    for (int d = Depth - 1; d >= std::max(0, Depth - 5); --d) {
        const auto left = mind.foodLeft.find(d);
        if (left != mind.foodLeft.end() && left->second > 0) return d;
    }
    return -1;
}

bool HostileWithin(int range) {
    for (int s = 1; s < MonSlots; ++s)
        if (Hostile(s) && Steps(s, MonX[0], MonY[0]) <= range) return true;
    return false;
}

// The Jestbloom ties Dabble Moss's tongue and makes Mellowen too shy to talk.
bool Tongued() { return MonStatus[0][StatusJestbloom] > 0 && (HeroId == HeroDabbleMoss || HeroId == HeroMellowen); }

// A friendly creature whose conversation would now raise the friendship score: its talk
// flag has run down (or was never set).
bool TalkEarnsFriendship(int s) {
    if (s <= 0 || !Alive(s) || MonAttitude[s] != AttitudeFriendly) return false;
    const int folk = FolkIndividual(s);
    const Character* character = FindCharacter(MonKind[s]);
    const int flag = folk >= 0 ? FolkTalkFlag(folk) : character != nullptr ? character->talkFlag : 0;
    return flag > 0 && GameVars[flag] == 0;
}

// Whether the hero takes what a feature's panel offers ("2) Take the treasure", "2) Ring
// the bell!"). A treasure chest holds its prize for nothing. The stone table wakes the
// drybones below the graves, the idol springs the temple's lava trap, a vine chest taken
// after an egg or milk dish wakes the treelephant statues, and a bell may be the noisy
// one that calls five wolves, ogres or bats: those are for a hero in good shape, and only
// on easy, where a fall keeps the save.
bool TakesPrize(int dialogue) {
    const int hp = GameVars[VarDifficulty] == DifficultyEasy ? MonHp[0] * 100 / std::max(1, MonMaxHp[0]) : 0;
    switch (dialogue) {
        case DialogueTreasureChest: return true;
        case DialogueStoneTable:
        case DialogueGemIdol: return hp >= 75;
        case DialogueVineChest: return GameVars[VarAteAnimalFood] == 0 || hp >= 90;
        case DialogueBell: return hp >= 80 && MonLevel[0] >= 8;
        default: return false;
    }
}

// The features with a prize, by their terrain code, and the panel each opens when the
// hero bumps into it.
struct PrizeFeature {
    int code;
    int panel;
};
constexpr PrizeFeature PrizeFeatures[] = {
    {TreasureChest, DialogueTreasureChest}, {StoneTable, DialogueStoneTable}, {GemIdol, DialogueGemIdol},
    {VineChest, DialogueVineChest},         {BellFirst, DialogueBell},        {BellSecond, DialogueBell},
};

bool HasPrize(int dialogue) {
    for (const PrizeFeature& f : PrizeFeatures)
        if (f.panel == dialogue) return true;
    return false;
}

int PrizePanel(int code) {
    for (const PrizeFeature& f : PrizeFeatures)
        if (f.code == code) return f.panel;
    return DialogueNone;
}

// The satchel slot of the fruit the hero holds most of, or -1: what goes onto a fairy
// garden tree, which bears that fruit after 600 turns spent outside the garden.
int FruitToPlant() {
    int best = -1;
    for (int i = 0; i < UsableInvSlots(); ++i)
        if (IsFruit(InvKind[i]) && (best < 0 || InvCount[i] > InvCount[best])) best = i;
    return best;
}

// A tree of the fairy garden with nothing planted in it.
bool BareGardenTree(int x, int y) {
    if (Depth != DepthFairyGarden || MapTerrain[x][y] != MagicalTree) return false;
    const int plot = GardenPlotAt(x, y);
    return plot >= 0 && GlobalData[GlobalGardenPlotFirst + plot] == 0;
}

// One line of the trace: the turn, the hero, and each foe within 12 steps with what a
// fight with it would cost; in a new sector also the hero's statistics and what he wears.
void Trace(PlayerMind& mind) {
    const int hx = MonX[0], hy = MonY[0];
    std::fprintf(stderr, "T%d d%d fs%d hp%d/%d mp%d lv%d food%d/%d poison%d (%d,%d):", TurnCount, Depth, Friendship,
                 MonHp[0], MonMaxHp[0], MonMp[0], MonLevel[0], FoodCount(), SectorFood(), MonStatus[0][StatusPoisoned],
                 hx, hy);
    for (int s = 1; s < MonSlots; ++s)
        if (Hostile(s) && Steps(s, hx, hy) <= 12)
            std::fprintf(stderr, " [%s hp%d lv%d d%d cost%.0f dmg%.1f/%.1f]", MonName[s].c_str(), MonHp[s], MonLevel[s],
                         Steps(s, hx, hy), GroupCost(s), ExpectedDamage(0, s), ExpectedDamage(s, 0));
    std::fprintf(stderr, " after: %s to (%d,%d)\n", mind.errand, mind.goalX, mind.goalY);
    if (Depth == mind.traceDepth) return;
    mind.traceDepth = Depth;
    std::fprintf(stderr, "  atk %d+%d def %d+%d str %d+%d spd %d+%d mag %d+%d con %d+%d, worn", MonAtk[0],
                 MonAtkBonus[0], MonDef[0], MonDefBonus[0], MonStr[0], MonStrBonus[0], MonSpd[0], MonSpdBonus[0],
                 MonMag[0], MonMagBonus[0], MonCon[0], MonConBonus[0]);
    for (int e = 0; e < EquipSlots; ++e)
        std::fprintf(stderr, " %d/%d", Equip[e] >= 0 ? InvKind[Equip[e]] : 0, Equip[e] >= 0 ? InvTier[Equip[e]] : 0);
    std::fprintf(stderr, ", skill points %d, bits %d\n", SkillPoints, Bits);
}

bool MapKeys(PlayerMind& mind, int (*roll)(int)) {
    const int hx = MonX[0], hy = MonY[0];
    if (Depth != mind.lastDepth) {
        mind.lastDepth = Depth;
        mind.givenUp.clear();
        mind.visits.clear();
        mind.sectorTurn = TurnCount;
        // A sector the hero already fell in, from the same save: no detours this time.
        mind.onwardOnly = mind.fallsHere > 0 && mind.lastTurn < 0;
    }
    // Back and forth between the same cells: the sector's detours are given up.
    if (TurnCount != mind.lastTurn && ++mind.visits[{hx, hy}] > 12) mind.onwardOnly = true;
    // Still here long after: the foes' reach shifts as they wander and the careful walk
    // turns back and forth at its edge. The hero makes for the way on regardless.
    const bool bold = mind.visits[{hx, hy}] > 30 || TurnCount - mind.sectorTurn > 400;
    if (hx != mind.lastX || hy != mind.lastY) {
        mind.waits = 0;
        mind.cameFrom = {mind.lastX, mind.lastY};
    }
    CameFrom = mind.cameFrom;
    if (hx == mind.lastX && hy == mind.lastY && TurnCount == mind.lastTurn) {
        mind.stillCommands++;
    } else {
        mind.stillCommands = 0;
    }
    if (TurnCount != mind.lastTurn && Depth >= 0) mind.foodLeft[Depth] = SectorFood();
    if (Depth > mind.deepest || mind.deepestTurn > TurnCount) {
        mind.deepest = std::max(mind.deepest, Depth);
        mind.deepestTurn = TurnCount;
    }
    if (TurnCount != mind.lastTurn && mind.trace) Trace(mind);
    mind.lastX = hx;
    mind.lastY = hy;
    mind.lastTurn = TurnCount;

    // Long without getting anywhere: the wandering keys take over for a while.
    if (mind.stillCommands > 40) {
        if (mind.stillCommands > 60) mind.stillCommands = 0;
        mind.givenUp.insert({hx, hy});
        return false;
    }
    // A second turn on the same swamp cell may poison, a fourth holds the hero until it
    // swallows him: no fight, meal or pick-up is worth standing there.
    // Ten turns swimming drown him: from the fourth, the nearest shore comes before all else.
    const bool sinking = MonStatus[0][StatusFlying] == 0 &&
                         ((MapTerrain[hx][hy] == Swamp && GameVars[VarTurnsOnCell] >= 1) ||
                          (MapTerrain[hx][hy] == DeepWater && GameVars[VarTurnsOnTerrain] >= 4));
    if (sinking) {
        // The nearest shore by steps: a foe's reach is no reason to swim further.
        const Route dry = RouteTo(
            [](int x, int y) {
                const int code = MapTerrain[x][y];
                return code != Swamp && code != DeepWater && code != Lava && code != CursedPlant && !IsWayOut(code) &&
                       !Walls(x, y) && CreatureOn(x, y) < 0;
            },
            false);
        if (dry.step >= 0) {
            Walk(dry.step);
            return true;
        }
    }
    const bool hurt = MonHp[0] < MonMaxHp[0] * 55 / 100;
    const int food = FoodSlot();
    if (hurt && FullStomachTimer == 0 && UnderfootSeen() && FoodUnder(hx, hy)) {
        Press(LetterKey('E'));
        return true;
    }
    const bool poisoned = MonHp[0] <= MonStatus[0][StatusPoisoned] * 4 + 5;
    if ((hurt || poisoned) && FullStomachTimer == 0 && food >= 0) {
        StartUsing(mind, food);
        return true;
    }
    // The healer heals for nothing: a hurt hero with nothing to eat walks back to him.
    for (int s = 1; s < MonSlots; ++s)
        if (Healer(s)) mind.healerDepth = Depth;
    const int poison = MonStatus[0][StatusPoisoned] * 4;
    if ((MonHp[0] < MonMaxHp[0] * 45 / 100 || MonHp[0] <= poison + 5) && (food < 0 || FullStomachTimer > 0) &&
        mind.healerDepth >= 0 && Depth >= 0 && Depth - mind.healerDepth <= 12 &&
        TurnCount - mind.deepestTurn <= StallTurns)
        mind.goingHome = true;
    if (MonHp[0] >= MonMaxHp[0]) mind.goingHome = false;
    if (WorthyItemAt(hx, hy) >= 0 && UnderfootSeen()) {
        Press(LetterKey('G'));
        return true;
    }
    if (SkillPoints > 0 && UpgradeAffordable()) {
        mind.plan = PlayerPlan::Upgrade;
        mind.upgradeStep = 0;
        mind.planFrames = 0;
        Press(LetterKey('X'));
        return true;
    }
    // The foes next to the hero: the one that falls soonest is hit first.
    int foe = -1;
    for (int d = 0; d < 4; ++d) {
        const int s = CreatureOn(hx + StepX[d], hy + StepY[d]);
        if (!Hostile(s)) continue;
        if (foe < 0 ||
            MonHp[s] / std::max(0.3, ExpectedDamage(0, s)) < MonHp[foe] / std::max(0.3, ExpectedDamage(0, foe)))
            foe = s;
    }
    const bool danger = ThreatNear(2) * 3 > Spare();
    if (foe < 0) {
        const int piece = BetterPiece(mind);
        if (piece >= 0) {
            StartUsing(mind, piece);
            return true;
        }
    }
    if (foe >= 0) {
        // In a hard fight the hero's skills first, while the magic lasts.
        const int entry = FightingSkillEntry();
        if (entry >= 0 && (danger || MonHp[foe] > 2 * ExpectedDamage(0, foe)) && roll(3) > 0) {
            mind.plan = PlayerPlan::Aim;
            mind.planFrames = 0;
            mind.skillUsed = SkillId[ListedSkillSlot(entry)];
            Press(KeyDigit1 + entry);
            return true;
        }
        // Too strong and the hero is hurt: away to a way out, if one is near. The way back
        // leads to a sector already walked; the way on to fresh foes and a save made hurt.
        if (!Beatable(foe) && !Villain(foe) && hurt) {
            Route out = RouteTo([](int x, int y) { return IsWayOut(MapTerrain[x][y]) && !IsWayOn(MapTerrain[x][y]); },
                                true);
            if (out.step < 0 || out.length > 6) {
                out = RouteTo([](int x, int y) { return IsWayOn(MapTerrain[x][y]); }, true);
                if (MonHp[0] < MonMaxHp[0] * 35 / 100) out.step = -1;
            }
            if (out.step >= 0 && out.length <= 6) {
                Walk(out.step);
                return true;
            }
        }
        for (int d = 0; d < 4; ++d)
            if (MonX[foe] == hx + StepX[d] && MonY[foe] == hy + StepY[d]) Press(Arrows[d]);
        return true;
    }
    // The quest's goal, when it is in this sector.
    const int scenario = GameVars[VarScenario];
    Route route;
    mind.lastErrand = mind.errand;
    mind.errand = "";
    if (scenario == ScenarioForest) {
        route = BestRoute([](int x, int y) { return MapTerrain[x][y] == QuestFlower; });
        if (route.step >= 0) mind.errand = "flower";
    } else {
        route = BestRoute([](int x, int y) { return Villain(CreatureOn(x, y)); });
        if (route.step >= 0) mind.errand = "villain";
    }
    // The crypt, the temple and the fairy garden: each seen once a run, by a hero fit for
    // them (their creatures are three levels up), before the sector's other errands.
    if (route.step < 0 && Depth >= 0 && MonHp[0] >= MonMaxHp[0] * 75 / 100 && MonLevel[0] >= 10 && !mind.onwardOnly) {
        const Route side = RouteTo(
            [&mind](int x, int y) {
                const int code = MapTerrain[x][y];
                return (code == CryptEntrance || code == TempleEntrance || code == FairyDoor) &&
                       !mind.sidesSeen.count(code);
            },
            true);
        // The length is the walk's price, strong foes' reach included.
        if (side.step >= 0 && side.length <= Reach(mind, "side sector", 250)) {
            route = side;
            mind.errand = "side sector";
            const int code = MapTerrain[MonX[0] + StepX[side.step]][MonY[0] + StepY[side.step]];
            if (side.length <= 1) mind.sidesSeen.insert(code);
        }
    }
    bool talk = false;
    mind.talking = false;
    // A trader buys the pieces the hero no longer wears and sells food for the bits; the
    // talk earns the friendship bonus too.
    if (route.step < 0 && !mind.onwardOnly && mind.tradedDepth != Depth && !HostileWithin(6) && WorthTrading() &&
        !Tongued()) {
        const Route shop = RouteTo([](int x, int y) { return Trader(CreatureOn(x, y)); }, true);
        if (shop.step >= 0 && shop.length <= Reach(mind, "trader", 40)) {
            route = shop;
            mind.errand = "trader";
            talk = true;
            if (shop.length <= 1) {
                mind.plan = PlayerPlan::Trade;
                mind.planFrames = 0;
            }
        }
    }
    // Above 95 the friendship score is worth three points on every stat, below 10 it costs
    // three: a friendly face on the way is worth a word.
    if (route.step < 0 && Friendship <= 95 && !Tongued()) {
        const Route chat = RouteTo([](int x, int y) { return TalkEarnsFriendship(CreatureOn(x, y)); }, true);
        if (chat.step >= 0 && chat.length <= Reach(mind, "talk", Friendship < 40 ? 40 : 20)) {
            route = chat;
            mind.errand = "talk";
            talk = mind.talking = true;
        }
    }
    // A chest, a table, an idol or a bell with a prize the hero would take.
    if (route.step < 0 && !mind.onwardOnly && !HostileWithin(6)) {
        const Route prize = RouteTo(
            [](int x, int y) {
                const int panel = PrizePanel(MapTerrain[x][y]);
                return panel != DialogueNone && TakesPrize(panel);
            },
            true);
        if (prize.step >= 0 && prize.length <= Reach(mind, "prize", 60)) {
            route = prize;
            mind.errand = "prize";
        }
    }
    // A fruit planted in the fairy garden is a fruit tree there on a later visit.
    if (route.step < 0 && Depth == DepthFairyGarden && FruitToPlant() >= 0) {
        const Route tree = RouteTo(BareGardenTree, true);
        if (tree.step >= 0) {
            route = tree;
            mind.errand = "planting";
        }
    }
    // Hurt with nothing to eat: onward, where a new sector's experience may bring a level.
    const bool weak = hurt && (food < 0 || FullStomachTimer > 0);
    if (route.step < 0 && mind.goingHome) {
        if (Depth == mind.healerDepth) {
            route = BestRoute([](int x, int y) { return Healer(CreatureOn(x, y)); });
            if (route.step >= 0) mind.errand = "healer";
            talk = true;
        } else if (Depth > mind.healerDepth) {
            route = BestRoute([](int x, int y) { return IsWayBack(MapTerrain[x][y]); });
            if (route.step >= 0) mind.errand = "home";
        } else {
            route = BestRoute([](int x, int y) { return IsWayOn(MapTerrain[x][y]); });
            if (route.step >= 0) mind.errand = "home";
        }
    }
    // A well of wishing heals whole for 100 bits.
    if (route.step < 0 && hurt && Bits >= 100) {
        route = BestRoute([](int x, int y) { return MapTerrain[x][y] == Well; });
        if (route.step >= 0) mind.errand = "well";
    }
    // A fruit tree shaken is food on the ground around it; hurt with nothing to eat,
    // any tree or food of the sector is worth the walk.
    if (route.step < 0 && (FoodCount() < 12 || weak) && !mind.onwardOnly) {
        const Route tree = RouteTo(
            [](int x, int y) { return MapTerrain[x][y] >= AppleTree && MapTerrain[x][y] <= JoltAppleTree; }, true);
        if (tree.step >= 0 && (tree.length <= Reach(mind, "tree", ForageReach()) || weak)) {
            route = tree;
            mind.errand = "tree";
        }
    }
    if (route.step < 0 && weak && !mind.onwardOnly && SatchelHasRoom()) {
        route = RouteTo([&mind](int x, int y) { return FoodUnder(x, y) && !mind.givenUp.count({x, y}); }, true);
        if (route.step >= 0) mind.errand = "food";
    }
    // A cooking pot makes more of the satchel's food than eating it raw.
    if (route.step < 0 && !mind.onwardOnly && !mind.goingHome && !HostileWithin(6) && BestDish(mind).gain > 0) {
        const Route pot = RouteTo([](int x, int y) { return MapTerrain[x][y] == CookingPot; }, true);
        if (pot.step >= 0 && pot.length <= Reach(mind, "pot", 40)) {
            route = pot;
            mind.errand = "pot";
            if (pot.length <= 1) {
                mind.plan = PlayerPlan::Cook;
                mind.planFrames = 0;
                mind.dishesHeld = DishUnits(mind.dish.dish);
            }
        }
    }
    if (route.step < 0 && !weak && !mind.onwardOnly && !mind.goingHome) {
        // Foes worth the experience and things worth having, if they are close.
        // Hit points never come back by themselves: a foe is sought out only when the
        // experience comes cheap.
        const Route fight = RouteTo(
            [](int x, int y) {
                const int s = CreatureOn(x, y);
                return Hostile(s) && Beatable(s) && GroupCost(s) < std::min(0.15 * MonMaxHp[0], KillWorth(s));
            },
            true);
        const Route grab = RouteTo(
            [&mind](int x, int y) {
                return WorthyItemAt(x, y) >= 0 && !mind.givenUp.count({x, y});
            },
            true);
        // Food is the only healing that keeps: it is worth a longer walk.
        const Route meal = RouteTo(
            [&mind](int x, int y) {
                return FoodUnder(x, y) && SatchelHasRoom() && !mind.givenUp.count({x, y});
            },
            true);
        // Twenty units are meals for sectors to come: more is not worth a walk past foes.
        const bool stocked = FoodCount() >= 20;
        if (meal.step >= 0 && !stocked && meal.length <= Reach(mind, "meal", ForageReach()) &&
            (grab.step < 0 || grab.length > Reach(mind, "grab", 12))) {
            route = meal;
            mind.errand = "meal";
        } else if (grab.step >= 0 && grab.length <= Reach(mind, "grab", 12) &&
                   (fight.step < 0 || grab.length <= fight.length)) {
            route = grab;
            mind.errand = "grab";
        } else if (fight.step >= 0 && MonHp[0] >= MonMaxHp[0] * 70 / 100) {
            // Every foe it can beat is experience: a level is worth more than the next sector.
            route = fight;
            mind.errand = "fight";
        }
    }
    if (route.step < 0 && Depth < 0) {
        // A special sector is left by the way it was entered.
        route = BestRoute([](int x, int y) {
            const int code = MapTerrain[x][y];
            return code == FairyDoor || code == StairsOut || code == StairsToForest;
        });
        if (route.step >= 0) mind.errand = "leave";
    }
    // Hurt with nothing to eat here: back to a sector walked before that still has food.
    if (route.step < 0 && weak && !mind.goingHome && FoodBehind(mind) >= 0) {
        route = BestRoute([](int x, int y) { return IsWayBack(MapTerrain[x][y]); });
        if (route.step >= 0) mind.errand = "food behind";
    }
    if (route.step < 0) {
        const auto wayOn = [](int x, int y) { return IsWayOn(MapTerrain[x][y]); };
        route = bold ? RouteTo(wayOn, false) : BestRoute(wayOn);
        mind.errand = bold ? "way on, boldly" : "way on";
    }
    if (route.step < 0) return false;
    // The game is saved on the other side: a hero crosses fed, not on his last legs.
    const int nx = hx + StepX[route.step], ny = hy + StepY[route.step];
    if (IsWayOn(MapTerrain[nx][ny]) && MonHp[0] < MonMaxHp[0] * 85 / 100 && food >= 0 && !HostileWithin(5)) {
        if (FullStomachTimer == 0) {
            StartUsing(mind, food);
        } else {
            Press(KeySpace);  // a turn's rest while the stomach settles
        }
        return true;
    }
    // Poison that will outlast his hit points: a save made now would be a death on every
    // load. He waits it out here, where the last save is one he can live through.
    if ((IsWayOn(MapTerrain[nx][ny]) || IsWayBack(MapTerrain[nx][ny])) && !HostileWithin(2) &&
        MonStatus[0][StatusPoisoned] > 0 && MonHp[0] <= MonStatus[0][StatusPoisoned] * 4 + 5) {
        Press(KeySpace);
        return true;
    }
    // A foe that steps up to the hero strikes only the turn after; one he steps up to
    // strikes at once. So a foe on the way is let come, a turn or three, unless it is a
    // teen dragon, whose fire reaches further than its bite.
    if (mind.waits < 3 && !IsWayOut(MapTerrain[nx][ny]) && MapTerrain[hx][hy] != Swamp &&
        MapTerrain[hx][hy] != DeepWater) {
        for (int d = 0; d < 4; ++d) {
            const int s = CreatureOn(nx + StepX[d], ny + StepY[d]);
            if (Hostile(s) && Awake(s) && MonKind[s] != KindTeenDragon) {
                ++mind.waits;
                Press(KeySpace);
                return true;
            }
        }
    }
    mind.goalX = route.x;
    mind.goalY = route.y;
    Walk(route.step, talk);
    return true;
}

void InventoryKeys(PlayerMind& mind) {
    const int slot = mind.planSlot;
    const bool done = mind.plan != PlayerPlan::UseSlot || ++mind.planFrames > 60 || slot < 0 ||
                      slot >= UsableInvSlots() || InvKind[slot] == 0 ||
                      (ItemCategory(InvKind[slot]) == CategoryFood && FullStomachTimer > 0) ||
                      (ItemCategory(InvKind[slot]) != CategoryFood && Worn(slot) != mind.planWasWorn);
    if (done) {
        mind.plan = PlayerPlan::None;
        Press(LetterKey('C'));
        return;
    }
    CursorTo(InvCursor, slot, 2, KeySpace);
}

}  // namespace

double HitChance(int a, int b) {
    const int atk = MonAtk[a] + MonAtkBonus[a];
    const double hit = 10 + MonSpd[a] + (std::max(atk, 1) + 1) / 2.0 + MonSpdBonus[a];
    const double dodge = 2.5 + MonSpd[b] + MonSpdBonus[b];
    return std::clamp(0.5 + (hit - dodge) / (10.0 + std::max(atk, 1)), 0.05, 0.98);
}

double ExpectedDamage(int a, int b) {
    const int atk = MonAtk[a] + MonAtkBonus[a];
    const double strike = atk + MonStr[a] + MonStrBonus[a] + 5.5 - (MonDef[b] + MonDefBonus[b]);
    return HitChance(a, b) * std::max(1.0, strike);
}

bool PlayerCalm() {
    for (int s = 1; s < MonSlots; ++s)
        if (Hostile(s) && Steps(s, MonX[0], MonY[0]) <= 8) return false;
    return MonStatus[0][StatusPoisoned] == 0 && MonHp[0] * 2 >= MonMaxHp[0];
}

void PlayerDied(PlayerMind& mind) {
    for (int s = 1; s < MonSlots; ++s)
        if (Hostile(s) && Steps(s, MonX[0], MonY[0]) <= 2) mind.feared[MonKind[s]]++;
}

bool PlayerGameKeys(PlayerMind& mind, int (*roll)(int n)) {
    Feared = &mind.feared;
    FallsHere = std::min(mind.fallsHere, 3);
    if (DialogueState == DialogueFlower) {
        Press(KeySpace);
        return true;
    }
    if (DialogueState == DialogueCharacter + KindOmbasi && ++mind.planFrames < 200) {
        // "2) Can you heal me?", the answer closed with Space, then "4) Leave".
        if (DialogueStep == 0) {
            Press(MonHp[0] < MonMaxHp[0] ? KeyDigit1 + 1 : KeyDigit1 + 3);
        } else {
            Press(KeySpace);
        }
        return true;
    }
    if (DialogueState == DialogueWell && ++mind.planFrames < 100) {
        // "1) Throw in 100 bits", then "3) Instant healing (HP and MP)".
        if (DialogueStep == 0) {
            Press(Bits >= 100 && MonHp[0] < MonMaxHp[0] ? KeyDigit1 : KeyDigit1 + 2);
        } else {
            Press(KeyDigit1 + 2);
        }
        return true;
    }
    if (DialogueState == DialogueMagicalTree) {
        // The satchel's cursor to the fruit and Space; C leaves a tree already planted.
        const int fruit = FruitToPlant();
        if (fruit < 0 || !BareGardenTree(DialogueCellX, DialogueCellY) || ++mind.planFrames > 100) {
            Press(LetterKey('C'));
        } else {
            CursorTo(MenuCursor, fruit, 2, KeySpace);
        }
        return true;
    }
    if (HasPrize(DialogueState) && ++mind.planFrames < 100) {
        Press(TakesPrize(DialogueState) ? KeyDigit1 + 1 : KeyDigit1);
        return true;
    }
    if (DialogueState == DialogueCookingPot && mind.plan == PlayerPlan::Cook) {
        CookKeys(mind);
        return true;
    }
    if (DialogueState >= DialogueCharacter && mind.plan == PlayerPlan::Trade) {
        TradeKeys(mind);
        return true;
    }
    if (DialogueState != DialogueNone) return false;
    if (mind.plan == PlayerPlan::Cook || mind.plan == PlayerPlan::Trade) mind.plan = PlayerPlan::None;
    if (mind.plan == PlayerPlan::None) mind.planFrames = 0;
    switch (UiMode) {
        // A panel the wandering keys opened stays theirs until they close it.
        case UiInventory:
            if (mind.plan != PlayerPlan::UseSlot) return false;
            InventoryKeys(mind);
            return true;
        case UiSkillList: return false;
        case UiAiming:
            if (mind.plan != PlayerPlan::Aim) return false;
            AimKeys(mind);
            return true;
        default: break;
    }
    if (mind.plan == PlayerPlan::Aim || mind.plan == PlayerPlan::UseSlot) mind.plan = PlayerPlan::None;
    return MapKeys(mind, roll);
}

void PlayerUpgradeKeys(PlayerMind& mind) {
    int slots[SkillSlots];
    int n = 0;
    for (int k = 0; k < SkillSlots; ++k)
        if (SkillId[k] > 0) slots[n++] = k;
    // A row to buy: the fighting skills first, the cheapest level first.
    int row = -1;
    for (int pass = 0; pass < 2 && row < 0; ++pass) {
        for (int r = 0; r < n; ++r) {
            const int id = SkillId[slots[r]];
            if (SkillLevel[slots[r]] >= SkillMaxLevel || SkillPoints < SkillUpgradeCost(id)) continue;
            if (pass == 0 && !FightingSkill(id)) continue;
            if (row < 0 || SkillLevel[slots[r]] < SkillLevel[slots[row]]) row = r;
        }
    }
    const int step = mind.upgradeStep++;
    if (row < 0 || ++mind.planFrames > 80) {
        // "Done": C puts the bar on it and Space leaves.
        Press(LetterKey('C'));
        Press(KeySpace);
        mind.plan = PlayerPlan::None;
        mind.upgradeStep = 0;
        mind.planFrames = 0;
        return;
    }
    const int phase = step % (n + 2);
    if (phase == 0) {
        Press(LetterKey('C'));  // the bar on "Done", below the last row
        mind.upgradeRow = row;
    } else if (phase <= n - mind.upgradeRow) {
        Press(KeyUp);
    } else {
        Press(KeySpace);
        mind.upgradeStep = 0;
    }
}
