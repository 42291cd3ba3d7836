// A save cut short at every step: a child process saves and is killed before step K
// (the file layer's step seam stops it there), and the folder it leaves must hold every
// game file whole, and after start-up all of them from one moment.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "core/messagelog.h"
#include "core/state.h"
#include "persist/highscores.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "platform/files.h"
#include "support/data_root_fixture.h"
#include "support/test_support.h"

namespace {

using Folder = std::map<std::string, std::vector<unsigned char>>;

// Every file in the data root and in World/, by its name inside the root.
Folder Snapshot(const std::string& root) {
    Folder files;
    for (const std::string& sub : {std::string(), std::string("World/")}) {
        DIR* dir = opendir((root + "/" + sub).c_str());
        if (!dir) continue;
        while (dirent* entry = readdir(dir)) {
            const std::string name = sub + entry->d_name;
            if (entry->d_type == DT_REG) files[name] = ReadBytes(root + "/" + name);
        }
        closedir(dir);
    }
    return files;
}

void Restore(const std::string& root, const Folder& files) {
    for (const auto& [name, bytes] : Snapshot(root)) unlink((root + "/" + name).c_str());
    for (const auto& [name, bytes] : files) WriteBytes(root + "/" + name, bytes);
}

// Runs `save` in a child that stops before file step `step`, then kills it. True when
// the child was stopped (and killed) there; false when the save ended first.
bool SaveKilledAtStep(const std::function<void()>& save, int step) {
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);  // the seam tells every step on stderr
        const std::string setting = "stop:" + std::to_string(step);
        SetFileStepSeam(setting.c_str());
        save();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, WUNTRACED);
    if (!WIFSTOPPED(status)) return false;
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return true;
}

std::string Describe(const Folder& files) {
    std::string text;
    for (const auto& [name, bytes] : files) text += name + " (" + std::to_string(bytes.size()) + " bytes) ";
    return text;
}

struct CrashCase {
    const char* what;
    std::function<void()> change;  // the tables' change between the old save and the new
    std::function<void()> save;
};

}  // namespace

using CrashedSave = DataRootTest;

TEST_F(CrashedSave, EveryStepLeavesWholeFilesAndStartUpLeavesOneMoment) {
    const CrashCase cases[] = {
        {"a run's save",
         [] { TurnCount = 2, MonX[0] = 9, MapTerrain[3][4] = 7, GlobalData[12] = 1, RecipeBook[5] = 1; },
         [] { SaveRun(); }},
        // The scored end of a run: the high score goes in and World/ is emptied.
        {"the end of a run",
         [] {
             HighScoreValue[0][0] = 500;
             HighScoreName[0][0] = "Quenby";
         },
         [] {
             BeginFileGroup();
             WriteHighScores(0);
             ClearSaveFolder();
             CommitFileGroup();
         }},
    };
    for (const CrashCase& c : cases) {
        SCOPED_TRACE(c.what);
        ClearAllTables();
        for (auto& column : MapTerrain) {
            for (int& cell : column) cell = 2;
        }
        MonHp[0] = MonMaxHp[0] = 10;
        ASSERT_TRUE(SaveRun());
        ASSERT_TRUE(WriteHighScores(0));
        ASSERT_TRUE(WriteWholeFile("World/Forest3.flr", {1, 2, 3, 4}));  // a sector visited before
        const Folder before = Snapshot(folder.path);
        c.change();
        ASSERT_FALSE(SaveKilledAtStep(c.save, 1000000));
        const Folder after = Snapshot(folder.path);
        ASSERT_NE(before, after);

        bool reachedNew = false;
        int step = 1;
        for (;; ++step) {
            Restore(folder.path, before);
            if (!SaveKilledAtStep(c.save, step)) break;
            SCOPED_TRACE("killed before step " + std::to_string(step));
            // Each rename is whole: a game file on disk is the old one or the new one.
            for (const auto& [name, bytes] : Snapshot(folder.path)) {
                const auto old = before.find(name);
                const auto fresh = after.find(name);
                const bool whole = (old != before.end() && old->second == bytes) ||
                                   (fresh != after.end() && fresh->second == bytes) ||
                                   name.find(".tmp") != std::string::npos || name == "SaveInProgress.txt";
                EXPECT_TRUE(whole) << name << " is neither the old file nor the new one";
            }
            FinishInterruptedSave();
            const Folder recovered = Snapshot(folder.path);
            const bool isOld = recovered == before;
            const bool isNew = recovered == after;
            EXPECT_TRUE(isOld || isNew) << "files of two moments: " << Describe(recovered);
            // Once the save has counted, a later crash cannot take it back.
            EXPECT_FALSE(reachedNew && isOld);
            reachedNew = reachedNew || isNew;
        }
        EXPECT_TRUE(reachedNew) << "no crash point kept the new save";
        EXPECT_GT(step, 10) << "the seam stopped too few steps to mean anything";
        Restore(folder.path, before);
    }
}

