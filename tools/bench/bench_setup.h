// The game states the timings start from, shared by hoofbench and hoofmeasure.
#pragma once

// A headless screen with the real pictures, as the game has it on the title.
void PrepareHeadlessTitle();
// A fresh world as a new game has it, in the given scenario (0 forest, 1 chaos, 2 castle).
void PrepareWorld(int scenario, int seed);
// A generated sector with the hero on open ground and every creature slot filled.
void PrepareBusySector();
// Six generated pieces of tier 3 in the satchel's first slots, each worn, so a game
// frame describes them all for their bonuses.
void WearSixPieces();
