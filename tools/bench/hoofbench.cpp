// hoofbench: timings of the game's hot paths, with Google Benchmark.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "bench_setup.h"
#include "core/loop/startup.h"
#include "core/loop/turnloop.h"
#include "core/pictures.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/skills.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/end_of_turn.h"
#include "rules/fieldofview.h"
#include "sector_options.h"
#include "view/mapview.h"
#include "worldgen/acceptance.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"
#include "worldgen/terrain.h"

namespace {

// One whole title frame: the scene, logo, heroes, bands, menu and credits, drawn and
// presented by the software renderer exactly as the headless game does.
void BM_TitleFrame(benchmark::State& state) {
    PrepareHeadlessTitle();
    for (auto _ : state) {
        RedrawNextFrame();
        DrawTitleFrame();
        PresentFrame();
        ClearScreen();
        benchmark::DoNotOptimize(FramePixel(0, 0));
    }
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

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

// The slowest sectors the sweep has found, one case each, made from the very words the
// sweep prints for them (its "hoofprobe sector" arguments, countdowns included).
constexpr const char* SlowestSectors[] = {
    // The forest quest's depth 24 in a jungle band: a region seed hemmed in at a few cells.
    "--seed 39608 --depth 24 --scenario 0 --bands 6,2,4 --hero 1 --difficulty 0 --notes 3 --prize 10 "
    "--cooldowns 0=2,1=9,2=1,3=9983,5=1,7=9988,10=9976,12=3,13=982,15=85,16=994,18=3",
    // The creepy special sector.
    "--seed 190069 --depth -2 --scenario 0 --bands 2,6,4 --hero 1 --difficulty 2 --notes 9 --prize 18 "
    "--cooldowns 0=2,1=12,2=2,3=9992,4=3,6=2,7=9981,8=9975,10=9972,11=3,13=975,15=86,16=987,18=5",
    // Ombasi's clearing, whose loop trails box themselves in and walk their whole bound.
    "--seed 1140349 --depth 3 --scenario 0 --bands 3,4,6 --hero 1 --difficulty 1 --notes 5 --prize 16 "
    "--cooldowns 0=2,1=11,2=2,4=3,10=9999,12=5,18=10",
    // Castle grounds with no room for their rooms: every attempt made, then made again.
    "--seed 1274972 --depth 13 --scenario 0 --bands 2,4,3 --hero 1 --difficulty 0 --notes 3 --prize 10 "
    "--cooldowns 1=11,3=9997,6=4,7=9999,8=9993,10=9991,11=2,12=3,13=995,17=2",
    // Docks where no pier can start: the pier search runs out.
    "--seed 340530 --depth 17 --scenario 0 --bands 3,2,6 --hero 1 --difficulty 1 --notes 4 --prize 24 "
    "--cooldowns 0=2,2=2,3=9990,4=3,7=9995,8=9998,9=9989,10=9983,12=1,13=992,18=5",
};

void BM_SlowestSectors(benchmark::State& state) {
    std::vector<std::string> words;
    std::istringstream line(SlowestSectors[state.range(0)]);
    for (std::string word; line >> word;) words.push_back(word);
    SectorOptions options;
    if (!ParseSectorOptions(words, true, false, false, options)) {
        state.SkipWithError("bad sector arguments");
        return;
    }
    for (auto _ : state) {
        PrepareSectorWorld(options);
        benchmark::DoNotOptimize(GenerateSector());
    }
    state.SetLabel("seed " + std::to_string(options.seed) + " depth " + std::to_string(options.depth));
}
BENCHMARK(BM_SlowestSectors)->DenseRange(0, std::size(SlowestSectors) - 1)->Unit(benchmark::kMillisecond);

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
    state.counters["regenerated"] = benchmark::Counter(static_cast<double>(regenerated),
                                                       benchmark::Counter::kAvgIterations);
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
        RedrawNextFrame();
        DrawMapView();
        PresentFrame();
        ClearScreen();
        benchmark::DoNotOptimize(FramePixel(400, 200));
    }
}
BENCHMARK(BM_MapView)->Unit(benchmark::kMicrosecond);

