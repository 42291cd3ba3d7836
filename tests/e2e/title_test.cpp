// The game binary played headless by scripts, as a player or a checker would run it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/files.h"
#include "platform/png_io.h"
#include "support/test_support.h"

namespace {

struct Shot {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    // 0xRRGGBB at (x, y)
    unsigned At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * w + x) * 4;
        return static_cast<unsigned>(rgba[i]) << 16 | static_cast<unsigned>(rgba[i + 1]) << 8 | rgba[i + 2];
    }
};

Shot LoadShot(const std::string& path) {
    Shot s;
    std::string error;
    EXPECT_TRUE(LoadPng(path, s.w, s.h, s.rgba, error)) << path << ": " << error;
    return s;
}

constexpr unsigned Lavender = 0x9696CD;  // (150, 150, 205): bands and highlight bar
constexpr unsigned Panel = 0x141428;     // (20, 20, 40): menu and credits panels

}  // namespace

TEST(Title, HoldingDownMovesTheCursorEveryTenFramesAndStopsOnQuit) {
    TempFolder root;
    // The title starts with InputDelay 10: the first move comes on frame 11.
    // clang-format off
    const RunResult r = RunHeadless(root.path,
                                    "hold Down\n"
                                    "wait 9\n dump " + root.path + "/f10.txt\n"
                                    "wait 0\n dump " + root.path + "/f11.txt\n"
                                    "wait 8\n dump " + root.path + "/f20.txt\n"
                                    "wait 0\n dump " + root.path + "/f21.txt\n"
                                    "wait 200\n dump " + root.path + "/end.txt\n");
    // clang-format on
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadDump(root.path + "/f10.txt")["MenuCursor"], "0");
    EXPECT_EQ(ReadDump(root.path + "/f11.txt")["MenuCursor"], "1");
    EXPECT_EQ(ReadDump(root.path + "/f20.txt")["MenuCursor"], "1");
    EXPECT_EQ(ReadDump(root.path + "/f21.txt")["MenuCursor"], "2");
    EXPECT_EQ(ReadDump(root.path + "/end.txt")["MenuCursor"], "5");
}

