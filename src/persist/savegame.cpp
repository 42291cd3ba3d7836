#include "persist/savegame.h"

#include <limits>
#include <vector>

#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/skills.h"
#include "persist/datafile.h"
#include "persist/globals.h"
#include "persist/heroes.h"
#include "persist/reset.h"
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
    if (mended.find(what) == std::string::npos) mended += (mended.empty() ? "" : ", ") + std::string(what);
    value = value < low ? low : high;
}

// Values that play adds to or multiplies are brought inside bounds that leave play room
// to grow: a save past them cannot come from a game, and the sums that follow would
// overflow, or carry the value past the bound so that the next save came back refused.
// Put right (not refused), so a save written after play from the bound loads again.
void MendPlayRanges(std::string& mended) {
    MendRange(TurnCount, 0, MostTurns, "turn count", mended);
    MendRange(MonXp[0], 0, MostHeroXp, "experience", mended);
    MendRange(MonHp[0], 1, MostHitPoints, "hit points", mended);
    MendRange(MonMaxHp[0], 1, MostHitPoints, "hit points", mended);
    MendRange(MonMp[0], -MostHitPoints, MostHitPoints, "magic points", mended);
    MendRange(MonMaxMp[0], -MostHitPoints, MostHitPoints, "magic points", mended);
    for (int* stat : {&MonStr[0], &MonSpd[0], &MonAtk[0], &MonDef[0], &MonMag[0], &MonCon[0]})
        MendRange(*stat, -MostStat, MostStat, "statistics", mended);
    for (int* timer : {&Friendship, &FriendshipTimer, &FullStomachTimer})
        MendRange(*timer, -MostTurns, MostTurns, "timers", mended);
    for (int s = 0; s < MonStatusCount; ++s) MendRange(MonStatus[0][s], -MostTurns, MostTurns, "statuses", mended);
    for (int c = 0; c < SiteCooldownKept; ++c) MendRange(SiteCooldown[c], -MostTurns, MostTurns, "cooldowns", mended);
    for (int g = 0; g < GameVarCount; ++g) MendRange(GameVars[g], -MostTurns, MostTurns, "run variables", mended);
    // Sites multiply the notes read about the Thinwraith; there are never more than ten.
    MendRange(GameVars[VarStalkerNotes], 0, StalkerDefeated, "run variables", mended);
}

// The first thing in the loaded save that no run can reach, or empty when it can be a
// game: a dead or levelless hero, a sector outside the quest, a hero, quest, difficulty,
// item or skill that does not exist, a count or purse beyond what play can gather.
std::string ImpossibleInSave() {
    if (MonHp[0] <= 0) return "the hero's hit points are " + std::to_string(MonHp[0]);
    if (MonMaxHp[0] <= 0) return "the hero's most hit points are " + std::to_string(MonMaxHp[0]);
    std::string why;
    const auto check = [&why](const char* what, int value, int low, int high) {
        if (why.empty()) why = OutsideRange(what, value, low, high);
    };
    check("the hero's level", MonLevel[0], 1, HighestHeroLevel);
    check("the hero", HeroId, HeroQuenbyArlo, HeroMellowen);
    check("the depth", Depth, LowestDepth, DeepestDepth);
    check("the depth to return to", GameVars[VarReturnDepth], LowestDepth, DeepestDepth);
    check("the quest", GameVars[VarScenario], ScenarioForest, ScenarioCastle);
    check("the difficulty", GameVars[VarDifficulty], DifficultyEasy, DifficultyHard);
    check("the bits", Bits, 0, MostBits);
    check("the skill points", SkillPoints, 0, MostSkillPoints);
    check("the experience", MonXp[0], 0, std::numeric_limits<int>::max());
    check("the experience for the next level", XpNext, 0, std::numeric_limits<int>::max());
    check("the turn count", TurnCount, 0, std::numeric_limits<int>::max());
    for (int i = 0; i < InvSlots; ++i) {
        check("an item in the satchel", InvKind[i], ItemNone, FoodLastId);
        check("a count in the satchel", InvCount[i], 0, MostOfOneItem);
    }
    for (int s = 0; s < SkillSlots; ++s) check("a skill", SkillId[s], SkillNone, SkillIdCount);
    return why;
}