TEST_F(CrashedSave, AFileThatCannotBeWrittenKeepsTheWholeOldSave) {
    ClearAllTables();
    ASSERT_TRUE(SaveRun());
    const Folder before = Snapshot(folder.path);
    TurnCount = 5;
    GlobalData[12] = 1;
    MapTerrain[3][4] = 7;  // the sector changed too, so its file must be written
    InGame = 1;
    ClearHistory();
    // A full disk: the sector file (52140 bytes) cannot be written, the save game and the
    // global files (written after it, and smaller) could. None of them may replace the old.
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = SaveRun();
    setrlimit(RLIMIT_FSIZE, &old);
    InGame = 0;
    EXPECT_FALSE(saved);
    EXPECT_EQ(Snapshot(folder.path), before) << "the save was partly replaced, or a temporary file stayed";
    ASSERT_GE(HistoryCount(), 2);
    EXPECT_NE(HistoryLine(HistoryCount() - 2).find("Could not save World/Forest0.flr"), std::string::npos);
    EXPECT_EQ(HistoryLine(HistoryCount() - 1), "The game was not saved; the last save is kept.");
}

TEST_F(CrashedSave, StartUpFinishesAMarkedSaveAndDropsAnUnmarkedOne) {
    WriteBytes(At("World/savedata.dat"), {1});
    WriteBytes(At("World/Forest0.flr"), {1});
    // Marked: the save game was already renamed, the sector file not yet; a sector to go.
    WriteBytes(At("World/Forest0.flr.tmp77"), {2});
    WriteBytes(At("World/Forest5.flr"), {5});
    const std::string marker =
        "rename\tWorld/savedata.dat.tmp77\tWorld/savedata.dat\n"
        "rename\tWorld/Forest0.flr.tmp77\tWorld/Forest0.flr\n"
        "delete\tWorld/Forest5.flr\n";
    WriteBytes(At("SaveInProgress.txt"), std::vector<unsigned char>(marker.begin(), marker.end()));
    WriteBytes(At("GlobalData.dat.tmp12"), {9});  // an unmarked temporary file of an older crash
    FinishInterruptedSave();
    EXPECT_EQ(Snapshot(folder.path), (Folder{{"World/savedata.dat", {1}}, {"World/Forest0.flr", {2}}}));
}

