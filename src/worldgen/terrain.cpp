#include "worldgen/terrain.h"

#include <array>
#include <cstdint>

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"

namespace {

constexpr bool M = true;   // blocks movement
constexpr bool S = true;   // blocks sight
constexpr bool O = true;   // open ground
constexpr bool _ = false;
using R = FrameRule;

// The terrain catalogue, one row per code.
//   code  label  look text  M  S  O  frame rule  frame
constexpr std::array<TerrainInfo, TerrainCodeCount + 1> Catalogue{{
    {0, "none", "", _, _, _, R::None, 0},
    {1, "tree", "It's a tree.", M, S, _, R::Tree, 0},
    {2, "grass", "It's grass.", _, _, O, R::Grass, 0},
    {3, "deep water", "Deep water.  It's dangerous to swim in.", _, _, _, R::Fixed, 1005},
    {4, "bridge", "It's a bridge.", _, _, O, R::Fixed, 13},
    {5, "exit", "It's a way out of this sector of the forest", _, _, _, R::Fixed, 14},
    {6, "bush", "A thick bush, you can't see the other side", _, _, _, R::Fixed, 16},
    {7, "sticks", "Sticks.  They should be pretty easy to buck out of the way.", M, S, _, R::Fixed, 17},
    {8, "log", "A sturdy log.  It might be possible to buck it out of the way.", M, S, _, R::Fixed, 18},
    {9, "cooking pot", "A cooking pot. You can cook using this.", M, _, _, R::Fixed, 19},
    {10, "plant", "A plant.  It's not edible or of any use.", _, _, O, R::Fixed, 20},
    {11, "entrance", "It's a way back to where you came from.", _, _, _, R::Fixed, 15},
    {12, "log tunnel", "A log tunnel.", M, _, _, R::Fixed, 21},
    {13, "night statue", "A statue of Umbrana.", M, S, _, R::Statue, 22},
    {14, "apple tree", "An apple tree.", M, S, _, R::Fixed, 23},
    {15, "banana tree", "A banana tree.", M, S, _, R::Fixed, 24},
    {16, "cherry tree", "A cherry tree.", M, S, _, R::Fixed, 25},
    {17, "orange tree", "An orange tree.", M, S, _, R::Fixed, 26},
    {18, "lemon tree", "A lemon tree.", M, S, _, R::Fixed, 27},
    {19, "jolt apple tree", "A jolt apple tree.", M, S, _, R::Fixed, 28},
    {20, "barren tree", "A barren tree.", M, S, _, R::Fixed, 29},
    {21, "healer's hut", "Ombasi's hut.", M, S, _, R::Block2x2, 30},
    {22, "treelephant statue", "A statue of a Treelephant.", M, S, _, R::Fixed, 34},
    {23, "vine chest", "A treasure chest covered in vines.", M, S, _, R::Fixed, 35},
    {24, "fairy door", "A fairy door.", _, _, _, R::Fixed, 1036},
    {25, "magical tree", "A magical tree.", M, S, _, R::Fixed, 40},
    {26, "swamp", "A swamp. Looks unpleasant.", _, _, _, R::Fixed, 1041},
    {27, "mountain", "A mountain.", M, S, _, R::Fixed, 69},
    {28, "pit", "A pit. It probably has a bottom, but you don't want to verify that.", M, _, _, R::Pit, 70},
    {29, "creature hut", "Grubbin hut.", M, _, _, R::Fixed, 72},
    {30, "lily pad", "Lilly pad.", _, _, O, R::Fixed, 73},
    {31, "grave", "A grave. Who would be buried here?", M, S, _, R::Fixed, 74},
    {32, "crypt entrance", "An entrance into a crypt...", _, _, _, R::Fixed, 75},
    {33, "stairs out", "Stairs going out.", _, _, _, R::Fixed, 76},
    {34, "stone table", "A stone table.", M, _, _, R::Fixed, 77},
    {35, "stone floor", "A stone floor.", _, _, O, R::Fixed, 78},
    {36, "stone wall", "A stone wall.", M, S, _, R::Fixed, 79},
    {37, "bone (first)", "Some kind of large bone.", M, _, _, R::Fixed, 80},
    {38, "bone (second)", "Some kind of large bone.", M, _, _, R::Fixed, 81},
    {39, "bone (third)", "Some kind of large bone.", M, _, _, R::Fixed, 82},
    {40, "door", "A sturdy door, you could probably bash it down.", M, S, _, R::Fixed, 83},
    {41, "castle path onward", "Path to the next area.", _, _, _, R::Fixed, 84},
    {42, "castle path back", "Path to the previous area.", _, _, _, R::Fixed, 85},
    {43, "grassy stone floor", "A stone floor with some grass breaking through.", _, _, O, R::Fixed, 86},
    {44, "weedy stone wall", "A stone wall with some weeds growing up it.", M, S, _, R::Fixed, 87},
    {45, "relic display", "This used to be a display for the relics of concord.", M, _, _, R::Block2x2, 88},
    {46, "bookshelves", "These bookshelves haven't been used in centuries.", M, S, _, R::Fixed, 92},
    {47, "treasure chest", "A treasure chest.", M, S, _, R::Fixed, 93},
    {48, "pillar", "A pillar.", M, S, _, R::Fixed, 94},
    {49, "throne", "A throne.", M, _, _, R::Block2x2, 95},
    {50, "quest flower", "This is it! The flower you were searching for!", _, _, _, R::Fixed, 99},
    {51, "odd tree", "It's a tree?", M, S, _, R::Fixed, 49},
    {52, "cursed plant", "Jestbloom!", _, _, _, R::Fixed, 101},
    {53, "book", "It's a book.", _, _, _, R::Fixed, 102},
    {54, "note", "It's some kind of note...", _, _, _, R::Fixed, 103},
    {55, "rock (first)", "It's a rock.", M, S, _, R::Fixed, 104},
    {56, "rock (second)", "It's a rock.", M, S, _, R::Fixed, 105},
    {57, "temple", "It's some kind of temple!", M, _, _, R::Temple, 116},
    {58, "temple entrance", "It's an entrance to a temple... looks scary!", _, _, _, R::Fixed, 120},
    {59, "stairs to forest", "These stairs will take me back to the forest.", _, _, _, R::Fixed, 135},
    {60, "lion tile", "It's a tile with a lion engraved on it.", _, _, _, R::Fixed, 122},
    {61, "hawk tile", "It's a tile with a hawk engraved on it.", _, _, _, R::Fixed, 123},
    {62, "cat tile", "It's a tile with a cat engraved on it.", _, _, _, R::Fixed, 124},
    {63, "wolf tile", "It's a tile with a wolf engraved on it.", _, _, _, R::Fixed, 125},
    {64, "rat tile", "It's a tile with a rat engraved on it.", _, _, _, R::Fixed, 126},
    {65, "bunny tile", "It's a tile with a bunny engraved on it.", _, _, _, R::Fixed, 127},
    {66, "temple wall", "It's a wall.", M, S, _, R::Fixed, 128},
    {67, "temple floor", "It's the floor.", _, _, O, R::Fixed, 129},
    {68, "gem idol", "It's the legendary Lazuli Heart!", M, _, _, R::Fixed, 130},
    {69, "lava", "Lava! It's dangerous!", _, _, _, R::Fixed, 1131},
    {70, "hidden wall", "It's a wall.", M, S, _, R::Fixed, 128},
    {71, "trigger floor", "It's the floor.", _, _, _, R::Fixed, 129},
    {72, "standing stone", "It's a tall stone. Why are they laid out like this?", M, S, _, R::Fixed, 136},
    {73, "well", "It's a well.", M, _, _, R::Fixed, 107},
    {74, "used well", "It's a well.", M, _, _, R::Fixed, 107},
    {75, "bell (first)", "It's a bell.", M, _, _, R::Fixed, 106},
    {76, "bell (second)", "It's a bell.", M, _, _, R::Fixed, 106},
    {77, "rung bell", "It's a bell.", M, _, _, R::Fixed, 106},
    {78, "portal", "It's a portal - one way!", _, _, _, R::Fixed, 1137},
    {79, "arrival portal", "It's the portal I came out of. No way back!", _, _, _, R::Fixed, 141},
    {80, "stairs down", "Stairs going back the way I came.", _, _, _, R::Fixed, 142},
    {81, "stairs up", "Stairs going further up the castle.", _, _, _, R::Fixed, 143},
    {82, "dark stone floor", "Dark stone floor.", _, _, O, R::Fixed, 144},
    {83, "obsidian wall", "Obsidian walls.", M, S, _, R::Fixed, 145},
    {84, "iron bars", "Iron bars", M, _, _, R::Fixed, 146},
    {85, "iron lock", "Iron lock", M, _, _, R::Fixed, 147},
    {86, "key", "A key", _, _, _, R::Fixed, 148},
    {87, "opened iron lock", "Iron lock", M, _, _, R::Fixed, 147},
    {88, "bookshelf", "It's a bookshelf", M, S, _, R::Fixed, 149},
    {89, "table", "It's a table", M, _, _, R::Fixed, 150},
    {90, "candle", "It's a candle", M, _, _, R::Fixed, 151},
}};

constexpr bool RowsInCodeOrder() {
    for (int c = 0; c <= TerrainCodeCount; ++c) {
        if (Catalogue[c].code != c) return false;
    }
    return true;
}
static_assert(RowsInCodeOrder(), "every terrain row sits at the index of its code");

constexpr int CodeTree = 1;
constexpr int CodeGrass = 2;
constexpr int CodeBush = 6;
constexpr int CodePit = 28;
constexpr int CodeTemple = 57;
constexpr int CodeTempleEntrance = 58;

// Tile bases of trees and grass for biomes 1..6 (forest, wetland, highland, dark
// forest, castle grounds, jungle); the same numbers style a region 11..16.
constexpr int TreeBase[7] = {0, 1, 45, 53, 49, 1, 108};
constexpr int GrassBase[7] = {0, 8, 56, 60, 64, 8, 111};

bool SameCode(int x, int y, int code) { return TerrainAt(x, y) == code; }

// The statue replaced by a tree once the night statue's favour is used up for good.
constexpr int StatueGoneCooldown = 1000;

}  // namespace

