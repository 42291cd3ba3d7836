// What the HUD's files share among themselves; the rest of the game sees only hud.h.
#pragma once

#include "view/palette.h"  // the panels' colours, by the player's theme

// True while the pointer lies in the rectangle, bounds included.
bool PointerIn(int left, int right, int top, int bottom);

// Statistics block with its bars, status labels and the depth bar (hud_stats.cpp).
void DrawStatistics(int x0, int y0);
// Equipment names and the six statistics with their bonuses (hud_stats.cpp).
void DrawEquipmentPanel(int x0, int y0);
// The skill list, with the cursor of the open list (hud_skills.cpp).
void DrawSkillsPanel(int x0, int y0);
// The inventory panel, with the cursor of the open panel or of an item choice
// (hud_inventory.cpp).
void DrawInventoryPanel(int x0, int y0);
// The help and look texts in the top box, then the message log (hud_look.cpp).
void DrawLookTextsAndLog();
