#include "rules/recipebook.h"

#include "core/frame.h"
#include "core/open_screen.h"
#include "core/state.h"
#include "items/food.h"
#include "platform/platform.h"

namespace {

constexpr int DishCount = DishLastId - DishFirstId + 1;

// What the book says each dish takes; the pot's actual rules live with cooking.
const char* const Ingredients[DishCount] = {
    "Flour + Sugar + Vanilla",
    "Flour + Sugar + Vanilla + Chocolate",
    "Flour + Sugar + Vanilla + Fruit",
    "Flour + Sugar + Vanilla + Nuts",
    "Egg + Egg + Egg",
    "Egg + Egg + Egg + Vegetable",
    "Egg",
    "Egg + Vegetable",
    "Egg + Bread",
    "Egg + Bread + Vegetable",
    "Tofu + Bread",
    "Tofu + Bread + Tomato",
    "Egg + Flour + Vanilla + Milk",
    "Egg + Flour + Vanilla + Milk + Chocolate",
    "Egg + Flour + Vanilla + Milk + Fruit",
    "Egg + Flour + Vanilla + Milk + Nuts",
    "Egg + Flour + Baking Soda + Wheatgerm",
    "Egg + Flour + Baking Soda + Wheatgerm + Chocolate",
    "Egg + Flour + Baking Soda + Wheatgerm +Fruit",
    "Egg + Flour + Baking Soda + Wheatgerm + Nuts",
    "Egg + Lemon + Chips + Soda + Worms",
    "Bread + Vegetable",
    "Potato",
    "Potato + Vegetable",
    "Vegetable + Vegetable + Vegetable + Vegetable",
    "Oats + Milk",
    "Oats + Milk + Fruit",
    "Oats + Milk + Nuts",
    "Milk + Fruit",
    "Milk + Chocolate",
    "Apple + Sugar + Sugar",
    "Apple + Egg + Flour + Sugar",
    "Apple + Egg + Flour + Sugar + Milk",
    "Apple + Flour + Sugar + Vanilla",
    "Apple + Lemon + Sugar + Vanilla + Oats",
    "Apple + Apple + Apple + Flour + Sugar",
    "Apple + Sugar + Bread",
    "Apple + Lemon + Sugar + Bread",
    "Apple + Flour + Flour + Sugar + Sugar",
    "Apple + Egg + Flour + Sugar + Baking Soda",
    "Cherry + Egg + Flour + Sugar",
    "Fruit + Fruit + Fruit (mixed fruits)",
    "Vegetable + Vegetable + Vegetable (mixed veg)",
    "Orange + Lettuce + Asparagus + Bread + Cherry",
    "Apple + Apple + Apple",
    "Tofu + Vegetable + Vegetable",
    "Banana + Chocolate",
    "Egg + Sugar + Vanilla + Milk",
    "Egg + Sugar + Vanilla + Milk + Fruit",
    "Egg + Sugar + Vanilla + Milk + Chocolate",
    "Egg + Sugar + Vanilla + Milk + Nuts",
    "Tomato + Vegetable + Chips",
    "Orange + Orange + Orange",
    "Bread + Fruit",
    "Vegetable + Potato + Egg",
};

const FoodEntry* Dish(int r) { return FindFood(DishFirstId + r); }

}  // namespace

const char* RecipeIngredients(int r) { return (r >= 0 && r < DishCount) ? Ingredients[r] : ""; }

void RecipeBookScreen() {
    const ScreenOpen open(ScreenRecipeBook);
    InputDelay = DelayAfterAction;
    int cursor = 0;
    for (;;) {
        SetColor(20, 20, 40);
        DrawRect(100, 80, 600, 415);
        DrawRect(100, 20, 200, 50);
        DrawRect(10, 500, 760, 90);
        SetColor(255, 255, 255);
        Say("RECIPES", 110, 30);
        Say("Press space to return", 110, 50);
        for (int r = 0; r < DishCount; ++r) {
            const int x = 110 + 150 * (r / 20);
            const int y = 90 + 20 * (r % 20);
            if (r == cursor) {
                SetColor(150, 150, 205);
                DrawRect(x, y, 140, 20);
            }
            const FoodEntry* dish = Dish(r);
            if (RecipeBook[r] == 1 && dish) {
                SetColor(255, 255, 255);
                Say(dish->name, x, y);
            } else {
                SetColor(100, 100, 100);
                Say("No recipe", x, y);
            }
        }
        SetColor(255, 255, 255);
        const FoodEntry* chosen = Dish(cursor);
        if (RecipeBook[cursor] == 1 && chosen) {
            Say(std::string("Recipe for ") + chosen->name, 20, 510);
            Say(chosen->line1, 20, 530);
            Say(chosen->line2, 20, 550);
            Say(Ingredients[cursor], 20, 570);
        }
        bool leave = false;
        if (InputDelay == 0) {
            // The book runs down its columns of 20: Up and Down step a dish, Left and Right
            // a column. Two arrows held at once: the first of up, down, left, right moves it.
            const bool moved = MoveGridCursor(cursor, DishCount, 1, 20, GridEnds::Clamp, DelayAfterAction);
            if (!moved && KeyHeld(KeySpace)) leave = true;
        }
        if (KeyHeld(KeyC) || KeyHeld(KeyEsc)) leave = true;
        EndFrame();
        if (QuitRequested()) return;
        if (leave) break;
    }
    InputDelay = DelayAfterAction;
}
