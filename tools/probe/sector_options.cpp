#include "sector_options.h"

#include <cstdio>

#include "core/convert.h"
#include "core/state.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "worldgen/creatures.h"

bool ProbeFail(const std::string& reason) {
    std::fprintf(stderr, "hoofprobe: %s\n", reason.c_str());
    return false;
}

namespace {

bool ParseInt(const std::string& text, int& out) {
    if (TextToInt(text, out)) return true;
    return ProbeFail("'" + text + "' is not a whole number in the int range");
}

// Takes the run's plan from a save game: what a sector's generation reads. The depth
// and the site cooldowns are the save's only for a single sector: the chain walks from
// depth 0 with the cooldowns a new game starts with (see the README's Tools).
bool TakePlanFromSave(const std::string& path, bool single, SectorOptions& o) {
    std::string reason;
    // The reader fills the run's tables; PrepareSectorWorld clears them again afterwards.
    if (!ReadSaveGameFile(path, reason)) return ProbeFail(reason);
    o.seed = WorldSeed;
    if (single) o.depth = Depth;
    o.scenario = GameVars[VarScenario];
    o.bands[0] = GameVars[VarBandBiomeFirst];
    o.bands[1] = GameVars[VarBandBiomeSecond];
    o.bands[2] = GameVars[VarBandBiomeThird];
    o.hero = HeroId;
    o.difficulty = GameVars[VarDifficulty];
    o.notes = GameVars[VarStalkerNotes];
    o.prize = GameVars[VarPrizeTreasury];
    o.cooldowns.clear();
    if (single)
        for (int c = 0; c < SiteCooldownKept; ++c) o.cooldowns.emplace_back(c, SiteCooldown[c]);
    return true;
}

}  // namespace

bool ParseSectorOptions(const std::vector<std::string>& args, bool allowDepth, bool allowTo, bool allowOut,
                        SectorOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return ProbeFail(name + " needs a value");
        const std::string& value = args[++i];
        if (name == "--save") {
            // Options before --save give way to the save's plan; those after it win.
            if (!TakePlanFromSave(value, allowDepth, o)) return false;
        } else if (name == "--seed") {
            if (!ParseInt(value, o.seed)) return false;
        } else if (name == "--depth" && allowDepth) {
            if (!ParseInt(value, o.depth)) return false;
        } else if (name == "--scenario") {
            if (!ParseInt(value, o.scenario)) return false;
        } else if (name == "--bands") {
            size_t start = 0;
            for (int b = 0; b < 3; ++b) {
                const size_t comma = value.find(',', start);
                if ((b < 2) != (comma != std::string::npos)) return ProbeFail("--bands takes B5,B6,B7");
                if (!ParseInt(value.substr(start, comma == std::string::npos ? std::string::npos : comma - start),
                              o.bands[b]))
                    return false;
                start = comma + 1;
            }
        } else if (name == "--hero") {
            if (!ParseInt(value, o.hero)) return false;
        } else if (name == "--difficulty") {
            if (!ParseInt(value, o.difficulty)) return false;
        } else if (name == "--notes") {
            if (!ParseInt(value, o.notes)) return false;
        } else if (name == "--prize") {
            if (!ParseInt(value, o.prize)) return false;
        } else if (name == "--cooldowns") {
            size_t start = 0;
            while (start <= value.size() && !value.empty()) {
                size_t comma = value.find(',', start);
                const std::string pair = value.substr(start,
                                                      comma == std::string::npos ? std::string::npos : comma - start);
                const size_t eq = pair.find('=');
                int k = 0;
                int v = 0;
                if (eq == std::string::npos) return ProbeFail("--cooldowns takes k=v,...");
                if (!ParseInt(pair.substr(0, eq), k) || !ParseInt(pair.substr(eq + 1), v)) return false;
                if (k < 0 || k > 90) return ProbeFail("cooldown index must be 0..90");
                o.cooldowns.emplace_back(k, v);
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        } else if (name == "--to" && allowTo) {
            if (!ParseInt(value, o.to)) return false;
        } else if (name == "--out" && allowOut) {
            o.out = value;
        } else {
            return ProbeFail("unknown option " + name);
        }
    }
    return true;
}

void PrepareSectorWorld(const SectorOptions& o) {
    ClearAllTables();
    ResetGame();
    for (int m = 0; m < MonSlots; ++m) MonAttitude[m] = AttitudeHostile;
    for (int& e : Equip) e = 0;
    for (int s = 0; s < StoreSlots; ++s) StoreItemKind[s] = StoreItemTier[s] = StoreItemSeed[s] = 0;
    WorldSeed = o.seed;
    Depth = o.depth;
    GameVars[VarScenario] = o.scenario;
    GameVars[VarBandBiomeFirst] = o.bands[0];
    GameVars[VarBandBiomeSecond] = o.bands[1];
    GameVars[VarBandBiomeThird] = o.bands[2];
    HeroId = o.hero;
    // The hero is alive, as the new-game wizard leaves him: his cell is taken.
    MonHp[0] = MonMaxHp[0] = 50;
    GameVars[VarDifficulty] = o.difficulty;
    GameVars[VarStalkerNotes] = o.notes;
    GameVars[VarPrizeTreasury] = o.prize;
    for (auto [k, v] : o.cooldowns) SiteCooldown[k] = v;
    RegenerateSector = 0;
    DebugText = 0;
}
