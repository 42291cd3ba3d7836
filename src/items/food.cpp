#include "items/food.h"

#include "core/statuses.h"

namespace {

// Short names of the statuses a meal can raise, to keep the table's columns narrow.
constexpr int Shield = StatusShield;
constexpr int Haste = StatusHaste;
constexpr int Strong = StatusStrengthened;
constexpr int Magic = StatusMagicBoost;
constexpr int None = NoStatus;

constexpr FoodOffering Sav = OfferSavoury;
constexpr FoodOffering Swt = OfferSweet;
constexpr FoodOffering Bad = OfferSpoiled;

// Ids no rule creates: they keep a price and, for some, a little stomach, so an item
// record that somehow holds one still behaves.
#define HOOF_UNNAMED(id, price, stomach) \
    { id, "", price, stomach, 0, 0, None, None, Sav, false, "", "" }

}  // namespace

// Lemon, Baking Soda, Worm and Wheatgerm nourish nothing: eating them only uses them up.
// Baked Bads fill the stomach without healing, and are what the statue hates most.
// The stir fry, the orange juice, the jam on bread and the Spanish omelette are priced
// like the dishes they resemble (Salad, Cider, Sandwich, Omelette & Veg): at the 2000 of
// ids no rule creates, three oranges squeezed into juice would sell for a fortune.
// clang-format off
constexpr FoodEntry FoodTable[FoodCount] = {
    //  id  name                           price stom  hp  mp  status  status2 offer animal  first line / second line
    {ItemApple, "Apple",                       5,  2, 10,  0, None, None, Swt, false, "It's a delicious apple.  Great for baking.", ""},
    {ItemBanana, "Banana",                     5,  2, 10,  0, None, None, Swt, false, "A ripe yellow banana.", "It even comes in its own wrapper!"},
    {ItemCherry, "Cherry",                     5,  2, 10,  0, None, None, Swt, false, "A handful of sweet red cherries.", "Mind the stones!"},
    {ItemOranges, "Oranges",                   5,  2, 10,  0, None, None, Swt, false, "Oranges are a sweet fruit.", ""},
    {ItemLemon, "Lemon",                       5,  0,  0,  0, None, None, Swt, false, "A very sour lemon.  You can't eat it on its own,", "but a squeeze of it livens up a recipe."},
    {ItemJoltApple, "Jolt Apple",             20,  2, 10,  0, None, None, Swt, false, "It's a jolt apple! How rare! This will make any apple recipe instantly delicious!", ""},
    HOOF_UNNAMED(107, 5, 0),
    HOOF_UNNAMED(108, 5, 0),
    HOOF_UNNAMED(109, 5, 0),
    {ItemTomato, "Tomato",                     5,  2,  5,  5, None, None, Sav, false, "A plump red tomato.", "Is it a fruit or a vegetable? Nobody in the forest knows."},
    {ItemLettuce, "Lettuce",                   5,  2,  5,  5, None, None, Sav, false, "A crisp head of lettuce.", "The start of any good salad."},
    {ItemAsparagus, "Asparagus",               5,  2,  5,  5, None, None, Sav, false, "A bundle of green asparagus spears.", ""},
    {ItemCarrot, "Carrot",                     5,  2,  5,  5, None, None, Sav, false, "A crunchy orange carrot.", "Good for your eyesight, or so they say."},
    {ItemPotato, "Potato",                     5,  2,  5,  5, None, None, Sav, false, "A lumpy brown potato.", "It would be much nicer baked."},
    HOOF_UNNAMED(115, 5, 0),
    HOOF_UNNAMED(116, 5, 0),
    HOOF_UNNAMED(117, 5, 0),
    HOOF_UNNAMED(118, 5, 0),
    HOOF_UNNAMED(119, 5, 0),
    {ItemNuts, "Nuts",                         5,  2, 10,  0, None, None, Sav, false, "A handful of mixed nuts.", "Crunchy and surprisingly filling."},
    {ItemChocolate, "Chocolate",               5,  2, 10,  0, None, None, Swt, true,  "A bar of milk chocolate.", "It's made with milk, so it's not quite a plant food."},
    {ItemEgg, "Egg",                           5,  2,  5,  0, None, None, Sav, true,  "A fresh egg.", "Where did this even come from?"},
    {ItemFlour, "Flour",                       5,  5,  5,  0, None, None, Sav, false, "Flour is useful for baking.", "How do you bake in a cooking pot? Magic!"},
    {ItemSugar, "Sugar",                       5,  2,  5,  0, None, None, Swt, false, "As tempting as it may be, don't eat it raw.", "An essential component in many sweet treats."},
    {ItemVanilla, "Vanilla",                   5,  2,  5,  0, None, None, Sav, false, "A pod of fragrant vanilla.", "A little goes a long way in a dessert."},
    {ItemBread, "Bread",                       5,  2, 10,  0, None, None, Sav, false, "A loaf of crusty bread.", "Nice on its own, even nicer with jam."},
    {ItemTofu, "Tofu",                         5,  2, 10,  0, None, None, Sav, false, "Tofu is a good meat replacement.", "Wait, you're a hoofling, you wouldn't eat meat anyway!"},
    {ItemMilk, "Milk",                         5,  2, 10,  6, None, None, Sav, true,  "A bottle of fresh milk.", "Good for baking, and for strong hooves."},
    {ItemOats, "Oats",                         5,  2,  5,  1, None, None, Sav, false, "You're a hoofling, so you can eat them raw.", "Its better to use it in a recipe though."},
    {ItemChips, "Chips",                       5,  2, 10, 10, None, None, Swt, false, "A bag of savoury plain chips.  In Gallowmere, these are called crisps!", ""},
    {ItemSoda, "Soda",                         5,  2, 15,  0, None, None, Swt, false, "A fizzy can of soda.", "Not very healthy, but very refreshing!"},
    {ItemBakingSoda, "Baking Soda",            5,  5,  0,  0, None, None, Sav, false, "A box of baking soda.  It makes cakes rise.", "Don't eat it by the spoonful."},
    {ItemWorm, "Worm",                         5,  5,  0,  0, None, None, Sav, true,  "You're not going to eat this, right?", ""},
    {ItemWheatgerm, "Wheatgerm",               5,  5,  0,  0, None, None, Sav, false, "A pouch of wheatgerm.", "Very healthy, apparently. It tastes like tree bark."},
    HOOF_UNNAMED(135, 2000, 2),
    HOOF_UNNAMED(136, 2000, 2),
    HOOF_UNNAMED(137, 2000, 2),
    HOOF_UNNAMED(138, 2000, 2),
    HOOF_UNNAMED(139, 2000, 2),
    {ItemCupcake, "Cupcake",                  22, 11, 40,  0, None, None, Swt, false, "A fluffy little cupcake with icing on top.", ""},
    {ItemChocCupcake, "Choc Cupcake",         30, 11, 40,  0, Haste, None, Swt, false, "A chocolate cupcake.", "The sugar rush will put a spring in your step!"},
    {ItemFruitCupcake, "Fruit Cupcake",       30, 11, 40,  0, Strong, None, Swt, false, "A cupcake packed with fruit.", "Fruit makes you strong, right?"},
    {ItemNutsCupcake, "Nuts Cupcake",         30, 11, 40,  0, Shield, None, Swt, false, "A cupcake with a crunchy nut topping.", "It's so hard you could almost use it as a shield."},
    {ItemOmelette, "Omelette",                22,  9, 10, 15, None, None, Sav, true,  "A fluffy omelette.", "Simple, but filling."},
    {ItemOmeletteVeg, "Omelette & Veg",       30,  9, 15, 20, Magic, None, Sav, true,  "An omelette stuffed with vegetables.", "The greens give your magic a boost."},
    {ItemFriedEgg, "Fried Egg",                8,  4,  5,  5, None, None, Sav, true,  "A fried egg, sunny side up.", ""},
    {ItemFriedEggVeg, "Fried Egg & Veg",      15,  4,  5, 10, Magic, None, Sav, true,  "A fried egg with a side of vegetables.", ""},
    {ItemScrambledEgg, "Scr. Egg",            15,  5,  5, 10, None, None, Sav, true,  "A plate of scrambled eggs.", "Scrambled in a cooking pot, somehow."},
    {ItemScrambledEggVeg, "Scr. egg & veg",   22,  5, 10, 15, Magic, None, Sav, true,  "Scrambled eggs with vegetables mixed in.", ""},
    {ItemTofuDog, "Tofu Dog",                 15,  5,  5, 10, None, None, Sav, false, "A hotdog made of tofu.", "What else would a hoofling use?"},
    {ItemTofuDogTopped, "Tofu Dog topped",    22,  5, 10, 15, Magic, None, Sav, false, "A tofu dog with all the toppings.", "Messy, but delicious."},
    {ItemPancakes, "Pancakes",                30, 11, 40,  0, None, None, Swt, true,  "A stack of golden pancakes.", ""},
    {ItemChocPancakes, "Pancakes n choc",     45, 11, 40,  0, Haste, None, Swt, true,  "Pancakes drizzled with melted chocolate.", "A breakfast that gets you moving!"},
    {ItemFruityPancakes, "Fruity Pancakes",   45, 11, 40,  0, Strong, None, Swt, true,  "Pancakes topped with fresh fruit.", ""},
    {ItemNuttyPancakes, "Nutty Pancakes",     45, 11, 40,  0, Shield, None, Swt, true,  "Pancakes sprinkled with chopped nuts.", ""},
    {ItemMuffin, "Muffin",                    30, 11, 40,  0, None, None, Swt, true,  "A warm, plain muffin.", ""},
    {ItemChocChipMuffin, "C.Chip Muffin",     45, 11, 40,  0, Haste, None, Swt, true,  "A muffin dotted with chocolate chips.", ""},
    {ItemFruityMuffins, "Fruity Muffins",     45, 11, 40,  0, None, None, Swt, true,  "A batch of muffins full of fruit.", ""},
    {ItemNuttyMuffins, "Nutty Muffins",       45, 25, 40,  0, Strong, None, Swt, true,  "A batch of very filling nutty muffins.", "You won't be hungry for a long while after these."},
    {ItemBakedBads, "Baked Bads",             45, 11,  0,  0, None, None, Bad, true,  "...", "Its probably not safe to eat this..."},
    {ItemSandwich, "Sandwich",                15, 11, 10, 15, Shield, None, Sav, false, "A hearty sandwich on fresh bread.", ""},
    {ItemBakedPotato, "B. Potato",             8,  5,  5, 10, None, None, Sav, false, "A baked potato, crispy on the outside.", ""},
    {ItemBakedPotatoVeg, "B. Potato & Veg",   15,  5, 10, 15, Magic, None, Sav, false, "A baked potato loaded with vegetables.", ""},
    {ItemVegetableSoup, "Vegetable Soup",     30, 11, 15, 20, Magic, None, Sav, false, "A steaming bowl of vegetable soup.", "It warms you right down to your hooves."},
    {ItemPorridge, "Porridge",                15,  5,  5,  5, None, None, Swt, true,  "A bowl of warm porridge.", ""},
    {ItemFruitPorridge, "Fruit Porridge",     22,  5, 15,  0, Strong, None, Swt, true,  "Porridge with fruit stirred in.", ""},
    {ItemNuttyPorridge, "Nutty Porridge",     22,  5, 15,  0, Shield, None, Swt, true,  "Porridge topped with crunchy nuts.", ""},
    {ItemFruitMilk, "Fruit Milk",             15,  7, 15,  0, Strong, None, Swt, true,  "A glass of milk blended with fruit.", ""},
    {ItemChocMilk, "Choc Milk",               15,  7, 15,  0, Haste, None, Swt, true,  "A glass of chocolate milk.", ""},
    {ItemCandyApple, "Candy Apple",           22,  9, 25,  0, Strong, None, Swt, false, "An apple coated in crunchy candy.", "Sticky, but worth it."},
    {ItemApplePie, "Apple Pie",               30, 11, 40,  0, Strong, None, Swt, true,  "A classic apple pie, still warm.", ""},
    {ItemAppleFritter, "Apple Fritter",       45, 13, 50,  0, Strong, None, Swt, true,  "A golden apple fritter dusted with sugar.", ""},
    {ItemAppleDumpling, "Apple Dumpling",     30, 11, 40,  0, Strong, None, Swt, false, "An apple baked inside a soft dumpling.", ""},
    {ItemAppleCrisp, "Apple Crisp",           45, 13, 50,  0, Strong, None, Swt, false, "Baked apples under a crisp oat topping.", ""},
    {ItemAppleCrumble, "Apple Crumble",       45, 13, 50,  0, Strong, None, Swt, false, "Baked apples under a sweet crumbly topping.", ""},
    {ItemAppleBrownBetty, "Apple B. Betty",   30, 11, 25,  0, Strong, None, Swt, false, "An apple brown betty.", "Who is Betty, and why is she brown?"},
    {ItemDutchApplePie, "Dutch ApplePie",     30, 13, 50,  0, Strong, None, Swt, false, "A delicious dutch apple pie with hint of lemon with a lattice style decoration.", "What in veldora is 'dutch' though?"},
    {ItemAppleTurnover, "Apple Turnover",     45, 13, 50,  0, Strong, None, Swt, false, "A flaky pastry folded over a sweet apple filling.", ""},
    {ItemAppleCobbler, "Apple Cobbler",       45, 13, 50,  0, Strong, None, Swt, true,  "Apples baked under a soft cobbler crust.", ""},
    {ItemCherryPie, "Cherry Pie",             30, 11, 40,  0, Strong, None, Swt, true,  "A cherry pie, bright red inside.", "Hopefully someone took the stones out."},
    {ItemFruitSalad, "Fruit Salad",           22,  9, 25,  0, Strong, None, Swt, false, "A bowl of mixed fruit.", "The healthiest dessert in the forest."},
    {ItemSalad, "Salad",                      22,  9, 10, 15, Magic, None, Sav, false, "A fresh green salad.", ""},
    {ItemDeluxeSalad, "Deluxe Salad",         45, 13, 20, 25, Magic, None, Sav, false, "A deluxe salad with every vegetable you could find.", "Fit for a princess!"},
    {ItemCider, "Cider",                      22,  9, 25,  0, Strong, None, Swt, false, "A mug of spiced apple cider.", ""},
    {ItemTofuStirFry, "Tofu Stir Fry",        22,  9, 10, 15, Magic, None, Sav, false, "Tofu stir fried with crunchy vegetables.", ""},
    {ItemChocBanana, "Choc Banana",           15,  7, 15,  0, Strong, Haste, Swt, false, "A banana dipped in chocolate.", "Strong and speedy, all at once!"},
    {ItemCremeBrulee, "Creme Brulee",         30, 11, 40,  0, None, None, Swt, true,  "A creamy custard with a burnt sugar top.", "Crack it open with your hoof!"},
    {ItemFruitBrulee, "Fruit Brulee",         45, 13, 50,  0, Strong, None, Swt, true,  "A creme brulee topped with fruit.", ""},
    {ItemChocBrulee, "Choc Brulee",           45, 13, 50,  0, Haste, None, Swt, true,  "A chocolate creme brulee.", ""},
    {ItemNutBrulee, "Nut Brulee",             45, 13, 50,  0, Shield, None, Swt, true,  "A creme brulee sprinkled with nuts.", ""},
    {ItemChipsAndDip, "Chips n Dip",          22,  9, 10, 15, Strong, None, Sav, false, "A bowl of chips with a tasty dip.", ""},
    {ItemOrangeJuice, "Orange Juice",         22,  9, 25,  0, Strong, None, Sav, false, "A glass of freshly squeezed orange juice.", ""},
    {ItemJamOnBread, "Jam on Bread",          15,  5, 20,  0, Magic, None, Sav, false, "A slice of bread spread thick with jam.", ""},
    {ItemSpanishOmelette, "Spanish Omelette",  30,  9, 10, 15, None, None, Sav, true,  "A thick omelette with sliced potato.", "A specialty from far away."},
    HOOF_UNNAMED(195, 22, 2),
    HOOF_UNNAMED(196, 2000, 2),
    HOOF_UNNAMED(197, 2000, 2),
    HOOF_UNNAMED(198, 2000, 2),
    HOOF_UNNAMED(199, 2000, 2),
};
// clang-format on

#undef HOOF_UNNAMED

static_assert(sizeof(FoodTable) / sizeof(FoodTable[0]) == FoodCount, "one row per food id 101..199");

namespace {
// Every row sits at its own id, so a lookup is an index.
constexpr bool RowsInOrder() {
    for (int i = 0; i < FoodCount; ++i) {
        if (FoodTable[i].id != FoodFirstId + i) return false;
    }
    return true;
}
static_assert(RowsInOrder(), "food rows must sit at their own ids");
}  // namespace

const FoodEntry* FindFood(int kind) {
    if (kind < FoodFirstId || kind > FoodLastId) return nullptr;
    return &FoodTable[kind - FoodFirstId];
}
