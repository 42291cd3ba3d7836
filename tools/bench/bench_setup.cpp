#include "bench_setup.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "core/loop/startup.h"
#include "core/pictures.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "persist/reset.h"
#include "platform/platform.h"
#include "rules/fieldofview.h"
#include "worldgen/acceptance.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"
#include "worldgen/terrain.h"

// A headless screen with the real pictures, as the game has it on the title.
void PrepareHeadlessTitle() {
    static bool ready = false;
    if (ready) return;
    std::string error;
    PlatformOptions options;
    options.headless = true;
    // A script that only waits: a finished script would press the close button, and the
    // game frames end in EndFrame, which would end the program.
    options.scriptPath = (std::filesystem::temp_directory_path() / "hoofbench-wait.txt").string();
    {
        std::ofstream script(options.scriptPath);
        for (int k = 0; k < 100; ++k) script << "wait 10000000\n";
    }
    StartPlatform(options, error);
    ClearAllTables();
    ScreenWidth = 1024;
    ScreenHeight = 768;
    OpenScreen(ScreenWidth, ScreenHeight);
    SetBlendAlpha();
    SetClearColor(150, 150, 205);
    LoadSheets();
    LoadIntroPictures();
    ready = true;
}

// A fresh world as a new game has it, in the given scenario.
void PrepareWorld(int scenario, int seed) {
    ClearAllTables();
    ResetGame();
    GameVars[VarBandBiomeFirst] = 2;
    GameVars[VarBandBiomeSecond] = 3;
    GameVars[VarBandBiomeThird] = 6;
    GameVars[VarScenario] = scenario;
    HeroId = HeroQuenbyArlo;
    MonKind[0] = KindHero;
    MonHp[0] = MonMaxHp[0] = 50;
    GameVars[VarPrizeTreasury] = ItemOrrindelStaff;
    WorldSeed = seed;
}

// A generated sector with the hero on open ground and every creature slot filled,
// spread over the whole sector so that some chase, some stand and some wander: a mix
// of kinds with their own rules, flyers, neutral and friendly folk and a few allies,
// everything in view.
void PrepareBusySector() {
    PrepareWorld(0, 1);
    Depth = 2;
    GenerateSector();
    MonKind[0] = KindHero;
    MonName[0] = "QUENBY ARLO";
    MonHp[0] = MonMaxHp[0] = 1000000;
    for (int& e : Equip) e = -1;
    struct Sort {
        int kind, attitude, mode;
        bool flies;
    };
    static const Sort Mix[] = {
        // clang-format off
        {KindOgre, AttitudeHostile, ModeNone, false}, {KindNibblit, AttitudeHostile, ModeNone, true},
        {KindWolf, AttitudeHostile, ModeNone, false}, {KindTimberWolf, AttitudeHostile, ModeLyingInWait, false},
        {KindCockatrice, AttitudeHostile, ModeNone, false}, {KindZoquiral, AttitudeHostile, ModeNone, false},
        {KindGemHound, AttitudeHostile, ModeNone, false}, {KindTeenDragon, AttitudeHostile, ModeNone, false},
        {KindChangeling, AttitudeHostile, ModeNone, false}, {KindBat, AttitudeHostile, ModeNone, true},
        {KindWasp, AttitudeNeutral, ModeNone, true}, {KindBeaver, AttitudeNeutral, ModeNone, false},
        {KindBear, AttitudeNeutral, ModeNone, false}, {KindFruitBat, AttitudeNeutral, ModeNone, true},
        {KindFairy, AttitudeFriendly, ModeNone, false}, {KindTroll, AttitudeFriendly, ModeNone, false},
        {KindBunny, AttitudeNeutral, ModeNone, false}, {KindOgre, AttitudeAlly, ModeNone, false},
        {KindCerberus, AttitudeHostile, ModeLyingInWait, false}, {KindShade, AttitudeHostile, ModeNone, false},
        {KindAlphaGemHound, AttitudeHostile, ModeNone, false}, {KindSnake, AttitudeAlly, ModeNone, false},
        {KindHydra, AttitudeHostile, ModeNone, false}, {KindDoe, AttitudeFriendly, ModeNone, false},
        {KindSkarnix, AttitudeHostile, ModeNone, false},
    };
    // clang-format on
    static int cellX[MapWidth * MapHeight];
    static int cellY[MapWidth * MapHeight];
    int cells = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (IsOpenGround(x, y) != 1) continue;
            cellX[cells] = x;
            cellY[cells] = y;
            ++cells;
        }
    }
    const int stride = cells / MonCapacity > 0 ? cells / MonCapacity : 1;
    for (int m = 1; m <= MonCapacity && (m - 1) * stride < cells; ++m) {
        const Sort& sort = Mix[(m - 1) % (sizeof(Mix) / sizeof(Mix[0]))];
        MonKind[m] = sort.kind;
        MonName[m] = "CREATURE";
        MonX[m] = cellX[(m - 1) * stride];
        MonY[m] = cellY[(m - 1) * stride];
        MonHp[m] = MonMaxHp[m] = 1000000;
        MonMp[m] = MonMaxMp[m] = 1000000;
        MonAttitude[m] = sort.attitude;
        MonMode[m] = sort.mode;
        MonStatus[m][StatusFlying] = sort.flies ? StatusPermanent : 0;
    }
    LastPlayerX = MonX[0];
    LastPlayerY = MonY[0];
    LastPlayerTerrain = MapTerrain[MonX[0]][MonY[0]];
    ComputeView();
}

void WearSixPieces() {
    const int kinds[EquipSlots] = {ItemHeadgear, ItemDress, ItemFootwear, ItemAccessory, ItemAccessory, ItemWeapon};
    for (int e = 0; e < EquipSlots; ++e) {
        InvKind[e] = kinds[e];
        InvTier[e] = 3;
        InvSeed[e] = 1000 + e;
        Equip[e] = e;
    }
}
