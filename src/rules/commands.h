// The hero's commands on the plain map: moving, bumping, waiting, grabbing and the
// menu keys, with every rule that fires on stepping onto or bumping into a cell; and
// the keys of the inventory panel those menu keys open.
#pragma once

// One call per frame while the game is not over, InputDelay is 0, no interaction is
// open and UiMode is UiMap. An action that uses up the turn sets TurnTaken.
void PlayerCommand();
// The keys of the open inventory panel (UiMode UiInventory): the arrows walk InvCursor
// over the satchel, I or C closes the panel (delay 20), D drops and Space or Enter uses
// or wears the item under the cursor. None of them uses up the turn.
void RunInventoryPanel();

// The parts of a command, for the turn loop's tests and tools.
// Picks up the last ground item on the hero's cell (money, stacks, or a free slot).
void GrabItem();
// The hero has just stepped onto (x, y). Returns true when a sector change happened.
bool EnterCell(int x, int y);
// The hero pushed against the blocked cell (x, y).
void BumpCell(int x, int y);
// The hero's bump attack on creature slot `defender`, with its report.
void HeroAttack(int defender);
// The hero standing on lava, not flying, is burnt (10 hit points).
void BurnOnLava();
// True when the hero could not step onto (x, y): the cell's terrain or a creature
// blocks it (a pit only while he does not fly). What stops every landing.
bool LandingBlocked(int x, int y);
// The hero lands on (x, y) without walking there (a teleport, a dash, a jump, a trip
// through a wall): the cell's rules apply as if he had stepped onto it (water, exits,
// doors, books), then lava burns him.
void LandHero(int x, int y);
