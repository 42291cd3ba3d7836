// A short soak: the bot plays the real program for a few thousand turns, saving and
// reloading often, and any difference or a turn that never ends fails the test.
#include <gtest/gtest.h>

#include <regex>

#include "soak/soak.h"
#include "support/test_support.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;  // the sanitizers make every frame several times slower
#else
constexpr bool Sanitized = false;
#endif

void ExpectClean(const SoakReport& report, const SoakOptions& options, const std::string& text) {
    EXPECT_GE(report.turns, options.turns) << text;
    EXPECT_EQ(report.stuckTurns, 0) << text;
    EXPECT_EQ(report.checksFailed, 0) << text;
    EXPECT_TRUE(report.findings.empty()) << text;
}

}  // namespace

TEST(Soak, PlaysThroughSavesAndReloadsUnchanged) {
    TempFolder root;
    SoakOptions options;
    options.seed = 3;
    // The check waits for a calm moment, at most twice its interval, so these turns
    // always hold four checks or more.
    options.turns = Sanitized ? 1600 : 3000;
    options.checkEvery = Sanitized ? 200 : 300;
    const SoakReport report = RunSoak(options, root.path);
    const std::string text = SoakReportText(report);
    ExpectClean(report, options, text);
    EXPECT_GE(report.checks, 4) << text;
    EXPECT_GT(report.sectorsVisited, report.games) << "the bot never left a sector\n" << text;
    // The summary a script reads: one line per quest and difficulty, then `name count`.
    EXPECT_TRUE(std::regex_search(text, std::regex("\nquest (forest|chaos|castle) difficulty (easy|normal|hard): "
                                                   "games [1-9][0-9]*, wins [0-9]+, median depth [1-9][0-9]*\n")))
        << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("\ncoverage\n(.*\n)*turns [0-9]+\n"))) << text;
    // Every death is told by its cause.
    int causes = 0;
    for (const auto& [name, count] : report.coverage)
        if (name.rfind("death-", 0) == 0) causes += count;
    EXPECT_EQ(causes, report.deaths) << text;
}

// Deep starts put a levelled hero with a kit next to each quest's goal: the late game,
// its sector changes and its endings are played and saved like the first sectors.
TEST(Soak, DeepStartsOfEveryQuestPlayTheLateGame) {
    const char* const quests[] = {"forest", "chaos", "castle"};
    for (int quest = 0; quest < 3; ++quest) {
        SCOPED_TRACE(quests[quest]);
        TempFolder root;
        SoakOptions options;
        options.seed = 5;
        options.quest = quest;
        options.deepShare = 100;
        options.deepDepth = 28;
        options.turns = Sanitized ? 300 : 600;
        options.checkEvery = 100;
        const SoakReport report = RunSoak(options, root.path);
        const std::string text = SoakReportText(report);
        ExpectClean(report, options, text);
        ASSERT_FALSE(report.runs.empty()) << text;
        EXPECT_TRUE(report.runs.front().deep) << text;
        EXPECT_GE(report.runs.front().maxDepth, 28) << text;
        const std::string start = std::string("deep-start ") + quests[quest] + "-depth-28";
        EXPECT_GT(report.coverage.count(start), 0u) << text;
    }
}
