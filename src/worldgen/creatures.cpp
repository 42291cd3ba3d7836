#include "worldgen/creatures.h"

#include <array>

#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "worldgen/biomes.h"
#include "worldgen/levelup.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

constexpr int Hos = AttitudeHostile;
constexpr int Fri = AttitudeFriendly;
constexpr int Neu = AttitudeNeutral;

// The creature catalogue, one row per kind.
//   kind  name  attitude  flies  mode  extra levels
constexpr std::array<CreatureKindInfo, 50> Kinds{{
    {KindNibblit, "NIBBLIT", Hos, true, ModeNone, 0},
    {KindNoctessa, "PRINCESS NOCTESSA", Fri, false, ModeNone, 0},
    {KindOmbasi, "OMBASI", Fri, false, ModeNone, 0},
    {KindWasp, "WASP", Neu, true, ModeNone, 0},
    {KindSnake, "SNAKE", Hos, false, ModeNone, 0},
    {KindBunny, "BUNNY", Neu, false, ModeNone, 0},
    {KindRat, "RAT", Hos, false, ModeNone, 0},  // neutral on a coin toss at spawn
    {KindShade, "SHADE", Hos, false, ModeNone, 0},
    {KindChangeling, "CHANGELING", Hos, false, ModeNone, 0},
    {KindScorpion, "SCORPION", Hos, false, ModeNone, 0},
    {KindTimberWolf, "TIMBER WOLF", Hos, false, ModeLyingInWait, 0},
    {KindTreelephant, "TREELEPHANT", Neu, false, ModeNone, 0},
    {KindBeaver, "BEAVER", Neu, false, ModeNone, 0},
    {KindCerberus, "CERBERUS", Hos, false, ModeLyingInWait, 0},
    {KindWolf, "WOLF", Hos, false, ModeNone, 0},
    {KindSpider, "SPIDER", Hos, false, ModeNone, 0},
    {KindGiantSpider, "G SPIDER", Hos, false, ModeNone, 0},
    {KindTroll, "TROLL", Fri, false, ModeNone, 0},
    {KindFairy, "FAIRY", Fri, false, ModeNone, 0},
    {KindHydra, "HYDRA", Hos, false, ModeNone, 0},
    {KindOgre, "OGRE", Hos, false, ModeNone, 0},
    {KindBat, "BAT", Hos, true, ModeNone, 0},
    {KindCockatrice, "COCKATRICE", Hos, false, ModeNone, 0},
    {KindWobbinPip, "WOBBIN PIP", Fri, false, ModeNone, 0},
    {KindSalesGriffon, "SALES GRIFFON", Fri, false, ModeNone, 0},
    {KindGrubbin, "GRUBBIN", Fri, false, ModeNone, 0},          // mode 1..3 from its huts
    {KindSeahoofling, "SEAHOOFLING", Fri, false, ModeNone, 0},  // mode 1..3 from its pond
    {KindDrybones, "DRYBONES", Hos, false, ModeNone, 0},
    {KindTreemonster, "TREEMONSTER", Hos, false, ModeNone, 0},
    {KindDoe, "DOE", Fri, false, ModeNone, 0},    // mode 1..3 from its clearing
    {KindBuck, "BUCK", Fri, false, ModeNone, 0},  // mode 1..3 from its clearing
    {KindZoquiral, "ZOQUIRAL", Hos, false, ModeNone, 0},
    {KindBear, "BEAR", Neu, false, ModeNone, 0},
    {KindManticore, "MANTICORE", Hos, false, ModeNone, 0},  // neutral to Mellowen
    {KindPanther, "PANTHER", Hos, false, ModeNone, 0},
    {KindFruitBat, "FRUIT BAT", Neu, true, ModeNone, 0},
    {KindGemHound, "GEM HOUND", Hos, false, ModeNone, 0},
    {KindAlphaGemHound, "A.GEM HOUND", Hos, false, ModeNone, 0},
    {KindClockwick, "CLOCKWICK", Fri, false, ModeNone, 0},
    {KindThinwraith, "THINWRAITH", Hos, false, ModeNone, 2},
    {KindTeenDragon, "TEEN DRAGON", Hos, false, ModeNone, 0},
    {KindCrocodile, "CROCODILE", Hos, false, ModeNone, 0},
    {KindBravaVenn, "BRAVA VENN", Fri, false, ModeNone, 0},
    {KindSkarnix, "SKARNIX", Hos, false, ModeNone, 2},
    {KindVorgath, "VORGATH", Hos, false, ModeNone, 4},
    {KindNougette, "NOUGETTE", Fri, false, ModeNone, 0},
    {KindHarpella, "HARPELLA", Fri, false, ModeNone, 0},
    {KindMarnella, "MARNELLA", Fri, false, ModeNone, 0},
    {KindPearlwick, "PEARLWICK", Fri, false, ModeNone, 0},
    {KindBurlo, "BURLO", Fri, false, ModeNone, 0},
}};
static_assert(Kinds.size() == 50, "creature kinds 2..51");
// Each row names its kind, so a row in the wrong place, or a name given the wrong
// number, fails here.
constexpr bool KindsInOrder() {
    for (size_t i = 0; i < Kinds.size(); ++i)
        if (Kinds[i].kind != static_cast<int>(i) + KindFirstCreature) return false;
    return true;
}
static_assert(KindsInOrder(), "row i holds kind i + 2");
static_assert(Kinds.back().kind == KindLast, "the last kind closes the catalogue");

