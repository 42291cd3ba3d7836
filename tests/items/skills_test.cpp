#include <gtest/gtest.h>

#include "core/state.h"
#include "items/skills.h"

TEST(Skills, DescriptionsAndUnknownIds) {
    DescribeSkill(9);
    EXPECT_EQ(LookupName, "Party!");
    EXPECT_EQ(LookupText, "Start a party! Any creature in range will start partying");
    EXPECT_EQ(LookupText2, "Higher skill levels make the party last longer");
    DescribeSkill(2);
    EXPECT_EQ(LookupText,
              "This spell allows for short teleportation.  Teleporting into solid objects hurts, be careful!");
    for (int bad : {0, 35, -1}) {
        DescribeSkill(bad);
        EXPECT_EQ(LookupName, "?");
        EXPECT_EQ(LookupText, "");
        EXPECT_EQ(LookupText2, "");
    }
}

TEST(Skills, MagicCostsAndTheStaff) {
    ClearAllTables();
    for (int& e : Equip) e = -1;
    EXPECT_EQ(SkillMpCost(3), 7);
    EXPECT_EQ(SkillMpCost(4), 15);
    EXPECT_EQ(SkillMpCost(19), 0);
    EXPECT_EQ(SkillMpCost(99), 0);
    // Orrindel St. in the weapon slot halves the cost, truncated.
    InvKind[12] = 17;
    Equip[5] = 12;
    EXPECT_EQ(SkillMpCost(4), 7);
    EXPECT_EQ(SkillMpCost(5), 2);
    EXPECT_EQ(SkillMpCost(10), 0);
    InvKind[12] = 18;  // another weapon changes nothing
    EXPECT_EQ(SkillMpCost(4), 15);
    Equip[5] = 900;  // a broken pointer is no weapon, not a crash
    EXPECT_EQ(SkillMpCost(4), 15);
}

TEST(Skills, UpgradePricesFollowTheLevelOfTheSlot) {
    ClearAllTables();
    SkillId[0] = 3;   // base 2
    SkillId[1] = 15;  // base 3
    const struct {
        int level;
        int base2;
        int base3;
    } cases[] = {{0, 2, 3}, {1, 3, 4}, {2, 4, 5}, {3, 2, 3}};
    for (const auto& c : cases) {
        SkillLevel[0] = SkillLevel[1] = c.level;
        EXPECT_EQ(SkillUpgradeCost(3), c.base2) << "level " << c.level;
        EXPECT_EQ(SkillUpgradeCost(15), c.base3) << "level " << c.level;
    }
    EXPECT_EQ(SkillUpgradeCost(4), 3) << "a skill the hero lacks costs its base";
}
