// The heads-up display around the map.
#pragma once

// Draws the statistics, skills, equipment and inventory panels, the text box and the message log, and runs the panel keys; once per frame of the turn loop.
void DrawPanels();
