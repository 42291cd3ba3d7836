// The game's rules around a turn, which the turn loop calls in its fixed order: the
// bonuses at the start of every frame, the world's turn after an action of the hero's
// used one up, then every frame the deaths with their loot and the level-up. The order
// matters: it fixes which random draws happen when.
#pragma once

#include "items/catalogue.h"

// The six bonus fields of every slot from friendship, statuses and, for the hero, the
// worn equipment; at the start of every frame.
void RecomputeBonuses();
// Adds a worn piece's stat points, as its "Mods:" line shows them, to the hero's six
// bonus fields.
void AddWornBonuses(const ItemDescription& item);
// The world's turn after the hero's: hazards, timers, the creatures, the countdowns.
void EndOfTurn();
// Removes fallen creatures with their loot and experience; ends the game on the
// hero's death or the scenario villain's. Every frame.
void ResolveDeaths();
// At most one level per frame once the experience reaches XpNext.
void LevelUpHero();
