// The "ABILITIES" screen where skill points buy skill levels.
#pragma once

// Runs the screen until "Done" is chosen. No game time passes while it is shown.
void ShowSkillUpgrades();
