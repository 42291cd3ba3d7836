// Corvanne's, Tansy Brook's and Mellowen's skills used through the turn loop: what each
// one changes on the meadow, what it logs, and what it costs when it is refused.
// The end of the used turn already counts every status down by one, so a status set to
// n by a skill reads n - 1 once the use is over.
#include <algorithm>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "persist/sector.h"
#include "platform/files.h"
#include "skills/skill_fixture.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

class SkillEffectsTest : public SkillTest {
protected:
    // The remaining frames of the input delay, so that the next frame is the confirm.
    static void RunOutDelay() {
        InputReset();
        for (int i = 0; i < 40 && InputDelay > 0; ++i) TurnLoopFrame();
    }
    // A creature that stays put and takes a lot: for reading the damage off its HP.
    static void PutTarget(int slot, int x, int y, int attitude, int hp = 500) {
        PutCreature(slot, KindRat, x, y, attitude, hp);
        MonStatus[slot][StatusFrozen] = 50;
    }
    static void PutItem(int slot, int kind, int count) {
        InvKind[slot] = kind;
        InvCount[slot] = count;
        InvTier[slot] = 1;
    }
};

// ---- Corvanne -----------------------------------------------------------------------

// The slots Rand(0, 500) draws from `seed`, in order.
std::vector<int> GroundDraws(int seed, int n) {
    SeedRandom(seed);
    std::vector<int> draws;
    for (int i = 0; i < n; ++i) draws.push_back(Rand(0, 500));
    return draws;
}
bool DrawnBefore(const std::vector<int>& draws, int index) {
    return std::find(draws.begin(), draws.begin() + index, draws[index]) != draws.begin() + index;
}

TEST_F(SkillEffectsTest, FindTreasureSearchesFiveHundredAndOneDraws) {
    // A seed whose 501st draw names a slot never drawn before, and whose 502nd one too:
    // an item there is found only on the last draw, the other only by one draw too many.
    int seed = 1;
    std::vector<int> draws;
    for (;; ++seed) {
        draws = GroundDraws(seed, 502);
        if (!DrawnBefore(draws, 500) && !DrawnBefore(draws, 501)) break;
        ASSERT_LT(seed, 5000);
    }
    const int last = draws[500];
    const int beyond = draws[501];
    // Far out of the hero's sight, which would mark the cells itself.
    const int spots[][3] = {{last, 40, 33}, {beyond, 41, 33}};
    for (const auto& s : spots) {
        GroundItemKind[s[0]] = ItemWeapon;
        GroundItemCount[s[0]] = 1;
        GroundItemX[s[0]] = s[1];
        GroundItemY[s[0]] = s[2];
    }
    Learn(SkillFindTreasure, 2);
    Choose();
    RunOutDelay();
    SeedRandom(seed);
    Confirm();
    Settle();
    EXPECT_EQ(MapSeen[40][33], 1) << "the item drawn last is found";
    EXPECT_EQ(MapSeen[41][33], 0) << "no 502nd draw";
    EXPECT_EQ(MonMp[0], 100 - 6);
    EXPECT_TRUE(Said("You sensed 1 hidden treasure")) << "the dim cells alone would say nothing";
}

TEST_F(SkillEffectsTest, FindTreasureStopsAtTwoItemsALevelCountingOnlyUnseenOnes) {
    // Level 1 finds two. Seen items drawn first must not use up the count.
    const int seed = 77;
    const std::vector<int> draws = GroundDraws(seed, 501);
    std::vector<int> slots;  // distinct slots in the order they are first drawn
    for (int i = 0; i < 501 && slots.size() < 5; ++i)
        if (std::find(slots.begin(), slots.end(), draws[i]) == slots.end()) slots.push_back(draws[i]);
    ASSERT_EQ(slots.size(), 5u);
    // seen, seen, unseen, unseen, unseen
    for (int k = 0; k < 5; ++k) {
        GroundItemKind[slots[k]] = ItemWeapon;
        GroundItemX[slots[k]] = 38 + k;
        GroundItemY[slots[k]] = 33;
        MapSeen[38 + k][33] = k < 2 ? 1 : 0;
    }
    Learn(SkillFindTreasure, 1);
    Choose();
    RunOutDelay();
    SeedRandom(seed);
    Confirm();
    Settle();
    EXPECT_EQ(MapSeen[40][33], 1);
    EXPECT_EQ(MapSeen[41][33], 1);
    EXPECT_EQ(MapSeen[42][33], 0) << "a third item is beyond level 1";
    EXPECT_TRUE(Said("You sensed 2 hidden treasures"));
}