// ---- Random creature groups -------------------------------------------------------

enum class Style { Scatter, Ambush, Bridge, Pack, PackWithMembers };

// How many of a row's kind a sector gets: a fixed number, or one per `perOpen` open cells.
struct GroupRow {
    int kind;
    int fixed;    // used when perOpen is 0
    int perOpen;  // count = open / perOpen
    Style style;
};

//   kind  fixed  per open  style
constexpr std::array<GroupRow, 15> TableA{{
    {KindNibblit, 0, 35, Style::Scatter},
    {KindTroll, 1, 0, Style::Bridge},  // only in the river layout
    {KindTimberWolf, 0, 25, Style::Ambush},
    {KindHydra, 1, 0, Style::Scatter},
    {KindOgre, 0, 30, Style::Scatter},
    {KindCockatrice, 1, 0, Style::Scatter},
    {KindShade, 0, 40, Style::Scatter},
    {KindChangeling, 0, 35, Style::Scatter},
    {KindTreelephant, 0, 40, Style::Scatter},
    {KindCerberus, 1, 0, Style::Scatter},
    {KindZoquiral, 1, 0, Style::Scatter},
    {KindManticore, 1, 0, Style::Scatter},
    {KindFruitBat, 0, 40, Style::Scatter},
    {KindGemHound, 0, 40, Style::PackWithMembers},
    {KindTeenDragon, 3, 0, Style::Scatter},
}};

constexpr std::array<GroupRow, 12> TableB{{
    {KindWasp, 0, 30, Style::Scatter},
    {KindSnake, 0, 25, Style::Scatter},
    {KindBunny, 0, 25, Style::Scatter},
    {KindRat, 0, 25, Style::Scatter},
    {KindScorpion, 0, 35, Style::Scatter},
    {KindBeaver, 0, 35, Style::Scatter},  // not in the river or lake layouts
    {KindSpider, 0, 30, Style::Scatter},
    {KindGiantSpider, 0, 30, Style::Scatter},
    {KindWolf, 0, 30, Style::Pack},
    {KindBat, 0, 30, Style::Scatter},
    {KindBear, 0, 45, Style::Scatter},
    {KindPanther, 0, 45, Style::Scatter},
}};

constexpr int StyleTries = 9001;
constexpr int RowTries = 9001;

// Ground a scattered creature may stand on (the open floors of forests and castles).
bool ScatterGround(int code) {
    switch (code) {
        case Grass:
        case Bridge:
        case Plant:
        case StoneFloor:
        case GrassyStoneFloor:
        case TempleFloor:
        case DarkStoneFloor: return true;
        default: return false;
    }
}

bool FarFromHero(int x, int y) { return Distance(x, y, MonX[0], MonY[0]) >= 4; }

// The styles look at terrain codes and distances only, never at who stands where.
bool OpenByCode(int x, int y) { return InGrid(x, y) && Terrain(MapTerrain[x][y]).openGround; }

bool AmbushCell(int x, int y) {
    return MapTerrain[x][y] == Tree &&
           (OpenByCode(x, y - 1) || OpenByCode(x, y + 1) || OpenByCode(x - 1, y) || OpenByCode(x + 1, y)) &&
           FarFromHero(x, y);
}

bool RowAllowed(bool tableA, int row) {
    const int layout = SectorLayout;
    if (tableA && row == 2) return layout == LayoutRiver;
    if (!tableA && row == 6) return layout != LayoutRiver && layout != LayoutLake;
    return true;
}

void PlaceGroup(const GroupRow& row, int open) {
    const int count = row.perOpen > 0 ? open / row.perOpen : row.fixed;
    if (row.style == Style::Bridge) {
        int bx = -1;
        int by = -1;
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                if (MapTerrain[x][y] == Bridge) {
                    bx = x;
                    by = y;
                }
        if (bx >= 0) SpawnCreature(bx - 1, by, row.kind);
        return;
    }
    // The first creature of a pack that found a cell; the others gather within 12 of it.
    bool leaderPlaced = false;
    int leaderX = 0;
    int leaderY = 0;
    const bool pack = row.style == Style::Pack || row.style == Style::PackWithMembers;
    for (int n = 0; n < count; ++n) {
        for (int tries = 0; tries < StyleTries; ++tries) {
            const int x = Rand(2, 42);
            const int y = Rand(2, 33);
            bool ok = false;
            if (row.style == Style::Ambush) {
                ok = AmbushCell(x, y);
            } else {
                ok = ScatterGround(MapTerrain[x][y]) && FarFromHero(x, y);
                if (ok && pack && leaderPlaced) ok = Distance(x, y, leaderX, leaderY) <= 12;
            }
            if (!ok) continue;
            int kind = row.kind;
            if (row.style == Style::PackWithMembers && leaderPlaced && Rand(0, 100) < 71) kind = KindAlphaGemHound;
            SpawnCreature(x, y, kind);
            if (!leaderPlaced) {
                leaderPlaced = true;
                leaderX = x;
                leaderY = y;
            }
            break;
        }
    }
}

}  // namespace

