#include "worldgen/generator.h"

#include <algorithm>
#include <cstdint>

#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "platform/platform.h"
#include "worldgen/castle.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/placement.h"
#include "worldgen/primitives.h"
#include "worldgen/sites.h"
#include "worldgen/terrain.h"

namespace {

bool IsOneOf(int v, std::initializer_list<int> set) {
    for (int s : set)
        if (v == s) return true;
    return false;
}

// ---- Biome and layout ------------------------------------------------------------

int ChooseBiome() {
    const int scenario = GameVars[VarScenario];
    int biome = BiomeForest;
    if (scenario == ScenarioForest) {
        if (Depth >= 6 && Depth <= 10) biome = GameVars[VarBandBiomeFirst];
        if (Depth == 12 || Depth == 13) biome = BiomeCastleGrounds;
        if (Depth >= 15 && Depth <= 19) biome = GameVars[VarBandBiomeSecond];
        if (Depth >= 22 && Depth <= 26) biome = GameVars[VarBandBiomeThird];
    } else if (scenario == ScenarioChaos) {
        const int r = Rand(1, 7);
        if (r <= 4) biome = r;  // forest, wetland, highland, dark forest
        if (r == 5) biome = BiomeJungle;
        if (r >= 6) biome = Rand(BiomeCastle, BiomeDarkCastle);
        if (Depth == 0) biome = BiomeForest;
    } else if (scenario == ScenarioCastle) {
        if (Depth >= 2 && Depth <= 4) biome = BiomeDarkForest;
        if (Depth >= 5 && Depth <= 11) biome = BiomeCastle;
        if (Depth >= 12 && Depth <= 18) biome = BiomeUpperCastle;
        if (Depth >= 19 && Depth <= 24) biome = BiomeTempleCastle;
        if (Depth >= 25 && Depth <= 30) biome = BiomeDarkCastle;
    }
    if (Depth < 0) biome = BiomeForest;
    return biome;
}

// Picks the layout; castles are built here, as the layout of their biome. A castle
// sector of the castle quest is given no layout, so SectorLayout keeps the value the
// previous generated sector left, as the game always has.
bool ChooseLayout(bool& castle) {
    const int scenario = GameVars[VarScenario];
    castle = false;
    switch (SectorBiome) {
        case BiomeForest:
            SectorLayout = Rand(LayoutForestFirst, LayoutForestLast);
            if (scenario == ScenarioForest && Depth == 29) SectorLayout = LayoutQuestFlower;
            break;
        case BiomeWetland: SectorLayout = Rand(LayoutWetlandFirst, LayoutWetlandLast); break;
        case BiomeHighland:
            SectorLayout = Rand(LayoutHighlandFirst, LayoutHighlandLast);
            if (SectorLayout == LayoutRockfall) PushMessage("You hear a loud rumbling.");
            if (SectorLayout == LayoutRushingRiver) PushMessage("You hear a rushing river");
            break;
        case BiomeDarkForest:
            SectorLayout = Rand(LayoutDarkForestFirst, LayoutDarkForestLast);
            if (scenario == ScenarioCastle && Depth == 4) {
                SectorLayout = LayoutCastleGate;
                if (!GenerateCastleGrounds()) return false;
            }
            break;
        case BiomeCastleGrounds:
            SectorLayout = LayoutNone;
            if (!GenerateCastleGrounds()) return false;
            break;
        case BiomeJungle: SectorLayout = Rand(LayoutJungleFirst, LayoutJungleLast); break;
        default:
            if (IsCastleBiome(SectorBiome)) {
                if (!GenerateCastleLevel()) return false;
                castle = true;
            }
            break;
    }
    if (scenario == ScenarioChaos && Depth == 29) SectorLayout = LayoutChaosLair;
    if (Depth == DepthFairyGarden) {
        PushMessage("Fairy Garden!");
        SectorLayout = LayoutFairyGarden;
    }
    if (Depth == DepthCrypt) {
        PushMessage("This is kind of creepy");
        SectorLayout = LayoutCrypt;
    }
    if (Depth == DepthTemple) {
        PushMessage("Gulp");
        SectorLayout = LayoutTemple;
    }
    if (scenario == ScenarioForest && Depth == 3) {
        SectorLayout = LayoutHealersHut;
        PushMessage("This area looks familiar... Ombasi's hut is just up ahead!");
    }
    return true;
}

// ---- Carving -----------------------------------------------------------------------

void CarvePathLoops(bool castle) {
    const int layout = SectorLayout;
    if (castle || SectorBiome == BiomeCastleGrounds ||
        IsOneOf(layout, {LayoutMountainPath, LayoutFairyGarden, LayoutCrypt, LayoutQuestFlower, LayoutTemple}))
        return;
    int attempts = 3;
    if (SectorBiome == BiomeForest && layout == LayoutManyLoops) attempts = 10;
    if (layout == LayoutRushingRiver) attempts = 2;
    if (layout == LayoutLongPath) attempts = 10;
    if (layout == LayoutHealersHut) attempts = 8;
    for (int n = 1; n <= attempts; ++n) {
        ShowProgress(("Generating paths - Loops:" + IntToText(n)).c_str());
        const int x = Rand(2, 42);
        const int y = Rand(2, 33);
        if (MapTerrain[x][y] != Tree) continue;
        ClearMask();
        CarveTrail(x, y, 1);
    }
}

// Four style regions, each grown from a seed on open ground until every cell has one.
bool AssignRegions() {
    ShowProgress("Biome diversity");
    for (int w = 1; w <= 4; ++w) {
        for (int tries = 0;; ++tries) {
            if (tries >= SearchLimit) return GenerationFails("region seed");
            const int x = Rand(2, 42);
            const int y = Rand(2, 33);
            if (MapRegion[x][y] == 0 && IsOpenGround(x, y)) {
                MapRegion[x][y] = w;
                break;
            }
        }
    }
    // Each region's cells as bits, so the cell search can pass over most tries after a
    // step or two. Cells only ever join a region here.
    DrawnCellMap cellsOf[5];
    int unassigned = 0;
    for (int cx = 0; cx <= MapMaxX; ++cx)
        for (int cy = 0; cy <= MapMaxY; ++cy) {
            const int r = MapRegion[cx][cy];
            if (r == 0) ++unassigned;
            if (r >= 1 && r <= 4) cellsOf[r].Add(cx, cy);
        }
    // The walk's four directions, in the order Rand(1, 4) names them: up, down, left, right.
    constexpr int StepX[4] = {0, 0, -1, 1};
    constexpr int StepY[4] = {-1, 1, 0, 0};
    for (int rounds = 0; unassigned > 0; ++rounds) {
        if (rounds >= SearchLimit) return GenerationFails("regions");
        const int w = RandOneToFour();
        // A region stuck at a few cells makes this search thousands of tries long: the
        // batched search keeps it cheap and leaves the same cell and generator state.
        int x = 0;
        int y = 0;
        auto inRegion = [w](int cx, int cy) { return MapRegion[cx][cy] == w; };
        if (SearchDrawnCells(0, MapMaxX, 0, MapMaxY, SearchLimit, inRegion, x, y, &cellsOf[w]) == SearchLimit)
            return GenerationFails("region cell");
        // The walk stays on the sector's edge rather than leave it. Its turns are random,
        // so it is written without branches on the direction.
        for (int step = 0; step < 13; ++step) {
            const int d = RandOneToFour() - 1;
            x = std::clamp(x + StepX[d], 0, MapMaxX);
            y = std::clamp(y + StepY[d], 0, MapMaxY);
            if (MapRegion[x][y] == 0) {
                MapRegion[x][y] = w;
                cellsOf[w].Add(x, y);
                --unassigned;
            }
            if (MapRegion[x][y] != w) break;
        }
    }
    ShowProgress("Biome diversity done");
    return true;
}

// ---- Decoration -----------------------------------------------------------------------

bool IsGapBetweenTrees(int x, int y) {
    const bool acrossX = MapTerrain[x - 1][y] == Tree && MapTerrain[x + 1][y] == Tree && IsOpenGround(x, y) &&
                         IsOpenGround(x, y - 1) && IsOpenGround(x, y + 1);
    if (acrossX) return true;
    return MapTerrain[x][y - 1] == Tree && MapTerrain[x][y + 1] == Tree && IsOpenGround(x, y) &&
           IsOpenGround(x - 1, y) && IsOpenGround(x + 1, y);
}

void Decorate(int open) {
    ShowProgress("Bushes plants and logs");
    for (int n = open / 14 + 1; n > 0; --n) {
        for (int tries = 0; tries < 10000; ++tries) {
            const int x = Rand(0, 44);
            const int y = Rand(0, 35);
            if (IsOpenGround(x, y) && MapTerrain[x][y] == Grass) {
                MapTerrain[x][y] = Bush;
                break;
            }
        }
    }
    for (int n = open / 18 + 1; n > 0; --n) {
        for (int tries = 0; tries < 1001; ++tries) {
            const int x = Rand(1, 43);
            const int y = Rand(1, 34);
            if (IsGapBetweenTrees(x, y)) {
                MapTerrain[x][y] = Rand(0, 100) > 75 ? Log : Sticks;
                break;
            }
        }
    }
    for (int n = open / 18 + 1; n > 0; --n) {
        for (int tries = 0; tries < 10000; ++tries) {
            const int x = Rand(1, 43);
            const int y = Rand(1, 34);
            if (MapTerrain[x][y] != Grass) continue;
            MapTerrain[x][y] = Plant;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (MapTerrain[x + dx][y + dy] == Grass && Rand(0, 100) >= 61) MapTerrain[x + dx][y + dy] = Plant;
            break;
        }
    }
}

// Swamp creeps into the trees along every edge of the open ground.
void SwampFringe() {
    ShowProgress("Swamp surrounding path");
    ClearMask();
    auto g = [](int x, int y) { return MapTerrain[x][y] == Grass; };
    auto t = [](int x, int y) { return MapTerrain[x][y] == Tree; };
    for (int x = 1; x <= 43; ++x) {
        for (int y = 1; y <= 34; ++y) {
            if (!t(x, y)) continue;
            if ((g(x - 1, y) && t(x + 1, y)) || (g(x + 1, y) && t(x - 1, y)) || (g(x, y - 1) && t(x, y + 1)) ||
                (g(x, y + 1) && t(x, y - 1)) || (g(x - 1, y - 1) && t(x - 1, y)) || (g(x - 1, y + 1) && t(x - 1, y)) ||
                (g(x + 1, y - 1) && t(x + 1, y)) || (g(x + 1, y + 1) && t(x + 1, y)))
                MapMask[x][y] = 1;
        }
    }
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapMask[x][y] == 1) MapTerrain[x][y] = Swamp;
}

