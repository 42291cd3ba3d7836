// hoofbench: timings of the game's hot paths, with Google Benchmark.
#include <benchmark/benchmark.h>

#include <string>

#include "core/pictures.h"
#include "core/startup.h"
#include "core/state.h"
#include "platform/files.h"
#include "platform/platform.h"

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

}  // namespace

BENCHMARK_MAIN();
