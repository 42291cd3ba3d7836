// The save game of a run in progress.
#pragma once

// Writes the save game and the current sector file before the program ends from
// inside a game (Esc twice, or the window's close button).
void SaveRunBeforeQuit();
