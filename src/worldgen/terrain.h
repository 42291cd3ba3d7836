// Terrain codes: what each of the 90 codes of MapTerrain is, whether it blocks
// movement or sight, whether things may be put on it, and the frame pass that turns
// codes into tile frames.
//
// When adding a code: give it the next number in TerrainCode below, add its row at the
// end of the catalogue (terrain.cpp), raise TerrainCodeCount (the build checks both
// against each other), and check the lists that name codes one by one: the distance
// fields' obstacles, the acceptance test's blockers, the map view's full tiles, the
// landmarks below and what site squares refuse. Codes are stored in the sector files,
// so an existing code never changes its number.
#pragma once
#include <cstdint>
#include <string>

#include "core/state.h"

// Every value of MapTerrain. Code 0 is no terrain (outside the grid); names follow the
// catalogue's labels.
// clang-format off
enum TerrainCode : int {
    NoTerrain = 0,
    Tree = 1,
    Grass = 2,
    DeepWater = 3,
    Bridge = 4,
    Exit = 5,               // the way on in the forest
    Bush = 6,
    Sticks = 7,
    Log = 8,
    CookingPot = 9,
    Plant = 10,
    Entrance = 11,          // the way back in the forest
    LogTunnel = 12,
    NightStatue = 13,
    AppleTree = 14,         // 14..19: the fruit trees, in the order of their fruits
    BananaTree = 15,
    CherryTree = 16,
    OrangeTree = 17,
    LemonTree = 18,
    JoltAppleTree = 19,
    BarrenTree = 20,
    HealersHut = 21,
    TreelephantStatue = 22,
    VineChest = 23,
    FairyDoor = 24,
    MagicalTree = 25,
    Swamp = 26,
    Mountain = 27,
    Pit = 28,
    CreatureHut = 29,
    LilyPad = 30,
    Grave = 31,
    CryptEntrance = 32,
    StairsOut = 33,         // the crypt's way back
    StoneTable = 34,
    StoneFloor = 35,
    StoneWall = 36,
    BoneFirst = 37,
    BoneSecond = 38,
    BoneThird = 39,         // the rib bone
    Door = 40,
    CastlePathOnward = 41,
    CastlePathBack = 42,
    GrassyStoneFloor = 43,
    WeedyStoneWall = 44,
    RelicDisplay = 45,
    Bookshelves = 46,
    TreasureChest = 47,
    Pillar = 48,
    Throne = 49,
    QuestFlower = 50,
    OddTree = 51,
    CursedPlant = 52,       // the Jestbloom
    Book = 53,
    Note = 54,
    RockFirst = 55,
    RockSecond = 56,
    Temple = 57,
    TempleEntrance = 58,
    StairsToForest = 59,    // the temple's way back
    LionTile = 60,          // 60..65: the engraved floor tiles of the temple
    HawkTile = 61,
    CatTile = 62,
    WolfTile = 63,
    RatTile = 64,
    BunnyTile = 65,
    TempleWall = 66,
    TempleFloor = 67,
    GemIdol = 68,
    Lava = 69,
    HiddenWall = 70,
    TriggerFloor = 71,
    StandingStone = 72,
    Well = 73,
    UsedWell = 74,
    BellFirst = 75,
    BellSecond = 76,
    RungBell = 77,
    Portal = 78,            // the way on in the chaos quest
    ArrivalPortal = 79,
    StairsDown = 80,        // the castle's way back
    StairsUp = 81,          // the castle's way on
    DarkStoneFloor = 82,
    ObsidianWall = 83,
    IronBars = 84,
    IronLock = 85,
    PrisonKey = 86,
    OpenedIronLock = 87,
    Bookshelf = 88,
    Table = 89,
    Candle = 90,
};
// clang-format on

constexpr int TerrainCodeCount = 90;  // codes 1..90
constexpr int ReservedOffset = 5000;  // a generator's "keep out" mark on a cell, removed at its end

// Runs of codes the rules treat alike.
constexpr bool IsFruitTree(int code) { return code >= AppleTree && code <= JoltAppleTree; }
// The lion, hawk, cat and wolf tiles spring the temple trap; the rat and bunny are safe.
constexpr bool IsTrapTile(int code) { return code >= LionTile && code <= WolfTile; }
constexpr bool IsTempleTile(int code) { return code >= LionTile && code <= BunnyTile; }
// Bridges, huts, the fairy door, graves, the crypt, odd trees, the temple and standing
// stones: what a special site, a portal or castle stairs must keep clear of.
constexpr bool IsLandmark(int code) {
    switch (code) {
        // clang-format off
        case Bridge: case HealersHut: case FairyDoor: case CreatureHut: case Grave: case CryptEntrance:
        case OddTree: case Temple: case TempleEntrance: case StandingStone:
            return true;
        default:
            return false;
            // clang-format on
    }
}

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
    int frame;  // Fixed/Statue: MapFrame value; Block2x2: first frame
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

// Inside the sector's grid. Inline, with TerrainAt, because generation asks it
// millions of times a sector.
inline bool InGrid(int x, int y) { return x >= 0 && x <= MapMaxX && y >= 0 && y <= MapMaxY; }
// Terrain at (x, y), or 0 outside the grid.
inline int TerrainAt(int x, int y) { return InGrid(x, y) ? MapTerrain[x][y] : 0; }

// The seed a sector's generation and frame variants start from: WorldSeed + Depth x 3675,
// wrapping as 32-bit arithmetic does.
int SectorSeed();

// Recomputes every MapFrame from the terrain, regions, biome and statue state.
void RefreshFrames();

// The sector's fingerprint: 32-bit FNV-1a of the 1620 terrain codes, x outer and y
// inner, each as four little-endian bytes. The probe and the state dump print it.
uint32_t TerrainHash();
