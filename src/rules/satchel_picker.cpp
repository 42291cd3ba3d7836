#include "rules/satchel_picker.h"

#include "core/frame.h"
#include "core/state.h"
#include "items/skill_use.h"
#include "platform/platform.h"
#include "rules/interactions.h"
#include "rules/inventory.h"

void MoveSatchelCursor(int& cursor) {
    const int usable = UsableInvSlots();
    // Every test asks for the delay again, so a move blocks the later arrows of the frame.
    if (InputDelay == 0 && Held(1) && cursor > 1) {
        cursor -= 2;
        InputDelay = 5;
    }
    if (InputDelay == 0 && Held(2) && cursor < usable - 2) {
        cursor += 2;
        InputDelay = 5;
    }
    if (InputDelay == 0 && Held(3) && cursor > 0) {
        cursor -= 1;
        InputDelay = 5;
    }
    if (InputDelay == 0 && Held(4) && cursor < usable - 1) {
        cursor += 1;
        InputDelay = 5;
    }
}

bool SatchelPicked(int cursor) {
    // The cursor may rest on an empty slot; only an item can be taken.
    const bool onItem = cursor >= 0 && cursor < UsableInvSlots() && InvKind[cursor] > 0;
    return InputDelay == 0 && onItem && Held(5);
}

bool SatchelLeft(int otherKey) {
    return InputDelay == 0 && (KeyHeld(KeyA + ('C' - 'A')) || (otherKey != 0 && KeyHeld(otherKey)));
}

bool ChoosingItem() { return SkillChoosingItem() || InteractionChoosingItem(); }
