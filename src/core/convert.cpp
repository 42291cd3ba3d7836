#include "core/convert.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

int ToInt(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT_MAX;
    if (x <= -2147483648.0) return INT_MIN;
    return static_cast<int>(x);  // C++ conversion truncates toward zero
}

int64_t ToInt64(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 9.2e18) return INT64_MAX;
    if (x <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(x);
}

std::string IntToText(int n) { return std::to_string(n); }

bool TextToInt(const std::string& text, int& out) {
    if (text.empty() || text.size() > 20) return false;
    size_t i = 0;
    if (text[0] == '-' || text[0] == '+') i = 1;
    if (i == text.size()) return false;
    for (size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9') return false;
    }
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

double Sqrt(double x) { return std::sqrt(x); }

double SinDeg(double degrees) { return std::sin(degrees * M_PI / 180.0); }

double CosDeg(double degrees) { return std::cos(degrees * M_PI / 180.0); }
