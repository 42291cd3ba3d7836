// The three high-score tables and their files, one per scenario.
#pragma once

// The file of table t (0..2).
const char* HighScoreFile(int table);
// At program start: reads each table whose file exists. A file that is damaged (wrong
// length, a name length below 0 or past the end) is reported on stderr and its table
// keeps its defaults.
void ReadHighScores();
// Writes table t's file whole, rows 0..9; false when it could not be written.
bool WriteHighScores(int table);
// Deletes the three files where they exist and empties the tables in memory.
void DeleteHighScores();
