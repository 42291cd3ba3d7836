#include "view/history.h"

#include <string>
#include <vector>

#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/open_screen.h"
#include "core/random.h"
#include "core/state.h"
#include "platform/platform.h"
#include "view/hud.h"
#include "view/mapview.h"
#include "view/palette.h"

namespace {

constexpr int RowHeight = 14;
constexpr int Margin = 10;

int BoxLeft() { return ScreenWidth == 800 ? 10 : 310; }
int BoxTop() { return ScreenWidth == 800 ? 95 : 100; }
int BoxWidth() { return ScreenWidth - BoxLeft() - 10; }
int BoxHeight() { return ScreenHeight - BoxTop() - 10; }
int VisibleRows() { return (BoxHeight() - 2 * Margin - 2 * RowHeight) / RowHeight; }

// The history cut into rows that fit the box; a long line goes on in the next row.
std::vector<std::string> HistoryRows() {
    const size_t width = static_cast<size_t>((BoxWidth() - 2 * Margin) / 8);
    std::vector<std::string> rows;
    for (int k = 0; k < HistoryCount(); ++k) {
        const std::string& line = HistoryLine(k);
        if (line.empty()) {
            rows.emplace_back();
            continue;
        }
        for (size_t at = 0; at < line.size(); at += width) rows.push_back(line.substr(at, width));
    }
    return rows;
}


}  // namespace

int DrawMessageHistory(int scroll) {
    const std::vector<std::string> rows = HistoryRows();
    const int visible = VisibleRows();
    const int count = static_cast<int>(rows.size());
    const int most = count > visible ? count - visible : 0;
    if (scroll > most) scroll = most;
    if (scroll < 0) scroll = 0;
    const int x = BoxLeft();
    const int y = BoxTop();
    SetAlpha(1);
    SetPanelColour();
    DrawRect(x, y, BoxWidth(), BoxHeight());
    SetColor(0, 0, 10);
    DrawRect(x + 4, y + 4 + 2 * RowHeight, BoxWidth() - 8, BoxHeight() - 8 - 2 * RowHeight);
    SetColor(255, 255, 255);
    Say("MESSAGE HISTORY  " + IntToText(HistoryCount()) + " lines", x + Margin, y + 6);
    Say("Up/Down: scroll  Left/Right: page  H, C or Esc: close", x + Margin, y + 6 + RowHeight);
    const int first = count - visible - scroll < 0 ? 0 : count - visible - scroll;
    int rowY = y + 2 * RowHeight + Margin;
    for (int r = first; r < count && r < first + visible; ++r, rowY += RowHeight) Say(rows[r], x + Margin, rowY);
    return most;
}

void RunMessageHistory() {
    const ScreenOpen open(ScreenMessageHistory);
    const int keptRandom = RandomGeneratorState;
    // Presses made before the box opened are not taken as closing it.
    KeyPresses(KeyEsc);
    KeyPresses(KeyC);
    KeyPresses(KeyH);
    int scroll = 0;
    int repeat = 0;
    for (;;) {
        DrawMapView();
        DrawPanels();
        const int most = DrawMessageHistory(scroll);
        bool close = false;
        // Esc is taken here, so it closes the box instead of asking to quit the game.
        if (KeyPresses(KeyEsc) > 0) close = true;
        if (KeyPresses(KeyH) > 0 || KeyPresses(KeyC) > 0) close = true;
        const int page = VisibleRows();
        if (repeat > 0) {
            --repeat;
        } else if (Held(HeldUp) || Held(HeldDown) || Held(HeldLeft) || Held(HeldRight)) {
            if (Held(HeldUp)) scroll += 1;
            if (Held(HeldDown)) scroll -= 1;
            if (Held(HeldLeft)) scroll += page;
            if (Held(HeldRight)) scroll -= page;
            repeat = 6;
        }
        scroll = Clamp(scroll, 0, most);
        EndFrame();
        if (QuitRequested() || close) break;
    }
    RandomGeneratorState = keptRandom;
    // A key that closed the box may still be held: the game waits for it to go up.
    InputDelay = DelayAfterAction;
}
