// Starting over: the new-game reset and the clearing of the save folder.
#pragma once

// Clears the tables of a run, each time the title menu is shown. Leaves alone what
// outlives a run or is set by the new game itself: the equipment, the attitudes, the
// store offers, the message log, the global tables and the high scores.
void ResetGame();
// Deletes the files of a game in World/ (the save game first, then every sector file);
// leaves everything else there, and moves aside what stands in a game file's place and
// cannot be read as a file.
void ClearSaveFolder();
