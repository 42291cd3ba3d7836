// Brightness alone must tell a newcomer where the way is: on every biome's map, what
// blocks a step (trees, sticks and logs, rocks, mountains, walls, furniture) is drawn
// clearly darker than the grass, plants, paths and floors one walks on. Both sides are
// the terrain table's word: blocking is what blocks movement, walkable is the open
// ground (where creatures and items may stand). Water, swamp, lava, the ways out and
// the thick bush, which one wades or pushes through, are neither and not measured.
// Measured on real sectors, cell by cell as the map draws them (the floor beneath,
// then the tile), with the luma the greyscale contact sheets use.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/run_vars.h"
#include "core/state.h"
#include "persist/reset.h"
#include "platform/png_io.h"
#include "view/mapview.h"
#include "worldgen/generator.h"
#include "worldgen/terrain.h"

namespace {

constexpr int Cell = 16;
constexpr int TileColumns = 16;

// The smallest gap, in luma steps of 0..255, between the mean of the walkable cells
// and the mean of the blocking ones. Judged on the greyscale contact sheets
// (hoofprobe contact): below about 30 a forest's trees and its grass melt into one
// grey carpet at a glance (the forest once stood near 3, and the jungle's trees were
// lighter than its grass), while from 30 on the open ways show as lighter lanes through
// a darker wood. The dark forest is the tightest by design (its grass stays dusky).
constexpr double MinimumGap = 30.0;

struct Tiles {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> rgba;
};

const Tiles& TileSheet() {
    static Tiles sheet;
    if (sheet.rgba.empty()) {
        std::string error;
        if (!LoadPng(std::string(HOOF_IMAGES_DIR) + "/tiles.png", sheet.w, sheet.h, sheet.rgba, error))
            ADD_FAILURE() << error;
    }
    return sheet;
}

// Mean luma of one map cell as drawn: each frame blended over what lies beneath, on
// the black the map view clears to.
double CellLuma(const TerrainCellFrames& frames) {
    const Tiles& sheet = TileSheet();
    double rgb[Cell * Cell][3] = {};
    for (const int frame : {frames.floor, frames.tile, frames.warning}) {
        if (frame < 0 || sheet.rgba.empty()) continue;
        const int fx = (frame % TileColumns) * Cell;
        const int fy = (frame / TileColumns) * Cell;
        for (int i = 0; i < Cell * Cell; ++i) {
            const uint8_t* src = &sheet.rgba[(static_cast<size_t>(fy + i / Cell) * sheet.w + fx + i % Cell) * 4];
            const double a = src[3] / 255.0;
            for (int c = 0; c < 3; ++c) rgb[i][c] = src[c] * a + rgb[i][c] * (1 - a);
        }
    }
    double total = 0;
    for (const auto& p : rgb) total += 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
    return total / (Cell * Cell);
}

struct BiomeSector {
    const char* name;
    int biome;
    int scenario;
    int depth;
    int firstBand;  // the forest quest's first band biome, for depths 6..10
};

// clang-format off
constexpr BiomeSector Biomes[] = {
    {"forest",         1,  ScenarioForest, 0,  2},
    {"wetland",        2,  ScenarioForest, 7,  2},
    {"highland",       3,  ScenarioForest, 7,  3},
    {"dark forest",    4,  ScenarioForest, 7,  4},
    {"castle grounds", 5,  ScenarioForest, 12, 2},
    {"jungle",         6,  ScenarioForest, 7,  6},
    {"castle",         7,  ScenarioCastle, 5,  2},
    {"upper castle",   8,  ScenarioCastle, 12, 2},
    {"temple castle",  9,  ScenarioCastle, 19, 2},
    {"dark castle",    10, ScenarioCastle, 25, 2},
};
// clang-format on

struct Means {
    double blocking = 0;
    double walkable = 0;
    int blockingCells = 0;
    int walkableCells = 0;
};

// Pools a few world seeds, so one sector's lake or clearing does not decide.
Means MeasureBiome(const BiomeSector& b) {
    Means m;
    double blockingSum = 0;
    double walkableSum = 0;
    for (const int seed : {1, 2, 3}) {
        ClearAllTables();
        ResetGame();
        HeroId = HeroQuenbyArlo;
        GameVars[VarScenario] = b.scenario;
        GameVars[VarBandBiomeFirst] = b.firstBand;
        GameVars[VarBandBiomeSecond] = b.firstBand == 2 ? 3 : 2;
        GameVars[VarBandBiomeThird] = 4;
        WorldSeed = seed;
        Depth = b.depth;
        RegenerateSector = 0;
        if (!GenerateSector()) {
            ADD_FAILURE() << b.name << " seed " << seed << ": " << SectorGenFailure;
            continue;
        }
        EXPECT_EQ(SectorBiome, b.biome) << b.name << " seed " << seed;
        for (int x = 0; x <= MapMaxX; ++x) {
            for (int y = 0; y <= MapMaxY; ++y) {
                const int code = MapTerrain[x][y];
                const TerrainCellFrames frames = TerrainCellTiles(x, y, 0);
                // The solid rock round a castle's rooms is drawn as nothing at all.
                if (frames.tile < 0) continue;
                const double luma = CellLuma(frames);
                if (Terrain(code).blocksMove) {
                    blockingSum += luma;
                    ++m.blockingCells;
                } else if (Terrain(code).openGround) {
                    walkableSum += luma;
                    ++m.walkableCells;
                }
            }
        }
    }
    if (m.blockingCells > 0) m.blocking = blockingSum / m.blockingCells;
    if (m.walkableCells > 0) m.walkable = walkableSum / m.walkableCells;
    return m;
}

TEST(TileValues, BlockingCellsAreClearlyDarkerThanWalkableOnesInEveryBiome) {
    for (const BiomeSector& b : Biomes) {
        const Means m = MeasureBiome(b);
        ASSERT_GT(m.blockingCells, 0) << b.name;
        ASSERT_GT(m.walkableCells, 0) << b.name;
        const double gap = m.walkable - m.blocking;
        std::printf("tile values: %-14s blocking %6.1f walkable %6.1f gap %6.1f\n", b.name, m.blocking, m.walkable,
                    gap);
        EXPECT_GE(gap, MinimumGap) << b.name << ": blocking cells average " << m.blocking << ", walkable ones "
                                   << m.walkable;
    }
}

}  // namespace