TEST_F(SkillEffectsTest, FindTreasureSaysSoWhenItFindsNothing) {
    Learn(SkillFindTreasure, 1);
    Choose();
    Confirm();
    Settle();
    EXPECT_EQ(said, std::vector<std::string>{"You sensed no hidden treasure"});
}

TEST_F(SkillEffectsTest, DisguiseTakesOnlyADressAndSetsItsTurns) {
    Learn(SkillDisguise, 3);
    PutItem(0, ItemWeapon, 1);
    PutItem(1, ItemDress, 1);
    Equip[EquipDress] = 1;
    MonStatus[0][StatusDisguised] = 30;  // set, not added: longer than the new disguise
    MenuCursor = 50;                     // left past the usable satchel by another screen
    const int turn = TurnCount;
    Choose();
    ASSERT_EQ(UiMode, UiAiming);
    EXPECT_EQ(MenuCursor, 0);
    Confirm();  // on the weapon: refused, still choosing
    EXPECT_EQ(UiMode, UiAiming);
    EXPECT_EQ(InvKind[0], ItemWeapon);
    EXPECT_EQ(MonMp[0], 100);
    Tap(KeyRight);
    Confirm();  // on the dress: put on at once, no aiming
    Settle();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(MonStatus[0][StatusDisguised], 20 - 1);
    EXPECT_EQ(InvKind[1], 0);
    EXPECT_EQ(Equip[EquipDress], -1);
    EXPECT_EQ(InvKind[0], ItemWeapon);
    EXPECT_EQ(MenuCursor, 0);
    EXPECT_EQ(MonMp[0], 100 - 5);
    EXPECT_EQ(TurnCount, turn + 1);
}

TEST_F(SkillEffectsTest, WhiningFreezesEveryoneWithinReachThroughWalls) {
    Learn(SkillWhining, 1);  // reach 0..5 steps, walls do not count
    MonMag[0] = 40;
    for (int y = 0; y <= MapMaxY; ++y) MapTerrain[12][y] = StoneWall;
    struct Case {
        int slot, x, y, con;
        bool frozen;
    } cases[] = {
        {1, 11, 10, 0, true},     // next to the hero
        {2, 15, 10, 0, true},     // five steps, behind the wall
        {3, 13, 12, 0, true},     // five steps on a slant
        {4, 16, 10, 0, false},    // six steps
        {5, 10, 14, 100, false},  // in reach but unmoved
    };
    for (const Case& c : cases) PutCreature(c.slot, KindRat, c.x, c.y, AttitudeNeutral);
    for (const Case& c : cases) MonCon[c.slot] = c.con;
    Choose();
    Confirm();
    Settle();
    for (const Case& c : cases) {
        const std::string line = MonName[c.slot] + " is distracted by whining!";
        EXPECT_EQ(MonStatus[c.slot][StatusFrozen], c.frozen ? 7 - 1 : 0) << c.slot;
        EXPECT_EQ(TimesSaid(line), c.frozen ? 1 : 0) << c.slot;
    }
    EXPECT_EQ(MonMp[0], 100 - 10);
}

// ---- Tansy Brook --------------------------------------------------------------------

TEST_F(SkillEffectsTest, StrongBuckAndDeepMassageAttackTheCreatureOnTheCell) {
    // The hero always hits and has no strength of his own: the damage is the buck roll
    // 1..10, plus 12 twice when the level 3 Strong Buck bonus is counted.
    struct Case {
        const char* what;
        int id, hp, least, most, mp;
    } cases[] = {
        {"strong buck", SkillStrongBuck, 500, 25, 34, 7},
        {"deep massage has no bonus", SkillDeepMassage, 500, 1, 10, 6},
        {"strong buck knocks out", SkillStrongBuck, 1, 0, 0, 7},
        {"deep massage knocks out", SkillDeepMassage, 1, 0, 0, 6},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(c.id, 3);
        MonSpd[0] = 1000;
        MonStatus[0][StatusDisguised] = 9;
        PutTarget(1, 11, 10, AttitudeNeutral, c.hp);
        Choose();
        Confirm();  // on the hero's own cell: no creature, nothing happens
        EXPECT_EQ(UiMode, UiAiming) << c.what;
        MoveTarget(1, 0);
        Confirm();
        Settle();
        EXPECT_EQ(UiMode, UiMap) << c.what;
        EXPECT_EQ(MonStatus[0][StatusStrongBuck], 0) << c.what;
        EXPECT_EQ(MonStatus[0][StatusDisguised], 0) << c.what;
        EXPECT_EQ(MonMp[0], 100 - c.mp) << c.what;
        if (c.hp == 1) {
            EXPECT_TRUE(Said("You knocked out the BEAST1")) << c.what;
            continue;
        }
        const int damage = c.hp - MonHp[1];
        EXPECT_GE(damage, c.least) << c.what;
        EXPECT_LE(damage, c.most) << c.what;
        EXPECT_TRUE(Said("HERO dealt " + std::to_string(damage) + " damage to BEAST1")) << c.what;
    }
}

