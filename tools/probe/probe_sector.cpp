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
#include "sector_options.h"
#include "worldgen/acceptance.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"
#include "worldgen/terrain.h"

namespace {

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
    if (!ParseSectorOptions(args, true, false, allowOut, o)) return false;
    PrepareSectorWorld(o);
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
    if (!ParseSectorOptions(args, false, true, false, o)) return 2;
    if (o.to < 0) {
        ProbeFail("chain needs --to D with D >= 0");
        return 2;
    }
    PrepareSectorWorld(o);
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
