// The game's one random generator: Park and Miller's minimal standard generator
// (multiplier 48271, modulus 2^31 - 1). Every random decision of the game, including
// some made while drawing, comes from this stream in a fixed order, so a world seed
// and a script replay bit for bit.
#pragma once
#include <cstdint>

constexpr int RandomUnseededState = 4660;  // the state before any seeding, and after a bad seed

// Seeds with n's low 31 bits; 0 and 2147483647 (no valid state) become 4660.
void SeedRandom(int n);
// A double in [0, 1) built from two steps of the generator.
inline double RandomUnit();
// An integer uniformly drawn from the closed range between a and b, in either order.
// Always two steps of the generator, even when a == b.
inline int Rand(int a, int b);
// A double uniformly in [min(a, b), max(a, b)).
double RandFloat(double a, double b);
// The generator's state, for the state dump and for tests.
int RandomState();

// ---- The hot path, inline: generating one sector draws hundreds of thousands of numbers.

extern int RandomGeneratorState;  // 1..2^31 - 2; read through RandomState()

// A step is s = 48271 * s mod (2^31 - 1). The product is taken in 64 bits and folded
// with the Mersenne identity 2^31 = 1 (mod 2^31 - 1): exactly the states of Schrage's
// 32-bit method, without its two divisions.

// Folds a product below 2^62 to its residue mod 2^31 - 1.
inline int FoldMersenne31(uint64_t product) {
    uint32_t folded = static_cast<uint32_t>((product & 0x7FFFFFFFu) + (product >> 31));
    if (folded >= 0x7FFFFFFFu) folded -= 0x7FFFFFFFu;
    return static_cast<int>(folded);
}

inline double RandomUnit() {
    // Both steps are taken from the same state: the second as one multiplication by
    // 48271^2 mod (2^31 - 1) = 182605794. The states are exactly those of two single
    // steps, but the two no longer wait for each other.
    const uint64_t s = static_cast<uint64_t>(RandomGeneratorState);
    const int first = FoldMersenne31(s * 48271u);
    const int second = FoldMersenne31(s * 182605794u);
    RandomGeneratorState = second;
    const int hi = first & 0x1FFFFFFC;
    const int lo = second & 0x1FFFFFF8;
    return (hi + lo / 134217728.0) / 536870912.0;
}

// Ranges whose ends or width reach beyond 2^30, where the sum could leave the int range.
int RandWide(int a, int b);

inline int Rand(int a, int b) {
    constexpr long long Small = 1LL << 30;
    const long long r = static_cast<long long>(b) - a;
    if (r > 0 && r < Small && a > -Small && a < Small)
        return a + static_cast<int>(RandomUnit() * static_cast<double>(r + 1));
    if (r <= 0 && r > -Small && b > -Small && b < Small)
        return b + static_cast<int>(RandomUnit() * static_cast<double>(1 - r));
    return RandWide(a, b);
}
