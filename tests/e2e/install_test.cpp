// The installed game: `cmake --install` into a scratch prefix, then the program run from
// there finds its pictures in the shared folder and keeps the player's files in their
// own folder, not beside the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

TEST(Install, LaysOutADesktopGameThatSavesInThePlayersFolder) {
    TempFolder scratch;
    const std::string prefix = scratch.path + "/prefix";
    const std::string home = scratch.path + "/home";
    const std::string install = "cmake --install " + Quote(HOOF_BINARY_DIR) + " --prefix " + Quote(prefix) + " >" +
                                Quote(scratch.path + "/install.log") + " 2>&1";
    ASSERT_EQ(std::system(install.c_str()), 0) << ReadTextFile(scratch.path + "/install.log");
    for (const char* file : {"/bin/hoofbound", "/share/hoofbound/images/tiles.png", "/share/hoofbound/images/font.png",
                             "/share/applications/hoofbound.desktop", "/share/icons/hicolor/72x72/apps/hoofbound.png"})
        EXPECT_TRUE(Exists(prefix + file)) << file;
    EXPECT_FALSE(Exists(prefix + "/bin/images")) << "the pictures belong in share/, not beside the program";

    // The title, drawn from the installed pictures, then quit.
    const std::string script = "wait 5\nshot " + scratch.path + "/title.png\ntap Esc\nwait 5\n";
    WriteBytes(scratch.path + "/script.txt", std::vector<unsigned char>(script.begin(), script.end()));
    const std::string run = "env HOME=" + Quote(home) + " XDG_DATA_HOME= " + Quote(prefix + "/bin/hoofbound") +
                            " --headless --clock 0 --script " + Quote(scratch.path + "/script.txt") + " >" +
                            Quote(scratch.path + "/run.log") + " 2>&1";
    ASSERT_EQ(std::system(run.c_str()), 0) << ReadTextFile(scratch.path + "/run.log");
    EXPECT_TRUE(Exists(home + "/.local/share/hoofbound/World")) << "the saves go to the player's own folder";
    EXPECT_FALSE(Exists(prefix + "/bin/World")) << "never beside an installed program";
    // A title drawn without its pictures would be nearly empty; with them it is a picture.
    EXPECT_GT(ReadBytes(scratch.path + "/title.png").size(), 20000u);
    EXPECT_EQ(ReadTextFile(scratch.path + "/run.log").find("could not"), std::string::npos)
        << ReadTextFile(scratch.path + "/run.log");
}

}  // namespace
