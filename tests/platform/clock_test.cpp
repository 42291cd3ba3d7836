#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "platform/platform.h"

TEST(Clock, TheWindowCountsFromTheWallClockSoEveryLaunchSeedsAnotherWorld) {
    // The title takes the world seed from this clock within seconds of a launch: counted
    // from the program's own start it would give nearly the same first world every time.
    const auto wall = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    const auto expected = static_cast<uint32_t>(static_cast<unsigned long long>(wall.count()));
    const auto clock = static_cast<uint32_t>(WindowClockMillis());
    const auto apart = static_cast<int32_t>(clock - expected);
    EXPECT_GE(apart, -1000);
    EXPECT_LE(apart, 1000);
}
