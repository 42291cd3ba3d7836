#include "rules/sector_change.h"

#include <cstdio>
#include <string>

#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/food.h"
#include "persist/savegame.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/fieldofview.h"
#include "worldgen/acceptance.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"
#include "worldgen/layouts.h"
#include "worldgen/terrain.h"

namespace {

// A generated sector that fails its test is made again from the clock; the game
// would retry forever, but a player must never be left waiting on a hang.
int RegenerationLimit = 200;

// Generates the new sector until it passes its test (from the second try on, seeded
// from the clock, with one blank frame between tries so the clock moves on). Past the
// limit a finished sector is kept even if it fails its test; an attempt whose search
// ran out is never kept, as it may lack its ways in and out and still hold the
// generator's keep-out marks, which no sector file may hold. Only if no attempt at all
// finishes within twice the limit are the marks lifted from the last one.
void GenerateAcceptedSectorInPlace() {
    RegenerateSector = 0;
    for (int attempt = 1;; ++attempt) {
        const bool built = GenerateSector();
        RegenerateSector = 0;
        const bool accepted = built && (Depth <= 0 || SectorPassesAcceptance() == 1);
        if (accepted) return;
        if (built && attempt >= RegenerationLimit) {
            std::fprintf(stderr, "hoofbound: sector %d failed its test %d times; keeping the last one\n", Depth,
                         attempt);
            return;
        }
        if (attempt >= 2 * RegenerationLimit) {
            std::fprintf(stderr, "hoofbound: sector %d could not be finished in %d tries (%s)\n", Depth, attempt,
                         SectorGenFailure.c_str());
            LiftReservedMarks();
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
            if (code == Exit && kind == ChangeBack && blocked(x, y - 1)) put(x, y);
            if (code == Entrance && kind == ChangeDeeper && blocked(x, y + 1)) put(x, y);
            if (code == CastlePathOnward && kind == ChangeBack) put(x, y + 1);
            if (code == CastlePathBack && kind == ChangeDeeper) put(x, y - 1);
            if (code == ArrivalPortal) put(x, y);
            if (code == StairsDown && kind == ChangeDeeper) put(x, y);
            if (code == StairsUp && kind == ChangeBack) put(x, y);
        }
    }
    if (kind != ChangeFairyGarden && kind != ChangeReturn && kind != ChangeTemple) return;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int code = MapTerrain[x][y];
            if (code == FairyDoor) put(x, y + 1);
            if (code == StairsOut || code == StairsToForest) put(x, y - 1);
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

void GenerateNewSector() { GenerateAcceptedSectorInPlace(); }

void SetRegenerationLimit(int tries) { RegenerationLimit = tries < 1 ? 1 : tries; }

void GrowGardenTrees() {
    int dx = -1, dy = -1;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] == FairyDoor) {
                dx = x;
                dy = y;
            }
        }
    }
    if (dx < 0) return;
    for (int k = 0; k < GardenPlots; ++k) {
        const int fruit = GlobalData[GlobalGardenPlotFirst + k];
        if (GlobalData[GlobalGardenGrowthFirst + k] < 600 || !IsFruit(fruit)) continue;
        const int x = dx + GardenPlotOffset[k][0];
        const int y = dy + GardenPlotOffset[k][1];
        // The fruit trees stand in the order of their fruits.
        if (InGrid(x, y)) MapTerrain[x][y] = AppleTree + (fruit - ItemApple);
    }
    RefreshFrames();
}

void ChangeSector(int kind) {
    SaveRun();
    // The blank frame comes while Depth still names the sector being left: closing the
    // window in that frame saves the run as it stands, instead of writing the old
    // sector's tables into the file of the sector ahead.
    ClearScreen();
    EndFrame();
    if (QuitRequested()) return;
    switch (kind) {
        case ChangeDeeper: Depth += 1; break;
        case ChangeBack: Depth -= 1; break;
        case ChangeFairyGarden: Depth = DepthFairyGarden; break;
        case ChangeReturn: Depth = GameVars[VarReturnDepth]; break;
        case ChangeCrypt: Depth = DepthCrypt; break;
        case ChangeTemple: Depth = DepthTemple; break;
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
    if (Depth == DepthFairyGarden) GrowGardenTrees();
    ComputeView();
    SaveRun();
}
