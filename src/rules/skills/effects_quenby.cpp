// Quenby Arlo's magic: Holding, Teleport, Magic Beam, Covet Charm and Shield.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/behaviour.h"
#include "rules/commands.h"
#include "rules/interaction_panel.h"
#include "rules/inventory.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

Outcome Holding(int level) {
    const int t = DefenderSlot;
    const int roll = Mag(0) + Rand(4, 18) - Con(t);
    if (roll <= 0) {
        PushMessage(MonName[t] + " resisted");
    } else {
        MonStatus[t][StatusFrozen] += 2 * level + 6;
        PushMessage(MonName[t] + " is held in place");
    }
    return Outcome::Paid;
}

Outcome Teleport(int) {
    if (LandingBlocked(TargetX, TargetY)) {
        PushMessage("You hit a solid wall! ow!");
        MonHp[0] -= 5;
        // A fall in battle names its cause on the high-score table; so does this one.
        if (MonHp[0] <= 0) DeathMessage = MonName[0] + " teleported into a wall!";
        return Outcome::Paid;
    }
    LandHero(TargetX, TargetY);
    return Outcome::Paid;
}

Outcome MagicBeam(int level) {
    const int t = DefenderSlot;
    const int damage = Mag(0) + SkillRoll(level) - Mag(t);
    if (damage <= 0) {
        PushMessage(MonName[t] + " repelled the magic attack");
    } else {
        PushMessage("The magic beam deals " + IntToText(damage) + " damage!");
        Hurt(t, damage);
    }
    return Outcome::Paid;
}

Outcome CovetCharm(int level) {
    const int slot = MenuCursor;
    // The charmed item goes on the ground; with no room there it would be lost, so the
    // spell does not start at all.
    if (!GroundHasRoom()) {
        PushMessage("There is no room on the ground here");
        MenuCursor = 0;
        return Outcome::Refused;
    }
    MonStatus[0][StatusCovet] = 3 * level + 2;
    const int g = PlaceGroundItem(TargetX, TargetY, InvKind[slot], InvTier[slot]);
    if (g != NoGroundSlot) {
        GroundItemSeed[g] = InvSeed[slot];
        GroundItemCount[g] = 1;
    }
    UseUpOneItem(slot);
    BuildCovetField(TargetX, TargetY);
    MenuCursor = 0;
    return Outcome::Paid;
}

Outcome Shield(int level) {
    MonStatus[DefenderSlot][StatusShield] += 2 * level + 4;
    return Outcome::Paid;
}
