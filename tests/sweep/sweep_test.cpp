// The generation sweep: for many world seeds, every depth 0..30 of the three quests in
// the order a game meets them, and the three special sectors, each with the
// acceptance test and the sector change's creature steps. Fails on searches that run
// out more than once in 2,000 sectors, a sector over the time bound, or a depth whose
// sectors are nearly always rejected (the game would make it again and again).
// Sanitizer builds catch the rest.
//
//   HOOF_SWEEP_SEEDS       number of world seeds (default 3, so a plain test run is quick)
//   HOOF_SWEEP_FIRST_SEED  first world seed (default 1)
//   HOOF_SWEEP_SECTOR_MS   time bound of one sector in milliseconds (default 5000)
//   HOOF_SWEEP_DIGEST      file that gets one line per generated sector: what it made,
//                          hashed table by table, and the generator's state (see Digest)
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "core/random.h"
#include "core/state.h"
#include "persist/reset.h"
#include "sector_options.h"
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

// 64-bit FNV-1a over the tables' values, element by element in index order.
struct Hasher {
    uint64_t h = 14695981039346656037ull;
    void Bytes(const void* data, size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) {
            h ^= p[i];
            h *= 1099511628211ull;
        }
    }
    template <typename T>
    void Add(const T& table) {
        if constexpr (std::is_array_v<T>) {
            for (const auto& element : table) Add(element);
        } else if constexpr (std::is_same_v<T, std::string>) {
            const uint64_t n = table.size();
            Bytes(&n, sizeof n);
            Bytes(table.data(), table.size());
        } else {
            Bytes(&table, sizeof table);
        }
    }
};

// One digest line: the sector's terrain, regions, creatures (every column of every
// slot, the hero's too), ground items and store, then every table of the game state at
// once (which covers the exits, the hero's cell, the frames, the scratch layers, the
// log and the cooldowns), and the generator's state after the generation and after the
// sector change's creature steps. Two builds that make the same sectors write the same
// file, so a change meant to be faster only can be checked with cmp.
std::string Digest(int seed, int scenario, bool made, int accepted, int stateAfterGeneration) {
    Hasher terrain, regions, creatures, items, all;
    terrain.Add(MapTerrain);
    regions.Add(MapRegion);
    creatures.Add(MonKind), creatures.Add(MonName), creatures.Add(MonX), creatures.Add(MonY);
    creatures.Add(MonHp), creatures.Add(MonMaxHp), creatures.Add(MonMp), creatures.Add(MonMaxMp);
    creatures.Add(MonXp), creatures.Add(MonLevel), creatures.Add(MonAtk), creatures.Add(MonDef);
    creatures.Add(MonStr), creatures.Add(MonSpd), creatures.Add(MonMag), creatures.Add(MonCon);
    creatures.Add(MonStatus), creatures.Add(MonAttitude), creatures.Add(MonMode);
    items.Add(GroundItemKind), items.Add(GroundItemTier), items.Add(GroundItemX), items.Add(GroundItemY);
    items.Add(GroundItemSeed), items.Add(GroundItemCount);
    items.Add(StoreItemKind), items.Add(StoreItemTier), items.Add(StoreItemSeed);
#define HOOF_TABLE(type, name, dims, dump) all.Add(name);
#include "core/state.h"
    char line[320];
    std::snprintf(line, sizeof line,
                  "%d %d %d made %d accepted %d terrain %016llx regions %016llx creatures %016llx items %016llx "
                  "state %016llx rng %d %d\n",
                  seed, scenario, Depth, made ? 1 : 0, accepted, static_cast<unsigned long long>(terrain.h),
                  static_cast<unsigned long long>(regions.h), static_cast<unsigned long long>(creatures.h),
                  static_cast<unsigned long long>(items.h), static_cast<unsigned long long>(all.h),
                  stateAfterGeneration, RandomState());
    return line;
}

struct Timing {
    double ms = 0;
    int seed = 0;
    int scenario = 0;
    int depth = 0;
    std::string probe;  // the hoofprobe arguments that make the same sector
};

double Percentile(const std::vector<double>& sorted, int percent) {
    return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, sorted.size() * percent / 100)];
}

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

