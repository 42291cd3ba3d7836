#include <gtest/gtest.h>

#include "core/cmdline.h"

TEST(CommandLine, ReadsEveryOption) {
    CommandLine line;
    std::string error;
    ASSERT_TRUE(ParseCommandLine(
        {"--headless", "--script", "s.txt", "--root", "/tmp/x", "--seed", "-7", "--clock", "500"}, line, error))
        << error;
    EXPECT_TRUE(line.headless);
    EXPECT_EQ(line.script, "s.txt");
    EXPECT_EQ(line.root, "/tmp/x");
    EXPECT_TRUE(line.seedGiven);
    EXPECT_EQ(line.seed, -7);
    EXPECT_EQ(line.clock, 500);
}

TEST(CommandLine, RefusesBadArgumentsWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* reason;
    } cases[] = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--seed"}, "--seed needs a value"},
        {{"--seed", "12abc"}, "--seed needs a whole number"},
        {{"--seed", "99999999999"}, "--seed needs a whole number"},
        {{"--headless", "--clock", "-5"}, "--clock needs a whole number"},
        {{"--script", "a.txt"}, "add --headless"},
        {{"--clock", "5"}, "add --headless"},
        {{"--root"}, "--root needs a value"},
    };
    for (const auto& c : cases) {
        CommandLine line;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(c.args, line, error)) << c.args[0];
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}
