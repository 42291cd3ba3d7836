// Ground items of a sector: scattered food, equipment and money, and the store offers.
#pragma once

// Puts one item on the ground at (x, y) without testing the cell; returns the slot.
int PlaceGroundItem(int x, int y, int kind, int tier);
// Places the sector's items (after its creatures). False when a search ran out.
bool PlaceItems();
