// The values of UiMode: what the keys of a game frame serve, and so which panel shows a
// cursor. The turn loop hands the keys to the owner of the mode. The new-game wizard,
// which runs before any game frame, borrows the table for its page number.
#pragma once

constexpr int UiMap = 0;        // the hero's commands on the map (and the skill hotkeys)
constexpr int UiInventory = 1;  // the inventory panel, its cursor InvCursor
constexpr int UiSkillList = 2;  // the skill list, its cursor InvCursor too
constexpr int UiAiming = 3;     // a skill in use, from its choice to its end
