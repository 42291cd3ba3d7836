#include "worldgen/terrain.h"

#include <array>
#include <cstdint>

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
#include "worldgen/biomes.h"
#include "worldgen/sites.h"

namespace {

constexpr bool M = true;  // blocks movement
constexpr bool S = true;  // blocks sight
constexpr bool O = true;  // open ground
constexpr bool _ = false;
using R = FrameRule;

// The terrain catalogue, one row per code.
//   code  label  look text  M  S  O  frame rule  frame
constexpr std::array<TerrainInfo, TerrainCodeCount + 1> Catalogue{{
    {NoTerrain, "none", "", _, _, _, R::None, 0},
    {Tree, "tree", "It's a tree.", M, S, _, R::Tree, 0},
    {Grass, "grass", "It's grass.", _, _, O, R::Grass, 0},
    {DeepWater, "deep water", "Deep water.  It's dangerous to swim in.", _, _, _, R::Fixed, 1005},
    {Bridge, "bridge", "It's a bridge.", _, _, O, R::Fixed, 13},
    {Exit, "exit", "It's a way out of this sector of the forest", _, _, _, R::Fixed, 14},
    {Bush, "bush", "A thick bush, you can't see the other side", _, _, _, R::Fixed, 16},
    {Sticks, "sticks", "Sticks.  They should be pretty easy to buck out of the way.", M, S, _, R::Fixed, 17},
    {Log, "log", "A sturdy log.  It might be possible to buck it out of the way.", M, S, _, R::Fixed, 18},
    {CookingPot, "cooking pot", "A cooking pot. You can cook using this.", M, _, _, R::Fixed, 19},
    {Plant, "plant", "A plant.  It's not edible or of any use.", _, _, O, R::Fixed, 20},
    {Entrance, "entrance", "It's a way back to where you came from.", _, _, _, R::Fixed, 15},
    {LogTunnel, "log tunnel", "A log tunnel.", M, _, _, R::Fixed, 21},
    {NightStatue, "night statue", "A statue of Umbrana.", M, S, _, R::Statue, 22},
    {AppleTree, "apple tree", "An apple tree.", M, S, _, R::Fixed, 23},
    {BananaTree, "banana tree", "A banana tree.", M, S, _, R::Fixed, 24},
    {CherryTree, "cherry tree", "A cherry tree.", M, S, _, R::Fixed, 25},
    {OrangeTree, "orange tree", "An orange tree.", M, S, _, R::Fixed, 26},
    {LemonTree, "lemon tree", "A lemon tree.", M, S, _, R::Fixed, 27},
    {JoltAppleTree, "jolt apple tree", "A jolt apple tree.", M, S, _, R::Fixed, 28},
    {BarrenTree, "barren tree", "A barren tree.", M, S, _, R::Fixed, 29},
    {HealersHut, "healer's hut", "Ombasi's hut.", M, S, _, R::Block2x2, 30},
    {TreelephantStatue, "treelephant statue", "A statue of a Treelephant.", M, S, _, R::Fixed, 34},
    {VineChest, "vine chest", "A treasure chest covered in vines.", M, S, _, R::Fixed, 35},
    {FairyDoor, "fairy door", "A fairy door.", _, _, _, R::Fixed, 1036},
    {MagicalTree, "magical tree", "A magical tree.", M, S, _, R::Fixed, 40},
    {Swamp, "swamp", "A swamp. Looks unpleasant.", _, _, _, R::Fixed, 1041},
    {Mountain, "mountain", "A mountain.", M, S, _, R::Fixed, 69},
    {Pit, "pit", "A pit. It probably has a bottom, but you don't want to verify that.", M, _, _, R::Pit, 70},
    {CreatureHut, "creature hut", "Grubbin hut.", M, _, _, R::Fixed, 72},
    {LilyPad, "lily pad", "Lilly pad.", _, _, O, R::Fixed, 73},
    {Grave, "grave", "A grave. Who would be buried here?", M, S, _, R::Fixed, 74},
    {CryptEntrance, "crypt entrance", "An entrance into a crypt...", _, _, _, R::Fixed, 75},
    {StairsOut, "stairs out", "Stairs going out.", _, _, _, R::Fixed, 76},
    {StoneTable, "stone table", "A stone table.", M, _, _, R::Fixed, 77},
    {StoneFloor, "stone floor", "A stone floor.", _, _, O, R::Fixed, 78},
    {StoneWall, "stone wall", "A stone wall.", M, S, _, R::Fixed, 79},
    {BoneFirst, "bone (first)", "Some kind of large bone.", M, _, _, R::Fixed, 80},
    {BoneSecond, "bone (second)", "Some kind of large bone.", M, _, _, R::Fixed, 81},
    {BoneThird, "bone (third)", "Some kind of large bone.", M, _, _, R::Fixed, 82},
    {Door, "door", "A sturdy door, you could probably bash it down.", M, S, _, R::Fixed, 83},
    {CastlePathOnward, "castle path onward", "Path to the next area.", _, _, _, R::Fixed, 84},
    {CastlePathBack, "castle path back", "Path to the previous area.", _, _, _, R::Fixed, 85},
    {GrassyStoneFloor, "grassy stone floor", "A stone floor with some grass breaking through.", _, _, O, R::Fixed, 86},
    {WeedyStoneWall, "weedy stone wall", "A stone wall with some weeds growing up it.", M, S, _, R::Fixed, 87},
    {RelicDisplay, "relic display", "This used to be a display for the relics of concord.", M, _, _, R::Block2x2, 88},
    {Bookshelves, "bookshelves", "These bookshelves haven't been used in centuries.", M, S, _, R::Fixed, 92},
    {TreasureChest, "treasure chest", "A treasure chest.", M, S, _, R::Fixed, 93},
    {Pillar, "pillar", "A pillar.", M, S, _, R::Fixed, 94},
    {Throne, "throne", "A throne.", M, _, _, R::Block2x2, 95},
    {QuestFlower, "quest flower", "This is it! The flower you were searching for!", _, _, _, R::Fixed, 99},
    {OddTree, "odd tree", "It's a tree?", M, S, _, R::Fixed, 49},
    {CursedPlant, "cursed plant", "Jestbloom!", _, _, _, R::Fixed, 101},
    {Book, "book", "It's a book.", _, _, _, R::Fixed, 102},
    {Note, "note", "It's some kind of note...", _, _, _, R::Fixed, 103},
    {RockFirst, "rock (first)", "It's a rock.", M, S, _, R::Fixed, 104},
    {RockSecond, "rock (second)", "It's a rock.", M, S, _, R::Fixed, 105},
    {Temple, "temple", "It's some kind of temple!", M, _, _, R::Temple, 116},
    {TempleEntrance, "temple entrance", "It's an entrance to a temple... looks scary!", _, _, _, R::Fixed, 120},
    {StairsToForest, "stairs to forest", "These stairs will take me back to the forest.", _, _, _, R::Fixed, 135},
    {LionTile, "lion tile", "It's a tile with a lion engraved on it.", _, _, _, R::Fixed, 122},
    {HawkTile, "hawk tile", "It's a tile with a hawk engraved on it.", _, _, _, R::Fixed, 123},
    {CatTile, "cat tile", "It's a tile with a cat engraved on it.", _, _, _, R::Fixed, 124},
    {WolfTile, "wolf tile", "It's a tile with a wolf engraved on it.", _, _, _, R::Fixed, 125},
    {RatTile, "rat tile", "It's a tile with a rat engraved on it.", _, _, _, R::Fixed, 126},
    {BunnyTile, "bunny tile", "It's a tile with a bunny engraved on it.", _, _, _, R::Fixed, 127},
    {TempleWall, "temple wall", "It's a wall.", M, S, _, R::Fixed, 128},
    {TempleFloor, "temple floor", "It's the floor.", _, _, O, R::Fixed, 129},
    {GemIdol, "gem idol", "It's the legendary Lazuli Heart!", M, _, _, R::Fixed, 130},
    {Lava, "lava", "Lava! It's dangerous!", _, _, _, R::Fixed, 1131},
    {HiddenWall, "hidden wall", "It's a wall.", M, S, _, R::Fixed, 128},
    {TriggerFloor, "trigger floor", "It's the floor.", _, _, _, R::Fixed, 129},
    {StandingStone, "standing stone", "It's a tall stone. Why are they laid out like this?", M, S, _, R::Fixed, 136},
    {Well, "well", "It's a well.", M, _, _, R::Fixed, 107},
    {UsedWell, "used well", "It's a well.", M, _, _, R::Fixed, 107},
    {BellFirst, "bell (first)", "It's a bell.", M, _, _, R::Fixed, 106},
    {BellSecond, "bell (second)", "It's a bell.", M, _, _, R::Fixed, 106},
    {RungBell, "rung bell", "It's a bell.", M, _, _, R::Fixed, 106},
    {Portal, "portal", "It's a portal - one way!", _, _, _, R::Fixed, 1137},
    {ArrivalPortal, "arrival portal", "It's the portal I came out of. No way back!", _, _, _, R::Fixed, 141},
    {StairsDown, "stairs down", "Stairs going back the way I came.", _, _, _, R::Fixed, 142},
    {StairsUp, "stairs up", "Stairs going further up the castle.", _, _, _, R::Fixed, 143},
    {DarkStoneFloor, "dark stone floor", "Dark stone floor.", _, _, O, R::Fixed, 144},
    {ObsidianWall, "obsidian wall", "Obsidian walls.", M, S, _, R::Fixed, 145},
    {IronBars, "iron bars", "Iron bars", M, _, _, R::Fixed, 146},
    {IronLock, "iron lock", "Iron lock", M, _, _, R::Fixed, 147},
    {PrisonKey, "prison key", "A key", _, _, _, R::Fixed, 148},
    {OpenedIronLock, "opened iron lock", "Iron lock", M, _, _, R::Fixed, 147},
    {Bookshelf, "bookshelf", "It's a bookshelf", M, S, _, R::Fixed, 149},
    {Table, "table", "It's a table", M, _, _, R::Fixed, 150},
    {Candle, "candle", "It's a candle", M, _, _, R::Fixed, 151},
}};

// Each row names its code, so a row put in the wrong place, or a name given the wrong
// number, fails here.
constexpr bool RowsInCodeOrder() {
    for (int c = 0; c <= TerrainCodeCount; ++c) {
        if (Catalogue[c].code != c) return false;
    }
    return true;
}
static_assert(RowsInCodeOrder(), "every terrain row sits at the index of its code");
static_assert(Candle == TerrainCodeCount, "the last code closes the catalogue");

// Tile bases of trees and grass for biomes 1..6 (forest, wetland, highland, dark
// forest, castle grounds, jungle); the same numbers style a region 11..16.
constexpr int TreeBase[7] = {0, 1, 45, 53, 49, 1, 108};
constexpr int GrassBase[7] = {0, 8, 56, 60, 64, 8, 111};

bool SameCode(int x, int y, int code) { return TerrainAt(x, y) == code; }

}  // namespace

