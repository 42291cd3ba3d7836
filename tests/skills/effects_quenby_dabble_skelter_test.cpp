// Quenby Arlo's, Dabble Moss's and Skelter Vane's skills, used through the turn loop:
// the lines they log, the statuses they give, their rolls at the bounds, and the ways a
// teleport, a blast, a leap through a wall, a dash and a tornado come to an end.
//
// The creatures are friendly folk who keep their place, so the turn a skill uses moves
// nobody; a status given in that turn has already been counted down once.
#include <ostream>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "rules/behaviour.h"
#include "skills/skill_fixture.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

constexpr int Seed = 24680;
constexpr int HeroMag = 20;

class SkillEffectTest : public SkillTest {
protected:
    // A creature that stays put and never attacks, with room to take a few hits.
    static void PutStill(int slot, int x, int y) { PutCreature(slot, KindRat, x, y, AttitudeFriendly, 100); }
};

// The level term of a damage roll, drawn in the order the rules give.
int LevelRoll(int level) {
    const int base = Rand(2, 8);
    return base + Rand(2 * level, 4 * level);
}

// Runs the frame that resolves an already confirmed skill on the seeded stream, after
// reading ahead what `draw` will take from it.
template <class Draw>
int ReadAhead(Draw draw) {
    SeedRandom(Seed);
    const int value = draw();
    SeedRandom(Seed);
    return value;
}

bool SaidAnythingWith(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

// ---- Rolls at their bounds ----------------------------------------------------------------

enum class Against { Mag, Con };
enum class Aim { Neighbour, OwnCell };

struct BoundCase {
    const char* what;
    int skill;
    int level;
    Aim aim;
    int (*roll)(int level);  // what the hero's side draws before the target's stat is taken off
    Against against;
    int hpLost;         // for a result of 1
    const char* one;    // the line for a result of 1
    const char* zero;   // ... of 0
    const char* minus;  // ... of -1; nullptr: nothing is said
};

int Holding418(int) { return Rand(4, 18); }
int CannonRoll(int) { return Rand(2, 8); }

// clang-format off
const BoundCase BoundCases[] = {
    {"Holding", SkillHolding, 1, Aim::Neighbour, Holding418, Against::Con, 0,
     "BEAST1 is held in place", "BEAST1 resisted", "BEAST1 resisted"},
    {"MagicBeam", SkillMagicBeam, 2, Aim::Neighbour, LevelRoll, Against::Mag, 1,
     "The magic beam deals 1 damage!", "BEAST1 repelled the magic attack", "BEAST1 repelled the magic attack"},
    {"Surprise", SkillSurprise, 3, Aim::Neighbour, LevelRoll, Against::Mag, 1,
     "You surprised BEAST1 for 1 damage!", "BEAST1 repelled the magic attack", nullptr},
    {"PartyCannon", SkillPartyCannon, 1, Aim::Neighbour, CannonRoll, Against::Mag, 1,
     "BEAST1 takes 1 damage from the cannon!", "BEAST1 dodged", nullptr},
    {"Rainfall", SkillRainfall, 2, Aim::Neighbour, LevelRoll, Against::Con, 0,
     "BEAST1 got all soggy!", "BEAST1 didn't feel the effects", "BEAST1 didn't feel the effects"},
    {"Thunder", SkillThunder, 1, Aim::Neighbour, LevelRoll, Against::Mag, 1,
     "The lightning strikes for 1 damage!", "BEAST1 dodge the lightning", nullptr},
    {"Vaneburst", SkillVaneburst, 3, Aim::OwnCell, LevelRoll, Against::Mag, 1,
     "BEAST1 took 1 damage!", "BEAST1 dodged", "BEAST1 dodged"},
    {"Tornado", SkillTornado, 2, Aim::OwnCell, LevelRoll, Against::Mag, 1,
     "BEAST1 took 1 damage!", "BEAST1 dodged", "BEAST1 dodged"},
};
// clang-format on

void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.what; }

class SkillBounds : public SkillEffectTest, public ::testing::WithParamInterface<BoundCase> {};

