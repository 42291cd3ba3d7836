// Sector files (World/Forest<depth>.flr): the layout of the ints, writing, and reading
// with every impossible value mended.
#pragma once
#include <string>

constexpr int SectorFileInts = 13035;  // 52140 bytes

// "World/Forest" + depth + ".flr".
std::string SectorFileName(int depth);
// Writes the current sector to its file; false when it could not be written.
bool WriteSectorFile();
// WriteSectorFile, and in a game the log says why it failed.
bool WriteSector();
// Reads the current Depth's sector file into the tables. A missing file is refused and
// said to be missing; a file of the wrong length, or one no game could have left (a
// terrain, creature or item that does not exist, a second hero), is kept aside and
// refused; either way `message` is a plain line for the log and the caller makes the
// sector anew. Positions, seen marks, regions and rockfall marks outside their tables
// are clamped.
bool ReadSector(std::string& message);