TEST(Title, EscEndsAtOnceAndWritesNothing) {
    TempFolder root;
    const RunResult r = RunHeadless(root.path, "tap Esc\nwait 5\ndump " + root.path + "/late.txt\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(Exists(root.path + "/late.txt"));
    EXPECT_FALSE(Exists(root.path + "/GlobalData.dat"));
    EXPECT_FALSE(Exists(root.path + "/RecipeBook.dat"));
    EXPECT_FALSE(Exists(root.path + "/World/savedata.dat"));
}

TEST(Title, TheCloseButtonEndsTheProgram) {
    TempFolder root;
    const RunResult r = RunHeadless(root.path, "wait 3\nclose\nwait 5\ndump " + root.path + "/late.txt\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(Exists(root.path + "/late.txt"));
}

TEST(Title, ScreenshotShowsBandsPanelAndHighlight) {
    TempFolder root;
    const RunResult r = RunHeadless(root.path, "wait 30\nshot " + root.path + "/t.png\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Shot s = LoadShot(root.path + "/t.png");
    ASSERT_EQ(s.w, 1024);
    ASSERT_EQ(s.h, 768);
    EXPECT_EQ(s.At(500, 40), Lavender);   // top band
    EXPECT_EQ(s.At(50, 200), Lavender);   // left band beside the scene
    EXPECT_EQ(s.At(960, 200), Lavender);  // right band
    EXPECT_EQ(s.At(600, 500), Lavender);  // band under the scene
    EXPECT_EQ(s.At(102, 393), Panel);     // menu panel top-left corner
    EXPECT_EQ(s.At(290, 411), Lavender);  // highlight bar on "Start New Game"
    EXPECT_EQ(s.At(290, 441), Panel);     // "Load Game" is not highlighted
    EXPECT_EQ(s.At(650, 740), Panel);     // credits panel
}

TEST(Title, ScreenModeSwitchTakesEffectAndSurvivesARestart) {
    TempFolder root;
    // Title: down to Options (4), choose; options: down to Window Mode, switch,
    // up to Return, leave; then close.
    const std::string toOptions = "tap Down 1\nwait 10\n";
    std::string script = "wait 10\n";
    for (int i = 0; i < 4; ++i) script += toOptions;
    script += "tap Enter\nwait 12\ntap Down\nwait 10\ntap Space\nwait 10\n";
    script += "shot " + root.path + "/switched.png\n";
    script += "tap Up\nwait 10\ntap Space\nwait 12\n";
    script += "dump " + root.path + "/after.txt\n";
    RunResult r = RunHeadless(root.path, script);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(LoadShot(root.path + "/switched.png").w, 800);
    auto dump = ReadDump(root.path + "/after.txt");
    EXPECT_EQ(dump["GlobalData[12]"], "1");
    EXPECT_EQ(dump["ScreenHeight"], "600");
    const auto bytes = ReadBytes(root.path + "/GlobalData.dat");
    ASSERT_EQ(bytes.size(), 84u);
    EXPECT_EQ(bytes[48], 1);

    r = RunHeadless(root.path, "wait 2\nshot " + root.path + "/next.png\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Shot s = LoadShot(root.path + "/next.png");
    EXPECT_EQ(s.w, 800);
    EXPECT_EQ(s.h, 600);
    EXPECT_EQ(s.At(400, 20), Lavender);  // the top band is 40 high at this size
    EXPECT_EQ(s.At(102, 353), Panel);    // menu panel at (100, 350)
}

TEST(Title, HighScoresAreReadAtStartAndDeletedFromOptions) {
    TempFolder root;
    const auto file = ScoreFile({{1234, "TANSY BROOK defeated Skarnix!", 9}});
    WriteBytes(root.path + "/highscores2.dat", file);
    WriteBytes(root.path + "/Highscores.dat", file);
    std::string script = "wait 10\ndump " + root.path + "/start.txt\n";
    for (int i = 0; i < 4; ++i) script += "tap Down\nwait 10\n";
    script += "tap Space\nwait 12\n";
    for (int i = 0; i < 4; ++i) script += "tap Down\nwait 10\n";
    script += "tap Space\nwait 10\ndump " + root.path + "/deleted.txt\n";
    const RunResult r = RunHeadless(root.path, script);
    ASSERT_EQ(r.status, 0) << r.err;
    auto start = ReadDump(root.path + "/start.txt");
    EXPECT_EQ(start["HighScoreValue[0,1]"], "1234");
    EXPECT_EQ(start["HighScoreName[0,1]"], "TANSY BROOK defeated Skarnix!");
    EXPECT_EQ(start["HighScoreDepth[0,1]"], "9");
    EXPECT_EQ(ReadDump(root.path + "/deleted.txt")["HighScoreValue[0,1]"], "0");
    EXPECT_FALSE(Exists(root.path + "/highscores2.dat"));
    EXPECT_FALSE(Exists(root.path + "/Highscores.dat"));
}

TEST(Title, DamagedGlobalFileIsReportedAndThePlayGoesOn) {
    TempFolder root;
    WriteBytes(root.path + "/GlobalData.dat", {1, 2, 3});
    WriteBytes(root.path + "/Highscores3.dat", IntBytes({5, -7, 0}));
    const RunResult r = RunHeadless(root.path, "wait 20\ndump " + root.path + "/d.txt\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(
        r.err.find("GlobalData.dat is damaged (it has 3 bytes instead of 84); it is kept as Damaged/"),
        std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Highscores3.dat is damaged"), std::string::npos) << r.err;
    EXPECT_EQ(ReadDump(root.path + "/d.txt")["ScreenWidth"], "1024");
    EXPECT_EQ(ReadBytes(Aside(root.path, "GlobalData.dat")).size(), 3u) << "the damaged file must be kept";
    EXPECT_EQ(ReadBytes(Aside(root.path, "Highscores3.dat")), IntBytes({5, -7, 0}));
}

TEST(CommandLine, BadArgumentsScriptsAndRootsGiveStatusTwo) {
    TempFolder root;
    RunResult r = RunBinary("hoofbound", {"--bogus"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown option '--bogus'"), std::string::npos);
    EXPECT_NE(r.err.find("usage: hoofbound"), std::string::npos);

    r = RunHeadless(root.path, "wait 1\nshot " + root.path + "/x.png\nfly away\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("script line 3: unknown step 'fly'"), std::string::npos) << r.err;
    EXPECT_FALSE(Exists(root.path + "/x.png")) << "no frame may run before the script is read";

    r = RunBinary("hoofbound", {"--headless", "--root", "/proc/no-such-root"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("/proc/no-such-root"), std::string::npos);

    r = RunBinary("hoofbound", {"--headless", "--script", root.path + "/missing.txt", "--root", root.path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot read the script"), std::string::npos);

    r = RunBinary("hoofbound", {"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Hoofbound: Thornwild Roguelike: v 0.7\n");
}

TEST(Probe, RandAndUnitPrintTheGeneratorsDraws) {
    RunResult r = RunBinary("hoofprobe", {"rand", "1", "150", "1", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    int lines = 0;
    for (char c : r.out) lines += c == '\n';
    EXPECT_EQ(lines, 4);
    // Seed 1's first unit draw is built from the states 48271 and 182605794.
    r = RunBinary("hoofprobe", {"unit", "1", "1"});
    EXPECT_EQ(r.out, "8.9908690227513688e-05\n");
    r = RunBinary("hoofprobe", {"rand", "1", "2", "x", "3"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("'x' is not a whole number"), std::string::npos);
}

TEST(DataFolder, AnUnwritableProgramFolderFallsBackToThePerUserFolder) {
    // A copy of the game in a folder it cannot write, with no pictures beside it, run
    // by an ordinary user (as root the folder's permission bits would not bind).
    TempFolder place;
    const std::string bin = place.path + "/bin";
    const std::string data = place.path + "/xdg";
    const std::string script = place.path + "/script.txt";
    WriteBytes(script, {'w', 'a', 'i', 't', ' ', '3', '\n'});
    std::string cmd = "mkdir -p '" + bin + "' '" + data + "' && cp '" HOOF_BINARY_DIR "/hoofbound' '" + bin +
                      "/' && chmod 0555 '" + bin + "' && chmod 0777 '" + data + "' && chmod 0755 '" + place.path + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::string run = "XDG_DATA_HOME='" + data + "' '" + bin + "/hoofbound' --headless --script '" + script + "'";
    if (geteuid() == 0) run = "runuser -u nobody -- env " + run;
    run += " 2>'" + place.path + "/err'";
    const int status = std::system(run.c_str());
    const std::string err = ReadTextFile(place.path + "/err");
    ASSERT_EQ(status, 0) << err;
    EXPECT_NE(err.find("cannot be written; keeping saves and settings in " + data + "/hoofbound"), std::string::npos)
        << err;
    EXPECT_TRUE(Exists(data + "/hoofbound/World"));
    // Each missing picture is named once, and the game runs on without it.
    size_t mentions = 0;
    for (size_t at = err.find("introscene.png"); at != std::string::npos; at = err.find("introscene.png", at + 1))
        ++mentions;
    EXPECT_EQ(mentions, 1u) << err;
    EXPECT_NE(err.find("font.png"), std::string::npos);
}

TEST(NewGame, StartingAGameWritesTheFirstSectorTheSaveAndTheSeedRecord) {
    TempFolder root;
    WriteBytes(root.path + "/World/Forest7.flr", {1, 2, 3});  // a stale file of an older game
    // Title: Start New Game; wizard: first hero, normal, forest quest; abilities: Done.
    const RunResult r = RunHeadless(root.path,
                                    "wait 12\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\n"
                                    "tap Space\nwait 12\ntap Space\nwait 30\n",
                                    {"--seed", "4242"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(root.path + "/World/Forest0.flr").size(), 52140u);
    EXPECT_EQ(ReadBytes(root.path + "/World/savedata.dat").size(), 2028u);
    EXPECT_EQ(ReadBytes(root.path + "/prevseed.dat"), IntBytes({4242}));
    EXPECT_FALSE(Exists(root.path + "/World/Forest7.flr")) << "a new game clears the save folder";
}

TEST(NewGame, ADamagedSaveIsKeptAsideAndTheTitleSaysSo) {
    TempFolder root;
    WriteBytes(root.path + "/World/savedata.dat", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    // The cursor starts on "Load Game" because a save exists.
    const RunResult r = RunHeadless(root.path, "wait 12\ndump " + root.path + "/before.txt\ntap Space\nwait 12\nshot " +
                                                   root.path + "/after.png\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadDump(root.path + "/before.txt")["MenuCursor"], "1");
    EXPECT_EQ(ReadBytes(Aside(root.path, "World/savedata.dat")).size(), 10u);
    EXPECT_FALSE(Exists(root.path + "/World/savedata.dat"));
    EXPECT_NE(r.err.find("savedata.dat is damaged"), std::string::npos) << r.err;
    // The notice replaces the credits in a warm yellow (text needs the font picture).
    if (!Exists(HOOF_BINARY_DIR "/images/font.png")) return;
    const Shot s = LoadShot(root.path + "/after.png");
    bool yellow = false;
    for (int x = 110; x < 600 && !yellow; ++x) yellow = s.At(x, 768 - 33) == 0xFFDC78 || s.At(x, 768 - 32) == 0xFFDC78;
    EXPECT_TRUE(yellow);
}

TEST(NewGame, EscTwiceSavesAndLoadGameResumesTheSameRun) {
    TempFolder root;
    const std::string newGame =
        "wait 12\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\n"
        "tap Space\nwait 12\ntap Space\nwait 30\n";
    std::string play = newGame + "hold Up\nwait 80\nrelease Up\nhold Left\nwait 60\nrelease Left\nwait 12\n";
    play += "dump " + root.path + "/before.txt\ntap Esc\nwait 12\ntap Esc\nwait 3\n";
    play += "dump " + root.path + "/never.txt\n";
    RunResult r = RunHeadless(root.path, play, {"--seed", "77"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(Exists(root.path + "/never.txt")) << "the second Esc ends the program at once";
    EXPECT_EQ(ReadBytes(root.path + "/World/savedata.dat").size(), 2028u);

    // The title offers the save first; choosing it resumes the run.
    r = RunHeadless(root.path, "wait 12\ntap Space\nwait 12\ndump " + root.path + "/after.txt\n");
    ASSERT_EQ(r.status, 0) << r.err;
    auto before = ReadDump(root.path + "/before.txt");
    auto after = ReadDump(root.path + "/after.txt");
    ASSERT_EQ(before["InGame"], "1");
    ASSERT_EQ(after["InGame"], "1");
    // What the run is made of comes back exactly; menus, timers of the screen and the
    // generator's state are not part of a save.
    const std::vector<std::string> screenOnly = {"InputDelay", "MenuCursor", "QuitArmed", "TitleScroll", "TitleFade",
                                                 "RandomState", "WaterFrame", "WaterTick", "MouseTileX", "MouseTileY",
                                                 // working values of the rules, never saved
                                                 "DistanceResult", "LookupName", "LookupText", "LookupText2",
                                                 "AttackerSlot", "DefenderSlot", "MonDamageTaken[0]"};
    for (const auto& [name, value] : before) {
        const bool skip = std::find(screenOnly.begin(), screenOnly.end(), name) != screenOnly.end() ||
                          name.rfind("MessageLog[", 0) == 0 || name.rfind("Hover", 0) == 0;
        if (skip) continue;
        EXPECT_EQ(after[name], value) << name;
    }
    EXPECT_GT(std::stoi(before["TurnCount"]), 0);
    EXPECT_NE(before["TerrainHash"], "");
}

namespace {

// A level-1 forest hero at the first sector, as a new game saves him: 507 ints.
std::vector<int> PlausibleSave() {
    std::vector<int> ints(507, 0);
    ints[1] = 20;            // x
    ints[2] = 30;            // y
    ints[3] = ints[4] = 50;  // hit points and their most
    ints[5] = ints[6] = 10;  // magic points
    ints[8] = 1;             // level
    ints[15] = 20;           // experience for the next level
    ints[20] = 9;            // satchel size
    ints[24] = 1;            // hero
    for (int e = 0; e < 6; ++e) ints[256 + 3 * e] = -1;
    return ints;
}

bool NoticeShown(const std::string& png) {
    const Shot s = LoadShot(png);
    for (int x = 110; x < 600; ++x)
        if (s.At(x, s.h - 33) == 0xFFDC78 || s.At(x, s.h - 32) == 0xFFDC78) return true;
    return false;
}

}  // namespace

TEST(LoadGame, ASaveNoRunCouldWriteIsKeptAsideNeverScoredAndWorldStays) {
    std::vector<int> dead = PlausibleSave();
    dead[3] = -5;
    dead[406 + 47] = 1;  // normal: a death there is scored and empties World/
    const struct {
        const char* name;
        std::vector<unsigned char> bytes;
        const char* why;
    } cases[] = {
        {"a dead hero", IntBytes(dead), "the hero's hit points are -5"},
        {"2028 bytes of 0xFF", std::vector<unsigned char>(2028, 0xFF), "the hero's hit points are -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        WriteBytes(root.path + "/World/savedata.dat", c.bytes);
        const std::vector<unsigned char> sector(52140, 7);
        WriteBytes(root.path + "/World/Forest0.flr", sector);
        // The cursor starts on Load Game; choose it, look at the title, then press on
        // for a while as a player would who thinks the game has begun.
        // The player's own file in World/ is none of the game's business.
        WriteBytes(root.path + "/World/notes.txt", {'h', 'i'});
        // Then a new game: what was kept aside must outlive it.
        const RunResult r = RunHeadless(
            root.path, "wait 12\ntap Space\nwait 30\nshot " + root.path + "/after.png\ndump " + root.path +
                           "/after.txt\nhold Right\nwait 300\nrelease Right\nwait 30\n"
                           "tap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\n"
                           "tap Space\nwait 30\ndump " +
                           root.path + "/new.txt\n");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("World/savedata.dat is damaged (" + std::string(c.why) + ")"), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(Aside(root.path, "World/savedata.dat")), c.bytes);
        EXPECT_EQ(ReadBytes(Aside(root.path, "World/Forest0.flr")), sector) << "the refused run's sector is kept";
        EXPECT_NE(ReadTextFile(Aside(root.path, "why.txt")).find(c.why), std::string::npos) << "the note says why";
        EXPECT_EQ(ReadBytes(root.path + "/World/notes.txt"), (std::vector<unsigned char>{'h', 'i'}));
        EXPECT_EQ(ReadDump(root.path + "/new.txt")["InGame"], "1") << "the new game began";
        EXPECT_EQ(ReadBytes(root.path + "/World/savedata.dat").size(), 2028u);
        auto after = ReadDump(root.path + "/after.txt");
        EXPECT_EQ(after["InGame"], "0") << "still on the title";
        EXPECT_EQ(after["MenuCursor"], "0");
        for (const char* file : {"/Highscores.dat", "/Highscores2.dat", "/Highscores3.dat"})
            EXPECT_FALSE(Exists(root.path + file)) << "never scored: " << file;
        EXPECT_EQ(after["HighScoreValue[0,0]"], "0");
        if (Exists(HOOF_BINARY_DIR "/images/font.png")) {
            EXPECT_TRUE(NoticeShown(root.path + "/after.png"));
        }
    }
}

TEST(LoadGame, AMissingSectorIsSaidToBeMissingAndMadeAnew) {
    TempFolder root;
    WriteBytes(root.path + "/World/savedata.dat", IntBytes(PlausibleSave()));
    const RunResult r = RunHeadless(root.path, "wait 12\ntap Space\nwait 12\ndump " + root.path + "/in.txt\n",
                                    {"--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto in = ReadDump(root.path + "/in.txt");
    EXPECT_EQ(in["InGame"], "1");
    EXPECT_EQ(in["MonHp[0]"], "50");
    EXPECT_NE(in["TerrainHash"], "");
    bool missing = false;
    for (const auto& [name, value] : in) {
        if (name.rfind("MessageLog[", 0) != 0) continue;
        missing = missing || value == "This sector's file was missing; the sector was made anew.";
        EXPECT_EQ(value.find("kept aside"), std::string::npos) << value;
    }
    EXPECT_TRUE(missing);
    EXPECT_FALSE(Exists(Aside(root.path, "World/Forest0.flr")));
}

TEST(DataRoot, ASecondCopyOnOneRootWritesNothingAndSaysSo) {
    TempFolder root;
    // This test holds the root as the first copy of the game would.
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(root.path, error)) << error;
    ASSERT_FALSE(DataRootShared());
    WriteBytes(root.path + "/World/savedata.dat.tmp1", {1});  // the first copy's save under way
    const std::string newGame =
        "wait 12\nshot " + root.path + "/title.png\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\n"
        "tap Space\nwait 12\ntap Space\nwait 30\ndump " + root.path + "/d.txt\n";
    const RunResult r = RunHeadless(root.path, newGame, {"--seed", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("another copy of the game is using this data folder"), std::string::npos) << r.err;
    EXPECT_EQ(ReadDump(root.path + "/d.txt")["InGame"], "1") << "the game still plays";
    EXPECT_FALSE(Exists(root.path + "/World/savedata.dat")) << "nothing written";
    EXPECT_FALSE(Exists(root.path + "/World/Forest0.flr"));
    EXPECT_TRUE(Exists(root.path + "/World/savedata.dat.tmp1")) << "the first copy's files are left alone";
    if (Exists(HOOF_BINARY_DIR "/images/font.png")) {
        EXPECT_TRUE(NoticeShown(root.path + "/title.png"));
    }

    // The lock goes with the copy that held it: one started afterwards saves.
    TempFolder other;
    ASSERT_TRUE(ChooseDataRoot(other.path, error));  // this process lets the root go
    const RunResult again = RunHeadless(root.path, newGame, {"--seed", "3"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadBytes(root.path + "/World/savedata.dat").size(), 2028u);
}

TEST(DataRoot, WhatIsNoFileIsNeverReadAndAScriptMustBeOne) {
    // A device, a pipe and a folder where the game expects its files: start-up neither
    // blocks nor fills the memory, and the title shows. (Before, a pipe blocked for ever.)
    TempFolder root;
    ASSERT_EQ(symlink("/dev/zero", (root.path + "/Settings.txt").c_str()), 0);
    ASSERT_EQ(mkfifo((root.path + "/GlobalData.dat").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((root.path + "/SaveInProgress.txt").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", (root.path + "/RecipeBook.dat").c_str()), 0);
    const RunResult r = RunHeadless(root.path, "wait 12\ndump " + root.path + "/d.txt\n", {"--seed", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadDump(root.path + "/d.txt")["InGame"], "0");
    for (const char* name : {"Settings.txt", "GlobalData.dat", "SaveInProgress.txt", "RecipeBook.dat"}) {
        struct stat st {};
        EXPECT_EQ(lstat(Aside(root.path, name).c_str(), &st), 0) << name << " is kept aside";
    }

    // --script: a pipe, a device, a folder and a file far too large are refused with 2.
    TempFolder place;
    const std::string fifo = place.path + "/fifo", big = place.path + "/big.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    WriteBytes(big, {});
    ASSERT_EQ(truncate(big.c_str(), 100LL << 20), 0);
    for (const std::string& script : {fifo, std::string("/dev/zero"), place.path, big}) {
        SCOPED_TRACE(script);
        const RunResult bad = RunBinary("hoofbound", {"--headless", "--root", root.path, "--script", script});
        EXPECT_EQ(bad.status, 2);
        EXPECT_NE(bad.err.find("cannot read the script"), std::string::npos) << bad.err;
    }
}
