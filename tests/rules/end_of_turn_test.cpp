// The world's turn: the sector's hazards, the hero's surroundings, timers and the
// status countdown, on small hand-built meadows.
#include <gtest/gtest.h>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "rules/combat.h"
#include "rules/end_of_turn.h"
#include "rules/meadow_fixture.h"
#include "support/sector_grid.h"

namespace {

class EndOfTurnTest : public MeadowTest {
protected:
    static void Turns(int n) {
        for (int k = 0; k < n; ++k) EndOfTurn();
    }
};

TEST_F(EndOfTurnTest, StandingStillInASwampSinksAtTheFourthTurnAndKillsAtTheNinth) {
    int sank = 0, poisonedLast = 0;
    for (int seed = 1; seed <= 40; ++seed) {
        SetUp();
        MapTerrain[10][10] = 26;
        PlaceHero(10, 10);
        SeedRandom(seed);
        // The poison of the earlier turns is washed off, so only the swamp can kill.
        auto still = [](int turns) {
            for (int k = 0; k < turns; ++k) {
                MonStatus[0][StatusPoisoned] = 0;
                EndOfTurn();
            }
        };
        still(3);
        EXPECT_FALSE(Said("You're sinking into the swamp!"));
        EXPECT_EQ(MonStatus[0][StatusFrozen], 0);
        still(1);
        EXPECT_EQ(TimesSaid("You're sinking into the swamp!"), 1);
        EXPECT_EQ(MonStatus[0][StatusFrozen], 4);  // 5, then this turn's countdown
        still(4);
        ASSERT_GT(MonHp[0], 0);
        EXPECT_TRUE(DeathMessage.empty());
        still(1);
        // Poison caught in that last turn bites after the swamp and names the death.
        if (MonStatus[0][StatusPoisoned] > 0) {
            ++poisonedLast;
            EXPECT_EQ(MonHp[0], -4);
            EXPECT_EQ(DeathMessage, "HERO died from poison damage!");
        } else {
            ++sank;
            EXPECT_EQ(MonHp[0], 0);
            EXPECT_EQ(DeathMessage, "HERO sank into a swamp!");
        }
    }
    EXPECT_GT(sank, 0);
    EXPECT_GT(poisonedLast, 0);
}

TEST_F(EndOfTurnTest, SwampPoisonNeverStrikesOnTheFirstStillTurnAndStaysAtMostTen) {
    int poisonedOnFirst = 0, poisonedLater = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        SetUp();
        MapTerrain[10][10] = 26;
        PlaceHero(10, 10);
        MonHp[0] = 1000;
        SeedRandom(seed);
        Turns(1);
        poisonedOnFirst += MonStatus[0][StatusPoisoned] > 0;
        for (int t = 0; t < 6; ++t) {
            EndOfTurn();
            ASSERT_LE(MonStatus[0][StatusPoisoned], 10);
        }
        poisonedLater += TimesSaid("You are poisoned!") > 0;
    }
    EXPECT_EQ(poisonedOnFirst, 0);
    EXPECT_GT(poisonedLater, 0);
}

TEST_F(EndOfTurnTest, FlyingOrMovingHeroesAreNeverCountedInSwampOrWater) {
    for (const int terrain : {26, 3}) {
        SetUp();
        MapTerrain[10][10] = terrain;
        PlaceHero(10, 10);
        MonStatus[0][StatusFlying] = 1000;
        Turns(15);
        EXPECT_EQ(MonHp[0], 50) << terrain;
        EXPECT_EQ(GameVars[8], 0);
        EXPECT_EQ(GameVars[9], 0);
        EXPECT_TRUE(said.empty()) << said.front();
    }
    // Walking through the swamp resets the still count each turn.
    SetUp();
    for (int x = 5; x <= 20; ++x) MapTerrain[x][10] = 26;
    PlaceHero(5, 10);
    for (int x = 6; x <= 20; ++x) {
        MonX[0] = x;
        EndOfTurn();
    }
    EXPECT_EQ(GameVars[8], 0);
    EXPECT_FALSE(Said("You're sinking into the swamp!"));
}

