#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/files.h"
#include "support/data_root_fixture.h"
#include "support/test_support.h"

namespace {

using Files = DataRootTest;

}  // namespace

TEST(IntFormat, LittleEndianBytes) {
    std::vector<uint8_t> out;
    WriteInt(out, -1);
    WriteInt(out, 0x01020304);
    WriteText(out, "Hi");
    EXPECT_EQ(out, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 'H', 'i'}));

    IntStream in;
    in.bytes = out;
    EXPECT_EQ(ReadInt(in), -1);
    EXPECT_EQ(ReadInt(in), 0x01020304);
    EXPECT_EQ(ReadText(in, 2), "Hi");
    EXPECT_FALSE(in.overrun);
}

TEST(IntFormat, ReadingPastTheEndIsSafe) {
    IntStream in;
    in.bytes = {1, 2, 3};
    EXPECT_EQ(ReadInt(in), 0);
    EXPECT_TRUE(in.overrun);

    IntStream text;
    text.bytes = {'a', 'b'};
    EXPECT_EQ(ReadText(text, 5), "");
    EXPECT_TRUE(text.overrun);
    IntStream negative;
    negative.bytes = {'a'};
    EXPECT_EQ(ReadText(negative, -1), "");
    EXPECT_TRUE(negative.overrun);
}

TEST_F(Files, RoundTripSizesKindsAndListing) {
    EXPECT_EQ(FileSize("World/savedata.dat"), -1);
    EXPECT_EQ(FileKind("World"), 2);
    ASSERT_TRUE(WriteWholeFile("World/Forest3.flr", {1, 2, 3, 4, 5}));
    EXPECT_EQ(FileSize("World/Forest3.flr"), 5);
    EXPECT_EQ(FileKind("World/Forest3.flr"), 1);
    std::vector<uint8_t> back;
    std::string why;
    ASSERT_TRUE(ReadWholeFile("World/Forest3.flr", back, 100, why));
    EXPECT_EQ(back, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    const auto names = ListFolder("World");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], ".");
    EXPECT_EQ(names[1], "..");
    EXPECT_EQ(names[2], "Forest3.flr");
    EXPECT_TRUE(DeleteFile("World/Forest3.flr"));
    EXPECT_EQ(FileSize("World/Forest3.flr"), -1);
    EXPECT_TRUE(DeleteFile("World/Forest3.flr"));  // already gone is fine
}

TEST_F(Files, NamesMatchWithoutRegardToCase) {
    WriteBytes(folder.path + "/highscores.dat", {9, 9});
    EXPECT_EQ(FileSize("Highscores.dat"), 2);
    // Writing under the other spelling replaces the same file, not a twin.
    ASSERT_TRUE(WriteWholeFile("HIGHSCORES.DAT", {1}));
    EXPECT_EQ(ReadBytes(folder.path + "/highscores.dat"), (std::vector<unsigned char>{1}));
    EXPECT_FALSE(Exists(folder.path + "/HIGHSCORES.DAT"));
    // Backslashes of the game's picture paths work too.
    EXPECT_EQ(DataPath("world\\x.dat"), folder.path + "/World/x.dat");
}

TEST_F(Files, AFailedWriteKeepsTheOldFile) {
    ASSERT_TRUE(WriteWholeFile("GlobalData.dat", {1, 2, 3, 4}));
    const std::string locked = folder.path + "/World";
    ASSERT_TRUE(WriteWholeFile("World/savedata.dat", {7, 7, 7, 7}));
    chmod(locked.c_str(), 0555);
    // A read-only folder: as root the permission bits do not bind, so the write is
    // tried by an ordinary user in a child process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        _exit(WriteWholeFile("World/savedata.dat", {0, 0, 0, 0, 0, 0, 0, 0}) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(locked.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write into a read-only folder claimed success";
    EXPECT_EQ(ReadBytes(locked + "/savedata.dat"), (std::vector<unsigned char>{7, 7, 7, 7}));
    EXPECT_EQ(ListFolder("World").size(), 3u) << "a temporary file was left behind";

    // A full disk: the file-size limit stops the write half way.
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 2;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool wrote = WriteWholeFile("GlobalData.dat", std::vector<uint8_t>(84, 5));
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(wrote);
    EXPECT_NE(LastFileError().find("GlobalData.dat"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder.path + "/GlobalData.dat"), (std::vector<unsigned char>{1, 2, 3, 4}));
    EXPECT_EQ(ListFolder("").size(), 4u) << "a temporary file was left behind";
}

TEST(DataRoot, ARootThatCannotBeMadeIsRefused) {
    std::string error;
    EXPECT_FALSE(ChooseDataRoot("/proc/hoofbound-no-such-folder", error));
    EXPECT_NE(error.find("/proc/hoofbound-no-such-folder"), std::string::npos);
}