void PlaceRocks() {
    ShowProgress("Rocks for decoration");
    Rand(4, 12);  // drawn and never used; the stream depends on it
    int total = 0;
    for (auto& column : MapTerrain)
        for (int code : column)
            if (IsOneOf(code, {Grass, Bridge, Plant, StoneFloor, GrassyStoneFloor})) ++total;
    auto feeds = [](int code) { return code == Grass || code == DeepWater || code == Plant; };
    for (int n = total / 20 + 1; n > 0; --n) {
        for (int tries = 0; tries < 9001; ++tries) {
            const int x = Rand(1, 43);
            const int y = Rand(1, 34);
            if (MapTerrain[x][y] != Tree) continue;
            if (!feeds(MapTerrain[x][y - 1]) && !feeds(MapTerrain[x][y + 1]) && !feeds(MapTerrain[x - 1][y]) &&
                !feeds(MapTerrain[x + 1][y]))
                continue;
            MapTerrain[x][y] = Rand(RockFirst, RockSecond);
            break;
        }
    }
}

// The ground around the exit takes the style of the biome that follows.
void ZoneChange(int region) {
    int ex = -1;
    int ey = -1;
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapTerrain[x][y] == Exit) {
                ex = x;
                ey = y;
            }
    if (ex < 0) return;
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (Distance(x, y, ex, 0) < ey + 4) MapRegion[x][y] = region;
}

