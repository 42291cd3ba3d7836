// The way every skill is used, through the turn loop: the refusals at the start, the
// payment at the choice and at the end, the highlighted range of each field mode, the
// target cursor, the confirm and the cancel, and the item choice before aiming.
#include <cstdlib>
#include <string>
#include <vector>

#include "core/run_vars.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "rules/skills/skill_effects.h"
#include "skills/skill_fixture.h"
#include "view/hud.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

constexpr unsigned Panel = 0x9696CD;   // (150, 150, 205)
constexpr unsigned Column = 0xC8C8FF;  // (200, 200, 255)

class UseSkillTest : public SkillTest {
protected:
    // The end of a use leaves nothing of it behind: no phase, no slot, no cursor, no red cell.
    static void ExpectEnded(const std::string& what) {
        EXPECT_EQ(AimPhase, AimStart) << what;
        EXPECT_EQ(ActiveSkillSlot, 0) << what;
        EXPECT_EQ(TargetX, -1) << what;
        EXPECT_EQ(TargetY, -1) << what;
        EXPECT_EQ(HighlightCount(), 0) << what;
    }
    static int HighlightCount() {
        int n = 0;
        for (const auto& column : MapHighlight)
            for (const int cell : column) n += cell == 1 ? 1 : 0;
        return n;
    }
    static void Give(int slot, int kind, int count, int tier = 1) {
        InvKind[slot] = kind;
        InvTier[slot] = tier;
        InvSeed[slot] = 1234;
        InvCount[slot] = count;
    }
    static void Wield(int slot, int kind) {
        Give(slot, kind, 1);
        Equip[EquipWeapon] = slot;
    }
    // The panels as the next frame draws them (a frame of the turn loop ends by
    // clearing the picture it has shown).
    static void DrawHud() {
        ClearScreen();
        UpdatePanelSwap();
        DrawPanels();
    }
    // Runs frames with no key until the input delay has run out.
    static void DrainDelay() {
        InputReset();
        for (int i = 0; i < 40 && InputDelay > 0; ++i) TurnLoopFrame();
    }
};

TEST_F(UseSkillTest, PassiveSkillsOnlySayWhereTheyWork) {
    // clang-format off
    struct Case { int id; const char* line; };
    // clang-format on
    const Case cases[] = {
        {SkillDabbleSense, "You cannot use this skill.  Dabble Sense activates randomly."},
        {SkillSalesBonus, "You cannot use this skill.  It activates when buying products from a shop."},
        {SkillFashionSense, "You cannot use this skill.  It automatically boosts the bonus of dresses and jewellery."},
        {SkillGourmet, "You cannot use this skill.  It activates when cooking/eating automatically."},
        {SkillWeaponPro, "You cannot use this skill.  It activates when you weild a weapon in combat."},
    };
    for (const Case& c : cases) {
        said.clear();
        Learn(c.id, 3);
        const int turn = TurnCount;
        Choose();
        EXPECT_TRUE(Said(c.line)) << c.id;
        EXPECT_EQ(TurnCount, turn) << c.id << ": a passive skill never costs a turn";
        EXPECT_EQ(MonMp[0], 100) << c.id;
        EXPECT_EQ(UiMode, UiMap) << c.id;
        EXPECT_GT(InputDelay, 0) << c.id;
        ExpectEnded("passive " + std::to_string(c.id));
    }
}

TEST_F(UseSkillTest, FlightSwitchesOnAndOffForATurnAndNoMagic) {
    Learn(SkillFlight, 1);
    for (const int flying : {StatusPermanent, 0}) {
        said.clear();
        const int turn = TurnCount;
        Choose();
        EXPECT_EQ(MonStatus[0][StatusFlying], flying);
        EXPECT_TRUE(Said("fly"));
        EXPECT_EQ(TurnCount, turn + 1);
        EXPECT_EQ(MonMp[0], 100);
        EXPECT_EQ(UiMode, UiMap);
        ExpectEnded("flight");
    }
}

