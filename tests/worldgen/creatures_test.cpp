// The creature catalogue, spawning, level-ups, the random creature groups and their
// placement styles, depth scaling and the stalker event.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "persist/reset.h"
#include "support/sector_grid.h"
#include "worldgen/creatures.h"
#include "worldgen/levelup.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

class CreaturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        ResetGame();
        HeroId = 1;
        GameVars[47] = 1;
        SeedRandom(77);
    }
    static bool TableA(int kind) {
        static const std::set<int> kinds{2, 19, 12, 21, 22, 24, 9, 10, 13, 15, 33, 35, 37, 38, 39, 42};
        return kinds.count(kind) > 0;
    }
};

TEST_F(CreaturesTest, NamesAreTheCataloguesAndOtherKindsLeaveTheLookupAlone) {
    CreatureKindName(2);
    EXPECT_EQ(LookupName, "NIBBLIT");
    CreatureKindName(39);
    EXPECT_EQ(LookupName, "A.GEM HOUND");
    CreatureKindName(51);
    EXPECT_EQ(LookupName, "BURLO");
    for (int kind : {-1, 0, 1, 52}) {
        CreatureKindName(kind);
        EXPECT_EQ(LookupName, "BURLO") << kind;
    }
}

// A fresh creature has had one level: every statistic 1 + 2 plus its kind's extra,
// 5 + 2 magic points, 2 + 5 experience, and 10..15 + 5 (+ extra) hit points, full.
TEST_F(CreaturesTest, FreshCreatureHasThreePlusItsKindsExtrasAndIsWorthSeven) {
    struct Case {
        int kind;
        int hpExtra, mp, atk, def, str, spd, mag, con;
    };
    const Case cases[] = {
        {2, 0, 7, 3, 3, 3, 3, 3, 3},   {6, 0, 7, 3, 3, 3, 4, 3, 3},   {10, 0, 7, 4, 3, 3, 3, 6, 3},
        {12, 0, 7, 5, 3, 3, 4, 3, 3},  {15, 28, 7, 5, 3, 3, 3, 6, 3}, {18, 0, 7, 3, 4, 3, 3, 3, 3},
        {19, 20, 7, 7, 3, 7, 3, 3, 3}, {21, 30, 7, 5, 3, 5, 3, 3, 3}, {22, 5, 7, 4, 3, 4, 3, 3, 3},
        {24, 0, 7, 3, 3, 3, 3, 5, 5},  {29, 2, 7, 3, 5, 3, 3, 3, 3},  {30, 2, 7, 3, 5, 3, 3, 5, 3},
        {33, 20, 7, 5, 5, 3, 3, 5, 3}, {35, 15, 7, 5, 5, 3, 3, 5, 3}, {36, 0, 7, 5, 3, 3, 3, 3, 3},
        {39, 10, 7, 3, 3, 5, 3, 3, 3}, {42, 5, 17, 4, 3, 3, 3, 3, 3}, {13, 15, 7, 3, 3, 3, 3, 3, 3},
        {47, 0, 7, 3, 3, 3, 3, 3, 3},
    };
    for (const Case& c : cases) {
        ClearAllTables();
        const int slot = SpawnCreature(5, 6, c.kind);
        ASSERT_EQ(slot, 1);
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(MonKind[slot], c.kind);
        EXPECT_EQ(MonLevel[slot], 1);
        EXPECT_EQ(MonXp[slot], 7);
        EXPECT_EQ(MonMaxMp[slot], c.mp);
        EXPECT_EQ(MonMp[slot], c.mp);
        EXPECT_GE(MonMaxHp[slot], 15 + c.hpExtra);
        EXPECT_LE(MonMaxHp[slot], 20 + c.hpExtra);
        EXPECT_EQ(MonHp[slot], MonMaxHp[slot]);
        EXPECT_EQ(MonAtk[slot], c.atk);
        EXPECT_EQ(MonDef[slot], c.def);
        EXPECT_EQ(MonStr[slot], c.str);
        EXPECT_EQ(MonSpd[slot], c.spd);
        EXPECT_EQ(MonMag[slot], c.mag);
        EXPECT_EQ(MonCon[slot], c.con);
        EXPECT_EQ(MonX[slot], 5);
        EXPECT_EQ(MonY[slot], 6);
    }
}