const TerrainInfo& Terrain(int code) {
    if (code < 1 || code > TerrainCodeCount) return Catalogue[0];
    return Catalogue[code];
}

bool InGrid(int x, int y) { return x >= 0 && x <= MapMaxX && y >= 0 && y <= MapMaxY; }

int TerrainAt(int x, int y) { return InGrid(x, y) ? MapTerrain[x][y] : 0; }

bool TerrainBlocksMovement(int x, int y) {
    if (!InGrid(x, y)) return true;
    const int code = MapTerrain[x][y];
    if (code == CodePit) return FlyerMoveTest != 1;
    return Terrain(code).blocksMove;
}

int CellBlocked(int x, int y) {
    const bool ignoreCreatures = IgnoreCreaturesOnce == 1;
    IgnoreCreaturesOnce = 0;
    if (TerrainBlocksMovement(x, y)) return 1;
    if (ignoreCreatures) return 0;
    for (int m = 0; m < MonSlots; ++m) {
        if (MonKind[m] >= 1 && MonHp[m] > 0 && MonX[m] == x && MonY[m] == y) return 1;
    }
    return 0;
}

bool TerrainBlocksSight(int x, int y) {
    const int code = TerrainAt(x, y);
    if (code == CodeBush) return !(MonX[0] == x && MonY[0] == y);
    return Terrain(code).blocksSight;
}

