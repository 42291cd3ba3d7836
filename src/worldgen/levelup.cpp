#include "worldgen/levelup.h"

#include <array>

#include "core/run_vars.h"
#include "core/state.h"
#include "worldgen/creatures.h"

namespace {

// What a kind gains per level on top of the common growth.
struct LevelExtra {
    int kind;
    int maxHp, maxMp, atk, def, str, spd, mag, con;
};

// clang-format off
//  kind               maxHp maxMp atk def str spd mag con
constexpr std::array<LevelExtra, 27> Extras{{
    {KindSnake, 0, 0, 0, 0, 0, 1, 0, 0},
    {KindShade, 0, 0, 0, 0, 0, 1, 0, 0},
    {KindChangeling, 0, 0, 1, 0, 0, 0, 3, 0},
    {KindScorpion, 0, 0, 1, 0, 0, 0, 0, 0},
    {KindTimberWolf, 0, 0, 2, 0, 0, 1, 0, 0},
    {KindTreelephant, 15, 0, 0, 0, 0, 0, 0, 0},
    {KindCerberus, 28, 0, 2, 0, 0, 0, 3, 0},
    {KindWolf, 0, 0, 2, 0, 0, 1, 0, 0},
    {KindSpider, 0, 0, 0, 0, 0, 1, 0, 0},
    {KindGiantSpider, 0, 0, 0, 1, 0, 0, 0, 0},
    {KindTroll, 20, 0, 4, 0, 4, 0, 0, 0},
    {KindHydra, 30, 0, 2, 0, 2, 0, 0, 0},
    {KindOgre, 5, 0, 1, 0, 1, 0, 0, 0},
    {KindBat, 0, 0, 0, 0, 0, 1, 0, 0},
    {KindCockatrice, 0, 0, 0, 0, 0, 0, 2, 2},
    {KindDrybones, 2, 0, 0, 2, 0, 0, 0, 0},
    {KindTreemonster, 2, 0, 0, 2, 0, 0, 2, 0},
    {KindZoquiral, 20, 0, 2, 2, 0, 0, 2, 0},
    {KindManticore, 15, 0, 2, 2, 0, 0, 2, 0},
    {KindPanther, 0, 0, 2, 0, 0, 0, 0, 0},
    {KindFruitBat, 0, 0, 0, 0, 0, 1, 0, 0},
    {KindGemHound, 0, 0, 1, 0, 0, 0, 0, 0},
    {KindAlphaGemHound, 10, 0, 0, 0, 2, 0, 0, 0},
    {KindThinwraith, 25, 0, 2, 2, 0, 2, 4, 20},
    {KindTeenDragon, 5, 10, 1, 0, 0, 0, 0, 0},
    {KindSkarnix, 15, 0, 2, 2, 0, 0, 2, 0},
    {KindVorgath, 20, 0, 2, 2, 0, 0, 2, 0},
}};
// clang-format on

}  // namespace

void LevelUpCreature(int s) {
    if (s < 1 || s > MonCapacity) return;
    MonHp[s] += 5;
    MonMaxHp[s] += 5;
    MonMp[s] += 2;
    MonMaxMp[s] += 2;
    MonLevel[s] += 1;
    MonAtk[s] += 2;
    MonDef[s] += 2;
    MonStr[s] += 2;
    MonSpd[s] += 2;
    MonMag[s] += 2;
    MonCon[s] += 2;
    const LevelExtra* extra = nullptr;
    for (const LevelExtra& e : Extras)
        if (e.kind == MonKind[s]) extra = &e;
    if (extra != nullptr) {
        MonMaxHp[s] += extra->maxHp;
        MonMaxMp[s] += extra->maxMp;
        MonAtk[s] += extra->atk;
        MonDef[s] += extra->def;
        MonStr[s] += extra->str;
        MonSpd[s] += extra->spd;
        MonMag[s] += extra->mag;
        MonCon[s] += extra->con;
    }
    if (GameVars[VarDifficulty] == DifficultyHard) MonMaxHp[s] += 5;
    MonHp[s] = MonMaxHp[s];
    MonMp[s] = MonMaxMp[s];
    MonXp[s] += 5;
}