TEST_F(CreaturesTest, BossesAndTheStalkerStartSeveralLevelsUp) {
    struct Case {
        int kind, level, xp, atk, con;
    };
    // Thinwraith: 3 levels of +2 +2/+20; Skarnix 3 levels; Vorgath 5 levels.
    for (const Case& c :
         {Case{41, 3, 17, 1 + 3 * 4, 1 + 3 * 22}, Case{45, 3, 17, 1 + 3 * 4, 7}, Case{46, 5, 27, 1 + 5 * 4, 11}}) {
        ClearAllTables();
        const int slot = SpawnCreature(1, 1, c.kind);
        EXPECT_EQ(MonLevel[slot], c.level) << c.kind;
        EXPECT_EQ(MonXp[slot], c.xp) << c.kind;
        EXPECT_EQ(MonAtk[slot], c.atk) << c.kind;
        EXPECT_EQ(MonCon[slot], c.con) << c.kind;
    }
}

TEST_F(CreaturesTest, AttitudeFlyingAndModeComeFromTheKind) {
    const std::set<int> friendly{3, 4, 19, 20, 25, 26, 27, 28, 31, 32, 40, 44, 47, 48, 49, 50, 51};
    const std::set<int> neutral{5, 7, 13, 14, 34, 37};
    const std::set<int> flyers{2, 5, 23, 37};
    for (int kind = 2; kind <= 51; ++kind) {
        if (kind == 8) continue;
        ClearAllTables();
        const int slot = SpawnCreature(3, 3, kind);
        const int attitude = friendly.count(kind) ? 1 : (neutral.count(kind) ? 2 : 0);
        EXPECT_EQ(MonAttitude[slot], attitude) << kind;
        EXPECT_EQ(MonStatus[slot][StatusFlying], flyers.count(kind) ? 1000 : 0) << kind;
        EXPECT_EQ(MonMode[slot], kind == 12 || kind == 15 ? 1 : 0) << kind;
        EXPECT_EQ(MonName[slot], CreatureKind(kind)->name);
    }
    // The manticore leaves Mellowen alone; rats are neutral on a coin toss.
    ClearAllTables();
    HeroId = 6;
    EXPECT_EQ(MonAttitude[SpawnCreature(3, 3, 35)], 2);
    std::set<int> ratAttitudes;
    for (int seed = 1; seed <= 40; ++seed) {
        ClearAllTables();
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        ratAttitudes.insert(MonAttitude[SpawnCreature(3, 3, 8)]);
    }
    EXPECT_EQ(ratAttitudes, (std::set<int>{0, 2}));
}

TEST_F(CreaturesTest, SpawnTakesTheLowestFreeSlotAndClearsOnlyTheFirstTenStatuses) {
    for (int k = 0; k < 5; ++k) SpawnCreature(k, k, 6);
    MonKind[3] = 0;
    MonStatus[3][0] = 4;
    MonStatus[3][9] = 1000;
    MonStatus[3][10] = 7;
    MonStatus[3][20] = 9;
    EXPECT_EQ(SpawnCreature(20, 21, 11), 3);
    EXPECT_EQ(MonStatus[3][0], 0);
    EXPECT_EQ(MonStatus[3][9], 0);
    EXPECT_EQ(MonStatus[3][10], 7);
    EXPECT_EQ(MonStatus[3][20], 9);
    EXPECT_EQ(SpawnCreature(1, 1, 6), 6);
}

TEST_F(CreaturesTest, FullTableSpawnsNothingAndDrawsNothing) {
    for (int k = 1; k <= MonCapacity; ++k) ASSERT_EQ(SpawnCreature(k % 45, 3, 2), k);
    const int state = RandomState();
    const int kindOfLast = MonKind[50];
    const int hpOfLast = MonHp[50];
    EXPECT_EQ(SpawnCreature(7, 7, 19), NoCreatureSlot);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(MonKind[50], kindOfLast);
    EXPECT_EQ(MonHp[50], hpOfLast);
}

