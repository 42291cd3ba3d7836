// The Bow: a shot from the worn bow at a creature in range. Arrows are its cost, not MP.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "rules/inventory.h"
#include "rules/skills/skill_effects.h"

Outcome BowShot(int level) {
    const int t = DefenderSlot;
    const int damage = Atk(0) + SkillRoll(level) - Def(t);
    if (damage == 0) PushMessage(MonName[t] + " dodged the arrow!");
    if (damage > 0) {
        PushMessage("The arrow deals " + IntToText(damage) + " damage!");
        Hurt(t, damage);
    }
    const int worn = Equip[EquipWeapon];
    const bool infinite = worn >= 0 && worn < InvSlots && InvKind[worn] == ItemInfinityBow;
    if (!infinite) {
        const int usable = UsableInvSlots();
        for (int s = 0; s < usable; ++s) {
            if (InvKind[s] != ItemArrows) continue;
            TakeOneFromSatchel(s);
            break;
        }
    }
    return Outcome::Unpaid;
}
