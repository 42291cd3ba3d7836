// Reading the game's data files defensively: a damaged file is never read out of
// bounds, never trusted, and never lost (it is kept aside under a new name, so the
// next save cannot overwrite the only copy).
#pragma once
#include <string>

#include "platform/files.h"

// Reads a whole data file whose size must lie within [minBytes, maxBytes]. False when
// there is no file (quietly) or when it is damaged (reported and set aside).
bool ReadDataFile(const std::string& name, int minBytes, int maxBytes, IntStream& stream);
// Reports a damaged data file on stderr and keeps it aside under a new name.
void SetDamagedFileAside(const std::string& name, const std::string& why);
