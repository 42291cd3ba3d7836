// The recipe book: the 55 cooked dishes, with the recipes found so far.
#pragma once

// Runs the screen until Space, C or Esc (opened with R from the map).
void RecipeBookScreen();
// The ingredient line shown for dish 140 + r, r = 0..54.
const char* RecipeIngredients(int r);
