// Cooking: which dish the ingredients in the pot make.
#pragma once

// The dish the five pot places (PotKind) make, in any order, or 0 for none. Only looks:
// the book learns nothing from it.
int MatchRecipe();
// Marks a dish the recipe book lists (ids 140 and up; bread is an ingredient and is never
// listed) as known in RecipeBook. True when the book changed, so the caller can write it.
bool LearnRecipe(int dish);

// One frame of the cooking pot's screen (DialogueState DialogueCookingPot): its lines,
// its keys and cooking. Called by RunInteraction while the pot is open.
void RunCookingPot();
// Puts everything in the pot back into the satchel (stacks first, then empty slots, then
// the ground under the hero), for a run that ends while the pot is open: the pot itself
// is not saved.
void EmptyPotIntoSatchel();