TEST_F(UseSkillTest, FlightFoldsOverAPitToo) {
    Learn(SkillFlight, 1);
    MonStatus[0][StatusFlying] = StatusPermanent;
    MapTerrain[10][10] = Pit;
    const int turn = TurnCount;
    Choose();
    EXPECT_EQ(MonStatus[0][StatusFlying], 0);
    EXPECT_EQ(said, std::vector<std::string>{"fly"});
    EXPECT_EQ(TurnCount, turn + 1);
    EXPECT_GT(MonHp[0], 0) << "a pit under a hero who stands there does him no harm";
    ExpectEnded("flight over a pit");
}

TEST_F(UseSkillTest, TheBowIsRefusedWithoutABowAndArrowsAtNoTurn) {
    // clang-format off
    struct Case { const char* what; int worn; int arrowSlot; };
    // clang-format on
    const Case cases[] = {
        {"nothing worn, arrows in the satchel", ItemNone, 3},
        {"a bow without arrows", ItemBow, -1},
        {"a sword with arrows", ItemWeapon, 3},
        {"arrows only beyond the satchel's capacity", ItemBow, 48},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(SkillBow, 1);
        if (c.worn != ItemNone) Wield(0, c.worn);
        if (c.arrowSlot >= 0) Give(c.arrowSlot, ItemArrows, 5);
        const int turn = TurnCount;
        Choose();
        EXPECT_TRUE(Said("You need to have a bow and arrows equipped to use this.")) << c.what;
        EXPECT_EQ(TurnCount, turn) << c.what;
        EXPECT_EQ(UiMode, UiMap) << c.what;
        ExpectEnded(c.what);
    }
}

TEST_F(UseSkillTest, TheBowShootsForATurnTakingArrowsFromTheFirstStackOnly) {
    // clang-format off
    struct Case { int bow; int first; int second; int firstAfter; int secondAfter; };
    // clang-format on
    const Case cases[] = {
        {ItemBow, 2, 4, 1, 4},
        {ItemBow, 1, 4, 0, 4},  // the last arrow of a stack empties its slot
        {ItemInfinityBow, 2, 4, 2, 4},
        {ItemInfinityBow, 0, 0, 0, 0},  // the Infinity Bow needs none
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(SkillBow, 1);
        Wield(0, c.bow);
        if (c.first > 0) Give(3, ItemArrows, c.first);
        if (c.second > 0) Give(5, ItemArrows, c.second);
        PutCreature(1, KindRat, 12, 10, AttitudeHostile, 500);
        MonAtk[0] = 60;  // the arrow always hurts
        const int turn = TurnCount;
        Choose();
        ASSERT_EQ(UiMode, UiAiming) << c.bow;
        MoveTarget(2, 0);
        Confirm();
        EXPECT_EQ(AimPhase, AimBowShot) << "the Bow resolves in its own phase";
        Settle();
        const int damage = 500 - MonHp[1];
        EXPECT_GT(damage, 0) << c.bow;
        EXPECT_TRUE(Said("The arrow deals " + std::to_string(damage) + " damage!")) << c.bow;
        EXPECT_EQ(InvCount[3], c.firstAfter) << c.bow << " " << c.first;
        EXPECT_EQ(InvKind[3], c.firstAfter > 0 ? ItemArrows : ItemNone) << c.bow << " " << c.first;
        EXPECT_EQ(InvCount[5], c.secondAfter) << c.bow << " " << c.first;
        EXPECT_EQ(MonMp[0], 100) << "arrows are the Bow's cost, not magic";
        EXPECT_EQ(TurnCount, turn + 1) << c.bow;
        ExpectEnded("bow");
    }
}

TEST_F(UseSkillTest, NotEnoughMagicEndsTheUseWhereItWasChosen) {
    // clang-format off
    struct Case { bool fromList; int backTo; };
    // clang-format on
    for (const Case c : {Case{true, UiSkillList}, Case{false, UiMap}}) {
        SetUp();
        Learn(SkillTeleport, 1);
        MonMp[0] = 9;
        const int turn = TurnCount;
        if (c.fromList) {
            UiMode = UiSkillList;
            InvCursor = 0;
            Tap(KeySpace);
        } else {
            Choose();
        }
        EXPECT_TRUE(Said("Not enough MP")) << c.fromList;
        EXPECT_EQ(UiMode, c.backTo) << c.fromList << ": a number key never opens the list";
        EXPECT_EQ(MonMp[0], 9);
        EXPECT_EQ(TurnCount, turn);
        ExpectEnded(c.fromList ? "from the list" : "by its number");
    }
}

