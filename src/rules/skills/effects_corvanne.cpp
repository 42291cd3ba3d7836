// Corvanne's cunning: Find Treasure, Disguise and Whining.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/behaviour.h"
#include "rules/inventory.h"
#include "rules/skills/skill_effects.h"

namespace {
constexpr int TreasureDraws = 501;
constexpr int WhiningTurns = 7;
}  // namespace

Outcome FindTreasure(int level) {
    int found = 0;
    for (int draw = 0; draw < TreasureDraws && found < 2 * level; ++draw) {
        const int g = Rand(0, 500);
        if (GroundItemKind[g] <= 0) continue;
        int& seen = MapSeen[GroundItemX[g]][GroundItemY[g]];
        if (seen != 0) continue;
        seen = 1;
        found += 1;
    }
    // The revealed cells come back only as dim remembered ground, without their items,
    // so the hero is told what the search found.
    if (found == 0) {
        PushMessage("You sensed no hidden treasure");
    } else {
        PushMessage("You sensed " + IntToText(found) + (found == 1 ? " hidden treasure" : " hidden treasures"));
    }
    return Outcome::Paid;
}

Outcome Disguise(int level) {
    MonStatus[0][StatusDisguised] = 5 * level + 5;
    EmptySatchelSlot(MenuCursor);
    MenuCursor = 0;
    return Outcome::Paid;
}

Outcome Whining(int level) {
    BuildField(MonX[0], MonY[0], FieldOpen);
    for (int s = 1; s <= 50; ++s) {
        if (MonKind[s] < 1) continue;
        const int steps = MapMask[MonX[s]][MonY[s]];
        if (steps < 0 || steps > level + 4) continue;
        if (Mag(0) + Rand(2, 8) - Con(s) <= 0) continue;
        MonStatus[s][StatusFrozen] += WhiningTurns;
        PushMessage(MonName[s] + " is distracted by whining!");
    }
    return Outcome::Paid;
}
