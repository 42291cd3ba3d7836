#include "core/loop/dump.h"

#include <cstdio>
#include <sstream>

#include "core/random.h"
#include "core/loop/startup.h"
#include "core/state.h"
#include "worldgen/terrain.h"

namespace {

// Every int scalar, in the order the state tables list them.
const struct {
    const char* name;
    const int* value;
} IntScalars[] = {
    {"HeroId", &HeroId},
    {"Bits", &Bits},
    {"Friendship", &Friendship},
    {"FriendshipTimer", &FriendshipTimer},
    {"XpNext", &XpNext},
    {"SkillPoints", &SkillPoints},
    {"InvCapacity", &InvCapacity},
    {"FullStomachTimer", &FullStomachTimer},
    {"TurnCount", &TurnCount},
    {"WorldSeed", &WorldSeed},
    {"Depth", &Depth},
    {"LastPlayerX", &LastPlayerX},
    {"LastPlayerY", &LastPlayerY},
    {"LastPlayerTerrain", &LastPlayerTerrain},
    {"SectorBiome", &SectorBiome},
    {"SectorLayout", &SectorLayout},
    {"GameOver", &GameOver},
    {"GameWon", &GameWon},
    {"GameInProgress", &GameInProgress},
    {"InGame", &InGame},
    {"QuitArmed", &QuitArmed},
    {"TurnTaken", &TurnTaken},
    {"UiMode", &UiMode},
    {"DialogueState", &DialogueState},
    {"DialogueStep", &DialogueStep},
    {"DialogueCreature", &DialogueCreature},
    {"DialogueCellX", &DialogueCellX},
    {"DialogueCellY", &DialogueCellY},
    {"AttackerSlot", &AttackerSlot},
    {"DefenderSlot", &DefenderSlot},
    {"FlyerMoveTest", &FlyerMoveTest},
    {"ActiveSkillSlot", &ActiveSkillSlot},
    {"HelpSkillSlot", &HelpSkillSlot},
    {"AimPhase", &AimPhase},
    {"IgnoreCreaturesOnce", &IgnoreCreaturesOnce},
    {"InputDelay", &InputDelay},
    {"MenuCursor", &MenuCursor},
    {"InvCursor", &InvCursor},
    {"TargetX", &TargetX},
    {"TargetY", &TargetY},
    {"CameraX", &CameraX},
    {"CameraY", &CameraY},
    {"MouseTileX", &MouseTileX},
    {"MouseTileY", &MouseTileY},
    {"HoverMonster", &HoverMonster},
    {"HoverTerrain", &HoverTerrain},
    {"HoverItem", &HoverItem},
    {"HoverItemSource", &HoverItemSource},
    {"ItemUnderHero", &ItemUnderHero},
    {"HoverSkill", &HoverSkill},
    {"HoverTopic", &HoverTopic},
    {"PanelSwap", &PanelSwap},
    {"LevelUpAnim", &LevelUpAnim},
    {"WaterFrame", &WaterFrame},
    {"WaterTick", &WaterTick},
    {"RegenerateSector", &RegenerateSector},
    {"ApplyItemMods", &ApplyItemMods},
    {"ScreenWidth", &ScreenWidth},
    {"ScreenHeight", &ScreenHeight},
    {"DebugText", &DebugText},
};

const struct {
    const char* name;
    const std::string* value;
} TextScalars[] = {
    {"DeathMessage", &DeathMessage},
    {"LookupName", &LookupName},
    {"LookupText", &LookupText},
    {"LookupText2", &LookupText2},
};

// The hero's own fields, written as Name[0].
const struct {
    const char* name;
    const int* table;
} HeroFields[] = {
    {"MonKind", MonKind},         {"MonX", MonX},         {"MonY", MonY},
    {"MonHp", MonHp},             {"MonMaxHp", MonMaxHp}, {"MonMp", MonMp},
    {"MonMaxMp", MonMaxMp},       {"MonXp", MonXp},       {"MonLevel", MonLevel},
    {"MonAtk", MonAtk},           {"MonDef", MonDef},     {"MonStr", MonStr},
    {"MonSpd", MonSpd},           {"MonMag", MonMag},     {"MonCon", MonCon},
    {"MonAtkBonus", MonAtkBonus}, {"MonDefBonus", MonDefBonus}, {"MonStrBonus", MonStrBonus},
    {"MonSpdBonus", MonSpdBonus}, {"MonMagBonus", MonMagBonus}, {"MonConBonus", MonConBonus},
    {"MonAttitude", MonAttitude}, {"MonMode", MonMode},   {"MonDamageTaken", MonDamageTaken},
};

void Array(std::ostringstream& out, const char* name, const int* table, int count) {
    for (int i = 0; i < count; ++i) out << name << '[' << i << "] " << table[i] << '\n';
}

}  // namespace

