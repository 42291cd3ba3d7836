// The keyboard as a frame of play finds it: exactly these keys held, every other key up.
#pragma once
#include <initializer_list>

#include "platform/input.h"

inline void HoldKeys(std::initializer_list<int> keys) {
    InputReset();
    for (const int k : keys) InputPress(k);
}
