#include "persist/sector.h"

#include <cstdio>
#include <vector>

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "persist/acceptance.h"
#include "persist/datafile.h"
#include "persist/savegame.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "view/fieldofview.h"
#include "view/messagelog.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"
#include "worldgen/layouts.h"
#include "worldgen/terrain.h"

namespace {

// A generated sector that fails its test is made again from the clock; the game
// would retry forever, but a player must never be left waiting on a hang.
constexpr int RegenerationLimit = 200;

// The sector file's ints in order. One list serves writing and reading.
std::vector<int*> SectorFileLayout() {
    std::vector<int*> f;
    f.reserve(SectorFileInts);
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            f.push_back(&MapTerrain[x][y]);
            f.push_back(&MapSeen[x][y]);
            f.push_back(&MapDistSkill[x][y]);
            f.push_back(&MapRegion[x][y]);
            f.push_back(&MapRockfall[x][y]);
        }
    }
    f.push_back(&SectorBiome);
    f.push_back(&SectorLayout);
    for (int m = 1; m <= MonCapacity; ++m) {
        for (int* p : {&MonKind[m], &MonAtk[m], &MonDef[m], &MonStr[m], &MonSpd[m], &MonMag[m], &MonCon[m],
                       &MonAttitude[m], &MonHp[m], &MonMaxHp[m], &MonMp[m], &MonMaxMp[m], &MonX[m], &MonY[m], &MonXp[m],
                       &MonMode[m], &MonLevel[m]})
            f.push_back(p);
        for (int s = 0; s < MonStatusCount; ++s) f.push_back(&MonStatus[m][s]);
    }
    for (int g = 0; g < GroundSlots; ++g) {
        for (int* p : {&GroundItemKind[g], &GroundItemTier[g], &GroundItemX[g], &GroundItemY[g], &GroundItemSeed[g],
                       &GroundItemCount[g]})
            f.push_back(p);
    }
    for (int s = 0; s < StoreSlots; ++s) {
        f.push_back(&StoreItemKind[s]);
        f.push_back(&StoreItemTier[s]);
        f.push_back(&StoreItemSeed[s]);
    }
    return f;
}

int Clamped(int value, int low, int high, int fallback, int& mended) {
    if (value >= low && value <= high) return value;
    ++mended;
    return fallback;
}

// Keeps every value that indexes a table inside it, so a damaged file can never make
// the game read or write out of bounds.
int MendSector() {
    int mended = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            MapTerrain[x][y] = Clamped(MapTerrain[x][y], 1, TerrainCodeCount, 2, mended);
            MapSeen[x][y] = Clamped(MapSeen[x][y], 0, 2, 0, mended);
            const int region = MapRegion[x][y];
            MapRegion[x][y] = (region >= 0 && region <= 4) || (region >= 11 && region <= 16) ? region : (++mended, 1);
            MapRockfall[x][y] = Clamped(MapRockfall[x][y], 0, 1, 0, mended);
        }
    }
    SectorBiome = Clamped(SectorBiome, 0, 10, 1, mended);
    for (int m = 1; m <= MonCapacity; ++m) {
        MonKind[m] = Clamped(MonKind[m], 0, 51, 0, mended);
        if (MonKind[m] == 1) MonKind[m] = 0, ++mended;  // only slot 0 is the hero
        MonX[m] = Clamped(MonX[m], 0, MapMaxX, 0, mended);
        MonY[m] = Clamped(MonY[m], 0, MapMaxY, 0, mended);
        MonAttitude[m] = Clamped(MonAttitude[m], 0, 3, 0, mended);
    }
    for (int g = 0; g < GroundSlots; ++g) {
        GroundItemKind[g] = Clamped(GroundItemKind[g], 0, 1000, 0, mended);
        GroundItemX[g] = Clamped(GroundItemX[g], 0, MapMaxX, 0, mended);
        GroundItemY[g] = Clamped(GroundItemY[g], 0, MapMaxY, 0, mended);
    }
    for (int s = 0; s < StoreSlots; ++s) StoreItemKind[s] = Clamped(StoreItemKind[s], 0, 1000, 0, mended);
    return mended;
}

// Generates the new sector until it passes its test (from the second try on, seeded
// from the clock, with one blank frame between tries so the clock moves on).
void GenerateAcceptedSectorInPlace() {
    RegenerateSector = 0;
    for (int attempt = 1;; ++attempt) {
        const bool built = GenerateSector();
        RegenerateSector = 0;
        const bool accepted = built && (Depth <= 0 || SectorPassesAcceptance() == 1);
        if (accepted) return;
        if (attempt >= RegenerationLimit) {
            std::fprintf(stderr, "hoofbound: sector %d failed its test %d times; keeping the last one\n", Depth, attempt);
            return;
        }
        RegenerateSector = 1;
        PresentFrame();
        ClearScreen();
    }
}

