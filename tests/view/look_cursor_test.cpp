// The keyboard look cursor and the map zoom, played through whole frames of the turn
// loop on a meadow: the cursor moves and stops at the sector's edge without a step or a
// turn, describes what it rests on with the pointer's very texts and closes without
// asking to quit; the zoom keeps the hero in view and maps the pointer to its cell.
// Neither changes a pixel until it is asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/loop/dump.h"
#include "core/random.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/food.h"
#include "persist/settings.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/look_cursor.h"
#include "rules/meadow_fixture.h"
#include "view/hud.h"
#include "view/mapview.h"
#include "worldgen/creatures.h"

namespace {

class LookCursorTest : public MeadowTest {
protected:
    static inline std::vector<std::string> drawn;
    static void Watch(const std::string& text, int x, int y) {
        if (y < 85 && x >= (ScreenWidth == 800 ? 5 : 305)) drawn.push_back(text);  // the top text box only
    }

    static void SetUpTestSuite() {
        ASSERT_EQ(StartHeadless("", 5000), "");
        LoadSheets();
    }
    static void TearDownTestSuite() { StopPlatform(); }
    void SetUp() override {
        MeadowTest::SetUp();
        ResetSettings();
        CloseLookCursor();
        InGame = 1;
        UseScreen(1024);
        for (auto& column : MapSeen)
            for (int& cell : column) cell = 2;
        InputPointer(1020, 760);  // over the log, on no cell
        SetTextWatcher(Watch);
    }
    void TearDown() override {
        SetTextWatcher(nullptr);
        CloseLookCursor();
        ResetSettings();
        QuitRequest = 0;
        MeadowTest::TearDown();
    }
    static void UseScreen(int w) {
        ScreenWidth = w;
        ScreenHeight = w == 800 ? 600 : 768;
        OpenScreen(ScreenWidth, ScreenHeight);
    }
    static std::vector<std::string> TopBox() {
        drawn.clear();
        TurnLoopFrame();
        return drawn;
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }
    static std::vector<unsigned> Frame() {
        std::vector<unsigned> pixels;
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 0; x < ScreenWidth; ++x) pixels.push_back(FramePixel(x, y));
        return pixels;
    }
    // The picture of a game frame as the turn loop draws it (at the camera its last frame
    // set), without its keys; the random draws it makes are given back so two such
    // frames can be compared.
    static std::vector<unsigned> StillFrame() {
        HoverMonster = HoverItem = ItemUnderHero = HoverItemSource = HoverSkill = HoverTopic = -1;
        HoverTerrain = 0;
        const int random = RandomGeneratorState;
        ClearScreen();
        DrawMapView();
        UpdatePanelSwap();
        DrawPanels();
        RandomGeneratorState = random;
        return Frame();
    }
};

TEST_F(LookCursorTest, MovesOneCellAPressStopsAtTheEdgeAndNeverTakesATurn) {
    PlaceHero(1, 10);
    Tap(KeyL);
    ASSERT_TRUE(LookCursorOpen());
    EXPECT_EQ(LookCursorX, 1);
    EXPECT_EQ(LookCursorY, 10);
    // Left twice: one cell, then the edge. Space, which would wait a turn, and I, which
    // would open the satchel, do nothing while it is open.
    for (int code : {int(KeyLeft), int(KeyLeft), int(KeyDown), int(KeySpace), int(KeyI)}) Tap(code);
    EXPECT_EQ(LookCursorX, 0);
    EXPECT_EQ(LookCursorY, 11);
    EXPECT_EQ(MonX[0], 1);
    EXPECT_EQ(MonY[0], 10);
    EXPECT_EQ(TurnCount, 0);
    EXPECT_EQ(UiMode, UiLook);  // the satchel stayed shut
    // Far beyond either corner it stays on the map.
    MoveLookCursor(-100, -100);
    EXPECT_EQ(LookCursorX, 0);
    EXPECT_EQ(LookCursorY, 0);
    MoveLookCursor(100, 100);
    EXPECT_EQ(LookCursorX, MapMaxX);
    EXPECT_EQ(LookCursorY, MapMaxY);
    // Closed, the arrows walk the hero again.
    Tap(KeyL);
    EXPECT_FALSE(LookCursorOpen());
    Tap(KeyRight);
    EXPECT_EQ(MonX[0], 2);
    EXPECT_EQ(TurnCount, 1);
}

// The dump's lines of the look cursor and the mode, in the order it writes them.
std::string LookLinesOfDump() {
    std::string lines, line;
    std::istringstream dump(StateDumpText());
    while (std::getline(dump, line))
        if (line.rfind("LookCursor", 0) == 0 || line.rfind("UiMode ", 0) == 0) lines += line + "\n";
    return lines;
}

TEST_F(LookCursorTest, TheDumpShowsTheCursorsCellOnlyWhileItIsOpen) {
    PlaceHero(3, 4);
    EXPECT_EQ(LookLinesOfDump(), "UiMode 0\n");
    Tap(KeyL);
    Tap(KeyRight);
    EXPECT_EQ(LookLinesOfDump(), "UiMode 4\nLookCursorX 4\nLookCursorY 4\n");
    Tap(KeyL);
    EXPECT_EQ(LookLinesOfDump(), "UiMode 0\n");
}

TEST_F(LookCursorTest, EachClosingKeyClosesItAndEscNeverAsksToQuit) {
    for (int code : {int(KeyL), int(KeyC), int(KeyEsc)}) {
        SCOPED_TRACE(code);
        Tap(KeyL);
        ASSERT_TRUE(LookCursorOpen());
        Tap(code);
        EXPECT_FALSE(LookCursorOpen());
        EXPECT_EQ(QuitArmed, 0);
        EXPECT_FALSE(QuitRequested());
    }
    // Closed, Esc asks as it always did.
    Tap(KeyEsc);
    EXPECT_EQ(QuitArmed, 1);
    EXPECT_FALSE(QuitRequested());
}

