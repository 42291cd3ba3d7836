// A meadow for the skills' tests: the hero with a skill in slot 0, used through the
// real turn loop by its number key, aimed with the arrows and confirmed with Space.
#pragma once
#include <gtest/gtest.h>

#include "core/loop/turnloop.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/meadow_fixture.h"
#include "support/test_support.h"

class SkillTest : public MeadowTest {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless("", 5000), "");
        OpenScreen(1024, 768);
    }
    static void TearDownTestSuite() { StopPlatform(); }

    void SetUp() override {
        MeadowTest::SetUp();
        MonMp[0] = MonMaxMp[0] = 100;
        for (int& id : SkillId) id = 0;
        for (int& level : SkillLevel) level = 0;
    }
    // Skill `id` at `level` in slot 0, the first of the list: the number key 1 uses it.
    static void Learn(int id, int level) {
        SkillId[0] = id;
        SkillLevel[0] = level;
    }
    static void Choose() { Tap(KeyDigit1); }
    // Moves the target cursor by (dx, dy) cells, one arrow press a cell.
    static void MoveTarget(int dx, int dy) {
        for (; dx > 0; --dx) Tap(KeyRight);
        for (; dx < 0; ++dx) Tap(KeyLeft);
        for (; dy > 0; --dy) Tap(KeyDown);
        for (; dy < 0; ++dy) Tap(KeyUp);
    }
    static void Confirm() { Tap(KeySpace); }
    // Chooses the skill, aims at (dx, dy) from the hero and confirms.
    static void UseAt(int dx, int dy) {
        Choose();
        MoveTarget(dx, dy);
        Confirm();
    }
    // Runs frames with no key until the use has ended (the Party Cannon takes several).
    static void Settle() {
        InputReset();
        for (int i = 0; i < 60 && UiMode == UiAiming; ++i) TurnLoopFrame();
    }
};