int IsOpenGround(int x, int y) {
    // Like every movement test, this call uses up the one-shot "ignore creatures"
    // flag, even when the terrain decides before the occupancy test is reached.
    if (!InGrid(x, y) || !Terrain(MapTerrain[x][y]).openGround) {
        IgnoreCreaturesOnce = 0;
        return 0;
    }
    return CellBlocked(x, y) == 0 ? 1 : 0;
}

int SectorSeed() {
    const uint32_t seed = static_cast<uint32_t>(WorldSeed) + static_cast<uint32_t>(Depth) * 3675u;
    return static_cast<int>(seed);
}

void RefreshFrames() {
    // The pass draws its variants from the sector seed, so a tree keeps its look from
    // call to call; the outer stream is handed back reseeded from one draw of its own,
    // so it moves on instead of repeating after every call.
    const int resume = Rand(1, 1000000);
    SeedRandom(SectorSeed());
    const int biome = SectorBiome;
    int base = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int b = ToInt(RandFloat(0, 100));
            const int v = ToInt(RandFloat(1, 4));
            int& frame = MapFrame[x][y];
            frame = 0;
            const int region = MapRegion[x][y];
            const TerrainInfo& info = Terrain(MapTerrain[x][y]);
            switch (info.rule) {
                case FrameRule::None: break;
                case FrameRule::Fixed: frame = info.frame; break;
                case FrameRule::Statue:
                    frame = info.frame;
                    if (SiteCooldown[1] != StatueGoneCooldown) break;
                    MapTerrain[x][y] = CodeTree;
                    [[fallthrough]];
                case FrameRule::Tree:
                    if (biome >= 1 && biome <= 6) base = TreeBase[biome];
                    frame = (b <= 70) ? base + region - 1 : base + v - 1;
                    if (region > 10 && region <= 16) frame = TreeBase[region - 10];
                    break;
                case FrameRule::Grass:
                    if (biome >= 1 && biome <= 6) base = GrassBase[biome];
                    frame = base + region;
                    if (biome >= 7 && biome <= 10) frame = 9;
                    if (region > 10 && region <= 16) frame = GrassBase[region - 10] + 1;
                    break;
                case FrameRule::Block2x2: {
                    const int code = MapTerrain[x][y];
                    frame = info.frame;
                    if (SameCode(x, y - 1, code)) frame = info.frame + 2;
                    if (SameCode(x - 1, y, code)) frame = info.frame + 1;
                    if (SameCode(x - 1, y - 1, code)) frame = info.frame + 3;
                    break;
                }
                case FrameRule::Pit:
                    frame = 70;
                    if (y > 0 && MapTerrain[x][y - 1] != CodePit) frame = 100;
                    break;
                case FrameRule::Temple: {
                    // Cells to the left were already passed, so the entrance cell has
                    // turned into 58 before its right neighbour looks at it.
                    const bool left = SameCode(x - 1, y, CodeTemple);
                    const bool right = SameCode(x + 1, y, CodeTemple);
                    const bool aboveLeft = SameCode(x - 1, y - 1, CodeTemple);
                    const bool aboveRight = SameCode(x + 1, y - 1, CodeTemple);
                    frame = 116;
                    if (SameCode(x, y - 1, CodeTemple)) frame = 119;
                    if (left) frame = 118;
                    if (left && right) frame = 117;
                    if (aboveLeft && aboveRight) {
                        frame = 120;
                        MapTerrain[x][y] = CodeTempleEntrance;
                    }
                    if (aboveLeft && !right) frame = 121;
                    break;
                }
            }
        }
    }
    SeedRandom(resume);
}

uint32_t TerrainHash() {
    uint32_t h = 2166136261u;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const uint32_t v = static_cast<uint32_t>(MapTerrain[x][y]);
            for (int b = 0; b < 4; ++b) {
                h ^= (v >> (8 * b)) & 0xFFu;
                h *= 16777619u;
            }
        }
    }
    return h;
}
