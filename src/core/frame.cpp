#include "core/frame.h"

#include "core/messagelog.h"
#include "core/state.h"
#include "platform/platform.h"

int Held(int kind) {
    switch (kind) {
        case HeldUp: return KeyHeld(KeyUp);
        case HeldDown: return KeyHeld(KeyDown);
        case HeldLeft: return KeyHeld(KeyLeft);
        case HeldRight: return KeyHeld(KeyRight);
        case HeldConfirm: return (KeyHeld(KeySpace) || KeyHeld(KeyEnter)) ? 1 : 0;
        default: return 0;
    }
}

bool MoveGridCursor(int& cursor, int count, int rowStep, int columnStep, GridEnds ends, int delay) {
    const int steps[] = {-rowStep, rowStep, -columnStep, columnStep};
    const int kinds[] = {HeldUp, HeldDown, HeldLeft, HeldRight};
    bool moved = false;
    for (int k = 0; k < 4; ++k) {
        if (InputDelay != 0 || !Held(kinds[k])) continue;
        int to = cursor + steps[k];
        if (ends == GridEnds::Clamp) {
            to = to < 0 ? 0 : (to > count - 1 ? count - 1 : to);
        } else if (to < 0 || to >= count) {
            continue;
        }
        cursor = to;
        InputDelay = delay;
        moved = true;
    }
    return moved;
}

namespace {
int LinesUsed = 0;

// The top box begins at x 5 at 800 x 600 and at x 305, right of the left column, at
// 1024 x 768; its lines are 10 pixels apart from y 10.
void NoteTopBoxLine(const std::string& text, int x, int y) {
    const int left = ScreenWidth == 800 ? 5 : 305;
    if (text.empty() || x < left || y < 10 || (y - 10) % 10 != 0) return;
    const int line = (y - 10) / 10;
    if (line < TopBoxLines) LinesUsed |= 1 << line;
}
}  // namespace

void Say(const std::string& text, int x, int y) {
    NoteTopBoxLine(text, x, y);
    DrawText(text, x, y);
}

int TopBoxLinesUsed() { return LinesUsed; }

void RequestQuit() {
    if (QuitRequest != 0) return;
    QuitRequest = GameInProgress > 0 && InGame == 1 ? 2 : 1;
}

bool QuitRequested() { return QuitRequest != 0; }

bool QuitSavesRun() { return QuitRequest == 2; }

void EndFrame() {
    if (QuitRequested()) return;
    if (KeyPresses(KeyEsc) > 0) {
        if (InGame != 1) {
            RequestQuit();
        } else if (InputDelay == 0) {
            if (QuitArmed == 0) {
                InputDelay = DelayAfterAction;
                PushMessage("Are you sure you want to quit? Press esc again to quit");
                QuitArmed = 1;
            } else {
                RequestQuit();
            }
        }
    }
    if (!QuitRequested() && CloseRequested()) RequestQuit();
    if (QuitRequested()) return;
    PresentFrame();
    ClearScreen();
    LinesUsed = 0;
    if (InputDelay > 0) InputDelay--;
}

int TitleOffsetX() { return ScreenWidth > 800 ? 100 : 0; }

int TitleOffsetY() { return ScreenWidth > 800 ? 80 : 40; }
