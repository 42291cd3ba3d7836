// The soak's winning player on a hand-built meadow: what it does, key by key, through the
// real turn loop, where a long soak would meet the same moment only by luck.
#include <gtest/gtest.h>

#include "core/run_vars.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "platform/files.h"
#include "rules/interactions.h"
#include "rules/meadow_fixture.h"
#include "soak/player.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

int NoRoll(int) { return 1; }

class PlayerTest : public MeadowPanelTest {
protected:
    PlayerMind mind;
    TempFolder folder;  // the recipe book a cooked dish writes goes here

    void SetUp() override {
        MeadowPanelTest::SetUp();
        std::string error;
        ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    }

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
    // Frames of the player's keys, as the soak gives them; stops when `done` holds. The
    // soak chooses at the end of a frame and cuts the input delay short, so the keys act
    // in the very next frame, before it is drawn.
    template <typename Done>
    void Play(int frames, Done done) {
        for (int i = 0; i < frames && !done(); ++i) {
            InputReset();
            InputDelay = 0;
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

// At a trader the player sells the piece it does not wear, buys the food that heals most
// for its price with the bits (never a lemon, which heals nothing) and takes its leave.
TEST_F(PlayerTest, SellsASparePieceAndBuysFoodAtATrader) {
    Give(2, ItemBow, 1);  // the player wears no bow
    InvTier[2] = 5;
    const int value = ItemPrice(ItemBow, 5, 1) / 2;
    const int apples = std::min(16, value / ItemPrice(ItemApple, 0, 0));
    ASSERT_GT(apples, 0);
    StoreItemKind[0] = ItemLemon;
    StoreItemKind[4] = ItemApple;
    StoreItemKind[7] = ItemWeapon;
    PutCharacter(1, KindSalesGriffon, 13, 10);
    Play(800, [&] { return Units(ItemApple) > 0 && DialogueState == DialogueNone; });
    EXPECT_EQ(InvKind[2], 0) << "the bow was sold";
    EXPECT_EQ(Units(ItemApple), apples);
    EXPECT_EQ(Bits, value - apples * ItemPrice(ItemApple, 0, 0));
    EXPECT_EQ(Units(ItemLemon) + Units(ItemWeapon), 0);
    EXPECT_EQ(DialogueState, DialogueNone);
}

// A foe next to the hero, too tough to fall to a few bumps: the player aims each of its
// fighting skills at it (or at its own cell) and confirms, and the magic is paid.
TEST_F(PlayerTest, AimsItsFightingSkillsAtAFoe) {
    const int skills[] = {1, 3, 6, 7, 9, 12, 13, 15, 18, 21, 22, 23, 26, 29, 30};
    for (int id : skills) {
        SCOPED_TRACE("skill " + std::to_string(id));
        SetUp();
        for (int& s : SkillId) s = 0;
        SkillId[0] = id;
        SkillLevel[0] = 1;
        MonMp[0] = MonMaxMp[0] = 100;
        PutCreature(1, KindOgre, 11, 10, AttitudeHostile, 500);
        MonStatus[1][StatusFrozen] = 10000;
        mind = PlayerMind();
        Play(60, [] { return MonMp[0] < 100; });
        EXPECT_LT(MonMp[0], 100);
    }
}

// Food on the ground a few steps away is walked to and picked up, one cell after the
// other. The game notes what lies under the hero only when it draws the next frame, so a
// player that trusted that note right after a step saw nothing underfoot and walked on.
TEST_F(PlayerTest, PicksUpTheFoodItStepsOnto) {
    PlaceGroundItem(12, 10, ItemApple, 0);
    PlaceGroundItem(10, 13, ItemApple, 0);
    Play(200, [&] { return Units(ItemApple) == 2; });
    EXPECT_EQ(Units(ItemApple), 2);
    EXPECT_LT(GroundAt(ItemApple, 12, 10), 0);
    EXPECT_LT(GroundAt(ItemApple, 10, 13), 0);
}

// A foe that steps up to the hero strikes only the turn after; one he steps up to strikes
// at once. With a hard-hitting rat two steps off on the way on, the player waits for it and
// fells it with the first blow, unhurt.
TEST_F(PlayerTest, LetsAFoeComeToItAndStrikesFirst) {
    MapTerrain[16][10] = Exit;
    PutCreature(1, KindRat, 12, 10, AttitudeHostile, 1);
    MonAtk[1] = 20;  // any blow of its own lands and takes 20 or more
    MonAtk[0] = 5;   // the hero's blows land too: nobody dodges at speed 0
    Play(100, [] { return MonKind[1] == 0 || MonHp[1] <= 0 || MonHp[0] < 50; });
    EXPECT_TRUE(MonKind[1] == 0 || MonHp[1] <= 0) << "the rat fell";
    EXPECT_EQ(MonHp[0], 50) << "the rat never struck";
}

// A treasure chest is opened for its prize, which the player picks up; a stone table's
// prize, which wakes the drybones below the graves, is left to a hero in good shape.
TEST_F(PlayerTest, TakesAChestsPrizeAndLeavesTheTableWhenHurt) {
    MapTerrain[13][10] = TreasureChest;
    MapTerrain[7][10] = StoneTable;
    MapTerrain[7][12] = Grave;
    GameVars[VarPrizeTreasureChest] = ItemMjolna;
    GameVars[VarPrizeStoneTable] = ItemInfinityBow;
    GameVars[VarDifficulty] = DifficultyEasy;  // a fall keeps the save, so prizes with a price are for taking
    MonHp[0] = 30;                             // but 60 % is too hurt for the drybones
    Play(200, [&] { return Units(ItemMjolna) > 0 && DialogueState == DialogueNone; });
    EXPECT_EQ(Units(ItemMjolna), 1);
    EXPECT_EQ(MapTerrain[13][10], StoneFloor);
    Play(100, [] { return false; });
    EXPECT_EQ(MapTerrain[7][10], StoneTable) << "the table is left alone";
    EXPECT_EQ(Units(ItemInfinityBow), 0);
}

// In the fairy garden a fruit goes onto a bare tree, where it will grow a fruit tree.
TEST_F(PlayerTest, PlantsAFruitOnABareGardenTree) {
    for (int plot = 0; plot < GardenPlots; ++plot) GlobalData[GlobalGardenPlotFirst + plot] = 0;  // kept between games
    Depth = DepthFairyGarden;
    MapTerrain[16][10] = FairyDoor;
    MapTerrain[20][10] = MagicalTree;  // the garden's second plot: four cells east of the door
    Give(5, ItemApple, 2);
    Play(300, [] { return GlobalData[GlobalGardenPlotFirst + 1] != 0 && DialogueState == DialogueNone; });
    EXPECT_EQ(GlobalData[GlobalGardenPlotFirst + 1], ItemApple);
    EXPECT_EQ(Units(ItemApple), 1);
    EXPECT_EQ(DialogueState, DialogueNone);
}
