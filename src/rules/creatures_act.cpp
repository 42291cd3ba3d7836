// The creatures' turn: every live creature in slot order, its attitude's block, then
// the hostile ones' attacks.
#include "items/food.h"
#include "rules/behaviour.h"

#include "core/statuses.h"
#include "rules/creature_turn.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

// Friendly folk who stroll about; every other friendly creature keeps its place so the
// hero can find it again to talk.
bool IsWanderer(int kind) {
    switch (kind) {
        // clang-format off
        case KindFairy: case KindGrubbin: case KindClockwick: case KindBravaVenn:
        case KindNougette: case KindHarpella: case KindMarnella: case KindPearlwick:
        case KindBurlo: case KindDoe: case KindBuck:
            return true;
        default:
            return false;
            // clang-format on
    }
}

// Stuck, turned to stone, partying, or a friendly creature that stays put: no step this
// turn, and no attack on the hero (an adjacent ally may still be attacked).
bool DoneFromTheStart(int s) {
    const int* status = MonStatus[s];
    if (status[StatusFrozen] > 0 || status[StatusStone] > 0 || status[StatusPartying] > 0) return true;
    return MonAttitude[s] == AttitudeFriendly && !IsWanderer(MonKind[s]);
}

}  // namespace

bool IsLiveCreature(int m) { return m >= 1 && m <= MonCapacity && MonKind[m] >= 1 && MonHp[m] > 0; }

bool Adjacent(int a, int b) {
    const int dx = MonX[a] - MonX[b];
    const int dy = MonY[a] - MonY[b];
    return (dx == 0 && (dy == 1 || dy == -1)) || (dy == 0 && (dx == 1 || dx == -1));
}

int FieldAtSlot(const int (&field)[MapWidth][MapHeight], int s) {
    if (!InGrid(MonX[s], MonY[s])) return FieldFar;
    return field[MonX[s]][MonY[s]];
}

bool HeroCarriesFruit() {
    for (int slot = 0; slot < InvSlots; ++slot)
        if (IsFruit(InvKind[slot])) return true;
    return false;
}

double DistanceToHero(int s) { return Distance(MonX[0], MonY[0], MonX[s], MonY[s]); }

void CreaturesAct() {
    // The fields are not rebuilt during the pass: later creatures follow fields that
    // predate the earlier ones' moves, and only the occupancy tests see those moves.
    for (int s = 1; s <= MonCapacity; ++s) {
        if (!IsLiveCreature(s)) continue;
        // A slot whose position was damaged stays out of the world rather than be read
        // outside the map.
        if (!InGrid(MonX[s], MonY[s])) continue;
        bool done = DoneFromTheStart(s);
        // One block per creature, chosen by its attitude as its turn begins.
        switch (MonAttitude[s]) {
            case AttitudeHostile: HostileTurn(s, done); break;
            case AttitudeFriendly: FriendlyTurn(s, done); break;
            case AttitudeNeutral: NeutralTurn(s, done); break;
            case AttitudeAlly: AllyTurn(s, done); break;
            default: break;
        }
        // Whoever is hostile now attacks, also one that turned hostile just now.
        if (MonAttitude[s] == AttitudeHostile) HostileAttack(s, done);
    }
}
