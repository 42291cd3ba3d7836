// The save game of a run in progress (World/savedata.dat) and the seed record.
#pragma once
#include <string>

constexpr int SaveGameInts = 507;  // 2028 bytes

// Writes World/savedata.dat, then GlobalData.dat, then RecipeBook.dat, each whole.
// False when any could not be written (what was on disk before stays).
bool SaveGame();
// Reads World/savedata.dat. A file of the wrong length, or one no run could have
// written (a dead hero, a depth outside the quest, an item that does not exist...), is
// kept aside and refused, and the run's tables are cleared again; positions, equipment
// slots, the satchel's size and skill levels outside their tables are clamped. `message`
// tells the player what happened, in plain words, when the result is false or a value
// was mended.
bool LoadGame(std::string& message);
// Reads a save game from any path (not only the data root's) into the run's tables,
// for tools that look at a player's run: nothing is moved, renamed or written, and no
// value is mended. False with `reason` (one line) when the file is missing, cannot be
// read, has the wrong length, or holds what no run could have written; the tables may
// then hold part of it.
bool ReadSaveGameFile(const std::string& path, std::string& reason);
// Writes prevseed.dat: the world seed of the latest new game.
bool WriteSeedRecord();
// Writes the current sector file and SaveGame's three files as one (see BeginFileGroup):
// after a crash at any instant, all four are of the same moment. On failure the old
// files stay, and in a game the log says why.
bool SaveRun();
// SaveRun before the program ends from inside a game (Esc twice, or the window's close
// button); false when the run could not be saved.
bool SaveRunBeforeQuit();
