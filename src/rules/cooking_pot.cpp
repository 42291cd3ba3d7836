// The cooking pot's screen: food goes from the satchel into the five pot places, comes
// back with the digit keys or C, and G cooks what the places make. There is one pot for
// the whole game, kept in PotKind, PotTier and PotSeed; it is not saved.
#include <algorithm>
#include <string>

#include "core/frame.h"
#include "core/messagelog.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/food.h"
#include "items/skills.h"
#include "persist/globals.h"
#include "platform/platform.h"
#include "rules/cooking.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "rules/satchel_picker.h"
#include "worldgen/placement.h"

namespace {

constexpr int MaxDishQuality = 4;

// DialogueStep of the pot: the frame it opens, then every frame after.
constexpr int PotOpening = 0;
constexpr int PotOpen = 1;

void EmptyPlace(int i) {
    PotKind[i] = 0;
    PotTier[i] = 0;
    PotSeed[i] = 0;
}

// Place i back into the satchel; without room the ingredient stays in the pot.
void TakeBack(int i) {
    if (PotKind[i] == 0) return;
    if (AddToSatchel(PotKind[i], PotTier[i], PotSeed[i])) EmptyPlace(i);
}

// One unit of the food in satchel slot s into the first empty place, if there is one.
void PutIntoPot(int s) {
    for (int i = 0; i < PotSlots; ++i) {
        if (PotKind[i] != 0) continue;
        PotKind[i] = InvKind[s];
        PotTier[i] = InvTier[s];
        PotSeed[i] = InvSeed[s];
        TakeOneFromSatchel(s);
        return;
    }
}

bool GourmetAtLeast(int level) {
    for (int s = 0; s < SkillSlots; ++s)
        if (SkillId[s] == SkillGourmet && SkillLevel[s] >= level) return true;
    return false;
}

int DishQuality() {
    int q = GourmetAtLeast(2) ? 2 : 1;
    const int hat = Equip[EquipHeadgear];
    if (hat >= 0 && hat < InvSlots && InvKind[hat] == ItemChefsHat) q += 1;
    for (int i = 0; i < PotSlots; ++i)
        if (PotKind[i] == ItemJoltApple) q += 1;
    return std::min(q, MaxDishQuality);
}

void Cook(int dish) {
    if (!AddToSatchel(dish, DishQuality(), 0)) {
        PushMessage("Your satchel is full");
        return;
    }
    for (int i = 0; i < PotSlots; ++i) EmptyPlace(i);
}

void ClosePot() {
    DialogueState = DialogueNone;
    DialogueStep = 0;
    MenuCursor = 0;
}

// The keys, each only while InputDelay is 0; whichever acts first sets the delay and so
// holds every later key of the frame, and a held key acts again only after it.
void PotKeys() {
    MoveSatchelCursor(MenuCursor);
    if (SatchelPicked(MenuCursor) && ItemCategory(InvKind[MenuCursor]) == CategoryFood) {
        InputDelay = DelayAfterAction;
        PutIntoPot(MenuCursor);
    }
    for (int i = 0; i < PotSlots; ++i) {
        if (InputDelay == 0 && KeyHeld(KeyDigit1 + i) && PotKind[i] != 0) {
            InputDelay = DelayAfterAction;
            TakeBack(i);
        }
    }
    if (InputDelay == 0 && KeyHeld(KeyG)) {
        InputDelay = DelayAfterAction;
        const int dish = MatchRecipe();
        if (dish == 0) {
            PushMessage("Not a recipe!");
        } else {
            Cook(dish);
        }
    }
    if (SatchelLeft(0)) {
        InputDelay = DelayAfterAction;
        for (int i = 0; i < PotSlots; ++i) TakeBack(i);
        ClosePot();
    }
}

// Names come from the item description like every panel's, so each one moves the game's
// stream by a draw every frame, and the Apple and the Oranges read as the hero calls them.
// An empty place is described too and gives the empty name.
std::string ItemName(int kind, int tier, int seed) { return DescribeItem(kind, tier, seed).name; }

void DrawPot(int dish) {
    const int x = ScreenWidth == 800 ? 10 : 310;
    const int y = 10;
    SetColor(255, 255, 255);
    Say("Select up to five food items from your inventory to cook with", x, y);
    Say("Press enter/space to pick a food", x, y + 10);
    // A place is 130 pixels wide: its number, ")" and up to 14 glyphs of the name end
    // before the next place's number.
    for (int i = 0; i < PotSlots; ++i)
        Say(std::to_string(i + 1) + ")" + ItemName(PotKind[i], PotTier[i], PotSeed[i]).substr(0, 14), x + 130 * i,
            y + 20);
    Say(dish == 0 ? "no recipe" : "Recipe:" + ItemName(dish, 0, 0), x, y + 30);
    Say("Press 1-5 to take back an ingredient. The order of ingredient placement does not matter.", x, y + 40);
    Say("(g) grab recipe   (c) Cancel", x, y + 50);
}

// The dish the pot's places make now, learnt at once: a recipe is known as soon as its
// ingredients lie in the pot, cooked or not. The book is written as soon as the pot
// teaches it a dish, so a run that ends before the next save still keeps it.
int LearnPotRecipe() {
    const int dish = MatchRecipe();
    if (LearnRecipe(dish)) WriteRecipeBook();
    return dish;
}

}  // namespace

void RunCookingPot() {
    if (DialogueStep == PotOpening) {
        // Whatever screen used the cursor last, the picker starts on the first slot.
        MenuCursor = 0;
        DialogueStep = PotOpen;
    }
    // Like every panel, the pot shows the places as the frame found them before its keys
    // act: the frame that cooks or closes still names its five places and the recipe.
    DrawPot(LearnPotRecipe());
    PotKeys();
    // Matched again after the keys: a recipe is learnt the frame its ingredients lie in
    // the pot, cooked or not.
    LearnPotRecipe();
}

void EmptyPotIntoSatchel() {
    for (int i = 0; i < PotSlots; ++i) {
        if (PotKind[i] == 0) continue;
        if (!AddToSatchel(PotKind[i], PotTier[i], PotSeed[i])) {
            const int g = PlaceGroundItem(MonX[0], MonY[0], PotKind[i], PotTier[i]);
            if (g != NoGroundSlot) {
                GroundItemSeed[g] = PotSeed[i];
                GroundItemCount[g] = 1;
            }
        }
        EmptyPlace(i);
    }
}
