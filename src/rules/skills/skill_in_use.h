// Skills in play: the turn loop's handler while a skill is in use (UiMode UiAiming).
#pragma once

// One step of the active skill (ActiveSkillSlot) for the current AimPhase; called once
// per frame by the turn loop while UiMode is UiAiming. Starts the use (the item choice,
// then the highlighted range and the target cursor on the hero), moves the cursor,
// confirms, resolves the effect, pays and ends the use.
void UseSkill();
