// Moving the hero from one sector to another: the sector left is saved, the next one is
// read from its file or generated until it passes its test, and both are saved again.
#pragma once

// Kinds of sector change.
constexpr int ChangeDeeper = 1;        // one sector on
constexpr int ChangeBack = 2;          // one sector back
constexpr int ChangeFairyGarden = -1;  // the fairy garden (Depth -1)
constexpr int ChangeReturn = -2;       // back from a special sector to the one recorded in GameVars[VarReturnDepth]
constexpr int ChangeCrypt = -3;        // the crypt (Depth -2)
constexpr int ChangeTemple = -4;       // the temple (Depth -3)

// Moves the hero to another sector: saves the one left, reads or generates the next,
// places the hero, and saves again.
void ChangeSector(int kind);
// Generates the current Depth's sector until it passes its test (sectors above 0) and
// no search ran out; from the second try on it is seeded from the clock.
void GenerateNewSector();
// Tries at a sector before one that fails its test is kept (200); a test may lower it.
void SetRegenerationLimit(int tries);
// Grows the fairy garden's trees on the planted plots that have grown long enough.
void GrowGardenTrees();
