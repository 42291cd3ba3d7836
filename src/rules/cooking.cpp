#include "rules/cooking.h"

#include <algorithm>
#include <iterator>

#include "core/state.h"

namespace {

// Ingredient ids the recipes name.
constexpr int Apple = 101, Banana = 102, Cherry = 103, Oranges = 104, Lemon = 105, Jolt = 106;
constexpr int Tomato = 110, Lettuce = 111, Asparagus = 112, Potato = 114;
constexpr int Nuts = 120, Choc = 121, Egg = 122, Flour = 123, Sugar = 124, Vanilla = 125, Bread = 126,
              Tofu = 127, Milk = 128, Oats = 129, Chips = 130, Soda = 131, BakingSoda = 132, Worm = 133,
              Wheatgerm = 134;

// Places of a recipe that take any ingredient of a class. The "different" classes must be
// filled with ingredients that differ from each other.
constexpr int AnyFruit = -1;        // 101..106
constexpr int AnyVeg = -2;          // 110..113: potatoes are not greens
constexpr int AnyVegPlus = -3;      // 110..114
constexpr int NotTomato = -4;       // Lettuce, Asparagus, Carrot or Potato
constexpr int DifferentFruit = -5;
constexpr int DifferentVegPlus = -6;

bool Fits(int place, int kind) {
    switch (place) {
        case AnyFruit: case DifferentFruit: return kind >= 101 && kind <= 106;
        case AnyVeg: return kind >= 110 && kind <= 113;
        case AnyVegPlus: case DifferentVegPlus: return kind >= 110 && kind <= 114;
        case NotTomato: return kind >= 111 && kind <= 114;
        default: return kind == place;
    }
}

struct Recipe {
    int dish;
    int places[5];  // the filled places exactly; 0 ends the list
};

// Tested in this order and the last match wins: an Apple with Flour, Sugar and Vanilla is
// an Apple Dumpling, not a Fruit Cupcake.
constexpr Recipe Recipes[] = {
    /*  1 */ {140, {Flour, Sugar, Vanilla}},
    /*  2 */ {141, {Choc, Flour, Sugar, Vanilla}},
    /*  3 */ {142, {AnyFruit, Flour, Sugar, Vanilla}},
    /*  4 */ {143, {Nuts, Flour, Sugar, Vanilla}},
    /*  5 */ {144, {Egg, Egg, Egg}},
    /*  6 */ {145, {AnyVeg, Egg, Egg, Egg}},
    /*  7 */ {146, {Egg}},
    /*  8 */ {147, {AnyVeg, Egg}},
    /*  9 */ {148, {Egg, Bread}},
    /* 10 */ {149, {AnyVeg, Egg, Bread}},
    /* 11 */ {150, {Bread, Tofu}},
    /* 12 */ {151, {Tomato, Bread, Tofu}},
    /* 13 */ {152, {Egg, Flour, Vanilla, Milk}},
    /* 14 */ {153, {Choc, Egg, Flour, Vanilla, Milk}},
    /* 15 */ {154, {AnyFruit, Egg, Flour, Vanilla, Milk}},
    /* 16 */ {155, {Nuts, Egg, Flour, Vanilla, Milk}},
    /* 17 */ {156, {Egg, Flour, BakingSoda, Wheatgerm}},
    /* 18 */ {157, {Choc, Egg, Flour, BakingSoda, Wheatgerm}},
    /* 19 */ {158, {AnyFruit, Egg, Flour, BakingSoda, Wheatgerm}},
    /* 20 */ {159, {Nuts, Egg, Flour, BakingSoda, Wheatgerm}},
    /* 21 */ {160, {Lemon, Egg, Chips, Soda, Worm}},
    /* 22 */ {161, {AnyVegPlus, Bread}},
    /* 23 */ {162, {Potato}},
    /* 24 */ {163, {AnyVeg, Potato}},
    /* 25 */ {164, {AnyVegPlus, AnyVegPlus, AnyVegPlus, AnyVegPlus}},
    /* 26 */ {165, {Milk, Oats}},
    /* 27 */ {166, {AnyFruit, Milk, Oats}},
    /* 28 */ {167, {Nuts, Milk, Oats}},
    /* 29 */ {168, {AnyFruit, Milk}},
    /* 30 */ {169, {Choc, Milk}},
    /* 31 */ {170, {Apple, Sugar, Sugar}},
    /* 32 */ {171, {Apple, Egg, Flour, Sugar}},
    /* 33 */ {172, {Apple, Egg, Flour, Sugar, Milk}},
    /* 34 */ {173, {Apple, Flour, Sugar, Vanilla}},
    /* 35 */ {174, {Apple, Lemon, Sugar, Vanilla, Oats}},
    /* 36 */ {175, {Apple, Apple, Apple, Flour, Sugar}},
    /* 37 */ {176, {Apple, Sugar, Bread}},
    /* 38 */ {177, {Apple, Lemon, Sugar, Bread}},
    /* 39 */ {178, {Apple, Flour, Flour, Sugar, Sugar}},
    /* 40 */ {179, {Apple, Egg, Flour, Sugar, BakingSoda}},
    /* 41 */ {180, {Cherry, Egg, Flour, Sugar}},
    /* 42 */ {181, {DifferentFruit, DifferentFruit, DifferentFruit}},
    /* 43 */ {182, {DifferentVegPlus, DifferentVegPlus, DifferentVegPlus}},
    /* 44 */ {183, {Cherry, Oranges, Lettuce, Asparagus, Bread}},
    /* 45 */ {184, {Apple, Apple, Apple}},
    /* 46 */ {185, {DifferentVegPlus, DifferentVegPlus, Tofu}},
    /* 47 */ {186, {Banana, Choc}},
    /* 48 */ {187, {Egg, Sugar, Vanilla, Milk}},
    /* 49 */ {188, {AnyFruit, Egg, Sugar, Vanilla, Milk}},
    /* 50 */ {189, {Choc, Egg, Sugar, Vanilla, Milk}},
    /* 51 */ {190, {Nuts, Egg, Sugar, Vanilla, Milk}},
    /* 52 */ {191, {Tomato, NotTomato, Chips}},
    /* 53 */ {126, {Flour}},  // bread is an ingredient, not a dish: never recorded
    /* 54 */ {192, {Oranges, Oranges, Oranges}},
    /* 55 */ {193, {AnyFruit, Bread}},
    /* 56 */ {194, {AnyVeg, Potato, Egg}},
    // The apple recipes again with a Jolt Apple for the single apple; the Jolt Apple
    // raises the dish's quality when it is cooked.
    /* 57 */ {170, {Jolt, Sugar, Sugar}},
    /* 58 */ {171, {Jolt, Egg, Flour, Sugar}},
    /* 59 */ {172, {Jolt, Egg, Flour, Sugar, Milk}},
    /* 60 */ {173, {Jolt, Flour, Sugar, Vanilla}},
    /* 61 */ {174, {Jolt, Lemon, Sugar, Vanilla, Oats}},
    /* 62 */ {175, {Apple, Apple, Jolt, Flour, Sugar}},
    /* 63 */ {176, {Jolt, Sugar, Bread}},
    /* 64 */ {177, {Jolt, Lemon, Sugar, Bread}},
    /* 65 */ {178, {Jolt, Flour, Flour, Sugar, Sugar}},
    /* 66 */ {179, {Jolt, Egg, Flour, Sugar, BakingSoda}},
    /* 67 */ {184, {Apple, Apple, Jolt}},
};
static_assert(std::size(Recipes) == 67, "the 67 recipe rules");

// True when the filled ingredients (sorted) can be laid one to one on the recipe's places.
bool Matches(const Recipe& recipe, const int* filled, int count) {
    int places = 0;
    while (places < 5 && recipe.places[places] != 0) ++places;
    if (places != count) return false;
    int order[5];
    std::copy(filled, filled + count, order);
    do {
        bool ok = true;
        for (int i = 0; i < count && ok; ++i) ok = Fits(recipe.places[i], order[i]);
        // Ingredients on "different" places must differ pairwise.
        for (int i = 0; i < count && ok; ++i) {
            for (int j = i + 1; j < count && ok; ++j) {
                const int p = recipe.places[i];
                if ((p == DifferentFruit || p == DifferentVegPlus) && p == recipe.places[j]) ok = order[i] != order[j];
            }
        }
        if (ok) return true;
    } while (std::next_permutation(order, order + count));
    return false;
}

}  // namespace

int MatchRecipe() {
    // Empty places read as 5000 and sort last; only the places before them take part.
    int sorted[PotSlots];
    for (int i = 0; i < PotSlots; ++i) sorted[i] = PotKind[i] == 0 ? 5000 : PotKind[i];
    std::sort(sorted, sorted + PotSlots);
    int filled = 0;
    while (filled < PotSlots && sorted[filled] != 5000) ++filled;
    // A kind above 5000 cannot come from play; it sorts after the empty places and so
    // fits no recipe, which lists exactly its filled places.
    if (filled < PotSlots && sorted[PotSlots - 1] != 5000) return 0;

    int result = 0;
    for (const Recipe& recipe : Recipes) {
        if (Matches(recipe, sorted, filled)) result = recipe.dish;
    }
    if (result >= 140 && result - 140 < RecipeBookCount) RecipeBook[result - 140] = 1;
    return result;
}
