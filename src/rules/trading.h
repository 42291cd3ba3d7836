// The two trading screens a trader opens from its menu: buying from the sector's nine
// store offers, and selling from the satchel one unit at a time. The sales griffon and
// a merchant of the forest folk share them; only their header lines differ.
#pragma once
#include <string>

// Draws the buying screen under `header` (panel line 0) and reads its keys for this
// frame: the arrows move MenuCursor over the nine offers, G or confirm buys the one
// under it. True when C leaves the screen; MenuCursor is then 0 and InputDelay 0, and
// the caller goes back to its options.
bool RunBuyingScreen(const std::string& header);

// Draws the selling screen under its two header lines and reads its keys for this
// frame: the satchel picker walks MenuCursor over the usable satchel, S or confirm
// sells one unit of the item under it. `onlyNamed` shows the item's lines only when
// the slot under the cursor holds a named item (the griffon). True when C leaves the
// screen, as for buying.
bool RunSellingScreen(const std::string& header, const std::string& keys, bool onlyNamed);
