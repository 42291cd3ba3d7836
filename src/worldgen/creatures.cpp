#include "worldgen/creatures.h"

#include <array>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "worldgen/levelup.h"
#include "core/messagelog.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

// The creature catalogue, one row per kind.
//   kind  name  attitude  flies  mode  extra levels
constexpr std::array<CreatureKindInfo, 50> Kinds{{
    {2, "NIBBLIT", 0, true, 0, 0},
    {3, "PRINCESS NOCTESSA", 1, false, 0, 0},
    {4, "OMBASI", 1, false, 0, 0},
    {5, "WASP", 2, true, 0, 0},
    {6, "SNAKE", 0, false, 0, 0},
    {7, "BUNNY", 2, false, 0, 0},
    {8, "RAT", 0, false, 0, 0},  // neutral on a coin toss at spawn
    {9, "SHADE", 0, false, 0, 0},
    {10, "CHANGELING", 0, false, 0, 0},
    {11, "SCORPION", 0, false, 0, 0},
    {12, "TIMBER WOLF", 0, false, 1, 0},
    {13, "TREELEPHANT", 2, false, 0, 0},
    {14, "BEAVER", 2, false, 0, 0},
    {15, "CERBERUS", 0, false, 1, 0},
    {16, "WOLF", 0, false, 0, 0},
    {17, "SPIDER", 0, false, 0, 0},
    {18, "G SPIDER", 0, false, 0, 0},
    {19, "TROLL", 1, false, 0, 0},
    {20, "FAIRY", 1, false, 0, 0},
    {21, "HYDRA", 0, false, 0, 0},
    {22, "OGRE", 0, false, 0, 0},
    {23, "BAT", 0, true, 0, 0},
    {24, "COCKATRICE", 0, false, 0, 0},
    {25, "WOBBIN PIP", 1, false, 0, 0},
    {26, "SALES GRIFFON", 1, false, 0, 0},
    {27, "GRUBBIN", 1, false, 0, 0},      // mode 1..3 from its huts
    {28, "SEAHOOFLING", 1, false, 0, 0},  // mode 1..3 from its pond
    {29, "DRYBONES", 0, false, 0, 0},
    {30, "TREEMONSTER", 0, false, 0, 0},
    {31, "DOE", 1, false, 0, 0},   // mode 1..3 from its clearing
    {32, "BUCK", 1, false, 0, 0},  // mode 1..3 from its clearing
    {33, "ZOQUIRAL", 0, false, 0, 0},
    {34, "BEAR", 2, false, 0, 0},
    {35, "MANTICORE", 0, false, 0, 0},  // neutral to Mellowen
    {36, "PANTHER", 0, false, 0, 0},
    {37, "FRUIT BAT", 2, true, 0, 0},
    {38, "GEM HOUND", 0, false, 0, 0},
    {39, "A.GEM HOUND", 0, false, 0, 0},
    {40, "CLOCKWICK", 1, false, 0, 0},
    {41, "THINWRAITH", 0, false, 0, 2},
    {42, "TEEN DRAGON", 0, false, 0, 0},
    {43, "CROCODILE", 0, false, 0, 0},
    {44, "BRAVA VENN", 1, false, 0, 0},
    {45, "SKARNIX", 0, false, 0, 2},
    {46, "VORGATH", 0, false, 0, 4},
    {47, "NOUGETTE", 1, false, 0, 0},
    {48, "HARPELLA", 1, false, 0, 0},
    {49, "MARNELLA", 1, false, 0, 0},
    {50, "PEARLWICK", 1, false, 0, 0},
    {51, "BURLO", 1, false, 0, 0},
}};
static_assert(Kinds.size() == 50, "creature kinds 2..51");
constexpr bool KindsInOrder() {
    for (size_t i = 0; i < Kinds.size(); ++i)
        if (Kinds[i].kind != static_cast<int>(i) + 2) return false;
    return true;
}
static_assert(KindsInOrder(), "row i holds kind i + 2");

constexpr int KindThinwraith = 41;
constexpr int KindGemHound = 38;
constexpr int KindGemHoundMember = 39;
constexpr int HeroMellowen = 6;

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
    {2, 0, 35, Style::Scatter},
    {19, 1, 0, Style::Bridge},  // only in the river layout
    {12, 0, 25, Style::Ambush},
    {21, 1, 0, Style::Scatter},
    {22, 0, 30, Style::Scatter},
    {24, 1, 0, Style::Scatter},
    {9, 0, 40, Style::Scatter},
    {10, 0, 35, Style::Scatter},
    {13, 0, 40, Style::Scatter},
    {15, 1, 0, Style::Scatter},
    {33, 1, 0, Style::Scatter},
    {35, 1, 0, Style::Scatter},
    {37, 0, 40, Style::Scatter},
    {KindGemHound, 0, 40, Style::PackWithMembers},
    {42, 3, 0, Style::Scatter},
}};

