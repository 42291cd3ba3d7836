// The panel every interaction shares: its text lines, its numbered choice menu with the
// highlight bar, its "Press space to continue" screens, and the small map changes the
// choices make.
#pragma once
#include <string>
#include <vector>

// The left edge of the panel's lines: over the map at 1024 x 768, at the screen's edge
// at 800 x 600.
int PanelX();
// Draws `text` in white as line `row` of the panel (row 0 at the top).
void PanelLine(int row, const std::string& text);
// Draws `text` in white as line `row`, `dx` pixels right of the panel's left edge.
void PanelLineAt(int dx, int row, const std::string& text);
// Draws `options` as the lines from `firstRow` on, with the bar under MenuCursor, and
// reads the menu's keys. Returns the index of the option picked in this frame, or -1.
// Only while InputDelay is 0: up and down move the cursor within the options, confirm
// picks the highlighted one, the digits 1..9 pick theirs directly; each sets the delay.
int PanelMenu(int firstRow, const std::vector<std::string>& options);
// Which key closed a continue screen in this frame.
enum class Closed { No, Confirm, Cancel };
// A "Press space to continue" screen's last line: `text` as line `row`; reports which key
// closed it in this frame (InputDelay 0; a close sets the delay). `cancelCloses` false
// leaves C without effect, for the screens only confirm closes.
Closed PanelContinueKey(int row, const std::string& text, bool cancelCloses);

// Every cell of terrain `from` on the sector becomes `to` and the frames are recomputed
// (always, even when no cell changed: the recount takes its draw from the game's
// stream). Returns the number of cells changed.
int ReplaceFeature(int from, int to);
// True when the ground table has a free slot, so an item placed now is not lost.
bool GroundHasRoom();
// True when the ground table has `items` free slots.
bool GroundRoomFor(int items);