TEST_F(CreaturesTest, LevelUpAddsTheKindsExtrasAndHealsFully) {
    struct Case {
        int kind, hard;
        int maxHp, maxMp, atk, def, str, spd, mag, con;
    };
    // Growth from a slot with every value 10.
    const Case cases[] = {
        {9, 0, 15, 12, 12, 12, 12, 13, 12, 12},  {11, 0, 15, 12, 13, 12, 12, 12, 12, 12},
        {16, 0, 15, 12, 14, 12, 12, 13, 12, 12}, {17, 0, 15, 12, 12, 12, 12, 13, 12, 12},
        {23, 0, 15, 12, 12, 12, 12, 13, 12, 12}, {37, 0, 15, 12, 12, 12, 12, 13, 12, 12},
        {38, 0, 15, 12, 13, 12, 12, 12, 12, 12}, {41, 0, 40, 12, 14, 14, 12, 14, 16, 32},
        {46, 0, 35, 12, 14, 14, 12, 12, 14, 12}, {45, 0, 30, 12, 14, 14, 12, 12, 14, 12},
        {7, 0, 15, 12, 12, 12, 12, 12, 12, 12},  {7, 1, 20, 12, 12, 12, 12, 12, 12, 12},
        {19, 1, 40, 12, 16, 12, 16, 12, 12, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " hard " << c.hard);
        GameVars[47] = c.hard ? 2 : 1;
        MonKind[4] = c.kind;
        MonHp[4] = 3;
        MonMaxHp[4] = MonMp[4] = MonMaxMp[4] = 10;
        MonMp[4] = 1;
        MonAtk[4] = MonDef[4] = MonStr[4] = MonSpd[4] = MonMag[4] = MonCon[4] = 10;
        MonLevel[4] = 2;
        MonXp[4] = 10;
        LevelUpCreature(4);
        EXPECT_EQ(MonMaxHp[4], c.maxHp);
        EXPECT_EQ(MonHp[4], c.maxHp);
        EXPECT_EQ(MonMaxMp[4], c.maxMp);
        EXPECT_EQ(MonMp[4], c.maxMp);
        EXPECT_EQ(MonAtk[4], c.atk);
        EXPECT_EQ(MonDef[4], c.def);
        EXPECT_EQ(MonStr[4], c.str);
        EXPECT_EQ(MonSpd[4], c.spd);
        EXPECT_EQ(MonMag[4], c.mag);
        EXPECT_EQ(MonCon[4], c.con);
        EXPECT_EQ(MonLevel[4], 3);
        EXPECT_EQ(MonXp[4], 15);
    }
    // The hero's slot and slots beyond the table are never levelled.
    MonLevel[0] = 1;
    LevelUpCreature(0);
    LevelUpCreature(51);
    LevelUpCreature(-1);
    EXPECT_EQ(MonLevel[0], 1);
}

TEST_F(CreaturesTest, DepthScalingLevelsOnlyCreaturesOfLevelTwoOrLess) {
    struct Case {
        int depth, difficulty, level, expected;
    };
    const Case cases[] = {
        {0, 1, 1, 1},  {5, 1, 1, 1},  {6, 1, 1, 2},  {12, 1, 1, 3}, {12, 1, 2, 4}, {12, 1, 3, 3},
        {12, 2, 1, 4}, {24, 1, 1, 4}, {28, 1, 1, 5}, {43, 1, 1, 7}, {-1, 1, 1, 4}, {-3, 2, 2, 6},
    };
    for (const Case& c : cases) {
        ClearAllTables();
        Depth = c.depth;
        GameVars[47] = c.difficulty;
        MonKind[7] = 7;
        MonLevel[7] = c.level;
        ScaleCreaturesForDepth();
        EXPECT_EQ(MonLevel[7], c.expected)
            << "depth " << c.depth << " difficulty " << c.difficulty << " level " << c.level;
    }
    // Entering again: a creature that reached level 3 gains nothing more.
    ClearAllTables();
    Depth = 12;
    GameVars[47] = 1;
    MonKind[1] = 6;
    MonLevel[1] = 1;
    ScaleCreaturesForDepth();
    ScaleCreaturesForDepth();
    EXPECT_EQ(MonLevel[1], 3);
}

TEST_F(CreaturesTest, StalkerFollowsOnlyWhileNotesAreHeldAndOnlyOnce) {
    FillTerrain(2);
    // No notes, or the stalker defeated (10): no roll at all.
    for (int notes : {0, 10}) {
        GameVars[50] = notes;
        const int state = RandomState();
        StalkerEvent();
        EXPECT_EQ(RandomState(), state);
        EXPECT_EQ(LiveCreatures(), 0);
    }
    // Nine notes: a roll of 46 or more brings it; over many seeds it comes sometimes.
    GameVars[50] = 9;
    int came = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        ClearAllTables();
        FillTerrain(2);
        GameVars[50] = 9;
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        const int before = MessagePushCount;
        StalkerEvent();
        if (LiveCreatures() == 1) {
            ++came;
            EXPECT_EQ(MonKind[1], 41);
            EXPECT_EQ(MessagePushCount, before + 1);
            // Once here, it does not come twice.
            for (int again = 0; again < 20; ++again) StalkerEvent();
            EXPECT_EQ(LiveCreatures(), 1);
        }
    }
    EXPECT_GT(came, 20);
    EXPECT_LT(came, 60);
}