TEST_F(SkillEffectsTest, StrongBuckAndDeepMassageOnAnEmptyCellAreABlowIntoTheAir) {
    for (const int id : {SkillStrongBuck, SkillDeepMassage}) {
        SetUp();
        Learn(id, 1);
        MonStatus[0][StatusDisguised] = 9;
        const int turn = TurnCount;
        const int mp = MonMp[0];
        UseAt(0, 1);
        Settle();
        EXPECT_EQ(UiMode, UiMap) << id;
        EXPECT_EQ(MonMp[0], mp - SkillMpCost(id)) << id;
        EXPECT_EQ(TurnCount, turn + 1) << id;
        EXPECT_TRUE(said.empty()) << id << ": nothing was hit";
        EXPECT_EQ(MonStatus[0][StatusDisguised], 8) << id << ": no attack, so the disguise holds";
    }
}

TEST_F(SkillEffectsTest, HooflingUpStrengthensTheHeroEvenWithAnAllyOnHisCell) {
    Learn(SkillHooflingUp, 2);
    PutCreature(1, KindRat, 10, 10, AttitudeAlly);
    MonStatus[0][StatusStrengthened] = 3;  // added to
    Choose();
    Confirm();
    Settle();
    EXPECT_EQ(MonStatus[0][StatusStrengthened], 3 + 8 - 1);
    EXPECT_EQ(MonStatus[1][StatusStrengthened], 0);
    EXPECT_EQ(MonMp[0], 100 - 8);
}

TEST_F(SkillEffectsTest, WildBuckHitsTheFourOrthogonalNeighboursOnly) {
    Learn(SkillWildBuck, 1);
    MonStr[0] = 40;
    const int cells[][2] = {{11, 10}, {9, 10}, {10, 9}, {10, 11}, {11, 11}, {9, 9}};
    for (int k = 0; k < 6; ++k) PutTarget(k + 1, cells[k][0], cells[k][1], AttitudeNeutral);
    Choose();
    Confirm();
    Settle();
    for (int s = 1; s <= 4; ++s) {
        const int damage = 500 - MonHp[s];
        EXPECT_GT(damage, 0) << s;
        EXPECT_TRUE(Said(MonName[s] + " took " + std::to_string(damage) + " damage!")) << s;
    }
    EXPECT_EQ(MonHp[5], 500) << "diagonal";
    EXPECT_EQ(MonHp[6], 500) << "diagonal";
    EXPECT_EQ(MonMp[0], 100 - 14);
}

TEST_F(SkillEffectsTest, BuckAnItemUsesUpOneUnitAndLeavesTheCursor) {
    struct Case {
        const char* what;
        int count;
        bool worn;
    } cases[] = {
        {"one of a stack", 3, false},
        {"the last, worn", 1, true},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(SkillBuckAnItem, 1);
        MonAtk[0] = 40;
        PutItem(3, ItemWeapon, c.count);
        if (c.worn) Equip[EquipWeapon] = 3;
        PutTarget(1, 13, 10, AttitudeHostile);
        Choose();
        MoveTarget(3, 0);  // the satchel cursor onto slot 3
        ASSERT_EQ(MenuCursor, 3) << c.what;
        Confirm();
        MoveTarget(3, 0);  // now the target cursor
        Confirm();
        Settle();
        EXPECT_EQ(UiMode, UiMap) << c.what;
        EXPECT_EQ(MenuCursor, 3) << c.what;
        EXPECT_EQ(InvCount[3], c.count - 1) << c.what;
        EXPECT_EQ(InvKind[3], c.count > 1 ? ItemWeapon : 0) << c.what;
        EXPECT_EQ(Equip[EquipWeapon], -1) << c.what;
        const int damage = 500 - MonHp[1];
        EXPECT_GT(damage, 0) << c.what;
        EXPECT_TRUE(Said("The bucked item deals " + std::to_string(damage) + " damage!")) << c.what;
        EXPECT_EQ(MonMp[0], 100 - 5) << c.what;
    }
}

