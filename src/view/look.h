// Look mode: whatever the pointer rests on, the ground under the hero and the item or
// skill chosen in an open panel, described in the top text box every frame.
#pragma once
#include <string>

// The first text line's place: x = 310 (1024 x 768) or 10 (800 x 600), y = 10.
int LookTextX();
constexpr int LookTextTop = 10;

// Draws this frame's look texts in white and returns the y below the last one
// (LookTextTop when nothing was described). Describing items draws from the game's
// random stream, as every item description does.
int DrawLookTexts();
// The help text of a hover topic ("" for none).
const char* HoverTopicText(int topic);
// One line listing the items on a cell, e.g. "There is a Apple and a Cupcake there".
// Empty when the cell holds no item.
std::string ListItemsOnCell(int x, int y, const char* lead, const char* tail);
// How a hostile creature looks by its health: healthy from 90 %, a little hurt from
// 60 %, injured from 20 %, badly injured below.
std::string HealthWords(int slot);
