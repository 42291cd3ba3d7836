// A whole game on the headless screen, played by a script: a creature chases the
// hero, they trade blows, and the hero's fall is scored with its cause.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <fstream>
#include <string>

#include "core/pictures.h"
#include "core/state.h"
#include "core/turnloop.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/meadow_fixture.h"
#include "support/test_support.h"
#include "view/fieldofview.h"
#include "worldgen/terrain.h"

namespace {

// A script that runs dry presses the close button, which ends the program there and
// then; inside a test that would pass silently, so it is turned into a failure.
bool PlayingInTest = false;

void FailIfEndedInsideAGame() {
    if (PlayingInTest) {
        std::fprintf(stderr, "the program ended inside a scripted game: the script never left its screens\n");
        std::_Exit(3);
    }
}

class CreatureGameTest : public MeadowTest {
protected:
    TempFolder folder;
    void Play(const std::string& script) {
        static const bool guarded = std::atexit(FailIfEndedInsideAGame) == 0;
        (void)guarded;
        const std::string path = folder.path + "/script.txt";
        std::ofstream(path) << script << "\nwait 20000\n";
        PlatformOptions options;
        options.headless = true;
        options.scriptPath = path;
        options.clockStart = 4000;
        std::string error;
        ASSERT_TRUE(StartPlatform(options, error)) << error;
        OpenScreen(1024, 768);
        LoadSheets();  // so that a "shot" in the script shows the meadow and its creatures
        PlayingInTest = true;
        RunTurnLoop();
        PlayingInTest = false;
        StopPlatform();
    }
};

TEST_F(CreatureGameTest, AnOgreChasesTheHeroTradesBlowsAndKnocksHimOut) {
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    GameVars[49] = 0;
    PlaceHero(5, 10);
    MonHp[0] = MonMaxHp[0] = 60;
    PutCreature(1, 22, 12, 10, 0, 500);
    MonName[1] = "OGRE";
    MonAtk[1] = MonStr[1] = 10;
    SectorBiome = 1;
    for (auto& column : MapRegion)
        for (int& region : column) region = 1;
    RefreshFrames();
    ComputeView();
    // Both walk: they stand side by side after three turns, and from then on the
    // hero's bump and the ogre's bite come in every turn.
    Play("hold Right\nwait 300\nrelease Right\nhold Space");
    EXPECT_EQ(MonX[0], 8);
    EXPECT_EQ(MonX[1], 9);
    int bites = 0, blows = 0;
    for (const std::string& line : said) {
        if (line.rfind("HERO takes ", 0) == 0 && line.size() > 11 && line.substr(line.size() - 11) == " from OGRE!") ++bites;
        if (line.rfind("HERO dealt ", 0) == 0 || line == "HERO missed!") ++blows;
    }
    EXPECT_GE(bites, 1);
    EXPECT_GE(blows, 2);
    EXPECT_TRUE(Said("HERO was knocked out by OGRE!"));
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(GameWon, 0);
    EXPECT_EQ(DeathMessage, "HERO was killed by OGRE");
    EXPECT_EQ(HighScoreName[0][0], "HERO was killed by OGRE");
    EXPECT_EQ(TurnCount, 3 + bites + 1);
}

}  // namespace
