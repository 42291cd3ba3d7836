// ResolveAttack: its private clock-seeded stream, hit and dodge, the hero's damage
// modifiers and the bites that leave a status behind.
#include <gtest/gtest.h>

#include <string>

#include "core/random.h"
#include "core/state.h"
#include "core/statuses.h"
#include "platform/platform.h"
#include "rules/combat.h"
#include "rules/meadow_fixture.h"

namespace {

class CombatTest : public MeadowTest {
protected:
    // The fake clock stands still until a frame is shown, so every attack of a test
    // plays the same private stream unless the test moves the clock on.
    static void StartClock(int ms) {
        StopPlatform();
        ASSERT_EQ(StartHeadless("", ms), "");
    }
    static void TearDownTestSuite() { StopPlatform(); }

    void SetUp() override {
        MeadowTest::SetUp();
        StartClock(1000);
        PutCreature(1, 22, 11, 10, 0, 100);
    }
    // A hero who always hits: far quicker than the creature can dodge.
    static void SureHit() {
        MonSpd[0] = 100;
        MonSpd[1] = 0;
    }
    static int Attack(int a = 0, int b = 1) {
        MonDamageTaken[b] = -1;
        ResolveAttack(a, b);
        return MonDamageTaken[b];
    }
    static void Wield(int kind) {
        InvKind[5] = kind;
        Equip[5] = 5;
    }
};

TEST_F(CombatTest, TheGameStreamGoesOnFromTheNumberDrawnBeforeTheSwitch) {
    SureHit();
    SeedRandom(777);
    const int c = Rand(1, 1000000);
    SeedRandom(c);
    const int expected = RandomState();
    SeedRandom(777);
    Attack();
    EXPECT_EQ(RandomState(), expected);
    // The private stream follows the clock, not the game's stream.
    SeedRandom(1);
    const int first = Attack();
    SeedRandom(2);
    EXPECT_EQ(Attack(), first);
}

TEST_F(CombatTest, SlotsOutsideTheTableAreRefused) {
    SeedRandom(5);
    const int before = RandomState();
    for (const auto& [a, b] : {std::pair{-1, 1}, {0, 51}, {51, 0}, {0, -7}}) {
        ResolveAttack(a, b);
        EXPECT_EQ(RandomState(), before);
    }
}

TEST_F(CombatTest, TheHerosDamageModifiers) {
    // The same clock plays the same rolls, so each case is measured against a plain
    // buck: A = ATK + STR + roll, damage A - DEF. The roll is recovered from it.
    SureHit();
    MonAtk[0] = 6;
    MonStr[0] = 30;
    MonStrBonus[0] = 4;
    MonDef[1] = 2;
    const int plain = Attack();
    const int roll = plain + 2 - 6 - 30 - 4;
    ASSERT_GE(roll, 1);
    ASSERT_LE(roll, 10);
    const int a = 6 + 30 + roll + 4;

    struct Case {
        const char* what;
        int flight;     // -1 not flying, else the Flight skill's level
        int weapon;     // item kind worn as the weapon, 0 none
        int weaponPro;  // Weapon Pro level
        int expected;
    } cases[] = {
        {"flying without the skill loses half", 0, 0, 0, a - a / 2 - 2},
        {"Flight 1 loses a third", 1, 0, 0, a - a / 3 - 2},
        {"Flight 2 loses a quarter", 2, 0, 0, a - a / 4 - 2},
        {"Flight 3 loses a fifth", 3, 0, 0, a - a / 5 - 2},
        {"a bow ignores ATK and takes a third", -1, 7, 2, (a - 6) / 3 - 2},
        {"a plain weapon gains 3 per Weapon Pro level", -1, 5, 2, a + 6 - 2},
        {"flying with a bow", 0, 7, 0, ((a - 6) - (a - 6) / 2) / 3 - 2},
    };
    for (const Case& c : cases) {
        MonStatus[0][StatusFlying] = c.flight >= 0 ? 1000 : 0;
        SkillId[0] = 31;
        SkillLevel[0] = c.flight > 0 ? c.flight : 0;
        SkillId[1] = 34;
        SkillLevel[1] = c.weaponPro;
        Equip[5] = -1;
        if (c.weapon) Wield(c.weapon);
        EXPECT_EQ(Attack(), std::max(1, c.expected)) << c.what;
    }
}

TEST_F(CombatTest, SoulReaverDrinksThreeMagicPointsForAFifthMore) {
    SureHit();
    MonStr[0] = 40;
    Wield(19);
    MonMp[0] = 2;  // too few: no bonus, nothing paid
    const int plain = Attack();
    EXPECT_EQ(MonMp[0], 2);
    MonMp[0] = 3;
    const int a = plain;  // DEF 0
    EXPECT_EQ(Attack(), static_cast<int>(a * static_cast<double>(1.2f)));
    EXPECT_EQ(MonMp[0], 0);
}

TEST_F(CombatTest, MjolnaWearsDownDefenceButNeverBelowFive) {
    SureHit();
    Wield(18);
    for (const int def : {5, 9}) {
        MonDef[1] = def;
        int lowered = 0;
        for (int ms = 1; ms <= 40; ++ms) {
            StartClock(ms * 37);
            const int before = MonDef[1];
            Attack();
            lowered += MonDef[1] < before;
        }
        if (def == 5) {
            EXPECT_EQ(MonDef[1], 5);
        } else {
            EXPECT_GT(lowered, 0);
            EXPECT_GE(MonDef[1], 5);
        }
    }
}

TEST_F(CombatTest, DamageOfAHitIsNeverBelowOneAndAMissIsZero) {
    SureHit();
    MonDef[1] = 500;
    EXPECT_EQ(Attack(), 1);
    MonSpd[0] = -100;
    MonSpd[1] = 100;
    EXPECT_EQ(Attack(), 0);
}

TEST_F(CombatTest, HiccupsHalveTheToHitRollRoundingTheLossDown) {
    // Hits of 21..30 against dodges of 16..20: a hiccup (11..15 left) always misses,
    // a clean attack always hits.
    MonStatus[0][StatusHiccups] = 5;
    MonSpd[0] = 15;
    MonAtk[0] = 1;
    MonSpd[1] = 16;
    int hiccups = 0;
    for (int ms = 1; ms <= 120; ++ms) {
        StartClock(ms * 13);
        said.clear();
        const int damage = Attack();
        const bool hiccupped = Said("HERO hiccupped!");
        hiccups += hiccupped;
        EXPECT_EQ(damage == 0, hiccupped) << ms;
    }
    EXPECT_GT(hiccups, 10);
    // On the smallest rolls a hiccup keeps at least 1 (1 - 1/2 = 1), which still
    // meets a dodge of at most 1: hit equal to dodge is a hit.
    MonSpd[0] = -5;
    MonSpd[1] = -3;
    hiccups = 0;
    for (int ms = 1; ms <= 400; ++ms) {
        StartClock(ms * 7);
        said.clear();
        EXPECT_GE(Attack(), 1) << ms;
        hiccups += Said("HERO hiccupped!");
    }
    EXPECT_GT(hiccups, 50);
}

TEST_F(CombatTest, DabbleSenseSometimesSavesTheHeroAndPartiesEndWhenAttacked) {
    SkillId[2] = 10;
    SkillLevel[2] = 3;
    MonStatus[1][StatusPartying] = 5;
    int noses = 0;
    for (int ms = 1; ms <= 300; ++ms) {
        StartClock(ms * 11);
        said.clear();
        Attack(1, 0);
        noses += Said("Twitchy nose!");
        said.clear();
        Attack(0, 1);  // only the hero's dodge is sensed
        ASSERT_FALSE(Said("Twitchy nose!"));
    }
    EXPECT_GT(noses, 0);
    EXPECT_EQ(MonStatus[1][StatusPartying], 0);
}

TEST_F(CombatTest, StrongBuckRaisesTheAttackersBonusesForThatAttack) {
    SureHit();
    MonStr[0] = 20;
    SkillId[3] = 21;
    const int plain = Attack();
    for (const auto& [level, bonus] : {std::pair{1, 5}, {2, 8}, {3, 12}}) {
        MonAtkBonus[0] = MonStrBonus[0] = 0;
        SkillLevel[3] = level;
        MonStatus[0][StatusStrongBuck] = 1;
        const int damage = Attack();
        EXPECT_EQ(MonAtkBonus[0], bonus);
        EXPECT_EQ(MonStrBonus[0], bonus);
        // ATK and STR both rise; the hit roll takes its two steps whatever its range,
        // so the damage roll is the same draw as in the plain buck.
        EXPECT_EQ(damage, plain + 2 * bonus) << level;
    }
}

TEST_F(CombatTest, BitesAfflictTheDefenderAndTellTheHeroOnlyTheFirstTime) {
    struct Case {
        int kind;
        int status;
        int before, after;
        const char* message;  // expected only when the status was 0
    } cases[] = {
        {9, StatusBlinded, 0, 6, "Everything goes dark..."},
        {9, StatusBlinded, 7, 7, nullptr},
        {11, StatusPoisoned, 4, 9, nullptr},
        {17, StatusFrozen, 0, 9, "Webbed! Stuck in place!"},
        {17, StatusFrozen, 2, 9, nullptr},
        {17, StatusFrozen, 3, 3, nullptr},  // a web never renews a long hold
        {18, StatusPoisoned, 3, 3, nullptr},
        {24, StatusStone, 8, 9, nullptr},
        {24, StatusStone, 0, 9, "Stone!"},
        {22, StatusStone, 0, 0, nullptr},  // an ogre bites nothing in
    };
    for (const Case& c : cases) {
        SetUp();
        PutCreature(1, c.kind, 11, 10, 0, 100);
        MonSpd[1] = 100;
        MonSpd[0] = -100;
        MonCon[0] = MonStr[0] = -200;  // no resistance: every bite sticks
        MonStatus[0][c.status] = c.before;
        Attack(1, 0);
        EXPECT_EQ(MonStatus[0][c.status], c.after) << c.kind << " from " << c.before;
        EXPECT_EQ(said.size(), c.message ? 1u : 0u) << c.kind;
        if (c.message) {
            EXPECT_TRUE(Said(c.message));
        }
    }
    // A creature bitten by another gets the status but nobody is told.
    SetUp();
    PutCreature(1, 24, 11, 10, 0, 100);
    PutCreature(2, 22, 12, 10, 3, 100);
    MonSpd[1] = 100;
    MonCon[2] = -200;
    Attack(1, 2);
    EXPECT_EQ(MonStatus[2][StatusStone], 9);
    EXPECT_TRUE(said.empty());
}

}  // namespace
