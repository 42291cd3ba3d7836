// A whole game on the headless screen, played by a script: a creature chases the
// hero, they trade blows, and the hero's fall is scored with its cause.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <fstream>
#include <string>

#include "core/loop/turnloop.h"
#include "core/pictures.h"
#include "core/state.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/fieldofview.h"
#include "rules/meadow_fixture.h"
#include "support/test_support.h"
#include "worldgen/terrain.h"

namespace {

class CreatureGameTest : public MeadowTest {
protected:
    TempFolder folder;
    void Play(const std::string& script) { PlayScripted(folder.path, script); }
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
        if (line.rfind("HERO takes ", 0) == 0 && line.size() > 11 && line.substr(line.size() - 11) == " from OGRE!")
            ++bites;
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
