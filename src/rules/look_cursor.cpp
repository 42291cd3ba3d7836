#include "rules/look_cursor.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "platform/platform.h"

bool LookCursorOpen() { return UiMode == UiLook; }

void OpenLookCursor() {
    UiMode = UiLook;
    LookCursorX = Clamp(MonX[0], 0, MapMaxX);
    LookCursorY = Clamp(MonY[0], 0, MapMaxY);
}

void CloseLookCursor() {
    if (UiMode == UiLook) UiMode = UiMap;
}

void MoveLookCursor(int dx, int dy) {
    LookCursorX = Clamp(LookCursorX + dx, 0, MapMaxX);
    LookCursorY = Clamp(LookCursorY + dy, 0, MapMaxY);
}

void RunLookCursorKeys() {
    if (!LookCursorOpen()) return;
    // Every press of Esc is taken, even inside the delay, so none is left over for the
    // frame's end to read as a wish to quit.
    const bool esc = KeyPresses(KeyEsc) > 0;
    if (esc || (InputDelay == 0 && (KeyHeld(KeyL) || KeyHeld(KeyC)))) {
        CloseLookCursor();
        InputDelay = DelayAfterAction;
        return;
    }
    if (InputDelay != 0) return;
    // One direction a press, in the order a step takes them.
    int dx = 0, dy = 0;
    if (Held(HeldRight))
        dx = 1;
    else if (Held(HeldLeft))
        dx = -1;
    else if (Held(HeldDown))
        dy = 1;
    else if (Held(HeldUp))
        dy = -1;
    if (dx == 0 && dy == 0) return;
    MoveLookCursor(dx, dy);
    InputDelay = DelayAfterCursor;
}
