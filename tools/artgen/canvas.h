// A plain RGBA pixel buffer that every part of the art generator draws into.
// Pixels are stored row by row; each is 0xAARRGGBB (alpha 0 = transparent).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Canvas {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> px;  // w * h pixels, row-major
};

inline Canvas MakeCanvas(int w, int h, uint32_t fill = 0) {
    Canvas c;
    c.w = w;
    c.h = h;
    c.px.assign(static_cast<size_t>(w) * static_cast<size_t>(h), fill);
    return c;
}

inline uint32_t GetPixel(const Canvas& c, int x, int y) {
    if (x < 0 || y < 0 || x >= c.w || y >= c.h) return 0;
    return c.px[static_cast<size_t>(y) * c.w + x];
}

inline void PutPixel(Canvas& c, int x, int y, uint32_t argb) {
    if (x < 0 || y < 0 || x >= c.w || y >= c.h) return;
    c.px[static_cast<size_t>(y) * c.w + x] = argb;
}
