// A short soak: the bot plays the real program for a few thousand turns, saving and
// reloading often, and any difference or a turn that never ends fails the test.
#include <gtest/gtest.h>

#include "soak/soak.h"
#include "support/test_support.h"

TEST(Soak, PlaysThroughSavesAndReloadsUnchanged) {
    TempFolder root;
    SoakOptions options;
    options.seed = 3;
#if defined(__SANITIZE_ADDRESS__)
    options.turns = 1000;  // the sanitizers make every frame several times slower
    options.checkEvery = 200;
#else
    options.turns = 3000;
    options.checkEvery = 300;
#endif
    const SoakReport report = RunSoak(options, root.path);
    const std::string text = SoakReportText(report);
    EXPECT_GE(report.turns, options.turns) << text;
    EXPECT_EQ(report.stuckTurns, 0) << text;
    EXPECT_GE(report.checks, 4) << text;
    EXPECT_EQ(report.checksFailed, 0) << text;
    EXPECT_GT(report.sectorsVisited, report.games) << "the bot never left a sector\n" << text;
}
