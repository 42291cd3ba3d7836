// The sector as the suites set it up and look at it: a whole layer of one terrain,
// how many cells hold a code, how many creatures live, and sets of terrain codes.
#pragma once
#include <initializer_list>
#include <set>
#include <utility>

#include "core/state.h"

// Every cell of the sector becomes `code` (2 a meadow, 1 a forest of trees).
inline void FillTerrain(int code) {
    for (auto& column : MapTerrain)
        for (int& cell : column) cell = code;
}

inline int CountTerrain(int code) {
    int n = 0;
    for (const auto& column : MapTerrain)
        for (const int cell : column) n += cell == code;
    return n;
}

// Creature slots 1..50 that hold a creature.
inline int LiveCreatures() {
    int n = 0;
    for (int m = 1; m <= MonCapacity; ++m) n += MonKind[m] > 0;
    return n;
}

// The codes of inclusive ranges: Codes({{1, 1}, {7, 9}}) is {1, 7, 8, 9}.
inline std::set<int> Codes(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> codes;
    for (const auto& [first, last] : ranges)
        for (int c = first; c <= last; ++c) codes.insert(c);
    return codes;
}
