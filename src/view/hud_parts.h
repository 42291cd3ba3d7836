// What the HUD's files share among themselves; the rest of the game sees only hud.h.
#pragma once
#include <string>

#include "platform/platform.h"

// The key code of a capital letter.
constexpr int LetterKey(char c) { return KeyA + (c - 'A'); }

// Panel colours.
void SetPanelColour();      // (150, 150, 205), the panels' background
void SetHighlightColour();  // (20, 20, 40), the cursor bar of the lists

// True while the pointer lies in the rectangle, bounds included.
bool PointerIn(int left, int right, int top, int bottom);
// The first `maxChars` characters of `text` (the font is 8 pixels a character).
std::string Clip(const std::string& text, int maxChars);
// Inventory slots shown and usable: InvCapacity kept inside the table.
int UsableInvSlots();

// Statistics block with its bars, status labels and the depth bar (hud_stats.cpp).
void DrawStatistics(int x0, int y0);
// Equipment names and the six statistics with their bonuses (hud_stats.cpp).
void DrawEquipmentPanel(int x0, int y0);

// The skill list and its keys (hud_skills.cpp). Listed skills are the slots with an id
// and a level; entry n (0-based) is shown with the number n + 1.
int ListedSkillCount();
int ListedSkillSlot(int entry);  // -1 when there is no such entry
void DrawSkillsPanel(int x0, int y0);
void RunSkillKeys();

// The inventory panel and its keys (hud_inventory.cpp).
void DrawInventoryPanel(int x0, int y0);
void RunInventoryKeys();

// The help and look texts in the top box, then the message log (hud_look.cpp).
void DrawLookTextsAndLog();
