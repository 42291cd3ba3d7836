// hoofprobe's world-generation commands: sector, chain and map.
#pragma once
#include <string>
#include <vector>

// Each takes the arguments after its command name and returns the exit status.
int ProbeSector(const std::vector<std::string>& args);
int ProbeChain(const std::vector<std::string>& args);
int ProbeMap(const std::vector<std::string>& args);