TEST_F(UseSkillTest, TheChoiceAsksForTheCostAfterOrrindelsStaffHalvesIt) {
    // clang-format off
    struct Case { int id; int mp; bool staff; bool chosen; };
    // clang-format on
    const Case cases[] = {
        {SkillMagicBeam, 7, false, true},    {SkillTeleport, 7, false, false}, {SkillTeleport, 10, false, true},
        {SkillCovetCharm, 14, false, false}, {SkillCovetCharm, 7, true, true}, {SkillCovetCharm, 6, true, false},
        {SkillTeleport, 5, true, true},      {SkillShield, 2, true, true},     {SkillShield, 1, true, false},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(c.id, 1);
        if (c.staff) Wield(7, ItemOrrindelStaff);
        MonMp[0] = c.mp;
        Choose();
        EXPECT_EQ(UiMode, c.chosen ? UiAiming : UiMap) << c.id << " with " << c.mp << " MP, staff " << c.staff;
        EXPECT_EQ(Said("Not enough MP"), !c.chosen) << c.id << " with " << c.mp;
    }
}

TEST_F(UseSkillTest, OrrindelsStaffHalvesTheCovetCharmWhenItIsPaid) {
    Learn(SkillCovetCharm, 1);
    Wield(7, ItemOrrindelStaff);
    Give(0, ItemArrows, 3);
    const int turn = TurnCount;
    Choose();
    Confirm();  // the arrows under the satchel cursor
    ASSERT_EQ(AimPhase, AimTargeting);
    MoveTarget(2, 0);
    Confirm();
    Settle();
    EXPECT_EQ(MonMp[0], 100 - 7);
    EXPECT_EQ(TurnCount, turn + 1);
    EXPECT_EQ(InvCount[0], 2);
    EXPECT_EQ(Equip[EquipWeapon], 7) << "the staff stays in hand";
    ExpectEnded("covet charm");
}

TEST_F(UseSkillTest, TheStaffUsedUpByItsOwnSkillCostsWhatTheChoiceAsked) {
    // The wielded staff is itself the charmed or bucked item: the halved price holds.
    struct Case {
        int id;
        int mp;
        int paid;
    } cases[] = {{SkillCovetCharm, 10, 7}, {SkillBuckAnItem, 3, 2}};
    for (const Case& c : cases) {
        SetUp();
        Learn(c.id, 1);
        MonAtk[0] = 40;
        Wield(0, ItemOrrindelStaff);
        PutCreature(1, KindRat, 12, 10, AttitudeHostile, 500);
        MonMp[0] = c.mp;
        Choose();
        Confirm();  // the staff, under the satchel cursor
        ASSERT_EQ(AimPhase, AimTargeting) << c.id;
        MoveTarget(2, 0);
        Confirm();
        Settle();
        EXPECT_EQ(InvKind[0], 0) << c.id << ": the staff is gone";
        EXPECT_EQ(Equip[EquipWeapon], -1) << c.id;
        EXPECT_EQ(MonMp[0], c.mp - c.paid) << c.id;
        ExpectEnded("the staff used up");
    }
}

TEST_F(UseSkillTest, TheItemChoiceStartsWhereTheCursorWasInsideTheSatchel) {
    // Buck an item leaves the cursor on the slot it threw from, so the next throw starts
    // there; a cursor left outside the usable satchel starts on the first slot.
    struct Case {
        int before;
        int after;
    } cases[] = {{3, 3}, {47, 47}, {48, 0}, {55, 0}, {-1, 0}};
    for (const Case& c : cases) {
        SetUp();
        Learn(SkillBuckAnItem, 1);
        MenuCursor = c.before;
        Choose();
        ASSERT_EQ(UiMode, UiAiming) << c.before;
        EXPECT_EQ(MenuCursor, c.after) << c.before;
    }
}

