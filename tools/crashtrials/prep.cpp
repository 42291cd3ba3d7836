// hoofcrashprep ROOT exit|poison: readies a saved run in ROOT so that one key press
// makes the next save of a crash trial (scripts/crash-trials.sh).
//   exit    puts the hero beside the sector's way onward; prints the key that takes it
//           (a sector change: the old sector and the save, then the new sector and the save)
//   poison  leaves the hero 1 hit point and poisoned on normal difficulty; prints the
//           key that passes a turn (he dies, and the scored ending empties World/)
// Status 2 when the run cannot be loaded or has no way onward beside open ground.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "persist/globals.h"
#include "persist/savegame.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "worldgen/terrain.h"

namespace {

bool Occupied(int x, int y) {
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] > 0 && MonX[m] == x && MonY[m] == y) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[2], "exit") != 0 && std::strcmp(argv[2], "poison") != 0)) {
        std::fprintf(stderr, "usage: hoofcrashprep ROOT exit|poison\n");
        return 2;
    }
    std::string error;
    if (!ChooseDataRoot(argv[1], error)) {
        std::fprintf(stderr, "hoofcrashprep: %s\n", error.c_str());
        return 2;
    }
    ReadGlobalFiles();
    std::string message;
    if (!LoadGame(message) || !ReadSector(message)) {
        std::fprintf(stderr, "hoofcrashprep: no run to ready: %s\n", message.c_str());
        return 2;
    }
    const char* key = "Space";
    if (std::strcmp(argv[2], "poison") == 0) {
        MonHp[0] = 1;
        MonStatus[0][StatusPoisoned] = 5;
        GameVars[VarDifficulty] = DifficultyNormal;
    } else {
        // clang-format off
        const struct { int dx, dy; const char* key; } steps[] = {
            {1, 0, "Left"}, {-1, 0, "Right"}, {0, 1, "Up"}, {0, -1, "Down"}};
        // clang-format on
        bool placed = false;
        for (int x = 0; x <= MapMaxX && !placed; ++x) {
            for (int y = 0; y <= MapMaxY && !placed; ++y) {
                const int code = MapTerrain[x][y];
                if (code != Exit && code != CastlePathOnward && code != StairsUp) continue;
                for (const auto& s : steps) {
                    const int hx = x + s.dx, hy = y + s.dy;
                    if (hx < 0 || hy < 0 || hx > MapMaxX || hy > MapMaxY) continue;
                    if (TerrainBlocksMovement(hx, hy) || Occupied(hx, hy)) continue;
                    MonX[0] = hx;
                    MonY[0] = hy;
                    key = s.key;
                    placed = true;
                    break;
                }
            }
        }
        if (!placed) {
            std::fprintf(stderr, "hoofcrashprep: no way onward beside open ground\n");
            return 2;
        }
    }
    if (!SaveRun()) return 2;
    std::printf("%s\n", key);
    return 0;
}
