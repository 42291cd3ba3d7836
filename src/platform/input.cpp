#include "platform/input.h"

#include "platform/platform.h"

namespace {

int Held[KeyCodeCount];
int Presses[KeyCodeCount];
int PointerAtX = 0;
int PointerAtY = 0;
int Close = 0;

bool ValidCode(int code) { return code >= 0 && code < KeyCodeCount; }

}  // namespace

void InputPress(int code) {
    if (!ValidCode(code)) return;
    if (!Held[code]) Presses[code]++;
    Held[code] = 1;
}

void InputRelease(int code) {
    if (ValidCode(code)) Held[code] = 0;
}

void InputReleaseAll() {
    for (int& h : Held) h = 0;
}

void InputPointer(int x, int y) {
    PointerAtX = x;
    PointerAtY = y;
}

void InputClose() { Close = 1; }

void InputReset() {
    for (int k = 0; k < KeyCodeCount; ++k) {
        Held[k] = 0;
        Presses[k] = 0;
    }
    PointerAtX = PointerAtY = 0;
    Close = 0;
}

int KeyHeld(int code) { return ValidCode(code) ? Held[code] : 0; }

int KeyPresses(int code) {
    if (!ValidCode(code)) return 0;
    const int n = Presses[code];
    Presses[code] = 0;
    return n;
}

int PointerX() { return PointerAtX; }

int PointerY() { return PointerAtY; }

int CloseRequested() {
    const int c = Close;
    Close = 0;
    return c;
}
