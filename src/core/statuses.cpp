#include "core/statuses.h"

#include "core/run_vars.h"
#include "core/state.h"

namespace {

struct StatusRow {
    int id;             // the row's own StatusXxx constant
    const char* name;   // what the rules call it
    const char* label;  // what the HUD shows
    const char* help;   // the help line of its label (the Jestbloom's is per hero, below)
};

// The help lines are the game's own, spelling included.
// clang-format off
constexpr StatusRow Statuses[StatusLabelCount] = {
    {StatusFrozen, "Frozen", "Frozen", "You are stuck in place, but you can still attack. Press space or arrow keys to wait."},
    {StatusShield, "Shield", "Shield", "Your defence is increased!"},
    {StatusCovet, "Covet", "Covet", "You are casting Covet Charm, creatures will flock to the enchanted item."},
    {StatusHiccups, "Hiccups", "Hiccups", "You are hiccupping! It will cause you to miss sometimes!"},
    {StatusPartying, "Partying", "Partying", "You are throwing a party! Creatures will be distracted!"},
    {StatusHaste, "Haste", "Haste", "Your speed is increased!"},
    {StatusSoggy, "Soggy", "Soggy", "Your wet, your stats are lowered"},
    {StatusStrengthened, "Strengthened", "Strengthened", "Your strength is increased!"},
    {StatusMagicBoost, "MagicBoost", "Magic Boost", "Your magic power is increased!"},
    {StatusFlying, "Flying", "Flying", "You are flying!"},
    {StatusBlinded, "Blinded", "Blinded", "Your blinded! You can't see as far, and your stats are lowered!"},
    {StatusPoisoned, "Poisoned", "Poisoned", "You are poisoned! Your health will lower untilit heals!"},
    {StatusStone, "Stone", "Stone", "You have been partially turned to stone, you won't be able to move for a few turns."},
    {StatusDisguised, "Disguised", "Disguised", "This disguise will last a few turns, or until you attack anything"},
    {StatusStrongBuck, "StrongBuck", "Err", "Kapow! You shouldn't be able to read this really..."},
    {StatusJestbloom, "Jestbloom", "Jestbloom", ""},
};
// clang-format on

constexpr bool RowsMatchIds() {
    for (int i = 0; i < StatusLabelCount; ++i) {
        if (Statuses[i].id != i) return false;
    }
    return true;
}
static_assert(RowsMatchIds(), "each status row sits at its own id");

// What the Jestbloom does to each hero, index HeroId - 1.
constexpr const char* JestbloomHelp[6] = {
    "Your horn is weird, you can't cast magic until it heals.",
    "Your tongue is weird, you can't talk to any friendly creatures!",
    "You can't stop flying, and you might go in weird directions.",
    "Your fur is all weird, lowering your sight and stats",
    "Your decreased size makes you a lot weaker!",
    "Your voice is weird, you are too shy to talk now!",
};

}  // namespace

const char* StatusLabel(int id) {
    if (id < 0 || id >= StatusLabelCount) return "";
    return Statuses[id].label;
}

std::string StatusHelp(int id) {
    if (id < 0 || id >= StatusLabelCount) return "";
    if (id == StatusJestbloom)
        return (HeroId >= HeroQuenbyArlo && HeroId <= HeroMellowen) ? JestbloomHelp[HeroId - 1] : "";
    return Statuses[id].help;
}
