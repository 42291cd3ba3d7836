// hoofprobe map: filled in with the map view.
#include "probe_sector.h"

int ProbeMap(const std::vector<std::string>& args) { return 2; }