// What the panels do every frame with a full inventory: describe all 56 items (a mix of
// every family at every tier, fixed items and food), the six worn ones with their
// points applied to the hero. The budget is a 60 Hz frame of 16.7 ms.
void BM_DescribeItem(benchmark::State& state) {
    ClearAllTables();
    const int kinds[] = {
        ItemHeadgear,  ItemDress,           ItemFootwear, ItemAccessory, ItemWeapon,        ItemBow,         ItemArrows,
        ItemXRaySpecs, ItemWingthornAmulet, ItemApple,    ItemCupcake,   ItemDutchApplePie, ItemLazuliHeart, ItemBits};
    for (int slot = 0; slot < 56; ++slot) {
        InvKind[slot] = kinds[slot % 14];
        InvTier[slot] = slot % 6;
        InvSeed[slot] = 1 + slot * 1789;
    }
    SkillId[0] = SkillFashionSense;
    SkillLevel[0] = 3;
    size_t characters = 0;
    for (auto _ : state) {
        for (int slot = 0; slot < 56; ++slot) {
            const ItemDescription item = DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]);
            if (slot < 6) AddWornBonuses(item);
            characters += item.name.size() + item.line1.size() + item.line2.size();
        }
    }
    benchmark::DoNotOptimize(characters);
}
BENCHMARK(BM_DescribeItem)->Unit(benchmark::kMicrosecond);

// Saving and loading a run in a scratch folder: the save game (with the global files
// it writes alongside) and the current sector's file, each replaced atomically.
// The data root the save benchmarks write into: a scratch folder of its own, removed
// again when the program ends.
std::string ScratchRoot;

void RemoveScratchRoot() {
    std::error_code ignored;
    if (!ScratchRoot.empty()) std::filesystem::remove_all(ScratchRoot, ignored);
}

void PrepareScratchRoot() {
    static bool ready = false;
    if (ready) return;
    char pattern[] = "/tmp/hoofbench-XXXXXX";
    const char* made = mkdtemp(pattern);
    std::string error;
    if (made) {
        ScratchRoot = made;
        std::atexit(RemoveScratchRoot);
        ChooseDataRoot(made, error);
    }
    ready = true;
}

// A run a player could have saved: a generated first sector and a living hero, so the
// loader takes it whole instead of setting it aside as damaged.
void PrepareSavedRun() {
    PrepareScratchRoot();
    PrepareWorld(0, 1);
    Depth = 0;
    GenerateSector();
    MonKind[0] = KindHero;
    MonName[0] = "DABBLE MOSS";
    MonHp[0] = MonMaxHp[0] = 50;
    MonLevel[0] = 1;
    HeroId = HeroDabbleMoss;
    for (int& e : Equip) e = -1;
}

void BM_SaveGame(benchmark::State& state) {
    PrepareSavedRun();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveGame());
        benchmark::DoNotOptimize(WriteSector());
    }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_LoadGame(benchmark::State& state) {
    PrepareSavedRun();
    SaveGame();
    WriteSector();
    std::string message;
    // Every iteration must be a real load: one refused is reported, not timed.
    if (!LoadGame(message) || !ReadSector(message)) {
        state.SkipWithError(("the save was not loaded: " + message).c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadGame(message));
        benchmark::DoNotOptimize(ReadSector(message));
    }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);
// One end-of-turn phase: hazards, timers, the three distance fields, the creatures'
// turn with their steps, tricks and attacks, the field of view and the status
// countdown, with all 50 creature slots taken. Budget: a turn well under 1 ms.
void BM_EndOfTurn(benchmark::State& state) {
    PrepareBusySector();
    const int linesBefore = MessagePushCount;
    for (auto _ : state) {
        MonHp[0] = 1000000;  // the crowd around him would wear him down over a long run
        TurnTaken = 1;
        EndOfTurn();
        benchmark::DoNotOptimize(MapDistHero[0][0]);
    }
    // Log lines per turn: blows, bites, burns and the rest show the creatures at work.
    state.counters["lines"] = benchmark::Counter(MessagePushCount - linesBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EndOfTurn)->Unit(benchmark::kMicrosecond);

// One frame of the turn loop as the game plays it, no key held: bonuses (the six worn
// items described), the map with 50 creatures, the panels, presenting the frame
// headless. Budget: under 10 % of a 16.7 ms frame.
void BM_GameFrame(benchmark::State& state) {
    PrepareHeadlessTitle();
    PrepareBusySector();
    WearSixPieces();
    InGame = 1;
    for (auto _ : state) {
        InputDelay = 1;  // no command looks at the keys
        RedrawNextFrame();
        TurnLoopFrame();
        benchmark::DoNotOptimize(FramePixel(400, 200));
    }
    InGame = 0;
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
