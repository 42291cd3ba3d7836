// The values of UiMode: what the keys of a game frame serve, and so which panel shows a
// cursor. The turn loop hands the keys to the owner of the mode. The new-game wizard,
// which runs before any game frame, borrows the table for its page number.
#pragma once

constexpr int UiMap = 0;        // the hero's commands on the map (and the skill hotkeys)
constexpr int UiInventory = 1;  // the inventory panel, its cursor InvCursor
constexpr int UiSkillList = 2;  // the skill list, its cursor InvCursor too
constexpr int UiAiming = 3;     // a skill in use, from its choice to its end
constexpr int UiLook = 4;       // the keyboard look cursor, on cell LookCursorX, LookCursorY

// The map's own modes, the hero's commands and the look cursor: in both the map's look
// texts show and the panels answer the pointer.
constexpr bool MapModes(int mode) { return mode == UiMap || mode == UiLook; }
