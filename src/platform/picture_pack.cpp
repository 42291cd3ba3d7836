#include "platform/picture_pack.h"

#include <cstring>

namespace {

constexpr char Magic[8] = {'H', 'O', 'O', 'F', 'P', 'I', 'C', '1'};
constexpr size_t HeaderSize = 16;
constexpr int MostLiterals = 128;  // n = 0..127
constexpr int MostRepeats = 129;   // n = 128..255 -> 2..129
// The same bound the PNG reader keeps: no picture of the game comes near it.
constexpr uint32_t LargestSide = 16384;

void PutInt(std::vector<uint8_t>& out, uint32_t n) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(n >> (8 * i)));
}

uint32_t GetInt(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

bool SamePixel(const uint8_t* a, const uint8_t* b) { return std::memcmp(a, b, 4) == 0; }

}  // namespace

std::vector<uint8_t> PackPicture(int width, int height, const std::vector<uint8_t>& rgba) {
    std::vector<uint8_t> out(Magic, Magic + sizeof Magic);
    const size_t count = width > 0 && height > 0 ? static_cast<size_t>(width) * height : 0;
    PutInt(out, count ? static_cast<uint32_t>(width) : 0);
    PutInt(out, count ? static_cast<uint32_t>(height) : 0);
    if (rgba.size() < count * 4) return out;  // refused by the reader: no pixels told
    const uint8_t* px = rgba.data();
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < MostRepeats && SamePixel(px + 4 * i, px + 4 * (i + run))) ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(run + 126));
            out.insert(out.end(), px + 4 * i, px + 4 * i + 4);
            i += run;
            continue;
        }
        // Literal pixels up to the next pair of equal ones, which start a run instead.
        size_t n = 1;
        while (i + n < count && n < MostLiterals &&
               !(i + n + 1 < count && SamePixel(px + 4 * (i + n), px + 4 * (i + n + 1))))
            ++n;
        out.push_back(static_cast<uint8_t>(n - 1));
        out.insert(out.end(), px + 4 * i, px + 4 * (i + n));
        i += n;
    }
    return out;
}

bool UnpackPicture(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgba,
                   std::string& error) {
    rgba.clear();
    if (bytes.size() < HeaderSize || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0) {
        error = "not a packed picture";
        return false;
    }
    const uint32_t w = GetInt(bytes.data() + 8);
    const uint32_t h = GetInt(bytes.data() + 12);
    if (w == 0 || h == 0 || w > LargestSide || h > LargestSide) {
        error = "picture size out of range";
        return false;
    }
    const size_t count = static_cast<size_t>(w) * h;
    std::vector<uint8_t> pixels(count * 4);
    size_t at = HeaderSize;
    size_t done = 0;
    while (done < count) {
        if (at >= bytes.size()) {
            error = "packed picture cut short";
            return false;
        }
        const int n = bytes[at++];
        const bool repeat = n >= MostLiterals;
        const size_t told = repeat ? static_cast<size_t>(n - 126) : static_cast<size_t>(n + 1);
        const size_t given = repeat ? 1 : told;
        if (told > count - done) {
            error = "packed picture tells more pixels than it holds";
            return false;
        }
        if (bytes.size() - at < given * 4) {
            error = "packed picture cut short";
            return false;
        }
        for (size_t k = 0; k < told; ++k)
            std::memcpy(&pixels[(done + k) * 4], &bytes[at + (repeat ? 0 : k * 4)], 4);
        at += given * 4;
        done += told;
    }
    if (at != bytes.size()) {
        error = "packed picture has bytes past its last pixel";
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    rgba.swap(pixels);
    return true;
}
