// The game on a World folder it cannot write, and on a disk with no room: the player is
// told, the old save stays whole and loads, and the game goes on meanwhile.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "support/test_support.h"

namespace {

const char* const NewGame =
    "wait 12\ntap Space\nwait 12\ntap Down\nwait 10\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\n"
    "wait 12\ntap Space\nwait 30\ntap Right\nwait 11\ntap Esc\nwait 11\ntap Esc\nwait 5\n";

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Loads the game (the title's cursor starts on Load Game), takes the way onward (`key`, from hoofcrashprep), dumps the
// state, and quits with Esc twice: three saves, each failing on the folder at hand.
std::string SectorChangeScript(const std::string& key, const std::string& dump) {
    return "wait 12\ntap Space\nwait 30\ntap " + key + "\nwait 40\ntap Right\nwait 11\ndump " + dump +
           "\ntap Esc\nwait 11\ntap Esc\nwait 5\n";
}

std::string LoadScript(const std::string& dump) { return "wait 12\ntap Space\nwait 30\ndump " + dump + "\nwait 0\n"; }

// Runs the game headless in `root`, as the user `uid` unless it is 0 (through setpriv,
// since root writes into read-only folders all the same).
RunResult RunAs(int uid, const std::string& root, const std::string& script, const std::string& scratch) {
    const std::string scriptPath = scratch + "/script.txt";
    WriteBytes(scriptPath, std::vector<unsigned char>(script.begin(), script.end()));
    std::string cmd;
    if (uid != 0)
        cmd = "setpriv --reuid=" + std::to_string(uid) + " --regid=" + std::to_string(uid) + " --clear-groups ";
    cmd += Quoted(std::string(HOOF_BINARY_DIR) + "/hoofbound") + " --headless --seed 5 --root " + Quoted(root) +
           " --script " + Quoted(scriptPath) + " </dev/null >" + Quoted(scratch + "/out") + " 2>" +
           Quoted(scratch + "/err");
    const int raw = std::system(cmd.c_str());
    RunResult r;
    r.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = ReadTextFile(scratch + "/err");
    return r;
}

std::map<std::string, std::vector<unsigned char>> WorldFiles(const std::string& root) {
    std::map<std::string, std::vector<unsigned char>> files;
    const std::string cmd = "ls -A " + Quoted(root + "/World") + " > " + Quoted(root + "/../world.list");
    if (std::system(cmd.c_str()) != 0) return files;
    const std::string list = ReadTextFile(root + "/../world.list");
    size_t start = 0;
    while (start < list.size()) {
        const size_t end = list.find('\n', start);
        const std::string name = list.substr(start, end - start);
        if (!name.empty()) files[name] = ReadBytes(root + "/World/" + name);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return files;
}

bool LogSays(const std::map<std::string, std::string>& dump, const std::string& words) {
    for (const auto& [name, value] : dump) {
        if (name.rfind("MessageLog[", 0) == 0 && value.find(words) != std::string::npos) return true;
    }
    return false;
}

// Makes a game in `root` and readies its hero beside the way onward; returns the key
// that takes it.
std::string GameBesideTheWayOnward(const std::string& root, const std::string& scratch) {
    const RunResult made = RunAs(0, root, NewGame, scratch);
    EXPECT_EQ(made.status, 0) << made.err;
    const RunResult ready = RunBinary("hoofcrashprep", {root, "exit"});
    EXPECT_EQ(ready.status, 0) << ready.err;
    std::string key = ready.out;
    while (!key.empty() && key.back() == '\n') key.pop_back();
    return key;
}

// What every case checks once the saves have failed: the player heard why, the game went
// on into the next sector, nothing crashed, the old files are as they were and still load.
void ExpectToldAndUnharmed(const RunResult& run, const std::string& scratch, const std::string& root,
                           const std::map<std::string, std::vector<unsigned char>>& before, const std::string& why) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Could not save World/"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    const auto dump = ReadDump(scratch + "/changed.txt");
    EXPECT_EQ(dump.at("InGame"), "1");
    EXPECT_EQ(dump.at("Depth"), "1") << "the game did not go on into the next sector";
    EXPECT_TRUE(LogSays(dump, "The game was not saved; the last save is kept."));
    EXPECT_TRUE(LogSays(dump, "Could not save World/")) << ReadTextFile(scratch + "/changed.txt");
    EXPECT_EQ(WorldFiles(root), before) << "a file of the old save changed, or a temporary file stayed";
}

}  // namespace

TEST(CrashDisk, AReadOnlyWorldFolderKeepsTheOldSaveAndTheGameGoesOn) {
    TempFolder scratch;
    const std::string root = scratch.path + "/root";
    const std::string key = GameBesideTheWayOnward(root, scratch.path);
    ASSERT_FALSE(key.empty());
    const auto before = WorldFiles(root);
    ASSERT_EQ(before.count("savedata.dat"), 1u);
    // The root stays writable (the game refuses a root it cannot write); World/ is locked.
    chmod(scratch.path.c_str(), 0777);
    chmod(root.c_str(), 0777);
    chmod((root + "/World").c_str(), 0555);
    const RunResult run = RunAs(65534, root, SectorChangeScript(key, scratch.path + "/changed.txt"), scratch.path);
    chmod((root + "/World").c_str(), 0755);
    ExpectToldAndUnharmed(run, scratch.path, root, before, "Permission denied");

    const RunResult load = RunAs(0, root, LoadScript(scratch.path + "/loaded.txt"), scratch.path);
    EXPECT_EQ(load.status, 0) << load.err;
    const auto loaded = ReadDump(scratch.path + "/loaded.txt");
    EXPECT_EQ(loaded.at("InGame"), "1");
    EXPECT_EQ(loaded.at("Depth"), "0");
}

TEST(CrashDisk, AFullDiskKeepsTheOldSaveAndTheGameGoesOn) {
    TempFolder scratch;
    const std::string root = scratch.path + "/root";
    mkdir(root.c_str(), 0755);
    // A small disk of its own; where mounting is not allowed the file layer's own tests
    // (a file-size limit) stand in for it.
    if (mount("tmpfs", root.c_str(), "tmpfs", 0, "size=200k") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
    struct Unmount {
        std::string path;
        ~Unmount() { umount2(path.c_str(), MNT_DETACH); }
    } unmount{root};
    const std::string key = GameBesideTheWayOnward(root, scratch.path);
    ASSERT_FALSE(key.empty());
    const auto before = WorldFiles(root);
    ASSERT_EQ(before.count("savedata.dat"), 1u);
    // Fill the disk up to a few kilobytes: less than one sector file.
    const std::string fill = "dd if=/dev/zero of=" + Quoted(root + "/filler") + " bs=4k 2>/dev/null; " +
                             "truncate -s -8k " + Quoted(root + "/filler");
    ASSERT_EQ(std::system(fill.c_str()), 0);
    const RunResult run = RunAs(0, root, SectorChangeScript(key, scratch.path + "/changed.txt"), scratch.path);
    ExpectToldAndUnharmed(run, scratch.path, root, before, "No space left on device");

    unlink((root + "/filler").c_str());
    const RunResult load = RunAs(0, root, LoadScript(scratch.path + "/loaded.txt"), scratch.path);
    EXPECT_EQ(load.status, 0) << load.err;
    const auto loaded = ReadDump(scratch.path + "/loaded.txt");
    EXPECT_EQ(loaded.at("InGame"), "1");
    EXPECT_EQ(loaded.at("Depth"), "0");
}
