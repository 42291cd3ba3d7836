// Sector files (World/Forest<depth>.flr): the layout of the ints, writing, and reading
// with every impossible value mended.
#pragma once
#include <string>

constexpr int SectorFileInts = 13035;  // 52140 bytes

// "World/Forest" + depth + ".flr".
std::string SectorFileName(int depth);
// Writes the current sector to its file; false when it could not be written.
bool WriteSector();
// Reads the current Depth's sector file into the tables. A file of the wrong length is
// kept aside and refused (false, with a plain message for the log); values that would
// index outside a table are clamped.
bool ReadSector(std::string& message);