// The best of three generations of the sector the probe arguments describe.
double BestOfThree(const std::string& probe) {
    std::vector<std::string> words;
    std::istringstream line(probe);
    for (std::string word; line >> word;) words.push_back(word);
    SectorOptions options;
    if (!ParseSectorOptions(words, true, false, false, options)) return -1;
    double best = -1;
    for (int k = 0; k < 3; ++k) {
        PrepareSectorWorld(options);
        const auto start = std::chrono::steady_clock::now();
        GenerateSector();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

TEST(Sweep, EveryDepthOfEveryQuestGeneratesInTimeAndMostlyPasses) {
    const int seeds = EnvInt("HOOF_SWEEP_SEEDS", 3);
    const int first = EnvInt("HOOF_SWEEP_FIRST_SEED", 1);
    const double boundMs = EnvInt("HOOF_SWEEP_SECTOR_MS", 5000);
    const char* digestPath = std::getenv("HOOF_SWEEP_DIGEST");
    FILE* digest = nullptr;
    if (digestPath != nullptr && *digestPath != '\0') {
        digest = std::fopen(digestPath, "w");
        ASSERT_NE(digest, nullptr) << "cannot write " << digestPath;
    }
    constexpr int LastDepth = 30;
    long long generated = 0;
    long long rejected = 0;
    long long rejectedBy[3] = {};
    int rejectedAt[3][LastDepth + 1] = {};
    std::vector<std::string> exhausted;
    std::vector<Timing> timings;
    std::vector<double> acceptanceMs;
    std::vector<double> stalkerMs;
    double stalkerMax = 0;
    std::string stalkerMaxAt;
    // Total time per scenario and depth (index depth + 3, so the special sectors fit).
    double timeAt[3][LastDepth + 4] = {};
    auto ms = [](std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    // Generates the sector at Depth, then runs the acceptance test (deeper than 0 in the
    // quest's chain) and the sector change's creature steps, as a game does.
    auto sector = [&](int seed, int scenario) {
        std::string probe = ProbeArguments();
        auto start = std::chrono::steady_clock::now();
        RegenerateSector = 0;
        const bool ok = GenerateSector();
        const double generation = ms(start);
        const int stateAfterGeneration = RandomState();
        ++generated;
        timeAt[scenario][Depth + 3] += generation;
        EXPECT_LT(generation, boundMs) << "seed " << seed << " scenario " << scenario << " depth " << Depth;
        if (!ok) exhausted.push_back(SectorGenFailure + ": hoofprobe sector " + probe);
        timings.push_back({generation, seed, scenario, Depth, std::move(probe)});
        int accepted = -1;
        if (ok && Depth > 0) {
            start = std::chrono::steady_clock::now();
            accepted = SectorPassesAcceptance();
            acceptanceMs.push_back(ms(start));
            if (accepted == 0) {
                ++rejected;
                ++rejectedBy[scenario];
                ++rejectedAt[scenario][Depth];
            }
        }
        if (ok) {
            start = std::chrono::steady_clock::now();
            StalkerEvent();
            const double stalker = ms(start);
            stalkerMs.push_back(stalker);
            if (stalker > stalkerMax) {
                stalkerMax = stalker;
                stalkerMaxAt = timings.back().probe;
            }
            ScaleCreaturesForDepth();
        }
        if (digest != nullptr) std::fputs(Digest(seed, scenario, ok, accepted, stateAfterGeneration).c_str(), digest);
    };
    for (int seed = first; seed < first + seeds; ++seed) {
        for (int scenario = 0; scenario <= 2; ++scenario) {
            NewRun(seed, scenario);
            for (int depth = 0; depth <= LastDepth; ++depth) {
                Depth = depth;
                sector(seed, scenario);
            }
            for (int special = -1; special >= -3; --special) {
                Depth = special;
                sector(seed, scenario);
            }
        }
    }
    if (digest != nullptr) std::fclose(digest);
    std::vector<double> times;
    for (const Timing& t : timings) times.push_back(t.ms);
    std::sort(times.begin(), times.end());
    std::sort(acceptanceMs.begin(), acceptanceMs.end());
    std::printf("sweep: %d seeds from %d, %lld sectors generated\n", seeds, first, generated);
    std::printf("sweep: rejected by the acceptance test: %lld (forest %lld, chaos %lld, castle %lld)\n", rejected,
                rejectedBy[0], rejectedBy[1], rejectedBy[2]);
    std::printf(
        "sweep: sector time median %.3f ms, 90th percentile %.3f ms, 99th percentile %.3f ms, slowest %.3f ms\n",
        Percentile(times, 50), Percentile(times, 90), Percentile(times, 99), times.empty() ? 0 : times.back());
    std::printf("sweep: acceptance test median %.3f ms, slowest %.3f ms\n", Percentile(acceptanceMs, 50),
                acceptanceMs.empty() ? 0 : acceptanceMs.back());
    // One call in a hundred thousand can meet the machine's own interruptions, so the
    // 99.9th percentile is printed beside the slowest; time that sector again to see.
    std::sort(stalkerMs.begin(), stalkerMs.end());
    const double stalker999 = stalkerMs.empty()
                                  ? 0
                                  : stalkerMs[std::min(stalkerMs.size() - 1, stalkerMs.size() * 999 / 1000)];
    std::printf("sweep: stalker event 99.9th percentile %.3f ms, slowest %.3f ms (hoofprobe sector %s)\n", stalker999,
                stalkerMax, stalkerMaxAt.c_str());
    const size_t shown = std::min<size_t>(10, timings.size());
    std::partial_sort(timings.begin(), timings.begin() + shown, timings.end(),
                      [](const Timing& a, const Timing& b) { return a.ms > b.ms; });
    // A single slow time can be the machine's doing (an interruption, a page brought in),
    // so each of the slowest is made again three times from its probe arguments, and
    // its best time is printed beside it.
    double slowestAgain = 0;
    for (size_t k = 0; k < shown; ++k) {
        const double again = BestOfThree(timings[k].probe);
        slowestAgain = std::max(slowestAgain, again);
        std::printf(
            "sweep: slow %zu: %.3f ms, made again %.3f ms (seed %d scenario %d depth %d): hoofprobe sector %s\n", k + 1,
            timings[k].ms, again, timings[k].seed, timings[k].scenario, timings[k].depth, timings[k].probe.c_str());
    }
    std::printf("sweep: the %zu slowest made again: the slowest takes %.3f ms\n", shown, slowestAgain);
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
    // A sector whose search ran out is made again by the game, as a rejected one is: a
    // few in a long sweep are part of the generator (the 1,000-seed sweep meets 13 in
    // 102,000 sectors), many would keep a player waiting.
    EXPECT_LE(static_cast<long long>(exhausted.size()) * 2000, generated) << "searches ran out too often";
    // A depth rejected for nearly every seed would keep a game generating for ever.
    if (seeds >= 20) {
        EXPECT_LT(worst, seeds / 2) << "scenario " << worstScenario << " depth " << worstDepth;
    }
}

}  // namespace
