// Stand-in until the look texts of terrain, creatures and ground items arrive: the
// text box then shows the panels' help texts and the message log only.
#include "view/look.h"

void DrawMapLookTexts(int x, int& y) {}
