// Every active skill's range and effect, one row each, and the small rules the effects
// share.
#include <iterator>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/state.h"
#include "items/skills.h"
#include "rules/behaviour.h"
#include "rules/commands.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/creatures.h"

namespace {

using I = ItemChoice;
constexpr int Walk = FieldWalking;
constexpr int Open = FieldOpen;
constexpr int Leap = FieldTreesMountains;
constexpr int Any = AnyAttitude;

// clang-format off
constexpr SkillEffect Effects[] = {
    // id               item        mode     near far +L  slots       attitude           accepts            resolve
    {SkillHolding,      I::None,    Walk,    1,   4,  0,  1,          Any,               nullptr,           Holding},
    {SkillTeleport,     I::None,    Open,    1,   3,  1,  NoCreature, Any,               nullptr,           Teleport},
    {SkillMagicBeam,    I::None,    Walk,    1,   4,  0,  1,          Any,               nullptr,           MagicBeam},
    {SkillCovetCharm,   I::AnyItem, Walk,    1,   4,  0,  NoCreature, Any,               nullptr,           CovetCharm},
    {SkillShield,       I::None,    Walk,    1,   2,  0,  0,          Any,               nullptr,           Shield},
    {SkillPartyCannon,  I::None,    Walk,    1,   1,  0,  NoCreature, Any,               nullptr,           PartyCannon},
    {SkillSurprise,     I::None,    Walk,    1,   4,  0,  0,          Any,               nullptr,           Surprise},
    {SkillFourthWall,   I::None,    Open,    1,   1,  0,  NoCreature, Any,               FourthWallAccepts, FourthWall},
    {SkillParty,        I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           Party},
    {SkillRainfall,     I::None,    Walk,    1,   4,  0,  0,          Any,               nullptr,           Rainfall},
    {SkillThunder,      I::None,    Walk,    1,   4,  0,  1,          Any,               nullptr,           Thunder},
    {SkillVaneburst,    I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           Vaneburst},
    {SkillDash,         I::None,    Walk,    1,   1,  0,  NoCreature, Any,               nullptr,           Dash},
    {SkillTornado,      I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           Tornado},
    {SkillFindTreasure, I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           FindTreasure},
    {SkillDisguise,     I::Dress,   OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           Disguise},
    {SkillWhining,      I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           Whining},
    // The bucks strike whoever stands on the confirmed cell: an empty cell is a blow
    // into the air that still costs the MP and the turn.
    {SkillStrongBuck,   I::None,    Walk,    1,   1,  0,  NoCreature, Any,               nullptr,           StrongBuck},
    {SkillHooflingUp,   I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           HooflingUp},
    {SkillWildBuck,     I::None,    OwnCell, 0,   0,  0,  NoCreature, Any,               nullptr,           WildBuck},
    {SkillBuckAnItem,   I::AnyItem, Walk,    1,   4,  0,  1,          Any,               nullptr,           BuckAnItem},
    {SkillJump,         I::None,    Leap,    1,   1,  1,  NoCreature, Any,               nullptr,           Jump},
    {SkillTheStare,     I::None,    Walk,    1,   4,  0,  1,          AttitudeHostile,   nullptr,           TheStare},
    {SkillTameAnimal,   I::None,    Walk,    1,   2,  0,  1,          AttitudeNeutral,   nullptr,           TameAnimal},
    {SkillSummonAnimal, I::None,    Walk,    1,   2,  0,  NoCreature, Any,               SummonAccepts,     SummonAnimal},
    {SkillEmpathy,      I::None,    Walk,    1,   2,  0,  1,          Any,               nullptr,           Empathy},
    {SkillDeepMassage,  I::None,    Walk,    1,   1,  0,  NoCreature, Any,               nullptr,           StrongBuck},
    {SkillBow,          I::None,    Walk,    1,   4,  0,  1,          Any,               nullptr,           BowShot},
};
// clang-format on

}  // namespace

const SkillEffect* FindSkillEffect(int id) {
    for (const SkillEffect& e : Effects)
        if (e.id == id) return &e;
    return nullptr;
}

int Atk(int s) { return MonAtk[s] + MonAtkBonus[s]; }
int Def(int s) { return MonDef[s] + MonDefBonus[s]; }
int Str(int s) { return MonStr[s] + MonStrBonus[s]; }
int Mag(int s) { return MonMag[s] + MonMagBonus[s]; }
int Con(int s) { return MonCon[s] + MonConBonus[s]; }

int SkillRoll(int level) {
    const int base = Rand(2, 8);
    return base + Rand(2 * level, 4 * level);
}

void Hurt(int target, int damage) {
    if (damage > 0) MonHp[target] -= damage;
}

void StrikeOrDodge(int s, int damage) {
    if (damage <= 0) {
        PushMessage(MonName[s] + " dodged");
        return;
    }
    Hurt(s, damage);
    PushMessage(MonName[s] + " took " + IntToText(damage) + " damage!");
}

bool StandsOn(int s, int x, int y) { return MonKind[s] >= 1 && MonX[s] == x && MonY[s] == y; }