const CreatureKindInfo* CreatureKind(int kind) {
    if (kind < KindFirstCreature || kind > KindLast) return nullptr;
    return &Kinds[kind - KindFirstCreature];
}

void CreatureKindName(int kind) {
    if (const CreatureKindInfo* info = CreatureKind(kind)) LookupName = info->name;
}

int SpawnCreature(int x, int y, int kind) {
    int i = NoCreatureSlot;
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] == KindNone) {
            i = m;
            break;
        }
    }
    if (i == NoCreatureSlot) return NoCreatureSlot;
    if (kind >= 0) {
        // Only the first ten statuses start afresh; the rest stay as the slot had them.
        for (int s = StatusFrozen; s <= StatusFlying; ++s) MonStatus[i][s] = 0;
        if (kind > 0) MonKind[i] = kind;
    }
    MonHp[i] = Rand(5, 10) + 5;
    MonMaxHp[i] = MonHp[i];
    MonMp[i] = 5;
    MonMaxMp[i] = 5;
    MonXp[i] = 2;
    MonX[i] = x;
    MonY[i] = y;
    CreatureKindName(kind);
    MonName[i] = LookupName;
    MonLevel[i] = 0;
    MonAtk[i] = MonDef[i] = MonStr[i] = MonSpd[i] = MonMag[i] = MonCon[i] = 1;
    MonAttitude[i] = AttitudeHostile;
    MonMode[i] = ModeNone;
    const CreatureKindInfo* info = CreatureKind(kind);
    if (info != nullptr && info->flies) MonStatus[i][StatusFlying] = StatusPermanent;
    if (info != nullptr) MonAttitude[i] = info->attitude;
    if (kind == KindRat && Rand(0, 100) > 50) MonAttitude[i] = AttitudeNeutral;
    if (kind == KindManticore && HeroId == HeroMellowen) MonAttitude[i] = AttitudeNeutral;
    if (info != nullptr)
        for (int k = 0; k < info->extraLevels; ++k) LevelUpCreature(i);
    if (info != nullptr) MonMode[i] = info->mode;
    LevelUpCreature(i);
    MonHp[i] = MonMaxHp[i];
    MonMp[i] = MonMaxMp[i];
    return i;
}

bool PlaceCreatures() {
    int open = 0;
    for (auto& column : MapTerrain)
        for (int code : column)
            if (ScatterGround(code)) ++open;
    int previous = 0;
    for (int g = 1; g <= 4; ++g) {
        if (g == 3) previous = 0;  // the two table-B groups are compared only with each other
        if (!((Depth > 1 || g > 2) && (Depth > 4 || g > 1))) continue;
        const bool tableA = g <= 2;
        int row = 0;
        for (int tries = 0; tries < RowTries; ++tries) {
            row = tableA ? Rand(1, 15) : Rand(1, 12);
            if (row != previous && RowAllowed(tableA, row)) break;
        }
        previous = row;
        PlaceGroup(tableA ? TableA[row - 1] : TableB[row - 1], open);
    }
    return true;
}

void ScaleCreaturesForDepth() {
    int levels = 0;
    for (int bound : {5, 11, 23, 27, 35, 42})
        if (Depth > bound) ++levels;
    if (Depth < 0) levels += 3;
    if (GameVars[VarDifficulty] == DifficultyHard) ++levels;
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonLevel[m] > 2) continue;
        for (int k = 0; k < levels; ++k) LevelUpCreature(m);
    }
}

void StalkerEvent() {
    const int notes = GameVars[VarStalkerNotes];
    if (notes < 1 || notes >= StalkerDefeated) return;
    int r = Rand(0, 100) + 5 * notes;
    for (int m = 1; m <= MonCapacity; ++m)
        if (MonKind[m] == KindThinwraith) r = 0;
    if (r <= 90) return;
    auto grassOrPlant = [](int x, int y) { return MapTerrain[x][y] == Grass || MapTerrain[x][y] == Plant; };
    bool anyCell = false;
    for (int x = 0; x <= MapMaxX && !anyCell; ++x)
        for (int y = 0; y <= MapMaxY && !anyCell; ++y) anyCell = grassOrPlant(x, y);
    // Castle levels and the special sectors have no grass or plant: every try of the
    // search would fail, so its whole bound of draws (two per try) is taken at once.
    if (!anyCell) {
        SkipRandom(4LL * SearchLimit);
        return;
    }
    int x = 0;
    int y = 0;
    if (SearchDrawnCells(0, MapMaxX, 0, MapMaxY, SearchLimit, grassOrPlant, x, y) == SearchLimit) return;
    SpawnCreature(x, y, KindThinwraith);
    PushMessage("You feel a chill...");
}
