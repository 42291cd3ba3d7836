// Checks the pictures the build wrote into images/, read back from the PNG
// files exactly as the game will load them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "png_io.h"

namespace {

constexpr int kCell = 16;

const Canvas& Image(const std::string& name) {
    static std::map<std::string, Canvas> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        Canvas c;
        std::string err;
        if (!ReadPng(std::string(HOOF_IMAGES_DIR) + "/" + name, c, err)) ADD_FAILURE() << err;
        it = cache.emplace(name, c).first;
    }
    return it->second;
}

// The game numbers cells left to right, then top to bottom, taking the
// number of columns from the image width.
Canvas Cell(const Canvas& sheet, int n, int w = kCell, int h = kCell) {
    int cols = sheet.w / w;
    Canvas c = MakeCanvas(w, h);
    if (cols == 0) return c;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) PutPixel(c, x, y, GetPixel(sheet, (n % cols) * w + x, (n / cols) * h + y));
    return c;
}

int Transparent(const Canvas& c) {
    return static_cast<int>(std::count_if(c.px.begin(), c.px.end(), [](uint32_t p) { return (p >> 24) == 0; }));
}

bool InRanges(int n, std::initializer_list<std::pair<int, int>> ranges) {
    for (auto [a, b] : ranges)
        if (n >= a && n <= b) return true;
    return false;
}

// Tiles drawn without a floor beneath them: they must be fully opaque.
bool IsFullTile(int n) {
    // clang-format off
    return InRanges(n, {{4, 12}, {20, 20}, {40, 43}, {56, 67}, {69, 69}, {72, 72}, {77, 78}, {82, 82}, {85, 91},
                        {93, 97}, {99, 99}, {111, 114}, {143, 144}});
    // clang-format on
}

// Decorations that are floors, walls or stairs themselves: drawn over a floor
// frame, but meant to cover their whole cell so that floor never shows.
bool CoversItsCell(int n) {
    return InRanges(n, {{121, 128},    // engraved temple tiles, temple wall and floor
                        {130, 133},    // lava
                        {119, 119},    // temple entrance: the middle of the temple's base
                        {134, 134},    // stairs to the forest
                        {141, 142}});  // stairs down and up
}

constexpr int kUnusedTile = 151;

TEST(Images, EachFileHasTheSizeTheGameExpects) {
    struct Want {
        const char* file;
        int w, h;
    };
    const Want wants[] = {
        {"tiles.png", 256, 160},                                                    // 152 cells, 16 per row
        {"animals.png", 256, 64},                                                   // 51 cells
        {"hooflings.png", 256, 16}, {"items.png", 256, 16}, {"font.png", 128, 96},  // 96 glyphs of 8 x 16, 16 per row
    };
    for (const Want& w : wants) {
        const Canvas& c = Image(w.file);
        EXPECT_EQ(c.w, w.w) << w.file;
        EXPECT_EQ(c.h, w.h) << w.file;
    }
    const Canvas& rainbow = Image("rainbow.png");
    EXPECT_GE(rainbow.w, 40);
    EXPECT_LE(rainbow.w, 64);
    EXPECT_EQ(rainbow.w, rainbow.h) << "the burst is round and drawn centred";
    // A burst, not a square: corners clear.
    EXPECT_EQ(GetPixel(rainbow, 0, 0) >> 24, 0u);
    EXPECT_EQ(GetPixel(rainbow, rainbow.w - 1, rainbow.h - 1) >> 24, 0u);
}

// The burst is drawn over the hero, centred on its cell, at up to three times a
// cell's width: the hero's cell must stay in sight through it (at most a faint
// veil), while the ring round it is plainly painted on every side.
TEST(Images, LevelUpBurstLetsTheHeroShowThrough) {
    const Canvas& rainbow = Image("rainbow.png");
    const int cx = rainbow.w / 2, cy = rainbow.h / 2;
    const int heroW = rainbow.w / 3;  // the hero's cell at full scale
    for (int y = cy - heroW / 2; y < cy + heroW / 2; ++y)
        for (int x = cx - heroW / 2; x < cx + heroW / 2; ++x) {
            // The cell's corners may be brushed by the ring's inner glow.
            const bool corner = std::abs(x - cx) >= heroW / 2 - 2 && std::abs(y - cy) >= heroW / 2 - 2;
            if (corner) continue;
            EXPECT_LE(GetPixel(rainbow, x, y) >> 24, 0x60u) << "hero hidden at " << x << "," << y;
        }
    const int ring = rainbow.w * 3 / 8;  // between the hero's cell and the edge
    for (auto [dx, dy] : {std::pair{ring, 0}, {-ring, 0}, {0, ring}, {0, -ring}})
        EXPECT_GE(GetPixel(rainbow, cx + dx, cy + dy) >> 24, 0xC0u) << "ring missing at " << dx << "," << dy;
}

TEST(Images, FullTilesAreOpaqueAndDecorationsLetTheFloorShow) {
    const Canvas& tiles = Image("tiles.png");
    for (int n = 0; n < 152; ++n) {
        Canvas c = Cell(tiles, n);
        int clear = Transparent(c);
        if (n == kUnusedTile) {
            EXPECT_EQ(clear, kCell * kCell) << "unused tile " << n;
        } else if (IsFullTile(n) || CoversItsCell(n)) {
            EXPECT_EQ(clear, 0) << "tile " << n << " must cover its cell";
        } else {
            EXPECT_GT(clear, 0) << "decoration " << n << " hides the floor completely";
            EXPECT_LT(clear, kCell * kCell - 12) << "decoration " << n << " is (nearly) blank";
        }
    }
}

// Cells of a sheet that may legitimately look alike: none so far, but any
// future shared picture is listed here with its reason.
const std::set<std::pair<std::string, int>> kEmptyCells = {{"tiles.png", 151}, {"animals.png", 50}};

