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
// Moves the generator on by `steps` single steps at once (a Rand is two), leaving
// exactly the state those steps leave. A search whose every try is known to fail
// takes its whole bound of draws this way.
void SkipRandom(long long steps);
// 48271^steps mod (2^31 - 1): the factor by which `steps` single steps move a state.
int RandomStepFactor(long long steps);

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

// A state times a factor below 2^31, reduced: `factor` steps on from `state` when the
// factor is a RandomStepFactor.
inline int StepState(int state, int factor) {
    return FoldMersenne31(static_cast<uint64_t>(state) * static_cast<uint64_t>(factor));
}

// The double RandomUnit returns when its two steps leave the states `first`, `second`.
inline double UnitOfStates(int first, int second) {
    const int hi = first & 0x1FFFFFFC;
    const int lo = second & 0x1FFFFFF8;
    return (hi + lo / 134217728.0) / 536870912.0;
}

inline double RandomUnit() {
    // Both steps are taken from the same state: the second as one multiplication by
    // 48271^2 mod (2^31 - 1) = 182605794. The states are exactly those of two single
    // steps, but the two no longer wait for each other.
    const uint64_t s = static_cast<uint64_t>(RandomGeneratorState);
    const int first = FoldMersenne31(s * 48271u);
    const int second = FoldMersenne31(s * 182605794u);
    RandomGeneratorState = second;
    return UnitOfStates(first, second);
}

// A rejection search over drawn cells, as the plain loop
//     for (tries = 0; tries < bound; ++tries) {
//         x = Rand(x0, x1); y = Rand(y0, y1);
//         if (accept(x, y)) break;
//     }
// writes it, but several tries are worked out at once, each from a state computed
// ahead, and tested in their order, so the first hit is the plain loop's and the
// generator is left exactly where the plain loop leaves it. Returns the tries before
// the hit (x and y then hold it), or `bound` when none hit (x and y left alone). `accept` must draw nothing
// and change nothing. Needs x0 < x1 and y0 < y1, both ranges narrow.
template <typename Accept>
int SearchDrawnCells(int x0, int x1, int y0, int y1, int bound, Accept&& accept, int& x, int& y);

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

namespace random_detail {
constexpr int SearchLanes = 8;  // tries worked out together
struct SearchFactors {
    int power[4 * SearchLanes + 1];  // 48271^k mod (2^31 - 1)
};
constexpr SearchFactors MakeSearchFactors() {
    SearchFactors f{};
    uint64_t p = 1;
    for (int k = 0; k <= 4 * SearchLanes; ++k) {
        f.power[k] = static_cast<int>(p);
        p = p * 48271u % 0x7FFFFFFFu;
    }
    return f;
}
inline constexpr SearchFactors Factors = MakeSearchFactors();
}  // namespace random_detail

template <typename Accept>
int SearchDrawnCells(int x0, int x1, int y0, int y1, int bound, Accept&& accept, int& x, int& y) {
    using random_detail::Factors;
    using random_detail::SearchLanes;
    const double width = static_cast<double>(x1 - x0 + 1);
    const double height = static_cast<double>(y1 - y0 + 1);
    int s = RandomGeneratorState;
    for (int done = 0; done < bound; done += SearchLanes) {
        int xs[SearchLanes];
        int ys[SearchLanes];
        for (int j = 0; j < SearchLanes; ++j) {
            const int* f = &Factors.power[4 * j];
            xs[j] = x0 + static_cast<int>(UnitOfStates(StepState(s, f[1]), StepState(s, f[2])) * width);
            ys[j] = y0 + static_cast<int>(UnitOfStates(StepState(s, f[3]), StepState(s, f[4])) * height);
        }
        const int lanes = bound - done < SearchLanes ? bound - done : SearchLanes;
        for (int j = 0; j < lanes; ++j) {
            if (!accept(xs[j], ys[j])) continue;
            x = xs[j];
            y = ys[j];
            RandomGeneratorState = StepState(s, Factors.power[4 * (j + 1)]);
            return done + j;
        }
        s = StepState(s, Factors.power[4 * lanes]);
    }
    RandomGeneratorState = s;
    return bound;
}