TEST_F(UseSkillTest, JestbloomKeepsOnlyQuenbyArloFromCasting) {
    Learn(SkillMagicBeam, 1);
    for (int hero = HeroQuenbyArlo; hero <= HeroMellowen; ++hero) {
        for (const bool fromList : {false, true}) {
            SetUp();
            Learn(SkillMagicBeam, 1);
            HeroId = hero;
            MonStatus[0][StatusJestbloom] = 20;
            if (fromList) {
                UiMode = UiSkillList;
                InvCursor = 0;
                Tap(KeySpace);
            } else {
                Choose();
            }
            const bool refused = hero == HeroQuenbyArlo;
            EXPECT_EQ(Said("You can't cast magic thanks to the Jestbloom"), refused) << hero << " list " << fromList;
            EXPECT_EQ(UiMode, refused ? (fromList ? UiSkillList : UiMap) : UiAiming) << hero << " list " << fromList;
            EXPECT_EQ(MonMp[0], 100) << hero;
        }
    }
}

// The red cells of a use, compared with the cells at walking steps `nearest`..`farthest`
// from the hero (the meadow has no walls but the ones each case builds) that `open` lets
// through.
template <typename Open>
void ExpectRange(int nearest, int farthest, Open open, const std::string& what) {
    int wrong = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int steps = std::abs(x - MonX[0]) + std::abs(y - MonY[0]);
            const int expected = steps >= nearest && steps <= farthest && open(x, y) ? 1 : 0;
            if (MapHighlight[x][y] != expected && ++wrong <= 5)
                ADD_FAILURE() << what << ": cell " << x << "," << y << " is " << MapHighlight[x][y];
        }
    }
    EXPECT_EQ(wrong, 0) << what;
}

TEST_F(UseSkillTest, EachFieldModeMarksItsOwnRange) {
    // Teleport ignores every obstacle: boxed in by walls, level 1 still reaches 4 steps.
    for (int x = 9; x <= 11; ++x)
        for (int y = 9; y <= 11; ++y)
            if (x != 10 || y != 10) MapTerrain[x][y] = StoneWall;
    Learn(SkillTeleport, 1);
    Choose();
    ExpectRange(
        1, 4, [](int, int) { return true; }, "teleport at level 1");
    EXPECT_EQ(MapHighlight[14][10], 1);
    EXPECT_EQ(MapHighlight[15][10], 0);
    Tap(KeyC);

    // A jump clears water and a pit but goes around the trees: a column of trees at x = 9
    // shuts out the west, and at level 1 it reaches 2 steps.
    SetUp();
    MapTerrain[11][10] = DeepWater;
    MapTerrain[12][10] = Pit;
    for (int y = 0; y <= MapMaxY; ++y) MapTerrain[9][y] = Tree;
    Learn(SkillJump, 1);
    Choose();
    ExpectRange(
        1, 2, [](int x, int) { return x >= 10; }, "jump at level 1");
    EXPECT_EQ(MapHighlight[11][10], 1) << "the water";
    EXPECT_EQ(MapHighlight[12][10], 1) << "the pit beyond it";
    Tap(KeyC);

    // Holding walks: a wall at x = 11 stops it, and the wall itself is no target.
    SetUp();
    for (int y = 0; y <= MapMaxY; ++y) MapTerrain[11][y] = StoneWall;
    Learn(SkillHolding, 1);
    Choose();
    ExpectRange(
        1, 4, [](int x, int) { return x <= 10; }, "holding");
    Tap(KeyC);

    // Walking wades through water but not into a pit: a trench of pits at x = 12 ends
    // Holding's range there, a pool at x = 11 does not.
    SetUp();
    for (int y = 0; y <= MapMaxY; ++y) {
        MapTerrain[11][y] = DeepWater;
        MapTerrain[12][y] = Pit;
    }
    Learn(SkillHolding, 1);
    Choose();
    ExpectRange(
        1, 4, [](int x, int) { return x <= 11; }, "holding by the pits");
}

