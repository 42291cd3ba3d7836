// Interactions opened by bumping into or stepping onto features and characters.
#pragma once

// Draws the panel of the open interaction (DialogueState), reads its keys and applies
// its outcomes; called once per frame by the turn loop while DialogueState is not 0.
void RunInteraction();
