// Using a skill from the list: aiming it and applying its effect.
#pragma once

// One step of the active skill (ActiveSkillSlot) for the current AimPhase; called once
// per frame by the turn loop while UiMode is 3.
void UseSkill();
