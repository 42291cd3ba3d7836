#include "items/skill_choice.h"

#include "core/frame.h"
#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/skills.h"
#include "platform/platform.h"

namespace {

// The chosen slot becomes the active skill and the skill handler takes over. Without
// the magic points for it the use ends at once: back to the list it was chosen from,
// or to the map for a number key, so the list never opens over the map unasked.
void ChooseSkill(int slot, int returnTo) {
    // Quenby Arlo's Jestbloom keeps him from casting, by the list or by a number.
    if (HeroId == HeroQuenbyArlo && MonStatus[0][StatusJestbloom] > 0) {
        PushMessage("You can't cast magic thanks to the Jestbloom");
        InputDelay = DelayAfterAction;
        return;
    }
    ActiveSkillSlot = slot;
    UiMode = UiAiming;
    InputDelay = DelayAfterAction;
    // A skill that takes an item starts its choice where the cursor was (Buck an item
    // leaves it on the slot it threw from), or on the first slot when the cursor lies
    // outside the usable satchel.
    if (MenuCursor < 0 || MenuCursor >= InvCapacity) MenuCursor = 0;
    if (MonMp[0] < SkillMpCost(SkillId[slot])) {
        EndSkillUse();
        UiMode = returnTo;
        PushMessage("Not enough MP");
    }
}

}  // namespace

bool SkillListed(int slot) { return slot >= 0 && slot < SkillSlots && SkillId[slot] > 0 && SkillLevel[slot] > 0; }

int ListedSkillCount() {
    int count = 0;
    for (int slot = 0; slot < SkillSlots; ++slot)
        if (SkillListed(slot)) ++count;
    return count;
}

int ListedSkillSlot(int entry) {
    if (entry < 0) return -1;
    for (int slot = 0; slot < SkillSlots; ++slot) {
        if (!SkillListed(slot)) continue;
        if (entry == 0) return slot;
        --entry;
    }
    return -1;
}

void RunSkillList() {
    const int count = ListedSkillCount();
    MoveGridCursor(InvCursor, count, 2, 1, GridEnds::Refuse, DelayAfterCursor);  // two skills a row
    if (InputDelay == 0 && (KeyHeld(KeyS) || KeyHeld(KeyC))) {
        UiMode = UiMap;
        InputDelay = DelayAfterList;
        return;
    }
    if (InputDelay == 0 && KeyHeld(KeySpace)) {
        const int slot = ListedSkillSlot(InvCursor);
        if (slot >= 0) ChooseSkill(slot, UiSkillList);
    }
}

void RunSkillHotkeys() {
    if (InputDelay != 0) return;
    for (int n = 1; n <= 9; ++n) {
        if (!KeyHeld(KeyDigit1 + n - 1)) continue;
        const int slot = ListedSkillSlot(n - 1);
        if (slot < 0) continue;
        ChooseSkill(slot, UiMap);
        return;
    }
}

void EndSkillUse() {
    AimPhase = AimStart;
    ActiveSkillSlot = 0;
    UiMode = UiMap;
    TargetX = -1;
    TargetY = -1;
    for (auto& column : MapHighlight)
        for (int& cell : column) cell = 0;
}

bool SkillChoosingItem() {
    if (AimPhase != AimStart || ActiveSkillSlot < 0 || ActiveSkillSlot >= SkillSlots) return false;
    // Every end of a use leaves slot 0 active at the start phase: slot 0 asks for an item
    // only while a use is on, or a Covet Charm kept there would hold the satchel open on
    // the map for good.
    if (ActiveSkillSlot == 0 && UiMode != UiAiming) return false;
    const int id = SkillId[ActiveSkillSlot];
    return id == SkillCovetCharm || id == SkillDisguise || id == SkillBuckAnItem;
}