// A hand-made sector: trees with one grass field, a river bridge in layout 4.
class GroupsTest : public CreaturesTest {
protected:
    static void Field(int layout) {
        ClearAllTables();
        SectorLayout = layout;
        HeroId = 1;
        GameVars[47] = 1;
        FillTerrain(1);
        // 16 x 15 = 240 open cells: every "open / n" row places at least 5.
        for (int x = 10; x <= 25; ++x)
            for (int y = 10; y <= 24; ++y) MapTerrain[x][y] = 2;
        MapTerrain[30][5] = 4;
        MapTerrain[31][5] = 4;
        MonKind[0] = 1;
        MonHp[0] = 50;
        MonX[0] = 17;
        MonY[0] = 17;
    }
    // The table rows placed: each kind maps to its row (the gem hounds share one).
    static std::set<int> Rows(bool tableA) {
        std::set<int> rows;
        for (int m = 1; m <= MonCapacity; ++m) {
            const int kind = MonKind[m];
            if (kind <= 0 || TableA(kind) != tableA) continue;
            rows.insert(kind == 39 ? 38 : kind);
        }
        return rows;
    }
};

TEST_F(GroupsTest, GroupsAppearByDepthAndNeverRepeatWithinTheirPair) {
    struct Case {
        int depth;
        size_t rowsA;
    };
    for (const Case c : {Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{4, 1}, Case{5, 2}, Case{20, 2}}) {
        for (int seed = 1; seed <= 40; ++seed) {
            Field(1);
            Depth = c.depth;
            SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
            PlaceCreatures();
            SCOPED_TRACE(testing::Message() << "depth " << c.depth << " seed " << seed);
            EXPECT_EQ(Rows(true).size(), c.rowsA);
            EXPECT_EQ(Rows(false).size(), 2u);
        }
    }
}

TEST_F(GroupsTest, TrollOnlyGuardsTheRiverBridgeAndBeaversAvoidRiversAndLakes) {
    int trolls = 0;
    for (int seed = 1; seed <= 150; ++seed) {
        for (int layout : {1, 4, 5}) {
            Field(layout);
            Depth = 9;
            SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
            PlaceCreatures();
            for (int m = 1; m <= MonCapacity; ++m) {
                if (MonKind[m] == 19) {
                    EXPECT_EQ(layout, 4);
                    EXPECT_EQ(MonX[m], 30);  // left of the last bridge cell
                    EXPECT_EQ(MonY[m], 5);
                    ++trolls;
                }
                if (MonKind[m] == 14) {
                    EXPECT_EQ(layout, 1);
                }
            }
        }
    }
    EXPECT_GT(trolls, 0);
}

TEST_F(GroupsTest, StylesKeepTheirDistancesAndGround) {
    int ambushers = 0;
    int packs = 0;
    for (int seed = 1; seed <= 200; ++seed) {
        Field(1);
        Depth = 7;
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceCreatures();
        int leader[52] = {};
        for (int m = 1; m <= MonCapacity; ++m) {
            const int kind = MonKind[m];
            if (kind <= 0) continue;
            const int x = MonX[m];
            const int y = MonY[m];
            EXPECT_GE(Distance(x, y, MonX[0], MonY[0]), 4.0) << kind;
            if (kind == 12) {
                // Lying in wait in a tree at the edge of the open ground.
                ++ambushers;
                EXPECT_EQ(MapTerrain[x][y], 1);
                auto open = [](int cx, int cy) { return Terrain(MapTerrain[cx][cy]).openGround; };
                EXPECT_TRUE(open(x - 1, y) || open(x + 1, y) || open(x, y - 1) || open(x, y + 1));
                continue;
            }
            EXPECT_TRUE(MapTerrain[x][y] == 2 || MapTerrain[x][y] == 4) << kind;
            // Wolves and gem hounds keep within 12 of the first of their pack.
            const int pack = kind == 39 ? 38 : kind;
            if (pack == 16 || pack == 38) {
                if (leader[pack] == 0) {
                    leader[pack] = m;
                    EXPECT_EQ(kind, pack);  // the pack's first is the row's own kind
                    ++packs;
                } else {
                    EXPECT_LE(Distance(x, y, MonX[leader[pack]], MonY[leader[pack]]), 12.0);
                }
            }
        }
    }
    EXPECT_GT(ambushers, 0);
    EXPECT_GT(packs, 0);
}

TEST_F(GroupsTest, FewOpenCellsPlaceOnlyTheSingleCreatureRows) {
    for (int seed = 1; seed <= 60; ++seed) {
        ClearAllTables();
        FillTerrain(1);
        for (int x = 2; x <= 12; ++x) MapTerrain[x][20] = 2;  // 11 open cells
        MonKind[0] = 1;
        MonX[0] = 40;
        MonY[0] = 5;
        Depth = 8;
        SeedRandom(static_cast<int>(seed * 35791393u));  // seeds spread over the whole range
        PlaceCreatures();
        // Only the rows of one creature (or three dragons) can place anything.
        for (int m = 1; m <= MonCapacity; ++m)
            if (MonKind[m] > 0) {
                EXPECT_TRUE((std::set<int>{21, 24, 15, 33, 35, 42}).count(MonKind[m])) << MonKind[m];
            }
    }
}

}  // namespace