constexpr std::array<GroupRow, 12> TableB{{
    {5, 0, 30, Style::Scatter},
    {6, 0, 25, Style::Scatter},
    {7, 0, 25, Style::Scatter},
    {8, 0, 25, Style::Scatter},
    {11, 0, 35, Style::Scatter},
    {14, 0, 35, Style::Scatter},  // not in the river or lake layouts
    {17, 0, 30, Style::Scatter},
    {18, 0, 30, Style::Scatter},
    {16, 0, 30, Style::Pack},
    {23, 0, 30, Style::Scatter},
    {34, 0, 45, Style::Scatter},
    {36, 0, 45, Style::Scatter},
}};

constexpr int StyleTries = 9001;
constexpr int RowTries = 9001;

// Ground a scattered creature may stand on (the open floors of forests and castles).
bool ScatterGround(int code) {
    switch (code) {
        case 2: case 4: case 10: case 35: case 43: case 67: case 82: return true;
        default: return false;
    }
}

bool FarFromHero(int x, int y) { return Distance(x, y, MonX[0], MonY[0]) >= 4; }

// The styles look at terrain codes and distances only, never at who stands where.
bool OpenByCode(int x, int y) { return InGrid(x, y) && Terrain(MapTerrain[x][y]).openGround; }

bool AmbushCell(int x, int y) {
    return MapTerrain[x][y] == 1 &&
           (OpenByCode(x, y - 1) || OpenByCode(x, y + 1) || OpenByCode(x - 1, y) || OpenByCode(x + 1, y)) &&
           FarFromHero(x, y);
}

bool RowAllowed(bool tableA, int row) {
    const int layout = SectorLayout;
    if (tableA && row == 2) return layout == 4;
    if (!tableA && row == 6) return layout != 4 && layout != 5;
    return true;
}

void PlaceGroup(const GroupRow& row, int open) {
    const int count = row.perOpen > 0 ? open / row.perOpen : row.fixed;
    if (row.style == Style::Bridge) {
        int bx = -1;
        int by = -1;
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                if (MapTerrain[x][y] == 4) {
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
            if (row.style == Style::PackWithMembers && leaderPlaced && Rand(0, 100) < 71) kind = KindGemHoundMember;
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
    if (kind < 2 || kind > 51) return nullptr;
    return &Kinds[kind - 2];
}

void CreatureKindName(int kind) {
    if (const CreatureKindInfo* info = CreatureKind(kind)) LookupName = info->name;
}

int SpawnCreature(int x, int y, int kind) {
    int i = NoCreatureSlot;
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] == 0) {
            i = m;
            break;
        }
    }
    if (i == NoCreatureSlot) return NoCreatureSlot;
    if (kind >= 0) {
        // Only the first ten statuses start afresh; the rest stay as the slot had them.
        for (int s = 0; s <= 9; ++s) MonStatus[i][s] = 0;
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
    MonAttitude[i] = 0;
    MonMode[i] = 0;
    const CreatureKindInfo* info = CreatureKind(kind);
    if (info != nullptr && info->flies) MonStatus[i][StatusFlying] = 1000;
    if (info != nullptr) MonAttitude[i] = info->attitude;
    if (kind == 8 && Rand(0, 100) > 50) MonAttitude[i] = 2;
    if (kind == 35 && HeroId == HeroMellowen) MonAttitude[i] = 2;
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
    if (GameVars[47] == 2) ++levels;
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonLevel[m] > 2) continue;
        for (int k = 0; k < levels; ++k) LevelUpCreature(m);
    }
}

void StalkerEvent() {
    const int notes = GameVars[50];
    if (notes < 1 || notes > 9) return;
    int r = Rand(0, 100) + 5 * notes;
    for (int m = 1; m <= MonCapacity; ++m)
        if (MonKind[m] == KindThinwraith) r = 0;
    if (r <= 90) return;
    for (int tries = 0; tries < SearchLimit; ++tries) {
        const int x = Rand(0, 44);
        const int y = Rand(0, 35);
        if (MapTerrain[x][y] != 2 && MapTerrain[x][y] != 10) continue;
        SpawnCreature(x, y, KindThinwraith);
        PushMessage("You feel a chill...");
        return;
    }
}
