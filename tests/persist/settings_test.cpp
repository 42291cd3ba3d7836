// The comforts' own file, Settings.txt: every comfort off when it is missing or damaged,
// a damaged file kept aside, and GlobalData.dat untouched by it.
#include <gtest/gtest.h>

#include <string>

#include "persist/globals.h"
#include "persist/settings.h"
#include "support/data_root_fixture.h"
#include "support/test_support.h"

namespace {

struct SettingsFile : DataRootTest {
    void SetUp() override {
        DataRootTest::SetUp();
        ResetSettings();
    }
    void TearDown() override { ResetSettings(); }
    static void WriteText(const std::string& path, const std::string& text) {
        WriteBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
    }
    static bool AllOff() {
        for (int s : Settings)
            if (s != 0) return false;
        return true;
    }
};

TEST_F(SettingsFile, MissingGivesEveryComfortOffAndWritesNothing) {
    Settings[SettingHighContrast] = 1;
    ReadSettings();
    EXPECT_TRUE(AllOff());
    EXPECT_FALSE(Exists(At("Settings.txt")));
}

TEST_F(SettingsFile, RoundTripBesideAnUnchangedGlobalData) {
    ASSERT_TRUE(WriteGlobalData());
    const auto globals = ReadBytes(At("GlobalData.dat"));
    Settings[SettingDeathMoment] = 1;
    Settings[SettingDimRemembered] = 1;
    Settings[SettingMapZoom] = 1;
    ASSERT_TRUE(WriteSettings());
    EXPECT_EQ(ReadTextFile(At("Settings.txt")), "death-moment 1\nhigh-contrast 0\ndim-remembered 1\nmap-zoom 1\n");
    ResetSettings();
    ReadSettings();
    EXPECT_EQ(Settings[SettingDeathMoment], 1);
    EXPECT_EQ(Settings[SettingHighContrast], 0);
    EXPECT_EQ(Settings[SettingDimRemembered], 1);
    EXPECT_EQ(Settings[SettingMapZoom], 1);
    EXPECT_EQ(ReadBytes(At("GlobalData.dat")), globals);
}

TEST_F(SettingsFile, DamagedFilesGiveTheDefaultsAndAreKeptAside) {
    const std::string cases[] = {
        "death-moment 2\n",                     // a value out of range
        "death-moment\n",                       // no value
        "death-moment 1 1\n",                   // too much
        "moonlight 1\n",                        // an unknown name
        "high-contrast 1\nhigh-contrast x\n",   // a good line does not save a bad one
        std::string("death-moment 1\0\n", 16),  // a stray byte
        std::string(5000, 'a'),                 // far too long to be ours
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        WriteText(At("Settings.txt"), text);
        Settings[SettingDeathMoment] = 1;
        ReadSettings();
        EXPECT_TRUE(AllOff());
        EXPECT_FALSE(Exists(At("Settings.txt")));
        EXPECT_EQ(ReadTextFile(Aside(folder.path, "Settings.txt")), text);
        std::remove(Aside(folder.path, "Settings.txt").c_str());
    }
}

TEST_F(SettingsFile, SoundVariationsAreRead) {
    // Windows line ends, blank lines, a missing last line end, a name left out (off).
    EXPECT_TRUE(ParseSettings("high-contrast 1\r\n\r\n\ndim-remembered 1"));
    EXPECT_EQ(Settings[SettingHighContrast], 1);
    EXPECT_EQ(Settings[SettingDimRemembered], 1);
    EXPECT_EQ(Settings[SettingDeathMoment], 0);
    EXPECT_EQ(Settings[SettingMapZoom], 0);  // a file from before the zoom existed
    EXPECT_TRUE(ParseSettings(""));
    EXPECT_TRUE(AllOff());
}

TEST_F(SettingsFile, AFolderInItsPlaceIsDamageNotACrash) {
    ASSERT_EQ(FileKind("Settings.txt"), 0);
    ASSERT_TRUE(std::system(("mkdir '" + At("Settings.txt") + "'").c_str()) == 0);
    ReadSettings();
    EXPECT_TRUE(AllOff());
}

}  // namespace
