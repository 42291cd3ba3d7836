// Reading the game's data files defensively: a damaged file is never read out of
// bounds, never trusted, and never lost (it is moved into the Damaged folder, so the
// next save cannot overwrite the only copy).
#pragma once
#include <string>

#include "core/run_vars.h"
#include "platform/files.h"

// What play can reach, for telling a damaged save or sector file from a game. The
// counts are far beyond any real run but finite, so a file of garbage is caught.
constexpr int LowestDepth = DepthTemple;  // the side sectors take the depths below 0
constexpr int DeepestDepth = 29;          // the flower, the chaos lair and the throne hall
constexpr int MostBits = 100000000;
constexpr int MostOfOneItem = 1000000;  // one satchel slot or one pile on the ground
constexpr int HighestHeroLevel = 999;   // level-ups stop here; the experience runs out long before
constexpr int MostSkillPoints = 100000;
// Bounds that loading puts values back inside, far beyond any real run and far enough
// below an int's end that play from them cannot overflow. Counters that grow by one a
// turn (the turn count, timers, the garden's growth): a billion turns is years of play.
constexpr int MostTurns = 1000000000;
constexpr int MostHitPoints = 10000000;  // hit and magic points, and their most
constexpr int MostStat = 100000;         // attack, defence, strength, speed, magic, constitution
constexpr int MostCreatureXp = 1000000;  // what one knocked-out creature is worth
constexpr int MostHeroXp = 1000000000;   // about level 40; the level after needs more than an int
constexpr int MostCreatureLevel = 10000;

// "what is value" when value lies outside [low, high], else empty: the reason a file
// is damaged, for the report on stderr.
std::string OutsideRange(const char* what, int value, int low, int high);

enum DataFileRead {
    DataMissing,  // nothing there: the defaults, quietly
    DataRead,     // the stream holds the whole file
    DataDamaged,  // reported and moved aside (see SetDamagedFileAside), or ignored when it could not be moved
};
// Reads a whole data file whose size must lie within [minBytes, maxBytes]. A file of
// another size, one that cannot be read, or a folder, device or pipe in its place is
// damaged; `reason`, when given, then says why.
DataFileRead ReadDataFile(const std::string& name, int minBytes, int maxBytes, IntStream& stream,
                          std::string* reason = nullptr);
// Reports a damaged data file on stderr and moves it into the session's Damaged/ folder
// with the reason. Returns where it went, or an empty text when it could not be moved
// (it is then only ignored).
std::string SetDamagedFileAside(const std::string& name, const std::string& why);