TEST_F(SkillEffectsTest, JumpClearsWaterAndPitsButNotOntoABlockedCell) {
    enum Result { Lands, Refused, OutOfReach };
    struct Case {
        const char* what;
        int between, onto;
        int creatureX;  // a creature's column on the hero's row, or 0
        Result result;
        const char* line;  // must be said, or nullptr
        bool flying = false;
    } cases[] = {
        {"over deep water", DeepWater, Grass, 0, Lands, nullptr},
        {"over a pit", Pit, Grass, 0, Lands, nullptr},
        {"over a wall", StoneWall, Grass, 0, Lands, nullptr},
        {"over a creature", Grass, Grass, 11, Lands, nullptr},
        {"into deep water", Grass, DeepWater, 0, Lands, "splash"},
        {"into a pit", Grass, Pit, 0, Refused, "You can't jump there"},
        {"into a pit on wings", Grass, Pit, 0, Lands, nullptr, true},
        {"into a wall", Grass, StoneWall, 0, Refused, "You can't jump there"},
        {"onto a creature", Grass, Grass, 12, Refused, "You can't jump there"},
        {"a tree is walked round: too far", Tree, Grass, 0, OutOfReach, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(SkillJump, 1);  // two steps
        MapTerrain[11][10] = c.between;
        MapTerrain[12][10] = c.onto;
        if (c.creatureX) PutTarget(1, c.creatureX, 10, AttitudeNeutral);
        if (c.flying) MonStatus[0][StatusFlying] = StatusPermanent;
        const int turn = TurnCount;
        UseAt(2, 0);
        if (c.result == OutOfReach) {
            EXPECT_EQ(UiMode, UiAiming) << c.what;
            Tap(KeyS);
        }
        Settle();
        EXPECT_EQ(UiMode, UiMap) << c.what;
        EXPECT_EQ(MonX[0], c.result == Lands ? 12 : 10) << c.what;
        EXPECT_EQ(MonMp[0], c.result == Lands ? 100 - 8 : 100) << c.what;
        EXPECT_EQ(TurnCount, c.result == OutOfReach ? turn : turn + 1) << c.what;
        if (c.line) {
            EXPECT_TRUE(Said(c.line)) << c.what;
        }
        if (c.result != Refused) {
            EXPECT_FALSE(Said("You can't jump there")) << c.what;
        }
        if (c.onto != DeepWater) {
            EXPECT_FALSE(Said("splash")) << c.what;
        }
    }
}

TEST_F(SkillEffectsTest, JumpingIntoLavaBurnsUnlessFlying) {
    for (const bool flying : {false, true}) {
        SetUp();
        Learn(SkillJump, 1);
        MapTerrain[12][10] = Lava;
        if (flying) MonStatus[0][StatusFlying] = StatusPermanent;
        UseAt(2, 0);
        Settle();
        EXPECT_EQ(MonX[0], 12) << flying;
        EXPECT_EQ(MonHp[0], flying ? 50 : 40) << flying;
        EXPECT_EQ(TimesSaid("It burns!"), flying ? 0 : 1) << flying;
    }
}

TEST_F(SkillEffectsTest, JumpingOntoAnExitTakesTheHeroOnward) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    // The next sector is already on disk, so nothing needs generating.
    Depth = 4;
    ASSERT_TRUE(WriteSector());
    SetUp();
    Depth = 3;
    Learn(SkillJump, 1);
    MapTerrain[12][10] = Exit;
    UseAt(2, 0);
    Settle();
    EXPECT_EQ(Depth, 4);
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(MonMp[0], 100 - 8);
    EXPECT_EQ(FileSize("World/Forest3.flr"), SectorFileInts * 4) << "the sector left is kept";
}

// ---- Mellowen -----------------------------------------------------------------------

