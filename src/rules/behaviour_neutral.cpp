// Neutral creatures: they wander, and a few kinds have habits of their own.
#include "core/messagelog.h"
#include "core/random.h"
#include "items/category.h"
#include "rules/creature_turn.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

// Stepping next to a wasp sets the whole sector's swarm on the hero.
void WaspsEnraged() {
    PushMessage("The wasps became enraged!");
    for (int m = 1; m <= MonCapacity; ++m)
        if (MonKind[m] == KindWasp) MonAttitude[m] = AttitudeHostile;
}

// A beaver away from the sector's rim now and then gnaws down a tree beside it.
void BeaverFells(int s) {
    const int x = MonX[s];
    const int y = MonY[s];
    if (MonMode[s] != ModeNone || x < 2 || x > 42 || y < 2 || y > 33) return;
    if (RandFloat(0, 100) <= 20) return;
    static const int NearX[5] = {0, 0, 0, -1, 1};  // 1 north, 2 south, 3 west, 4 east
    static const int NearY[5] = {0, -1, 1, 0, 0};
    const int d = Rand(1, 4);
    const int tx = x + NearX[d];
    const int ty = y + NearY[d];
    if (MonMp[s] < 1 || MapTerrain[tx][ty] != Tree) return;
    MapTerrain[tx][ty] = Grass;
    MonMp[s] -= 1;
    RefreshFrames();
}

// A bear eats every bit of food it stands on and is whole again.
void BearEats(int s) {
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 0 || GroundItemX[g] != MonX[s] || GroundItemY[g] != MonY[s]) continue;
        if (ItemCategory(GroundItemKind[g]) != CategoryFood) continue;
        ClearGroundSlot(g);
        MonHp[s] += 10;
        MonHp[s] = MonMaxHp[s];
    }
}

}  // namespace

void NeutralTurn(int s, bool& done) {
    if (!done && RandomStep(s)) done = true;
    const int kind = MonKind[s];
    if (kind == KindWasp && Adjacent(s, 0)) WaspsEnraged();
    if (kind == KindBeaver) BeaverFells(s);
    if (kind == KindBear) BearEats(s);
    // A fruit bat smells fruit in the satchel and goes for it, this very turn.
    if (kind == KindFruitBat && HeroCarriesFruit()) MonAttitude[s] = AttitudeHostile;
}
