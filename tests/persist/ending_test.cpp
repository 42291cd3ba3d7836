#include <gtest/gtest.h>

#include <fstream>

#include "core/state.h"
#include "persist/screens/ending.h"
#include "persist/screens/screens.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "support/test_support.h"

TEST(Ending, WhichRunsAreScoredAndHowMuch) {
    const struct {
        int difficulty;
        int won;
        int scenario;
        bool scored;
        int score;  // with 40 bits and level 3
        const char* text;
    } cases[] = {
        {0, 0, 0, false, 0, ""},
        {0, 1, 0, true, 80 + 50 + 75, "MELLOWEN succeeded in curing Clovermere!"},
        {1, 0, 1, true, 80 + 75, ""},
        {1, 1, 1, true, 80 + 500 + 75, "MELLOWEN defeated Skarnix!"},
        {2, 0, 2, true, 80 + 75 + 100, ""},
        {2, 1, 2, true, 80 + 900 + 75 + 100, "MELLOWEN defeated Vorgath!"},
    };
    for (const auto& c : cases) {
        ClearAllTables();
        MonName[0] = "MELLOWEN";
        Bits = 40;
        MonLevel[0] = 3;
        GameVars[47] = c.difficulty;
        GameVars[49] = c.scenario;
        GameWon = c.won;
        EXPECT_EQ(RunIsScored(), c.scored);
        if (!c.scored) continue;
        EXPECT_EQ(ScoreRun(), c.score) << "difficulty " << c.difficulty << " won " << c.won;
        EXPECT_EQ(DeathMessage, c.text);
    }
}

TEST(Ending, ScoresEnterTheirTableInRank) {
    ClearAllTables();
    // All rows empty (value 0): any score of 0 or more goes to the top.
    EXPECT_EQ(EnterHighScore(1, 0, "A", 1), 0);
    for (int r = 0; r < 10; ++r) {
        HighScoreValue[r][2] = 1000 - 100 * r;  // 1000, 900, ..., 100
        HighScoreName[r][2] = "row" + std::to_string(r);
        HighScoreDepth[r][2] = r;
    }
    // A tie goes above the older score; everything below moves down and row 9 is lost.
    EXPECT_EQ(EnterHighScore(2, 700, "new", 12), 3);
    EXPECT_EQ(HighScoreName[3][2], "new");
    EXPECT_EQ(HighScoreDepth[3][2], 12);
    EXPECT_EQ(HighScoreName[4][2], "row3");
    EXPECT_EQ(HighScoreValue[4][2], 700);
    EXPECT_EQ(HighScoreName[9][2], "row8");
    // Below all ten: not entered, the table unchanged.
    EXPECT_EQ(EnterHighScore(2, 50, "low", 1), -1);
    EXPECT_EQ(HighScoreName[9][2], "row8");
    EXPECT_EQ(EnterHighScore(3, 50, "no table", 1), -1);
}

// The bar that marks the new score stands on the table the score entered, and on no
// other table at the same rank. Read from screenshots of the headless screen.
TEST(Ending, TheNewScoreBarStaysOnItsOwnTable) {
    TempFolder folder;
    const std::string script = folder.path + "/scores.txt";
    std::ofstream(script) << "wait 12\nshot " << folder.path << "/own.png\n"
                          << "tap Right\nwait 12\nshot " << folder.path << "/next.png\n"
                          << "tap Right\nwait 12\nshot " << folder.path << "/third.png\n"
                          << "tap Right\nwait 12\nshot " << folder.path << "/back.png\n"
                          << "tap Space\nwait 100000\n";
    ASSERT_EQ(StartHeadless(script), "");
    ClearAllTables();
    ScreenWidth = 1024;
    ScreenHeight = 768;
    OpenScreen(1024, 768);
    MenuCursor = 2;
    HighScoreScreen(1);
    StopPlatform();
    // A point of rank 2's row, right of its text: the bar's colour, or the panel's.
    const auto barAt = [&](const char* name) {
        int w = 0, h = 0;
        std::vector<uint8_t> rgba;
        std::string error;
        EXPECT_TRUE(LoadPng(folder.path + "/" + name, w, h, rgba, error)) << error;
        if (w != 1024 || h != 768) return false;
        const size_t at = (static_cast<size_t>(290) * w + 495) * 4;
        return rgba[at] == 150 && rgba[at + 1] == 150 && rgba[at + 2] == 205;
    };
    EXPECT_TRUE(barAt("own.png"));
    EXPECT_FALSE(barAt("next.png"));
    EXPECT_FALSE(barAt("third.png"));
    EXPECT_TRUE(barAt("back.png")) << "back on its own table the bar is there again";
}
