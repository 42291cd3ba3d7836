// Special sites of a forest sector: the crypt graveyard and the sites placed in turn
// (cooking pot, statue, fruit trees, shrine, fairy door, visitors, pond, huts, deer,
// cursed plants, book, time traveller, note, temple, heroine, well, bell).
#pragma once

// Tries allowed to the searches that would otherwise go on until they find a cell.
constexpr int SiteSearchUnbounded = 1000000;

// SiteCooldown entry of the night statue, and its value once Princess Noctessa has come:
// from then on every statue the frame pass meets turns into a tree.
constexpr int SiteNightStatue = 1;
constexpr int NightStatueGone = 1000;
// SiteCooldown entry of Wobbin's visits, and the cooldown that keeps a site from ever
// coming again.
constexpr int SiteWobbin = 5;
constexpr int SiteNever = 9999;

// Looks for a site's 3 x 3 square, up to `tries` candidates: an open, dry centre
// whose square holds nothing the site must not cover (buildings, graves, walls, the
// ways in and out, cells a castle reserved, its key; grass in a castle). On success
// the square becomes grass (the castle's floor in a castle), the centre takes `code`,
// and (x, y) is the centre. False when the tries ran out; nothing is changed then.
bool FindSiteCell(int code, int tries, int& x, int& y);

// The graveyard with the crypt entrance of layout 32.
void PlaceCryptGraveyard();
// Every special site in its fixed order. A site whose search runs out is skipped.
void PlaceSpecialSites();

// The fruit tree (AppleTree..JoltAppleTree) for a uniform draw u in 0..100: mostly apples.
int FruitTreeForRoll(int u);
