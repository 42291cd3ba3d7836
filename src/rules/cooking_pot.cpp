// Stand-in until the cooking pot's screen lands: the pot closes at once, as a finished
// interaction closes. The cooking screen replaces this whole file.
#include "core/state.h"
#include "rules/cooking.h"
#include "rules/interactions.h"

void RunCookingPot() {
    DialogueState = DialogueNone;
    DialogueStep = 0;
    MenuCursor = 0;
    InputDelay = 10;
}

void EmptyPotIntoSatchel() {}
