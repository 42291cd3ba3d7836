// A small hand-built sector for the rules' tests: a meadow of grass with the hero in
// the middle, every line pushed to the log remembered.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/loop/turnloop.h"
#include "core/messagelog.h"
#include "core/pictures.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/food.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "support/sector_grid.h"
#include "support/test_support.h"
#include "worldgen/creatures.h"

class MeadowTest : public ::testing::Test {
protected:
    static inline std::vector<std::string> said;
    static void Hear(const std::string& text) { said.push_back(text); }

    void SetUp() override {
        ClearAllTables();
        InputReset();
        said.clear();
        SetMessageListener(Hear);
        ScreenWidth = 1024;
        ScreenHeight = 768;
        FillTerrain(2);
        MonKind[0] = 1;
        MonName[0] = "HERO";
        MonHp[0] = MonMaxHp[0] = 50;
        MonMp[0] = MonMaxMp[0] = 10;
        PlaceHero(10, 10);
        for (int& e : Equip) e = -1;
        InvCapacity = 48;
        HeroId = 1;
        Depth = 1;
        Friendship = 50;
        FriendshipTimer = 20;
        XpNext = 20;
        GameVars[47] = 1;
        TargetX = TargetY = -1;
        ItemUnderHero = -1;
    }
    void TearDown() override {
        SetMessageListener(nullptr);
        InputReset();
    }

    // Lets the input delay run out, then holds `key` for one frame of the turn loop.
    static void Tap(int key) {
        InputReset();
        for (int i = 0; i < 40 && InputDelay > 0; ++i) TurnLoopFrame();
        InputPress(key);
        TurnLoopFrame();
        InputReset();
    }
    // Puts the hero on a cell as if he had stood there at the end of the last turn.
    static void PlaceHero(int x, int y) {
        MonX[0] = LastPlayerX = x;
        MonY[0] = LastPlayerY = y;
        LastPlayerTerrain = MapTerrain[x][y];
    }
    static void PutCreature(int slot, int kind, int x, int y, int attitude, int hp = 20) {
        MonKind[slot] = kind;
        MonName[slot] = "BEAST" + std::to_string(slot);
        MonX[slot] = x;
        MonY[slot] = y;
        MonAttitude[slot] = attitude;
        MonHp[slot] = MonMaxHp[slot] = hp;
    }
    // Runs the turn loop on the headless screen, keys from the script (written into
    // `folder`), until the game and its ending screens are over.
    static void PlayScripted(const std::string& folder, const std::string& script) {
        const std::string path = folder + "/script.txt";
        std::ofstream(path) << script << "\nwait 20000\n";
        ASSERT_EQ(StartHeadless(path, 4000), "");
        OpenScreen(1024, 768);
        LoadSheets();  // so that a "shot" in the script shows the meadow and its creatures
        RunTurnLoop();
        // A script that runs dry presses the close button, which would end the game
        // quietly: the test must say that the script never left its screens.
        EXPECT_FALSE(QuitRequested()) << "the game was closed: the script never left its screens";
        StopPlatform();
    }
    static bool Said(const std::string& text) { return std::find(said.begin(), said.end(), text) != said.end(); }
    static int TimesSaid(const std::string& text) {
        return static_cast<int>(std::count(said.begin(), said.end(), text));
    }
};

// A meadow on the headless screen for the panels: a character or a feature put beside
// the hero, east of him, and bumped open; and what the outcome left on the ground and
// among the creatures.
class MeadowPanelTest : public MeadowTest {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless("", 5000), "");
        OpenScreen(1024, 768);
    }
    static void TearDownTestSuite() { StopPlatform(); }

    // A friendly character of `kind` in slot `slot`, frozen so that turns do not walk it
    // away from where the test put it.
    static void PutCharacter(int slot, int kind, int x, int y, int mode = 0) {
        PutCreature(slot, kind, x, y, AttitudeFriendly);
        MonMode[slot] = mode;
        MonStatus[slot][StatusFrozen] = 10000;
    }
    // The character east of the hero, bumped: the conversation opens.
    static void Talk(int kind, int mode = 0) {
        PutCharacter(1, kind, 11, 10, mode);
        Tap(KeyRight);
    }
    // The feature `code` east of the hero, bumped open.
    static void Open(int code) {
        MapTerrain[11][10] = code;
        Tap(KeyRight);
    }
    static int GroundAt(int kind, int x, int y) {
        for (int g = 0; g < GroundSlots; ++g)
            if (GroundItemKind[g] == kind && GroundItemX[g] == x && GroundItemY[g] == y) return g;
        return -1;
    }
    static int GroundAtHero(int kind) { return GroundAt(kind, MonX[0], MonY[0]); }
    static int CountKind(int kind) {
        int n = 0;
        for (int m = 1; m < MonSlots; ++m) n += MonKind[m] == kind ? 1 : 0;
        return n;
    }
    // Every slot of the ground table taken, far from the hero.
    static void FillGround() {
        for (int g = 0; g < GroundSlots; ++g) {
            GroundItemKind[g] = ItemApple;
            GroundItemX[g] = 40;
            GroundItemY[g] = 30;
        }
    }
};
