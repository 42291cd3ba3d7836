#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

TEST(ItemProbe, ItemAndPricePrintExactly) {
    RunResult r = RunBinary("hoofprobe", {"item", "4", "2", "5", "--fashion", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "pretty acc.\n"
              "It's a very pretty  jewel\n"
              "Mods:   ATK(1)   DEF(1)   STR(3)   SPD(1)   MAG(2)   CON(2)\n"
              "mods 1 1 3 1 2 2\n");
    r = RunBinary("hoofprobe", {"item", "104", "0", "0", "--hero", "5"});
    EXPECT_EQ(r.out, "Oranges\nThey aren't apples!\n\nmods 0 0 0 0 0 0\n");
    r = RunBinary("hoofprobe", {"price", "24", "0", "0", "--sales", "1"});
    EXPECT_EQ(r.out, "89\n");
    r = RunBinary("hoofprobe", {"price", "140", "1", "1"});
    EXPECT_EQ(r.out, "29\n");
}

TEST(ItemProbe, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"item", "1", "2"},
        {"item", "1", "2", "x"},
        {"item", "1", "2", "3", "--hero", "7"},
        {"item", "1", "2", "3", "--fashion"},
        {"item", "1", "2", "3", "--sales", "1"},
        {"price", "1", "2", "3", "4"},
        {"price", "1", "2", "3", "--sales", "4"},
        {"price", "1", "2", "3", "--sales", "1", "--sales", "2"},
    };
    for (const auto& args : bad) {
        const RunResult r = RunBinary("hoofprobe", args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args.size();
        EXPECT_EQ(r.out, "");
        int lines = 0;
        for (char c : r.err) lines += c == '\n';
        EXPECT_EQ(lines, 1) << r.err;
    }
}

}  // namespace
