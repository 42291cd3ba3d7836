// A new run for the generator suites: the tables reset as for a new game, hero 1 and
// the band biomes 2, 3 and 4; Generate makes one sector of it.
#pragma once
#include <gtest/gtest.h>

#include "core/state.h"
#include "persist/reset.h"
#include "worldgen/generator.h"

struct GeneratorFixture : ::testing::Test {
    void SetUp() override {
        ClearAllTables();
        ResetGame();
        HeroId = 1;
        GameVars[5] = 2;
        GameVars[6] = 3;
        GameVars[7] = 4;
    }
    static bool Generate(int worldSeed, int depth, int scenario = 0) {
        WorldSeed = worldSeed;
        Depth = depth;
        GameVars[49] = scenario;
        RegenerateSector = 0;
        return GenerateSector();
    }
};