TEST_F(LookCursorTest, DescribesACreatureAndAPileWithThePointersTextsAtBothSizes) {
    PutCreature(1, KindWasp, 12, 10, AttitudeHostile);
    const int pile[5] = {ItemApple, ItemCupcake, ItemBanana, ItemCherry, ItemOranges};
    for (int i = 0; i < 5; ++i) {
        GroundItemKind[30 + i] = pile[i];
        GroundItemX[30 + i] = 10;
        GroundItemY[30 + i] = 12;
        GroundItemCount[30 + i] = 1;
    }
    for (const int w : {1024, 800}) {
        SCOPED_TRACE(w);
        UseScreen(w);
        Tap(KeyL);
        // At 800 x 600 the look texts take the log's box, and the line the cursor said as
        // it opened stays on the box's last free line.
        std::vector<std::string> answer;
        if (w == 800) answer.push_back("Looking around: arrows move the square, (l), (c) or (esc) stop");
        const auto with = [&](std::vector<std::string> lines) {
            lines.insert(lines.end(), answer.begin(), answer.end());
            return lines;
        };
        EXPECT_EQ(TopBox(), with({"It's grass.", "You are HERO"}));
        Tap(KeyRight);
        Tap(KeyRight);
        EXPECT_EQ(TopBox(),
                  with({"It's grass.", "You see a BEAST1 here", "This creature is hostile.  It looks healthy."}));
        MoveLookCursor(-2, 2);
        EXPECT_EQ(TopBox(),
                  with({"It's grass.", "There is a Apple and a Cupcake and a Banana and other things there"}));
        Tap(KeyEsc);
        // Closed: the pointer, on no cell, describes nothing.
        const std::vector<std::string> after = TopBox();
        EXPECT_FALSE(Has(after, "It's grass."));
    }
}

TEST_F(LookCursorTest, TheSquareShowsOnlyWhileOpenAndClosedLeavesTheFrameAsItWas) {
    for (const int w : {1024, 800}) {
        SCOPED_TRACE(w);
        UseScreen(w);
        TurnLoopFrame();  // the camera and the pointer's cell settle
        const std::vector<unsigned> before = StillFrame();
        Tap(KeyL);
        MoveLookCursor(1, 0);
        const std::vector<unsigned> open = StillFrame();
        EXPECT_NE(open, before);
        // A yellow edge on the cell right of the hero, at the camera of this size.
        const int sx = CellCentreX(11) - MapCell() / 2;
        const int sy = CellCentreY(10) - MapCell() / 2;
        EXPECT_EQ(FramePixel(sx, sy + 8), 0xFFFF00u);
        EXPECT_EQ(FramePixel(sx + 15, sy + 8), 0xFFFF00u);
        Tap(KeyC);
        // The line the cursor left in the log is the one difference: clear it.
        for (std::string& line : MessageLog) line.clear();
        const std::vector<unsigned> closed = StillFrame();
        for (std::string& line : MessageLog) line.clear();
        const std::vector<unsigned> beforeAgain = StillFrame();
        EXPECT_EQ(closed, beforeAgain);
    }
}

TEST_F(LookCursorTest, ZoomKeepsTheHerosCellInViewAndThePointerOnItsCell) {
    Settings[SettingMapZoom] = 1;
    struct Spot {
        int x, y;
    };
    const Spot spots[] = {{0, 0}, {MapMaxX, MapMaxY}, {MapMaxX, 0}, {0, MapMaxY}, {22, 18}, {3, 30}};
    for (const int w : {1024, 800}) {
        UseScreen(w);
        const int bottom = w == 800 ? 600 : 668;
        for (const Spot& s : spots) {
            SCOPED_TRACE(std::to_string(w) + " hero " + std::to_string(s.x) + "," + std::to_string(s.y));
            PlaceHero(s.x, s.y);
            TurnLoopFrame();
            EXPECT_EQ(MapCell(), 32);
            const int left = CellCentreX(s.x) - 16;
            const int top = CellCentreY(s.y) - 16;
            EXPECT_GE(left, 300);
            EXPECT_LE(left + 32, ScreenWidth);
            EXPECT_GE(top, 90);
            EXPECT_LE(top + 32, bottom);
            // The camera stops at the sector's edge: no black beyond the map.
            EXPECT_GE(CameraX, 0);
            EXPECT_GE(CameraY, 0);
            EXPECT_LE(CameraX + ScreenWidth - 300, MapWidth * 32);
            EXPECT_LE(CameraY + bottom - 90, MapHeight * 32);
            // The pointer near a corner of a cell beside the hero lands on that cell.
            const int nx = s.x > 0 ? s.x - 1 : s.x + 1;
            InputPointer(CellCentreX(nx) + 14, CellCentreY(s.y) - 15);
            TurnLoopFrame();
            EXPECT_EQ(MouseTileX, nx);
            EXPECT_EQ(MouseTileY, s.y);
        }
    }
    // Looking by the pointer at a creature on the zoomed map.
    PlaceHero(10, 10);
    PutCreature(1, KindWasp, 12, 10, AttitudeHostile);
    TurnLoopFrame();
    InputPointer(CellCentreX(12), CellCentreY(10));
    TurnLoopFrame();
    EXPECT_TRUE(Has(TopBox(), "You see a BEAST1 here"));
}

}  // namespace
