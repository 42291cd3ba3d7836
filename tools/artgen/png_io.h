// PNG files for the art generator and its tests: 8-bit RGBA, straight alpha.
#pragma once
#include <string>

#include "canvas.h"

// Writes to a temporary file beside the target and renames it over the
// target, so an interrupted build never leaves half a picture behind.
bool WritePngAtomic(const std::string& path, const Canvas& c, std::string& err);

// Reads any PNG libpng understands, converted to 0xAARRGGBB.
bool ReadPng(const std::string& path, Canvas& c, std::string& err);