std::string StateDumpText() {
    std::ostringstream out;
    out << "MapMaxX " << MapMaxX << '\n' << "MapMaxY " << MapMaxY << '\n';
    for (const auto& s : IntScalars) out << s.name << ' ' << *s.value << '\n';
    for (const auto& s : TextScalars) out << s.name << ' ' << *s.value << '\n';
    out << "DistanceResult " << DistanceResult << '\n';
    out << "TitleScroll " << TitleScroll() << '\n' << "TitleFade " << TitleFade() << '\n';
    Array(out, "GameVars", GameVars, GameVarCount);
    Array(out, "GlobalData", GlobalData, GlobalDataCount);
    Array(out, "Equip", Equip, EquipSlots);
    Array(out, "SkillId", SkillId, SkillSlots);
    Array(out, "SkillLevel", SkillLevel, SkillSlots);
    for (int i = 0; i <= MessageLogNewest; ++i) out << "MessageLog[" << i << "] " << MessageLog[i] << '\n';
    out << "MonName[0] " << MonName[0] << '\n';
    for (const auto& f : HeroFields) out << f.name << "[0] " << f.table[0] << '\n';
    for (int s = 0; s < MonStatusCount; ++s) out << "MonStatus[0," << s << "] " << MonStatus[0][s] << '\n';
    for (int t = 0; t < HighScoreTables; ++t) {
        for (int r = 0; r < HighScoreRanks; ++r) {
            out << "HighScoreValue[" << r << ',' << t << "] " << HighScoreValue[r][t] << '\n';
            out << "HighScoreName[" << r << ',' << t << "] " << HighScoreName[r][t] << '\n';
            out << "HighScoreDepth[" << r << ',' << t << "] " << HighScoreDepth[r][t] << '\n';
        }
    }
    out << "TerrainHash " << TerrainHash() << '\n';
    for (int c = 0; c <= 90; ++c) out << "SiteCooldown[" << c << "] " << SiteCooldown[c] << '\n';
    for (int i = 0; i < InvSlots; ++i) {
        if (InvKind[i] == 0) continue;
        out << "Inv[" << i << "] " << InvKind[i] << ' ' << InvTier[i] << ' ' << InvSeed[i] << ' ' << InvCount[i] << '\n';
    }
    // The creatures and ground items of the sector, one line per occupied slot:
    // kind x y hp maxhp attitude mode level, and kind tier x y seed count.
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] == 0) continue;
        out << "Mon[" << m << "] " << MonKind[m] << ' ' << MonX[m] << ' ' << MonY[m] << ' ' << MonHp[m] << ' '
            << MonMaxHp[m] << ' ' << MonAttitude[m] << ' ' << MonMode[m] << ' ' << MonLevel[m] << '\n';
    }
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] == 0) continue;
        out << "Ground[" << g << "] " << GroundItemKind[g] << ' ' << GroundItemTier[g] << ' ' << GroundItemX[g] << ' '
            << GroundItemY[g] << ' ' << GroundItemSeed[g] << ' ' << GroundItemCount[g] << '\n';
    }
    out << "RandomState " << RandomState() << '\n';
    return out.str();
}

void WriteStateDump(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    const std::string text = StateDumpText();
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size()) {
        std::fprintf(stderr, "hoofbound: state dump %s not written\n", path.c_str());
    }
    if (f) std::fclose(f);
}