TEST_F(EndOfTurnTest, SwimmingWarnsAtFourAndEightAndDrownsAtTen) {
    // The count is per terrain: swimming from one deep-water cell to the next keeps it.
    for (int x = 5; x <= 30; ++x) MapTerrain[x][10] = 3;
    PlaceHero(5, 10);
    const char* first = "You're probably going to drown soon btw";
    const char* second = "Seriously, get out of the water dude!";
    for (int turn = 1; turn <= 10; ++turn) {
        MonX[0] = 5 + turn;
        EndOfTurn();
        EXPECT_EQ(TimesSaid(first), turn >= 4 ? turn - 3 : 0) << turn;
        EXPECT_EQ(TimesSaid(second), turn >= 8 ? turn - 7 : 0) << turn;
        EXPECT_EQ(MonHp[0] <= 0, turn == 10) << turn;
    }
    EXPECT_EQ(DeathMessage, "HERO drowned!");
}

TEST_F(EndOfTurnTest, PoisonCostsFourAPointAndNamesTheCauseOfDeath) {
    MonHp[0] = 6;
    MonStatus[0][StatusPoisoned] = 3;
    Turns(1);
    EXPECT_EQ(MonHp[0], 2);
    EXPECT_TRUE(DeathMessage.empty());
    Turns(1);
    EXPECT_EQ(MonHp[0], -2);
    EXPECT_EQ(DeathMessage, "HERO died from poison damage!");
}

TEST_F(EndOfTurnTest, RockfallMarksSevenFreeCellsAndHitsTwoTurnsLater) {
    SectorLayout = 24;
    SeedRandom(42);
    Turns(1);
    int marks = 0;
    int markX = -1, markY = -1, otherX = -1, otherY = -1;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapRockfall[x][y] == 0) continue;
            ++marks;
            EXPECT_FALSE(x == 10 && y == 10) << "the hero's own cell is not open ground";
            EXPECT_TRUE(x >= 1 && x <= 43 && y >= 1 && y <= 34);
            if (markX < 0) {
                markX = x;
                markY = y;
            } else {
                otherX = x;
                otherY = y;
            }
        }
    }
    ASSERT_EQ(marks, 7);
    Turns(1);
    // The hero steps under a mark; a thick-skinned creature stands under another.
    PlaceHero(markX, markY);
    MonDef[0] = 8;
    MonDefBonus[0] = 2;
    PutCreature(3, 22, otherX, otherY, 0, 30);
    MonDef[3] = 60;
    Turns(1);
    EXPECT_EQ(MonHp[0], 10);
    EXPECT_TRUE(Said("An avalanche hit your head for 40 damage!"));
    EXPECT_EQ(MonHp[3], 40);  // no floor on the damage: DEF above 50 heals
    for (auto& column : MapRockfall)
        for (int cell : column) ASSERT_EQ(cell, 0);
    Turns(2);
    EXPECT_EQ(GameVars[20], 0);
    Turns(1);
    EXPECT_EQ(GameVars[20], 1);
}

// A hero felled by the rocks has his own cause of death, not one left by an earlier game.
TEST_F(EndOfTurnTest, AnAvalancheThatFellsTheHeroNamesItself) {
    SectorLayout = 24;
    GameVars[20] = 2;
    MapRockfall[10][10] = 1;
    MonHp[0] = 30;
    DeathMessage = "CORVANNE defeated Vorgath!";
    Turns(1);
    EXPECT_EQ(MonHp[0], -20);
    EXPECT_EQ(DeathMessage, "HERO was killed by an avalanche!");
}

TEST_F(EndOfTurnTest, TheChillWakesTheOddTreesOnceWhenTheHeroNearsTheMiddle) {
    SectorLayout = 34;
    MapTerrain[3][3] = MapTerrain[40][30] = 51;
    PlaceHero(22, 14);  // 3.0 away: not yet
    Turns(1);
    EXPECT_EQ(CountTerrain(51), 2);
    PlaceHero(21, 15);
    Turns(2);
    EXPECT_EQ(CountTerrain(51), 0);
    EXPECT_EQ(MapTerrain[3][3], 2);
    EXPECT_EQ(TimesSaid("A chill runs down your spine!"), 1);
}

