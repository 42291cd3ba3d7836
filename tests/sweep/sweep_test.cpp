// The generation sweep: for many world seeds, every depth 0..30 of the three quests in
// the order a game meets them, and the three special sectors, each with the
// acceptance test and the sector change's creature steps. Fails on an exhausted
// search, a sector over the time bound, or a depth whose sectors are nearly always
// rejected (the game would make it again and again). Sanitizer builds catch the rest.
//
//   HOOF_SWEEP_SEEDS       number of world seeds (default 3, so a plain test run is quick)
//   HOOF_SWEEP_FIRST_SEED  first world seed (default 1)
//   HOOF_SWEEP_SECTOR_MS   time bound of one sector in milliseconds (default 5000)
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/state.h"
#include "persist/reset.h"
#include "worldgen/acceptance.h"
#include "worldgen/creatures.h"
#include "worldgen/generator.h"

namespace {

int EnvInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

// The run's random plan as the new-game wizard draws it: band biomes, prize list,
// and a hero, difficulty and note count of the seed's own.
void NewRun(int seed, int scenario) {
    ClearAllTables();
    ResetGame();
    SeedRandom(seed);
    HeroId = Rand(1, 6);
    GameVars[47] = Rand(0, 2);
    GameVars[50] = Rand(0, 9);
    GameVars[49] = scenario;
    for (int k = 10; k <= 19; ++k) {
        for (;;) {
            const int r = Rand(1, 10);
            const int code = r == 1 ? 9 + HeroId : 14 + r;
            bool taken = false;
            for (int j = 10; j < k; ++j) taken = taken || GameVars[j] == code;
            if (!taken) {
                GameVars[k] = code;
                break;
            }
        }
    }
    const int codes[4] = {2, 3, 4, 6};
    for (int k = 5; k <= 7; ++k) {
        for (;;) {
            const int code = codes[Rand(1, 4) - 1];
            if (code != GameVars[5] && code != GameVars[6]) {
                GameVars[k] = code;
                break;
            }
        }
    }
    MonKind[0] = 1;
    MonHp[0] = MonMaxHp[0] = 50;
    WorldSeed = seed * 7919 + 13;
}

struct Slowest {
    double ms = 0;
    int seed = 0;
    int scenario = 0;
    int depth = 0;
    std::string probe;  // the hoofprobe command that makes the same sector
};

// The hoofprobe arguments that generate the current sector again, countdowns included.
std::string ProbeArguments() {
    std::string text = "--seed " + std::to_string(WorldSeed) + " --depth " + std::to_string(Depth) + " --scenario " +
                       std::to_string(GameVars[49]) + " --bands " + std::to_string(GameVars[5]) + "," +
                       std::to_string(GameVars[6]) + "," + std::to_string(GameVars[7]) + " --hero " +
                       std::to_string(HeroId) + " --difficulty " + std::to_string(GameVars[47]) + " --notes " +
                       std::to_string(GameVars[50]) + " --prize " + std::to_string(GameVars[16]);
    std::string cooldowns;
    for (int k = 0; k <= 90; ++k)
        if (SiteCooldown[k] != 0) {
            if (!cooldowns.empty()) cooldowns += ',';
            cooldowns += std::to_string(k) + "=" + std::to_string(SiteCooldown[k]);
        }
    if (!cooldowns.empty()) text += " --cooldowns " + cooldowns;
    return text;
}

TEST(Sweep, EveryDepthOfEveryQuestGeneratesInTimeAndMostlyPasses) {
    const int seeds = EnvInt("HOOF_SWEEP_SEEDS", 3);
    const int first = EnvInt("HOOF_SWEEP_FIRST_SEED", 1);
    const double boundMs = EnvInt("HOOF_SWEEP_SECTOR_MS", 5000);
    constexpr int LastDepth = 30;
    long long generated = 0;
    long long rejected = 0;
    long long rejectedBy[3] = {};
    int rejectedAt[3][LastDepth + 1] = {};
    std::vector<std::string> exhausted;
    std::vector<double> times;
    // Total time per scenario and depth (index depth + 3, so the special sectors fit).
    double timeAt[3][LastDepth + 4] = {};
    Slowest slowest;
    auto timed = [&](int seed, int scenario) {
        const std::string probe = ProbeArguments();
        const auto start = std::chrono::steady_clock::now();
        RegenerateSector = 0;
        const bool ok = GenerateSector();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        ++generated;
        times.push_back(ms);
        timeAt[scenario][Depth + 3] += ms;
        if (ms > slowest.ms) slowest = {ms, seed, scenario, Depth, probe};
        EXPECT_LT(ms, boundMs) << "seed " << seed << " scenario " << scenario << " depth " << Depth;
        if (!ok) {
            exhausted.push_back(SectorGenFailure + ": hoofprobe sector " + probe);
        }
        return ok;
    };
    for (int seed = first; seed < first + seeds; ++seed) {
        for (int scenario = 0; scenario <= 2; ++scenario) {
            NewRun(seed, scenario);
            for (int depth = 0; depth <= LastDepth; ++depth) {
                Depth = depth;
                if (!timed(seed, scenario)) continue;
                if (depth > 0 && SectorPassesAcceptance() == 0) {
                    ++rejected;
                    ++rejectedBy[scenario];
                    ++rejectedAt[scenario][depth];
                }
                StalkerEvent();
                ScaleCreaturesForDepth();
            }
            for (int special = -1; special >= -3; --special) {
                Depth = special;
                if (!timed(seed, scenario)) continue;
                StalkerEvent();
                ScaleCreaturesForDepth();
            }
        }
    }
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? 0 : times[times.size() / 2];
    const double p99 = times.empty() ? 0 : times[times.size() * 99 / 100];
    std::printf("sweep: %d seeds from %d, %lld sectors generated\n", seeds, first, generated);
    std::printf("sweep: rejected by the acceptance test: %lld (forest %lld, chaos %lld, castle %lld)\n", rejected,
                rejectedBy[0], rejectedBy[1], rejectedBy[2]);
    std::printf(
        "sweep: sector time median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms (seed %d scenario %d depth %d)\n",
        median, p99, slowest.ms, slowest.seed, slowest.scenario, slowest.depth);
    std::printf("sweep: slowest: hoofprobe sector %s\n", slowest.probe.c_str());
    std::printf("sweep: searches that ran out: %zu\n", exhausted.size());
    for (const std::string& e : exhausted) std::printf("sweep:   %s\n", e.c_str());
    std::vector<std::pair<double, std::string>> means;
    for (int s = 0; s <= 2; ++s)
        for (int d = -3; d <= LastDepth; ++d)
            means.push_back({timeAt[s][d + 3] / (seeds > 0 ? seeds : 1),
                             "scenario " + std::to_string(s) + " depth " + std::to_string(d)});
    std::sort(means.rbegin(), means.rend());
    for (size_t k = 0; k < 5 && k < means.size(); ++k)
        std::printf("sweep: slow on average: %s, %.3f ms\n", means[k].second.c_str(), means[k].first);
    int worst = 0;
    int worstScenario = 0;
    int worstDepth = 0;
    for (int s = 0; s <= 2; ++s)
        for (int d = 1; d <= LastDepth; ++d)
            if (rejectedAt[s][d] > worst) {
                worst = rejectedAt[s][d];
                worstScenario = s;
                worstDepth = d;
            }
    std::printf("sweep: most rejected: scenario %d depth %d, %d of %d seeds\n", worstScenario, worstDepth, worst,
                seeds);
    EXPECT_TRUE(exhausted.empty());
    // A depth rejected for nearly every seed would keep a game generating for ever.
    if (seeds >= 20) {
        EXPECT_LT(worst, seeds / 2) << "scenario " << worstScenario << " depth " << worstDepth;
    }
}

}  // namespace