void StyleCastle() {
    const int biome = SectorBiome;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            int& cell = MapTerrain[x][y];
            if (cell == StoneFloor && biome == BiomeCastle && Rand(0, 100) > 80) cell = GrassyStoneFloor;
            if (cell == StoneFloor && biome == BiomeTempleCastle) cell = TempleFloor;
            if (cell == StoneFloor && biome == BiomeDarkCastle) cell = DarkStoneFloor;
            if (cell == StoneWall && biome == BiomeCastle && Rand(0, 100) > 80) cell = WeedyStoneWall;
            const bool inner = x >= 1 && x <= 43 && y >= 1 && y <= 34;
            if (cell == StoneWall && inner && biome == BiomeCastle && MapTerrain[x][y - 1] == StoneWall &&
                MapTerrain[x][y + 1] == StoneWall && Rand(0, 100) > 90)
                cell = GrassyStoneFloor;
            if (cell == StoneWall && inner && biome == BiomeCastle && MapTerrain[x - 1][y] == StoneWall &&
                MapTerrain[x + 1][y] == StoneWall && Rand(0, 100) > 90)
                cell = GrassyStoneFloor;
            if (cell == StoneWall && biome == BiomeTempleCastle) cell = TempleWall;
            if (cell == StoneWall && biome == BiomeDarkCastle) cell = ObsidianWall;
            if (cell == Bookshelves) cell = Bookshelf;
        }
    }
}

void ClearSectorTables() {
    for (int g = 0; g < GroundSlots; ++g) {
        GroundItemKind[g] = 0;
        GroundItemTier[g] = 0;
        GroundItemX[g] = 0;
        GroundItemY[g] = 0;
        GroundItemSeed[g] = 0;
    }
    for (int m = 1; m < MonSlots; ++m) MonKind[m] = 0;
    if (Depth >= 0) {
        for (int s = 0; s < SiteCooldownKept; ++s)
            if (SiteCooldown[s] > 0) --SiteCooldown[s];
    }
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            MapTerrain[x][y] = Tree;
            MapRegion[x][y] = 0;
            MapMask[x][y] = 0;
            MapSeen[x][y] = 0;
            MapRockfall[x][y] = 0;
        }
    }
}

}  // namespace

