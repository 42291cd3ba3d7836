#include "worldgen/sites.h"

#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

constexpr int LimitedTries = 9001;

bool InCastle() { return IsCastleBiome(SectorBiome); }

int ClearedGround() { return InCastle() ? SiteFloorCode : Grass; }

// What a site's square must not cover. Beside the buildings, graves and walls, the
// ways in and out are kept (castles place their stairs before the sites, so a pot
// could otherwise pave over the only way on), and so are a castle's reserved prison
// and treasury walls and the prison key: covering them would open the cells or lose
// the key for good.
bool SquareRefuses(int code) {
    if (code > ReservedOffset || IsLandmark(code)) return true;
    switch (code) {
        // clang-format off
        case StoneWall: case TempleWall: case ObsidianWall:
        case Exit: case Entrance: case CastlePathOnward: case CastlePathBack: case Portal: case ArrivalPortal:
        case StairsDown: case StairsUp:
        case PrisonKey:
            return true;
        default:
            return code == Grass && InCastle();
            // clang-format on
    }
}

bool SiteCandidate(int x, int y) {
    const int code = MapTerrain[x][y];
    if (!IsOpenGround(x, y) || code == DeepWater || code == Bridge) return false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (SquareRefuses(MapTerrain[x + dx][y + dy])) return false;
    return true;
}

// A random cell (x 2..42, y 2..33) passing `accept`, up to `tries` draws.
template <typename Accept>
bool FindRandomCell(int tries, int& x, int& y, Accept accept) {
    for (int t = 0; t < tries; ++t) {
        x = Rand(2, 42);
        y = Rand(2, 33);
        if (accept(x, y)) return true;
    }
    return false;
}

bool GrassOrPlant(int x, int y) { return MapTerrain[x][y] == Grass || MapTerrain[x][y] == Plant; }
bool GrassPlantOrFloor(int x, int y) { return GrassOrPlant(x, y) || MapTerrain[x][y] == StoneFloor; }

// A w x h block of trees; its corner x is drawn in 1..44 - w and y in 1..26.
bool FindTreeBlock(int w, int h, int& bx, int& by) {
    for (int t = 0; t < LimitedTries; ++t) {
        bx = Rand(1, 44 - w);
        by = Rand(1, 26);
        bool trees = true;
        for (int x = bx; x < bx + w && trees; ++x)
            for (int y = by; y < by + h && trees; ++y)
                if (MapTerrain[x][y] != Tree) trees = false;
        if (trees) return true;
    }
    return false;
}

void MaskBlock(int x0, int x1, int y0, int y1, int mark) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            if (InGrid(x, y)) MapMask[x][y] = mark;
}

void MaskDisc(int cx, int cy, double radius, int mark) {
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (Distance(x, y, cx, cy) < radius) MapMask[x][y] = mark;
}

// After a site's connection: every natural cell of its clearing becomes open ground.
void ClearMaskedNatural() {
    const int ground = ClearedGround();
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapMask[x][y] == 1 && IsNatural(x, y)) MapTerrain[x][y] = ground;
}

// Three villagers of one site, told apart by their mode 1, 2, 3.
void SpawnTrio(int x, int y, int kind, bool deer) {
    for (int k = 0; k < 3; ++k) {
        const int slot = SpawnCreature(x + 1 + 2 * k, y + 2, deer ? Rand(KindDoe, KindBuck) : kind);
        if (slot != NoCreatureSlot) MonMode[slot] = k + 1;
    }
}

// ---- The sites, in their order -------------------------------------------------------

void CookingPotSite() {
    ShowProgress("Cooking pot");
    int x = 0;
    int y = 0;
    if (SiteCooldown[SiteCookingPot] == 0 && Rand(0, 100) >= 50 && FindSiteCell(CookingPot, LimitedTries, x, y))
        SiteCooldown[SiteCookingPot] = 2;
}

void NightStatueSite() {
    ShowProgress("Umbrana");
    int x = 0;
    int y = 0;
    if (!InCastle() && SiteCooldown[SiteNightStatue] == 0 && Rand(0, 100) > 84 &&
        FindSiteCell(NightStatue, SiteSearchUnbounded, x, y))
        SiteCooldown[SiteNightStatue] = 12;
}

