#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "core/random.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "persist/reset.h"
#include "persist/screens/newgame.h"
#include "platform/platform.h"
#include "support/test_support.h"

TEST(NewGame, TheRunPlanDrawsDistinctPrizesBandsAndRoles) {
    for (int seed = 1; seed <= 200; ++seed) {
        ClearAllTables();
        HeroId = 1 + seed % 6;
        SeedRandom(seed);
        DrawRunPlan();
        std::vector<int> prizes(GameVars + 10, GameVars + 20);
        std::sort(prizes.begin(), prizes.end());
        std::vector<int> expected = {9 + HeroId, 16, 17, 18, 19, 20, 21, 22, 23, 24};
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(prizes, expected) << "seed " << seed;
        std::vector<int> bands(GameVars + 5, GameVars + 8);
        std::sort(bands.begin(), bands.end());
        ASSERT_TRUE(std::adjacent_find(bands.begin(), bands.end()) == bands.end());
        for (int b : bands) ASSERT_TRUE(b == 2 || b == 3 || b == 4 || b == 6) << b;
        EXPECT_EQ(GameVars[21], 1);
        EXPECT_EQ(GameVars[25], 1);
        EXPECT_EQ(GameVars[29], 1);
        std::vector<int> roles;
        for (int k = 21; k <= 29; ++k) {
            const int role = GameVars[k];
            ASSERT_TRUE(role == 1 || role == 2 || (role >= 3 && role <= 13) || (role >= 21 && role <= 30)) << role;
            if (role != 1) roles.push_back(role);
        }
        std::sort(roles.begin(), roles.end());
        ASSERT_TRUE(std::adjacent_find(roles.begin(), roles.end()) == roles.end()) << "seed " << seed;
        ASSERT_GE(GameVars[45], 1);
        ASSERT_LE(GameVars[45], 4);
    }
    // The same seed gives the same plan.
    ClearAllTables();
    HeroId = 3;
    SeedRandom(77);
    DrawRunPlan();
    const std::vector<int> first(GameVars, GameVars + 46);
    ClearAllTables();
    HeroId = 3;
    SeedRandom(77);
    DrawRunPlan();
    EXPECT_EQ(std::vector<int>(GameVars, GameVars + 46), first);
}

TEST(NewGame, TheWizardSetsUpTheChosenHeroAndItsFirstSkillPoints) {
    // Played by a script on the headless screen: Dabble Moss, hard, the castle quest,
    // then one level of Weapon Pro bought on the upgrade screen. The wizard's pages take
    // Enter as well as Space.
    for (const std::string confirm : {"Space", "Enter"}) {
        TempFolder folder;
        const std::string script = folder.path + "/wizard.txt";
        std::ofstream(script) << "wait 12\ntap Down\nwait 12\ntap " << confirm << "\nwait 12\n"
                              << "tap Down\nwait 12\ntap " << confirm << "\nwait 12\n"
                              << "tap Down\nwait 12\ntap Down\nwait 12\ntap " << confirm << "\nwait 12\n"
                              << "tap Up\nwait 12\ntap Space\nwait 12\ntap C\nwait 12\ntap Space\nwait 100000\n";
        ASSERT_EQ(StartHeadless(script), "");
        OpenScreen(1024, 768);
        ClearAllTables();
        ScreenWidth = 1024;
        ScreenHeight = 768;
        NewGameWizard();
        StopPlatform();
        EXPECT_EQ(HeroId, 2) << confirm;
        EXPECT_EQ(MonName[0], "DABBLE MOSS");
        EXPECT_EQ(GameVars[47], 2) << confirm;
        EXPECT_EQ(GameVars[49], 2) << confirm;
        EXPECT_EQ(InvCapacity, 56);
        EXPECT_EQ(MonCon[0], 7);
        EXPECT_EQ(MonHp[0], 50);
        EXPECT_EQ(SkillId[5], 33);
        EXPECT_EQ(SkillId[6], 34);
        EXPECT_EQ(SkillLevel[6], 1);
        EXPECT_EQ(SkillPoints, 2);
        EXPECT_EQ(InvKind[0], 140);
        EXPECT_EQ(InvCount[0], 2);
        EXPECT_EQ(InvKind[2], 150);
        EXPECT_EQ(InvTier[2], 1);
        EXPECT_EQ(UiMode, UiMap);  // the game starts on the map, whatever page the wizard ended on
    }
}