void ShowProgress(const char* step) {
    if (DebugText != 1) return;
    Say(IntToText(WorldSeed) + "(" + IntToText(Depth) + ")" + step, 10, 10);
    PresentFrame();
    ClearScreen();
}

void LiftReservedMarks() {
    for (auto& column : MapTerrain)
        for (int& code : column)
            if (code > ReservedOffset) code -= ReservedOffset;
}

bool GenerateSector() {
    SectorGenFailure.clear();
    SeedRandom(RegenerateSector == 1 ? ClockMillis() : SectorSeed());
    ShowProgress("Beginning to create room");
    // The hero's cell in the sector just left must not count as occupied here: the
    // sector depends on the world seed and depth alone. He is placed again below.
    MonX[0] = -1;
    MonY[0] = -1;
    ClearSectorTables();

    SectorBiome = ChooseBiome();
    if (GameVars[VarScenario] == ScenarioChaos || Depth < 0) SectorLayout = LayoutNone;
    bool castle = false;
    if (!ChooseLayout(castle)) return false;
    const int layout = SectorLayout;

    int cx = 22;
    int cy = 17;
    // Layouts that carve a landform of their own get no clearing in the middle.
    if (!castle && SectorBiome != BiomeCastleGrounds &&
        !IsOneOf(layout,
                 {LayoutRiver,          LayoutDocks,      LayoutPondChain,    LayoutPond,      LayoutMountainPath,
                  LayoutMountain,       LayoutRavine,     LayoutRushingRiver, LayoutGraveyard, LayoutBoneField,
                  LayoutOddGrove,       LayoutLongPath,   LayoutJungleRiver,  LayoutVolcano,   LayoutSinkhole,
                  LayoutStandingStones, LayoutHealersHut, LayoutFairyGarden,  LayoutCrypt,     LayoutQuestFlower,
                  LayoutTemple})) {
        cx += Rand(-4, 4);
        cy += Rand(-4, 4);
        for (int x = cx - 1; x <= cx + 1; ++x)
            for (int y = cy - 1; y <= cy + 1; ++y) MapTerrain[x][y] = Grass;
    }
    if (!CarveLayout(layout, cx, cy)) return false;
    CarvePathLoops(castle);
    if (layout == LayoutLake) {
        ShowProgress("Turning trees into a lake");
        if (!GrowBlob(DeepWater, 0)) return false;
    }
    if (SectorBiome == BiomeHighland) {
        ShowProgress("Turning trees into mountains");
        for (int k = 0; k < 4; ++k)
            if (!GrowBlob(Mountain, 1)) return false;
    }
    if (!AssignRegions()) return false;
    if (layout == LayoutGraveyard) {
        ShowProgress("Graveyard");
        PlaceCryptGraveyard();
    }
    int open = 0;
    for (auto& column : MapTerrain)
        for (int code : column)
            if (code == Grass || code == StoneFloor) ++open;
    if (!castle && Depth >= 0) Decorate(open);
    if (castle)
        SiteFloorCode = SectorBiome == BiomeDarkCastle ? DarkStoneFloor
                                                       : (SectorBiome == BiomeTempleCastle ? TempleFloor : StoneFloor);
    if (Depth >= 0 && SectorBiome != BiomeCastleGrounds && layout != LayoutQuestFlower && layout != LayoutChaosLair)
        PlaceSpecialSites();
    if (layout == LayoutSwampFringe) SwampFringe();
    if (!castle && Depth >= 0) PlaceRocks();
    if (!PlaceWaysInAndOut()) return false;
    MonKind[0] = KindHero;
    if (GameVars[VarScenario] == ScenarioForest) {
        if (Depth == 5) ZoneChange(10 + GameVars[VarBandBiomeFirst]);
        if (Depth == 14) ZoneChange(10 + GameVars[VarBandBiomeSecond]);
        if (Depth == 21) ZoneChange(10 + GameVars[VarBandBiomeThird]);
        if (Depth == 10 || Depth == 19 || Depth == 26) ZoneChange(11);
    }
    if (GameVars[VarScenario] == ScenarioCastle && Depth == 1) ZoneChange(14);
    if (Depth >= 0 && layout != LayoutQuestFlower) {
        ShowProgress("Placing Monsters?");
        if (!PlaceCreatures()) return false;
        ShowProgress("Placing Treasures");
        if (!PlaceSectorItems()) return false;
    }
    LiftReservedMarks();
    if (castle) StyleCastle();
    ShowProgress("Done!");
    RefreshFrames();
    return true;
}