void FruitTrees() {
    ShowProgress("Fruit Trees");
    if (InCastle() || SiteCooldown[SiteFruitTrees] != 0) return;
    if (Rand(0, 100) > 39) {
        const int n = Rand(0, 2) + 1;
        for (int k = 0; k < n; ++k) {
            int x = 0;
            int y = 0;
            if (FindSiteCell(Tree, SiteSearchUnbounded, x, y)) MapTerrain[x][y] = FruitTreeForRoll(Rand(0, 100));
        }
    }
    // Tried, placed or not: fruit trees wait at least one sector.
    SiteCooldown[SiteFruitTrees] = 2;
}

void TreelephantShrine() {
    ShowProgress("Treelephant Shrine");
    if (InCastle() || SiteCooldown[SiteTreelephantShrine] != 0 || !(Rand(0, 100) >= 81) || !(Depth > 5)) return;
    int x = 0;
    int y = 0;
    if (!FindTreeBlock(5, 5, x, y)) return;
    ClearMask();
    MaskBlock(x, x + 4, y, y + 4, 1);
    for (const auto& s : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 3}})
        MapTerrain[x + s.first][y + s.second] = TreelephantStatue;
    MapTerrain[x + 2][y + 1] = VineChest;
    ConnectToOpen(x + 2, y + 5);
    ClearMaskedNatural();
    SiteCooldown[SiteTreelephantShrine] = SiteNever;
}

void FairyDoorSite() {
    ShowProgress("Fairy Garden");
    int x = 0;
    int y = 0;
    if (SiteCooldown[SiteFairyDoor] == 0 && SectorBiome != BiomeDarkForest && Rand(0, 100) > 84 &&
        FindSiteCell(FairyDoor, LimitedTries, x, y))
        SiteCooldown[SiteFairyDoor] = 3;
}

// A friendly visitor standing on any open cell.
void Visitor(const char* progress, int entry, int above, int kind, int cooldown) {
    ShowProgress(progress);
    int x = 0;
    int y = 0;
    if (SiteCooldown[entry] == 0 && Rand(0, 100) > above &&
        FindRandomCell(SiteSearchUnbounded, x, y, [](int cx, int cy) { return IsOpenGround(cx, cy) == 1; })) {
        SpawnCreature(x, y, kind);
        SiteCooldown[entry] = cooldown;
    }
}

void SeahooflingPond() {
    ShowProgress("Seahooflings");
    if (SectorBiome != BiomeWetland || SiteCooldown[SiteSeahooflingPond] != 0 || !(Rand(0, 100) > 70)) return;
    int x = 0;
    int y = 0;
    if (!FindTreeBlock(7, 5, x, y)) return;
    ClearMask();
    MaskDisc(x + 3, y + 3, 4, 2);
    for (int k = 0; k < 3; ++k) MapTerrain[x + 1 + 2 * k][y + 3] = LilyPad;
    SpawnTrio(x, y, KindSeahoofling, false);
    ConnectToOpen(x + 2, y + 5);
    for (int cx = 0; cx <= MapMaxX; ++cx) {
        for (int cy = 0; cy <= MapMaxY; ++cy) {
            const int code = MapTerrain[cx][cy];
            if (code != Tree && code != Swamp) continue;
            if (MapMask[cx][cy] == 1) MapTerrain[cx][cy] = Grass;
            if (MapMask[cx][cy] == 2) MapTerrain[cx][cy] = DeepWater;
        }
    }
    // The sea folk swim where they stand.
    for (int k = 0; k < 3; ++k) MapTerrain[x + 1 + 2 * k][y + 2] = DeepWater;
    GrowBlob(DeepWater, 2);
    PushMessage("You hear singing.");
    SiteCooldown[SiteSeahooflingPond] = SiteNever;
}

