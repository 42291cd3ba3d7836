#include <gtest/gtest.h>

#include "core/random.h"
#include "core/state.h"
#include "view/look.h"

TEST(Look, HostileHealthWordsAtTheirThresholds) {
    ClearAllTables();
    const struct {
        int hp;
        const char* words;
    } cases[] = {
        {90, "This creature is hostile.  It looks healthy."},
        {89, "This creature is hostile.  It looks a little hurt."},
        {60, "This creature is hostile.  It looks a little hurt."},
        {59, "This creature is hostile.  It looks injured."},
        {20, "This creature is hostile.  It looks injured."},
        {19, "This creature is hostile.  It looks badly injured!"},
        {0, "This creature is hostile.  It looks badly injured!"},
    };
    MonMaxHp[4] = 100;
    for (const auto& c : cases) {
        MonHp[4] = c.hp;
        EXPECT_EQ(HealthWords(4), c.words) << c.hp;
    }
    MonMaxHp[4] = 0;  // a broken creature must not divide by zero
    MonHp[4] = 5;
    EXPECT_EQ(HealthWords(4), "This creature is hostile.  It looks healthy.");
}

TEST(Look, ItemsOnACellMakeOneLine) {
    ClearAllTables();
    const int kinds[5] = {101, 140, 102, 103, 104};
    for (int i = 0; i < 5; ++i) {
        GroundItemKind[10 + i] = kinds[i];
        GroundItemX[10 + i] = 7;
        GroundItemY[10 + i] = 8;
        GroundItemCount[10 + i] = 1;
    }
    EXPECT_EQ(ListItemsOnCell(7, 8, "There is a ", " there"),
              "There is a Apple and a Cupcake and a Banana and other things there");
    EXPECT_EQ(ListItemsOnCell(1, 1, "There is a ", " there"), "");
    // Each description draws once from the game's stream.
    SeedRandom(5);
    const int before = RandomState();
    ListItemsOnCell(7, 8, "There is a ", " here");
    EXPECT_NE(RandomState(), before);
}

TEST(Look, HelpTopics) {
    EXPECT_EQ(HoverTopicText(4), "Health Points. If your health is at zero, you die.");
    EXPECT_EQ(HoverTopicText(111), "You are poisoned! Your health will lower untilit heals!");
    HeroId = 4;
    EXPECT_EQ(HoverTopicText(115), "Your fur is all weird, lowering your sight and stats");
    HeroId = 0;
    EXPECT_EQ(HoverTopicText(115), "");
    EXPECT_EQ(HoverTopicText(99), "");
}