TEST_F(CrashedSave, AMarkerNamingAnythingButTheGamesFilesIsSetAsideAndNothingIsDone) {
    TempFolder outside;
    const std::string victim = outside.path + "/other.txt";
    const std::string rel = "../" + outside.path.substr(outside.path.rfind('/') + 1) + "/other.txt";
    const std::string cases[] = {
        "delete\t" + victim + "\n",
        "delete\t" + rel + "\n",
        "delete\tHighscores.dat\n",  // a save deletes only files of a run
        "rename\t" + victim + "\tWorld/savedata.dat\n",
        "rename\tWorld/savedata.dat.tmp77\tWorld/savedata.dat\textra\n",
        "rename\tWorld/savedata.dat.tmp77\tWorld/../../x\n",
        "rename\tWorld/savedata.dat.tmp77\tWorld/savedata.dat\n" + std::string("\x01\xff garbage\n"),
        "rename\tWorld/savedata.dat.tmp77\tWorld/savedata.dat",  // cut off before its line end
        std::string("\x13\x37\x00\x42", 4),
    };
    for (const std::string& marker : cases) {
        SCOPED_TRACE(marker);
        WriteBytes(victim, {'v'});
        WriteBytes(At("Highscores.dat"), {4});
        WriteBytes(At("World/savedata.dat"), {1});
        WriteBytes(At("World/savedata.dat.tmp77"), {2});
        WriteBytes(At("SaveInProgress.txt"), std::vector<unsigned char>(marker.begin(), marker.end()));
        TakePlayerNotice();
        FinishInterruptedSave();
        EXPECT_EQ(ReadBytes(victim), (std::vector<unsigned char>{'v'}));
        EXPECT_EQ(ReadBytes(At("Highscores.dat")), (std::vector<unsigned char>{4}));
        EXPECT_EQ(ReadBytes(At("World/savedata.dat")), (std::vector<unsigned char>{1})) << "nothing is renamed";
        EXPECT_FALSE(Exists(At("SaveInProgress.txt"))) << "set aside, not obeyed again next time";
        EXPECT_EQ(ReadBytes(Aside(folder.path, "SaveInProgress.txt")),
                  std::vector<unsigned char>(marker.begin(), marker.end()));
        EXPECT_NE(TakePlayerNotice().find("could not be finished"), std::string::npos);
        std::remove(Aside(folder.path, "SaveInProgress.txt").c_str());
    }
}

TEST_F(CrashedSave, AFolderInAFilesPlaceFailsTheWholeSaveAndLeavesNothingBehind) {
    MonHp[0] = MonMaxHp[0] = 10;
    InGame = 1;
    ASSERT_TRUE(SaveRun());
    for (const char* blocked : {"GlobalData.dat", "RecipeBook.dat", "World/Forest0.flr"}) {
        SCOPED_TRACE(blocked);
        const Folder before = Snapshot(folder.path);
        std::remove(At(blocked).c_str());
        ASSERT_EQ(mkdir(At(blocked).c_str(), 0755), 0);
        // Everything changed, so every file of the save is written.
        TurnCount += 1, MapTerrain[1][1] += 1, GlobalData[6] += 1, RecipeBook[3] += 1;
        ClearHistory();
        EXPECT_FALSE(SaveRun());
        rmdir(At(blocked).c_str());
        Folder after = Snapshot(folder.path);
        after[blocked] = before.at(blocked);
        EXPECT_EQ(after, before) << "a file was replaced, or a marker or temporary file stayed";
        ASSERT_GE(HistoryCount(), 2);
        EXPECT_NE(HistoryLine(HistoryCount() - 2).find("a folder stands in its place"), std::string::npos);
        WriteBytes(At(blocked), before.at(blocked));
    }
    InGame = 0;
}

