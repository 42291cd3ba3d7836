#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/convert.h"
#include "core/random.h"

TEST(Random, BadSeedsFallBackToTheUnseededState) {
    for (int seed : {0, -1, 2147483647, INT_MIN}) {
        SeedRandom(seed);
        EXPECT_EQ(RandomState(), RandomUnseededState) << "seed " << seed;
    }
    SeedRandom(-5);  // only the sign bit is cleared
    EXPECT_EQ(RandomState(), 2147483643);
}

TEST(Random, MatchesTheMinimalStandardSequence) {
    // From seed 1 the multiplier-48271 generator's 10 000th state is 399268537.
    SeedRandom(1);
    for (int i = 0; i < 5000; ++i) RandomUnit();
    EXPECT_EQ(RandomState(), 399268537);

    // RandomUnit masks the two steps' states: 48271 and 182605794 from seed 1.
    SeedRandom(1);
    const double expected = ((48271 & 0x1FFFFFFC) + (182605794 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
    EXPECT_EQ(RandomUnit(), expected);
}

TEST(Random, StepsMatchSchragesThirtyTwoBitMethod) {
    // The game's generator is defined by Schrage's method; the fast step must agree.
    for (int seed : {1, 4660, 2147483646, 123456789, 44488, 44487, 1073741823}) {
        int s = seed;
        SeedRandom(seed);
        for (int i = 0; i < 2000; ++i) {
            s = 48271 * (s % 44488) - 3399 * (s / 44488);
            if (s < 0) s += 2147483647;
            if (i % 2 == 1) {
                RandomUnit();
                ASSERT_EQ(RandomState(), s) << "seed " << seed << " step " << i;
            }
        }
    }
}

TEST(Random, RandTakesTwoStepsEvenForAnEmptyRange) {
    SeedRandom(77);
    RandomUnit();
    const int afterTwoSteps = RandomState();
    SeedRandom(77);
    EXPECT_EQ(Rand(5, 5), 5);
    EXPECT_EQ(RandomState(), afterTwoSteps);
}

TEST(Random, RangeOrderDoesNotMatterAndEndsAreReached) {
    SeedRandom(123);
    std::vector<int> forward;
    for (int i = 0; i < 2000; ++i) forward.push_back(Rand(1, 150));
    SeedRandom(123);
    int low = 1000, high = -1000;
    for (int i = 0; i < 2000; ++i) {
        const int v = Rand(150, 1);
        EXPECT_EQ(v, forward[static_cast<size_t>(i)]);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 150);

    SeedRandom(9);
    for (int i = 0; i < 5000; ++i) {
        const int v = Rand(-3, 3);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 3);
        const double f = RandFloat(2.5, -1.0);
        ASSERT_GE(f, -1.0);
        ASSERT_LT(f, 2.5);
    }
}

TEST(Random, ExtremeRangesStayInside) {
    SeedRandom(31337);
    for (int i = 0; i < 1000; ++i) {
        const int v = Rand(INT_MIN, INT_MAX);
        (void)v;  // any int is inside; the point is that nothing overflows
        const int w = Rand(INT_MAX - 1, INT_MAX);
        ASSERT_GE(w, INT_MAX - 1);
    }
}

TEST(Convert, ToIntTruncatesTowardZero) {
    const struct {
        double in;
        int out;
    } cases[] = {
        {3.9, 3}, {-3.9, -3}, {0.999, 0}, {-0.5, 0}, {20 * 1.6, 32}, {32 * 1.6, 51}, {1e20, INT_MAX}, {-1e20, INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ToInt(c.in), c.out) << c.in;
    EXPECT_EQ(ToInt(std::nan("")), 0);
}

TEST(Convert, TextAndNumbers) {
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(IntToText(0), "0");
    int v = 0;
    EXPECT_TRUE(TextToInt("-2147483648", v));
    EXPECT_EQ(v, INT_MIN);
    for (const char* bad : {"", "-", "12x", "2147483648", "1.5", " 3", "+"}) EXPECT_FALSE(TextToInt(bad, v)) << bad;
    EXPECT_NEAR(SinDeg(90), 1.0, 1e-12);
    EXPECT_NEAR(CosDeg(180), -1.0, 1e-12);
}

TEST(Random, SkipLeavesTheStateOfThatManySteps) {
    for (int seed : {1, 4660, 2147483646, 987654321}) {
        long long s = seed;
        long long stepped = 0;
        for (long long steps : {0LL, 1LL, 2LL, 31LL, 10000LL, 4000000LL}) {
            for (; stepped < steps; ++stepped) s = s * 48271 % 2147483647;
            SeedRandom(seed);
            SkipRandom(steps);
            EXPECT_EQ(RandomState(), s) << "seed " << seed << " steps " << steps;
        }
    }
    // A draw is two steps, and a whole period brings every state back.
    SeedRandom(99);
    Rand(1, 6);
    const int afterDraw = RandomState();
    SeedRandom(99);
    SkipRandom(2);
    EXPECT_EQ(RandomState(), afterDraw);
    SeedRandom(12345);
    SkipRandom(2147483646LL * 3);
    EXPECT_EQ(RandomState(), 12345);
}

TEST(Random, DrawnCellSearchMatchesThePlainLoop) {
    // Cell tests that hit on the first try, within a batch, past many batches, rarely,
    // and never; bounds that cut a batch short and that end just before or after a hit.
    // Each search runs with no cell map, with the map of exactly the cells that pass,
    // and with a map that also marks cells that do not.
    struct Case {
        const char* name;
        bool (*accept)(int x, int y);
        int bound;
    };
    const Case cases[] = {
        {"anything", [](int, int) { return true; }, 1000},
        {"one column", [](int x, int) { return x == 7; }, 1000},
        {"one cell", [](int x, int y) { return x == 30 && y == 3; }, 1000000},
        {"one cell, bound cut short", [](int x, int y) { return x == 30 && y == 3; }, 1203},
        {"the last corner", [](int x, int y) { return x == 44 && y == 35; }, 1000000},
        {"three scattered cells",
         [](int x, int y) { return (x == 0 && y == 0) || (x == 21 && y == 17) || (x == 43 && y == 1); }, 1000000},
        {"never", [](int, int) { return false; }, 1003},
        {"never, whole batches", [](int, int) { return false; }, 8 + 64 * 3},
        {"no tries", [](int, int) { return true; }, 0},
    };
    for (const Case& c : cases) {
        DrawnCellMap exact;
        DrawnCellMap wide;
        for (int cx = 0; cx <= 44; ++cx)
            for (int cy = 0; cy <= 35; ++cy) {
                if (c.accept(cx, cy)) exact.Add(cx, cy);
                if (c.accept(cx, cy) || (cx + cy) % 7 == 0) wide.Add(cx, cy);
            }
        for (int seed : {1, 77, 4660, 2147483646, 55555}) {
            SeedRandom(seed);
            int px = -1, py = -1, tries = 0;
            for (; tries < c.bound; ++tries) {
                px = Rand(0, 44);
                py = Rand(0, 35);
                if (c.accept(px, py)) break;
            }
            const int plainState = RandomState();
            const DrawnCellMap* maps[] = {nullptr, &exact, &wide};
            for (const DrawnCellMap* map : maps) {
                const char* how = map == nullptr ? "no map" : map == &exact ? "exact map" : "wide map";
                SeedRandom(seed);
                int x = -1, y = -1;
                const int found = SearchDrawnCells(0, 44, 0, 35, c.bound, c.accept, x, y, map);
                EXPECT_EQ(found, tries) << c.name << ", " << how << ", seed " << seed;
                EXPECT_EQ(RandomState(), plainState) << c.name << ", " << how << ", seed " << seed;
                if (tries < c.bound) {
                    EXPECT_TRUE(x == px && y == py) << c.name << ", " << how << ", seed " << seed;
                }
            }
        }
    }
    // Other ranges: a search over the inner cells, as the decorations make.
    SeedRandom(31337);
    int px = 0, py = 0;
    do {
        px = Rand(1, 43);
        py = Rand(1, 34);
    } while (!(px == 43 && py > 30));
    const int plainState = RandomState();
    SeedRandom(31337);
    int x = 0, y = 0;
    SearchDrawnCells(
        1, 43, 1, 34, 1000000, [](int cx, int cy) { return cx == 43 && cy > 30; }, x, y);
    EXPECT_EQ(RandomState(), plainState);
    EXPECT_EQ(x, px);
    EXPECT_EQ(y, py);
}

TEST(Random, ColumnFilterMatchesTheTryByTryOne) {
    // The filter worked out four tries at a time must pass exactly the tries the plain
    // one does, for any width, set of columns and number of tries.
    SeedRandom(2024);
    for (int round = 0; round < 3000; ++round) {
        const int state = Rand(1, 2147483646);
        const int columns = Rand(1, 62);
        const uint64_t inColumn = (static_cast<uint64_t>(Rand(0, 2147483646)) << 33 ^
                                   static_cast<uint64_t>(Rand(0, 2147483646)) << 11 ^ Rand(0, 4095)) &
                                  ((1ull << columns) - 1) & (round % 3 == 0 ? 1ull << Rand(0, columns - 1) : ~0ull);
        const int tries = round % 5 == 0 ? Rand(1, 64) : 64;
        ASSERT_EQ(random_detail::ColumnsHit(state, columns, inColumn, tries),
                  random_detail::ColumnsHitPlain(state, columns, inColumn, tries))
            << "state " << state << " columns " << columns << " tries " << tries;
    }
    // And the plain one passes every try that truly lands in a marked column.
    for (int seed : {1, 4660, 99999}) {
        SeedRandom(seed);
        const uint64_t hit = random_detail::ColumnsHitPlain(seed, 45, 1ull << 44 | 1ull << 3, 64);
        for (int j = 0; j < 64; ++j) {
            const int x = Rand(0, 44);
            Rand(0, 35);
            if (x == 44 || x == 3) {
                EXPECT_TRUE(hit >> j & 1) << "seed " << seed << " try " << j;
            }
        }
    }
}

TEST(Random, OneToFourThenIsTwoDrawsInARow) {
    const int ranges[][2] = {{0, 100}, {1, 6}, {-40, 40}, {0, 1}};
    for (const auto& range : ranges)
        for (int seed : {1, 4660, 2147483646, 987654321}) {
            SeedRandom(seed);
            std::vector<int> plain;
            for (int k = 0; k < 2000; ++k) {
                plain.push_back(Rand(1, 4));
                plain.push_back(Rand(range[0], range[1]));
            }
            const int after = RandomState();
            SeedRandom(seed);
            for (int k = 0; k < 2000; ++k) {
                int four = 0;
                int then = 0;
                RandOneToFourThen(range[0], range[1], four, then);
                ASSERT_EQ(four, plain[static_cast<size_t>(2 * k)]) << seed << " " << k;
                ASSERT_EQ(then, plain[static_cast<size_t>(2 * k + 1)]) << seed << " " << k;
            }
            EXPECT_EQ(RandomState(), after);
        }
}

TEST(Random, OneToFourIsRandOneToFour) {
    for (int seed : {1, 2, 4660, 2147483646, 2147483645, 1073741824, 536870912, 77}) {
        SeedRandom(seed);
        std::vector<int> plain;
        for (int k = 0; k < 4000; ++k) plain.push_back(Rand(1, 4));
        const int after = RandomState();
        SeedRandom(seed);
        for (int k = 0; k < 4000; ++k) ASSERT_EQ(RandOneToFour(), plain[static_cast<size_t>(k)]) << seed << " " << k;
        EXPECT_EQ(RandomState(), after);
    }
}
