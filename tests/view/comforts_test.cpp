// The comforts drawn headless: the panels' theme and the dimming of remembered cells
// (off gives the very frame the game always drew), the message history and its box,
// F12's numbered screenshots and the moment of death.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/loop/screenshot.h"
#include "core/loop/turnloop.h"
#include "core/messagelog.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "persist/settings.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "support/sector_grid.h"
#include "support/test_support.h"
#include "view/history.h"
#include "view/hud.h"
#include "view/mapview.h"
#include "view/palette.h"
#include "worldgen/terrain.h"

namespace {

std::vector<unsigned> WholeFrame() {
    std::vector<unsigned> pixels;
    pixels.reserve(1024 * 768);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) pixels.push_back(FramePixel(x, y));
    return pixels;
}

int Red(unsigned p) { return static_cast<int>(p >> 16 & 255); }
int Green(unsigned p) { return static_cast<int>(p >> 8 & 255); }
int Blue(unsigned p) { return static_cast<int>(p & 255); }

std::vector<std::string> Texts;
void Watch(const std::string& text, int, int) { Texts.push_back(text); }

class ComfortsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless(""), "");
        OpenScreen(1024, 768);
        SetBlendAlpha();
        LoadSheets();
    }
    static void TearDownTestSuite() { StopPlatform(); }
    void SetUp() override {
        ClearAllTables();
        ResetSettings();
        InputReset();
        ScreenWidth = 1024;
        ScreenHeight = 768;
        FillTerrain(Grass);
        SectorBiome = 1;
        for (auto& column : MapRegion)
            for (int& region : column) region = 1;
        RefreshFrames();
        for (int& e : Equip) e = -1;
        InvCapacity = 48;
        MonKind[0] = 1;
        MonName[0] = "HERO";
        MonHp[0] = MonMaxHp[0] = 20;
        MonMp[0] = MonMaxMp[0] = 10;
        MonX[0] = MonY[0] = 5;
        XpNext = 20;
        Friendship = 50;
        HeroId = 1;
        TargetX = TargetY = MouseTileX = MouseTileY = -1;
        InputPointer(1000, 760);  // away from every panel and cell
        Texts.clear();
    }
    void TearDown() override {
        ResetSettings();
        SetTextWatcher(nullptr);
        InputReset();
    }
    // A game frame as the turn loop draws it, without its keys.
    static std::vector<unsigned> GameFrame() {
        HoverMonster = HoverItem = ItemUnderHero = HoverItemSource = HoverSkill = HoverTopic = -1;
        HoverTerrain = 0;
        ClearScreen();
        const int random = RandomGeneratorState;
        DrawMapView();
        UpdatePanelSwap();
        DrawPanels();
        RandomGeneratorState = random;
        return WholeFrame();
    }
};

TEST_F(ComfortsTest, ThemeAndDimmingOffDrawTheFrameTheGameAlwaysDrew) {
    // Half the map remembered, a satchel with arrows (the faintest colour on lavender).
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y) MapSeen[x][y] = x < MapMaxX / 2 ? 1 : 2;
    InvKind[0] = ItemArrows;
    InvCount[0] = 12;
    const std::vector<unsigned> before = GameFrame();
    EXPECT_EQ(FramePixel(280, 700), 0x9696CDu);  // the inventory's lavender

    for (int id = 0; id < SettingCount; ++id) {
        SCOPED_TRACE(SettingName(static_cast<SettingId>(id)));
        Settings[id] = 1;
        const std::vector<unsigned> on = GameFrame();
        Settings[id] = 0;
        if (id == SettingDeathMoment) {
            EXPECT_EQ(on, before);  // changes what follows a death, not a frame
        } else {
            EXPECT_NE(on, before);
        }
        EXPECT_EQ(GameFrame(), before);
    }
}

