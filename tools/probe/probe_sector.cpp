// hoofprobe sector / chain / map: generate sectors from a clean slate and print or
// draw them.
#include "probe_sector.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "worldgen/acceptance.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"
#include "worldgen/terrain.h"

namespace {

struct SectorOptions {
    int seed = 1;
    int depth = 0;
    int scenario = ScenarioForest;
    int bands[3] = {2, 3, 4};
    int hero = HeroQuenbyArlo;
    int difficulty = DifficultyNormal;
    int notes = 0;
    int prize = ItemXRaySpecs;
    std::vector<std::pair<int, int>> cooldowns;
    int to = -1;      // chain: last depth
    std::string out;  // map: the PNG to write
};

bool Fail(const std::string& reason) {
    std::fprintf(stderr, "hoofprobe: %s\n", reason.c_str());
    return false;
}

bool ParseInt(const std::string& text, int& out) {
    if (TextToInt(text, out)) return true;
    return Fail("'" + text + "' is not a whole number in the int range");
}

// Takes the run's plan from a save game: what a sector's generation reads. The depth
// and the site cooldowns are the save's only for a single sector: the chain walks from
// depth 0 with the cooldowns a new game starts with (see the README's Tools).
bool TakePlanFromSave(const std::string& path, bool single, SectorOptions& o) {
    std::string reason;
    // The reader fills the run's tables; PrepareWorld clears them again afterwards.
    if (!ReadSaveGameFile(path, reason)) return Fail(reason);
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

bool ParseOptions(const std::vector<std::string>& args, bool allowDepth, bool allowTo, bool allowOut,
                  SectorOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return Fail(name + " needs a value");
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
                if ((b < 2) != (comma != std::string::npos)) return Fail("--bands takes B5,B6,B7");
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
                if (eq == std::string::npos) return Fail("--cooldowns takes k=v,...");
                if (!ParseInt(pair.substr(0, eq), k) || !ParseInt(pair.substr(eq + 1), v)) return false;
                if (k < 0 || k > 90) return Fail("cooldown index must be 0..90");
                o.cooldowns.emplace_back(k, v);
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        } else if (name == "--to" && allowTo) {
            if (!ParseInt(value, o.to)) return false;
        } else if (name == "--out" && allowOut) {
            o.out = value;
        } else {
            return Fail("unknown option " + name);
        }
    }
    return true;
}

// A clean slate as a new game has it, with the options' run values set in.
void PrepareWorld(const SectorOptions& o) {
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

void PrintLayer(const char* title, const int (&layer)[MapWidth][MapHeight]) {
    std::printf("%s\n", title);
    for (int y = 0; y <= MapMaxY; ++y) {
        for (int x = 0; x <= MapMaxX; ++x) std::printf(x == 0 ? "%d" : " %d", layer[x][y]);
        std::printf("\n");
    }
}

int CountCreatures() {
    int n = 0;
    for (int m = 1; m < MonSlots; ++m)
        if (MonKind[m] > 0) ++n;
    return n;
}

int CountItems() {
    int n = 0;
    for (int g = 0; g < GroundSlots; ++g)
        if (GroundItemKind[g] > 0) ++n;
    return n;
}

std::vector<std::string> Heard;  // the lines pushed since the probe's set-up

void Hear(const std::string& text) { Heard.push_back(text); }

void PrintSector(int messagesBefore) {
    std::printf("biome %d layout %d\n", SectorBiome, SectorLayout);
    std::printf("hero %d %d\n", MonX[0], MonY[0]);
    PrintLayer("terrain", MapTerrain);
    PrintLayer("region", MapRegion);
    PrintLayer("seen", MapSeen);
    std::printf("creatures %d\n", CountCreatures());
    for (int m = 1; m < MonSlots; ++m) {
        if (MonKind[m] <= 0) continue;
        std::printf("%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d\n", m, MonKind[m], MonX[m], MonY[m],
                    MonLevel[m], MonHp[m], MonMaxHp[m], MonMp[m], MonMaxMp[m], MonAtk[m], MonDef[m], MonStr[m],
                    MonSpd[m], MonMag[m], MonCon[m], MonXp[m], MonAttitude[m], MonMode[m], MonStatus[m][StatusFlying]);
    }
    std::printf("items %d\n", CountItems());
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] <= 0) continue;
        std::printf("%d %d %d %d %d %d %d\n", g, GroundItemKind[g], GroundItemTier[g], GroundItemX[g], GroundItemY[g],
                    GroundItemSeed[g], GroundItemCount[g]);
    }
    std::printf("store\n");
    for (int s = 0; s < StoreSlots; ++s)
        std::printf("%d %d %d\n", StoreItemKind[s], StoreItemTier[s], StoreItemSeed[s]);
    std::printf("cooldowns\n");
    for (int c = 0; c <= 90; ++c) std::printf(c == 0 ? "%d" : " %d", SiteCooldown[c]);
    std::printf("\n");
    // Every line pushed, even past the eight the log itself keeps.
    (void)messagesBefore;
    std::printf("log %zu\n", Heard.size());
    for (const std::string& line : Heard) std::printf("%s\n", line.c_str());
    std::printf("rng %d\n", RandomState());
}

}  // namespace

bool GenerateProbeSector(const std::vector<std::string>& args, bool allowOut, std::string& out, int& messagesBefore) {
    SectorOptions o;
    if (!ParseOptions(args, true, false, allowOut, o)) return false;
    PrepareWorld(o);
    out = o.out;
    messagesBefore = MessagePushCount;
    Heard.clear();
    SetMessageListener(Hear);
    return true;
}

int ProbeSector(const std::vector<std::string>& args) {
    std::string out;
    int before = 0;
    if (!GenerateProbeSector(args, false, out, before)) return 2;
    if (!GenerateSector()) {
        // The sector as it stood when the search gave up, to see why.
        std::printf("failed %s\n", SectorGenFailure.c_str());
        PrintSector(before);
        return 3;
    }
    PrintSector(before);
    return 0;
}

int ProbeChain(const std::vector<std::string>& args) {
    SectorOptions o;
    if (!ParseOptions(args, false, true, false, o)) return 2;
    if (o.to < 0) return Fail("chain needs --to D with D >= 0") ? 2 : 2;
    PrepareWorld(o);
    for (int depth = 0; depth <= o.to; ++depth) {
        Depth = depth;
        RegenerateSector = 0;
        if (!GenerateSector()) {
            std::printf("%d failed %s\n", depth, SectorGenFailure.c_str());
            return 3;
        }
        const int accept = depth > 0 ? SectorPassesAcceptance() : 1;
        std::printf("%d %d %d %d %d %d %u %d\n", depth, SectorBiome, SectorLayout, accept, CountCreatures(),
                    CountItems(), TerrainHash(), RandomState());
    }
    return 0;
}
