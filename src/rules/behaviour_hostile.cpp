// Hostile creatures: the kinds with tricks of their own first, then the Covet Charm's
// pull, fleeing wolves, flyers, the chase and wandering, in that order.
#include <string>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/statuses.h"
#include "items/category.h"
#include "rules/creature_turn.h"
#include "worldgen/creatures.h"
#include "worldgen/levelup.h"
#include "worldgen/placement.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

// A Nibblit born deeper than each of these sectors grows one level more.
constexpr int BreedGrowthDepths[3] = {7, 14, 21};

// Unwatched, a Nibblit eats what lies under it and splits: each item becomes a new
// Nibblit on the first free cell east, west, south or north.
void NibblitBreeds(int s) {
    if (FieldAtSlot(MapDistHero, s) < FieldFar) return;
    const int x = MonX[s];
    const int y = MonY[s];
    static const int NearX[4] = {1, -1, 0, 0};
    static const int NearY[4] = {0, 0, 1, -1};
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 0 || GroundItemX[g] != x || GroundItemY[g] != y) continue;
        if (ItemCategory(GroundItemKind[g]) == CategoryNone) continue;
        int d = 0;
        while (d < 4 && CellBlocked(x + NearX[d], y + NearY[d]) != 0) ++d;
        if (d == 4) continue;  // hemmed in: the item stays where it is
        const int born = SpawnCreature(x + NearX[d], y + NearY[d], KindNibblit);
        if (born >= 1 && born <= MonCapacity) {
            for (const int depth : BreedGrowthDepths)
                if (Depth > depth) LevelUpCreature(born);
        }
        ClearGroundSlot(g);
        PushMessage("You hear a familiar and horrifying squelch");
    }
}

// Close by, a changeling drops its bunny shape; out of sight it takes it up again,
// at a price in magic.
void ChangelingShifts(int s) {
    if (DistanceToHero(s) < 3.0) MonMode[s] = ModeChangelingRevealed;
    if (MapSeen[MonX[s]][MonY[s]] != 2 && MonMp[s] >= 2) {
        MonMode[s] = ModeChangelingDisguised;
        MonMp[s] -= 2;
    }
}

// Everything standing next to a cockatrice turns to stone, again every turn.
void StoneNeighbours(int s) {
    for (int m = 1; m <= MonCapacity; ++m)
        if (m != s && IsLiveCreature(m) && Adjacent(m, s)) MonStatus[m][StatusStone] = 20;
}

// Zoquiral turns the neutral creatures beside him, three magic points each.
void Rally(int s) {
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonMp[s] < 3) return;
        if (m == s || !IsLiveCreature(m) || MonAttitude[m] != AttitudeNeutral || !Adjacent(m, s)) continue;
        MonAttitude[m] = AttitudeHostile;
        MonStatus[m][StatusStrengthened] = 4;
        MonMp[s] -= 3;
    }
}

// Far from the hero a gem hound may dig through to a cell nearer him.
void Burrow(int s) {
    const int home = FieldAtSlot(MapDistHero, s);
    if (home <= 9) return;
    int k = Rand(0, 100);
    if (k <= 70) return;
    const int hx = MonX[s];
    const int hy = MonY[s];
    for (int x = 0; x <= MapMaxX && k > 70; ++x) {
        for (int y = 0; y <= MapMaxY && k > 70; ++y) {
            if (Distance(x, y, hx, hy) >= 8.0 || CellBlocked(x, y) != 0 || Rand(0, 100) <= 50) continue;
            if (MapDistHero[x][y] >= 100 || MapDistHero[x][y] >= home) continue;
            MonX[s] = x;
            MonY[s] = y;
            PushMessage("You hear the sound of burrowing");
            k = 0;
        }
    }
}