// Where the hero stands on arriving in a sector read from its file: every matching
// cell moves him, so the last match in scan order wins.
void PlaceArrivingHero(int kind) {
    auto blocked = [](int x, int y) { return !InGrid(x, y) || CellBlocked(x, y) != 0; };
    auto put = [](int x, int y) {
        if (!InGrid(x, y)) return;
        MonX[0] = x;
        MonY[0] = y;
    };
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int code = MapTerrain[x][y];
            if (code == 5 && kind == 2 && blocked(x, y - 1)) put(x, y);
            if (code == 11 && kind == 1 && blocked(x, y + 1)) put(x, y);
            if (code == 41 && kind == 2) put(x, y + 1);
            if (code == 42 && kind == 1) put(x, y - 1);
            if (code == 79) put(x, y);
            if (code == 80 && kind == 1) put(x, y);
            if (code == 81 && kind == 2) put(x, y);
        }
    }
    if (kind != -1 && kind != -2 && kind != -4) return;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int code = MapTerrain[x][y];
            if (code == 24) put(x, y + 1);
            if (code == 33 || code == 59) put(x, y - 1);
        }
    }
}

void ClearMaskAndHighlight() {
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            MapMask[x][y] = 0;
            MapHighlight[x][y] = 0;
        }
    }
}

}  // namespace

std::string SectorFileName(int depth) { return "World/Forest" + IntToText(depth) + ".flr"; }

bool WriteSector() {
    std::vector<uint8_t> bytes;
    bytes.reserve(SectorFileInts * 4);
    for (int* field : SectorFileLayout()) WriteInt(bytes, *field);
    const bool ok = WriteWholeFile(SectorFileName(Depth), bytes);
    if (!ok && InGame == 1) PushMessage(LastFileError());
    return ok;
}

bool ReadSector(std::string& message) {
    message.clear();
    IntStream stream;
    const std::string name = SectorFileName(Depth);
    if (!ReadDataFile(name, SectorFileInts * 4, SectorFileInts * 4, stream)) {
        message = "This sector's file was damaged; it has been kept aside and the sector made anew.";
        return false;
    }
    for (int* field : SectorFileLayout()) *field = ReadInt(stream);
    if (MendSector() > 0) message = "This sector's file held impossible values; they were put right.";
    for (int m = 1; m <= MonCapacity; ++m) {
        MonName[m].clear();
        if (MonKind[m] > 0) {
            CreatureKindName(MonKind[m]);
            MonName[m] = LookupName;
        }
    }
    RefreshFrames();
    if (GameVars[50] == 10) {
        for (int m = 1; m <= MonCapacity; ++m) {
            if (MonKind[m] == 41) MonKind[m] = 0;
        }
    }
    return true;
}

void GenerateNewSector() { GenerateAcceptedSectorInPlace(); }

void GrowGardenTrees() {
    int dx = -1, dy = -1;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] == 24) {
                dx = x;
                dy = y;
            }
        }
    }
    if (dx < 0) return;
    for (int k = 0; k < GardenPlots; ++k) {
        const int fruit = GlobalData[k];
        if (GlobalData[6 + k] < 600 || fruit < 101 || fruit > 106) continue;
        const int x = dx + GardenPlotOffset[k][0];
        const int y = dy + GardenPlotOffset[k][1];
        if (InGrid(x, y)) MapTerrain[x][y] = fruit - 87;
    }
    RefreshFrames();
}

void ChangeSector(int kind) {
    WriteSector();
    SaveGame();
    // The blank frame comes while Depth still names the sector being left: closing the
    // window in that frame saves the run as it stands, instead of writing the old
    // sector's tables into the file of the sector ahead.
    ClearScreen();
    EndFrame();
    switch (kind) {
        case ChangeDeeper: Depth += 1; break;
        case ChangeBack: Depth -= 1; break;
        case ChangeFairyGarden: Depth = -1; break;
        case ChangeReturn: Depth = GameVars[4]; break;
        case ChangeCrypt: Depth = -2; break;
        case ChangeTemple: Depth = -3; break;
        default: break;
    }
    bool known = FileKind(SectorFileName(Depth)) != 0;
    std::string message;
    if (known && !ReadSector(message)) {
        PushMessage(message);
        known = false;
    }
    if (!known) {
        if (Depth > 0) PushMessage("Forest Depth:" + IntToText(Depth + 1));
        MonXp[0] += 25;
        GenerateNewSector();
        ClearMaskAndHighlight();
        ComputeView();
    } else {
        if (!message.empty()) PushMessage(message);
        PlaceArrivingHero(kind);
    }
    StalkerEvent();
    ScaleCreaturesForDepth();
    if (Depth == -1) GrowGardenTrees();
    ComputeView();
    WriteSector();
    SaveGame();
}
