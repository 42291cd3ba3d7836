// Allies: they walk to the nearest hostile creature, or else follow the hero, and
// strike the hostile creature beside them.
#include "rules/creature_turn.h"

namespace {

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// The adjacent hostile creature in the highest slot, or -1.
int AdjacentHostile(int s) {
    for (int m = MonCapacity; m >= 1; --m)
        if (IsLiveCreature(m) && MonAttitude[m] == AttitudeHostile && Adjacent(m, s)) return m;
    return -1;
}

}  // namespace

void AllyTurn(int s, bool& done) {
    if (!done && Within(FieldAtSlot(MapDistHostile, s), 2, 11) && DownhillStep(s, MapDistHostile, StepTest::Free))
        done = true;
    if (!done && FieldAtSlot(MapDistHostile, s) > 11) {
        const int toHero = FieldAtSlot(MapDistHero, s);
        if (Within(toHero, 2, 11)) {
            if (DownhillStep(s, MapDistHero, StepTest::Free)) done = true;
        } else if (toHero >= FieldFar && RandomStep(s)) {
            done = true;
        }
    }
    // The field was drawn before this turn's moves, so the foe it promises may have
    // walked off: then there is nobody to strike.
    if (!done && FieldAtSlot(MapDistHostile, s) == 1) {
        const int foe = AdjacentHostile(s);
        if (foe >= 0) AllyAttack(s, foe);
    }
}
