// The walking-distance fields: what counts as an obstacle for whom, where they start,
// and how far they reach.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/behaviour.h"
#include "rules/meadow_fixture.h"
#include "support/sector_grid.h"

namespace {

using DistanceFieldsTest = MeadowTest;

// The field as the game defines it: mark, then relax the whole layer twenty times.
void ReferenceField(int (&out)[MapWidth][MapHeight], const std::set<int>& obstacles,
                    const std::vector<std::pair<int, int>>& sources) {
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y) out[x][y] = obstacles.count(MapTerrain[x][y]) ? -1 : 1000;
    for (const auto& [x, y] : sources) out[x][y] = 0;
    for (int p = 0; p < 20; ++p) {
        for (int x = 0; x <= MapMaxX; ++x) {
            for (int y = 0; y <= MapMaxY; ++y) {
                if (out[x][y] != p) continue;
                const int nx[4] = {x - 1, x + 1, x, x};
                const int ny[4] = {y, y, y - 1, y + 1};
                for (int d = 0; d < 4; ++d) {
                    if (nx[d] < 0 || nx[d] > MapMaxX || ny[d] < 0 || ny[d] > MapMaxY) continue;
                    if (out[nx[d]][ny[d]] > p) out[nx[d]][ny[d]] = p + 1;
                }
            }
        }
    }
    for (auto& column : out)
        for (int& v : column)
            if (v == -1) v = 5000;
}

TEST_F(DistanceFieldsTest, MatchTheLayerRelaxationOnRandomTerrain) {
    // clang-format off
    const std::set<int> walker = Codes({{1, 1}, {3, 3}, {7, 9}, {12, 25}, {27, 29}, {31, 32}, {36, 40}, {44, 49},
                                        {51, 51}, {55, 58}, {66, 66}, {69, 70}, {72, 77}, {83, 83}, {88, 90}});
    const std::set<int> flyer = Codes({{1, 1}, {7, 9}, {12, 25}, {27, 27}, {29, 29}, {31, 32}, {36, 40}, {44, 49},
                                       {51, 51}, {55, 58}, {66, 66}, {70, 70}, {72, 77}, {83, 83}});
    // clang-format on
    std::set<int> hostile = walker;
    hostile.insert({84, 85, 87});
    static int expected[MapWidth][MapHeight];
    for (int seed = 1; seed <= 25; ++seed) {
        SetUp();
        SeedRandom(seed);
        // Mostly grass, a scattering of every code, the hero and a few creatures.
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) MapTerrain[x][y] = Rand(0, 100) < 30 ? Rand(1, 90) : 2;
        PlaceHero(Rand(0, MapMaxX), Rand(0, MapMaxY));
        std::vector<std::pair<int, int>> hostiles;
        for (int m = 1; m <= 6; ++m) {
            PutCreature(m, 5, Rand(0, MapMaxX), Rand(0, MapMaxY), m % 3);
            if (m % 3 == 0) hostiles.push_back({MonX[m], MonY[m]});
        }
        MonStatus[0][StatusDisguised] = seed % 5 == 0 ? 3 : 0;
        ComputeDistanceFields();

        std::vector<std::pair<int, int>> hero;
        if (MonStatus[0][StatusDisguised] == 0) hero.push_back({MonX[0], MonY[0]});
        ReferenceField(expected, walker, hero);
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y)
                ASSERT_EQ(MapDistHero[x][y], expected[x][y]) << seed << " " << x << "," << y;
        ReferenceField(expected, flyer, {{MonX[0], MonY[0]}});
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) ASSERT_EQ(MapDistHeroFree[x][y], expected[x][y]) << seed;
        ReferenceField(expected, hostile, hostiles);
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) ASSERT_EQ(MapDistHostile[x][y], expected[x][y]) << seed;
    }
}

TEST_F(DistanceFieldsTest, WalkersGoRoundWaterThatFlyersCross) {
    for (int y = 0; y <= 12; ++y) MapTerrain[12][y] = 3;  // a river with a ford below row 12
    PlaceHero(10, 10);
    ComputeDistanceFields();
    EXPECT_EQ(MapDistHero[10][10], 0);
    EXPECT_EQ(MapDistHero[14][10], 10);  // down to row 13, across and up
    EXPECT_EQ(MapDistHeroFree[14][10], 4);
    EXPECT_EQ(MapDistHero[12][10], 5000);
    EXPECT_EQ(MapDistHeroFree[12][10], 2);
    EXPECT_EQ(MapDistHero[10][30], 20);
    EXPECT_EQ(MapDistHero[10][31], 1000);  // beyond twenty steps
    // A hero standing in the water is still where the field starts.
    PlaceHero(12, 5);
    ComputeDistanceFields();
    EXPECT_EQ(MapDistHero[12][5], 0);
    EXPECT_EQ(MapDistHero[11][5], 1);
}

TEST_F(DistanceFieldsTest, OnDemandFieldsMatchTheLayerRelaxationInEveryMode) {
    // What blocks a step when creatures are ignored (a pit too: nobody is flying here).
    // clang-format off
    const std::set<int> walking = Codes({{1, 1}, {7, 9}, {12, 23}, {25, 25}, {27, 29}, {31, 31}, {34, 34}, {36, 40},
                                         {44, 49}, {51, 51}, {55, 57}, {66, 66}, {68, 68}, {70, 70}, {72, 77},
                                         {83, 85}, {87, 90}});
    // clang-format on
    const std::set<int> treesAndMountains = {1, 27};
    static int expected[MapWidth][MapHeight];
    for (int seed = 1; seed <= 12; ++seed) {
        SetUp();
        SeedRandom(seed * 7919);
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) MapTerrain[x][y] = Rand(0, 100) < 35 ? Rand(1, 90) : 2;
        // The source may stand on an obstacle: it is still where the steps start.
        const int sx = Rand(0, MapMaxX), sy = Rand(0, MapMaxY);
        const struct {
            int mode;
            std::set<int> obstacles;
        } modes[] = {{0, walking}, {1, {}}, {2, treesAndMountains}};
        for (const auto& m : modes) {
            BuildField(sx, sy, m.mode);
            ReferenceField(expected, m.obstacles, {{sx, sy}});
            for (int x = 0; x <= MapMaxX; ++x)
                for (int y = 0; y <= MapMaxY; ++y)
                    ASSERT_EQ(MapMask[x][y], expected[x][y])
                        << "mode " << m.mode << " seed " << seed << " " << x << "," << y;
        }
        BuildCovetField(sx, sy);
        ReferenceField(expected, {}, {{sx, sy}});
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) ASSERT_EQ(MapDistSkill[x][y], expected[x][y]) << seed;
    }
}

TEST_F(DistanceFieldsTest, AnOnDemandFieldIgnoresCreaturesAndASourceOffTheMap) {
    MapTerrain[11][10] = 1;
    MonKind[3] = 22;
    MonHp[3] = 5;
    MonX[3] = 10;
    MonY[3] = 11;
    BuildField(10, 10, 0);
    EXPECT_EQ(MapMask[10][11], 1) << "a creature does not block";
    EXPECT_EQ(MapMask[11][10], 5000);
    EXPECT_EQ(MapMask[12][10], 4);
    EXPECT_EQ(MapMask[10][31], 1000);
    BuildField(-1, 50, 1);
    EXPECT_EQ(MapMask[0][0], 1000);
    EXPECT_EQ(MapMask[MapMaxX][MapMaxY], 1000);
}

}  // namespace
