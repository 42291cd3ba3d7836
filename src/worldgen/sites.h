// Special sites of a forest sector: the crypt graveyard and the sites placed in turn
// (cooking pot, statue, fruit trees, shrines, doors, visitors, huts, wells, bells...).
#pragma once

// The graveyard with the crypt entrance of layout 32.
void PlaceCryptGraveyard();
// Every special site in its fixed order. A site whose search runs out is skipped.
void PlaceSpecialSites();
