// The run plan a generated sector depends on, as the probe's sector commands take it
// on the command line (the sweep prints its slowest sectors in this form, and the
// benchmarks make them again from the same words).
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/run_vars.h"
#include "items/catalogue.h"

struct SectorOptions {
    int seed = 1;
    int depth = 0;
    int scenario = ScenarioForest;
    int bands[3] = {2, 3, 4};
    int hero = HeroQuenbyArlo;
    int difficulty = DifficultyNormal;
    int notes = 0;
    int prize = ItemXRaySpecs;
    std::vector<std::pair<int, int>> cooldowns;
    int to = -1;      // chain: last depth
    std::string out;  // map: the PNG to write
};

// Prints "hoofprobe: <reason>" on stderr and returns false.
bool ProbeFail(const std::string& reason);

// Reads --seed, --depth, --scenario, --bands, --hero, --difficulty, --notes, --prize,
// --cooldowns and --save, and --to and --out where allowed. False, with the reason on
// stderr, for anything else.
bool ParseSectorOptions(const std::vector<std::string>& args, bool allowDepth, bool allowTo, bool allowOut,
                        SectorOptions& o);

// A clean slate as a new game has it, with the options' run values set in.
void PrepareSectorWorld(const SectorOptions& o);
