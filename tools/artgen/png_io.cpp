#include "png_io.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include <unistd.h>

namespace {

bool WritePngFile(FILE* f, const Canvas& c, std::string& err) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) {
        err = "cannot start the PNG writer";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    std::vector<unsigned char> rows(static_cast<size_t>(c.w) * c.h * 4);
    std::vector<png_bytep> rowPtrs(c.h);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        err = "libpng failed while writing";
        return false;
    }
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            uint32_t p = c.px[static_cast<size_t>(y) * c.w + x];
            unsigned char* o = &rows[(static_cast<size_t>(y) * c.w + x) * 4];
            o[0] = (p >> 16) & 0xFF;
            o[1] = (p >> 8) & 0xFF;
            o[2] = p & 0xFF;
            o[3] = (p >> 24) & 0xFF;
        }
        rowPtrs[y] = &rows[static_cast<size_t>(y) * c.w * 4];
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, c.w, c.h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rowPtrs.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePngAtomic(const std::string& path, const Canvas& c, std::string& err) {
    if (c.w <= 0 || c.h <= 0) {
        err = path + ": picture is empty";
        return false;
    }
    std::string tmp = path + ".tmp" + std::to_string(static_cast<long>(getpid()));
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) {
        err = tmp + ": cannot create file";
        return false;
    }
    bool ok = WritePngFile(f, c, err);
    if (std::fflush(f) != 0) ok = false;
    if (fsync(fileno(f)) != 0) ok = false;
    if (std::fclose(f) != 0) ok = false;
    if (!ok) {
        if (err.empty()) err = "write failed";
        err = tmp + ": " + err;
        std::remove(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        err = path + ": cannot replace file";
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

bool ReadPng(const std::string& path, Canvas& c, std::string& err) {
    // libpng's simplified reader: no setjmp, so nothing is skipped on a damaged file.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        err = path + (access(path.c_str(), R_OK) == 0 ? ": not a readable PNG" : ": cannot open");
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> data(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, data.data(), 0, nullptr)) {
        err = path + ": not a readable PNG";
        png_image_free(&image);
        return false;
    }
    c = MakeCanvas(static_cast<int>(image.width), static_cast<int>(image.height));
    for (size_t i = 0; i < c.px.size(); ++i) {
        const unsigned char* p = &data[i * 4];
        c.px[i] = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
    return true;
}
