// The keyboard look cursor: for a player without a mouse, L on the map puts a square on
// the hero that the arrow keys move over the sector; the look texts describe the cell it
// rests on, as they describe the cell under the pointer. Only looking: the hero stays
// where he is and no turn passes. While it is open UiMode is UiLook and the cell is
// LookCursorX, LookCursorY; neither is saved, so a save is the same whether or not the
// player ever opened it.
#pragma once

bool LookCursorOpen();
// Puts the cursor on the hero's cell.
void OpenLookCursor();
// Back to the hero's commands; nothing when the cursor is not open.
void CloseLookCursor();
// Moves the cursor by (dx, dy) cells, kept on the map.
void MoveLookCursor(int dx, int dy);
// The keys while the cursor is open, in place of the map's commands: an arrow moves it
// one cell (then the short cursor delay), L, C or Esc close it. Esc is taken here, so
// it never starts the question whether to quit the game.
void RunLookCursorKeys();
