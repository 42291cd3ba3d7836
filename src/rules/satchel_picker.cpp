#include "rules/satchel_picker.h"

#include "core/frame.h"
#include "core/state.h"
#include "items/skill_choice.h"
#include "platform/platform.h"
#include "rules/interactions.h"
#include "rules/inventory.h"

void MoveSatchelCursor(int& cursor) {
    // Two slots a row: Up and Down step over a row, Left and Right over a slot.
    MoveGridCursor(cursor, UsableInvSlots(), 2, 1, GridEnds::Refuse, DelayAfterCursor);
}

bool SatchelPicked(int cursor) {
    // The cursor may rest on an empty slot; only an item can be taken.
    const bool onItem = cursor >= 0 && cursor < UsableInvSlots() && InvKind[cursor] > 0;
    return InputDelay == 0 && onItem && Held(HeldConfirm);
}

bool SatchelLeft(int otherKey) { return InputDelay == 0 && (KeyHeld(KeyC) || (otherKey != 0 && KeyHeld(otherKey))); }

bool ChoosingItem() { return SkillChoosingItem() || InteractionChoosingItem(); }