TEST_F(ComfortsTest, HighContrastPanelsReadAtLeastFourAndAHalfToOne) {
    Settings[SettingHighContrast] = 1;
    InvKind[0] = ItemArrows;
    InvCount[0] = 12;
    GameFrame();
    const unsigned panel = FramePixel(280, 700);
    EXPECT_GE(ContrastRatio(255, 255, 255, Red(panel), Green(panel), Blue(panel)), 7.0);
    // Every category's colour, on the panel and under the cursor bar.
    const int categories[][3] = {{30, 85, 35},  {0, 135, 190}, {80, 32, 0},     {247, 201, 146},
                                 {157, 10, 14}, {117, 70, 13}, {237, 157, 151}, {201, 155, 108}};
    for (const auto& c : categories) {
        ClearScreen();
        SetPanelColour();
        DrawRect(0, 0, 4, 4);
        SetHighlightColour();
        DrawRect(4, 0, 4, 4);
        SetPanelTextColour(c[0], c[1], c[2]);
        DrawRect(8, 0, 4, 4);
        const unsigned text = FramePixel(9, 1);
        for (unsigned back : {FramePixel(1, 1), FramePixel(5, 1)}) {
            EXPECT_GE(ContrastRatio(Red(text), Green(text), Blue(text), Red(back), Green(back), Blue(back)), 4.5)
                << c[0] << "," << c[1] << "," << c[2];
        }
    }
    // Off, a category's colour is drawn as it always was.
    Settings[SettingHighContrast] = 0;
    ClearScreen();
    SetPanelTextColour(201, 155, 108);
    DrawRect(0, 0, 4, 4);
    EXPECT_EQ(FramePixel(1, 1), 0xC99B6Cu);
}

TEST_F(ComfortsTest, RememberedCellsDimByThreeQuartersOrMuchMore) {
    MapSeen[10][10] = 2;
    MapSeen[11][10] = 1;
    struct Case {
        int dim;
        double alpha;
    } cases[] = {{0, 0.75}, {1, 0.4}};
    for (const Case& c : cases) {
        Settings[SettingDimRemembered] = c.dim;
        GameFrame();
        // The same grass tile in sight and remembered, over the map's black.
        long seen = 0, remembered = 0;
        for (int dy = 0; dy < 16; ++dy)
            for (int dx = 0; dx < 16; ++dx) {
                const unsigned a = FramePixel(300 + 160 + dx, 90 + 160 + dy);
                const unsigned b = FramePixel(300 + 176 + dx, 90 + 160 + dy);
                seen += Red(a) + Green(a) + Blue(a);
                remembered += Red(b) + Green(b) + Blue(b);
            }
        ASSERT_GT(seen, 0);
        EXPECT_NEAR(static_cast<double>(remembered) / seen, c.alpha, 0.02) << "dim " << c.dim;
    }
}

TEST_F(ComfortsTest, HistoryKeepsTheNewestThousandLinesBeyondTheLog) {
    ClearHistory();
    for (int k = 0; k < 1200; ++k) PushMessage("line " + std::to_string(k));
    EXPECT_EQ(MessageLog[MessageLogNewest], "line 1199");
    EXPECT_EQ(MessageLog[0], "line 1192");
    ASSERT_EQ(HistoryCount(), HistoryCapacity);
    EXPECT_EQ(HistoryLine(0), "line 200");
    EXPECT_EQ(HistoryLine(HistoryCapacity - 1), "line 1199");
    EXPECT_EQ(HistoryLine(-1), "");
    EXPECT_EQ(HistoryLine(HistoryCapacity), "");

    // The box shows the newest lines; scrolled all the way back, the oldest kept, which
    // the log lost long ago. A scroll past either end stops there.
    SetTextWatcher(Watch);
    const int most = DrawMessageHistory(0);
    EXPECT_EQ(Texts.back(), "line 1199");
    Texts.clear();
    EXPECT_EQ(DrawMessageHistory(most + 50), most);
    EXPECT_EQ(Texts[2], "line 200");
    Texts.clear();
    DrawMessageHistory(-5);
    EXPECT_EQ(Texts.back(), "line 1199");
    ClearHistory();
}

