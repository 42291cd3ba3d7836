#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/platform.h"
#include "platform/script.h"

TEST(Script, RefusesUnreadableLinesNamingThem) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"wait 5\njump 3\n", "script line 2: unknown step 'jump'"},
        {"# comment\n\nhold Q Banana\n", "script line 3: unknown key 'Banana'"},
        {"wait -1\n", "script line 1: wait takes one number of frames"},
        {"wait\n", "script line 1: wait takes one number of frames"},
        {"tap Enter 0\n", "script line 1: tap's frame count"},
        {"pointer 10\n", "script line 1: pointer takes two whole numbers"},
        {"shot\n", "script line 1: shot takes one file name"},
        {"close now\n", "script line 1: close takes nothing"},
        {"release\n", "script line 1: release needs at least one key"},
        {"hold 0\n", "script line 1: unknown key '0'"},
    };
    for (const auto& c : cases) {
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(ParseScript(c.text, steps, error)) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << "got: " << error;
    }
}

TEST(Script, KeyNamesAreCaseInsensitive) {
    EXPECT_EQ(KeyCodeFromName("ESC"), KeyEsc);
    EXPECT_EQ(KeyCodeFromName("lshift"), KeyLShift);
    EXPECT_EQ(KeyCodeFromName("z"), KeyA + 25);
    EXPECT_EQ(KeyCodeFromName("9"), KeyDigit1 + 8);
    EXPECT_EQ(KeyCodeFromName("F12"), KeyF12);
    EXPECT_EQ(KeyCodeFromName("Tab"), -1);
}

// Plays a script frame by frame, recording which keys the game would see.
struct Played {
    std::vector<int> downHeld;
    std::vector<int> escPresses;
    std::vector<int> closes;
    std::vector<std::vector<std::string>> shots;
};

Played Play(const std::string& text, int frames) {
    ScriptRunner runner;
    std::string error;
    EXPECT_TRUE(ParseScript(text, runner.steps, error)) << error;
    InputReset();
    Played p;
    for (int f = 0; f < frames; ++f) {
        BeginScriptFrame(runner);
        p.downHeld.push_back(KeyHeld(KeyDown));
        p.escPresses.push_back(KeyPresses(KeyEsc));
        p.closes.push_back(CloseRequested());
        p.shots.push_back(runner.shots);
    }
    return p;
}

TEST(Script, StepsActFrameByFrame) {
    // Down is held for three frames, then two frames pass before the close.
    const Played p = Play("tap Down 3\nwait 2\n", 8);
    EXPECT_EQ(p.downHeld, (std::vector<int>{1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(p.closes, (std::vector<int>{0, 0, 0, 0, 0, 1, 0, 0}));
}

TEST(Script, EscCountsOnePressEachTimeItGoesDown) {
    const Played p = Play("hold Esc\nhold Esc\nwait 1\nrelease Esc\ntap Esc\nwait 3\n", 6);
    EXPECT_EQ(p.escPresses, (std::vector<int>{1, 1, 0, 0, 0, 0}));
}

TEST(Script, ShotsAndDumpsInARowShareOneFrame) {
    const Played p = Play("wait 1\nshot a.png\ndump a.txt\nshot b.png\nwait 1\nshot c.png\n", 6);
    EXPECT_TRUE(p.shots[0].empty());
    EXPECT_EQ(p.shots[1], (std::vector<std::string>{"a.png", "b.png"}));
    EXPECT_TRUE(p.shots[2].empty());
    EXPECT_EQ(p.shots[3], (std::vector<std::string>{"c.png"}));
    EXPECT_EQ(p.closes[4], 1);
}
