// Number and text conversions every rule of the game relies on.
#pragma once
#include <cstdint>
#include <string>

// Truncation toward zero (3.9 gives 3, -3.9 gives -3). Values beyond the int range
// saturate and NaN gives 0, so no conversion is ever undefined.
int ToInt(double x);
int64_t ToInt64(double x);

// v kept within lo..hi.
inline int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Decimal digits with a leading "-" for negatives.
std::string IntToText(int n);

// Parses a whole decimal integer (optional sign) that fits in an int; false otherwise.
bool TextToInt(const std::string& text, int& out);

// Square root, and sine and cosine of an angle in degrees.
double Sqrt(double x);
double SinDeg(double degrees);
double CosDeg(double degrees);