TEST_F(SkillEffectsTest, StareTameAndEmpathyEachTakeTheirOwnAttitude) {
    struct Case {
        const char* what;
        int id, attitude, con;
        int after;         // attitude after; -1: the confirm is refused
        const char* line;  // after the creature's name
        int mp;
    } cases[] = {
        {"stare on hostile", SkillTheStare, AttitudeHostile, 0, AttitudeAlly, " is tamed!", 7},
        {"stare resisted", SkillTheStare, AttitudeHostile, 1000, AttitudeHostile, " resisted", 7},
        {"stare on neutral", SkillTheStare, AttitudeNeutral, 0, -1, nullptr, 0},
        {"tame on neutral", SkillTameAnimal, AttitudeNeutral, 0, AttitudeAlly, " is tamed!", 12},
        {"tame resisted", SkillTameAnimal, AttitudeNeutral, 1000, AttitudeNeutral, " resisted", 12},
        {"tame on hostile", SkillTameAnimal, AttitudeHostile, 0, -1, nullptr, 0},
        {"empathy on hostile", SkillEmpathy, AttitudeHostile, 0, AttitudeNeutral, " no longer wants to hurt you", 10},
        {"empathy resisted", SkillEmpathy, AttitudeHostile, 1000, AttitudeHostile, " resisted", 10},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(c.id, 1);
        MonMag[0] = 100;
        PutTarget(1, 12, 10, c.attitude);
        MonCon[1] = c.con;
        const int turn = TurnCount;
        UseAt(2, 0);
        if (c.after < 0) {
            EXPECT_EQ(UiMode, UiAiming) << c.what;
            Tap(KeyS);
            EXPECT_EQ(MonAttitude[1], c.attitude) << c.what;
            EXPECT_EQ(TurnCount, turn) << c.what;
        } else {
            Settle();
            EXPECT_EQ(MonAttitude[1], c.after) << c.what;
            EXPECT_TRUE(Said(std::string("BEAST1") + c.line)) << c.what;
            EXPECT_EQ(TurnCount, turn + 1) << c.what;
        }
        EXPECT_EQ(UiMode, UiMap) << c.what;
        EXPECT_EQ(MonMp[0], 100 - c.mp) << c.what;
    }
}

TEST_F(SkillEffectsTest, SummonAnimalCallsAStrongerAllyEachLevel) {
    struct Case {
        int level, kind, levelUps;
    } cases[] = {{1, KindBunny, 0}, {2, KindRat, 1}, {3, KindBat, 2}};
    for (const Case& c : cases) {
        SetUp();
        // The levels any creature of the kind is born with, then the slot freed again.
        const int born = SpawnCreature(30, 30, c.kind);
        const int bornLevel = MonLevel[born];
        MonKind[born] = KindNone;
        Learn(SkillSummonAnimal, c.level);
        UseAt(1, 0);
        Settle();
        int found = 0;
        for (int s = 1; s <= 50; ++s) {
            if (MonKind[s] == 0) continue;
            found += 1;
            EXPECT_EQ(MonKind[s], c.kind) << c.level;
            EXPECT_EQ(MonLevel[s], bornLevel + c.levelUps) << c.level;
            EXPECT_EQ(MonAttitude[s], AttitudeAlly) << c.level;
        }
        EXPECT_EQ(found, 1) << c.level;
        EXPECT_EQ(MonMp[0], 100 - 16) << c.level;
    }
}

TEST_F(SkillEffectsTest, SummonAnimalNeedsAFreeCellAndAFreeSlot) {
    // A creature on the cell: the confirm waits; S leaves at no cost.
    Learn(SkillSummonAnimal, 3);
    PutTarget(1, 11, 10, AttitudeNeutral);
    int turn = TurnCount;
    UseAt(1, 0);
    EXPECT_EQ(UiMode, UiAiming);
    Tap(KeyS);
    EXPECT_EQ(MonKind[2], 0);
    EXPECT_EQ(MonMp[0], 100);
    EXPECT_EQ(TurnCount, turn);

    // Every slot taken: nobody answers, nobody is levelled, nothing is spent.
    SetUp();
    Learn(SkillSummonAnimal, 3);
    for (int s = 1; s <= 50; ++s) PutTarget(s, 20 + s % 20, 2 + s / 20, AttitudeNeutral);
    turn = TurnCount;
    UseAt(1, 0);
    Settle();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_TRUE(Said("No animal answered the call"));
    for (int s = 1; s <= 50; ++s) {
        EXPECT_EQ(MonKind[s], KindRat) << s;
        EXPECT_EQ(MonLevel[s], 0) << s;
        EXPECT_EQ(MonAttitude[s], AttitudeNeutral) << s;
    }
    EXPECT_EQ(MonMp[0], 100);
    EXPECT_EQ(TurnCount, turn);
}

}  // namespace
