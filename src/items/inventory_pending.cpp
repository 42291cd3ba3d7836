// Stand-ins until using and dropping items arrive: the inventory panel already calls
// them, and they do nothing and cost nothing, so the panel can always be closed.
#include "items/inventory.h"

void UseItem(int slot) {}

void DropItem(int slot) {}
