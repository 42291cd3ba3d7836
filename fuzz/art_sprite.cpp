// The art generator's text-grid sources: the first byte chooses the reader (the shared
// palette, a sheet source, a single image or the list of outputs), the rest is its text.
// A sheet source takes its cell size and frame count from the next three bytes.
#include <cstdint>
#include <string>

#include "sprite_source.h"

namespace {

// A few colours of the shared palette, enough for grids the fuzzer copies from the art.
const char* const SharedColours =
    "k #0e0d14\nK #23222e\nd #3b3a4a\nw #ffffff\nb #2b1a12\nG #1e4a22\ng #2f6b2c\nf #4f9a3a\n"
    "F #7cc24a\ny #b8e070\nN #5a3a22\nn #6e4526\nr #c03030\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static Palette shared;
    static bool ready = false;
    std::string err;
    if (!ready) ready = ParsePalette(SharedColours, "shared", shared, err);
    const int which = data[0] % 4;
    ++data;
    --size;
    if (which == 0) {
        Palette pal;
        ParsePalette(std::string(reinterpret_cast<const char*>(data), size), "palette.txt", pal, err);
    } else if (which == 1) {
        if (size < 3) return 0;
        const int cellW = 1 + data[0] % 32, cellH = 1 + data[1] % 32, count = 1 + data[2] % 64;
        const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
        FrameSet set = MakeFrameSet(cellW, cellH, count);
        if (ParseSheetSource(text, "sheet.txt", shared, set, err) && FinishFrameSet(set, "sheets.txt:1", err))
            PackSheet(set, 1 + data[0] % 16);
    } else if (which == 2) {
        Canvas out;
        ParseImageSource(std::string(reinterpret_cast<const char*>(data), size), "image.txt", shared, out, err);
    } else {
        std::vector<OutputEntry> entries;
        ParseSheetList(std::string(reinterpret_cast<const char*>(data), size), "sheets.txt", entries, err);
    }
    return 0;
}
