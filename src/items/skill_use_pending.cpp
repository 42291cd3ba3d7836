// Stand-in until skills can be used: a chosen skill is put away again at once, so the
// turn loop never stays in the aiming mode. The skill effects replace this whole file.
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/skill_use.h"

void UseSkill() {
    UiMode = UiMap;
    AimPhase = AimStart;
    TargetX = -1;
    TargetY = -1;
    InputDelay = 10;
}
