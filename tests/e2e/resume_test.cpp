// Resuming a saved run from the title.
#include <gtest/gtest.h>

#include "support/test_support.h"

TEST(LoadGame, HoldingTheConfirmKeyPassesNoTurnInTheLoadedGame) {
    TempFolder root;
    std::string play =
        "wait 12\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\n"
        "tap Space\nwait 12\ntap Space\nwait 30\nhold Up\nwait 40\nrelease Up\nwait 12\n";
    play += "dump " + root.path + "/before.txt\ntap Esc\nwait 12\ntap Esc\nwait 3\n";
    RunResult r = RunHeadless(root.path, play, {"--seed", "77"});
    ASSERT_EQ(r.status, 0) << r.err;
    // A player's key stays down for several frames; Space and Enter both choose, and
    // both also wait a turn in the game.
    for (const char* key : {"Space", "Enter"}) {
        r = RunHeadless(root.path, std::string("wait 12\ntap ") + key + " 8\nwait 12\ndump " + root.path +
                                       "/after.txt\ntap Esc\nwait 12\ntap Esc\nwait 3\n");
        ASSERT_EQ(r.status, 0) << r.err;
        auto before = ReadDump(root.path + "/before.txt");
        auto after = ReadDump(root.path + "/after.txt");
        ASSERT_EQ(after["InGame"], "1") << key;
        EXPECT_EQ(after["TurnCount"], before["TurnCount"]) << key;
        EXPECT_EQ(after["FriendshipTimer"], before["FriendshipTimer"]) << key;
    }
}
