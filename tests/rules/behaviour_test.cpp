// The creatures' turn on small hand-built meadows: who steps where, who strikes whom,
// the kinds with rules of their own, and what the statuses change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/loop/turnloop.h"
#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/behaviour.h"
#include "rules/end_of_turn.h"
#include "rules/meadow_fixture.h"

namespace {

// Seeds far apart: neighbouring small seeds start the stream with near-equal draws.
int Spread(int n) { return 1 + (n % 64) * 33554393; }

class BehaviourTest : public MeadowTest {
protected:
    static void OneTurn() {
        ComputeDistanceFields();
        CreaturesAct();
    }
    static void Terrain(int x, int y, int code) { MapTerrain[x][y] = code; }
    // Any line reporting a blow or a dodge with this attacker's name at its end.
    static bool StruckBy(const std::string& attacker) {
        for (const std::string& line : said) {
            const size_t at = line.rfind("from " + attacker);
            if (at != std::string::npos && at + 5 + attacker.size() + 1 >= line.size()) return true;
        }
        return false;
    }
    static bool HeroStruck() {
        for (const std::string& line : said)
            if (line.rfind("HERO takes ", 0) == 0 || line.rfind("HERO dodges ", 0) == 0 ||
                line.rfind("HERO was knocked", 0) == 0)
                return true;
        return false;
    }
    // The direction a random step takes from the stream as it stands: -1,0 west ...
    static std::pair<int, int> NextRandomStep() {
        const int state = RandomState();
        const int d = Rand(1, 4);
        SeedRandom(state);
        static const int dx[5] = {0, -1, 1, 0, 0};
        static const int dy[5] = {0, 0, 0, -1, 1};
        return {dx[d], dy[d]};
    }
};

TEST_F(BehaviourTest, AHostileWalkerChasesFromTwoToElevenStepsStandsToNineteenAndWandersBeyond) {
    struct Case {
        const char* what;
        int steps;
        bool flyer;
        enum { Attacks, Chases, Stands, Wanders } does;
    } cases[] = {
        {"next to the hero", 1, false, Case::Attacks}, {"two steps", 2, false, Case::Chases},
        {"eleven steps", 11, false, Case::Chases},     {"twelve steps", 12, false, Case::Stands},
        {"nineteen steps", 19, false, Case::Stands},   {"twenty steps", 20, false, Case::Wanders},
        {"out of reach", 30, false, Case::Wanders},    {"a flyer at fifteen homes in", 15, true, Case::Chases},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceHero(2, 17);
        PutCreature(1, 22, 2 + c.steps, 17, 0);  // an ogre, or a bat
        if (c.flyer) {
            MonKind[1] = 23;
            MonStatus[1][StatusFlying] = 1000;
        }
        SeedRandom(Spread(40 + c.steps));
        const auto [dx, dy] = NextRandomStep();
        OneTurn();
        int ex = 2 + c.steps, ey = 17;
        if (c.does == Case::Chases) ex -= 1;
        if (c.does == Case::Wanders) ex += dx, ey += dy;
        EXPECT_EQ(MonX[1], ex) << c.what;
        EXPECT_EQ(MonY[1], ey) << c.what;
        EXPECT_EQ(StruckBy("BEAST1"), c.does == Case::Attacks) << c.what;
    }
}

TEST_F(BehaviourTest, StepsFollowWestEastNorthSouthToTheFirstFittingNeighbour) {
    constexpr int W = 0, E = 1, N = 2, S = 3, None = -1;
    struct Case {
        const char* what;
        int x, y;
        int kind, mode;  // an ogre chasing, or a wolf in flight (mode above 0)
        int near[4];     // field values west, east, north, south; here is 5
        int obstacle;    // direction holding a tree (or swamp, for the wolf)
        int expected;
    } cases[] = {
        {"west first of several lower", 5, 5, 22, 0, {4, 3, 2, 1}, None, W},
        {"equal is not lower", 5, 5, 22, 0, {5, 4, 9, 9}, None, E},
        {"a blocked lower neighbour is passed over", 5, 5, 22, 0, {3, 6, 4, 1}, W, N},
        {"south last", 5, 5, 22, 0, {6, 6, 6, 4}, None, S},
        {"nothing lower: stays", 5, 5, 22, 0, {6, 6, 6, 6}, None, None},
        {"no west from the left edge", 0, 5, 22, 0, {0, 6, 4, 9}, None, N},
        {"no east or south from the far corner", 44, 35, 22, 0, {6, 0, 4, 0}, None, N},
        {"a fleeing wolf climbs", 5, 5, 16, 3, {4, 6, 9, 9}, None, E},
        {"a fleeing wolf needs walkable ground", 5, 5, 16, 3, {4, 6, 9, 9}, E, N},
    };
    const int dx[4] = {-1, 1, 0, 0};
    const int dy[4] = {0, 0, -1, 1};
    for (const Case& c : cases) {
        SetUp();
        PlaceHero(30, 30);
        PutCreature(1, c.kind, c.x, c.y, 0);
        MonMode[1] = c.mode;
        for (auto& column : MapDistHero)
            for (int& v : column) v = 1000;
        MapDistHero[c.x][c.y] = 5;
        for (int d = 0; d < 4; ++d) {
            const int nx = c.x + dx[d], ny = c.y + dy[d];
            if (nx < 0 || nx > MapMaxX || ny < 0 || ny > MapMaxY) continue;
            MapDistHero[nx][ny] = c.near[d];
            if (d == c.obstacle) Terrain(nx, ny, c.kind == 16 ? 26 : 1);
        }
        CreaturesAct();
        const int ex = c.x + (c.expected == None ? 0 : dx[c.expected]);
        const int ey = c.y + (c.expected == None ? 0 : dy[c.expected]);
        EXPECT_EQ(MonX[1], ex) << c.what;
        EXPECT_EQ(MonY[1], ey) << c.what;
    }
}

TEST_F(BehaviourTest, FieldsPredateThePassSoTwoCreaturesAimForTheSameGap) {
    // A hedge at x = 13 with one gap; three creatures queue behind it.
    for (int y = 0; y <= MapMaxY; ++y) Terrain(13, y, 1);
    Terrain(13, 10, 2);
    PutCreature(1, 22, 14, 10, 0);
    PutCreature(2, 22, 14, 9, 0);
    PutCreature(3, 22, 14, 11, 0);
    OneTurn();
    EXPECT_EQ(MonX[1], 13);  // through the gap
    EXPECT_EQ(MonY[1], 10);
    EXPECT_EQ(MonX[2], 14);  // into the cell the first one left
    EXPECT_EQ(MonY[2], 10);
    EXPECT_EQ(MonX[3], 14);  // the same cell, taken by now: it stays
    EXPECT_EQ(MonY[3], 11);
}

TEST_F(BehaviourTest, AHostileStrikesAnAllyAtOnceButTheHeroOnlyNextTurnAndAlliesStrikeOnlyFoesStillBeside) {
    PutCreature(1, 22, 12, 10, 0);  // two steps from the hero: steps beside him
    PutCreature(2, 22, 11, 11, 3);  // an ally it then stands beside
    MonDef[2] = 1000;
    PutCreature(3, 22, 10, 14, 0);  // walks off north...
    PutCreature(4, 22, 10, 15, 3);  // ...from an ally the hostile field still puts it beside
    OneTurn();
    EXPECT_EQ(MonX[1], 11);
    EXPECT_FALSE(HeroStruck());
    EXPECT_TRUE(Said("BEAST2 takes 1 damage from BEAST1!"));
    EXPECT_EQ(MonY[3], 13);
    EXPECT_FALSE(StruckBy("BEAST4"));
    EXPECT_EQ(MonHp[3], 20);
    // Next turn the first one, beside the hero, strikes him.
    MonDef[0] = 1000;
    OneTurn();
    EXPECT_TRUE(Said("HERO takes 1 damage from BEAST1!"));
}

TEST_F(BehaviourTest, ADisguisedHeroIsNotChasedNorStruckButATimberWolfStillBites) {
    PutCreature(1, 22, 10, 14, 0);  // four steps off, in the open
    // Two stand in a nook of trees beside the hero, so their wandering step fails.
    PutCreature(2, 22, 11, 10, 0);  // an ogre
    Terrain(12, 10, 1), Terrain(11, 9, 1), Terrain(11, 11, 1);
    PutCreature(3, 12, 9, 10, 0);  // an awake timber wolf
    Terrain(8, 10, 1), Terrain(9, 9, 1), Terrain(9, 11, 1);
    MonStatus[0][StatusDisguised] = 5;
    SeedRandom(Spread(5));
    const auto [dx, dy] = NextRandomStep();
    OneTurn();
    EXPECT_EQ(MonX[1], 10 + dx) << "it wanders instead of closing in";
    EXPECT_EQ(MonY[1], 14 + dy);
    EXPECT_FALSE(StruckBy("BEAST2"));
    EXPECT_TRUE(StruckBy("BEAST3"));
    // Without the disguise the ogre strikes too.
    MonStatus[0][StatusDisguised] = 0;
    said.clear();
    OneTurn();
    EXPECT_TRUE(StruckBy("BEAST2"));
}

TEST_F(BehaviourTest, FlyersCrossWaterAndPitsButStrikeOnlyFromWalkableGround) {
    PlaceHero(10, 20);
    Terrain(11, 20, 3);
    Terrain(12, 20, 3);
    Terrain(13, 20, 28);
    PutCreature(1, 23, 11, 20, 0);  // a bat over the water beside the hero
    PutCreature(2, 23, 10, 21, 0);  // a bat on grass beside him
    PutCreature(3, 23, 14, 20, 0);  // a bat beyond the water and a pit
    for (const int m : {1, 2, 3}) MonStatus[m][StatusFlying] = 1000;
    OneTurn();
    EXPECT_FALSE(StruckBy("BEAST1"));
    EXPECT_TRUE(StruckBy("BEAST2"));
    EXPECT_EQ(MonX[3], 13) << "onto the pit";
    EXPECT_EQ(FlyerMoveTest, 0);
    // A walker in its place goes round by the grass instead.
    MonX[3] = 30;
    PutCreature(4, 22, 14, 20, 0);
    OneTurn();
    EXPECT_EQ(MonX[4], 14);
    EXPECT_EQ(MonY[4], 19);
}

TEST_F(BehaviourTest, WolvesFleeSixToTenTurnsAfterBitingAndComeBack) {
    PlaceHero(22, 10);
    MonDef[0] = 1000;
    MonHp[0] = 1000;
    PutCreature(1, 16, 23, 10, 0);
    PutCreature(2, 16, 21, 10, 0);
    EndOfTurn();
    int flight[3] = {0, MonMode[1], MonMode[2]};
    for (const int m : {1, 2}) {
        EXPECT_TRUE(StruckBy("BEAST" + std::to_string(m)));
        ASSERT_GE(flight[m], 6);
        ASSERT_LE(flight[m], 10);
    }
    for (int turn = 1; turn <= 11; ++turn) {
        EndOfTurn();
        for (const int m : {1, 2}) {
            const int away = std::abs(MonX[m] - 22);
            if (turn <= flight[m]) {
                EXPECT_EQ(away, 1 + turn) << m << " turn " << turn;
            } else if (turn == flight[m] + 1) {
                EXPECT_EQ(away, flight[m]) << m << " comes back";
            }
        }
    }
}

TEST_F(BehaviourTest, AnUnwatchedNibblitBreedsOncePerItemItStandsOn) {
    struct Case {
        const char* what;
        int heroX;
        bool hemmedIn;
        bool breeds;
    } cases[] = {
        {"far from the hero", 2, false, true},
        {"twenty steps from the hero", 10, false, false},
        {"hemmed in by trees", 2, true, false},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceHero(c.heroX, 30);
        PutCreature(1, 2, 30, 30, 0);
        MonStatus[1][StatusFrozen] = 5;  // keeps it on its items
        if (c.hemmedIn) Terrain(31, 30, 1), Terrain(29, 30, 1), Terrain(30, 31, 1), Terrain(30, 29, 1);
        const int kinds[3] = {101, 6, 140};  // two foods and a thing of no category
        for (int g = 0; g < 3; ++g) {
            GroundItemKind[g + 4] = kinds[g];
            GroundItemX[g + 4] = 30;
            GroundItemY[g + 4] = 30;
            GroundItemCount[g + 4] = 1;
        }
        OneTurn();
        EXPECT_EQ(TimesSaid("You hear a familiar and horrifying squelch"), c.breeds ? 2 : 0) << c.what;
        EXPECT_EQ(GroundItemKind[4] == 0, c.breeds) << c.what;
        EXPECT_EQ(GroundItemKind[6] == 0, c.breeds) << c.what;
        EXPECT_EQ(GroundItemKind[5], 6) << c.what << ": uneaten";
        // The brood is born east, then west; newborns in higher slots take their own
        // turn in the same pass, so each may already have moved one step.
        if (c.breeds) {
            EXPECT_EQ(MonKind[2], 2) << c.what;
            EXPECT_EQ(MonKind[3], 2) << c.what;
            EXPECT_LE(std::abs(MonX[2] - 31) + std::abs(MonY[2] - 30), 1) << c.what;
            EXPECT_LE(std::abs(MonX[3] - 29) + std::abs(MonY[3] - 30), 1) << c.what;
        }
    }
}

TEST_F(BehaviourTest, ACockatriceStonesItsNeighboursAgainEveryTurn) {
    PlaceHero(2, 2);
    PutCreature(1, 24, 20, 20, 0);
    MonStatus[1][StatusFrozen] = 1000;  // it stays where it is
    PutCreature(2, 7, 21, 20, 2);       // a bunny beside it
    PutCreature(3, 7, 22, 22, 2);       // one that is not
    MonStatus[3][StatusFrozen] = 1000;
    EndOfTurn();
    EXPECT_EQ(MonStatus[2][StatusStone], 19);
    EXPECT_EQ(MonX[2], 21) << "stone: no step";
    EndOfTurn();
    EXPECT_EQ(MonStatus[2][StatusStone], 19);
    EXPECT_EQ(MonStatus[3][StatusStone], 0);
    MonX[2] = 25;
    EndOfTurn();
    EXPECT_EQ(MonStatus[2][StatusStone], 18);
}

TEST_F(BehaviourTest, ACovetCaptivatedCreatureWalksToTheItemInsteadOfStriking) {
    struct Case {
        const char* what;
        int covet, itemX, itemY;
        int expectedX;
        bool strikes;
    } cases[] = {
        {"the item five steps off", 3, 16, 10, 12, false},
        {"the item out of reach", 3, 40, 30, 11, true},
        {"no charm cast", 0, 16, 10, 11, true},
    };
    for (const Case& c : cases) {
        SetUp();
        PutCreature(1, 22, 11, 10, 0);
        MonStatus[0][StatusCovet] = c.covet;
        BuildCovetField(c.itemX, c.itemY);
        OneTurn();
        EXPECT_EQ(MonX[1], c.expectedX) << c.what;
        EXPECT_EQ(StruckBy("BEAST1"), c.strikes) << c.what;
    }
}

TEST_F(BehaviourTest, AnAllyStrikesTheAdjacentHostileInTheHighestSlotAndIsStruckEvenByTheFrozen) {
    PlaceHero(2, 2);
    PutCreature(3, 22, 20, 20, 3);
    PutCreature(4, 22, 19, 20, 0);
    PutCreature(9, 22, 21, 20, 0);
    PutCreature(12, 22, 20, 22, 0);  // two steps off: no blow
    for (const int m : {3, 4, 9, 12}) MonDef[m] = 1000;
    for (const int m : {4, 9, 12}) MonStatus[m][StatusFrozen] = 3;
    OneTurn();
    EXPECT_TRUE(Said("BEAST9 takes 1 damage from BEAST3?"));
    EXPECT_EQ(MonHp[4], 20);
    EXPECT_TRUE(Said("BEAST3 takes 1 damage from BEAST4!"));
    EXPECT_TRUE(Said("BEAST3 takes 1 damage from BEAST9!"));
    EXPECT_FALSE(StruckBy("BEAST12"));
    EXPECT_EQ(MonHp[3], 18);
}

TEST_F(BehaviourTest, CreatureAttacksAreReportedByWhoStruckWhom) {
    struct Case {
        const char* what;
        bool allyStrikes;  // else a hostile strikes the hero
        int defenderHp, defenderDef, defenderSpd;
        const char* line;
        const char* death;
    } cases[] = {
        {"a hit on the hero", false, 50, 1000, 0, "HERO takes 1 damage from BEAST1!", ""},
        {"the hero dodges", false, 50, 0, 1000, "HERO dodges the attack from BEAST1!", ""},
        {"the hero falls", false, 1, 1000, 0, "HERO was knocked out by BEAST1!", "HERO was killed by BEAST1"},
        {"an ally's hit", true, 50, 1000, 0, "BEAST2 takes 1 damage from BEAST1?", ""},
        {"an ally's miss", true, 50, 0, 1000, "BEAST2 takes 0 damage from BEAST1?", ""},
        {"an ally's knockout", true, 1, 1000, 0, "BEAST2 was knocked out by BEAST1", ""},
    };
    for (const Case& c : cases) {
        SetUp();
        int defender = 0;
        if (c.allyStrikes) {
            PlaceHero(2, 2);
            PutCreature(1, 22, 20, 20, 3);
            PutCreature(2, 22, 21, 20, 0);
            MonStatus[2][StatusFrozen] = 3;
            defender = 2;
        } else {
            PutCreature(1, 22, 11, 10, 0);
        }
        MonHp[defender] = c.defenderHp;
        MonDef[defender] = c.defenderDef;
        MonSpd[defender] = c.defenderSpd;
        OneTurn();
        EXPECT_TRUE(Said(c.line)) << c.what;
        EXPECT_EQ(DeathMessage, c.death) << c.what;
        EXPECT_EQ(MonDamageTaken[defender], 0) << c.what;
    }
}

TEST_F(BehaviourTest, LurkersWakeWhenTheHeroComesNear) {
    struct Case {
        const char* what;
        int kind, x, y;
        int mode;
        bool growl;
    } cases[] = {
        {"timber wolf four off", 12, 14, 10, 1, false},        {"timber wolf three off", 12, 13, 10, 0, false},
        {"cerberus above the hero, far", 15, 10, 5, 1, false}, {"cerberus two above the hero", 15, 10, 8, 0, false},
        {"cerberus on the hero's row", 15, 16, 10, 0, true},   {"cerberus below the hero", 15, 10, 16, 0, true},
    };
    for (const Case& c : cases) {
        SetUp();
        PutCreature(1, c.kind, c.x, c.y, 0);
        MonMode[1] = 1;
        OneTurn();
        EXPECT_EQ(MonMode[1], c.mode) << c.what;
        EXPECT_EQ(MonX[1], c.x) << c.what << ": no step in the turn it lay in wait";
        EXPECT_EQ(MonY[1], c.y) << c.what;
        EXPECT_EQ(Said("You hear a growl"), c.growl) << c.what;
    }
}

TEST_F(BehaviourTest, ATeenDragonBreathesFireFromTwoToFourSteps) {
    struct Case {
        const char* what;
        int steps, mp, heroMag;
        bool breathes, burns;
    } cases[] = {
        {"three steps", 3, 4, 0, true, true},
        {"the hero's magic shields him", 3, 4, 100, true, false},
        {"too little magic", 3, 3, 0, false, false},
        {"five steps", 5, 4, 0, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        PutCreature(1, 42, 10 + c.steps, 10, 0);
        MonMp[1] = c.mp;
        MonMag[0] = c.heroMag;
        OneTurn();
        const int burn = 50 - MonHp[0];
        EXPECT_EQ(MonX[1], 10 + c.steps - (c.breathes ? 0 : 1)) << c.what;
        EXPECT_EQ(MonMp[1], c.mp - (c.breathes ? 4 : 0)) << c.what;
        if (c.burns) {
            EXPECT_GE(burn, 3) << c.what;
            EXPECT_LE(burn, 15) << c.what;
            EXPECT_TRUE(Said("BEAST1 burned you for " + std::to_string(burn) + " damage!")) << c.what;
        } else {
            EXPECT_EQ(burn, 0) << c.what;
        }
        EXPECT_EQ(Said("BEAST1 tried to burn you, but missed!"), c.breathes && !c.burns) << c.what;
    }
}

// A hero burned to death is killed by that dragon, in the words of a bite, not by the
// cause an earlier game left behind.
TEST_F(BehaviourTest, ATeenDragonsFireThatFellsTheHeroNamesTheDragon) {
    PutCreature(1, 42, 13, 10, 0);
    MonMp[1] = 4;
    MonHp[0] = 1;
    DeathMessage = "QUENBY ARLO was killed by ZOQUIRAL";
    OneTurn();
    EXPECT_LE(MonHp[0], 0);
    EXPECT_EQ(DeathMessage, "HERO was killed by BEAST1");
}

TEST_F(BehaviourTest, KindsThatChangeSides) {
    // Zoquiral rallies his neutral neighbours in slot order while his magic lasts.
    PlaceHero(2, 2);
    PutCreature(1, 33, 20, 20, 0);
    MonMp[1] = 5;
    MonStatus[1][StatusFrozen] = 3;
    PutCreature(2, 7, 21, 20, 2);
    PutCreature(3, 7, 19, 20, 2);
    for (const int m : {2, 3}) MonStatus[m][StatusFrozen] = 3;
    // A fruit bat goes for fruit in the satchel, and gives up without it.
    PutCreature(4, 37, 30, 5, 2);
    PutCreature(5, 37, 30, 8, 0);
    InvKind[7] = 104;
    // The troll minds a hero swimming near him.
    PutCreature(6, 19, 4, 3, 1);
    Terrain(2, 2, 3);
    // Stepping beside a wasp sets every wasp on him.
    PutCreature(7, 5, 2, 3, 2);
    MonStatus[7][StatusFrozen] = 3;
    PutCreature(8, 5, 40, 30, 2);
    OneTurn();
    EXPECT_EQ(MonAttitude[2], 0);
    EXPECT_EQ(MonStatus[2][StatusStrengthened], 4);
    EXPECT_EQ(MonAttitude[3], 2) << "no magic left for the second";
    EXPECT_EQ(MonMp[1], 2);
    EXPECT_EQ(MonAttitude[4], 0);
    EXPECT_EQ(MonAttitude[5], 0) << "still hostile: the hero carries an orange";
    EXPECT_TRUE(Said("The troll growls at you"));
    EXPECT_EQ(MonAttitude[6], 0);
    EXPECT_TRUE(Said("The wasps became enraged!"));
    EXPECT_EQ(MonAttitude[8], 0);
    InvKind[7] = 0;
    OneTurn();
    EXPECT_EQ(MonAttitude[4], 2);
    EXPECT_EQ(MonAttitude[5], 2);
}

TEST_F(BehaviourTest, TheTrollLetsASwimmerFourStepsOffBe) {
    PlaceHero(2, 2);
    Terrain(2, 2, 3);
    PutCreature(1, 19, 6, 2, 1);
    OneTurn();
    EXPECT_EQ(MonAttitude[1], 1);
    EXPECT_EQ(MonX[1], 6) << "a friendly troll stays put";
}

TEST_F(BehaviourTest, SkarnixRemakesTheLandAroundHim) {
    PlaceHero(2, 2);
    PutCreature(1, 45, 20, 20, 0);
    MonStatus[1][StatusFrozen] = 3;
    Terrain(21, 21, 1);
    Terrain(22, 20, 1);  // outside his block
    SeedRandom(Spread(99));
    const int a = Rand(1, 6), b = Rand(1, 6);
    SeedRandom(Spread(99));
    OneTurn();
    const int grassInto[6] = {35, 10, 43, 67, 82, 26};
    const int treeInto[6] = {27, 44, 66, 69, 83, 28};
    EXPECT_EQ(MapTerrain[19][19], grassInto[a - 1]);
    EXPECT_EQ(MapTerrain[20][20], grassInto[a - 1]);
    EXPECT_EQ(MapTerrain[21][21], treeInto[b - 1]);
    EXPECT_EQ(MapTerrain[22][20], 1);
    EXPECT_EQ(MapTerrain[18][20], 2);
}

TEST_F(BehaviourTest, AGemHoundBurrowsOnlyToANearerFreeCellCloseBy) {
    int burrows = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        SetUp();
        PlaceHero(5, 5);
        PutCreature(1, 38, 17, 5, 0);  // twelve steps: it would stand still otherwise
        PutCreature(2, 22, 12, 5, 0);
        MonStatus[2][StatusFrozen] = 3;
        SeedRandom(Spread(seed));
        ComputeDistanceFields();
        const int before = MapDistHero[17][5];
        CreaturesAct();
        if (MonX[1] == 17 && MonY[1] == 5) {
            EXPECT_FALSE(Said("You hear the sound of burrowing")) << seed;
            continue;
        }
        ++burrows;
        EXPECT_TRUE(Said("You hear the sound of burrowing")) << seed;
        // It may still chase one step from where it came up.
        const int reached = MapDistHero[MonX[1]][MonY[1]];
        EXPECT_LT(reached, before) << seed;
        EXPECT_FALSE(MonX[1] == 12 && MonY[1] == 5) << seed;
    }
    EXPECT_GT(burrows, 5);
    EXPECT_LT(burrows, 40);
}

TEST_F(BehaviourTest, ABearEatsTheFoodUnderItAndIsWholeAgain) {
    PlaceHero(2, 2);
    PutCreature(1, 34, 20, 20, 2, 10);
    MonMaxHp[1] = 40;
    MonStatus[1][StatusFrozen] = 3;
    GroundItemKind[3] = 113;
    GroundItemX[3] = 20;
    GroundItemY[3] = 20;
    GroundItemKind[4] = 5;  // a sword is no meal
    GroundItemX[4] = 20;
    GroundItemY[4] = 20;
    OneTurn();
    EXPECT_EQ(GroundItemKind[3], 0);
    EXPECT_EQ(GroundItemKind[4], 5);
    EXPECT_EQ(MonHp[1], 40);
}

TEST_F(BehaviourTest, AChangelingShowsItselfCloseByAndHidesOutOfSight) {
    struct Case {
        const char* what;
        int x, seen, mp;
        int mode, mpAfter;
    } cases[] = {
        {"close and in view", 12, 2, 5, 1, 5},
        {"far and in view", 16, 2, 5, 0, 5},
        {"close, out of view", 12, 1, 5, 0, 3},
        {"close, out of view, no magic", 12, 1, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        PutCreature(1, 10, c.x, 10, 0);
        MonMp[1] = c.mp;
        MonStatus[1][StatusFrozen] = 3;
        MapSeen[c.x][10] = c.seen;
        OneTurn();
        EXPECT_EQ(MonMode[1], c.mode) << c.what;
        EXPECT_EQ(MonMp[1], c.mpAfter) << c.what;
    }
}

TEST_F(BehaviourTest, PartyingAndFrozenCreaturesNeitherStepNorStrikeTheHero) {
    for (const int status : {StatusFrozen, StatusStone, StatusPartying}) {
        SetUp();
        PutCreature(1, 22, 11, 10, 0);
        PutCreature(2, 22, 14, 10, 0);
        MonStatus[1][status] = 2;
        MonStatus[2][status] = 2;
        OneTurn();
        EXPECT_FALSE(StruckBy("BEAST1")) << status;
        EXPECT_EQ(MonX[2], 14) << status;
    }
}

TEST_F(BehaviourTest, ABeaverFellsATreeBesideItNowAndThenWhileItHasMagic) {
    struct Case {
        const char* what;
        int x, mode, mp;
        bool fells;
    } cases[] = {
        {"in the woods", 20, 0, 30, true},       {"at the inner rim", 42, 0, 30, true},
        {"too near the edge", 43, 0, 30, false}, {"out of magic", 20, 0, 0, false},
        {"not in the mood", 20, 1, 30, false},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceHero(2, 2);
        PutCreature(1, 14, c.x, 20, 2);
        MonMode[1] = c.mode;
        MonStatus[1][StatusFrozen] = 1000;  // felling needs no step
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) Terrain(c.x + dx, 20 + dy, 1);
        int felled = 0;
        for (int turn = 1; turn <= 20; ++turn) {
            MonMp[1] = c.mp;
            SeedRandom(Spread(turn));
            OneTurn();
            int grass = 0;
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                grass += MapTerrain[c.x + dx][20 + dy] == 2;
            ASSERT_LE(grass, 1) << c.what << ": one tree a turn";
            if (grass == 1) {
                ++felled;
                EXPECT_EQ(MonMp[1], c.mp - 1) << c.what;
                for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) Terrain(c.x + dx, 20 + dy, 1);
            }
        }
        if (c.fells) {
            EXPECT_GT(felled, 5) << c.what;
        } else {
            EXPECT_EQ(felled, 0) << c.what;
        }
    }
}

