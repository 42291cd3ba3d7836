// A frame that repeats the last one is not drawn again; these check that the picture is
// nonetheless always the frame the game drew, whatever came before it.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/test_support.h"

namespace {

constexpr unsigned Lavender = 0x9696CD;
constexpr unsigned Night = 0x141428;
constexpr unsigned Yellow = 0xFFFF00;

// The lavender screen with a night-blue box at (x, 100) and a yellow word.
void DrawScene(int boxX) {
    SetClearColor(150, 150, 205);
    ClearScreen();
    SetAlpha(1);
    SetColor(20, 20, 40);
    DrawRect(boxX, 100, 50, 50);
    SetColor(255, 255, 0);
    DrawText("Hoofbound", 300, 300);
}

}  // namespace

TEST(FrameReuse, ThePictureIsAlwaysTheFrameJustDrawn) {
    ASSERT_EQ(StartHeadless(""), "");
    OpenScreen(800, 600);
    DrawScene(100);
    PresentFrame();
    EXPECT_EQ(FramePixel(120, 120), Night);

    // The same frame again, several times: the picture keeps it.
    for (int k = 0; k < 3; ++k) {
        DrawScene(100);
        PresentFrame();
        EXPECT_EQ(FramePixel(120, 120), Night) << "repeat " << k;
        EXPECT_EQ(FramePixel(200, 120), Lavender) << "repeat " << k;
    }

    // One rectangle moved: the whole frame is drawn, the old box is gone.
    DrawScene(180);
    PresentFrame();
    EXPECT_EQ(FramePixel(120, 120), Lavender);
    EXPECT_EQ(FramePixel(200, 120), Night);

    // One rectangle more, drawn over the box: a different frame.
    DrawScene(180);
    SetColor(255, 255, 0);
    DrawRect(180, 100, 50, 50);
    PresentFrame();
    EXPECT_EQ(FramePixel(200, 120), Yellow);

    // Back to an earlier frame that is not the last one shown.
    DrawScene(100);
    PresentFrame();
    EXPECT_EQ(FramePixel(120, 120), Night);
    EXPECT_EQ(FramePixel(200, 120), Lavender);
    StopPlatform();
}

// What is read in the middle of a frame is what the frame has drawn so far, and a frame
// read that way and then repeated still ends as drawn.
TEST(FrameReuse, ReadingInTheMiddleOfAFrameSeesItsDrawing) {
    ASSERT_EQ(StartHeadless(""), "");
    OpenScreen(800, 600);
    DrawScene(100);
    PresentFrame();

    SetClearColor(150, 150, 205);
    ClearScreen();
    EXPECT_EQ(FramePixel(120, 120), Lavender) << "the clear has already happened";
    SetColor(20, 20, 40);
    DrawRect(100, 100, 50, 50);
    EXPECT_EQ(FramePixel(120, 120), Night);
    SetColor(255, 255, 0);
    DrawText("Hoofbound", 300, 300);
    PresentFrame();
    EXPECT_EQ(FramePixel(120, 120), Night);

    // A new screen size starts from a blank picture, so a frame equal to the last one
    // before the change must be drawn anew.
    OpenScreen(1024, 768);
    DrawScene(100);
    PresentFrame();
    EXPECT_EQ(FramePixel(120, 120), Night);
    EXPECT_EQ(FramePixel(1000, 700), Lavender);
    StopPlatform();
}
