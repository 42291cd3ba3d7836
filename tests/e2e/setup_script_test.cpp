// The set-up shared by ./play.sh and ./test.sh, run dry (HOOF_SETUP_DRY_RUN prints what
// it would install and run): playing installs and builds only the game and its
// pictures and says once that the first build takes a while; the suite builds it all.
// And a build folder configured for playing holds no test target.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// The output of scripts/setup.sh run dry with `args`.
std::string DryRun(const std::string& folder, const std::string& args) {
    const std::string log = folder + "/setup.log";
    const std::string command = "env HOOF_SETUP_DRY_RUN=1 " +
                                Quote(std::string(HOOF_SOURCE_DIR) + "/scripts/setup.sh") + " " + args + " >" +
                                Quote(log) + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadTextFile(log);
    return ReadTextFile(log);
}

bool Says(const std::string& out, const std::string& text) { return out.find(text) != std::string::npos; }

TEST(SetupScript, PlayingBuildsOnlyTheGameAndItsPicturesAndTheSuiteBuildsEverything) {
    TempFolder scratch;
    const std::string build = scratch.path + "/build";
    // clang-format off
    struct Case { const char* what; std::string args; bool play; };
    const Case cases[] = {
        {"play", "--play " + Quote(build) + " -DCMAKE_BUILD_TYPE=Release", true},
        {"test", Quote(build) + " -DCMAKE_BUILD_TYPE=Release", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string out = DryRun(scratch.path, c.args);
        for (const char* package : {"libsdl2-dev", "libpng-dev", "cmake"})
            EXPECT_TRUE(Says(out, package)) << c.what << ": " << package << "\n" << out;
        for (const char* package : {"libgtest-dev", "libbenchmark-dev"})
            EXPECT_EQ(Says(out, package), !c.play) << c.what << ": " << package << "\n" << out;
        EXPECT_EQ(Says(out, "-DHOOF_TESTING=OFF"), c.play) << c.what << "\n" << out;
        EXPECT_EQ(Says(out, "--target hoofbound images"), c.play) << c.what << "\n" << out;
        EXPECT_TRUE(Says(out, "-DCMAKE_BUILD_TYPE=Release")) << c.what << ": the caller's options pass on";
        EXPECT_EQ(Says(out, "takes a few minutes"), c.play) << c.what << "\n" << out;
    }
    // Once the game is built, playing again says nothing of minutes.
    WriteBytes(build + "/hoofbound", {'#', '!'});
    ASSERT_EQ(std::system(("chmod +x " + Quote(build + "/hoofbound")).c_str()), 0);
    EXPECT_FALSE(Says(DryRun(scratch.path, "--play " + Quote(build)), "takes a few minutes"));
}

TEST(SetupScript, AFolderConfiguredForPlayingHasNoTestTargets) {
    TempFolder scratch;
    const std::string build = scratch.path + "/build";
    const std::string log = scratch.path + "/configure.log";
    const std::string configure = "cmake -S " + Quote(HOOF_SOURCE_DIR) + " -B " + Quote(build) +
                                  " -DHOOF_TESTING=OFF -DHOOF_ART=OFF >" + Quote(log) + " 2>&1";
    ASSERT_EQ(std::system(configure.c_str()), 0) << ReadTextFile(log);
    const std::string targets = scratch.path + "/targets.txt";
    ASSERT_EQ(std::system(("cmake --build " + Quote(build) + " --target help >" + Quote(targets) + " 2>&1").c_str()),
              0);
    const std::string listed = ReadTextFile(targets);
    EXPECT_TRUE(Says(listed, "hoofbound")) << listed;
    for (const char* target : {"hoof_tests", "hoofbench", "hoof_soak_test", "hoof_sweep"})
        EXPECT_FALSE(Says(listed, target)) << target;
}

}  // namespace
