// Cooking: which dish the ingredients in the pot make.
#pragma once

// The dish the five pot places (PotKind) make, in any order, or 0 for none. Marks a dish
// of id 140 or more as known in RecipeBook, so a recipe is learnt as soon as its
// ingredients lie in the pot, cooked or not. Called every frame the pot is open.
int MatchRecipe();

// One frame of the cooking pot's screen (DialogueState DialogueCookingPot): its lines,
// its keys and cooking. Called by RunInteraction while the pot is open.
void RunCookingPot();
// Puts everything in the pot back into the satchel (stacks first, then empty slots, then
// the ground under the hero), for a run that ends while the pot is open: the pot itself
// is not saved.
void EmptyPotIntoSatchel();
