// Whether two cells of the current sector are joined by a walk through cells a test
// allows: the one path search the generator and castle tests share.
#pragma once
#include <queue>
#include <utility>

#include "core/state.h"

// True when (tx, ty) can be reached from (fx, fy) in steps north, south, east and west
// over cells whose terrain `pass` allows. With `enterTarget` the target cell itself may
// hold anything (a creature standing on a wall tile, say).
template <typename Pass>
bool WalkableBetween(int fx, int fy, int tx, int ty, Pass pass, bool enterTarget = false) {
    if (fx < 0 || fx > MapMaxX || fy < 0 || fy > MapMaxY) return false;
    bool seen[MapWidth][MapHeight] = {};
    std::queue<std::pair<int, int>> todo;
    todo.push({fx, fy});
    seen[fx][fy] = true;
    while (!todo.empty()) {
        auto [x, y] = todo.front();
        todo.pop();
        if (x == tx && y == ty) return true;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || nx > MapMaxX || ny < 0 || ny > MapMaxY || seen[nx][ny]) continue;
            if (!pass(MapTerrain[nx][ny]) && !(enterTarget && nx == tx && ny == ty)) continue;
            seen[nx][ny] = true;
            todo.push({nx, ny});
        }
    }
    return false;
}