void CreatureHuts() {
    ShowProgress("Grubbins");
    if (SectorBiome != BiomeHighland || SiteCooldown[SiteCreatureHuts] != 0 || !(Rand(0, 100) > 70)) return;
    int x = 0;
    int y = 0;
    if (!FindTreeBlock(7, 5, x, y)) return;
    ClearMask();
    MaskBlock(x, x + 6, y, y + 4, 1);
    for (const auto& h : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 3}, {5, 1}})
        MapTerrain[x + h.first][y + h.second] = CreatureHut;
    SpawnTrio(x, y, KindGrubbin, false);
    ConnectToOpen(x + 2, y + 5);
    ClearMaskedNatural();
    PushMessage("You hear the sound of pleasant chatter.");
    SiteCooldown[SiteCreatureHuts] = SiteNever;
}

void DeerClearing() {
    ShowProgress("Deer Clearing");
    if (SectorBiome != BiomeForest || SiteCooldown[SiteDeerClearing] != 0 || !(Rand(0, 100) > 70)) return;
    int x = 0;
    int y = 0;
    if (!FindTreeBlock(7, 7, x, y)) return;
    ClearMask();
    MaskDisc(x + 3, y + 3, 4, 1);
    SpawnTrio(x, y, KindNone, true);
    ConnectToOpen(x + 2, y + 5);
    ClearMaskedNatural();
    PushMessage("You hear the familiar sound of busy hooves.");
    SiteCooldown[SiteDeerClearing] = SiteNever;
}

void CursedPlants() {
    ShowProgress("Jestbloom");
    if (InCastle() || SiteCooldown[SiteCursedPlants] != 0 || !(Rand(0, 100) > 84)) return;
    int count = 0;
    for (int t = 0; t < SiteSearchUnbounded; ++t) {
        const int x = Rand(2, 42);
        const int y = Rand(2, 33);
        if (GrassOrPlant(x, y)) {
            MapTerrain[x][y] = CursedPlant;
            ++count;
        }
        if (Rand(3, 6) < count) break;
    }
    SiteCooldown[SiteCursedPlants] = 8;
}

// A single cell of grass, plant (or floor) taking a code: the book and the note.
void FloorObject(int entry, int code, int cooldown, bool floorToo) {
    int x = 0;
    int y = 0;
    const bool found = floorToo ? FindRandomCell(SiteSearchUnbounded, x, y, GrassPlantOrFloor)
                                : FindRandomCell(SiteSearchUnbounded, x, y, GrassOrPlant);
    if (!found) return;
    MapTerrain[x][y] = code;
    SiteCooldown[entry] = cooldown;
}

void BookSite() {
    ShowProgress("Book");
    if (SiteCooldown[SiteBook] == 0 && Rand(0, 100) > 59) FloorObject(SiteBook, Book, 7, true);
}

void TimeTraveller() {
    ShowProgress("Clockwick");
    int x = 0;
    int y = 0;
    if (SiteCooldown[SiteClockwick] == 0 && Rand(0, 100) >= 60 && Depth > 4 &&
        FindRandomCell(SiteSearchUnbounded, x, y, GrassPlantOrFloor)) {
        SpawnCreature(x, y, KindClockwick);
        SiteCooldown[SiteClockwick] = 1000;
    }
}

void NoteSite() {
    ShowProgress("Notes");
    if (GameVars[VarScenario] != ScenarioForest || SiteCooldown[SiteNote] != 0) return;
    int r = Rand(0, 100);
    if (GameVars[VarStalkerNotes] > 0) r += 7 * GameVars[VarStalkerNotes];
    if (GameVars[VarStalkerNotes] >= 8) r = 0;
    if (r >= 90 && Depth > 2) FloorObject(SiteNote, Note, 1, false);
}

void TempleSite() {
    ShowProgress("Brava Venn Temple");
    if (SectorBiome != BiomeJungle || SiteCooldown[SiteTemple] != 0 || !(Rand(0, 100) > 55)) return;
    int ty = 0;
    bool found = false;
    for (int t = 0; t < LimitedTries && !found; ++t) {
        ty = 17 - Rand(3, 8);
        found = true;
        for (int x = 30; x <= 34 && found; ++x)
            for (int y = ty; y <= ty + 4 && found; ++y)
                if (MapTerrain[x][y] != Tree) found = false;
    }
    if (!found) return;
    ClearMask();
    MaskBlock(27, 33, ty - 3, ty + 2, 1);
    for (const auto& c : {std::pair{27, ty - 3}, {33, ty - 3}, {27, ty + 2}, {33, ty + 2}})
        MapTerrain[c.first][c.second] = Grass;
    for (int x = 29; x <= 31; ++x)
        for (int y = ty - 2; y <= ty - 1; ++y) MapTerrain[x][y] = Temple;
    ConnectToOpen(30, ty + 3);
    ClearMaskedNatural();
    SiteCooldown[SiteTemple] = 100;
}

