// The buying and selling screens of the sales griffon and the forest-folk merchants.
// Each acts once per press: an action sets InputDelay to 10, so a held key buys or
// sells again only every tenth frame.
#include "rules/trading.h"

#include <string>

#include "core/frame.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "platform/platform.h"
#include "rules/interaction_panel.h"
#include "rules/inventory.h"
#include "rules/satchel_picker.h"

namespace {

constexpr int PanelY = 10;  // the y of panel line 0
constexpr int GlyphWidth = 8;
constexpr int OfferColumns = 3;
constexpr int OfferColumnWidth = 230;
constexpr int OfferBarWidth = 220;
// "cost: " sits at the same place in every offer's bar, so the three columns line up.
// "cost: " and four digits (80 px) end at x + 216, inside the bar; the name is cut to
// the glyphs that leave one blank glyph before it, for the long generated names.
constexpr int CostColumn = 17 * GlyphWidth;
constexpr int NameGlyphs = CostColumn / GlyphWidth - 1;
// Where the purse stands on the selling screen at 800 x 600: right of "Value: ".
constexpr int SellingBitsX = 200;

// The keys that buy or sell, each with its bit in TradeKeysWaiting.
constexpr int TradeKeys[] = {KeyG, KeyS, KeySpace, KeyEnter};

// A key still down from the press that opened the screen waits until it has been up
// once, so a held confirm never buys or sells what the player has not yet seen.
void NoteKeysUp() {
    for (int k = 0; k < 4; ++k)
        if (!KeyHeld(TradeKeys[k])) TradeKeysWaiting &= ~(1 << k);
}

bool Acts(int key) {
    for (int k = 0; k < 4; ++k)
        if (TradeKeys[k] == key) return KeyHeld(key) && (TradeKeysWaiting & (1 << k)) == 0;
    return false;
}

bool ConfirmActs() { return Acts(KeySpace) || Acts(KeyEnter); }

bool Leaving() { return SatchelLeft(0) || (InputDelay == 0 && KeyHeld(KeyC)); }

bool Leave() {
    MenuCursor = 0;
    InputDelay = 0;
    return true;
}

// One moves at most per frame: the first sets the delay and holds the others.
void MoveOfferCursor() { MoveGridCursor(MenuCursor, StoreSlots, OfferColumns, 1, GridEnds::Refuse, DelayAfterCursor); }

// Without the bits or without room nothing happens, and the trader says nothing. The
// offer stays on the counter: a shop sells each of its offers again and again.
void Buy(int offer) {
    const int kind = StoreItemKind[offer];
    if (kind <= 0) return;
    const int price = ItemPrice(kind, StoreItemTier[offer], 0);
    if (Bits < price) return;
    if (!AddToSatchel(kind, StoreItemTier[offer], StoreItemSeed[offer])) return;
    Bits -= price;
}

// Every place that wore this slot is emptied, even when units of the stack remain:
// what is worn is the slot, and the sold unit may have been the worn one.
void Sell(int slot) {
    const int value = ItemPrice(InvKind[slot], InvTier[slot], 1) / 2;
    TakeOneFromSatchel(slot);
    for (int& worn : Equip)
        if (worn == slot) worn = -1;
    Bits += value;
}

// The bar first, then every offer's text, so the bar never covers the offer above it.
void DrawOffers() {
    if (MenuCursor < 0 || MenuCursor >= StoreSlots) MenuCursor = 0;
    const auto offerX = [](int i) { return PanelX() + OfferColumnWidth * (i % OfferColumns); };
    const auto offerY = [](int i) { return PanelY + 20 + 10 * (i / OfferColumns); };
    if (StoreItemKind[MenuCursor] > 0) {
        SetColor(100, 100, 255);
        SetAlpha(1);
        DrawRect(offerX(MenuCursor) - 2, offerY(MenuCursor) + 1, OfferBarWidth, 10);
    }
    for (int i = 0; i < StoreSlots; ++i) {
        if (StoreItemKind[i] <= 0) continue;
        const ItemDescription offer = DescribeItem(StoreItemKind[i], StoreItemTier[i], StoreItemSeed[i]);
        if (i == MenuCursor) {
            PanelLine(5, offer.line1);
            PanelLine(6, offer.line2);
        }
        SetColor(255, 255, 255);
        SetAlpha(1);
        Say(offer.name.substr(0, NameGlyphs), offerX(i), offerY(i));
        Say("cost: " + std::to_string(ItemPrice(StoreItemKind[i], StoreItemTier[i], 0)), offerX(i) + CostColumn,
            offerY(i));
    }
}

}  // namespace

void EnterTradingScreen() { TradeKeysWaiting = (1 << 4) - 1; }

bool RunBuyingScreen(const std::string& header) {
    NoteKeysUp();
    PanelLine(0, header);
    DrawOffers();
    MoveOfferCursor();
    if (InputDelay == 0 && (Acts(KeyG) || ConfirmActs())) {
        InputDelay = DelayAfterAction;
        Buy(MenuCursor);
    }
    if (Leaving()) return Leave();
    return false;
}

bool RunSellingScreen(const std::string& header, const std::string& keys) {
    NoteKeysUp();
    PanelLine(0, header);
    PanelLine(1, keys);
    if (MenuCursor < 0 || MenuCursor >= UsableInvSlots()) MenuCursor = 0;
    MoveSatchelCursor(MenuCursor);

    // The slot under the cursor is described even when empty (the empty name), so the
    // game's stream moves by the same draw every frame of the screen; an empty slot
    // shows no lines.
    const int slot = MenuCursor;
    const bool onItem = slot < UsableInvSlots() && InvKind[slot] > 0;
    const int kind = onItem ? InvKind[slot] : 0;
    const int tier = onItem ? InvTier[slot] : 0;
    const ItemDescription item = DescribeItem(kind, tier, onItem ? InvSeed[slot] : 0);
    if (onItem && !item.name.empty()) {
        PanelLine(3, "Item: " + item.name);
        PanelLine(4, "Value: " + std::to_string(ItemPrice(kind, tier, 1) / 2));
        PanelLine(5, item.line1);
        PanelLine(6, item.line2);
    }
    // At 800 x 600 the satchel takes the place of the statistics, purse and all.
    if (ScreenWidth == 800) PanelLineAt(SellingBitsX, 4, "Bits: " + std::to_string(Bits));

    const bool picked = SatchelPicked(slot) && ConfirmActs();
    if (picked || (InputDelay == 0 && onItem && Acts(KeyS))) {
        InputDelay = DelayAfterAction;
        Sell(slot);
    }
    if (Leaving()) return Leave();
    return false;
}
