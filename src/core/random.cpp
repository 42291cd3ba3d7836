#include "core/random.h"

#include "core/convert.h"

int RandomGeneratorState = RandomUnseededState;

void SeedRandom(int n) {
    RandomGeneratorState = n & 0x7FFFFFFF;
    if (RandomGeneratorState == 0 || RandomGeneratorState == 0x7FFFFFFF) RandomGeneratorState = RandomUnseededState;
}

int RandWide(int a, int b) {
    // The difference is taken in 64 bits and the sum saturates, so no range overflows.
    const long long r = static_cast<long long>(b) - a;
    if (r > 0) return ToInt(a + static_cast<double>(ToInt64(RandomUnit() * static_cast<double>(r + 1))));
    return ToInt(b + static_cast<double>(ToInt64(RandomUnit() * static_cast<double>(1 - r))));
}

double RandFloat(double a, double b) {
    const double lo = a < b ? a : b;
    const double hi = a < b ? b : a;
    return lo + RandomUnit() * (hi - lo);
}

int RandomState() { return RandomGeneratorState; }

int RandomStepFactor(long long steps) {
    // The generator's states have period 2^31 - 2, so the step count is taken modulo it;
    // then the multiplier is raised by squaring.
    constexpr long long Period = 2147483646;
    steps %= Period;
    if (steps < 0) steps += Period;
    int factor = 1;
    int power = 48271;
    for (; steps > 0; steps >>= 1) {
        if (steps & 1) factor = StepState(factor, power);
        power = StepState(power, power);
    }
    return factor;
}

void SkipRandom(long long steps) { RandomGeneratorState = StepState(RandomGeneratorState, RandomStepFactor(steps)); }

namespace random_detail {

uint64_t ColumnsHitPlain(int s, int columns, uint64_t inColumn, int tries) {
    uint64_t hit = 0;
    for (int j = 0; j < tries; ++j) {
        const unsigned c = CellBelow(StepState(s, Factors.power[4 * j + 1]), columns);
        hit |= static_cast<uint64_t>(((inColumn >> c) & 3u) != 0) << j;
    }
    return hit;
}

}  // namespace random_detail

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace random_detail {
namespace {

// Each lane's first-step factor, 48271^(4j + 1), in a 64-bit slot as the vector
// multiply takes it.
struct FirstFactors {
    alignas(32) uint64_t factor[SearchLanes];
};
constexpr FirstFactors MakeFirstFactors() {
    FirstFactors f{};
    for (int j = 0; j < SearchLanes; ++j) f.factor[j] = static_cast<uint64_t>(Factors.power[4 * j + 1]);
    return f;
}
constexpr FirstFactors First = MakeFirstFactors();

// Four tries at a time. A product below 2^62 folded twice with 2^31 = 1 leaves its
// residue, or 2^31 for a residue of 1: the same bits 2..28 either way, and those are
// all a column depends on.
__attribute__((target("avx2"))) uint64_t ColumnsHitAvx2(int s, int columns, uint64_t inColumn, int tries) {
    const __m256i state = _mm256_set1_epi64x(s);
    const __m256i low31 = _mm256_set1_epi64x(0x7FFFFFFF);
    const __m256i kept = _mm256_set1_epi64x(0x1FFFFFFC);
    const __m256i width = _mm256_set1_epi64x(columns);
    const __m256i wanted = _mm256_set1_epi64x(static_cast<long long>(inColumn));
    const __m256i three = _mm256_set1_epi64x(3);
    const __m256i zero = _mm256_setzero_si256();
    uint64_t hit = 0;
    for (int j = 0; j < tries; j += 4) {
        const __m256i factor = _mm256_load_si256(reinterpret_cast<const __m256i*>(&First.factor[j]));
        __m256i v = _mm256_mul_epu32(state, factor);
        v = _mm256_add_epi64(_mm256_and_si256(v, low31), _mm256_srli_epi64(v, 31));
        v = _mm256_add_epi64(_mm256_and_si256(v, low31), _mm256_srli_epi64(v, 31));
        const __m256i c = _mm256_srli_epi64(_mm256_mul_epu32(_mm256_and_si256(v, kept), width), 29);
        const __m256i bits = _mm256_and_si256(_mm256_srlv_epi64(wanted, c), three);
        const int missed = _mm256_movemask_pd(_mm256_castsi256_pd(_mm256_cmpeq_epi64(bits, zero)));
        hit |= static_cast<uint64_t>(~missed & 0xF) << j;
    }
    return tries < SearchLanes ? hit & ((1ull << tries) - 1) : hit;
}

using ColumnsHitFunction = uint64_t (*)(int, int, uint64_t, int);
ColumnsHitFunction ChooseColumnsHit() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? ColumnsHitAvx2 : ColumnsHitPlain;
}

}  // namespace

uint64_t ColumnsHit(int s, int columns, uint64_t inColumn, int tries) {
    static const ColumnsHitFunction chosen = ChooseColumnsHit();
    return chosen(s, columns, inColumn, tries);
}

}  // namespace random_detail
#else
uint64_t random_detail::ColumnsHit(int s, int columns, uint64_t inColumn, int tries) {
    return ColumnsHitPlain(s, columns, inColumn, tries);
}
#endif