// The target's stat is set so that the result is exactly 1, 0 or -1: each skill's line,
// its damage and its "nothing at all" are told apart at the border.
TEST_P(SkillBounds, ResultsOfOneZeroAndMinusOne) {
    const BoundCase& c = GetParam();
    for (int result : {1, 0, -1}) {
        SCOPED_TRACE(result);
        SetUp();
        Learn(c.skill, c.level);
        MonMag[0] = HeroMag;
        PutStill(1, 11, 10);
        if (c.aim == Aim::OwnCell) {
            Choose();
            Confirm();
        } else {
            UseAt(1, 0);
        }
        ASSERT_EQ(AimPhase, AimResolving);
        const int drawn = ReadAhead([&] { return c.roll(c.level); });
        (c.against == Against::Mag ? MonMag[1] : MonCon[1]) = HeroMag + drawn - result;
        Settle();
        EXPECT_EQ(UiMode, UiMap);
        if (result == 1) {
            EXPECT_TRUE(Said(c.one)) << said.back();
            EXPECT_EQ(MonHp[1], 100 - c.hpLost);
        } else {
            EXPECT_EQ(MonHp[1], 100);
            const char* line = result == 0 ? c.zero : c.minus;
            if (line != nullptr) {
                EXPECT_TRUE(Said(line)) << said.back();
            } else {
                EXPECT_FALSE(SaidAnythingWith(said, "BEAST1"));
                EXPECT_FALSE(SaidAnythingWith(said, "no enemy on block")) << "a creature stood there";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Skills, SkillBounds, ::testing::ValuesIn(BoundCases),
                         [](const auto& p) { return std::string(p.param.what); });

// ---- Statuses ------------------------------------------------------------------------------

struct StatusCase {
    const char* what;
    int skill;
    int level;
    int status;
    int added;
};

// clang-format off
const StatusCase StatusCases[] = {
    {"HoldingL1", SkillHolding,  1, StatusFrozen, 8},
    {"HoldingL3", SkillHolding,  3, StatusFrozen, 12},
    {"ShieldL1",  SkillShield,   1, StatusShield, 6},
    {"ShieldL3",  SkillShield,   3, StatusShield, 10},
    {"RainfallL1", SkillRainfall, 1, StatusSoggy, 10},
    {"RainfallL3", SkillRainfall, 3, StatusSoggy, 10},
};
// clang-format on

void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.what; }

class SkillStatuses : public SkillEffectTest, public ::testing::WithParamInterface<StatusCase> {};

// Statuses are added to what the creature already has; the rolls are made certain.
TEST_P(SkillStatuses, AddTheirTurnsToTheTarget) {
    const StatusCase& c = GetParam();
    Learn(c.skill, c.level);
    MonMag[0] = HeroMag;
    PutStill(1, 12, 10);
    MonCon[1] = -100;
    MonStatus[1][c.status] = 3;
    UseAt(2, 0);
    Settle();
    EXPECT_EQ(MonStatus[1][c.status], 3 + c.added - 1);
    EXPECT_EQ(MonMp[0], 100 - SkillMpCost(c.skill));
}

INSTANTIATE_TEST_SUITE_P(Skills, SkillStatuses, ::testing::ValuesIn(StatusCases),
                         [](const auto& p) { return std::string(p.param.what); });

TEST_F(SkillEffectTest, PartyReachesCreaturesOneToFourStepsAwayOnFoot) {
    Learn(SkillParty, 1);
    PutStill(1, 11, 10);  // 1 step
    PutStill(2, 14, 10);  // 4 steps
    PutStill(3, 15, 10);  // 5 steps
    // 2 cells away as the crow flies, but the trees make it 6 steps round.
    for (int y = 7; y <= 13; ++y) MapTerrain[9][y] = Tree;
    PutStill(4, 8, 10);
    Choose();
    Confirm();
    Settle();
    EXPECT_EQ(MonStatus[1][StatusPartying], 5 - 1);
    EXPECT_EQ(MonStatus[2][StatusPartying], 5 - 1);
    EXPECT_EQ(MonStatus[3][StatusPartying], 0);
    EXPECT_EQ(MonStatus[4][StatusPartying], 0);
    EXPECT_EQ(MonMp[0], 100 - 15);
}

TEST_F(SkillEffectTest, SurpriseAndThunderGiveHiccupsOnlyWhenTheTargetFailsItsConstitution) {
    for (int skill : {SkillSurprise, SkillThunder}) {
        for (int con : {-100, 100}) {
            SCOPED_TRACE(testing::Message() << "skill " << skill << ", CON " << con);
            SetUp();
            Learn(skill, 1);
            MonMag[0] = HeroMag;
            PutStill(1, 11, 10);
            MonMag[1] = -100;
            MonCon[1] = con;  // Rand(0, 100) + CON below 20: always at -100, never at 100
            UseAt(1, 0);
            Settle();
            EXPECT_LT(MonHp[1], 100);
            EXPECT_EQ(MonStatus[1][StatusHiccups], con < 0 ? 5 - 1 : 0);
        }
    }
}

// ---- Teleport -------------------------------------------------------------------------------

TEST_F(SkillEffectTest, TeleportAtLevelOneReachesFourCellsThroughAWall) {
    Learn(SkillTeleport, 1);
    MapTerrain[11][10] = MapTerrain[12][10] = Tree;
    Choose();
    EXPECT_EQ(MapHighlight[14][10], 1);
    EXPECT_EQ(MapHighlight[15][10], 0);
    MoveTarget(3, 0);
    const int turn = TurnCount;
    Confirm();
    Settle();
    EXPECT_EQ(MonX[0], 13);
    EXPECT_EQ(MonY[0], 10);
    EXPECT_EQ(MonHp[0], 50);
    EXPECT_EQ(MonMp[0], 100 - 10);
    EXPECT_EQ(TurnCount, turn + 1);
}

TEST_F(SkillEffectTest, TeleportIntoAWallOrACreatureHurtsAndStillCosts) {
    struct Case {
        const char* what;
        bool creature;
        int hp;
    };
    for (const Case& c : {Case{"a tree", false, 50}, Case{"a creature", true, 50}, Case{"a tree, fatally", false, 5}}) {
        SCOPED_TRACE(c.what);
        SetUp();
        Learn(SkillTeleport, 1);
        MonHp[0] = c.hp;
        if (c.creature)
            PutStill(1, 12, 10);
        else
            MapTerrain[12][10] = Tree;
        const int turn = TurnCount;
        UseAt(2, 0);
        Settle();
        EXPECT_TRUE(Said("You hit a solid wall! ow!"));
        EXPECT_EQ(MonX[0], 10);
        EXPECT_EQ(MonHp[0], c.hp - 5);
        EXPECT_EQ(MonMp[0], 100 - 10);
        EXPECT_EQ(TurnCount, turn + 1);
        if (c.hp <= 5) {
            EXPECT_EQ(GameOver, 1);
            EXPECT_EQ(DeathMessage, "HERO teleported into a wall!");
        } else {
            EXPECT_EQ(DeathMessage, "");
        }
    }
}

// ---- Covet Charm ----------------------------------------------------------------------------

class CovetCharmTest : public SkillEffectTest {
protected:
    void SetUp() override {
        SkillEffectTest::SetUp();
        Learn(SkillCovetCharm, 2);
        InvKind[0] = ItemWeapon;  // worn
        InvTier[0] = 2;
        InvSeed[0] = 777;
        InvCount[0] = 1;
        Equip[EquipWeapon] = 0;
        InvKind[1] = ItemArrows;
        InvTier[1] = 1;
        InvSeed[1] = 4242;
        InvCount[1] = 5;
    }
    // Chooses the item in `slot` (0 or 1) and casts on the cell two to the east.
    static void Cast(int slot) {
        Choose();
        if (slot == 1) Tap(KeyRight);
        Confirm();
        MoveTarget(2, 0);
        Confirm();
        Settle();
    }
    static int GroundAt(int x, int y) {
        for (int g = 0; g < GroundSlots; ++g)
            if (GroundItemKind[g] != 0 && GroundItemX[g] == x && GroundItemY[g] == y) return g;
        return -1;
    }
};

TEST_F(CovetCharmTest, OneUnitOfTheStackGoesDownWithItsKindTierAndSeed) {
    MonStatus[0][StatusCovet] = 40;  // set, not added
    Cast(1);
    const int g = GroundAt(12, 10);
    ASSERT_GE(g, 0);
    EXPECT_EQ(GroundItemKind[g], ItemArrows);
    EXPECT_EQ(GroundItemTier[g], 1);
    EXPECT_EQ(GroundItemSeed[g], 4242);
    EXPECT_EQ(GroundItemCount[g], 1) << "a charmed stack of arrows is a single arrow";
    EXPECT_EQ(InvCount[1], 4);
    EXPECT_EQ(MonStatus[0][StatusCovet], 3 * 2 + 2 - 1);
    EXPECT_EQ(MapDistSkill[12][10], 0) << "the creatures' way leads to the charmed item";
    EXPECT_EQ(MenuCursor, 0);
    EXPECT_EQ(MonMp[0], 100 - 15);
}

TEST_F(CovetCharmTest, AWornItemLeavesNoPointerOnItsEmptiedSlot) {
    Cast(0);
    const int g = GroundAt(12, 10);
    ASSERT_GE(g, 0);
    EXPECT_EQ(GroundItemKind[g], ItemWeapon);
    EXPECT_EQ(GroundItemSeed[g], 777);
    EXPECT_EQ(InvKind[0], 0);
    EXPECT_EQ(Equip[EquipWeapon], -1);
}

TEST_F(CovetCharmTest, AFullGroundRefusesTheSpellAtNoCost) {
    for (int g = 0; g < GroundSlots; ++g) {
        GroundItemKind[g] = ItemArrows;
        GroundItemX[g] = GroundItemY[g] = 0;
        GroundItemCount[g] = 1;
    }
    const int turn = TurnCount;
    Cast(1);
    EXPECT_TRUE(Said("There is no room on the ground here"));
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(InvCount[1], 5);
    EXPECT_EQ(MonStatus[0][StatusCovet], 0);
    EXPECT_EQ(MonMp[0], 100);
    EXPECT_EQ(TurnCount, turn);
    EXPECT_EQ(MenuCursor, 0);
}

// ---- The Party Cannon -----------------------------------------------------------------------

TEST_F(SkillEffectTest, PartyCannonAtLevelThreeFliesThroughAWallOneCellAFrame) {
    Learn(SkillPartyCannon, 3);
    MonMag[0] = 100;
    PutStill(1, 11, 10);
    MapTerrain[12][10] = Tree;
    PutStill(2, 13, 10);
    PutStill(3, 14, 10);  // a fourth cell: out of reach
    const int turn = TurnCount;
    UseAt(1, 0);
    ASSERT_EQ(AimPhase, AimResolving);
    const int lines = static_cast<int>(said.size());
    const int blastAfter[] = {12, 13};
    for (int frame = 0; frame < 2; ++frame) {
        TurnLoopFrame();
        EXPECT_EQ(UiMode, UiAiming);
        EXPECT_EQ(TargetX, blastAfter[frame]);
        EXPECT_EQ(static_cast<int>(said.size()), lines + frame + 1) << "one cell, one line, one frame";
    }
    TurnLoopFrame();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_LT(MonHp[1], 100);
    EXPECT_LT(MonHp[2], 100);
    EXPECT_EQ(MonHp[3], 100);
    EXPECT_EQ(TimesSaid("no enemy on block"), 1);
    EXPECT_EQ(MonMp[0], 100 - 8);
    EXPECT_EQ(TurnCount, turn + 1);
}

TEST_F(SkillEffectTest, PartyCannonFiredAtTheMapEdgeEnds) {
    struct Case {
        int heroX, heroY, dx, dy;
    };
    for (const Case& c : {Case{1, 10, -1, 0}, Case{MapMaxX - 1, 10, 1, 0}, Case{10, MapMaxY - 1, 0, 1}}) {
        SCOPED_TRACE(testing::Message() << "from " << c.heroX << "," << c.heroY);
        SetUp();
        Learn(SkillPartyCannon, 3);
        PlaceHero(c.heroX, c.heroY);
        UseAt(c.dx, c.dy);
        Settle();
        EXPECT_EQ(UiMode, UiMap) << "the blast must stop at the edge";
        EXPECT_EQ(TimesSaid("no enemy on block"), 1);
        EXPECT_EQ(MonMp[0], 100 - 8);
    }
}

// ---- The Fourth Wall ------------------------------------------------------------------------

TEST_F(SkillEffectTest, FourthWallOnAFreeCellAsksForASolidOneAndKeepsAiming) {
    Learn(SkillFourthWall, 1);
    const int turn = TurnCount;
    UseAt(1, 0);
    EXPECT_TRUE(Said("Select a solid tile"));
    EXPECT_EQ(UiMode, UiAiming);
    EXPECT_EQ(AimPhase, AimTargeting);
    Tap(KeyS);
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(MonX[0], 10);
    EXPECT_EQ(MonMp[0], 100);
    EXPECT_EQ(TurnCount, turn);
}

struct FourthWallCase {
    const char* what;
    int heroX;
    int dx;
    int thickness;  // wall cells from the aimed one on
    int landX;      // -1: no way through
};

// clang-format off
const FourthWallCase FourthWallCases[] = {
    {"OneCell",                       10,  1, 1, 12},
    {"FiveCells",                     10,  1, 5, 16},
    {"SixCellsTheLastTry",            10,  1, 6, 17},
    {"SixBlockedBeyondTheAimedCell",  10,  1, 7, -1},
    {"WallUpToTheMapEdge",             3, -1, 3, -1},
};
// clang-format on

void PrintTo(const FourthWallCase& c, std::ostream* os) { *os << c.what; }

class FourthWall : public SkillEffectTest, public ::testing::WithParamInterface<FourthWallCase> {};

TEST_P(FourthWall, ThroughAWallOrNot) {
    const FourthWallCase& c = GetParam();
    Learn(SkillFourthWall, 3);  // the level does not reach further
    PlaceHero(c.heroX, 10);
    for (int i = 1; i <= c.thickness; ++i) MapTerrain[c.heroX + c.dx * i][10] = StoneWall;
    const int turn = TurnCount;
    UseAt(c.dx, 0);
    Settle();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(TurnCount, turn + 1);
    if (c.landX >= 0) {
        EXPECT_TRUE(Said("wheee"));
        EXPECT_EQ(MonX[0], c.landX);
        EXPECT_EQ(MonMp[0], 100 - 10);
    } else {
        EXPECT_TRUE(Said("That didn't work? There must not be a close enough space at the other end."));
        EXPECT_EQ(MonX[0], c.heroX);
        EXPECT_EQ(MonMp[0], 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Skills, FourthWall, ::testing::ValuesIn(FourthWallCases),
                         [](const auto& p) { return std::string(p.param.what); });

// ---- Vaneburst, Dash!, Tornado --------------------------------------------------------------

TEST_F(SkillEffectTest, VaneburstHitsAllEightNeighboursAndNoFurther) {
    Learn(SkillVaneburst, 1);
    int slot = 1;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) PutStill(slot++, 10 + dx, 10 + dy);
    PutStill(9, 12, 10);
    PutStill(10, 12, 12);
    for (int s = 1; s <= 10; ++s) MonMag[s] = -100;
    Choose();
    Confirm();
    Settle();
    for (int s = 1; s <= 8; ++s) EXPECT_LT(MonHp[s], 100) << "neighbour " << s;
    EXPECT_EQ(MonHp[9], 100);
    EXPECT_EQ(MonHp[10], 100);
    EXPECT_EQ(MonMp[0], 100 - 14);
}

TEST_F(SkillEffectTest, VaneburstStrikesCellByCellColumnsFirstNotBySlot) {
    // Slots given against the cell order: the lines (and so the rolls) must follow the
    // cells, west column first and north to south within it, then the slots on a cell.
    Learn(SkillVaneburst, 1);
    PutStill(1, 11, 9);
    PutStill(2, 9, 11);
    PutStill(3, 10, 9);
    PutStill(4, 9, 9);
    PutStill(5, 9, 9);
    for (int s = 1; s <= 5; ++s) MonMag[s] = -100;
    Choose();
    Confirm();
    Settle();
    std::vector<std::string> struck;
    for (const std::string& line : said)
        if (line.find(" took ") != std::string::npos) struck.push_back(line.substr(0, line.find(' ')));
    EXPECT_EQ(struck, (std::vector<std::string>{"BEAST4", "BEAST5", "BEAST2", "BEAST3", "BEAST1"}));
}

TEST_F(SkillEffectTest, DashAndFourthWallSpeakAfterTheirLanding) {
    // Landing in deep water is part of the move: its splash comes before the skill's line.
    struct Case {
        int id;
        const char* line;
        int landX;
    } cases[] = {{SkillDash, "Dash dash dash dashy doo!", 16}, {SkillFourthWall, "wheee", 12}};
    for (const Case& c : cases) {
        SetUp();
        Learn(c.id, 1);
        if (c.id == SkillFourthWall) MapTerrain[11][10] = StoneWall;
        MapTerrain[c.landX][10] = DeepWater;
        UseAt(1, 0);
        Settle();
        ASSERT_EQ(MonX[0], c.landX) << c.line;
        EXPECT_EQ(said, (std::vector<std::string>{"splash", c.line})) << c.line;
    }
}

TEST_F(SkillEffectTest, DashRunsUpToItsLengthAndStopsBeforeWhatBlocks) {
    struct Case {
        const char* what;
        int level;
        int heroX;
        int creatureX;  // -1: none
        int treeX;      // -1: none
        int endX;
    };
    const Case cases[] = {
        {"open meadow at level 1", 1, 10, -1, -1, 16},     {"open meadow at level 3", 3, 10, -1, -1, 20},
        {"a creature in the way", 1, 10, 14, -1, 13},      {"a tree in the way", 1, 10, -1, 12, 11},
        {"the map edge", 1, MapMaxX - 2, -1, -1, MapMaxX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        Learn(SkillDash, c.level);
        PlaceHero(c.heroX, 10);
        if (c.creatureX >= 0) PutStill(1, c.creatureX, 10);
        if (c.treeX >= 0) MapTerrain[c.treeX][10] = Tree;
        UseAt(1, 0);
        Settle();
        EXPECT_EQ(MonX[0], c.endX);
        EXPECT_EQ(MonY[0], 10);
        EXPECT_TRUE(Said("Dash dash dash dashy doo!"));
        EXPECT_EQ(MonMp[0], 100 - 10);
    }
}

TEST_F(SkillEffectTest, TornadoHitsAndThrowsCreaturesWithinFourOntoFreeMarkedCells) {
    Learn(SkillTornado, 1);
    PutStill(1, 12, 11);
    PutStill(2, 10, 6);   // 4 steps
    PutStill(3, 15, 10);  // 5 steps: untouched
    for (int s = 1; s <= 3; ++s) MonMag[s] = -100;
    MapTerrain[9][10] = MapTerrain[10][9] = Tree;  // marked, but no place to land
    Choose();
    Confirm();
    Settle();
    EXPECT_EQ(UiMode, UiMap);
    BuildField(10, 10, FieldOpen);
    for (int s = 1; s <= 2; ++s) {
        SCOPED_TRACE(s);
        EXPECT_LT(MonHp[s], 100);
        EXPECT_LE(MapMask[MonX[s]][MonY[s]], 4);
        EXPECT_EQ(MapTerrain[MonX[s]][MonY[s]], Grass);
        EXPECT_FALSE(MonX[s] == 10 && MonY[s] == 10);
    }
    EXPECT_FALSE(MonX[1] == MonX[2] && MonY[1] == MonY[2]);
    EXPECT_EQ(MonHp[3], 100);
    EXPECT_EQ(MonX[3], 15);
    EXPECT_EQ(MonMp[0], 100 - 18);
}

TEST_F(SkillEffectTest, TornadoWithNoFreeMarkedCellLeavesTheCreatureWhereItIs) {
    Learn(SkillTornado, 1);
    FillTerrain(Tree);
    MapTerrain[10][10] = MapTerrain[11][10] = Grass;
    PutStill(1, 11, 10);
    MonMag[1] = -100;
    Choose();
    Confirm();
    Settle();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_LT(MonHp[1], 100);
    EXPECT_EQ(MonX[1], 11);
    EXPECT_EQ(MonY[1], 10);
    EXPECT_EQ(MonMp[0], 100 - 18);
}

}  // namespace
