// The heads-up display around the map: statistics, skills, equipment, inventory, the
// text box at the top and the message log at the bottom. It only draws: the keys of its
// panels belong to the handlers the turn loop gives them to.
#pragma once

// At 800 x 600 the inventory takes the place of the other three panels while it is
// open or while it serves to pick an item. Once per frame, before the panel keys run,
// so that a key closing the inventory brings the other panels back in the same frame.
void UpdatePanelSwap();
// Draws the statistics, skills, equipment and inventory panels, the text box and the
// message log; once per frame of the turn loop, after the panel keys.
void DrawPanels();
// At 800 x 600, while the log gives the top box up to a panel or a look text: the newest
// line the log was told since it last showed, on the lowest line of the box nothing
// else uses, so the answer to a key is seen where the key was pressed. Once per frame of
// the turn loop, after everything else is drawn.
void DrawAnswerLine();
