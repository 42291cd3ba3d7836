// Item categories: 0 none, 1..11 the kinds of things an item can be (headgear, dress,
// boots, accessories, food, weapons, ammunition, money...).
#pragma once

// The category of an item kind; 0 for a kind without one.
int ItemCategory(int kind);
