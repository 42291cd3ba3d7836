// The input state both targets fill between frames and the game polls.
#pragma once

void InputPress(int code);    // a key goes down (counts one press unless already held)
void InputRelease(int code);  // a key goes up
void InputReleaseAll();       // e.g. when the window loses focus
void InputPointer(int x, int y);
void InputClose();  // the window's close button
void InputReset();  // everything up, no presses, no close
