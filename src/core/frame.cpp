#include "core/frame.h"

#include "core/messagelog.h"
#include "core/state.h"
#include "platform/platform.h"

int Held(int kind) {
    switch (kind) {
        case 1: return KeyHeld(KeyUp);
        case 2: return KeyHeld(KeyDown);
        case 3: return KeyHeld(KeyLeft);
        case 4: return KeyHeld(KeyRight);
        case 5: return (KeyHeld(KeySpace) || KeyHeld(KeyEnter)) ? 1 : 0;
        default: return 0;
    }
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
                InputDelay = 10;
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
