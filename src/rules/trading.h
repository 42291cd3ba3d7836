// The two trading screens a trader opens from its menu: buying from the sector's nine
// store offers, and selling from the satchel one unit at a time. The sales griffon and
// a merchant of the forest folk share them; only their header lines differ.
#pragma once
#include <string>

// Called as the buying or the selling screen opens: G, S, Space and Enter act there only
// after each has been up once on that screen, so the press that opened it never buys
// or sells.
void EnterTradingScreen();

// Draws the buying screen under `header` (panel line 0) and reads its keys for this
// frame: the arrows move MenuCursor over the nine offers, G or confirm buys the one
// under it. True when C leaves the screen; MenuCursor is then 0 and InputDelay 0, and
// the caller goes back to its options.
bool RunBuyingScreen(const std::string& header);

// Draws the selling screen under its two header lines and reads its keys for this
// frame: the satchel picker walks MenuCursor over the usable satchel, S or confirm
// sells one unit of the item under it, whose lines are shown while the slot holds one.
// At 800 x 600, where the satchel hides the statistics, the purse is shown too. True
// when C leaves the screen, as for buying.
bool RunSellingScreen(const std::string& header, const std::string& keys);
