// The satchel as a picker, shared by the inventory panel and every screen that takes an
// item from the satchel (a skill's item, the cooking pot, a garden tree, the traders).
// It walks a cursor over the usable slots as the inventory panel shows them, two to a
// row, and tells its user when the slot under the cursor is taken or the picker is
// left; what a pick or a leave does is the user's.
#pragma once

// Moves `cursor` with the arrows, tested up, down, left, right: up and down a row (2
// slots), left and right one slot, only within the usable satchel and only while
// InputDelay is 0. A move sets InputDelay to 5, so a frame moves it at most once.
void MoveSatchelCursor(int& cursor);
// True when confirm (Space or Enter) takes the slot under `cursor`: InputDelay is 0 and
// the slot is a usable one that holds an item.
bool SatchelPicked(int cursor);
// True when C, or the user's own `otherKey` (I for the inventory panel), leaves the
// picker; only while InputDelay is 0.
bool SatchelLeft(int otherKey);

// True while the inventory panel serves to pick an item, with MenuCursor as its cursor:
// a skill waits for its item, or an interaction for what goes into the pot, onto the
// tree or over the counter. The panel highlights MenuCursor then and, at 800 x 600,
// takes the place of the other panels.
bool ChoosingItem();
