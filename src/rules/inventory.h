// The satchel: using, wearing, dropping and eating what the hero carries, the statue
// offering, and the two sort orders.
#pragma once

// The satchel's usable slots are 0..UsableInvSlots() - 1: InvCapacity, kept inside the
// inventory table whatever a damaged save put there. The one clamp of the satchel, for
// every rule and panel that walks it.
int UsableInvSlots();

// The hero eats one unit of the food in inventory slot `slot` (source 0) or ground slot
// `slot` (source 1). Callers check the stomach first and remove the unit afterwards.
void EatItem(int slot, int source);
// Space or Enter on an inventory slot: eat food, or put on / take off what is worn.
void UseItem(int slot);
// D on an inventory slot: the whole stack goes on the ground under the hero (food next
// to the night statue is offered to it). Refused with a message when the ground has no
// free slot, and then the item stays in the satchel.
void DropItem(int slot);
// One unit leaves inventory slot `slot`; the slot is emptied when none is left.
void TakeOneFromSatchel(int slot);
// One unit of inventory slot `slot` is used up; when none is left the slot is emptied
// and nothing stays worn from it.
void UseUpOneItem(int slot);
// Inventory slot `slot` is emptied whole and nothing stays worn from it.
void EmptySatchelSlot(int slot);

// Food and arrows stack up to this many units in one satchel slot.
constexpr int SatchelStackLimit = 8;
// The one way into the satchel, for grabbing, buying, the pot and gifts alike: puts
// `count` units of an item into the usable satchel and returns how many found no room
// (0 when all went in). Food and arrows first top up, in slot order, every stack of the
// same kind and tier with fewer than SatchelStackLimit units; whatever is left (every
// other item whole, even one identical to a piece already carried) moves as one stack
// into the first empty slot, with `seed`. Units that found no room are not in the satchel.
int PutIntoSatchel(int kind, int tier, int seed, int count);
// One unit into the satchel, as PutIntoSatchel places it. False when there was no room,
// and then the satchel is unchanged.
bool AddToSatchel(int kind, int tier, int seed);
// The units of item `kind` in the usable satchel, all stacks together.
int CountInSatchel(int kind);
// Takes `count` units of item `kind` from the usable satchel, stack by stack in slot
// order, emptying each stack it finishes. The caller has counted them first.
void TakeFromSatchel(int kind, int count);
// True when an item of kind firstKind..lastKind is worn in either accessory place.
bool AccessoryWorn(int firstKind, int lastKind);
// Z (mode 0) and A (mode 1): rebuilds the satchel in category order; worn items stay worn.
void SortInventory(int mode);
