// Reading and writing PNG files with libpng; pixels are 8-bit RGBA, row by row.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool LoadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba, std::string& error);
bool SavePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba, std::string& error);
