// The inventory panel's actions on one inventory slot.
#pragma once

// Space or Enter in the inventory panel: eats food, or puts on or takes off a piece of
// equipment, in slot `slot` (0..InvCapacity - 1, holding an item).
void UseItem(int slot);
// D in the inventory panel: drops the whole stack of slot `slot` on the hero's cell and
// takes it off wherever it was worn.
void DropItem(int slot);
