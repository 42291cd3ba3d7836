// The state dump: the game's tables as plain text, one "Name value" per line, for
// tests and for anyone checking a scripted game.
#pragma once
#include <string>

std::string StateDumpText();
// Writes the dump to a real path; a failure is reported on stderr.
void WriteStateDump(const std::string& path);
