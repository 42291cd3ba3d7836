// The friendly characters' conversations as tables (the forest folk's roles are theirs):
// Princess Noctessa, Ombasi, the troll, the fairy, Wobbin, the sales griffon, Clockwick,
// Brava Venn and the villagers rescued from the castle, with the few things they do that
// are code (the gifts, the toll, the heart and the letter); then who is who.
#include "rules/characters.h"
#include "rules/conversation.h"

#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "rules/interaction_panel.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"
#include "worldgen/sites.h"

namespace {

constexpr int TrollToll = 60;

// Each conversation below is its character's screens in the order the game text gives
// them. A screen's step is the DialogueStep it shows at: 0 is the first menu, and an
// answer sits at the number of the option that leads to it.

// ---- Princess Noctessa -------------------------------------------------------------------

// Every princess on the sector leaves her gift where she stands, then they all leave;
// with no room on the ground for every gift they stay, gifts and all.
void PrincessesGiveTheirGifts() {
    int princesses = 0;
    for (int m = 1; m < MonSlots; ++m) princesses += MonKind[m] == KindNoctessa ? 1 : 0;
    if (!GroundTakesGifts(princesses)) return;
    for (int m = 1; m < MonSlots; ++m)
        if (MonKind[m] == KindNoctessa) PlaceGroundItem(MonX[m], MonY[m], GameVars[VarPrizeNoctessa], 0);
    RemoveCreatures(KindNoctessa);
}

const Conversation Noctessa = {
    Answer(AnyStep,
           {"Thank you for the delicious food", "I have something that will help you in your quest",
            "As thanks for these delicious treats"},
           Do(PrincessesGiveTheirGifts, EndTalk)),
};

// ---- Ombasi --------------------------------------------------------------------------------

void HealHero() {
    MonHp[0] = MonMaxHp[0];
    MonMp[0] = MonMaxMp[0];
    for (int s = StatusFrozen; s <= StatusJestbloom; ++s) MonStatus[0][s] = 0;
}

const Conversation Ombasi = {
    Menu(0, {"Greetings"},
         {{"1) Where is this plant I seek?", GoTo(1)},
          {"2) Can you heal me?", GoTo(2)},
          {"3) Can you help?", GoTo(3)},
          {"4) Leave", EndTalk}}),
    Answer(1,
           {"Deep in the heart of the Thornwild Forst", "There you will find the flower at rest.",
            "Through swamp, dead woods, castle and mountain", "At the end you will find the flower for certain!"},
           Back),
    Answer(2, {"My little hoofling I can heal you", "With this delicious soothing brew"}, Do(HealHero, Back)),
    Answer(
        3,
        {"I must stay here and prepare the potion", "You must go forth alone, in a forward motion.",
         "When you get the flower, I will meet you in Clovermere", "Then we can stop all the hooflings from being ill"},
        Back),
};

// ---- The troll -----------------------------------------------------------------------------

void PayTheToll() {
    if (Bits < TrollToll) {
        PushMessage("The troll grunts 'not enough bits!'");
        return;
    }
    Bits -= TrollToll;
    PushMessage("The troll returns to hiding under the bridge.");
    RemoveCreatures(KindTroll);
}

void TrollsTurnHostile() {
    for (int m = 1; m < MonSlots; ++m)
        if (MonKind[m] == KindTroll) MonAttitude[m] = AttitudeHostile;
}

const Conversation Troll = {
    Menu(AnyStep, {"Hey! You want past! You pay toll!"},
         {{"1) Pay the 60 bits", Do(PayTheToll, EndTalk)},
          {"2) Push your way bits", Do(TrollsTurnHostile, EndTalk)},
          {"3) Leave", EndTalk}}),
};

// ---- The fairy of the garden ---------------------------------------------------------------

constexpr int FairyColumnWidth = 360;  // pixels between the two columns of the tree report

// How far a garden tree's fruit has grown, in the fairy's words.
std::string GrowthText(int growth) {
    if (growth < 250) return "Long wait.";
    if (growth < 350) return "About half way.";
    if (growth < 500) return "Over half done.";
    if (growth < 600) return "Almost done";
    return "Ripe fruit!";
}

std::string FairyTreeLine(int tree) {
    static const char* const Places[GardenPlots] = {"NE - ", "E  - ", "SE - ", "SW - ", "W  - ", "NW - "};
    const int fruit = GlobalData[GlobalGardenPlotFirst + tree];
    if (fruit == 0) return std::string(Places[tree]) + "No tree. ";
    return Places[tree] + DescribeItem(fruit, 0, 0).name + " tree. " + GrowthText(GlobalData[GlobalGardenGrowthFirst + tree]);
}

// Six trees on lines of their own would push the last line down over the map, so the
// three trees east of the door stand beside the three west of it.
int DrawGardenTrees(int row) {
    for (int tree = 0; tree < GardenPlots; ++tree) {
        const int column = tree / 3;
        PanelLineAt(column * FairyColumnWidth, row + tree % 3, FairyTreeLine(tree));
    }
    return row + 3;
}

const Conversation Fairy = {
    Menu(0, {"Hey! Welcome to the Harmony Garden!"},
         {{"1) What is the Harmony Garden?", GoTo(1)},
          {"2) How are the trees doing?", GoTo(2)},
          {"3) Goodbye fairy!", EndTalk}}),
    Answer(1,
           {"The Harmony Garden is a magical place where trees grow fruit magically fast!",
            "If you use a fruit on one of these trees, it will become a tree bearing that fruit",
            "But you will have to wait a little for the fruit to grow.",
            "Trees in the Harmony Garden are immune to the Thornwild Forest's chaos."},
           Back)
        .Prompt("[press space or enter]"),
    Answer(2, {"The trees are as follows:"}, Back).DrawBelow(DrawGardenTrees),
};

// ---- Wobbin -------------------------------------------------------------------------------

// Her second menu's outcomes, past the steps of her first.
constexpr int WobbinFliesAhead = 21;
constexpr int WobbinGoesHome = 22;
constexpr int WobbinGoesToThePrincess = 23;

std::string HeroName() { return MonName[0]; }

bool CarriesALetter() { return CountInSatchel(ItemLetter) > 0; }

// Sent on an errand, she is gone for good: her site never comes again.
void WobbinsSiteNeverAgain() { SiteCooldown[SiteWobbin] = SiteNever; }

void WobbinLeaves() { RemoveCreatures(KindWobbinPip); }

void WobbinTakesTheLetter() {
    if (!CarriesALetter()) return;
    // The letter is not a talk: friendship's decay goes on as it was.
    RaiseFriendship(25);
    TakeFromSatchel(ItemLetter, 1);
    RemoveCreatures(KindWobbinPip);
}

const Conversation Wobbin = {
    Menu(0, {"Hey! What's up?"},
         {{"1) What in Veldora are you doing here?", GoTo(1)},
          {ByQuest("2) I'm looking for a cure", "2) Skarnix is causing chaos!", "2) Hooflings have been kidnapped!"),
           GoTo(2)},
          {"3) Leave", EndTalk},
          {"4) Could you deliver this letter?", GoTo(4), CarriesALetter}}),
    Answer(1, {"Delivering mail of course!"}, Back),
    Menu(2,
         {ByQuest("Clovermere is in trouble? Oh no! What should I do!?", "Huh? I didn't even notuce... should I help?",
                  "Oh no! Can I help?")},
         {{ByQuest("1) I'm looking for a plant that will cure everyone", "1) I'm going to stop Skarnix!",
                   "1) I'm going to rescue the trapped prisoners"),
           GoTo(WobbinFliesAhead)},
          {"2) Go back to Clovermere, they can maybe use some help", Do(WobbinsSiteNeverAgain, GoTo(WobbinGoesHome))},
          {"3) Fly to Aurelmont, update the princess", Do(WobbinsSiteNeverAgain, GoTo(WobbinGoesToThePrincess))},
          {"4) I dunno", Back}}),
    Answer(WobbinFliesAhead,
           {"Ooh, I'll fly ahead and look for any clues!", Filled("{}:", HeroName), "Wait!",
            "You don't even know what you're looking... she's gone."},
           Do(WobbinLeaves, EndTalk)),
    Answer(WobbinGoesHome, {"Ooh, I'll fly ahead and look for any clues!"}, Do(WobbinLeaves, EndTalk)),
    Answer(WobbinGoesToThePrincess, {"I'm on it!"}, Do(WobbinLeaves, EndTalk)),
    Answer(4, {"Can do!", "*you write a letter on the paper updaing Princess Auralis on your quest*"},
           Do(WobbinTakesTheLetter, EndTalk)),
};

// ---- The sales griffon -----------------------------------------------------------------

const Conversation SalesGriffon = {
    Menu(0,
         {ByQuest("Don't see many hooflings in this forest, looking to do business?",
                  "Don't see many hooflings in this forest, looking to do business?",
                  "Don't see many hooflings here, looking to do business?")},
         {{"1) Not really, what are you doing here?", GoTo(1)},
          {"2) Show me your wares", GoTo(GriffonBuyingStep)},
          {"3) Do you want to buy something?", GoTo(GriffonSellingStep)},
          {"4) Leave", EndTalk}}),
    Answer(1,
           {"Some of these monsters are nice if you're trading with them.",
            "I do a lot of business roaming this weird scary forest."},
           Back),
    Buying(GriffonBuyingStep, "Select any item you want to purchase.  (g) grab   (c) cancel"),
    Selling(GriffonSellingStep, "Select any item you want to sell", "(s) sell (c) cancel"),
};

// ---- Clockwick -----------------------------------------------------------------------------

const Conversation Clockwick = {
    Menu(0,
         {ByQuest("Hello there! Don't see many other hooflings this far into the forest!",
                  "Hello there! I didn't expecto see any other hooflings... here...",
                  "Hello there! Don't see many hooflings in this place.")},
         {{"1) What are you doing here?", GoTo(1)},
          {ByQuest("2) I'm looking for a plant", "2) I'm looking for Skarnix", "2) I'm rescuing my friends"), GoTo(2)},
          {"3) Clockwick?", GoTo(3)},
          {"4) Goodbye", EndTalk}}),
    Answer(1, {"Ah... hm... I can't really tell you, sorry", "It might just put you in danger."}, Back),
    Answer(2,
           {ByQuest("Ah, well you're in the right place, this forest is full of plants!",
                    "Ah, is that what he's calling himself? He's certainly around here somewhere...",
                    "Ah, good luck to you then!")},
           Back),
    Answer(3,
           {"That's my name, yep. Really. If you're implying it's a cover name or something",
            "well, that's... that's just absurd, really."},
           Back),
};

// ---- Brava Venn ----------------------------------------------------------------------------

bool CarriesTheHeart() { return CountInSatchel(ItemLazuliHeart) > 0; }

void BravaTakesTheHeart() {
    // The trinket is placed first: with no room for it, she keeps waiting for the heart.
    if (!CarriesTheHeart() || !GroundTakesGifts(1)) return;
    GainFriendship(25);
    TakeFromSatchel(ItemLazuliHeart, 1);
    RemoveCreatures(KindBravaVenn);
    GiveAtHero(GameVars[VarPrizeBravaVenn]);
    GainFriendship(15);
}

const Conversation BravaVenn = {
    Menu(0, {"Howdy there!"},
         {{"1) Hello! What are you doing in these parts?", GoTo(1)},
          {"2) ... aren't you a fictional character?", GoTo(2)},
          {"3) Leave", EndTalk},
          {"4) Give her the Lazuli Heart", GoTo(4), CarriesTheHeart}}),
    Answer(
        1,
        {"I'm looking for an ancient temple, it should be around here.",
         "It holds the Lazuli Heart, I've been searching for it for weeks!", "If you see it, let me know would you?"},
        Back),
    Answer(2, {"Yeah? Look who's talking!"}, Back),
    Answer(4, {"Ooooooooooh", "Thanks so much! In return, I'll give you this little trinket I found!"},
           Do(BravaTakesTheHeart, EndTalk)),
};

// ---- The rescued villagers ---------------------------------------------------------------

constexpr int VillagerNotThanked = 0;
constexpr int VillagerThanked = 1;

bool VillagerWasThanked() { return MonMode[DialogueCreature] != VillagerNotThanked; }

void VillagerGivesTheGift() {
    if (!GroundTakesGifts(1)) return;
    const int m = DialogueCreature;
    GiveAtHero(MonKind[m] == KindBurlo ? GameVars[VarPrizeBurlo] : Rand(DishFirstId, DishLastId));
    MonMode[m] = VillagerThanked;
}

// C walks away without the gift; it waits until the hero comes back for it.
const Conversation Villager = {
    Answer(AnyStep, {"Thanks for rescuing me!"}, EndTalk).When(VillagerWasThanked),
    Answer(AnyStep, {"You rescued me! Take this!"}, Do(VillagerGivesTheGift, EndTalk)).OnCancel(EndTalk),
};

const Conversation Burlo = {
    Answer(AnyStep, {"Hrrmhmm"}, EndTalk).When(VillagerWasThanked),
    Answer(AnyStep, {"You rescued me! Take this!"}, Do(VillagerGivesTheGift, EndTalk)).OnCancel(EndTalk),
};

// ---- Who is who --------------------------------------------------------------------------

// clang-format off
constexpr Character Characters[] = {
    {KindNoctessa,      "Princess Noctessa:", VarTalkNoctessa,           25, &Noctessa},
    {KindOmbasi,        "Ombasi:",            VarTalkOmbasi,             25, &Ombasi},
    {KindTroll,         "Troll:",             VarTalkTroll,              10, &Troll},
    {KindFairy,         "Fairy:",             VarTalkFairy,              25, &Fairy},
    {KindWobbinPip,     "Wobbin:",            VarTalkWobbin,             25, &Wobbin},
    {KindSalesGriffon,  "Griffon:",           VarTalkGriffon,            25, &SalesGriffon},
    {KindGrubbin,       "Grubbin:",           0,                         25, nullptr},
    {KindSeahoofling,   "Seahoofling:",       0,                         25, nullptr},
    {KindDoe,           "Doe:",               0,                         25, nullptr},
    {KindBuck,          "Buck:",              0,                         25, nullptr},
    {KindClockwick,     "Clockwick:",         VarTalkClockwick,          25, &Clockwick},
    {KindBravaVenn,     "Brava Venn:",        VarTalkBravaVenn,          25, &BravaVenn},
    {KindNougette,      "Nougette:",          VarTalkVillagerFirst,      25, &Villager},
    {KindHarpella,      "Harpella:",          VarTalkVillagerFirst + 1,  25, &Villager},
    {KindMarnella,      "Marnella:",          VarTalkVillagerFirst + 2,  25, &Villager},
    {KindPearlwick,     "Pearlwick:",         VarTalkVillagerFirst + 3,  25, &Villager},
    {KindBurlo,         "Burlo:",             VarTalkVillagerLast,       25, &Burlo},
};
// clang-format on

}  // namespace

const Character* FindCharacter(int kind) {
    for (const Character& c : Characters)
        if (c.kind == kind) return &c;
    return nullptr;
}
