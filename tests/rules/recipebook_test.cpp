// The recipe book screen, run headless with its keys from a script.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "rules/recipebook.h"
#include "support/test_support.h"

namespace {

// The book's entry r stands at (110 + 150 * (r / 20), 90 + 20 * (r % 20)); its cursor bar
// is (150, 150, 205). The bar's lower right corner lies clear of the entry's text.
bool BarOn(const std::vector<uint8_t>& rgba, int width, int r) {
    const int x = 110 + 150 * (r / 20) + 135;
    const int y = 90 + 20 * (r % 20) + 18;
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    return p[0] == 150 && p[1] == 150 && p[2] == 205;
}

TEST(RecipeBook, OfTwoArrowsHeldTheFirstOfUpDownLeftRightMovesTheCursor) {
    TempFolder folder;
    const std::string shot = folder.path + "/book.png";
    // Down over Right: 0 -> 1. Right alone: -> 21. Up over Left and Right: -> 20.
    std::string script = "wait 12\n";
    script += "hold Down Right\nwait 1\nrelease Down Right\nwait 12\n";
    script += "hold Right\nwait 1\nrelease Right\nwait 12\n";
    script += "hold Up Left Right\nwait 1\nrelease Up Left Right\nwait 12\n";
    script += "shot " + shot + "\n";
    script += "tap Space\nwait 20000\n";
    std::ofstream(folder.path + "/script.txt") << script;
    ClearAllTables();
    ASSERT_EQ(StartHeadless(folder.path + "/script.txt"), "");
    OpenScreen(1024, 768);
    RecipeBookScreen();
    StopPlatform();

    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    std::string error;
    ASSERT_TRUE(LoadPng(shot, w, h, rgba, error)) << error;
    for (const int r : {0, 1, 20, 21, 40, 54}) EXPECT_EQ(BarOn(rgba, w, r), r == 20) << "entry " << r;
}

}  // namespace
