// The large-picture renderer: a slip in a drawing procedure must name the file
// and line, and the same procedure must always give the same pixels.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <fstream>
#include <string>

#include "picture.h"

namespace {

std::string WriteTemp(const std::string& name, const std::string& text) {
    std::string path = testing::TempDir() + "/" + name;
    std::ofstream(path) << text;
    return path;
}

TEST(PictureTest, MalformedLinesNameFileAndLine) {
    struct Case {
        const char* body;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"size 8 8\nrect 0 0 4 4 #FF0000\nrect 0 0 4 #FF0000\n", 3, "rect takes 5"},
        {"size 8 8\nellipse 4 4 two 2 #00FF00\n", 2, "not a number"},
        {"size 8 8\nfill #12345\n", 2, "not a colour"},
        {"# comment\nfill #123456\n", 2, "before size"},
        {"size 8 8\nsize 8 8\n", 2, "size given twice"},
        {"size 8 8\nwobble 1 2\n", 2, "unknown command"},
        {"size 8 8\ngrid g\nkey a #FF0000\naa\nab\nend\n", 5, "'b' has no key"},
        {"size 8 8\ngrid g\nkey a #FF0000\naa\naaa\nend\n", 5, "wide"},
        {"size 8 8\ngrid g\nkey a #FF0000\naa\n", 2, "never closed"},
        {"size 8 8\nplace nothing 0 0 1\n", 2, "no grid named"},
        {"size 8 8\nlettering 0 0 1 1 #FFFFFF #FFFFFF #000000 0 A\n", 2, "no glyph"},
        {"size 8 8\ntrunk 4 8 2 3 #111111 #222222 #333333\n", 2, "top above its foot"},
        {"size 0 8\n", 1, "whole number"},
        // Coordinates far past any canvas once overflowed the ints they are rounded to.
        {"size 8 8\nellipse -5e99 4 2 2 #00FF00\n", 2, "lies beyond -16384 to 16384"},
        {"size 8 8\nnoise 0 0 1e9 1e9 4\n", 2, "lies beyond"},
    };
    for (const Case& c : cases) {
        std::string path = WriteTemp("bad_picture.txt", c.body);
        Canvas out;
        std::string err;
        EXPECT_FALSE(RenderPicture(path, testing::TempDir(), out, err)) << c.body;
        EXPECT_NE(err.find(path + ":" + std::to_string(c.line) + ": "), std::string::npos) << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
    }
}

TEST(PictureTest, IncludedFileErrorsNameBothPlaces) {
    std::string inner = WriteTemp("inner.txt", "rect 1 1 1 1 #FF0000\nrect 1 1\n");
    std::string outer = WriteTemp("outer.txt", "size 4 4\ninclude inner.txt\n");
    Canvas out;
    std::string err;
    ASSERT_FALSE(RenderPicture(outer, testing::TempDir(), out, err));
    EXPECT_NE(err.find(outer + ":2: "), std::string::npos) << err;
    EXPECT_NE(err.find(inner + ":2: "), std::string::npos) << err;
}

// A line of nothing but a vertical tab or a form feed is blank, not a command without a name.
TEST(PictureTest, WhitespaceOnlyLinesAreBlank) {
    Canvas out;
    std::string err;
    EXPECT_TRUE(RenderPictureText("size 4 4\n\v\n\f \nrect 1 1 1 1 #FF0000\n", "ws.txt", testing::TempDir(), out, err))
        << err;
}

TEST(PictureTest, DrawsWhereToldAndBlendsAlpha) {
    std::string path = WriteTemp("shapes.txt",
                                 "size 6 4\n"
                                 "rect 1 1 2 2 #FF0000\n"
                                 "rect 2 1 2 1 #0000FF80\n"
                                 "grid g\nkey a #00FF00\na.\n.a\nend\n"
                                 "place g 4 2 1 flip\n");
    Canvas c;
    std::string err;
    ASSERT_TRUE(RenderPicture(path, testing::TempDir(), c, err)) << err;
    ASSERT_EQ(c.w, 6);
    ASSERT_EQ(c.h, 4);
    EXPECT_EQ(GetPixel(c, 0, 0), 0u);  // untouched stays transparent
    EXPECT_EQ(GetPixel(c, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(GetPixel(c, 1, 2), 0xFFFF0000u);
    EXPECT_EQ(GetPixel(c, 2, 1), 0xFF7F0080u);  // half blue over red
    EXPECT_EQ(GetPixel(c, 3, 1), 0x800000FFu);  // half blue over nothing keeps its alpha
    // the flipped grid puts its top-left pixel at the top-right
    EXPECT_EQ(GetPixel(c, 5, 2), 0xFF00FF00u);
    EXPECT_EQ(GetPixel(c, 4, 3), 0xFF00FF00u);
    EXPECT_EQ(GetPixel(c, 4, 2), 0u);
}

// Lettering is coloured only where it lands on the picture: a line running far past
// the edge (or starting left of it) gives the same visible pixels as a short one, and
// letters that a negative gap pulls over each other stay inside the lettering.
TEST(PictureTest, LetteringPastTheEdgesDrawsOnlyWhatShows) {
    const std::string glyphs = "glyph A\nXX\nX.\nend\nglyph B\n.X\nXX\nend\n";
    auto draw = [&](const std::string& command, Canvas& out) {
        std::string err;
        EXPECT_TRUE(RenderPictureText("size 24 10\n" + glyphs + command + "\n", "l.txt", testing::TempDir(), out, err))
            << command << ": " << err;
    };
    Canvas shortLine, longLine, overlapping;
    draw("lettering 2 2 3 1 #FF0000 #00FF00 #000000 2 ABAB", shortLine);
    draw("lettering 2 2 3 1 #FF0000 #00FF00 #000000 2 ABAB" + std::string(3000, 'A'), longLine);
    EXPECT_EQ(shortLine.px.size(), longLine.px.size());
    for (int x = 0; x < 2 + 4 * 9 && x < 24; ++x)
        for (int y = 0; y < 10; ++y) EXPECT_EQ(GetPixel(shortLine, x, y), GetPixel(longLine, x, y)) << x << "," << y;
    Canvas fromLeft;
    draw("lettering -40 2 3 1 #FF0000 #00FF00 #000000 2 " + std::string(20, 'B'), fromLeft);
    bool anyInk = false;
    for (uint32_t p : fromLeft.px) anyInk = anyInk || p != 0;
    EXPECT_TRUE(anyInk);
    draw("lettering 5 2 2 -8 #FF0000 #00FF00 #000000 1 ABABABAB", overlapping);
}

TEST(PictureTest, SameSeedSamePixelsOtherSeedOthers) {
    const std::string body =
        "size 64 48\n"
        "canopy 0 0 64 40 12 4 9 #204020 #408040 #80C060\n"
        "trunk 30 10 48 8 #806040 #503020 #A08060\n"
        "speckle 0 0 64 48 200 #FFFFFF #000000\n";
    Canvas a, b, c;
    std::string err;
    ASSERT_TRUE(RenderPicture(WriteTemp("seed_a.txt", "seed 7\n" + body), ".", a, err)) << err;
    ASSERT_TRUE(RenderPicture(WriteTemp("seed_b.txt", "seed 7\n" + body), ".", b, err)) << err;
    ASSERT_TRUE(RenderPicture(WriteTemp("seed_c.txt", "seed 8\n" + body), ".", c, err)) << err;
    EXPECT_EQ(a.px, b.px);
    EXPECT_NE(a.px, c.px);
}

}  // namespace
