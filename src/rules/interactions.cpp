#include "rules/interactions.h"

#include "core/state.h"

bool InteractionChoosingItem() {
    switch (DialogueState) {
        case DialogueCookingPot:
        case DialogueMagicalTree: return true;
        case DialogueSalesGriffon: return DialogueStep == GriffonSellingStep;
        case DialogueGrubbin:
        case DialogueSeahoofling:
        case DialogueDoe:
        case DialogueBuck: return DialogueStep == ForestFolkSellingStep;
        default: return false;
    }
}
