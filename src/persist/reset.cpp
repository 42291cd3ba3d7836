#include "persist/reset.h"

#include <strings.h>

#include "core/state.h"
#include "platform/files.h"

namespace {

void ClearLayer(int (&layer)[MapWidth][MapHeight]) {
    for (auto& column : layer) {
        for (int& cell : column) cell = 0;
    }
}

}  // namespace

void ResetGame() {
    SkillPoints = 0;
    TurnCount = 0;
    Friendship = 0;
    FriendshipTimer = 0;
    XpNext = 0;
    Bits = 0;
    for (int s = 0; s < SkillSlots; ++s) {
        SkillId[s] = 0;
        SkillLevel[s] = 0;
    }
    // Every layer but the hostile distance field, which the next turn rebuilds anyway.
    ClearLayer(MapTerrain);
    ClearLayer(MapFrame);
    ClearLayer(MapSeen);
    ClearLayer(MapRegion);
    ClearLayer(MapRockfall);
    ClearLayer(MapHighlight);
    ClearLayer(MapDistHero);
    ClearLayer(MapDistHeroFree);
    ClearLayer(MapDistSkill);
    ClearLayer(MapMask);
    for (int m = 0; m < MonSlots; ++m) {
        MonKind[m] = 0;
        MonHp[m] = 0;
        MonMaxHp[m] = 0;
        MonMp[m] = 0;
        MonMaxMp[m] = 0;
        MonXp[m] = 0;
        MonLevel[m] = 0;
        for (int& status : MonStatus[m]) status = 0;
        MonDamageTaken[m] = 0;
        MonAtk[m] = MonDef[m] = MonStr[m] = MonSpd[m] = MonMag[m] = MonCon[m] = 0;
        MonAtkBonus[m] = MonDefBonus[m] = MonStrBonus[m] = MonSpdBonus[m] = MonMagBonus[m] = MonConBonus[m] = 0;
        MonMode[m] = 0;
        MonName[m].clear();
    }
    for (int g = 0; g < GroundSlots; ++g) {
        GroundItemKind[g] = 0;
        GroundItemTier[g] = 0;
        GroundItemSeed[g] = 0;
        GroundItemCount[g] = 0;
    }
    for (int i = 0; i < InvSlots; ++i) {
        InvKind[i] = 0;
        InvTier[i] = 0;
        InvSeed[i] = 0;
        InvCount[i] = 0;
    }
    // The pot is not saved, so whatever a finished run left in it would turn up in the
    // next run's pots: a new run starts with it empty.
    for (int p = 0; p < PotSlots; ++p) {
        PotKind[p] = 0;
        PotTier[p] = 0;
        PotSeed[p] = 0;
    }
    // Every entry a run can set, the castle's too (the prisoners, the treasury): a new
    // game started without leaving the program must find them as a fresh launch does.
    for (int& c : SiteCooldown) c = 0;
    for (int& v : GameVars) v = 0;
    Depth = 0;
    GameInProgress = 0;
    GameOver = 0;
    GameWon = 0;
}

namespace {

// Deletes one file of the game. What stands in its place and cannot be read as a file (a
// folder, a device, a file without read permission) may be someone's only copy of
// something: it is moved aside, never deleted.
void ClearGameFile(const std::string& name) {
    const int kind = FileKind(name);
    if (kind == 0) return;
    if (kind == 1 && CanReadFile(name)) {
        DeleteFile(name);
        return;
    }
    const std::string aside = SetFileAside(name, kind == 1 ? "it could not be read" : "it was not a file");
    if (!aside.empty()) TellPlayer(name + " could not be read. It is kept in " + AsideFolder() + ".");
}

}  // namespace

void ClearSaveFolder() {
    // The save goes first: a clearing cut short then leaves no game to load, never a
    // save whose sectors are gone. Only the files of a game go: whatever else lies in
    // World/ is the player's.
    ClearGameFile("World/savedata.dat");
    for (const std::string& name : ListFolder("World")) {
        const std::string path = "World/" + name;
        if (IsGameFile(path) && strcasecmp(name.c_str(), "savedata.dat") != 0) ClearGameFile(path);
    }
}