// A refused save takes its sectors with it out of World/, so that neither a new game nor
// a scored ending clears them: the player can look at the run, or mend it. Says where.
std::string SetRefusedRunAside(const std::string& why) {
    const bool saveMoved = FileKind(SaveFile) == 0;
    for (const std::string& name : ListFolder("World")) {
        const std::string path = "World/" + name;
        if (IsGameFile(path)) SetFileAside(path, "a sector of the refused save (" + why + ")");
    }
    std::string message = "The saved game could not be loaded (" + why + ").";
    if (saveMoved) message += " It is kept, with its sectors, in " + AsideFolder() + ".";
    return message;
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
    std::string why;
    switch (ReadDataFile(SaveFile, SaveGameInts * 4, SaveGameInts * 4, stream, &why)) {
        case DataMissing: message = "There is no saved game to load."; return false;
        case DataDamaged: message = SetRefusedRunAside(why); return false;
        case DataRead: break;
    }
    for (int* field : SaveLayout()) {
        const int value = ReadInt(stream);
        if (field) *field = value;
    }
    // A save no run could have written is damaged, not a game: a dead hero would be
    // scored as a death and take World/ with him, so it is refused before play.
    const std::string impossible = ImpossibleInSave();
    if (!impossible.empty()) {
        SetDamagedFileAside(SaveFile, impossible);
        message = SetRefusedRunAside(impossible);
        ResetGame();
        return false;
    }
    // Values that index tables are kept inside them, so a damaged save can never make
    // the game read or write out of bounds.
    std::string mended;
    MendRange(MonX[0], 0, MapMaxX, "position", mended);
    MendRange(MonY[0], 0, MapMaxY, "position", mended);
    MendRange(InvCapacity, 0, InvSlots - 1, "inventory size", mended);
    for (int e = 0; e < EquipSlots; ++e) MendRange(Equip[e], -1, InvSlots - 1, "equipment", mended);
    for (int s = 0; s < SkillSlots; ++s) MendRange(SkillLevel[s], 0, SkillMaxLevel, "skill levels", mended);
    MendPlayRanges(mended);
    for (int e = 0; e < EquipSlots; ++e) {
        EquipReservedA[e] = 0;
        EquipReservedB[e] = 0;
    }
    MonKind[0] = KindHero;
    MonName[0] = HeroName(HeroId);
    if (!mended.empty()) message = "The saved game held impossible values (" + mended + "); they were put right.";
    return true;
}

bool ReadSaveGameFile(const std::string& path, std::string& reason) {
    reason.clear();
    IntStream stream;
    std::string why;
    // Only a regular file is read, and no more of it than a save holds, so a pipe or a
    // device given as a save neither blocks nor fills the memory.
    if (!ReadRegularFile(path, SaveGameInts * 4 + 1, stream.bytes, why)) {
        reason = path + ": " + why;
        return false;
    }
    if (stream.bytes.size() != static_cast<size_t>(SaveGameInts) * 4) {
        reason = path + ": " + std::to_string(stream.bytes.size()) + " bytes instead of " +
                 std::to_string(SaveGameInts * 4) + ", so it is not a save game";
        return false;
    }
    for (int* field : SaveLayout()) {
        const int value = ReadInt(stream);
        if (field) *field = value;
    }
    const std::string impossible = ImpossibleInSave();
    if (!impossible.empty()) {
        reason = path + ": damaged (" + impossible + ")";
        return false;
    }
    return true;
}

bool WriteSeedRecord() {
    std::vector<uint8_t> bytes;
    WriteInt(bytes, WorldSeed);
    return WriteWholeFile("prevseed.dat", bytes);
}

bool SaveRun() {
    // One save: the hero and the sector he stands in must come back from the same moment,
    // or a reload would give back what he picked up since, or lose it.
    BeginFileGroup();
    WriteSectorFile();
    SaveGame();
    const bool ok = CommitFileGroup();
    if (!ok && InGame == 1) {
        PushMessage(LastFileError());
        PushMessage("The game was not saved; the last save is kept.");
    }
    return ok;
}

bool SaveRunBeforeQuit() { return SaveRun(); }
