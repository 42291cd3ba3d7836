// Contact sheets for looking at the art: every frame three times its size on a
// checkerboard (so transparent pixels show), with its number underneath.
#include "build.h"

#include <algorithm>

namespace {

constexpr int kZoom = 3;
constexpr uint32_t kPanel = 0xFF141428;  // the game's dark text panel
constexpr uint32_t kCheckA = 0xFF8C8C8C;
constexpr uint32_t kCheckB = 0xFFB4B4B4;

uint32_t Blend(uint32_t under, uint32_t over) {
    uint32_t a = over >> 24;
    if (a == 255) return over;
    if (a == 0) return under;
    auto mix = [&](int shift) {
        uint32_t u = (under >> shift) & 0xFF, o = (over >> shift) & 0xFF;
        return ((o * a + u * (255 - a)) / 255) << shift;
    };
    return 0xFF000000u | mix(16) | mix(8) | mix(0);
}

void DrawLabel(Canvas& dst, const Canvas& font, int x, int y, const std::string& text) {
    for (char ch : text) {
        int g = static_cast<unsigned char>(ch) - 32;
        if (g < 0 || g >= kFontGlyphs) g = 0;
        int gx = (g % kFontColumns) * kFontCellW, gy = (g / kFontColumns) * kFontCellH;
        for (int yy = 0; yy < kFontCellH; ++yy)
            for (int xx = 0; xx < kFontCellW; ++xx)
                if (GetPixel(font, gx + xx, gy + yy) >> 24) PutPixel(dst, x + xx, y + yy, 0xFFFFFFFF);
        x += kFontCellW;
    }
}

}  // namespace

Canvas MakeContactSheet(const FrameSet& frames, const Canvas* font) {
    int count = static_cast<int>(frames.frames.size());
    int boxW = std::max(frames.cellW * kZoom, 4 * kFontCellW) + 6;
    int boxH = frames.cellH * kZoom + kFontCellH + 6;
    int columns = std::max(1, std::min(count, 1024 / boxW));
    int rows = (count + columns - 1) / columns;
    Canvas out = MakeCanvas(columns * boxW + 4, rows * boxH + 4, kPanel);
    for (int n = 0; n < count; ++n) {
        int ox = 4 + (n % columns) * boxW, oy = 4 + (n / columns) * boxH;
        for (int y = 0; y < frames.cellH * kZoom; ++y)
            for (int x = 0; x < frames.cellW * kZoom; ++x) {
                uint32_t check = ((x / 6 + y / 6) % 2) ? kCheckA : kCheckB;
                uint32_t p = GetPixel(frames.frames[n], x / kZoom, y / kZoom);
                PutPixel(out, ox + x, oy + y, Blend(check, p));
            }
        if (font) DrawLabel(out, *font, ox, oy + frames.cellH * kZoom + 1, std::to_string(n));
    }
    return out;
}