TEST_F(EndOfTurnTest, ForestLavaSpreadsButNeverOverTunnelsEntrancesOrTheTemple) {
    SectorLayout = 43;
    MapTerrain[5][5] = 69;
    MapTerrain[20][20] = 69;
    MapTerrain[19][20] = 11;
    MapTerrain[21][20] = 12;
    MapTerrain[20][19] = 57;
    MapTerrain[20][21] = 58;
    SeedRandom(7);
    int lava = CountTerrain(69);
    for (int t = 0; t < 400; ++t) {
        EndOfTurn();
        const int now = CountTerrain(69);
        ASSERT_GE(now, lava);
        lava = now;
    }
    EXPECT_GT(lava, 2);
    EXPECT_EQ(MapTerrain[19][20], 11);
    EXPECT_EQ(MapTerrain[21][20], 12);
    EXPECT_EQ(MapTerrain[20][19], 57);
    EXPECT_EQ(MapTerrain[20][21], 58);
}

TEST_F(EndOfTurnTest, TheTempleTrapCountsDownThenFloodsTheTempleEveryTurn) {
    Depth = -3;
    GameVars[51] = 3;
    MapTerrain[10][5] = 69;
    MapTerrain[9][5] = 66;
    MapTerrain[11][5] = 59;
    MapTerrain[10][4] = 66;
    MapTerrain[30][30] = 60;
    MapTerrain[32][30] = 64;
    MapTerrain[34][30] = 65;
    SeedRandom(3);
    Turns(1);
    EXPECT_EQ(GameVars[51], 2);
    EXPECT_EQ(CountTerrain(69), 1);
    Turns(1);
    EXPECT_EQ(GameVars[51], 1);
    EXPECT_EQ(TimesSaid("You hear a rumbling sound... a trap has been triggered by taking the treasure!"), 1);
    EXPECT_EQ(MapTerrain[10][6], 69);  // the only neighbour that is neither wall nor stairs
    EXPECT_EQ(MapTerrain[9][5], 66);
    EXPECT_EQ(MapTerrain[11][5], 59);
    EXPECT_EQ(CountTerrain(60) + CountTerrain(64) + CountTerrain(65), 2);
    Turns(2);
    EXPECT_EQ(CountTerrain(60) + CountTerrain(64) + CountTerrain(65), 0);
    EXPECT_EQ(GameVars[51], 1);
    EXPECT_EQ(TimesSaid("You hear a rumbling sound... a trap has been triggered by taking the treasure!"), 1);
}

TEST_F(EndOfTurnTest, WindBlowsTheWeakSouthOntoFreeCellsOnly) {
    struct Case {
        int strength;
        int below;  // terrain south of the hero
        bool blown;
    } cases[] = {{-1000, 2, true}, {-1000, 1, false}, {1000, 2, false}};
    for (const Case& c : cases) {
        SetUp();
        SectorLayout = 21;
        PlaceHero(10, 5);
        for (int y = 6; y <= MapMaxY; ++y) MapTerrain[10][y] = c.below;
        MonStr[0] = c.strength;
        SeedRandom(11);
        Turns(20);
        const int blown = TimesSaid("You were blown south.");
        EXPECT_EQ(MonY[0], 5 + blown);
        EXPECT_EQ(blown > 0, c.blown) << c.strength << " " << c.below;
        EXPECT_GT(TimesSaid("A strong wind blows"), 0);
    }
}

