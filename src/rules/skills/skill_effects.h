// What each active skill aims at and what it does. UseSkill (skill_in_use.cpp) runs the
// shared protocol: the item choice, the highlighted range, the target cursor, the
// confirm, the payment and the end; every skill brings its row of the table below.
#pragma once

// How a skill's resolving frame ended.
enum class Outcome {
    Paid,      // the effect ran: the skill's MP is paid and the turn is used
    Unpaid,    // the turn is used, no MP is paid (a failed landing, the Bow)
    Refused,   // nothing happened: no MP, no turn
    Continue,  // the effect goes on in the next frame (the Party Cannon's blast)
};

// What the item choice before aiming accepts.
enum class ItemChoice { None, AnyItem, Dress };

// BuildField mode of a skill's range; OwnCell marks the hero's own cell alone, for the
// skills that are merely confirmed.
constexpr int OwnCell = -1;
// The creature slot range a confirm searches: none needed, 1..50, or 0..50 (the hero
// and his allies may be the target).
constexpr int NoCreature = -1;
constexpr int AnyAttitude = -1;

struct SkillEffect {
    int id;
    ItemChoice item;
    int mode;     // BuildField mode of the range, or OwnCell
    int nearest;  // distances nearest..farthest + perLevel * L are highlighted
    int farthest;
    int perLevel;
    int firstSlot;      // NoCreature, or the first slot a confirm searches (0 or 1) up to 50
    int attitude;       // the attitude the creature must have, or AnyAttitude
    bool (*accepts)();  // a skill's own test of the confirmed cell, or nullptr
    Outcome (*resolve)(int level);
};

// The row of skill `id`, or nullptr for the passive skills, Flight, the Bow's start and
// ids without an effect.
const SkillEffect* FindSkillEffect(int id);

// ---- Shared by the effects ------------------------------------------------------------

// The six statistics with their bonuses, as every skill reads them.
int Atk(int s);
int Def(int s);
int Str(int s);
int Mag(int s);
int Con(int s);
// The level term of a damage roll: Rand(2, 8) + Rand(2L, 4L), drawn in that order.
int SkillRoll(int level);
// The target loses `damage` hit points when it is above 0.
void Hurt(int target, int damage);
// One creature's share of a burst (Vaneburst, Tornado, Wild Buck): "<name> dodged" at 0
// or below, otherwise the damage and "<name> took <damage> damage!".
void StrikeOrDodge(int s, int damage);
// True when slot `s` holds a creature (slot 0: the hero) standing on (x, y).
bool StandsOn(int s, int x, int y);

// ---- The effects, by hero ---------------------------------------------------------------
// Each resolves the active skill at level `level` on the target cell (TargetX, TargetY)
// and the creature chosen there (DefenderSlot).

Outcome Holding(int level);
Outcome Teleport(int level);
Outcome MagicBeam(int level);
Outcome CovetCharm(int level);
Outcome Shield(int level);

Outcome PartyCannon(int level);
Outcome Surprise(int level);
bool FourthWallAccepts();
Outcome FourthWall(int level);
Outcome Party(int level);

Outcome Rainfall(int level);
Outcome Thunder(int level);
Outcome Vaneburst(int level);
Outcome Dash(int level);
Outcome Tornado(int level);

Outcome FindTreasure(int level);
Outcome Disguise(int level);
Outcome Whining(int level);

Outcome StrongBuck(int level);
Outcome HooflingUp(int level);
Outcome WildBuck(int level);
Outcome BuckAnItem(int level);
Outcome Jump(int level);

Outcome TheStare(int level);
Outcome TameAnimal(int level);
bool SummonAccepts();
Outcome SummonAnimal(int level);
Outcome Empathy(int level);

Outcome BowShot(int level);
