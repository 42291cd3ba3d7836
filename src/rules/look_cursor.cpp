#include "rules/look_cursor.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "platform/platform.h"

namespace {

bool Open = false;
int CursorX = 0;
int CursorY = 0;


}  // namespace

bool LookCursorOpen() { return Open; }
int LookCursorX() { return CursorX; }
int LookCursorY() { return CursorY; }

void OpenLookCursor() {
    Open = true;
    CursorX = Clamp(MonX[0], 0, MapMaxX);
    CursorY = Clamp(MonY[0], 0, MapMaxY);
}

void CloseLookCursor() { Open = false; }

void MoveLookCursor(int dx, int dy) {
    CursorX = Clamp(CursorX + dx, 0, MapMaxX);
    CursorY = Clamp(CursorY + dy, 0, MapMaxY);
}

void RunLookCursorKeys() {
    if (!Open) return;
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
