// Tansy Brook's bucks: Strong Buck (and Mellowen's Deep Massage, which lands the same
// way), Hoofling Up, Wild Buck, Buck an item and Jump.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/combat.h"
#include "rules/commands.h"
#include "rules/inventory.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/terrain.h"

Outcome StrongBuck(int) {
    const int x = TargetX;
    const int y = TargetY;
    for (int s = 1; s <= 50; ++s) {
        if (!StandsOn(s, x, y)) continue;
        MonStatus[0][StatusDisguised] = 0;
        // The combat rules read this mark for the Strong Buck bonus, for this attack only.
        MonStatus[0][StatusStrongBuck] = 1;
        AttackerSlot = 0;
        DefenderSlot = s;
        ResolveAttack(0, s);
        MonStatus[0][StatusStrongBuck] = 0;
        const int damage = MonDamageTaken[s];
        MonHp[s] -= damage;
        MonDamageTaken[s] = 0;
        if (MonHp[s] >= 1) {
            PushMessage(MonName[0] + " dealt " + IntToText(damage) + " damage to " + MonName[s]);
        } else {
            PushMessage("You knocked out the " + MonName[s]);
        }
    }
    return Outcome::Paid;
}

Outcome HooflingUp(int level) {
    // The hero's own strength, whoever else shares his cell.
    MonStatus[0][StatusStrengthened] += 2 * level + 4;
    return Outcome::Paid;
}

Outcome WildBuck(int level) {
    const int hx = MonX[0];
    const int hy = MonY[0];
    for (int s = 1; s <= 50; ++s) {
        if (MonKind[s] < 1) continue;
        const int dx = MonX[s] - hx;
        const int dy = MonY[s] - hy;
        if (dx * dx + dy * dy != 1) continue;  // the four orthogonal neighbours only
        StrikeOrDodge(s, Str(0) + SkillRoll(level) - Def(s));
    }
    return Outcome::Paid;
}

Outcome BuckAnItem(int level) {
    const int t = DefenderSlot;
    const int damage = Atk(0) + SkillRoll(level) - Def(t);
    if (damage == 0) PushMessage(MonName[t] + " dodged the item!");
    if (damage > 0) {
        PushMessage("The bucked item deals " + IntToText(damage) + " damage!");
        Hurt(t, damage);
    }
    UseUpOneItem(MenuCursor);
    return Outcome::Paid;
}

Outcome Jump(int) {
    if (LandingBlocked(TargetX, TargetY)) {
        PushMessage("You can't jump there");
        return Outcome::Unpaid;
    }
    LandHero(TargetX, TargetY);
    return Outcome::Paid;
}
