#include "platform/png_io.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>

#include "platform/files.h"

bool LoadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba, std::string& error) {
    // Read whole first, as every file the game reads: only a regular file, and no
    // picture of the game comes near this size, so a pipe or a device never holds it up.
    std::vector<uint8_t> bytes;
    if (!ReadRegularFile(path, 64u << 20, bytes, error)) return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        error = image.message;
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    // Pictures of the game are small; refuse absurd sizes rather than allocate them.
    if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        error = "picture size out of range";
        return false;
    }
    rgba.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        error = image.message;
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

bool SavePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba, std::string& error) {
    if (width <= 0 || height <= 0 || rgba.size() < static_cast<size_t>(width) * height * 4) {
        error = "nothing to save";
        return false;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    // Written beside the target and renamed, so a reader never sees half a picture.
    const std::string temp = path + ".tmp" + std::to_string(getpid());
    if (!png_image_write_to_file(&image, temp.c_str(), 0, rgba.data(), 0, nullptr)) {
        error = image.message;
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = "cannot rename the finished picture into place";
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