TEST_F(ComfortsTest, LongLinesWrapInTheHistoryBox) {
    ClearHistory();
    const std::string longLine(200, 'w');
    PushMessage(longLine);
    SetTextWatcher(Watch);
    DrawMessageHistory(0);
    std::string shown;
    for (size_t k = 2; k < Texts.size(); ++k) shown += Texts[k];
    EXPECT_EQ(shown, longLine);
    EXPECT_GT(Texts.size(), 3u);
    ClearHistory();
}

TEST_F(ComfortsTest, ScreenshotsAreNumberedAndNeverOverwritten) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
    WriteBytes(folder.path + "/Screenshot0002.png", {'m', 'i', 'n', 'e'});
    GameFrame();
    const std::string first = TakeScreenshot();
    const std::string second = TakeScreenshot();
    EXPECT_NE(first.find("Screenshot0001.png"), std::string::npos) << first;
    EXPECT_NE(second.find("Screenshot0003.png"), std::string::npos) << second;
    EXPECT_EQ(ReadBytes(folder.path + "/Screenshot0002.png"), (std::vector<unsigned char>{'m', 'i', 'n', 'e'}));
    for (const char* name : {"/Screenshot0001.png", "/Screenshot0003.png"}) {
        const std::vector<unsigned char> png = ReadBytes(folder.path + name);
        ASSERT_GT(png.size(), 8u) << name;
        EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG") << name;
    }
}

// The moment of death runs frames of its own: played here by a script on a headless
// screen of its own.
struct DeathMomentCase {
    const char* what;
    const char* script;
    bool quits;
    int fewestFrames;
};

TEST(DeathMoment, TheMapStaysWithTheCauseUntilAKeyOrTheCloseButton) {
    const DeathMomentCase cases[] = {
        // A Space struck at once is the fight's, not an answer: the moment waits on.
        {"space", "wait 3\ntap Space\nwait 50\ntap Space\nwait 100000\n", false, 50},
        {"enter", "wait 40\ntap Enter\nwait 100000\n", false, 40},
        {"esc leaves the moment, not the game", "wait 40\ntap Esc\nwait 100000\n", false, 40},
        {"close button", "wait 5\nclose\nwait 100000\n", true, 4},
    };
    for (const DeathMomentCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string script = folder.path + "/death.txt";
        std::ofstream(script) << c.script;
        ASSERT_EQ(StartHeadless(script), "");
        OpenScreen(1024, 768);
        SetBlendAlpha();
        LoadSheets();
        ClearAllTables();
        ScreenWidth = 1024;
        ScreenHeight = 768;
        FillTerrain(Grass);
        SectorBiome = 1;
        for (auto& column : MapRegion)
            for (int& region : column) region = 1;
        RefreshFrames();
        MonKind[0] = 1;
        MonName[0] = "HERO";
        MonX[0] = MonY[0] = 5;
        MapSeen[5][5] = 2;
        XpNext = 20;
        GameInProgress = 1;
        InGame = 1;
        GameOver = 1;
        DeathMessage = "HERO drowned!";
        const int random = RandomGeneratorState;
        SetTextWatcher(Watch);
        Texts.clear();
        ShowDeathMoment();
        SetTextWatcher(nullptr);
        const int frames = ClockMillis() * 60 / 1000;
        StopPlatform();
        EXPECT_GE(frames, c.fewestFrames);
        EXPECT_EQ(QuitRequested(), c.quits);
        // A close leaves the fallen run unsaved: the ending still enters its score.
        EXPECT_FALSE(QuitSavesRun());
        EXPECT_EQ(InGame, 0);
        EXPECT_EQ(RandomGeneratorState, random);
        EXPECT_EQ(MessageLog[MessageLogNewest - 1], "HERO drowned!");
        bool causeShown = false;
        for (const std::string& t : Texts) causeShown = causeShown || t.find("drowned") != std::string::npos;
        EXPECT_TRUE(causeShown);
    }
}

}  // namespace
