// The heads-up display around the map: statistics, skills, equipment, inventory, the
// text box at the top and the message log at the bottom.
#pragma once

// Draws the statistics, skills, equipment and inventory panels, the text box and the
// message log, and runs the panel keys; once per frame of the turn loop.
void DrawPanels();

// True while the inventory panel serves to pick an item for a skill or an interaction
// (an item-taking skill chosen but not yet aimed, the cooking pot, a garden tree, the
// sales griffon's or a forest folk's trade); MenuCursor is then its cursor.
bool ItemChoosing();
