// The game proper: one frame at a time until the run ends.
#pragma once

// Runs the turn loop until the game is over, then the ending.
void RunTurnLoop();
