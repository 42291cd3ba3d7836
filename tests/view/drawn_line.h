// The view tests' reading of a frame: every text it drew and where, heard through the
// platform's text watcher, on the meadow with every cell in view, at either screen size.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "core/state.h"
#include "platform/platform.h"
#include "rules/meadow_fixture.h"
#include "support/test_support.h"

struct DrawnLine {
    std::string text;
    int x;
    int y;
    bool operator==(const DrawnLine& o) const { return text == o.text && x == o.x && y == o.y; }
};

inline std::ostream& operator<<(std::ostream& out, const DrawnLine& l) {
    return out << "(" << l.x << ", " << l.y << ") \"" << l.text << "\"";
}

class DrawnMeadowTest : public MeadowTest {
protected:
    static inline std::vector<DrawnLine> drawn;
    static void Watch(const std::string& text, int x, int y) { drawn.push_back({text, x, y}); }

    static void SetUpTestSuite() { ASSERT_EQ(StartHeadless("", 5000), ""); }
    static void TearDownTestSuite() { StopPlatform(); }
    void SetUp() override {
        MeadowTest::SetUp();
        for (auto& column : MapSeen)
            for (int& cell : column) cell = 2;
        SetTextWatcher(Watch);
    }
    void TearDown() override {
        SetTextWatcher(nullptr);
        MeadowTest::TearDown();
    }

    static void UseScreen(int w) {
        ScreenWidth = w;
        ScreenHeight = w == 800 ? 600 : 768;
        OpenScreen(ScreenWidth, ScreenHeight);
    }
    // The lines inside the top box.
    static std::vector<DrawnLine> InTopBox(const std::vector<DrawnLine>& lines) {
        std::vector<DrawnLine> box;
        const int left = ScreenWidth == 800 ? 5 : 305;
        for (const DrawnLine& l : lines)
            if (l.y < 85 && l.x >= left) box.push_back(l);
        return box;
    }
    static bool HasStart(const std::vector<DrawnLine>& lines, const std::string& start) {
        return std::any_of(lines.begin(), lines.end(), [&](const DrawnLine& l) { return l.text.rfind(start, 0) == 0; });
    }
};
