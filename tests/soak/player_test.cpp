// The soak's winning player on a hand-built meadow: what it does, key by key, through the
// real turn loop, where a long soak would meet the same moment only by luck.
#include <gtest/gtest.h>

#include "core/run_vars.h"
#include "items/food.h"
#include "rules/interactions.h"
#include "rules/meadow_fixture.h"
#include "soak/player.h"
#include "worldgen/terrain.h"

namespace {

int NoRoll(int) { return 1; }

class PlayerTest : public MeadowPanelTest {
protected:
    PlayerMind mind;

    void Give(int slot, int kind, int count) {
        InvKind[slot] = kind;
        InvCount[slot] = count;
        InvTier[slot] = 0;
    }
    int Units(int kind) const {
        int n = 0;
        for (int i = 0; i < InvCapacity; ++i) n += InvKind[i] == kind ? InvCount[i] : 0;
        return n;
    }
    // Frames of the player's keys, as the soak gives them; stops when `done` holds.
    template <typename Done>
    void Play(int frames, Done done) {
        for (int i = 0; i < frames && !done(); ++i) {
            InputReset();
            if (InputDelay > 1) InputDelay = 1;
            PlayerGameKeys(mind, NoRoll);
            TurnLoopFrame();
        }
        InputReset();
    }
};

}  // namespace

// Flour, sugar and vanilla heal 15 raw and 50 as a cupcake: the player walks to the pot,
// puts them in from the satchel, cooks and leaves the pot.
TEST_F(PlayerTest, CooksTheSatchelsBestDishAtAPot) {
    MapTerrain[14][10] = CookingPot;
    Give(0, ItemApple, 1);
    Give(3, ItemFlour, 1);
    Give(4, ItemSugar, 1);
    Give(7, ItemVanilla, 1);
    Play(300, [&] { return Units(ItemCupcake) > 0 && DialogueState == DialogueNone; });
    EXPECT_EQ(Units(ItemCupcake), 1);
    EXPECT_EQ(Units(ItemFlour) + Units(ItemSugar) + Units(ItemVanilla), 0);
    EXPECT_EQ(Units(ItemApple), 1) << "the apple is no part of the cupcake";
    EXPECT_EQ(DialogueState, DialogueNone);
    for (int place = 0; place < PotSlots; ++place) EXPECT_EQ(PotKind[place], 0);
}

// What is already in the pot and no part of the dish goes back to the satchel first.
TEST_F(PlayerTest, TakesBackWhatThePotHeldBeforeCooking) {
    MapTerrain[11][10] = CookingPot;
    PotKind[2] = ItemLemon;
    Give(3, ItemFlour, 1);
    Give(4, ItemSugar, 1);
    Give(7, ItemVanilla, 1);
    Play(300, [&] { return Units(ItemCupcake) > 0 && DialogueState == DialogueNone; });
    EXPECT_EQ(Units(ItemCupcake), 1);
    EXPECT_EQ(Units(ItemLemon), 1);
}

// Below 95 a word with a friendly character raises the friendship score: the player
// walks over to one whose talk earns it, and leaves one whose talk does not alone.
TEST_F(PlayerTest, WalksToAFriendlyCharacterForTheFriendshipBonus) {
    Friendship = 60;
    PutCharacter(1, KindTroll, 12, 10);
    GameVars[VarTalkTroll] = 40;  // talked to not long ago: no bonus yet
    PutCharacter(2, KindFairy, 10, 16);
    Play(100, [] { return DialogueState != DialogueNone; });
    EXPECT_EQ(DialogueState, DialogueCharacter + KindFairy);
    EXPECT_EQ(Friendship, 85);
    EXPECT_TRUE(mind.talking) << "the soak leaves a talk begun for friendship at once";
}
