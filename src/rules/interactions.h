// Interactions opened by bumping into or stepping onto features and characters.
#pragma once

#include <string>

#include "worldgen/creatures.h"

// DialogueState: which interaction is open. A character's conversation is numbered by
// its creature kind, DialogueCharacter + kind.
constexpr int DialogueNone = 0;
constexpr int DialogueCookingPot = 1;
constexpr int DialogueVineChest = 2;
constexpr int DialogueMagicalTree = 3;  // a tree of the fairy garden, at DialogueCellX, DialogueCellY
constexpr int DialogueStoneTable = 4;
constexpr int DialogueTreasureChest = 5;
constexpr int DialogueFlower = 6;  // the forest quest's goal
constexpr int DialogueBook = 7;
constexpr int DialogueNote = 8;
constexpr int DialogueGemIdol = 9;
constexpr int DialogueWell = 10;
constexpr int DialogueUsedWell = 11;
constexpr int DialogueBell = 12;
constexpr int DialogueUsedBell = 13;
constexpr int DialogueCharacter = 100;  // + the creature kind of DialogueCreature
// The characters who buy from the satchel.
constexpr int DialogueSalesGriffon = DialogueCharacter + KindSalesGriffon;
constexpr int DialogueGrubbin = DialogueCharacter + KindGrubbin;
constexpr int DialogueSeahoofling = DialogueCharacter + KindSeahoofling;
constexpr int DialogueDoe = DialogueCharacter + KindDoe;
constexpr int DialogueBuck = DialogueCharacter + KindBuck;

// The DialogueStep of the traders' screens, the numbers of the options that open them:
// buying from the store's offers, and selling, where the satchel picks what is sold.
// The option after the selling one leaves.
constexpr int GriffonBuyingStep = 2;
constexpr int GriffonSellingStep = 3;
constexpr int MerchantBuyingStep = 1;
constexpr int ForestFolkSellingStep = 2;

// True while the open interaction waits for an item from the satchel, with MenuCursor
// as the cursor: the cooking pot and a garden tree all along, the sales griffon and the
// forest folk while they buy.
bool InteractionChoosingItem();

// The line a garden tree's panel shows about tree `tree` (0..5): its fruit and how long
// it has grown, or that it has none. Names the fruit through the item description.
std::string GardenTreeReport(int tree);

// Draws the panel of the open interaction (DialogueState), reads its keys and applies
// its outcomes; called once per frame by the turn loop while DialogueState is not
// DialogueNone.
void RunInteraction();