TEST_F(UseSkillTest, TheTargetCursorStaysOnTheMapAndWaitsTenFramesAfterAMove) {
    // clang-format off
    struct Case { int hx; int hy; int key; };
    // clang-format on
    const Case cases[] = {
        {0, 10, KeyLeft},
        {10, 0, KeyUp},
        {MapMaxX, 10, KeyRight},
        {10, MapMaxY, KeyDown},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceHero(c.hx, c.hy);
        Learn(SkillMagicBeam, 1);
        Choose();
        Tap(c.key);
        EXPECT_EQ(TargetX, c.hx) << c.key;
        EXPECT_EQ(TargetY, c.hy) << c.key;
        EXPECT_EQ(UiMode, UiAiming);
    }

    // Held down, the arrow moves the cursor once, then again on the tenth frame after.
    SetUp();
    Learn(SkillMagicBeam, 1);
    Choose();
    DrainDelay();
    InputPress(KeyRight);
    int cells[12];
    for (int& cell : cells) {
        TurnLoopFrame();
        cell = TargetX - 10;
    }
    InputReset();
    EXPECT_EQ(cells[0], 1);
    EXPECT_EQ(cells[9], 1) << "still waiting";
    EXPECT_EQ(cells[10], 2);
    EXPECT_EQ(cells[11], 2);
}

TEST_F(UseSkillTest, AConfirmOutOfRangeOrWithoutACreatureDoesNothing) {
    // clang-format off
    struct Case { const char* what; int dx; int creatureX; };
    // clang-format on
    const Case cases[] = {
        {"out of range, a rat there", 5, 15},
        {"in range, nobody there", 2, 13},
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(SkillMagicBeam, 1);
        PutCreature(1, KindRat, c.creatureX, 10, AttitudeHostile, 100);
        MonMag[0] = 60;
        const int turn = TurnCount;
        Choose();
        MoveTarget(c.dx, 0);
        Confirm();
        for (int i = 0; i < 3; ++i) TurnLoopFrame();
        EXPECT_EQ(UiMode, UiAiming) << c.what;
        EXPECT_EQ(AimPhase, AimTargeting) << c.what;
        EXPECT_EQ(TargetX, 10 + c.dx) << c.what;
        EXPECT_EQ(MonHp[1], 100) << c.what;
        EXPECT_EQ(MonMp[0], 100) << c.what;
        EXPECT_EQ(TurnCount, turn) << c.what;
        // The player can still give up at no cost.
        Tap(KeyS);
        EXPECT_EQ(UiMode, UiMap) << c.what;
        ExpectEnded(c.what);
    }
}

TEST_F(UseSkillTest, TheHighestSlotOfTheRightAttitudeOnTheCellIsTheTarget) {
    // clang-format off
    struct Case { int id; int slot; };
    // clang-format on
    const Case cases[] = {
        {SkillMagicBeam, 7},   // any attitude: the highest slot
        {SkillTheStare, 3},    // hostile only
        {SkillTameAnimal, 7},  // neutral only
    };
    for (const Case& c : cases) {
        SetUp();
        Learn(c.id, 1);
        PutCreature(3, KindRat, 12, 10, AttitudeHostile, 300);
        PutCreature(7, KindRat, 12, 10, AttitudeNeutral, 300);
        PutCreature(2, KindRat, 12, 10, AttitudeHostile, 300);
        Choose();
        MoveTarget(2, 0);
        Confirm();
        EXPECT_EQ(AimPhase, AimResolving) << c.id;
        EXPECT_EQ(DefenderSlot, c.slot) << c.id;
        Settle();
        ExpectEnded("target " + std::to_string(c.id));
    }
}

TEST_F(UseSkillTest, CancellingWhileAimingCostsNothing) {
    for (const char key : {'S', 'C'}) {
        SetUp();
        Learn(SkillMagicBeam, 1);
        PutCreature(1, KindRat, 12, 10, AttitudeHostile, 100);
        const int turn = TurnCount;
        Choose();
        MoveTarget(2, 0);
        Tap(LetterKey(key));
        EXPECT_EQ(UiMode, UiMap) << key;
        EXPECT_EQ(MonMp[0], 100) << key;
        EXPECT_EQ(TurnCount, turn) << key;
        EXPECT_EQ(MonHp[1], 100) << key;
        ExpectEnded(std::string("cancel with ") + key);
    }
}

