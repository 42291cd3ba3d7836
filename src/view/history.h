// The message history: every line the game said since the program started (the newest
// thousand), over the map in a scrollable box. Opened with H in a game.
#pragma once

// Draws the box with the history scrolled `scroll` rows back from the newest line;
// returns the largest scroll that still shows something, so the caller can clamp it.
int DrawMessageHistory(int scroll);
// Shows the history over the game's frame until H, C or Esc closes it (Up/Down scroll a
// row, Left/Right a page). The game waits meanwhile: no turn passes, and the random
// draws the map's animation makes while it is open are given back when it closes.
void RunMessageHistory();
