#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/platform.h"
#include "support/test_support.h"

TEST(ScreenFit, WhereThePictureLandsInTheWindow) {
    const struct {
        int sw, sh, ww, wh;
        ScreenPlacement want;
    } cases[] = {
        {1024, 768, 1024, 768, {0, 0, 1024, 768, false}},
        {1024, 768, 2100, 1600, {26, 32, 2048, 1536, false}},   // two whole steps
        {1024, 768, 1920, 1080, {448, 156, 1024, 768, false}},  // a desktop after F11
        {800, 600, 1920, 1080, {560, 240, 800, 600, false}},
        {1024, 768, 1300, 700, {183, 0, 933, 700, true}},  // too short: shrunk, smooth
        {1024, 768, 900, 1000, {0, 162, 900, 675, true}},  // too narrow
        {800, 600, 640, 480, {0, 0, 640, 480, true}},
        {1024, 768, 0, 0, {0, 0, 0, 0, false}},  // minimised: nothing to show
        {1024, 768, 1, 5000, {0, 2499, 1, 1, true}},
    };
    for (const auto& c : cases) {
        const ScreenPlacement p = PlaceScreen(c.sw, c.sh, c.ww, c.wh);
        const std::string at = std::to_string(c.ww) + "x" + std::to_string(c.wh);
        EXPECT_EQ(p.x, c.want.x) << at;
        EXPECT_EQ(p.y, c.want.y) << at;
        EXPECT_EQ(p.w, c.want.w) << at;
        EXPECT_EQ(p.h, c.want.h) << at;
        EXPECT_EQ(p.smooth, c.want.smooth) << at;
    }
}

namespace {

int Brightness(unsigned rgb) { return std::max({(rgb >> 16) & 255u, (rgb >> 8) & 255u, rgb & 255u}); }

// White text on black, one line every 21 rows, so across the lines every row of the
// glyphs falls at every phase of a fractional scale.
constexpr int TextX = 40;
constexpr int FirstLine = 40;
constexpr int LineStep = 21;
constexpr int Lines = 12;
const std::string Sample = "EFHTZ=#Bmw";

void DrawSample() {
    SetClearColor(0, 0, 0);
    ClearScreen();
    SetColor(255, 255, 255);
    SetAlpha(1);
    for (int k = 0; k < Lines; ++k) DrawText(Sample, TextX, FirstLine + LineStep * k);
}

}  // namespace

// Shown in a window too small for it, every inked pixel of every letter still shows in
// the window row and column its centre falls in: no row or column of a glyph is lost.
TEST(ScreenFit, LettersKeepEveryRowInASmallWindow) {
    for (const auto& size : {std::pair{1300, 700}, std::pair{900, 700}}) {
        ASSERT_EQ(StartHeadless(""), "");
        OpenScreen(1024, 768);
        ResizeWindow(size.first, size.second);
        DrawSample();
        PresentFrame();
        const ScreenPlacement p = PlaceScreen(1024, 768, size.first, size.second);
        ASSERT_TRUE(p.smooth);
        const double sx = static_cast<double>(p.w) / 1024, sy = static_cast<double>(p.h) / 768;
        int inked = 0, lost = 0;
        for (int y = FirstLine; y < FirstLine + LineStep * Lines; ++y) {
            for (int x = TextX; x < TextX + 8 * static_cast<int>(Sample.size()); ++x) {
                if (Brightness(FramePixel(x, y)) < 128) continue;
                ++inked;
                const int wx = p.x + static_cast<int>(std::floor((x + 0.5) * sx));
                const int wy = p.y + static_cast<int>(std::floor((y + 0.5) * sy));
                if (Brightness(WindowPixel(wx, wy)) < 40) ++lost;
            }
        }
        EXPECT_GT(inked, 500);
        EXPECT_EQ(lost, 0) << "inked pixels lost at " << size.first << "x" << size.second;
        StopPlatform();
    }
}

// Where the window holds the picture by whole steps it is a plain enlargement, pixel
// for pixel, and the bars around it are black whatever the game's clear colour; after
// a change of size (as when F11 switches to a desktop with no resize event) the
// picture moves to the new centre at the next frame.
TEST(ScreenFit, WholeStepsCopyExactlyBetweenBlackBars) {
    ASSERT_EQ(StartHeadless(""), "");
    OpenScreen(800, 600);
    for (const auto& size : {std::pair{800, 600}, std::pair{1920, 1080}, std::pair{1700, 1300}, std::pair{1000, 900},
                             std::pair{640, 480}}) {
        ResizeWindow(size.first, size.second);
        SetClearColor(150, 150, 205);
        ClearScreen();
        SetColor(255, 255, 0);
        DrawText("Hoofbound", 3, 5);
        SetColor(20, 20, 40);
        DrawRect(700, 500, 100, 100);
        PresentFrame();
        const ScreenPlacement p = PlaceScreen(800, 600, size.first, size.second);
        const std::string at = std::to_string(size.first) + "x" + std::to_string(size.second);
        if (p.x > 0) {
            EXPECT_EQ(WindowPixel(0, size.second / 2), 0u) << at;
            EXPECT_EQ(WindowPixel(size.first - 1, size.second / 2), 0u) << at;
        }
        if (p.y > 0) {
            EXPECT_EQ(WindowPixel(size.first / 2, 0), 0u) << at;
            EXPECT_EQ(WindowPixel(size.first / 2, size.second - 1), 0u) << at;
        }
        if (p.smooth) continue;
        const int step = p.w / 800;
        int differ = 0;
        for (int y = 0; y < 600; y += 3) {
            for (int x = 0; x < 800; x += 3) {
                const unsigned want = FramePixel(x, y);
                for (int k = 0; k < step * step; ++k) {
                    differ += WindowPixel(p.x + x * step + k % step, p.y + y * step + k / step) != want;
                }
            }
        }
        EXPECT_EQ(differ, 0) << at;
    }
    StopPlatform();
}
