// Creatures' attacks: hostile creatures on the hero or an ally, allies on hostile
// creatures, each resolved by the combat rules and reported in the log.
#include <string>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "rules/combat.h"
#include "rules/creature_turn.h"

namespace {

// The adjacent ally in the highest slot, or -1.
int AdjacentAlly(int s) {
    for (int m = MonCapacity; m >= 1; --m)
        if (IsLiveCreature(m) && MonAttitude[m] == AttitudeAlly && Adjacent(m, s)) return m;
    return -1;
}

// Hostile blows end in "!"; a fall of the hero also writes how his run ended.
void HostileBlow(int a, int b) {
    AttackerSlot = a;
    DefenderSlot = b;
    ResolveAttack(a, b);
    const int damage = MonDamageTaken[b];
    MonHp[b] -= damage;
    if (MonHp[b] > 0) {
        if (damage > 0)
            PushMessage(MonName[b] + " takes " + IntToText(damage) + " damage from " + MonName[a] + "!");
        else
            PushMessage(MonName[b] + " dodges the attack from " + MonName[a] + "!");
    } else {
        PushMessage(MonName[b] + " was knocked out by " + MonName[a] + "!");
        if (b == 0) DeathMessage = MonName[0] + " was killed by " + MonName[a];
    }
    MonDamageTaken[b] = 0;
}

}  // namespace

void HostileAttack(int s, bool done) {
    int target = -1;
    if (!done && FieldAtSlot(MapDistHero, s) == 1) target = 0;
    // A timber wolf goes by smell: a disguise does not fool it.
    if (target < 0 && MonKind[s] == KindTimberWolf && !done && Adjacent(s, 0)) target = 0;
    // Even a creature that may not step strikes an ally standing beside it.
    if (target < 0) target = AdjacentAlly(s);
    if (target < 0) return;
    HostileBlow(s, target);
    // A wolf bites and runs; it comes back once its flight is over.
    if (MonKind[s] == KindWolf && MonHp[target] > 0) MonMode[s] = Rand(2, 6) + 4;
}

void AllyAttack(int s, int d) {
    if (!IsLiveCreature(s) || d < 1 || d > MonCapacity) return;
    AttackerSlot = s;
    DefenderSlot = d;
    ResolveAttack(s, d);
    const int damage = MonDamageTaken[d];
    MonHp[d] -= damage;
    // An ally's report ends in a question mark, a miss included, and a fall in nothing.
    if (MonHp[d] > 0)
        PushMessage(MonName[d] + " takes " + IntToText(damage) + " damage from " + MonName[s] + "?");
    else
        PushMessage(MonName[d] + " was knocked out by " + MonName[s]);
    MonDamageTaken[d] = 0;
}
