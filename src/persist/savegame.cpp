#include "persist/savegame.h"

#include <vector>

#include "core/run_vars.h"
#include "core/state.h"
#include "items/skills.h"
#include "persist/datafile.h"
#include "persist/globals.h"
#include "persist/heroes.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "worldgen/creatures.h"

namespace {

const char* const SaveFile = "World/savedata.dat";

// The save game's ints in file order; a null entry is a reserved int, written as 0
// and ignored when read. One list serves writing and reading, so the two cannot drift.
std::vector<int*> SaveLayout() {
    std::vector<int*> f;
    f.reserve(SaveGameInts);
    f.push_back(&TurnCount);
    for (int* p : {&MonX[0], &MonY[0], &MonHp[0], &MonMaxHp[0], &MonMp[0], &MonMaxMp[0], &MonXp[0], &MonLevel[0],
                   &MonStr[0], &MonSpd[0], &MonAtk[0], &MonDef[0], &MonMag[0], &MonCon[0]})
        f.push_back(p);
    for (int* p : {&XpNext, &Friendship, &FriendshipTimer, &FullStomachTimer, &Bits, &InvCapacity, &WorldSeed, &Depth,
                   &SkillPoints, &HeroId, &LastPlayerX, &LastPlayerY, &LastPlayerTerrain})
        f.push_back(p);
    for (int i = 0; i < InvSlots; ++i) {
        f.push_back(&InvKind[i]);
        f.push_back(&InvTier[i]);
        f.push_back(&InvSeed[i]);
        f.push_back(&InvCount[i]);
    }
    for (int e = 0; e < EquipSlots; ++e) {
        f.push_back(&Equip[e]);
        f.push_back(nullptr);
        f.push_back(nullptr);
    }
    for (int s = 0; s < SkillSlots; ++s) {
        f.push_back(&SkillId[s]);
        f.push_back(&SkillLevel[s]);
    }
    for (int s = 0; s < MonStatusCount; ++s) f.push_back(&MonStatus[0][s]);
    for (int c = 0; c < SiteCooldownKept; ++c) f.push_back(&SiteCooldown[c]);
    for (int g = 0; g < GameVarCount; ++g) f.push_back(&GameVars[g]);
    return f;
}

// Keeps a value inside [low, high]; says so in `mended` when it had to.
void MendRange(int& value, int low, int high, const char* what, std::string& mended) {
    if (value >= low && value <= high) return;
    mended += (mended.empty() ? "" : ", ") + std::string(what);
    value = value < low ? low : high;
}

}  // namespace

bool SaveGame() {
    std::vector<uint8_t> bytes;
    for (int* field : SaveLayout()) WriteInt(bytes, field ? *field : 0);
    bool ok = WriteWholeFile(SaveFile, bytes);
    ok = WriteGlobalData() && ok;
    ok = WriteRecipeBook() && ok;
    return ok;
}

bool LoadGame(std::string& message) {
    message.clear();
    IntStream stream;
    if (!ReadDataFile(SaveFile, SaveGameInts * 4, SaveGameInts * 4, stream)) {
        if (FileSize(SaveFile) == -1 && FileSize(std::string(SaveFile) + ".damaged") != -1) {
            message = "The saved game was damaged and could not be loaded. It has been kept aside in the World folder.";
        } else {
            message = "There is no saved game to load.";
        }
        return false;
    }
    for (int* field : SaveLayout()) {
        const int value = ReadInt(stream);
        if (field) *field = value;
    }
    // Values that index tables are kept inside them, so a damaged save can never make
    // the game read or write out of bounds.
    std::string mended;
    MendRange(MonX[0], 0, MapMaxX, "position", mended);
    MendRange(MonY[0], 0, MapMaxY, "position", mended);
    MendRange(HeroId, HeroQuenbyArlo, HeroMellowen, "hero", mended);
    MendRange(InvCapacity, 0, InvSlots - 1, "inventory size", mended);
    for (int e = 0; e < EquipSlots; ++e) MendRange(Equip[e], -1, InvSlots - 1, "equipment", mended);
    for (int s = 0; s < SkillSlots; ++s) {
        MendRange(SkillId[s], SkillNone, SkillIdCount, "skills", mended);
        MendRange(SkillLevel[s], 0, SkillMaxLevel, "skill levels", mended);
    }
    for (int i = 0; i < InvSlots; ++i) {
        MendRange(InvKind[i], 0, 1000, "items", mended);
        MendRange(InvCount[i], 0, 1000000, "item counts", mended);
    }
    for (int e = 0; e < EquipSlots; ++e) {
        EquipReservedA[e] = 0;
        EquipReservedB[e] = 0;
    }
    MonKind[0] = KindHero;
    MonName[0] = HeroName(HeroId);
    if (!mended.empty()) message = "The saved game held impossible values (" + mended + "); they were put right.";
    return true;
}

bool WriteSeedRecord() {
    std::vector<uint8_t> bytes;
    WriteInt(bytes, WorldSeed);
    return WriteWholeFile("prevseed.dat", bytes);
}

void SaveRunBeforeQuit() {
    SaveGame();
    WriteSector();
}
