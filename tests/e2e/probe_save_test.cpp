// hoofprobe's --save: the run's plan read from a player's save without touching it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

// A forest game begun with world seed 11 and saved on the way out.
const char* const NewForestGame =
    "wait 12\ntap Space\nwait 12\ntap Down\nwait 10\ntap Space\nwait 12\ntap Space\nwait 12\n"
    "tap Space\nwait 12\ntap Space\nwait 30\n";

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ProbeSave, ReadsTheRunsPlanAndLeavesTheSaveAlone) {
    TempFolder root;
    ASSERT_EQ(RunHeadless(root.path, NewForestGame, {"--seed", "11"}).status, 0);
    const std::string save = root.path + "/World/savedata.dat";
    const std::vector<unsigned char> before = ReadBytes(save);
    const std::vector<std::string> files = Listing(root.path + "/World");

    const RunResult fromSave = RunBinary("hoofprobe", {"sector", "--save", save});
    EXPECT_EQ(fromSave.status, 0) << fromSave.err;
    // The plan is the run's: its world seed, not the probe's default.
    EXPECT_NE(fromSave.out, RunBinary("hoofprobe", {"sector", "--scenario", "0"}).out);
    // An option after --save wins over the save; one before it gives way.
    const RunResult deeper = RunBinary("hoofprobe", {"sector", "--save", save, "--depth", "1"});
    EXPECT_EQ(deeper.out, RunBinary("hoofprobe", {"sector", "--depth", "1", "--save", save, "--depth", "1"}).out);
    EXPECT_NE(deeper.out, fromSave.out);
    EXPECT_EQ(RunBinary("hoofprobe", {"sector", "--depth", "1", "--save", save}).out, fromSave.out);
    // The chain walks from depth 0 to the depth asked for, whatever depth the save holds.
    const RunResult chain = RunBinary("hoofprobe", {"chain", "--save", save, "--to", "2"});
    EXPECT_EQ(chain.status, 0) << chain.err;
    EXPECT_EQ(std::count(chain.out.begin(), chain.out.end(), '\n'), 3);

    EXPECT_EQ(ReadBytes(save), before);
    EXPECT_EQ(Listing(root.path + "/World"), files);
}

TEST(ProbeSave, RefusesWhatIsNoSaveWithOneLine) {
    TempFolder root;
    const std::string path = root.path + "/savedata.dat";
    struct Case {
        const char* what;
        std::vector<int> ints;  // empty: no file at all
    };
    const Case cases[] = {{"missing", {}},
                          {"short", std::vector<int>(10, 1)},
                          {"long", std::vector<int>(508, 1)},
                          {"dead hero", std::vector<int>(507, 0)}};
    for (const Case& c : cases) {
        std::filesystem::remove(path);
        if (!c.ints.empty()) WriteBytes(path, IntBytes(c.ints));
        for (const char* command : {"sector", "chain", "map"}) {
            std::vector<std::string> args = {command, "--save", path};
            if (std::string(command) == "chain") args.insert(args.end(), {"--to", "1"});
            if (std::string(command) == "map") args.insert(args.end(), {"--out", root.path + "/m.png"});
            const RunResult r = RunBinary("hoofprobe", args);
            EXPECT_EQ(r.status, 2) << c.what << " " << command;
            EXPECT_TRUE(r.out.empty()) << c.what << " " << command;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << c.what << " " << command << ": " << r.err;
            EXPECT_NE(r.err.find(path), std::string::npos) << c.what << " " << command;
        }
        // Nothing is kept aside or made: the probe only reads.
        EXPECT_EQ(Listing(root.path),
                  c.ints.empty() ? std::vector<std::string>{} : std::vector<std::string>{"savedata.dat"})
            << c.what;
    }
}

}  // namespace
