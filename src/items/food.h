// The food table: every food id 101..199 with its texts, price and what eating it does.
#pragma once

constexpr int FoodFirstId = 101;
constexpr int FoodLastId = 199;
constexpr int FoodCount = FoodLastId - FoodFirstId + 1;

// Which way a food sways the night statue when it is offered.
enum FoodOffering { OfferSavoury, OfferSweet, OfferSpoiled };

constexpr int NoStatus = -1;

struct FoodEntry {
    int id;
    const char* name;      // empty for the ids no rule creates
    int basePrice;         // before ItemPrice's tier scaling
    int stomach;           // added to FullStomachTimer per unit eaten
    int hp;                // hit points restored per unit
    int mp;                // magic points restored per unit
    int status;            // status id raised by 10 turns, NoStatus for none
    int status2;           // a second one (only the chocolate banana has one)
    FoodOffering offering;
    bool animal;           // made with egg, milk or the like: angers the treelephants
    const char* line1;     // description lines as the look texts and recipe book show them
    const char* line2;
};

// Row i holds food id FoodFirstId + i.
extern const FoodEntry FoodTable[FoodCount];

// The row of a food id, or nullptr outside 101..199.
const FoodEntry* FindFood(int kind);