void TempleHeroine() {
    ShowProgress("Brava Venn");
    int x = 0;
    int y = 0;
    if (SiteCooldown[SiteTempleHeroine] == 0 && SiteCooldown[SiteTemple] >= 1 && SiteCooldown[SiteTemple] <= 99 &&
        Rand(0, 100) > 74 && FindRandomCell(SiteSearchUnbounded, x, y, GrassOrPlant)) {
        SpawnCreature(x, y, KindBravaVenn);
        SiteCooldown[SiteTempleHeroine] = 1000;
    }
}

void WellSite() {
    ShowProgress("Well of Wishes");
    int x = 0;
    int y = 0;
    if (SiteCooldown[SiteWell] == 0 && Depth > 2 && Rand(0, 100) > 74 && FindSiteCell(Well, LimitedTries, x, y))
        SiteCooldown[SiteWell] = 5;
}

void Bell() {
    ShowProgress("Bell");
    int x = 0;
    int y = 0;
    if (SiteCooldown[SiteBell] == 0 && Rand(0, 100) > 64 && FindSiteCell(BellFirst, LimitedTries, x, y)) {
        if (Rand(0, 100) > 50) MapTerrain[x][y] = BellSecond;
        SiteCooldown[SiteBell] = 10;
    }
}

}  // namespace

int FruitTreeForRoll(int u) {
    if (u < 38) return AppleTree;
    if (u <= 52) return BananaTree;
    if (u <= 67) return CherryTree;
    if (u <= 82) return OrangeTree;
    if (u <= 97) return LemonTree;
    return JoltAppleTree;
}

bool FindSiteCell(int code, int tries, int& x, int& y) {
    if (!FindRandomCell(tries, x, y, SiteCandidate)) return false;
    const int ground = ClearedGround();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) MapTerrain[x + dx][y + dy] = ground;
    MapTerrain[x][y] = code;
    return true;
}

void PlaceCryptGraveyard() {
    int x = 0;
    int y = 0;
    bool found = false;
    for (int t = 0; t < LimitedTries && !found; ++t) {
        x = Rand(1, 37);
        y = Rand(4, 26);
        found = true;
        for (int bx = x; bx <= x + 6 && found; ++bx)
            for (int by = y - 2; by <= y + 4 && found; ++by)
                if (MapTerrain[bx][by] != Tree) found = false;
    }
    if (!found) return;
    ClearMask();
    MaskBlock(x, x + 6, y, y + 4, 1);
    for (const auto& g : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 3}, {5, 1}, {5, 3}})
        MapTerrain[x + g.first][y + g.second] = Grave;
    if (SiteCooldown[SiteCryptEntrance] == 0 && Rand(0, 100) > 60) {
        MaskBlock(x + 2, x + 4, y - 2, y, 1);
        MapTerrain[x + 3][y - 2] = CryptEntrance;
        SiteCooldown[SiteCryptEntrance] = SiteNever;
    }
    ConnectToOpen(x + 2, y + 5);
    ClearMaskedNatural();
}

void PlaceSpecialSites() {
    CookingPotSite();
    NightStatueSite();
    FruitTrees();
    TreelephantShrine();
    FairyDoorSite();
    Visitor("Wobbin Pip", SiteWobbin, 84, KindWobbinPip, 2);
    Visitor("Griffon", SiteGriffon, 59, KindSalesGriffon, 5);
    SeahooflingPond();
    CreatureHuts();
    DeerClearing();
    CursedPlants();
    BookSite();
    TimeTraveller();
    NoteSite();
    TempleSite();
    TempleHeroine();
    WellSite();
    Bell();
}
