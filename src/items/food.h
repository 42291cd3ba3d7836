// The food table: every food id 101..199 with its texts, price and what eating it does.
//
// When adding a food: give an id of the free rows (HOOF_UNNAMED) a name below and fill
// its row in food.cpp; a new dish also needs its recipe (rules/cooking.cpp), which
// records it in the recipe book at index id - DishFirstId.
#pragma once

// Food item ids; the ids between them are rows no rule creates.
enum FoodId : int {
    // Raw ingredients: fruit 101..106, vegetables 110..114, the rest 120..134.
    ItemApple = 101,
    ItemBanana = 102,
    ItemCherry = 103,
    ItemOranges = 104,
    ItemLemon = 105,
    ItemJoltApple = 106,
    ItemTomato = 110,
    ItemLettuce = 111,
    ItemAsparagus = 112,
    ItemCarrot = 113,
    ItemPotato = 114,
    ItemNuts = 120,
    ItemChocolate = 121,
    ItemEgg = 122,
    ItemFlour = 123,
    ItemSugar = 124,
    ItemVanilla = 125,
    ItemBread = 126,
    ItemTofu = 127,
    ItemMilk = 128,
    ItemOats = 129,
    ItemChips = 130,
    ItemSoda = 131,
    ItemBakingSoda = 132,
    ItemWorm = 133,
    ItemWheatgerm = 134,
    // Cooked dishes 140..194.
    ItemCupcake = 140,
    ItemChocCupcake = 141,
    ItemFruitCupcake = 142,
    ItemNutsCupcake = 143,
    ItemOmelette = 144,
    ItemOmeletteVeg = 145,
    ItemFriedEgg = 146,
    ItemFriedEggVeg = 147,
    ItemScrambledEgg = 148,
    ItemScrambledEggVeg = 149,
    ItemTofuDog = 150,
    ItemTofuDogTopped = 151,
    ItemPancakes = 152,
    ItemChocPancakes = 153,
    ItemFruityPancakes = 154,
    ItemNuttyPancakes = 155,
    ItemMuffin = 156,
    ItemChocChipMuffin = 157,
    ItemFruityMuffins = 158,
    ItemNuttyMuffins = 159,
    ItemBakedBads = 160,
    ItemSandwich = 161,
    ItemBakedPotato = 162,
    ItemBakedPotatoVeg = 163,
    ItemVegetableSoup = 164,
    ItemPorridge = 165,
    ItemFruitPorridge = 166,
    ItemNuttyPorridge = 167,
    ItemFruitMilk = 168,
    ItemChocMilk = 169,
    ItemCandyApple = 170,
    ItemApplePie = 171,
    ItemAppleFritter = 172,
    ItemAppleDumpling = 173,
    ItemAppleCrisp = 174,
    ItemAppleCrumble = 175,
    ItemAppleBrownBetty = 176,
    ItemDutchApplePie = 177,
    ItemAppleTurnover = 178,
    ItemAppleCobbler = 179,
    ItemCherryPie = 180,
    ItemFruitSalad = 181,
    ItemSalad = 182,
    ItemDeluxeSalad = 183,
    ItemCider = 184,
    ItemTofuStirFry = 185,
    ItemChocBanana = 186,
    ItemCremeBrulee = 187,
    ItemFruitBrulee = 188,
    ItemChocBrulee = 189,
    ItemNutBrulee = 190,
    ItemChipsAndDip = 191,
    ItemOrangeJuice = 192,
    ItemJamOnBread = 193,
    ItemSpanishOmelette = 194,
};

constexpr int FoodFirstId = 101;
constexpr int FoodLastId = 199;
constexpr int FoodCount = FoodLastId - FoodFirstId + 1;
constexpr int DishFirstId = ItemCupcake;
constexpr int DishLastId = ItemSpanishOmelette;

// Runs of ids the rules treat alike.
constexpr bool IsFruit(int kind) { return kind >= ItemApple && kind <= ItemJoltApple; }

// Which way a food sways the night statue when it is offered.
enum FoodOffering { OfferSavoury, OfferSweet, OfferSpoiled };

constexpr int NoStatus = -1;

struct FoodEntry {
    int id;
    const char* name;  // empty for the ids no rule creates
    int basePrice;     // before ItemPrice's tier scaling
    int stomach;       // added to FullStomachTimer per unit eaten
    int hp;            // hit points restored per unit
    int mp;            // magic points restored per unit
    int status;        // status id raised by 10 turns, NoStatus for none
    int status2;       // a second one (only the chocolate banana has one)
    FoodOffering offering;
    bool animal;        // made with egg, milk or the like: angers the treelephants
    const char* line1;  // description lines as the look texts and recipe book show them
    const char* line2;
};

// Row i holds food id FoodFirstId + i.
extern const FoodEntry FoodTable[FoodCount];

// The row of a food id, or nullptr outside 101..199.
const FoodEntry* FindFood(int kind);