TEST(Images, NoTwoFramesOfASheetAreTheSame) {
    struct Sheet {
        const char* file;
        int frames;
    };
    for (Sheet s :
         {Sheet{"tiles.png", 152}, Sheet{"animals.png", 51}, Sheet{"hooflings.png", 6}, Sheet{"items.png", 11}}) {
        const Canvas& sheet = Image(s.file);
        std::map<std::vector<uint32_t>, int> seen;
        for (int n = 0; n < s.frames; ++n) {
            Canvas c = Cell(sheet, n);
            if (kEmptyCells.count({s.file, n})) continue;
            if (Transparent(c) == kCell * kCell) {
                ADD_FAILURE() << s.file << " frame " << n << " is blank";
                continue;
            }
            auto [it, fresh] = seen.emplace(c.px, n);
            EXPECT_TRUE(fresh) << s.file << " frames " << it->second << " and " << n << " are identical";
        }
    }
}

TEST(Images, AnimationFramesAllDiffer) {
    const Canvas& tiles = Image("tiles.png");
    // water, fairy door, swamp, lava, one-way portal
    for (int first : {4, 35, 40, 130, 136}) {
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_NE(Cell(tiles, first + a).px, Cell(tiles, first + b).px)
                    << "animation at " << first << ": phases " << a << " and " << b << " are the same";
    }
}

// A block drawn across several cells must carry across each inner seam: most
// of what touches a seam on one side continues on the other. (Not all of it:
// a roof eave or a temple tier may step out exactly at a seam.)
TEST(Images, MultiCellObjectsJoinAcrossTheirSeams) {
    const Canvas& tiles = Image("tiles.png");
    struct Block {
        const char* what;
        int first, cols, rows;
    };
    for (Block b : {Block{"healer's hut", 29, 2, 2}, Block{"relic display", 87, 2, 2}, Block{"throne", 94, 2, 2},
                    Block{"temple", 115, 3, 2}}) {
        Canvas whole = MakeCanvas(b.cols * kCell, b.rows * kCell);
        for (int i = 0; i < b.cols * b.rows; ++i) {
            Canvas c = Cell(tiles, b.first + i);
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x)
                    PutPixel(whole, (i % b.cols) * kCell + x, (i / b.cols) * kCell + y, GetPixel(c, x, y));
        }
        auto opaque = [&](int x, int y) { return (GetPixel(whole, x, y) >> 24) != 0; };
        for (int sx = kCell; sx < whole.w; sx += kCell) {
            int joined = 0, painted = 0;
            for (int y = 0; y < whole.h; ++y) {
                painted += opaque(sx - 1, y) || opaque(sx, y);
                joined += opaque(sx - 1, y) && opaque(sx, y);
            }
            EXPECT_GT(painted, 0) << b.what << ": nothing at vertical seam x=" << sx;
            EXPECT_GE(joined * 4, painted * 3) << b.what << ": broken at vertical seam x=" << sx;
        }
        for (int sy = kCell; sy < whole.h; sy += kCell) {
            int joined = 0, painted = 0;
            for (int x = 0; x < whole.w; ++x) {
                painted += opaque(x, sy - 1) || opaque(x, sy);
                joined += opaque(x, sy - 1) && opaque(x, sy);
            }
            EXPECT_GT(painted, 0) << b.what << ": nothing at horizontal seam y=" << sy;
            EXPECT_GE(joined * 4, painted * 3) << b.what << ": broken at horizontal seam y=" << sy;
        }
    }
}

Canvas Glyph(int code) { return Cell(Image("font.png"), code - 32, 8, 16); }

TEST(Font, GlyphsArePureWhiteAndAllDistinct) {
    std::map<std::vector<uint32_t>, int> seen;
    for (int code = 32; code < 128; ++code) {
        Canvas g = Glyph(code);
        for (uint32_t p : g.px)
            EXPECT_TRUE(p == 0u || p == 0xFFFFFFFFu) << "glyph " << code << " pixel " << std::hex << p;
        if (code == 32) {
            EXPECT_EQ(Transparent(g), 8 * 16) << "space must be blank";
            continue;
        }
        EXPECT_LT(Transparent(g), 8 * 16) << "glyph " << code << " ('" << char(code) << "') is blank";
        auto [it, fresh] = seen.emplace(g.px, code);
        EXPECT_TRUE(fresh) << "glyphs '" << char(it->second) << "' and '" << char(code) << "' look the same";
    }
}

int LowestInkRow(const Canvas& g) {
    for (int y = g.h - 1; y >= 0; --y)
        for (int x = 0; x < g.w; ++x)
            if (GetPixel(g, x, y)) return y;
    return -1;
}

TEST(Font, LettersSitOnOneBaselineAndDescendersHangBelow) {
    const int baseline = LowestInkRow(Glyph('H'));
    EXPECT_GE(baseline, 11);
    EXPECT_LE(baseline, 13);
    for (char c : std::string("ABEHMOTXZaceomsxz0123456789.!?")) EXPECT_EQ(LowestInkRow(Glyph(c)), baseline) << c;
    for (char c : std::string("gjpqy,;")) EXPECT_GT(LowestInkRow(Glyph(c)), baseline) << c;
}

TEST(Items, CategoryIconsAreSpritesWithTransparentBackground) {
    const Canvas& items = Image("items.png");
    for (int n = 0; n < 11; ++n) {
        int clear = Transparent(Cell(items, n));
        EXPECT_GT(clear, 0) << "item icon " << n << " must let the ground show";
        EXPECT_LT(clear, kCell * kCell - 12) << "item icon " << n << " is (nearly) blank";
    }
}

}  // namespace
