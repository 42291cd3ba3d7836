// Starting a new game: the three choice pages, the hero's set-up, the first skill
// points and the run's random plan.
#pragma once

// Runs the hero, difficulty and scenario pages, sets up the hero, opens the skill
// upgrade screen and draws the run's random plan.
void NewGameWizard();
// The run's random plan: the prize list, the band biomes, the forest folk's roles and
// the quest type, drawn in that order.
void DrawRunPlan();