// Two to four steps from the hero a teen dragon breathes fire instead of moving.
void Breathe(int s, bool& done) {
    const int reach = FieldAtSlot(MapDistHero, s);
    if (MonMp[s] < 4 || reach < 2 || reach > 4) return;
    MonMp[s] -= 4;
    const int damage = (MonMag[s] + MonMagBonus[s]) + Rand(2, 10) + Rand(1, 5) - (MonMag[0] + MonMagBonus[0]);
    if (damage < 1) {
        PushMessage(MonName[s] + " tried to burn you, but missed!");
    } else {
        PushMessage(MonName[s] + " burned you for " + IntToText(damage) + " damage!");
        MonHp[0] -= damage;
        // A fall to the fire names its dragon as a bite would; left unset, the ending
        // would enter the cause of an earlier game (another hero's, even a victory's)
        // into the high-score table.
        if (MonHp[0] <= 0) DeathMessage = MonName[0] + " was killed by " + MonName[s];
    }
    done = true;
}

// The chaos spirit remakes the land around him with every turn.
void Reshape(int s) {
    static const int GrassInto[6] = {StoneFloor, Plant, GrassyStoneFloor, TempleFloor, DarkStoneFloor, Swamp};
    static const int TreeInto[6] = {Mountain, WeedyStoneWall, TempleWall, Lava, ObsidianWall, Pit};
    const int a = Rand(1, 6);
    const int b = Rand(1, 6);
    for (int x = MonX[s] - 1; x <= MonX[s] + 1; ++x) {
        for (int y = MonY[s] - 1; y <= MonY[s] + 1; ++y) {
            if (!InGrid(x, y)) continue;
            if (MapTerrain[x][y] == Grass)
                MapTerrain[x][y] = GrassInto[a - 1];
            else if (MapTerrain[x][y] == Tree)
                MapTerrain[x][y] = TreeInto[b - 1];
        }
    }
    RefreshFrames();
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void HostileTurn(int s, bool& done) {
    const int kind = MonKind[s];
    if (kind == KindNibblit) NibblitBreeds(s);
    if (kind == KindChangeling) ChangelingShifts(s);
    // Lying in wait: not a step until the hero comes close.
    if (kind == KindTimberWolf && MonMode[s] == ModeLyingInWait) {
        done = true;
        if (DistanceToHero(s) <= 3.0) MonMode[s] = ModeNone;
    }
    if (kind == KindCerberus && MonMode[s] == ModeLyingInWait) {
        done = true;
        if (DistanceToHero(s) <= 2.0) MonMode[s] = ModeNone;
        if (MonY[0] <= MonY[s]) {
            MonMode[s] = ModeNone;
            PushMessage("You hear a growl");
        }
    }
    if (kind == KindCockatrice) StoneNeighbours(s);
    if (kind == KindZoquiral) Rally(s);
    if (kind == KindFruitBat && !HeroCarriesFruit()) MonAttitude[s] = AttitudeNeutral;
    if (kind == KindGemHound || kind == KindAlphaGemHound) Burrow(s);
    if (kind == KindTeenDragon) Breathe(s, done);
    if (kind == KindSkarnix) Reshape(s);
    // Captivated by the Covet Charm: the creature walks to the item and nothing else.
    if (MonStatus[0][StatusCovet] > 0 && !done && Within(FieldAtSlot(MapDistSkill, s), 2, 11)) {
        DownhillStep(s, MapDistSkill, StepTest::Free);
        done = true;
    }
    // A wolf that has bitten runs from the hero for a while, and does nothing else.
    if (kind == KindWolf && MonMode[s] > 0) {
        MonMode[s] -= 1;
        if (!done && Within(FieldAtSlot(MapDistHero, s), 1, 11) && UphillStep(s, MapDistHero, StepTest::Walkable))
            done = true;
        return;
    }
    if (MonStatus[s][StatusFlying] > 0 && !done && DownhillStep(s, MapDistHeroFree, StepTest::Free, true)) done = true;
    if (!done && Within(FieldAtSlot(MapDistHero, s), 2, 11) && DownhillStep(s, MapDistHero, StepTest::Free))
        done = true;
    // Twelve to nineteen steps away a walker stands and waits; farther out it wanders.
    if (!done && FieldAtSlot(MapDistHero, s) >= 20 && RandomStep(s)) done = true;
}
