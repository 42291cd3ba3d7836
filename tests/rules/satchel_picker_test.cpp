// The satchel picker: its cursor over the usable slots, what confirm takes and which
// keys leave it.
#include <gtest/gtest.h>

#include <initializer_list>

#include "core/state.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/satchel_picker.h"
#include "support/held_keys.h"

namespace {

class SatchelPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAllTables();
        InputReset();
        InvCapacity = 48;
    }
    void TearDown() override { InputReset(); }
};

TEST_F(SatchelPickerTest, TheCursorWalksTheUsableSatchelOneMoveAFrame) {
    // clang-format off
    struct Case { int capacity; int from; std::initializer_list<int> keys; int to; };
    // clang-format on
    const Case cases[] = {
        {48, 10, {KeyUp, KeyDown}, 8},      // the first move's delay holds the other arrows
        {48, 46, {KeyDown, KeyRight}, 47},  // no row below the last: the next arrow moves it
        {48, 1, {KeyUp, KeyLeft}, 0},
        {56, 53, {KeyDown}, 55},
        {80, InvSlots - 2, {KeyRight}, InvSlots - 1},  // a damaged capacity: the table's end
        {80, InvSlots - 1, {KeyRight}, InvSlots - 1},
        {-3, 0, {KeyDown, KeyRight}, 0},  // nothing usable
    };
    for (const Case& c : cases) {
        InvCapacity = c.capacity;
        int cursor = c.from;
        InputDelay = 0;
        HoldKeys(c.keys);
        MoveSatchelCursor(cursor);
        EXPECT_EQ(cursor, c.to) << c.capacity << " from " << c.from;
        EXPECT_EQ(InputDelay, c.to == c.from ? 0 : 5) << c.capacity << " from " << c.from;
    }
    int cursor = 10;
    InputDelay = 2;
    HoldKeys({KeyDown});
    MoveSatchelCursor(cursor);
    EXPECT_EQ(cursor, 10) << "a pending delay holds the cursor";
}

TEST_F(SatchelPickerTest, ConfirmTakesAnItemAndCOrTheUsersOwnKeyLeaves) {
    InvKind[3] = 101;
    // clang-format off
    InvKind[50] = 101;  // past a satchel of 48
    struct Case { int cursor; int delay; int key; bool picked; };
    // clang-format on
    const Case cases[] = {
        {3, 0, KeySpace, true},   {3, 0, KeyEnter, true},  {4, 0, KeySpace, false},   {50, 0, KeySpace, false},
        {-1, 0, KeySpace, false}, {3, 1, KeySpace, false}, {3, 0, KeyC, false},
    };
    for (const Case& c : cases) {
        InputDelay = c.delay;
        HoldKeys({c.key});
        EXPECT_EQ(SatchelPicked(c.cursor), c.picked) << "slot " << c.cursor << " key " << c.key;
    }
    // clang-format off

    struct Leave { int key; int otherKey; int delay; bool left; };
    // clang-format on
    const Leave leaves[] = {
        {KeyC, 0, 0, true},           {KeyI, KeyI, 0, true},  {KeyI, 0, 0, false},
        {KeyS, KeyI, 0, false}, {KeyC, KeyI, 3, false},
    };
    for (const Leave& l : leaves) {
        InputDelay = l.delay;
        HoldKeys({l.key});
        EXPECT_EQ(SatchelLeft(l.otherKey), l.left) << "key " << l.key << " other " << l.otherKey;
    }
}

}  // namespace