TEST(NewGame, ANewRunFindsEveryCooldownAFreshLaunchWould) {
    // A castle run marks its prisoners and its treasury for good (999); a new game in
    // the same session must not inherit them.
    ClearAllTables();
    for (int& c : SiteCooldown) c = 999;
    ResetGame();
    for (int c = 0; c < SiteCooldownCount; ++c) EXPECT_EQ(SiteCooldown[c], 0) << "entry " << c;
}

TEST(NewGame, AtTheSmallScreenTheHeroPageHasTwoColumns) {
    TempFolder folder;
    const std::string script = folder.path + "/wizard.txt";
    // Right moves to the second column (Corvanne), Left would come back.
    std::ofstream(script) << "wait 12\ntap Right\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\n"
                             "tap Space\nwait 100000\n";
    ASSERT_EQ(StartHeadless(script), "");
    ClearAllTables();
    ScreenWidth = 800;
    ScreenHeight = 600;
    OpenScreen(800, 600);
    NewGameWizard();
    StopPlatform();
    EXPECT_EQ(HeroId, 4);
    EXPECT_EQ(MonName[0], "CORVANNE");
    EXPECT_EQ(MonMag[0], 6);
    EXPECT_EQ(MonAtk[0], 8);
    EXPECT_EQ(GameVars[47], 1) << "the difficulty page starts on normal";
    EXPECT_EQ(GameVars[49], 0);
    EXPECT_EQ(SkillPoints, 4) << "Done was chosen at once";
}

namespace {

struct DrawnText {
    std::string text;
    int x, y, clock;
};
std::vector<DrawnText> Drawn;
int PagesChecked = 0;
std::vector<std::string> Outside;

void RecordText(const std::string& text, int x, int y) { Drawn.push_back({text, x, y, ClockMillis()}); }

constexpr unsigned Panel = 0x141428;
constexpr unsigned Bar = 0x9696CD;  // the list's bar, and the frame around the scene
int ListTop = 0;                    // where the list box starts at this screen size

// Called on the frames the script dumps: every text of that frame has panel pixels just
// outside each of its four corners, so no letter spills out of its box. Only the list's
// bar may lie below an entry.
void CheckFrameText(const std::string&) {
    ++PagesChecked;
    const int now = ClockMillis();
    for (const DrawnText& d : Drawn) {
        if (d.clock != now || d.text.empty()) continue;
        const int right = d.x + 8 * static_cast<int>(d.text.size());
        const int bottom = d.y + 16;
        const auto below = [&](int x) {
            const unsigned rgb = FramePixel(x, bottom);
            return rgb == Panel || (rgb == Bar && d.y >= ListTop);
        };
        if (FramePixel(d.x - 1, d.y - 1) != Panel || FramePixel(right, d.y - 1) != Panel || !below(d.x - 1) ||
            !below(right))
            Outside.push_back(d.text);
    }
}

}  // namespace

// Every page of the wizard at both screen sizes: each hero, difficulty and scenario's
// text stays inside its box, and the long pegasus line keeps all its words.
TEST(NewGame, TheWizardTextStaysInsideItsBox) {
    for (const int width : {1024, 800}) {
        TempFolder folder;
        const std::string script = folder.path + "/wizard.txt";
        {
            std::ofstream out(script);
            out << "wait 12\n";
            for (int hero = 0; hero < 6; ++hero) out << "dump d\nwait 0\ntap Down\nwait 12\n";
            out << "tap Space\nwait 12\n";
            for (int page = 0; page < 2; ++page) {
                for (int k = 0; k < 3; ++k) out << "dump d\nwait 0\ntap Down\nwait 12\n";
                out << "tap Up\nwait 12\ntap Up\nwait 12\ntap Space\nwait 12\n";
            }
        }
        ASSERT_EQ(StartHeadless(script), "");
        ClearAllTables();
        ScreenWidth = width;
        ScreenHeight = width == 800 ? 600 : 768;
        OpenScreen(ScreenWidth, ScreenHeight);
        ListTop = (width == 800 ? 40 : 80) + 410;
        Drawn.clear();
        Outside.clear();
        PagesChecked = 0;
        SetTextWatcher(RecordText);
        SetDumpWriter(CheckFrameText);
        NewGameWizard();
        SetTextWatcher(nullptr);
        SetDumpWriter(nullptr);
        StopPlatform();
        EXPECT_EQ(PagesChecked, 12) << width;
        for (const std::string& text : Outside) ADD_FAILURE() << "outside its box at " << width << ": " << text;
        std::string shown;
        for (const DrawnText& d : Drawn) shown += d.text + " ";
        EXPECT_NE(shown.find("combat skill is reduced when flying"), std::string::npos) << width;
        EXPECT_NE(shown.find("Skelter Vane - has a variety of weather based attacks"), std::string::npos);
    }
}