TEST_F(UseSkillTest, TheItemChoiceStartsOnTheFirstSlotAndIsLeftAtNoCost) {
    for (const int id : {SkillCovetCharm, SkillDisguise, SkillBuckAnItem}) {
        for (const char key : {'S', 'C'}) {
            SetUp();
            Learn(id, 1);
            Give(0, ItemDress, 1);
            Give(1, ItemArrows, 3);
            MenuCursor = InvCapacity;  // past the usable satchel
            const int turn = TurnCount;
            Choose();
            EXPECT_EQ(MenuCursor, 0) << id;
            EXPECT_TRUE(SkillChoosingItem()) << id;
            Tap(KeyRight);
            EXPECT_EQ(MenuCursor, 1) << id;
            Tap(LetterKey(key));
            EXPECT_EQ(UiMode, UiMap) << id << " " << key;
            EXPECT_EQ(MonMp[0], 100) << id << " " << key;
            EXPECT_EQ(TurnCount, turn) << id << " " << key;
            EXPECT_EQ(InvCount[0] + InvCount[1], 4) << id << ": nothing is taken";
            ExpectEnded("leaving the choice of " + std::to_string(id));
        }
    }
}

TEST_F(UseSkillTest, DisguiseTakesOnlyADressAndNeedsNoAim) {
    Learn(SkillDisguise, 2);
    Give(0, ItemArrows, 3);
    Give(1, ItemDress, 1);
    Equip[EquipDress] = 1;
    const int turn = TurnCount;
    Choose();
    Confirm();  // arrows: no dress, nothing happens
    EXPECT_TRUE(SkillChoosingItem());
    EXPECT_EQ(UiMode, UiAiming);
    EXPECT_EQ(InvCount[0], 3);
    Tap(KeyRight);
    Confirm();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_EQ(MonStatus[0][StatusDisguised] > 0, true);
    EXPECT_EQ(InvKind[1], ItemNone);
    EXPECT_EQ(Equip[EquipDress], -1) << "the dress given up is no longer worn";
    EXPECT_EQ(MonMp[0], 100 - 5);
    EXPECT_EQ(TurnCount, turn + 1);
    ExpectEnded("disguise");
}

TEST_F(UseSkillTest, At800TheSatchelGivesThePanelsBackWhenAnItemSkillEnds) {
    OpenScreen(800, 600);
    SetBlendAlpha();  // the panels are drawn see-through, as the game draws them
    // clang-format off
    struct Case { int id; int dx; };
    // clang-format on
    const Case cases[] = {{SkillCovetCharm, 2}, {SkillBuckAnItem, 2}, {SkillDisguise, 0}};
    for (const Case& c : cases) {
        SetUp();
        ScreenWidth = 800;
        ScreenHeight = 600;
        Learn(c.id, 1);
        Give(0, ItemDress, 2);
        PutCreature(1, KindRat, 12, 10, AttitudeHostile, 300);
        const int turn = TurnCount;
        Choose();
        DrawHud();
        EXPECT_EQ(PanelSwap, 1) << c.id << ": the satchel picks the item";
        EXPECT_EQ(FramePixel(150, 255), Panel) << c.id << ": the satchel reaches down over the column";
        EXPECT_EQ(FramePixel(150, 470), Column) << c.id;
        Confirm();
        if (c.dx != 0) {
            MoveTarget(c.dx, 0);
            Confirm();
        }
        Settle();
        DrawHud();
        EXPECT_EQ(TurnCount, turn + 1) << c.id << ": the use resolved";
        EXPECT_EQ(UiMode, UiMap) << c.id;
        EXPECT_EQ(PanelSwap, 0) << c.id;
        EXPECT_EQ(FramePixel(150, 255), Column) << c.id << ": bare column between the depth and the skills";
        EXPECT_EQ(FramePixel(150, 470), Panel) << c.id << ": the equipment panel";
    }
    OpenScreen(1024, 768);
}

}  // namespace
