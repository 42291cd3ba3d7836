#include "core/random.h"

#include "core/convert.h"

namespace {

constexpr int Modulus = 2147483647;
constexpr int Multiplier = 48271;

int State = RandomUnseededState;

// The product fits in 64 bits; since the modulus is 2^31 - 1, the remainder is the
// sum of the product's low 31 bits and the rest, folded once. Generation draws
// hundreds of thousands of numbers per sector, so this avoids any division.
void Step() {
    const unsigned long long product = static_cast<unsigned long long>(State) * Multiplier;
    unsigned long long folded = (product & 0x7FFFFFFFull) + (product >> 31);
    if (folded >= static_cast<unsigned long long>(Modulus)) folded -= Modulus;
    State = static_cast<int>(folded);
}

}  // namespace

void SeedRandom(int n) {
    State = n & 0x7FFFFFFF;
    if (State == 0 || State == Modulus) State = RandomUnseededState;
}

double RandomUnit() {
    Step();
    const int hi = State & 0x1FFFFFFC;
    Step();
    const int lo = State & 0x1FFFFFF8;
    return (hi + lo / 134217728.0) / 536870912.0;
}

int Rand(int a, int b) {
    // The difference is taken in 64 bits so that extreme ranges cannot overflow.
    const long long r = static_cast<long long>(b) - a;
    // Generation draws hundreds of thousands of small ranges; for those a plain
    // truncating cast gives exactly what the saturating conversions below give.
    constexpr long long Small = 1LL << 30;
    if (r > 0 && r < Small && a > -Small && a < Small) return a + static_cast<int>(RandomUnit() * static_cast<double>(r + 1));
    if (r <= 0 && r > -Small && b > -Small && b < Small) return b + static_cast<int>(RandomUnit() * static_cast<double>(1 - r));
    if (r > 0) return ToInt(a + static_cast<double>(ToInt64(RandomUnit() * static_cast<double>(r + 1))));
    return ToInt(b + static_cast<double>(ToInt64(RandomUnit() * static_cast<double>(1 - r))));
}

double RandFloat(double a, double b) {
    const double lo = a < b ? a : b;
    const double hi = a < b ? b : a;
    return lo + RandomUnit() * (hi - lo);
}

int RandomState() { return State; }
