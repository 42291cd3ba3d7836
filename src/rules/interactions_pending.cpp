// Stand-in until the interactions land: whatever a bump or a step opened is closed
// again at once, as a finished interaction closes, so the map keys keep working. The
// cooking pot has its own screen. The interactions replace this whole file.
#include "core/state.h"
#include "rules/cooking.h"
#include "rules/interactions.h"

void RunInteraction() {
    if (DialogueState == DialogueCookingPot) {
        RunCookingPot();
        return;
    }
    DialogueState = DialogueNone;
    DialogueStep = 0;
    MenuCursor = 0;
    InputDelay = 10;
}
