// Terrain codes: what each of the 90 codes of MapTerrain is, whether it blocks
// movement or sight, whether things may be put on it, and the frame pass that turns
// codes into tile frames.
#pragma once
#include <cstdint>
#include <string>

constexpr int TerrainCodeCount = 90;  // codes 1..90
constexpr int ReservedOffset = 5000;  // a generator's "keep out" mark on a cell, removed at its end

// How the frame pass picks a cell's MapFrame.
enum class FrameRule {
    None,      // draws nothing (no such code)
    Fixed,     // the row's frame value
    Statue,    // the row's frame, or a tree once the night statue has been replaced
    Tree,      // biome base plus region or a random variant
    Grass,     // biome base plus region
    Block2x2,  // one of four frames from the row's first frame, by its neighbours
    Pit,       // floor of the pit, or its upper edge
    Temple,    // one of six frames of the 3 x 2 temple, whose bottom middle turns into its entrance
};

struct TerrainInfo {
    int code;
    const char* label;     // short name used in code and tests
    const char* lookText;  // shown by look mode, letter for letter
    bool blocksMove;       // M: trees, walls, furniture (pit: not for flyers)
    bool blocksSight;      // S: bushes are handled apart (see TerrainBlocksSight)
    bool openGround;       // O: sites, creatures and items may be put here
    FrameRule rule;
    int frame;             // Fixed/Statue: MapFrame value; Block2x2: first frame
};

// Row for a code 1..90; codes outside that range get an empty row (rule None).
const TerrainInfo& Terrain(int code);

// The terrain's own movement block: outside the grid, or a blocking code. The pit
// blocks unless a flyer's step is being tested (FlyerMoveTest).
bool TerrainBlocksMovement(int x, int y);
// Movement test with occupancy: any live slot 0..50 on the cell blocks it, unless
// IgnoreCreaturesOnce is set; every call clears that flag. 1 blocked, 0 free.
int CellBlocked(int x, int y);
// Sight block of the terrain alone: a bush blocks everywhere but under the hero.
bool TerrainBlocksSight(int x, int y);
// 1 when the cell is inside the grid, holds an open-ground code and CellBlocked
// does not block it (so an occupied cell is not open ground); else 0.
int IsOpenGround(int x, int y);

// Terrain at (x, y), or 0 outside the grid.
int TerrainAt(int x, int y);
bool InGrid(int x, int y);

// The seed a sector's generation and frame variants start from: WorldSeed + Depth x 3675,
// wrapping as 32-bit arithmetic does.
int SectorSeed();

// Recomputes every MapFrame from the terrain, regions, biome and statue state.
void RefreshFrames();

// The sector's fingerprint: 32-bit FNV-1a of the 1620 terrain codes, x outer and y
// inner, each as four little-endian bytes. The probe and the state dump print it.
uint32_t TerrainHash();
