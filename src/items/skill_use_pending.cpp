// Stand-in until skills can be used: a chosen skill is put away again at once, so the
// turn loop never stays in the aiming mode. The skill effects replace this whole file.
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/skill_use.h"

void UseSkill() {
    // A use ends with no active skill: a skill that takes an item waits for it while its
    // slot stays active at the start, so a slot left behind would keep the satchel
    // picking (and, at 800 x 600, covering the statistics) for the rest of the run.
    UiMode = UiMap;
    AimPhase = AimStart;
    ActiveSkillSlot = 0;
    TargetX = -1;
    TargetY = -1;
    InputDelay = 10;
}
