#include "rules/cooking.h"

#include <algorithm>
#include <iterator>

#include "core/state.h"
#include "items/food.h"

namespace {

// Places of a recipe that take any ingredient of a class. The "different" classes must be
// filled with ingredients that differ from each other.
constexpr int AnyFruit = -1;    // Apple..Jolt Apple
constexpr int AnyVeg = -2;      // Tomato..Carrot: potatoes are not greens
constexpr int AnyVegPlus = -3;  // Tomato..Potato
constexpr int NotTomato = -4;   // Lettuce, Asparagus, Carrot or Potato
constexpr int DifferentFruit = -5;
constexpr int DifferentVegPlus = -6;

bool Fits(int place, int kind) {
    switch (place) {
        case AnyFruit:
        case DifferentFruit: return IsFruit(kind);
        case AnyVeg: return kind >= ItemTomato && kind <= ItemCarrot;
        case AnyVegPlus:
        case DifferentVegPlus: return kind >= ItemTomato && kind <= ItemPotato;
        case NotTomato: return kind >= ItemLettuce && kind <= ItemPotato;
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
    /*  1 */ {ItemCupcake, {ItemFlour, ItemSugar, ItemVanilla}},
    /*  2 */ {ItemChocCupcake, {ItemChocolate, ItemFlour, ItemSugar, ItemVanilla}},
    /*  3 */ {ItemFruitCupcake, {AnyFruit, ItemFlour, ItemSugar, ItemVanilla}},
    /*  4 */ {ItemNutsCupcake, {ItemNuts, ItemFlour, ItemSugar, ItemVanilla}},
    /*  5 */ {ItemOmelette, {ItemEgg, ItemEgg, ItemEgg}},
    /*  6 */ {ItemOmeletteVeg, {AnyVeg, ItemEgg, ItemEgg, ItemEgg}},
    /*  7 */ {ItemFriedEgg, {ItemEgg}},
    /*  8 */ {ItemFriedEggVeg, {AnyVeg, ItemEgg}},
    /*  9 */ {ItemScrambledEgg, {ItemEgg, ItemBread}},
    /* 10 */ {ItemScrambledEggVeg, {AnyVeg, ItemEgg, ItemBread}},
    /* 11 */ {ItemTofuDog, {ItemBread, ItemTofu}},
    /* 12 */ {ItemTofuDogTopped, {ItemTomato, ItemBread, ItemTofu}},
    /* 13 */ {ItemPancakes, {ItemEgg, ItemFlour, ItemVanilla, ItemMilk}},
    /* 14 */ {ItemChocPancakes, {ItemChocolate, ItemEgg, ItemFlour, ItemVanilla, ItemMilk}},
    /* 15 */ {ItemFruityPancakes, {AnyFruit, ItemEgg, ItemFlour, ItemVanilla, ItemMilk}},
    /* 16 */ {ItemNuttyPancakes, {ItemNuts, ItemEgg, ItemFlour, ItemVanilla, ItemMilk}},
    /* 17 */ {ItemMuffin, {ItemEgg, ItemFlour, ItemBakingSoda, ItemWheatgerm}},
    /* 18 */ {ItemChocChipMuffin, {ItemChocolate, ItemEgg, ItemFlour, ItemBakingSoda, ItemWheatgerm}},
    /* 19 */ {ItemFruityMuffins, {AnyFruit, ItemEgg, ItemFlour, ItemBakingSoda, ItemWheatgerm}},
    /* 20 */ {ItemNuttyMuffins, {ItemNuts, ItemEgg, ItemFlour, ItemBakingSoda, ItemWheatgerm}},
    /* 21 */ {ItemBakedBads, {ItemLemon, ItemEgg, ItemChips, ItemSoda, ItemWorm}},
    /* 22 */ {ItemSandwich, {AnyVegPlus, ItemBread}},
    /* 23 */ {ItemBakedPotato, {ItemPotato}},
    /* 24 */ {ItemBakedPotatoVeg, {AnyVeg, ItemPotato}},
    /* 25 */ {ItemVegetableSoup, {AnyVegPlus, AnyVegPlus, AnyVegPlus, AnyVegPlus}},
    /* 26 */ {ItemPorridge, {ItemMilk, ItemOats}},
    /* 27 */ {ItemFruitPorridge, {AnyFruit, ItemMilk, ItemOats}},
    /* 28 */ {ItemNuttyPorridge, {ItemNuts, ItemMilk, ItemOats}},
    /* 29 */ {ItemFruitMilk, {AnyFruit, ItemMilk}},
    /* 30 */ {ItemChocMilk, {ItemChocolate, ItemMilk}},
    /* 31 */ {ItemCandyApple, {ItemApple, ItemSugar, ItemSugar}},
    /* 32 */ {ItemApplePie, {ItemApple, ItemEgg, ItemFlour, ItemSugar}},
    /* 33 */ {ItemAppleFritter, {ItemApple, ItemEgg, ItemFlour, ItemSugar, ItemMilk}},
    /* 34 */ {ItemAppleDumpling, {ItemApple, ItemFlour, ItemSugar, ItemVanilla}},
    /* 35 */ {ItemAppleCrisp, {ItemApple, ItemLemon, ItemSugar, ItemVanilla, ItemOats}},
    /* 36 */ {ItemAppleCrumble, {ItemApple, ItemApple, ItemApple, ItemFlour, ItemSugar}},
    /* 37 */ {ItemAppleBrownBetty, {ItemApple, ItemSugar, ItemBread}},
    /* 38 */ {ItemDutchApplePie, {ItemApple, ItemLemon, ItemSugar, ItemBread}},
    /* 39 */ {ItemAppleTurnover, {ItemApple, ItemFlour, ItemFlour, ItemSugar, ItemSugar}},
    /* 40 */ {ItemAppleCobbler, {ItemApple, ItemEgg, ItemFlour, ItemSugar, ItemBakingSoda}},
    /* 41 */ {ItemCherryPie, {ItemCherry, ItemEgg, ItemFlour, ItemSugar}},
    /* 42 */ {ItemFruitSalad, {DifferentFruit, DifferentFruit, DifferentFruit}},
    /* 43 */ {ItemSalad, {DifferentVegPlus, DifferentVegPlus, DifferentVegPlus}},
    /* 44 */ {ItemDeluxeSalad, {ItemCherry, ItemOranges, ItemLettuce, ItemAsparagus, ItemBread}},
    /* 45 */ {ItemCider, {ItemApple, ItemApple, ItemApple}},
    /* 46 */ {ItemTofuStirFry, {DifferentVegPlus, DifferentVegPlus, ItemTofu}},
    /* 47 */ {ItemChocBanana, {ItemBanana, ItemChocolate}},
    /* 48 */ {ItemCremeBrulee, {ItemEgg, ItemSugar, ItemVanilla, ItemMilk}},
    /* 49 */ {ItemFruitBrulee, {AnyFruit, ItemEgg, ItemSugar, ItemVanilla, ItemMilk}},
    /* 50 */ {ItemChocBrulee, {ItemChocolate, ItemEgg, ItemSugar, ItemVanilla, ItemMilk}},
    /* 51 */ {ItemNutBrulee, {ItemNuts, ItemEgg, ItemSugar, ItemVanilla, ItemMilk}},
    /* 52 */ {ItemChipsAndDip, {ItemTomato, NotTomato, ItemChips}},
    /* 53 */ {ItemBread, {ItemFlour}},  // bread is an ingredient, not a dish: never recorded
    /* 54 */ {ItemOrangeJuice, {ItemOranges, ItemOranges, ItemOranges}},
    /* 55 */ {ItemJamOnBread, {AnyFruit, ItemBread}},
    /* 56 */ {ItemSpanishOmelette, {AnyVeg, ItemPotato, ItemEgg}},
    // The apple recipes again with a Jolt Apple for the single apple; the Jolt Apple
    // raises the dish's quality when it is cooked.
    /* 57 */ {ItemCandyApple, {ItemJoltApple, ItemSugar, ItemSugar}},
    /* 58 */ {ItemApplePie, {ItemJoltApple, ItemEgg, ItemFlour, ItemSugar}},
    /* 59 */ {ItemAppleFritter, {ItemJoltApple, ItemEgg, ItemFlour, ItemSugar, ItemMilk}},
    /* 60 */ {ItemAppleDumpling, {ItemJoltApple, ItemFlour, ItemSugar, ItemVanilla}},
    /* 61 */ {ItemAppleCrisp, {ItemJoltApple, ItemLemon, ItemSugar, ItemVanilla, ItemOats}},
    /* 62 */ {ItemAppleCrumble, {ItemApple, ItemApple, ItemJoltApple, ItemFlour, ItemSugar}},
    /* 63 */ {ItemAppleBrownBetty, {ItemJoltApple, ItemSugar, ItemBread}},
    /* 64 */ {ItemDutchApplePie, {ItemJoltApple, ItemLemon, ItemSugar, ItemBread}},
    /* 65 */ {ItemAppleTurnover, {ItemJoltApple, ItemFlour, ItemFlour, ItemSugar, ItemSugar}},
    /* 66 */ {ItemAppleCobbler, {ItemJoltApple, ItemEgg, ItemFlour, ItemSugar, ItemBakingSoda}},
    /* 67 */ {ItemCider, {ItemApple, ItemApple, ItemJoltApple}},
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
    return result;
}

bool LearnRecipe(int dish) {
    if (dish < DishFirstId || dish - DishFirstId >= RecipeBookCount) return false;
    int& known = RecipeBook[dish - DishFirstId];
    if (known == 1) return false;
    known = 1;
    return true;
}
