// Text-grid sprite sources: the shared palette, sheet source files and the
// list of outputs in art/sheets.txt. Every routine reports the first problem
// as "file:line: reason" in err and returns false.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

// One colour per character; '.' is always fully transparent.
struct Palette {
    std::array<uint32_t, 128> argb{};
    std::array<bool, 128> known{};
};

// Parses "#RRGGBB" or "#RRGGBBAA" into 0xAARRGGBB.
bool ParseHexColour(const std::string& text, uint32_t& argb);

// Palette text: "<char> #RRGGBB[AA]" per line, '#' comments, blank lines.
bool ParsePalette(const std::string& text, const std::string& fileName, Palette& pal, std::string& err);

// What a sheet source file says about each frame.
enum FrameState { kFrameUndefined = 0, kFrameDrawn = 1, kFrameEmpty = 2, kFrameSame = 3 };

struct PendingCopy {
    int frame = 0;
    int from = 0;
    std::string where;  // "file:line" of the `same` line, for later errors
};

struct FrameSet {
    int cellW = 0;
    int cellH = 0;
    std::vector<Canvas> frames;
    std::vector<int> state;
    std::vector<std::string> where;  // "file:line" that defined each frame
    std::vector<PendingCopy> copies;
};

FrameSet MakeFrameSet(int cellW, int cellH, int count);

// Reads one sheet source (text of fileName) into the frame set. Local `color`
// lines apply only to the rest of this text; the shared palette is untouched.
bool ParseSheetSource(const std::string& text, const std::string& fileName, const Palette& shared, FrameSet& set,
                      std::string& err);

// Resolves `same` lines and checks that every frame is drawn or declared
// empty. listWhere names the sheets.txt line for frames nobody defined.
bool FinishFrameSet(FrameSet& set, const std::string& listWhere, std::string& err);

// Lays the frames out left to right, then top to bottom.
Canvas PackSheet(const FrameSet& set, int columns);

// A single-frame image source: "size W H", then "frame 0 <name>" and H rows.
bool ParseImageSource(const std::string& text, const std::string& fileName, const Palette& shared, Canvas& out,
                      std::string& err);

// One line of art/sheets.txt.
enum OutputKind { kOutSheet, kOutFont, kOutPicture, kOutImage };

struct OutputEntry {
    OutputKind kind = kOutSheet;
    std::string file;    // output PNG name, no folders
    std::string source;  // folder or source file, relative to the art folder
    int cellW = 0, cellH = 0, count = 0, columns = 0;
    int line = 0;
};

bool ParseSheetList(const std::string& text, const std::string& fileName, std::vector<OutputEntry>& out,
                    std::string& err);

// The font sheet: 96 glyphs of 8 x 16 for characters 32..127, 16 per row.
constexpr int kFontCellW = 8;
constexpr int kFontCellH = 16;
constexpr int kFontGlyphs = 96;
constexpr int kFontColumns = 16;
