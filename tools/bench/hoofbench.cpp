// hoofbench: timings of the game's hot paths, with Google Benchmark.
#include <benchmark/benchmark.h>

#include <string>

#include "core/pictures.h"
#include "core/startup.h"
#include "core/state.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "persist/acceptance.h"
#include "persist/reset.h"
#include "view/mapview.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"

namespace {

// A headless screen with the real pictures, as the game has it on the title.
void PrepareHeadlessTitle() {
    static bool ready = false;
    if (ready) return;
    std::string error;
    PlatformOptions options;
    options.headless = true;
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

// One whole title frame: the scene, logo, heroes, bands, menu and credits, drawn and
// presented by the software renderer exactly as the headless game does.
void BM_TitleFrame(benchmark::State& state) {
    PrepareHeadlessTitle();
    for (auto _ : state) {
        DrawTitleFrame();
        PresentFrame();
        ClearScreen();
        benchmark::DoNotOptimize(FramePixel(0, 0));
    }
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

// A fresh world as a new game has it, in the given scenario.
void PrepareWorld(int scenario, int seed) {
    ClearAllTables();
    ResetGame();
    GameVars[5] = 2;
    GameVars[6] = 3;
    GameVars[7] = 6;
    GameVars[49] = scenario;
    HeroId = 1;
    MonKind[0] = 1;
    MonHp[0] = MonMaxHp[0] = 50;
    GameVars[16] = 17;
    WorldSeed = seed;
}

// Sector generation per scenario (0 forest, 1 chaos, 2 castle) and depth; each
// iteration takes the next world seed, spread far apart so layouts vary.
void BM_GenerateSector(benchmark::State& state) {
    const int scenario = static_cast<int>(state.range(0));
    const int depth = static_cast<int>(state.range(1));
    PrepareWorld(scenario, 1);
    int k = 0;
    for (auto _ : state) {
        WorldSeed = 1 + (k++ % 64) * 33554393;
        Depth = depth;
        RegenerateSector = 0;
        benchmark::DoNotOptimize(GenerateSector());
    }
}
// Forest depths 12 and 13 and castle-quest depth 4 hold the castle grounds; castle
// quest depths 5 and beyond are castle levels (29 with the throne hall).
BENCHMARK(BM_GenerateSector)
    ->ArgsProduct({{0}, {0, 3, 7, 12, 13, 16, 23, 29, -1, -2, -3}})
    ->ArgsProduct({{1}, {1, 15, 29}})
    ->ArgsProduct({{2}, {0, 3, 4, 5, 12, 19, 25, 29}})
    ->Unit(benchmark::kMicrosecond);

// A whole run of one quest: sectors 0..29 in turn, each with the acceptance test and,
// as the sector change does, made again from the clock until it passes, then the
// stalker event and the depth scaling. Each iteration is a new world seed.
void BM_Chain(benchmark::State& state) {
    const int scenario = static_cast<int>(state.range(0));
    int k = 0;
    long long regenerated = 0;
    for (auto _ : state) {
        PrepareWorld(scenario, 1 + (k++ % 64) * 33554393);
        for (int depth = 0; depth <= 29; ++depth) {
            Depth = depth;
            RegenerateSector = 0;
            for (int attempt = 0; attempt < 100; ++attempt) {
                const bool made = GenerateSector();
                if (made && (depth == 0 || SectorPassesAcceptance() == 1)) break;
                RegenerateSector = 1;
                ++regenerated;
            }
            StalkerEvent();
            ScaleCreaturesForDepth();
        }
        benchmark::DoNotOptimize(MapTerrain[22][17]);
    }
    state.counters["regenerated"] = benchmark::Counter(static_cast<double>(regenerated), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Chain)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The map view of one generated sector, every cell in view, drawn headless.
void BM_MapView(benchmark::State& state) {
    PrepareHeadlessTitle();
    PrepareWorld(0, 1);
    Depth = 2;
    GenerateSector();
    for (auto& column : MapSeen)
        for (int& cell : column) cell = 2;
    MonHp[0] = 20;
    for (auto _ : state) {
        DrawMapView();
        PresentFrame();
        ClearScreen();
        benchmark::DoNotOptimize(FramePixel(400, 200));
    }
}
BENCHMARK(BM_MapView)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
