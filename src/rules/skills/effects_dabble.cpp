// Dabble Moss's party tricks: the Party Cannon, Surprise, the Fourth Wall and Party!.
#include <cmath>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "platform/platform.h"
#include "rules/behaviour.h"
#include "rules/commands.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/terrain.h"

namespace {

constexpr int FourthWallReach = 6;
constexpr int PartyTurns = 5;
constexpr int PartyReach = 4;
constexpr int HiccupTurns = 5;

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

Outcome PartyCannon(int level) {
    // The blast is at the target cursor; each frame hits what stands there, then flies on.
    bool hit = false;
    for (int s = 1; s <= 50; ++s) {
        if (MonKind[s] < 1 || MonX[s] != TargetX || MonY[s] != TargetY) continue;
        hit = true;
        const int damage = Mag(0) + Rand(2, 8) - Mag(s);
        if (damage == 0) PushMessage(MonName[s] + " dodged");
        if (damage > 0) {
            PushMessage(MonName[s] + " takes " + IntToText(damage) + " damage from the cannon!");
            Hurt(s, damage);
        }
    }
    if (!hit) PushMessage("no enemy on block");
    const int nextX = Clamp(TargetX + Sign(TargetX - MonX[0]), 0, MapMaxX);
    const int nextY = Clamp(TargetY + Sign(TargetY - MonY[0]), 0, MapMaxY);
    // At the map's edge the blast cannot fly on, and its distance would never grow.
    if (nextX == TargetX && nextY == TargetY) return Outcome::Paid;
    TargetX = nextX;
    TargetY = nextY;
    if (std::hypot(TargetX - MonX[0], TargetY - MonY[0]) > level) return Outcome::Paid;
    return Outcome::Continue;
}

Outcome Surprise(int level) {
    const int t = DefenderSlot;
    const int damage = Mag(0) + SkillRoll(level) - Mag(t);
    if (damage == 0) PushMessage(MonName[t] + " repelled the magic attack");
    if (damage > 0) {
        PushMessage("You surprised " + MonName[t] + " for " + IntToText(damage) + " damage!");
        if (Rand(0, 100) + Con(t) < 20) MonStatus[t][StatusHiccups] += HiccupTurns;
        Hurt(t, damage);
    }
    return Outcome::Paid;
}

bool FourthWallAccepts() {
    if (LandingBlocked(TargetX, TargetY)) return true;
    PushMessage("Select a solid tile");
    return false;
}

Outcome FourthWall(int) {
    // One frame of a single random colour over everything: the wall gives way.
    const int r = Rand(0, 255);
    const int g = Rand(0, 255);
    const int b = Rand(0, 255);
    SetColor(r, g, b);
    SetAlpha(1);
    DrawRect(0, 0, ScreenWidth, ScreenHeight);
    SetColor(255, 255, 255);

    const int dx = Sign(TargetX - MonX[0]);
    const int dy = Sign(TargetY - MonY[0]);
    int x = TargetX;
    int y = TargetY;
    for (int i = 0; i < FourthWallReach; ++i) {
        x += dx;
        y += dy;
        if (x < 0 || x > MapMaxX || y < 0 || y > MapMaxY) break;
        if (LandingBlocked(x, y)) continue;
        LandHero(x, y);
        PushMessage("wheee");
        return Outcome::Paid;
    }
    PushMessage("That didn't work? There must not be a close enough space at the other end.");
    return Outcome::Unpaid;
}

Outcome Party(int) {
    BuildField(MonX[0], MonY[0], FieldWalking);
    for (int s = 1; s <= 50; ++s) {
        if (MonKind[s] < 1) continue;
        const int steps = MapMask[MonX[s]][MonY[s]];
        if (steps >= 1 && steps <= PartyReach) MonStatus[s][StatusPartying] += PartyTurns;
    }
    return Outcome::Paid;
}
