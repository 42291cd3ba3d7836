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
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        err = path + ": cannot open";
        return false;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<unsigned char> data;
    std::vector<png_bytep> rowPtrs;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        err = path + ": not a readable PNG";
        return false;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    int w = static_cast<int>(png_get_image_width(png, info));
    int h = static_cast<int>(png_get_image_height(png, info));
    data.resize(static_cast<size_t>(w) * h * 4);
    rowPtrs.resize(h);
    for (int y = 0; y < h; ++y) rowPtrs[y] = &data[static_cast<size_t>(y) * w * 4];
    png_read_image(png, rowPtrs.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    c = MakeCanvas(w, h);
    for (size_t i = 0; i < c.px.size(); ++i) {
        const unsigned char* p = &data[i * 4];
        c.px[i] = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
    return true;
}
