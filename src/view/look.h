// Look mode's texts about the map: what lies under the pointer and under the hero.
#pragma once
#include <string>

// Writes, from (x, y) down, the look texts of the terrain, the creature and the ground
// items under the pointer and of the items on the hero's cell; each line moves y down
// by 10. Called by the HUD's text box while the plain map is shown. Describing items
// draws from the game's random stream, as every item description does.
void DrawMapLookTexts(int x, int& y);
// The help text of a hover topic: the statistics 1..15 and the statuses 100 + id.
std::string HoverTopicText(int topic);
// How a hostile creature looks by its health: healthy from 90 %, a little hurt from
// 60 %, injured from 20 %, badly injured below.
std::string HealthWords(int slot);
// One line listing the items on a cell: `lead` + the first name, " and a " + the second
// and third, " and other things" for more, then `tail`. Empty when the cell is bare.
std::string ListItemsOnCell(int x, int y, const char* lead, const char* tail);