TEST_F(CrashedSave, AMarkerThatCannotBeFinishedIsSetAsideOnce) {
    WriteBytes(At("World/savedata.dat"), {1});
    WriteBytes(At("World/savedata.dat.tmp77"), {2});
    ASSERT_EQ(mkdir(At("GlobalData.dat").c_str(), 0755), 0);
    WriteBytes(At("GlobalData.dat.tmp77"), {3});
    const std::string marker =
        "rename\tWorld/savedata.dat.tmp77\tWorld/savedata.dat\nrename\tGlobalData.dat.tmp77\tGlobalData.dat\n";
    WriteBytes(At("SaveInProgress.txt"), std::vector<unsigned char>(marker.begin(), marker.end()));
    TakePlayerNotice();
    FinishInterruptedSave();
    EXPECT_NE(TakePlayerNotice().find("could not be finished"), std::string::npos);
    EXPECT_NE(ReadTextFile(Aside(folder.path, "why.txt")).find("GlobalData.dat: a folder stands in its place"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(At("World/savedata.dat")), (std::vector<unsigned char>{1})) << "checked before any rename";
    EXPECT_FALSE(Exists(At("SaveInProgress.txt")));
    FinishInterruptedSave();
    EXPECT_EQ(TakePlayerNotice(), "") << "told once, not at every start";
}

TEST_F(CrashedSave, StartUpRemovesOnlyTheGamesOwnTemporaryFiles) {
    for (const char* name : {"notes.tmp2024", "World/notes.tmp2024", "World/Forest3.flr.tmpx", "photo.png.tmp12"})
        WriteBytes(At(name), {1});
    for (const char* name : {"GlobalData.dat.tmp12", "World/Forest-2.flr.tmp9", "World/savedata.dat.tmp1",
                             "SaveInProgress.txt.tmp5", "highscores2.dat.tmp44"})
        WriteBytes(At(name), {2});
    FinishInterruptedSave();
    EXPECT_EQ(Snapshot(folder.path), (Folder{{"notes.tmp2024", {1}},
                                             {"World/notes.tmp2024", {1}},
                                             {"World/Forest3.flr.tmpx", {1}},
                                             {"photo.png.tmp12", {1}}}));
}

TEST_F(CrashedSave, ASaveRewritesOnlyTheFilesWhoseBytesChanged) {
    MonHp[0] = MonMaxHp[0] = 10;
    ASSERT_TRUE(SaveRun());
    const auto inode = [this](const char* name) {
        struct stat st {};
        stat(At(name).c_str(), &st);
        return st.st_ino;
    };
    const char* files[] = {"World/Forest0.flr", "World/savedata.dat", "GlobalData.dat", "RecipeBook.dat"};
    std::map<std::string, ino_t> before;
    for (const char* f : files) before[f] = inode(f);
    TurnCount = 7;  // only the save game changes
    ASSERT_TRUE(SaveRun());
    for (const char* f : files) {
        const bool rewritten = inode(f) != before[f];
        EXPECT_EQ(rewritten, std::string(f) == "World/savedata.dat") << f;
    }
    EXPECT_EQ(ReadBytes(At("World/savedata.dat"))[0], 7);
}

TEST_F(CrashedSave, ARenameThatFailsHalfWayUndoesTheOnesBeforeIt) {
    MonHp[0] = MonMaxHp[0] = 10;
    ASSERT_TRUE(SaveRun());
    const Folder before = Snapshot(folder.path);
    TurnCount = 9, MapTerrain[2][2] = 7, GlobalData[6] = 5, RecipeBook[1] = 1;  // all four change
    // Which step renames GlobalData.dat, after the sector and the save game are in place.
    const std::string log = folder.path + "/../steps.txt";
    pid_t child = fork();
    if (child == 0) {
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 2);
        SetFileStepSeam("announce");
        _exit(SaveRun() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const std::string steps = ReadTextFile(log);
    std::remove(log.c_str());
    const size_t at = steps.find(" rename " + folder.path + "/GlobalData.dat\n");
    ASSERT_NE(at, std::string::npos) << steps;
    const size_t number = steps.rfind("file step ", at) + 10;
    const int step = std::atoi(steps.c_str() + number);
    ASSERT_GT(step, 0);
    Restore(folder.path, before);

    // Stopped just before that rename, GlobalData.dat becomes a folder: the rename fails.
    child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        SetFileStepSeam(("stop:" + std::to_string(step)).c_str());
        _exit(SaveRun() ? 0 : 1);
    }
    waitpid(child, &status, WUNTRACED);
    ASSERT_TRUE(WIFSTOPPED(status));
    std::remove(At("GlobalData.dat").c_str());
    ASSERT_EQ(mkdir(At("GlobalData.dat").c_str(), 0755), 0);
    kill(child, SIGCONT);
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the failed save claimed success";
    rmdir(At("GlobalData.dat").c_str());
    Folder after = Snapshot(folder.path);
    after["GlobalData.dat"] = before.at("GlobalData.dat");
    EXPECT_EQ(after, before) << "the sector and the save game renamed before the failure were not undone";
}
