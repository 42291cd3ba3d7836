// The page's pictures: the native build packed them (picture_pack.h), as the page has no
// PNG decoder of its own; a screenshot is made a PNG by the browser and offered as a
// download, and kept in the page's files as on the desktop.
#include <emscripten.h>

#include <fstream>
#include <iterator>

#include "platform/picture_pack.h"
#include "platform/png_io.h"

namespace {

// clang-format off
// Encodes the pixels as a PNG in the browser, writes it at `path` in the page's files and
// offers it as a download; 1 when it was written, else 0 with the reason on the console.
EM_ASYNC_JS(int, PageSavePng, (const char* path, const unsigned char* rgba, int width, int height), {
    return await Module.hoofSavePng(UTF8ToString(path), HEAPU8.slice(rgba, rgba + width * height * 4), width, height);
});
// clang-format on

}  // namespace

bool LoadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "no such picture";
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return UnpackPicture(bytes, width, height, rgba, error);
}

bool SavePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba, std::string& error) {
    if (width <= 0 || height <= 0 || rgba.size() < static_cast<size_t>(width) * height * 4) {
        error = "nothing to save";
        return false;
    }
    if (!PageSavePng(path.c_str(), rgba.data(), width, height)) {
        error = "the browser could not make or keep the picture";
        return false;
    }
    return true;
}
