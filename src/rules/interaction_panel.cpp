#include "rules/interaction_panel.h"

#include <algorithm>

#include "core/frame.h"
#include "core/state.h"
#include "platform/platform.h"
#include "worldgen/terrain.h"

namespace {
constexpr int LineHeight = 10;
constexpr int FirstLineY = 10;
int RowY(int row) { return FirstLineY + row * LineHeight; }
}  // namespace

int PanelX() { return ScreenWidth > 800 ? 310 : 10; }

void PanelLine(int row, const std::string& text) { PanelLineAt(0, row, text); }

void PanelLineAt(int dx, int row, const std::string& text) {
    SetColor(255, 255, 255);
    SetAlpha(1);
    Say(text, PanelX() + dx, RowY(row));
}

int PanelMenu(int firstRow, const std::vector<std::string>& options) {
    const int count = static_cast<int>(options.size());
    if (count == 0) return -1;
    if (MenuCursor < 0) MenuCursor = 0;
    if (MenuCursor > count - 1) MenuCursor = count - 1;
    SetColor(100, 100, 255);
    SetAlpha(1);
    DrawRect(PanelX() - 1, RowY(firstRow + MenuCursor), 220, 12);
    for (int i = 0; i < count; ++i) PanelLine(firstRow + i, options[i]);

    if (InputDelay != 0) return -1;
    // Up at the top and Down at the bottom keep the bar where it is but still take the
    // key's delay, so a held arrow paces the same against the ends as between options.
    if (Held(HeldUp)) {
        MenuCursor = std::max(MenuCursor - 1, 0);
        InputDelay = DelayAfterAction;
        return -1;
    }
    if (Held(HeldDown)) {
        MenuCursor = std::min(MenuCursor + 1, count - 1);
        InputDelay = DelayAfterAction;
        return -1;
    }
    int picked = -1;
    if (Held(HeldConfirm)) picked = MenuCursor;
    for (int i = 0; i < count && i < 9 && picked < 0; ++i) {
        if (KeyHeld(KeyDigit1 + i)) picked = i;
    }
    if (picked >= 0) InputDelay = DelayAfterAction;
    return picked;
}

Closed PanelContinueKey(int row, const std::string& text, bool cancelCloses) {
    PanelLine(row, text);
    if (InputDelay != 0) return Closed::No;
    Closed closed = Closed::No;
    if (Held(HeldConfirm)) {
        closed = Closed::Confirm;
    } else if (cancelCloses && KeyHeld(KeyC)) {
        closed = Closed::Cancel;
    }
    if (closed != Closed::No) InputDelay = DelayAfterAction;
    return closed;
}

int ReplaceFeature(int from, int to) {
    int changed = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] != from) continue;
            MapTerrain[x][y] = to;
            changed += 1;
        }
    }
    RefreshFrames();
    return changed;
}

bool GroundHasRoom() { return GroundRoomFor(1); }

bool GroundRoomFor(int items) {
    int free = 0;
    for (int g = 0; g < GroundSlots && free < items; ++g) {
        if (GroundItemKind[g] == 0) free += 1;
    }
    return free >= items;
}
