// hoofmeasure: a few plain timings of the game's hot paths that run alike natively and in
// the web page, so the two can be set side by side on one machine (the web page's build
// makes measure.html; tests/browser/browser_test.js --measure runs both).
// Prints one "name: milliseconds" line per timing.
#include <chrono>
#include <cstdio>
#include <iterator>

#include "bench_setup.h"
#include "core/loop/startup.h"
#include "core/loop/turnloop.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "platform/platform.h"
#include "worldgen/generator.h"

namespace {

double Now() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void Report(const char* name, double total, int count) { std::printf("%s: %.3f ms\n", name, total / count); }

}  // namespace

int main() {
    constexpr int Frames = 120;
    PrepareHeadlessTitle();
    double start = Now();
    for (int k = 0; k < Frames; ++k) {
        RedrawNextFrame();
        DrawTitleFrame();
        PresentFrame();
        ClearScreen();
    }
    Report("title frame", Now() - start, Frames);

    // A frame of the game: 50 creatures in view, six worn items described, drawn whole.
    PrepareBusySector();
    WearSixPieces();
    InGame = 1;
    start = Now();
    for (int k = 0; k < Frames; ++k) {
        InputDelay = 1;  // no command looks at the keys
        RedrawNextFrame();
        TurnLoopFrame();
    }
    Report("game frame", Now() - start, Frames);
    InGame = 0;

    // Sector generation: forest, chaos and castle quests at a few depths, 16 world seeds each.
    const struct {
        const char* name;
        int scenario, depth;
    } sectors[] = {
        {"forest sector, depth 3", 0, 3},  {"forest sector, depth 12", 0, 12}, {"chaos sector, depth 15", 1, 15},
        {"castle level, depth 5", 2, 5},   {"castle level, depth 29", 2, 29},
    };
    constexpr int Seeds = 16;
    double all = 0;
    for (const auto& s : sectors) {
        PrepareWorld(s.scenario, 1);
        start = Now();
        for (int k = 0; k < Seeds; ++k) {
            WorldSeed = 1 + k * 33554393;
            Depth = s.depth;
            RegenerateSector = 0;
            GenerateSector();
        }
        const double took = Now() - start;
        all += took;
        Report(s.name, took, Seeds);
    }
    Report("sector, all above", all, Seeds * static_cast<int>(std::size(sectors)));
    std::fflush(stdout);
    StopPlatform();
    return 0;
}
