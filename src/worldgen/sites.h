// Special sites of a forest sector: the crypt graveyard and the sites placed in turn
// (cooking pot, statue, fruit trees, shrine, fairy door, visitors, pond, huts, deer,
// cursed plants, book, time traveller, note, temple, heroine, well, bell).
#pragma once

// Tries allowed to the searches that would otherwise go on until they find a cell.
constexpr int SiteSearchUnbounded = 1000000;

// The SiteCooldown entry of each site: the sectors to go before it may be tried again.
// Entries 0..18 are the forest's sites, 50..59 the castle's rooms and prisoners.
enum SiteSlot : int {
    SiteCookingPot = 0,
    SiteNightStatue = 1,
    SiteFruitTrees = 2,
    SiteTreelephantShrine = 3,
    SiteFairyDoor = 4,
    SiteWobbin = 5,
    SiteGriffon = 6,
    SiteCryptEntrance = 7,  // set by the castle grounds too
    SiteSeahooflingPond = 8,
    SiteCreatureHuts = 9,
    SiteDeerClearing = 10,
    SiteCursedPlants = 11,
    SiteBook = 12,
    SiteClockwick = 13,
    SiteNote = 14,
    SiteTemple = 15,
    SiteTempleHeroine = 16,  // comes only while the temple's countdown runs
    SiteWell = 17,
    SiteBell = 18,
    SiteCastleGarden = 50,
    SiteCastleLibrary = 51,
    SitePrison = 52,         // 1 in the sector whose prison was built: its key is placed
    SitePrisonerFirst = 53,  // 53..57: each of the five prisoners, once per game
    SiteLavaBridge = 58,
    SiteTreasury = 59,
};
// The night statue's entry once Princess Noctessa has come: from then on every statue
// the frame pass meets turns into a tree.
constexpr int NightStatueGone = 1000;
// The cooldown that keeps a site from ever coming again.
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
