#include "worldgen/sites.h"

// Filled by the special-sites code.
void PlaceCryptGraveyard() {}

// Filled by the special-sites code.
void PlaceSpecialSites() {}
