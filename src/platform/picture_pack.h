// Pictures packed for the web page, which has no PNG decoder: the native build turns each
// PNG of images/ into this form, and the page reads it back into the same RGBA pixels.
//
// The form: "HOOFPIC1", width and height as little-endian 32-bit ints, then packets of
// pixels (RGBA, 4 bytes each) until width x height pixels are told. A packet starts with
// one byte n: below 128, n + 1 pixels follow as they are; from 128, the one pixel that
// follows stands for n - 126 pixels in a row. Pixel art is mostly long runs, and a
// picture of noise grows by one byte in 128 pixels at most.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> PackPicture(int width, int height, const std::vector<uint8_t>& rgba);
// False with a reason for anything that is not a whole, well-formed packed picture of a
// sane size; the pixels are then left empty.
bool UnpackPicture(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgba,
                   std::string& error);
