#include "persist/sector.h"

#include <cstdio>
#include <vector>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "persist/datafile.h"
#include "platform/files.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

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

// The first thing in the loaded sector that no generator or play can leave there, or
// empty: ground, creatures, items or a biome that do not exist, a second hero, a pile
// beyond what play can gather.
std::string ImpossibleInSector() {
    std::string why;
    const auto check = [&why](const char* what, int value, int low, int high) {
        if (why.empty()) why = OutsideRange(what, value, low, high);
    };
    for (int x = 0; x <= MapMaxX && why.empty(); ++x) {
        for (int y = 0; y <= MapMaxY; ++y) check("a terrain code", MapTerrain[x][y], 1, TerrainCodeCount);
    }
    check("the biome", SectorBiome, 0, 10);
    for (int m = 1; m <= MonCapacity; ++m) {
        check("a creature's kind", MonKind[m], KindNone, KindLast);
        if (why.empty() && MonKind[m] == KindHero) why = "a second hero stands in slot " + std::to_string(m);
    }
    for (int g = 0; g < GroundSlots; ++g) {
        check("an item on the ground", GroundItemKind[g], ItemNone, FoodLastId);
        check("a count on the ground", GroundItemCount[g], 0, MostOfOneItem);
    }
    for (int s = 0; s < StoreSlots; ++s) check("an item for sale", StoreItemKind[s], ItemNone, FoodLastId);
    return why;
}

// Keeps every value that indexes a table inside it, so a damaged file can never make
// the game read or write out of bounds: what was seen, the regions, the rockfall marks
// and the positions of creatures and items.
int MendSector() {
    int mended = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            MapSeen[x][y] = Clamped(MapSeen[x][y], 0, 2, 0, mended);
            const int region = MapRegion[x][y];
            MapRegion[x][y] = (region >= 0 && region <= 4) || (region >= 11 && region <= 16) ? region : (++mended, 1);
            MapRockfall[x][y] = Clamped(MapRockfall[x][y], 0, 1, 0, mended);
        }
    }
    for (int m = 1; m <= MonCapacity; ++m) {
        MonX[m] = Clamped(MonX[m], 0, MapMaxX, 0, mended);
        MonY[m] = Clamped(MonY[m], 0, MapMaxY, 0, mended);
        MonAttitude[m] = Clamped(MonAttitude[m], AttitudeHostile, AttitudeAlly, AttitudeHostile, mended);
        // What fights, levels up and gives experience is kept where play's sums fit an int,
        // with room to grow, so a sector saved after play loads again.
        for (int* points : {&MonHp[m], &MonMaxHp[m], &MonMp[m], &MonMaxMp[m]})
            *points = Clamped(*points, -MostHitPoints, MostHitPoints, *points < 0 ? -MostHitPoints : MostHitPoints, mended);
        for (int* stat : {&MonAtk[m], &MonDef[m], &MonStr[m], &MonSpd[m], &MonMag[m], &MonCon[m]})
            *stat = Clamped(*stat, -MostStat, MostStat, *stat < 0 ? -MostStat : MostStat, mended);
        MonXp[m] = Clamped(MonXp[m], 0, MostCreatureXp, MonXp[m] < 0 ? 0 : MostCreatureXp, mended);
        MonLevel[m] = Clamped(MonLevel[m], 0, MostCreatureLevel, MonLevel[m] < 0 ? 0 : MostCreatureLevel, mended);
        for (int& status : MonStatus[m]) status = Clamped(status, -MostTurns, MostTurns, status < 0 ? -MostTurns : MostTurns, mended);
    }
    for (int g = 0; g < GroundSlots; ++g) {
        GroundItemX[g] = Clamped(GroundItemX[g], 0, MapMaxX, 0, mended);
        GroundItemY[g] = Clamped(GroundItemY[g], 0, MapMaxY, 0, mended);
    }
    return mended;
}

// What the log says of a damaged sector file: where it went, or that it could not be
// moved (then the next save replaces it).
std::string SectorKeptAsideMessage(const std::string& name) {
    if (FileKind(name) == 0) return "This sector's file was damaged; it is kept in " + AsideFolder() + ".";
    return "This sector's file was damaged and could not be moved aside; the sector was made anew.";
}

}  // namespace

std::string SectorFileName(int depth) { return "World/Forest" + IntToText(depth) + ".flr"; }

bool WriteSectorFile() {
    std::vector<uint8_t> bytes;
    bytes.reserve(SectorFileInts * 4);
    for (int* field : SectorFileLayout()) WriteInt(bytes, *field);
    return WriteWholeFile(SectorFileName(Depth), bytes);
}

bool WriteSector() {
    const bool ok = WriteSectorFile();
    if (!ok && InGame == 1) PushMessage(LastFileError());
    return ok;
}

bool ReadSector(std::string& message) {
    message.clear();
    IntStream stream;
    const std::string name = SectorFileName(Depth);
    switch (ReadDataFile(name, SectorFileInts * 4, SectorFileInts * 4, stream)) {
        case DataMissing: message = "This sector's file was missing; the sector was made anew."; return false;
        case DataDamaged: message = SectorKeptAsideMessage(name); return false;
        case DataRead: break;
    }
    for (int* field : SectorFileLayout()) *field = ReadInt(stream);
    // A sector no game could have left is kept aside whole rather than patched into a
    // sector without a way on; the caller makes a new one in its place.
    const std::string impossible = ImpossibleInSector();
    if (!impossible.empty()) {
        for (int* field : SectorFileLayout()) *field = 0;  // nothing of it lingers in the new sector
        SetDamagedFileAside(name, impossible);
        message = SectorKeptAsideMessage(name);
        return false;
    }
    if (MendSector() > 0) message = "This sector's file held impossible values; they were put right.";
    for (int m = 1; m <= MonCapacity; ++m) {
        MonName[m].clear();
        if (MonKind[m] > 0) {
            CreatureKindName(MonKind[m]);
            MonName[m] = LookupName;
        }
    }
    RefreshFrames();
    if (GameVars[VarStalkerNotes] == StalkerDefeated) {
        for (int m = 1; m <= MonCapacity; ++m) {
            if (MonKind[m] == KindThinwraith) MonKind[m] = KindNone;
        }
    }
    return true;
}
