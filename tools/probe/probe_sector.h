// hoofprobe's world-generation commands: sector, chain and map.
#pragma once
#include <string>
#include <vector>

// Each takes the arguments after its command name and returns the exit status.
int ProbeSector(const std::vector<std::string>& args);
int ProbeChain(const std::vector<std::string>& args);
int ProbeMap(const std::vector<std::string>& args);

// Generates the sector the sector options in `args` describe, with every line the
// generation logs heard (for sector, map and contact). `out` gets --out where allowed.
bool GenerateProbeSector(const std::vector<std::string>& args, bool allowOut, std::string& out, int& messagesBefore);
