// The screens around the game, each a loop of frames ended by EndFrame.
#pragma once

// How to play: the keys and a few tips; Space leaves.
void HelpScreen();
// One of the three high-score tables (0..2); Left and Right change the table, Space
// leaves. The row at MenuCursor (a score just entered) is highlighted.
void HighScoreScreen(int table);
// Screen mode, debug texts and deleting the high scores; GlobalData.dat is written
// when the screen is left.
void OptionsScreen();
// Switches between 1024 x 768 and 800 x 600 by GlobalData[GlobalScreenMode], at once.
void ApplyScreenMode();
