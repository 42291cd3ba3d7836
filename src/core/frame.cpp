#include "core/frame.h"

#include <cstdio>
#include <cstdlib>

#include "core/state.h"
#include "persist/savegame.h"
#include "platform/platform.h"
#include "view/messagelog.h"

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

void Say(const std::string& text, int x, int y) { DrawText(text, x, y); }

void QuitProgram() {
    if (GameInProgress > 0 && InGame == 1) SaveRunBeforeQuit();
    StopPlatform();
    std::fflush(stdout);
    std::exit(0);
}

void EndFrame() {
    if (KeyPresses(KeyEsc) > 0) {
        if (InGame != 1) {
            QuitProgram();
        } else if (InputDelay == 0) {
            if (QuitArmed == 0) {
                InputDelay = 10;
                PushMessage("Are you sure you want to quit? Press esc again to quit");
                QuitArmed = 1;
            } else {
                QuitProgram();
            }
        }
    }
    if (CloseRequested()) QuitProgram();
    PresentFrame();
    ClearScreen();
    if (InputDelay > 0) InputDelay--;
}

int TitleOffsetX() { return ScreenWidth > 800 ? 100 : 0; }

int TitleOffsetY() { return ScreenWidth > 800 ? 80 : 40; }
