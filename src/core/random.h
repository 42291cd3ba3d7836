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
//
// `cells`, when given, marks where `accept` could hold (see DrawnCellMap). A try is
// then passed over as soon as its first step shows its column empty, or its third its
// row, and only the rest are worked out whole; the first steps of many tries are taken
// together. A search for one of a few scattered cells is mostly such tries.
struct DrawnCellMap;
template <typename Accept>
int SearchDrawnCells(int x0, int x1, int y0, int y1, int bound, Accept&& accept, int& x, int& y,
                     const DrawnCellMap* cells = nullptr);

// The cells of a search range (at most 62 by 62) where a search's `accept` could hold,
// counted from the range's first column and row. Kept up to date by whoever changes
// what `accept` looks at; a cell marked in vain only costs time.
struct DrawnCellMap {
    uint64_t rows[63] = {};  // rows[c]: bit r for each cell (c, r); one past the last column stays 0
    uint64_t columns = 0;    // bit c for each column with any cell
    void Add(int c, int r) {
        rows[c] |= 1ull << r;
        columns |= 1ull << c;
    }
};

// Rand(1, 4), for the hot loops that turn at random: the same two steps and the same
// number, read from the two high bits its first step keeps, with no floating point.
inline int RandOneToFour();
// Rand(1, 4) and then Rand(a, b) (a < b, a narrow range): the same numbers and the same
// four steps, each worked out straight from the present state, so a loop that draws
// both every turn waits on one multiplication a turn instead of four.
inline void RandOneToFourThen(int a, int b, int& four, int& then);

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

inline int RandOneToFour() {
    // Rand(1, 4) is 1 + floor(4u), and 4u is the first step's bits 2..28 over 2^27 plus
    // less than one of their steps from the second: so bits 27 and 28 of the first.
    const uint64_t s = static_cast<uint64_t>(RandomGeneratorState);
    RandomGeneratorState = FoldMersenne31(s * 182605794u);
    return 1 + ((FoldMersenne31(s * 48271u) >> 27) & 3);
}

namespace random_detail {
constexpr int SearchLanes = 64;  // tries worked out together, one bit each in a word
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

// The cell a try lands in is c or c + 1 of a range n wide, where c comes from the high
// bits of the try's first step alone: the second step adds less than one step of
// them, four in 2^29. So the cell is c for sure unless those bits lie within 4n of the
// next cell (a margin of one more covers the rounding of the product).
inline unsigned CellBelow(int first, int n) {
    return static_cast<unsigned>((static_cast<uint64_t>(first & 0x1FFFFFFC) * static_cast<unsigned>(n)) >> 29);
}
inline bool CellMayBeNext(int first, int n) {
    const uint64_t scaled = static_cast<uint64_t>(first & 0x1FFFFFFC) * static_cast<unsigned>(n);
    return (scaled & 0x1FFFFFFF) >= 0x20000000u - 4u * static_cast<unsigned>(n) - 1u;
}

// Bit j is set when try j of the first `tries` (at most SearchLanes) from state `s`, in
// a range `columns` wide (at most 62), may land in a column whose bit is set in
// `inColumn`. Worked out four tries to an instruction where the processor can; bits
// from `tries` on are left clear.
uint64_t ColumnsHit(int s, int columns, uint64_t inColumn, int tries);
// The same, one try at a time: what the fast form must equal.
uint64_t ColumnsHitPlain(int s, int columns, uint64_t inColumn, int tries);
}  // namespace random_detail

inline void RandOneToFourThen(int a, int b, int& four, int& then) {
    using random_detail::Factors;
    const int s = RandomGeneratorState;
    const int last = StepState(s, Factors.power[4]);
    four = 1 + ((StepState(s, Factors.power[1]) >> 27) & 3);
    then = a + static_cast<int>(UnitOfStates(StepState(s, Factors.power[3]), last) * static_cast<double>(b - a + 1));
    RandomGeneratorState = last;
}

template <typename Accept>
int SearchDrawnCells(int x0, int x1, int y0, int y1, int bound, Accept&& accept, int& x, int& y,
                     const DrawnCellMap* cells) {
    using random_detail::CellBelow;
    using random_detail::CellMayBeNext;
    using random_detail::Factors;
    using random_detail::SearchLanes;
    const int columns = x1 - x0 + 1;
    const int rows = y1 - y0 + 1;
    int s = RandomGeneratorState;
    // A few tries first: a search that hits at once should not work out a whole word.
    int batch = 8;
    for (int done = 0; done < bound; done += batch, batch = SearchLanes) {
        const int lanes = bound - done < batch ? bound - done : batch;
        // The tries that could hit, then each of them whole, in order.
        uint64_t pass = ~0ull;
        if (cells != nullptr) pass = random_detail::ColumnsHit(s, columns, cells->columns, lanes);
        if (lanes < SearchLanes) pass &= (1ull << lanes) - 1;
        for (; pass != 0; pass &= pass - 1) {
            const int j = __builtin_ctzll(pass);
            const int* f = &Factors.power[4 * j];
            const int first = StepState(s, f[1]);
            const int third = StepState(s, f[3]);
            if (cells != nullptr) {
                const unsigned c = CellBelow(first, columns);
                const uint64_t inColumn = cells->rows[c] | (CellMayBeNext(first, columns) ? cells->rows[c + 1] : 0);
                const unsigned rowsToTest = CellMayBeNext(third, rows) ? 3u : 1u;
                if (((inColumn >> CellBelow(third, rows)) & rowsToTest) == 0) continue;
            }
            const int cx = x0 + static_cast<int>(UnitOfStates(first, StepState(s, f[2])) * columns);
            const int cy = y0 + static_cast<int>(UnitOfStates(third, StepState(s, f[4])) * rows);
            if (!accept(cx, cy)) continue;
            x = cx;
            y = cy;
            RandomGeneratorState = StepState(s, Factors.power[4 * (j + 1)]);
            return done + j;
        }
        s = StepState(s, Factors.power[4 * lanes]);
    }
    RandomGeneratorState = s;
    return bound;
}
