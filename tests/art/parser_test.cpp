// The sprite-source reader: a mistake in a grid must stop the build with the
// file and line to fix, never produce a silently shifted or blank frame.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sprite_source.h"

namespace {

Palette TwoColours() {
    Palette p;
    std::string err;
    EXPECT_TRUE(ParsePalette("# test\nA #ff0000\nB #00ff0080\n", "pal.txt", p, err)) << err;
    return p;
}

struct BadSource {
    const char* what;
    const char* text;
    const char* where;   // expected "file:line" prefix
    const char* reason;  // expected words in the message
};

TEST(SpriteSource, RejectsBadGridsWithFileAndLine) {
    const BadSource cases[] = {
        {"row too long", "frame 0 a\nAAAA\nA.A\nAAA\n", "s.txt:2:", "wide"},
        {"row too short", "frame 0 a\nAAA\nA.\nAAA\n", "s.txt:3:", "wide"},
        {"unknown character", "frame 1 b\nAAA\nAZA\nAAA\n", "s.txt:3:", "'Z'"},
        {"too few rows at end", "frame 0 a\nAAA\nAAA\n", "s.txt:1:", "rows"},
        {"too few rows before next frame", "frame 0 a\nAAA\nAAA\nframe 1 b\nAAA\nAAA\nAAA\n", "s.txt:1:", "rows"},
        {"duplicate frame", "frame 0 a\nAAA\nAAA\nAAA\n# again\nframe 0 b\nBBB\nBBB\nBBB\n",
         "s.txt:6:", "already defined at s.txt:1"},
        {"frame out of range", "empty 4\n", "s.txt:1:", "out of range"},
        {"frame not a number", "frame x\n", "s.txt:1:", "not a frame number"},
        {"duplicate via empty", "empty 1\nsame 1 0\n", "s.txt:2:", "already defined"},
        {"unknown directive", "\n\nframes 0\n", "s.txt:3:", "unknown line"},
        {"bad local colour", "color Q #12345\n", "s.txt:1:", "bad colour"},
        {"dot cannot be recoloured", "color . #123456\n", "s.txt:1:", "cannot name"},
    };
    Palette pal = TwoColours();
    for (const BadSource& c : cases) {
        FrameSet set = MakeFrameSet(3, 3, 4);
        std::string err;
        EXPECT_FALSE(ParseSheetSource(c.text, "s.txt", pal, set, err)) << c.what;
        EXPECT_EQ(err.rfind(c.where, 0), 0u) << c.what << ": " << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << c.what << ": " << err;
    }
}

TEST(SpriteSource, ReadsColoursCopiesAndLocalOverrides) {
    Palette pal = TwoColours();
    FrameSet set = MakeFrameSet(2, 2, 4);
    std::string err;
    ASSERT_TRUE(ParseSheetSource("frame 0 red\nA.\n.B\nsame 2 0\nempty 3\n", "one.txt", pal, set, err)) << err;
    // A local colour applies to the rest of its own file only.
    ASSERT_TRUE(ParseSheetSource("color A #0000ff\nframe 1 blue\nAA\nAA\n", "two.txt", pal, set, err)) << err;
    ASSERT_TRUE(FinishFrameSet(set, "sheets.txt:1", err)) << err;
    EXPECT_EQ(GetPixel(set.frames[0], 0, 0), 0xFFFF0000u);
    EXPECT_EQ(GetPixel(set.frames[0], 1, 0), 0u);
    EXPECT_EQ(GetPixel(set.frames[0], 1, 1), 0x8000FF00u);
    EXPECT_EQ(GetPixel(set.frames[1], 0, 0), 0xFF0000FFu);
    EXPECT_EQ(set.frames[2].px, set.frames[0].px);
    EXPECT_EQ(set.frames[3].px, std::vector<uint32_t>(4, 0u));
    EXPECT_EQ(pal.argb['A'], 0xFFFF0000u);
}

TEST(SpriteSource, EveryFrameMustBeAccountedFor) {
    Palette pal = TwoColours();
    std::string err;
    FrameSet missing = MakeFrameSet(1, 1, 3);
    ASSERT_TRUE(ParseSheetSource("frame 0 a\nA\nempty 2\n", "s.txt", pal, missing, err)) << err;
    EXPECT_FALSE(FinishFrameSet(missing, "sheets.txt:9", err));
    EXPECT_EQ(err, "sheets.txt:9: frame 1 is not defined by any source");

    FrameSet copyOfEmpty = MakeFrameSet(1, 1, 2);
    ASSERT_TRUE(ParseSheetSource("empty 0\nsame 1 0\n", "s.txt", pal, copyOfEmpty, err)) << err;
    EXPECT_FALSE(FinishFrameSet(copyOfEmpty, "sheets.txt:9", err));
    EXPECT_EQ(err.rfind("s.txt:2:", 0), 0u) << err;
}

TEST(SpriteSource, SheetListAndPaletteErrors) {
    std::vector<OutputEntry> list;
    std::string err;
    ASSERT_TRUE(
        ParseSheetList("sheet a.png 16 16 3 16 tiles\nfont f.png font\nimage r.png r/r.txt\n", "l.txt", list, err))
        << err;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].count, 96);
    EXPECT_EQ(list[2].kind, kOutImage);

    const std::pair<const char*, const char*> bad[] = {
        {"sheet a.png 16 16 0 16 tiles\n", "l.txt:1:"},
        {"\nsheet a.png 16 16 2 tiles\n", "l.txt:2:"},
        {"font ../f.png font\n", "l.txt:1:"},
        {"image a.png x\nimage a.png y\n", "l.txt:2:"},
        {"movie a.png x\n", "l.txt:1:"},
    };
    for (const auto& [text, where] : bad) {
        std::vector<OutputEntry> l;
        EXPECT_FALSE(ParseSheetList(text, "l.txt", l, err)) << text;
        EXPECT_EQ(err.rfind(where, 0), 0u) << text << " -> " << err;
    }
    Palette p;
    EXPECT_FALSE(ParsePalette("A #ff0000\nA #00ff00\n", "p.txt", p, err));
    EXPECT_EQ(err.rfind("p.txt:2:", 0), 0u) << err;
    // A name byte past ASCII is refused by name, not looked up beyond the colour table.
    Palette q;
    EXPECT_FALSE(ParsePalette("A #ff0000\n\xff #00ff00\n", "p.txt", q, err));
    EXPECT_EQ(err.rfind("p.txt:2: '\xff' cannot name a colour", 0), 0u) << err;

    // Lines of nothing but a vertical tab or a form feed are blank in every list the
    // generator reads, never read for a first word they do not have.
    Palette r;
    EXPECT_TRUE(ParsePalette("\v\nA #ff0000\n\f \n", "p.txt", r, err)) << err;
    std::vector<OutputEntry> spaced;
    EXPECT_TRUE(ParseSheetList("\v\f\nsheet a.png 16 16 3 16 tiles\n", "l.txt", spaced, err)) << err;
    FrameSet set = MakeFrameSet(2, 1, 1);
    EXPECT_TRUE(ParseSheetSource("\v\nframe 0 dot\nAB\n\f\n", "s.txt", TwoColours(), set, err)) << err;
}

// The generator itself, run on a broken art folder: one line naming the file
// and line on stderr, exit status 1, and no picture written.
TEST(Hoofart, BrokenSourceStopsTheBuild) {
    std::string out = testing::TempDir() + "hoofart_broken_out";
    std::string errFile = testing::TempDir() + "hoofart_broken_err.txt";
    std::string cmd = std::string("\"") + HOOFART_EXE + "\" --art \"" + HOOF_ART_FIXTURES + "/broken\" --out \"" + out +
                      "\" 2>\"" + errFile + "\"";
    int status = std::system(cmd.c_str());
    ASSERT_NE(status, -1);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    FILE* f = std::fopen(errFile.c_str(), "r");
    ASSERT_NE(f, nullptr);
    char buf[512] = {0};
    size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    std::string msg(buf, n);
    EXPECT_NE(msg.find("bad/b_frames.txt:7: unknown colour character '?'"), std::string::npos) << msg;
    EXPECT_EQ(std::count(msg.begin(), msg.end(), '\n'), 1) << msg;
    FILE* png = std::fopen((out + "/ok.png").c_str(), "rb");
    EXPECT_EQ(png, nullptr) << "the good sheet must not be written when another fails";
    if (png) std::fclose(png);
}

}  // namespace
