// A player's walk through the screens that run frames of their own: each names itself
// in the state dump while it is open, the game's own frames name none, and the look
// cursor shows its cell there only while it is open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

struct Stop {
    const char* where;
    const char* keys;        // script lines that lead there from the stop before
    const char* screen;      // the dump's ActiveScreen, "" for no such line
    const char* lookCursor;  // the dump's LookCursorX and LookCursorY, "" for none
};

// clang-format off
const Stop Walk[] = {
    {"title",          "wait 12\n",                                                      "1", ""},
    {"how to play",    "tap Down\nwait 10\ntap Down\nwait 10\ntap Down\nwait 10\n"
                       "tap Enter\nwait 12\n",                                           "3", ""},
    {"title again",    "tap Space\nwait 12\n",                                           "1", ""},
    {"wizard",         "tap Up\nwait 10\ntap Up\nwait 10\ntap Up\nwait 10\n"
                       "tap Enter\nwait 12\n",                                           "2", ""},
    {"first upgrades", "tap Enter\nwait 25\ntap Enter\nwait 25\ntap Enter\nwait 40\n",   "7", ""},
    {"the map",        "tap Space\nwait 25\n",                                           "",  ""},
    {"history",        "tap H\nwait 25\n",                                               "9", ""},
    {"recipes",        "tap Esc\nwait 25\ntap R\nwait 25\n",                             "8", ""},
    {"the map again",  "tap C\nwait 25\n",                                               "",  ""},
    {"looking",        "tap L\nwait 12\n",                                               "",  "8 26"},
    {"looking right",  "tap Right\nwait 6\n",                                            "",  "9 26"},
    {"done looking",   "tap L\nwait 12\n",                                               "",  ""},
};
// clang-format on

TEST(ActiveScreen, EachScreenNamesItselfInTheDumpOnlyWhileOpen) {
    TempFolder root;
    std::string script;
    for (size_t i = 0; i < std::size(Walk); ++i)
        script += std::string(Walk[i].keys) + "dump " + root.path + "/stop" + std::to_string(i) + ".txt\n";
    const RunResult r = RunHeadless(root.path, script, {"--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (size_t i = 0; i < std::size(Walk); ++i) {
        const Stop& stop = Walk[i];
        SCOPED_TRACE(stop.where);
        auto dump = ReadDump(root.path + "/stop" + std::to_string(i) + ".txt");
        ASSERT_FALSE(dump.empty());
        EXPECT_EQ(dump.count("ActiveScreen") ? dump["ActiveScreen"] : "", stop.screen);
        const std::string cell = dump.count("LookCursorX") ? dump["LookCursorX"] + " " + dump["LookCursorY"] : "";
        EXPECT_EQ(cell, stop.lookCursor);
        EXPECT_EQ(dump["UiMode"], *stop.lookCursor ? "4" : "0");
    }
}

}  // namespace
