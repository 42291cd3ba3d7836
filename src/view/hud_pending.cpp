// Stand-in until the panels land: the turn loop already calls DrawPanels every frame.
// The panels replace this whole file.
#include "view/hud.h"

void DrawPanels() {}
