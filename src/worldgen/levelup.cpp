#include "worldgen/levelup.h"

#include <array>

#include "core/state.h"

namespace {

// What a kind gains per level on top of the common growth.
struct LevelExtra {
    int kind;
    int maxHp, maxMp, atk, def, str, spd, mag, con;
};

//  kind               maxHp maxMp atk def str spd mag con
constexpr std::array<LevelExtra, 27> Extras{{
    {6 /* snake */, 0, 0, 0, 0, 0, 1, 0, 0},
    {9 /* shade */, 0, 0, 0, 0, 0, 1, 0, 0},
    {10 /* changeling */, 0, 0, 1, 0, 0, 0, 3, 0},
    {11 /* scorpion */, 0, 0, 1, 0, 0, 0, 0, 0},
    {12 /* timber wolf */, 0, 0, 2, 0, 0, 1, 0, 0},
    {13 /* treelephant */, 15, 0, 0, 0, 0, 0, 0, 0},
    {15 /* cerberus */, 28, 0, 2, 0, 0, 0, 3, 0},
    {16 /* wolf */, 0, 0, 2, 0, 0, 1, 0, 0},
    {17 /* spider */, 0, 0, 0, 0, 0, 1, 0, 0},
    {18 /* giant spider */, 0, 0, 0, 1, 0, 0, 0, 0},
    {19 /* troll */, 20, 0, 4, 0, 4, 0, 0, 0},
    {21 /* hydra */, 30, 0, 2, 0, 2, 0, 0, 0},
    {22 /* ogre */, 5, 0, 1, 0, 1, 0, 0, 0},
    {23 /* bat */, 0, 0, 0, 0, 0, 1, 0, 0},
    {24 /* cockatrice */, 0, 0, 0, 0, 0, 0, 2, 2},
    {29 /* drybones */, 2, 0, 0, 2, 0, 0, 0, 0},
    {30 /* treemonster */, 2, 0, 0, 2, 0, 0, 2, 0},
    {33 /* Zoquiral */, 20, 0, 2, 2, 0, 0, 2, 0},
    {35 /* manticore */, 15, 0, 2, 2, 0, 0, 2, 0},
    {36 /* panther */, 0, 0, 2, 0, 0, 0, 0, 0},
    {37 /* fruit bat */, 0, 0, 0, 0, 0, 1, 0, 0},
    {38 /* gem hound */, 0, 0, 1, 0, 0, 0, 0, 0},
    {39 /* A. gem hound */, 10, 0, 0, 0, 2, 0, 0, 0},
    {41 /* Thinwraith */, 25, 0, 2, 2, 0, 2, 4, 20},
    {42 /* teen dragon */, 5, 10, 1, 0, 0, 0, 0, 0},
    {45 /* Skarnix */, 15, 0, 2, 2, 0, 0, 2, 0},
    {46 /* Vorgath */, 20, 0, 2, 2, 0, 0, 2, 0},
}};

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
    if (GameVars[47] == 2) MonMaxHp[s] += 5;  // hard mode
    MonHp[s] = MonMaxHp[s];
    MonMp[s] = MonMaxMp[s];
    MonXp[s] += 5;
}
