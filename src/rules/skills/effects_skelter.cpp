// Skelter Vane's weather and wings: Rainfall, Thunder, Vaneburst, Dash! and Tornado.
#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/behaviour.h"
#include "rules/commands.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/terrain.h"

namespace {

constexpr int SoggyTurns = 10;
constexpr int HiccupTurns = 5;
constexpr int TornadoReach = 4;
constexpr int ThrowTries = 1001;  // like every placement draw: give up rather than hang

// The hero's blow on one creature of a burst: its own roll, its own report.
void Buffet(int s, int level) { StrikeOrDodge(s, Mag(0) + SkillRoll(level) - Mag(s)); }

// Puts the creature down on a marked, free cell of the storm, if one comes up.
void Throw(int s) {
    for (int i = 0; i < ThrowTries; ++i) {
        const int x = Rand(0, MapMaxX);
        const int y = Rand(0, MapMaxY);
        if (MapHighlight[x][y] != 1 || CellBlocked(x, y) != 0) continue;
        MonX[s] = x;
        MonY[s] = y;
        return;
    }
}

}  // namespace

Outcome Rainfall(int level) {
    const int t = DefenderSlot;
    const int roll = Mag(0) + SkillRoll(level) - Con(t);
    if (roll <= 0) {
        PushMessage(MonName[t] + " didn't feel the effects");
    } else {
        PushMessage(MonName[t] + " got all soggy!");
        MonStatus[t][StatusSoggy] += SoggyTurns;
    }
    return Outcome::Paid;
}

Outcome Thunder(int level) {
    const int t = DefenderSlot;
    const int damage = Mag(0) + SkillRoll(level) - Mag(t);
    if (damage == 0) PushMessage(MonName[t] + " dodge the lightning");
    if (damage > 0) {
        PushMessage("The lightning strikes for " + IntToText(damage) + " damage!");
        Hurt(t, damage);
        if (Rand(0, 100) + Con(t) < 20) MonStatus[t][StatusHiccups] += HiccupTurns;
    }
    return Outcome::Paid;
}

Outcome Vaneburst(int level) {
    // The hero comes down on the block around him column by column, west to east and
    // north to south within a column; on each cell its creatures in slot order. The
    // rolls and the lines follow the cells, not the creature table.
    for (int x = MonX[0] - 1; x <= MonX[0] + 1; ++x) {
        for (int y = MonY[0] - 1; y <= MonY[0] + 1; ++y) {
            if (x < 0 || x > MapMaxX || y < 0 || y > MapMaxY) continue;
            for (int s = 1; s <= 50; ++s)
                if (StandsOn(s, x, y)) Buffet(s, level);
        }
    }
    return Outcome::Paid;
}

Outcome Dash(int level) {
    const int dx = TargetX - MonX[0];
    const int dy = TargetY - MonY[0];
    int x = MonX[0];
    int y = MonY[0];
    for (int i = 0; i < 2 * level + 4; ++i) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (nx < 0 || nx > MapMaxX || ny < 0 || ny > MapMaxY || LandingBlocked(nx, ny)) break;
        x = nx;
        y = ny;
    }
    // The landing is part of the dash: its own lines come first.
    if (x != MonX[0] || y != MonY[0]) LandHero(x, y);
    PushMessage("Dash dash dash dashy doo!");
    return Outcome::Paid;
}

Outcome Tornado(int level) {
    BuildField(MonX[0], MonY[0], FieldOpen);
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y) MapHighlight[x][y] = MapMask[x][y] <= TornadoReach ? 1 : 0;
    // One creature at a time, in slot order: its blow, then its flight.
    for (int s = 1; s <= 50; ++s) {
        if (MonKind[s] < 1 || MapHighlight[MonX[s]][MonY[s]] != 1) continue;
        Buffet(s, level);
        Throw(s);
    }
    return Outcome::Paid;
}
