// Mellowen's way with creatures: The Stare, Tame Animal, Summon Animal and Empathy
// (Deep Massage lands like Strong Buck).
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/creatures.h"
#include "worldgen/levelup.h"

namespace {

void Tame(int t, int roll) {
    if (roll <= 0) {
        PushMessage(MonName[t] + " resisted");
        return;
    }
    MonAttitude[t] = AttitudeAlly;
    PushMessage(MonName[t] + " is tamed!");
}

}  // namespace

Outcome TheStare(int level) {
    const int t = DefenderSlot;
    const int power = Mag(0) + Rand(2 * level, 6 * level);
    Tame(t, power - (Con(t) + Rand(1, 6)));
    return Outcome::Paid;
}

Outcome TameAnimal(int level) {
    const int t = DefenderSlot;
    Tame(t, Mag(0) + Rand(2 * level, 6 * level) - Con(t));
    return Outcome::Paid;
}

bool SummonAccepts() {
    // The animal needs the cell to itself: the range ignores creatures.
    for (int s = 0; s <= 50; ++s)
        if (StandsOn(s, TargetX, TargetY)) return false;
    return true;
}

Outcome SummonAnimal(int level) {
    static const int Kinds[] = {KindBunny, KindRat, KindBat};
    const int step = level < 1 ? 0 : (level > 3 ? 2 : level - 1);
    const int s = SpawnCreature(TargetX, TargetY, Kinds[step]);
    if (s == NoCreatureSlot) {
        // A full sector: nothing answers, and nothing is spent.
        PushMessage("No animal answered the call");
        return Outcome::Refused;
    }
    for (int i = 0; i < step; ++i) LevelUpCreature(s);
    MonAttitude[s] = AttitudeAlly;
    return Outcome::Paid;
}

Outcome Empathy(int level) {
    const int t = DefenderSlot;
    const int roll = Mag(0) + Rand(2 * level, 6 * level) - Con(t);
    if (roll <= 0) {
        PushMessage(MonName[t] + " resisted");
    } else {
        MonAttitude[t] = AttitudeNeutral;
        PushMessage(MonName[t] + " no longer wants to hurt you");
    }
    return Outcome::Paid;
}
