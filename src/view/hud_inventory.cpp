// The inventory panel: the satchel's slots two to a row, with the cursor of the open
// panel or of an item choice.
#include <string>

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "platform/platform.h"
#include "rules/inventory.h"
#include "rules/satchel_picker.h"
#include "view/hud_parts.h"

namespace {

int SlotX(int slot) { return slot % 2 == 0 ? 10 : 160; }
int SlotY(int y0, int slot) { return y0 + 12 * (slot / 2); }

struct Rgb {
    int r, g, b;
};

Rgb CategoryColour(int category) {
    switch (category) {
        case CategoryHeadgear: return {30, 85, 35};
        case CategoryDress: return {0, 135, 190};
        case CategoryBoots: return {80, 32, 0};
        case CategoryAccessory: return {247, 201, 146};
        case CategoryWeapon: return {157, 10, 14};
        case CategoryFood: return {117, 70, 13};
        case CategoryBow: return {237, 157, 151};
        case CategoryArrows: return {201, 155, 108};
        default: return {255, 255, 255};  // nothing, letters and the special categories
    }
}

// On the dark cursor bar the darker category colours could hardly be read, so the
// name under a bar is drawn halfway to white.
void SetCategoryColour(int category, bool onBar) {
    Rgb c = CategoryColour(category);
    if (onBar) c = {(c.r + 255) / 2, (c.g + 255) / 2, (c.b + 255) / 2};
    SetPanelTextColour(c.r, c.g, c.b);
}

// Where a count goes: 120 pixels on, as far as 15 letters reach. A longer name (Spanish
// Omelette) is drawn whole and its count follows the last letter two pixels closer than
// a next letter would: that is as far as "x8" may go in the right column and still end
// before the map begins at x 300, at either screen size.
int CountX(int x, const std::string& name) {
    const int afterName = 8 * static_cast<int>(name.size()) - 2;
    return x + (afterName > 120 ? afterName : 120);
}

bool Counted(int category) { return category == CategoryFood || category == CategoryArrows; }

void DrawSlot(int y0, int slot, bool onBar) {
    const int x = SlotX(slot);
    const int y = SlotY(y0, slot);
    const int category = ItemCategory(InvKind[slot]);
    const std::string name = DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]).name;
    SetCategoryColour(category, onBar);
    Say(name, x, y);
    SetCategoryColour(category, false);  // the count and the marks lie past the bar
    if (Counted(category)) {
        std::string count = "x";
        count += IntToText(InvCount[slot]);
        Say(count, CountX(x, name), y);
    }
    for (int e = 0; e < EquipSlots; ++e)
        if (Equip[e] == slot) Say("e", x + 128, y);
    if (MapModes(UiMode) && PointerIn(x, x + 120, y, y + 12)) {
        HoverItemSource = 2;
        HoverItem = slot;
    }
}

}  // namespace

void DrawInventoryPanel(int x0, int y0) {
    const int usable = UsableInvSlots();
    SetPanelColour();
    DrawRect(x0 - 5, y0 - 20, 290, 360);
    SetColor(255, 255, 255);
    Say("INVENTORY", x0, y0 - 15);
    const bool choosing = ChoosingItem();
    int occupied = 0;
    for (int slot = 0; slot < usable; ++slot) {
        const bool onBar = (choosing && MenuCursor == slot) || (UiMode == UiInventory && InvCursor == slot);
        if (onBar) {
            SetHighlightColour();
            DrawRect(SlotX(slot) - 2, SlotY(y0, slot), 120, 12);
        }
        if (InvKind[slot] <= 0) continue;
        ++occupied;
        DrawSlot(y0, slot, onBar);
    }
    SetColor(255, 255, 255);
    Say("Satchel:" + IntToText(occupied) + "/" + IntToText(InvCapacity), 110, y0 - 15);
}
