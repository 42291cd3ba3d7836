// The status catalogue: what each status id of MonStatus is called on the HUD and
// how the help text explains it to the player.
#pragma once
#include <string>

// Status ids 0..15 carry a label; 16 is counted down but never set, 17..20 unused.
constexpr int StatusLabelCount = 16;

// The HUD label of a status ("Frozen", "Magic Boost", ...); "" for ids without one.
const char* StatusLabel(int id);
// The help line shown while the pointer rests on the status's label; the Jestbloom's
// depends on the hero in HeroId. "" for ids without a label.
std::string StatusHelp(int id);
