// Using the active skill, one frame at a time: its start (the passive skills' refusals,
// Flight's switch, the Bow's check, the item choice), the aiming over the highlighted
// range, the resolving frame and the payment, and the end every use comes to.
#include "rules/skills/skill_in_use.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/platform.h"
#include "rules/behaviour.h"
#include "rules/inventory.h"
#include "rules/satchel_picker.h"
#include "rules/skills/skill_effects.h"
#include "worldgen/terrain.h"

namespace {

constexpr int MaxSlotSearched = 50;

// Every way out of a use: the end, and the next key waits a little.
void Finish() {
    EndSkillUse();
    InputDelay = DelayAfterAction;
}

// The passive skills work inside other rules; choosing one only says so.
const char* PassiveLine(int id) {
    switch (id) {
        case SkillDabbleSense: return "You cannot use this skill.  Dabble Sense activates randomly.";
        case SkillSalesBonus: return "You cannot use this skill.  It activates when buying products from a shop.";
        case SkillFashionSense:
            return "You cannot use this skill.  It automatically boosts the bonus of dresses and jewellery.";
        case SkillGourmet: return "You cannot use this skill.  It activates when cooking/eating automatically.";
        case SkillWeaponPro: return "You cannot use this skill.  It activates when you weild a weapon in combat.";
        default: return nullptr;
    }
}

void SwitchFlight() {
    int& flying = MonStatus[0][StatusFlying];
    // The wings fold wherever the hero is: a pit only stops him walking onto it.
    flying = flying == 0 ? StatusPermanent : 0;
    PushMessage("fly");
    TurnTaken = 1;
    Finish();
}

// The Bow shoots only from a worn bow with arrows in the satchel, or from the Infinity Bow.
bool BowReady() {
    const int worn = Equip[EquipWeapon];
    if (worn < 0 || worn >= InvSlots || ItemCategory(InvKind[worn]) != CategoryBow) return false;
    return InvKind[worn] == ItemInfinityBow || CountInSatchel(ItemArrows) > 0;
}

bool ItemAccepted(const SkillEffect& effect, int slot) {
    if (effect.item == ItemChoice::Dress) return ItemCategory(InvKind[slot]) == CategoryDress;
    return true;
}

// Marks the cells the target cursor may confirm and puts the cursor on the hero.
void BeginAiming(const SkillEffect& effect, int level) {
    const int hx = MonX[0];
    const int hy = MonY[0];
    for (auto& column : MapHighlight)
        for (int& cell : column) cell = 0;
    if (effect.mode == OwnCell) {
        MapHighlight[hx][hy] = 1;
    } else {
        BuildField(hx, hy, effect.mode);
        const int farthest = effect.farthest + effect.perLevel * level;
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                if (MapMask[x][y] >= effect.nearest && MapMask[x][y] <= farthest) MapHighlight[x][y] = 1;
    }
    TargetX = hx;
    TargetY = hy;
    AimPhase = AimTargeting;
}

void Resolve(const SkillEffect& effect, int id, int level) {
    for (auto& column : MapHighlight)
        for (int& cell : column) cell = 0;
    // The price is read before the effect: a Covet Charm or a bucked item may be the
    // wielded staff itself, and the hero pays what he was asked when he chose the skill.
    const int cost = SkillMpCost(id);
    const Outcome outcome = effect.resolve(level);
    switch (outcome) {
        case Outcome::Continue: return;
        case Outcome::Paid:
            MonMp[0] -= cost;
            TurnTaken = 1;
            break;
        case Outcome::Unpaid: TurnTaken = 1; break;
        case Outcome::Refused: break;
    }
    Finish();
}

// The item choice before aiming: the satchel picks, S or C leaves at no cost.
void ChooseItem(const SkillEffect& effect, int id, int level) {
    MoveSatchelCursor(MenuCursor);
    if (SatchelLeft(KeyS)) {
        Finish();
        return;
    }
    if (!SatchelPicked(MenuCursor) || !ItemAccepted(effect, MenuCursor)) return;
    InputDelay = DelayAfterAction;
    if (effect.mode == OwnCell && effect.item == ItemChoice::Dress) {
        // The disguise is put on at once: there is nothing to aim at.
        AimPhase = AimResolving;
        Resolve(effect, id, level);
        return;
    }
    BeginAiming(effect, level);
}

void Start(int id, int level) {
    if (const char* line = PassiveLine(id)) {
        PushMessage(line);
        Finish();
        return;
    }
    if (id == SkillFlight) {
        SwitchFlight();
        return;
    }
    if (id == SkillBow && !BowReady()) {
        PushMessage("You need to have a bow and arrows equipped to use this.");
        Finish();
        return;
    }
    const SkillEffect* effect = FindSkillEffect(id);
    if (effect == nullptr) {
        Finish();
        return;
    }
    if (effect->item != ItemChoice::None) {
        ChooseItem(*effect, id, level);
        return;
    }
    BeginAiming(*effect, level);
}

// The highest slot of the searched range standing on the cursor cell with the attitude
// the skill asks for, or -1.
int CreatureOnTarget(const SkillEffect& effect) {
    for (int s = MaxSlotSearched; s >= effect.firstSlot; --s) {
        if (!StandsOn(s, TargetX, TargetY)) continue;
        if (effect.attitude != AnyAttitude && MonAttitude[s] != effect.attitude) continue;
        return s;
    }
    return -1;
}

void Aim(const SkillEffect& effect, int id) {
    if (InputDelay != 0) return;
    static const int StepX[5] = {0, 0, 0, -1, 1};
    static const int StepY[5] = {0, -1, 1, 0, 0};
    for (int direction = 1; direction <= 4; ++direction) {
        if (!Held(direction)) continue;
        TargetX = Clamp(TargetX + StepX[direction], 0, MapMaxX);
        TargetY = Clamp(TargetY + StepY[direction], 0, MapMaxY);
        InputDelay = DelayAfterAction;
        return;
    }
    if (KeyHeld(KeyS) || KeyHeld(KeyC)) {
        Finish();
        return;
    }
    if (!Held(HeldConfirm)) return;
    if (TargetX < 0 || TargetX > MapMaxX || TargetY < 0 || TargetY > MapMaxY) return;
    if (MapHighlight[TargetX][TargetY] != 1) return;
    if (effect.firstSlot != NoCreature) {
        const int s = CreatureOnTarget(effect);
        if (s < 0) return;
        DefenderSlot = s;
    }
    InputDelay = DelayAfterAction;
    if (effect.accepts && !effect.accepts()) return;
    AimPhase = id == SkillBow ? AimBowShot : AimResolving;
}

}  // namespace

void UseSkill() {
    const int slot = ActiveSkillSlot;
    if (slot < 0 || slot >= SkillSlots) {
        Finish();
        return;
    }
    const int id = SkillId[slot];
    const int level = SkillLevel[slot];
    const SkillEffect* effect = FindSkillEffect(id);
    switch (AimPhase) {
        case AimStart: Start(id, level); break;
        case AimTargeting:
            if (effect) Aim(*effect, id);
            break;
        case AimResolving:
        case AimBowShot:
            if (effect) Resolve(*effect, id, level);
            break;
        default: Finish(); break;
    }
    // A phase without a table row (a damaged state) must not hold the keys for good.
    if (AimPhase != AimStart && effect == nullptr) Finish();
}
