// A first use through the turn loop: the range is marked, the cursor waits on the hero,
// the confirm resolves and pays, and the use ends.
#include "skills/skill_fixture.h"
#include "worldgen/creatures.h"

namespace {

TEST_F(SkillTest, AMagicBeamIsAimedConfirmedPaidAndEnded) {
    Learn(SkillMagicBeam, 1);
    PutCreature(1, KindRat, 12, 10, AttitudeHostile, 100);
    MonMag[0] = 30;
    Choose();
    ASSERT_EQ(UiMode, UiAiming);
    EXPECT_EQ(TargetX, 10);
    EXPECT_EQ(MapHighlight[12][10], 1);
    EXPECT_EQ(MapHighlight[10][10], 0) << "the hero's own cell is not in range";
    MoveTarget(2, 0);
    const int turn = TurnCount;
    Confirm();
    Settle();
    EXPECT_EQ(UiMode, UiMap);
    EXPECT_LT(MonHp[1], 100);
    EXPECT_EQ(MonMp[0], 100 - 7);
    EXPECT_EQ(TurnCount, turn + 1);
    EXPECT_EQ(TargetX, -1);
    EXPECT_EQ(MapHighlight[12][10], 0);
}

}  // namespace