TEST_F(BehaviourTest, AnyCrowdWithDamagedValuesPlaysOnWithoutLeavingTheMap) {
    // Every kind, attitude and mode, some out of range, some slots off the map, over
    // random terrain: creatures on the map stay on it, the others are left alone.
    for (int seed = 1; seed <= 8; ++seed) {
        SetUp();
        SeedRandom(Spread(seed));
        for (int x = 0; x <= MapMaxX; ++x)
            for (int y = 0; y <= MapMaxY; ++y) MapTerrain[x][y] = Rand(0, 100) < 30 ? Rand(1, 90) : 2;
        PlaceHero(Rand(0, MapMaxX), Rand(0, MapMaxY));
        MonHp[0] = 1000000;
        for (int m = 1; m <= MonCapacity; ++m) {
            PutCreature(m, Rand(0, 60), Rand(-3, MapMaxX + 3), Rand(-3, MapMaxY + 3), Rand(-1, 5), Rand(-5, 40));
            MonMode[m] = Rand(-2, 3);
            MonMp[m] = Rand(0, 20);
            for (int id = 0; id <= StatusLastCounted; ++id) MonStatus[m][id] = Rand(0, 10) > 8 ? Rand(1, 3) : 0;
        }
        for (int g = 0; g < 40; ++g) {
            GroundItemKind[g] = Rand(0, 150);
            GroundItemX[g] = Rand(-2, MapMaxX + 2);
            GroundItemY[g] = Rand(-2, MapMaxY + 2);
        }
        MonStatus[0][StatusCovet] = 5;
        BuildCovetField(Rand(0, MapMaxX), Rand(0, MapMaxY));
        int startX[MonSlots], startY[MonSlots];
        for (int m = 0; m <= MonCapacity; ++m) startX[m] = MonX[m], startY[m] = MonY[m];
        for (int turn = 0; turn < 30; ++turn) EndOfTurn();
        for (int m = 1; m <= MonCapacity; ++m) {
            const bool onMap = startX[m] >= 0 && startX[m] <= MapMaxX && startY[m] >= 0 && startY[m] <= MapMaxY;
            if (onMap) {
                EXPECT_TRUE(MonX[m] >= 0 && MonX[m] <= MapMaxX && MonY[m] >= 0 && MonY[m] <= MapMaxY)
                    << seed << " " << m;
            } else {
                EXPECT_EQ(MonX[m], startX[m]) << seed << " " << m;
                EXPECT_EQ(MonY[m], startY[m]) << seed << " " << m;
            }
        }
    }
}

}  // namespace