TEST_F(EndOfTurnTest, StatusTimersCountDownExceptPermanentOnesAndTheUnusedIds) {
    MonStatus[0][StatusFrozen] = 1;
    MonStatus[0][1] = 1000;
    MonStatus[0][5] = 999;
    MonStatus[0][16] = 5;
    MonStatus[0][17] = 5;
    MonStatus[30][StatusBlinded] = 3;  // an empty slot keeps counting
    MonKind[4] = 5;
    MonHp[4] = 10;
    MonStatus[4][StatusFrozen] = 1;
    Turns(1);
    EXPECT_EQ(MonStatus[0][StatusFrozen], 0);
    EXPECT_EQ(TimesSaid("You are unstuck!"), 1);  // the hero's only
    EXPECT_EQ(MonStatus[0][1], 1000);
    EXPECT_EQ(MonStatus[0][5], 998);
    EXPECT_EQ(MonStatus[0][16], 4);
    EXPECT_EQ(MonStatus[0][17], 5);
    EXPECT_EQ(MonStatus[30][StatusBlinded], 2);
    EXPECT_EQ(MonStatus[4][StatusFrozen], 0);
}

TEST_F(EndOfTurnTest, FriendshipDecaysEveryTwentyTurnsUnlessACharmIsWorn) {
    struct Case {
        int accessory;  // item kind worn as Acc. 1, 0 none
        int friendship, mp, timer;
        int amuletLines;
    } cases[] = {
        {0, 49, 5, 20, 0},
        {12, 50, 5, 20, 0},  // a friendship charm keeps it
        {24, 49, 6, 5, 1},   // the amulet tingles, gives a magic point and ticks sooner
    };
    for (const Case& c : cases) {
        SetUp();
        FriendshipTimer = 1;
        MonMp[0] = 5;
        if (c.accessory) {
            InvKind[7] = c.accessory;
            Equip[3] = 7;
        }
        Turns(1);
        EXPECT_EQ(Friendship, c.friendship) << c.accessory;
        EXPECT_EQ(MonMp[0], c.mp) << c.accessory;
        EXPECT_EQ(FriendshipTimer, c.timer) << c.accessory;
        EXPECT_EQ(TimesSaid("Shazam! The amulet tingles"), c.amuletLines);
    }
    // Above 100 is capped first; the timer not yet run out leaves it there.
    SetUp();
    Friendship = 130;
    Turns(1);
    EXPECT_EQ(Friendship, 100);
    EXPECT_EQ(FriendshipTimer, 19);
}

TEST_F(EndOfTurnTest, TimersFlagsAndGardenGrowthAdvanceOncePerTurn) {
    QuitArmed = 1;
    TurnTaken = 1;
    GameVars[30] = 2;
    GameVars[44] = 1;
    GameVars[48] = 5;  // never counted down
    GameVars[29] = 5;
    GlobalData[2] = 104;
    GlobalData[8] = 10;
    FullStomachTimer = 1;
    Turns(1);
    EXPECT_EQ(QuitArmed, 0);
    EXPECT_EQ(TurnTaken, 0);
    EXPECT_EQ(TurnCount, 1);
    EXPECT_EQ(GameVars[30], 1);
    EXPECT_EQ(GameVars[44], 0);
    EXPECT_EQ(GameVars[48], 5);
    EXPECT_EQ(GameVars[29], 5);
    EXPECT_EQ(GlobalData[8], 11);
    EXPECT_EQ(GlobalData[7], 0);
    EXPECT_EQ(FullStomachTimer, 0);
    EXPECT_TRUE(Said("YOUR STOMACH IS SETTLED"));
    // Nothing grows while the hero is in the fairy garden itself.
    Depth = -1;
    Turns(1);
    EXPECT_EQ(GlobalData[8], 11);
}

TEST_F(EndOfTurnTest, DabbleSenseTwitchesOnlyWithALevelBought) {
    for (const int level : {0, 3}) {
        SetUp();
        SkillId[4] = 10;
        SkillLevel[4] = level;
        SeedRandom(99);
        Turns(400);
        EXPECT_EQ(TimesSaid("Twitchie tail!") > 0, level > 0);
        EXPECT_EQ(TimesSaid("Twitchie hoof!") > 0, level > 0);
    }
}

}  // namespace
