// The end of a run: its score, the high-score tables, the victory screen.
#pragma once
#include <string>

// Whether the run counts: every run on normal and hard, and a win on easy.
bool RunIsScored();
// The run's score from its money, level, difficulty and outcome. On a win it also
// writes how the run ended into DeathMessage.
int ScoreRun();
// Enters a score into table t (ties go above older scores); returns its rank, or -1
// when it is below all ten.
int EnterHighScore(int table, int score, const std::string& text, int depth);
// Scores a run that ended (when it counts), enters it into its table and writes the
// table with the clearing of the save folder as one change; true when it was scored.
// Draws nothing: RunEnding's first step, and all of it when the window closes as the
// run ends.
bool RecordEnding();
// Called once when the turn loop has stopped: scores the run, updates the table and
// its file, clears the save folder when the game is over for good, shows the victory
// screen after a win and then the high scores.
void RunEnding();
// The victory screen, until Space.
void VictoryScreen();