const TerrainInfo& Terrain(int code) {
    if (code < 1 || code > TerrainCodeCount) return Catalogue[0];
    return Catalogue[code];
}

bool TerrainBlocksMovement(int x, int y) {
    if (!InGrid(x, y)) return true;
    const int code = MapTerrain[x][y];
    if (code == Pit) return FlyerMoveTest != 1;
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
    if (code == Bush) return !(MonX[0] == x && MonY[0] == y);
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
                    if (SiteCooldown[SiteNightStatue] != NightStatueGone) break;
                    MapTerrain[x][y] = Tree;
                    [[fallthrough]];
                case FrameRule::Tree:
                    if (IsForestBiome(biome)) base = TreeBase[biome];
                    frame = (b <= 70) ? base + region - 1 : base + v - 1;
                    if (region > 10 && region <= 16) frame = TreeBase[region - 10];
                    break;
                case FrameRule::Grass:
                    if (IsForestBiome(biome)) base = GrassBase[biome];
                    frame = base + region;
                    if (IsCastleBiome(biome)) frame = 9;
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
                    if (y > 0 && MapTerrain[x][y - 1] != Pit) frame = 100;
                    break;
                case FrameRule::Temple: {
                    // Cells to the left were already passed, so the cell that becomes the
                    // entrance has done so before its right neighbour looks at it.
                    const bool left = SameCode(x - 1, y, Temple);
                    const bool right = SameCode(x + 1, y, Temple);
                    const bool aboveLeft = SameCode(x - 1, y - 1, Temple);
                    const bool aboveRight = SameCode(x + 1, y - 1, Temple);
                    frame = 116;
                    if (SameCode(x, y - 1, Temple)) frame = 119;
                    if (left) frame = 118;
                    if (left && right) frame = 117;
                    if (aboveLeft && aboveRight) {
                        frame = 120;
                        MapTerrain[x][y] = TempleEntrance;
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
