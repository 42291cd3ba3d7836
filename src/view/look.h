// Look mode's texts about the map: what lies under the pointer and under the hero.
#pragma once

// Writes, from (x, y) down, the look texts of the terrain, the creature and the ground
// items under the pointer and of the items on the hero's cell; each line moves y down
// by 10. Called by the HUD's text box while the plain map is shown.
void DrawMapLookTexts(int x, int& y);
