// Melee attacks: hit or dodge, damage and the bites that leave a status behind.
#pragma once

// Resolves one attack of slot a on slot b: writes MonDamageTaken[b] (0 a dodge or miss,
// else at least 1) and may change b's statuses and base DEF, the hero's magic points and
// the log. Hit points are left to the caller. Draws one number c from the game's stream,
// plays its own rolls on a stream seeded from the clock, and leaves the game's stream
// seeded with c. Slots outside 0..50 are refused and nothing changes.
void ResolveAttack(int a, int b);

// The inventory slot worn as the weapon, or -1 when none (or the slot is out of range).
int WornWeaponSlot();
