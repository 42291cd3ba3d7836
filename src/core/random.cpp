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
