// Sector files (World/Forest<depth>.flr) and moving the hero from one sector to another.
#pragma once
#include <string>

constexpr int SectorFileInts = 13035;  // 52140 bytes

// Kinds of sector change.
constexpr int ChangeDeeper = 1;        // one sector on
constexpr int ChangeBack = 2;          // one sector back
constexpr int ChangeFairyGarden = -1;  // the fairy garden (Depth -1)
constexpr int ChangeReturn = -2;       // back from a special sector to the one recorded in GameVars[VarReturnDepth]
constexpr int ChangeCrypt = -3;        // the crypt (Depth -2)
constexpr int ChangeTemple = -4;       // the temple (Depth -3)

// "World/Forest" + depth + ".flr".
std::string SectorFileName(int depth);
// Writes the current sector to its file; false when it could not be written.
bool WriteSector();
// Reads the current Depth's sector file into the tables. A file of the wrong length is
// kept aside and refused (false, with a plain message for the log); values that would
// index outside a table are clamped.
bool ReadSector(std::string& message);
// Moves the hero to another sector: saves the one left, reads or generates the next,
// places the hero, and saves again.
void ChangeSector(int kind);
// Generates the current Depth's sector until it passes its test (sectors above 0) and
// no search ran out; from the second try on it is seeded from the clock.
void GenerateNewSector();
// Grows the fairy garden's trees on the planted plots that have grown long enough.
void GrowGardenTrees();
