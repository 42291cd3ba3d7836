// hoofprobe contact: one real sector of every biome, castle style and special sector,
// each drawn whole at its own size with the map's tile choice, and a greyscale copy
// beside it, to judge the tiles where a player meets them.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/run_vars.h"
#include "core/state.h"
#include "platform/files.h"
#include "platform/png_io.h"
#include "probe_sector.h"
#include "view/mapview.h"
#include "worldgen/generator.h"

namespace {

constexpr int Cell = 16;
constexpr int SheetW = MapWidth * Cell;
constexpr int SheetH = MapHeight * Cell;
constexpr int TileColumns = 16;  // tiles.png is 16 cells wide

// Where each picture's sector comes from: the quest, the depth and the band biomes
// that make the game build it, and for a layout that few world seeds give at all, the
// world seed that does (0: the --seed one).
struct ContactSector {
    const char* name;
    int scenario;
    int depth;
    const char* bands;
    int worldSeed = 0;
};

// clang-format off
constexpr ContactSector Sectors[] = {
    {"biome1-forest",        ScenarioForest, 0,  "2,3,4"},
    {"biome2-wetland",       ScenarioForest, 7,  "2,3,4"},
    {"biome3-highland",      ScenarioForest, 7,  "3,2,4"},
    {"biome4-darkforest",    ScenarioForest, 7,  "4,2,3"},
    {"biome5-castlegrounds", ScenarioForest, 12, "2,3,4"},
    {"biome6-jungle",        ScenarioForest, 7,  "6,2,3"},
    {"biome7-castle",        ScenarioCastle, 5,  "2,3,4"},
    {"biome8-castle",        ScenarioCastle, 12, "2,3,4"},
    {"biome9-castle",        ScenarioCastle, 19, "2,3,4"},
    {"biome10-castle",       ScenarioCastle, 25, "2,3,4"},
    {"castle-approach",      ScenarioCastle, 4,  "2,3,4"},
    {"healers-hut",          ScenarioForest, 3,  "2,3,4"},
    {"flower-island",        ScenarioForest, 29, "2,3,4"},
    {"fairy-garden",         ScenarioForest, -1, "2,3,4"},
    {"crypt",                ScenarioForest, -2, "2,3,4"},
    {"temple",               ScenarioForest, -3, "2,3,4"},
    {"bone-field",           ScenarioForest, 6,  "4,2,3", 5000},  // the only place the large bones lie
};
// clang-format on

// Straight-alpha "over", as the renderer blends a tile onto what lies beneath.
void DrawFrame(const std::vector<uint8_t>& tiles, int tilesW, int frame, std::vector<uint8_t>& sheet, int cx, int cy) {
    const int fx = (frame % TileColumns) * Cell;
    const int fy = (frame / TileColumns) * Cell;
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            const uint8_t* src = &tiles[(static_cast<size_t>(fy + y) * tilesW + fx + x) * 4];
            uint8_t* dst = &sheet[(static_cast<size_t>(cy * Cell + y) * SheetW + cx * Cell + x) * 4];
            const int a = src[3];
            for (int c = 0; c < 3; ++c) dst[c] = static_cast<uint8_t>((src[c] * a + dst[c] * (255 - a) + 127) / 255);
        }
    }
}

std::vector<uint8_t> Greyscale(std::vector<uint8_t> rgba) {
    for (size_t p = 0; p < rgba.size(); p += 4) {
        const double luma = 0.299 * rgba[p] + 0.587 * rgba[p + 1] + 0.114 * rgba[p + 2];
        rgba[p] = rgba[p + 1] = rgba[p + 2] = static_cast<uint8_t>(luma + 0.5);
    }
    return rgba;
}

}  // namespace

int ProbeContact(const std::vector<std::string>& args) {
    std::string outDir;
    std::string seed = "1";
    std::string tilesPath = ImagePath("images/tiles.png");
    for (size_t i = 0; i < args.size(); ++i) {
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "hoofprobe: %s needs a value\n", args[i].c_str());
            return 2;
        }
        const std::string& value = args[i + 1];
        if (args[i] == "--out") {
            outDir = value;
        } else if (args[i] == "--seed") {
            seed = value;
        } else if (args[i] == "--tiles") {
            tilesPath = value;
        } else {
            std::fprintf(stderr, "hoofprobe: unknown option %s\n", args[i].c_str());
            return 2;
        }
        ++i;
    }
    if (outDir.empty()) {
        std::fprintf(stderr, "hoofprobe: contact needs --out DIR\n");
        return 2;
    }
    int tilesW = 0;
    int tilesH = 0;
    std::vector<uint8_t> tiles;
    std::string error;
    if (!LoadPng(tilesPath, tilesW, tilesH, tiles, error)) {
        std::fprintf(stderr, "hoofprobe: %s\n", error.c_str());
        return 1;
    }
    if (tilesW != TileColumns * Cell) {
        std::fprintf(stderr, "hoofprobe: %s is not a sheet of 16 cells a row\n", tilesPath.c_str());
        return 1;
    }
    int status = 0;
    for (const ContactSector& s : Sectors) {
        const std::string worldSeed = s.worldSeed != 0 ? std::to_string(s.worldSeed) : seed;
        const std::vector<std::string> options = {
            "--seed",  worldSeed, "--scenario", std::to_string(s.scenario), "--depth", std::to_string(s.depth),
            "--bands", s.bands};
        std::string unused;
        int before = 0;
        if (!GenerateProbeSector(options, false, unused, before)) return 2;
        if (!GenerateSector()) {
            std::printf("%s failed %s\n", s.name, SectorGenFailure.c_str());
            status = 3;
            continue;
        }
        // Black where nothing is drawn, as the map view clears its area first.
        std::vector<uint8_t> sheet(static_cast<size_t>(SheetW) * SheetH * 4, 0);
        for (size_t p = 3; p < sheet.size(); p += 4) sheet[p] = 255;
        for (int x = 0; x <= MapMaxX; ++x) {
            for (int y = 0; y <= MapMaxY; ++y) {
                const TerrainCellFrames cell = TerrainCellTiles(x, y, 0);
                for (const int frame : {cell.floor, cell.tile, cell.warning})
                    if (frame >= 0 && (frame / TileColumns + 1) * Cell <= tilesH)
                        DrawFrame(tiles, tilesW, frame, sheet, x, y);
            }
        }
        const std::string path = outDir + "/" + s.name + ".png";
        const std::string grey = outDir + "/" + s.name + "-grey.png";
        if (!SavePng(path, SheetW, SheetH, sheet, error) || !SavePng(grey, SheetW, SheetH, Greyscale(sheet), error)) {
            std::fprintf(stderr, "hoofprobe: %s\n", error.c_str());
            return 1;
        }
        std::printf("%s biome %d layout %d %s\n", s.name, SectorBiome, SectorLayout, path.c_str());
    }
    return status;
}
