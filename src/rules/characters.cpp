// The friendly characters' conversations (all but the forest folk's roles): Princess
// Noctessa, Ombasi, the troll, the fairy, Wobbin, the sales griffon, Clockwick, Brava
// Venn and the villagers rescued from the castle.
#include "rules/characters.h"
#include "rules/conversation.h"
#include "rules/forest_folk.h"

#include <iterator>

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
#include "rules/trading.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"
#include "worldgen/sites.h"

namespace {

constexpr int TalkedRecently = 100;  // a talk flag right after the bonus
constexpr int TrollToll = 60;

// Who a character is in a conversation: the name over every screen, the talk flag that
// says whether talking earns the bonus, and the bonus. The forest folk's flags are
// their individuals' own (FolkTalkFlag).
struct Character {
    int kind;
    const char* header;
    int talkFlag;
    int bonus;
};

// clang-format off
constexpr Character Characters[] = {
    {KindNoctessa,      "Princess Noctessa:", VarTalkNoctessa,           25},
    {KindOmbasi,        "Ombasi:",            VarTalkOmbasi,             25},
    {KindTroll,         "Troll:",             VarTalkTroll,              10},
    {KindFairy,         "Fairy:",             VarTalkFairy,              25},
    {KindWobbinPip,     "Wobbin:",            VarTalkWobbin,             25},
    {KindSalesGriffon,  "Griffon:",           VarTalkGriffon,            25},
    {KindGrubbin,       "Grubbin:",           0,                         25},
    {KindSeahoofling,   "Seahoofling:",       0,                         25},
    {KindDoe,           "Doe:",               0,                         25},
    {KindBuck,          "Buck:",              0,                         25},
    {KindClockwick,     "Clockwick:",         VarTalkClockwick,          25},
    {KindBravaVenn,     "Brava Venn:",        VarTalkBravaVenn,          25},
    {KindNougette,      "Nougette:",          VarTalkVillagerFirst,      25},
    {KindHarpella,      "Harpella:",          VarTalkVillagerFirst + 1,  25},
    {KindMarnella,      "Marnella:",          VarTalkVillagerFirst + 2,  25},
    {KindPearlwick,     "Pearlwick:",         VarTalkVillagerFirst + 3,  25},
    {KindBurlo,         "Burlo:",             VarTalkVillagerLast,       25},
};
// clang-format on

const Character* FindCharacter(int kind) {
    for (const Character& c : Characters)
        if (c.kind == kind) return &c;
    return nullptr;
}

bool IsForestFolk(int kind) {
    return kind == KindGrubbin || kind == KindSeahoofling || kind == KindDoe || kind == KindBuck;
}

// A talk flag of the forest folk: one per individual, counted down like the others.
int FolkTalkFlag(int individual) { return individual - VarFolkRoleFirst + VarTalkFolkFirst; }

// The scenario as an index of the texts that depend on it; a damaged save reads as the
// forest quest.
int ScenarioText() {
    const int s = GameVars[VarScenario];
    return s >= ScenarioForest && s <= ScenarioCastle ? s : ScenarioForest;
}

// The bonus for talking, on the first frame of a conversation: a flag at 0 has not been
// talked to (lately), and the flag right after keeps every later frame from paying again.
void FriendshipBonus(int talkFlag, int bonus) {
    // Below 0 only a damaged save could put it; it counts as not talked to.
    if (talkFlag <= 0 || GameVars[talkFlag] > 0) return;
    GameVars[talkFlag] = TalkedRecently;
    GainFriendship(bonus);
}

// ---- Princess Noctessa -------------------------------------------------------------------

void RunNoctessa() {
    PanelLine(1, "Thank you for the delicious food");
    PanelLine(2, "I have something that will help you in your quest");
    PanelLine(3, "As thanks for these delicious treats");
    if (!PanelContinue(4)) return;
    int princesses = 0;
    for (int m = 1; m < MonSlots; ++m) princesses += MonKind[m] == KindNoctessa ? 1 : 0;
    if (GroundTakesGifts(princesses)) {
        for (int m = 1; m < MonSlots; ++m)
            if (MonKind[m] == KindNoctessa) PlaceGroundItem(MonX[m], MonY[m], GameVars[VarPrizeNoctessa], 0);
        RemoveCreatures(KindNoctessa);
    }
    EndConversation();
}

// ---- Ombasi --------------------------------------------------------------------------------

void HealHero() {
    MonHp[0] = MonMaxHp[0];
    MonMp[0] = MonMaxMp[0];
    for (int s = StatusFrozen; s <= StatusJestbloom; ++s) MonStatus[0][s] = 0;
}

void RunOmbasi() {
    switch (DialogueStep) {
        case 0: {
            PanelLine(1, "Greetings");
            const int pick = PickOption(
                3, {"1) Where is this plant I seek?", "2) Can you heal me?", "3) Can you help?", "4) Leave"});
            if (pick == 4) EndConversation();
            if (pick >= 1 && pick <= 3) DialogueStep = pick;
            break;
        }
        case 1:
            if (Answer({"Deep in the heart of the Thornwild Forst", "There you will find the flower at rest.",
                        "Through swamp, dead woods, castle and mountain",
                        "At the end you will find the flower for certain!"}))
                DialogueStep = 0;
            break;
        case 2:
            if (Answer({"My little hoofling I can heal you", "With this delicious soothing brew"})) {
                HealHero();
                DialogueStep = 0;
            }
            break;
        case 3:
            if (Answer({"I must stay here and prepare the potion", "You must go forth alone, in a forward motion.",
                        "When you get the flower, I will meet you in Clovermere",
                        "Then we can stop all the hooflings from being ill"}))
                DialogueStep = 0;
            break;
        default: DialogueStep = 0; break;
    }
}

// ---- The troll -----------------------------------------------------------------------------

void RunTroll() {
    PanelLine(1, "Hey! You want past! You pay toll!");
    const int pick = PickOption(3, {"1) Pay the 60 bits", "2) Push your way bits", "3) Leave"});
    if (pick == 1) {
        if (Bits < TrollToll) {
            PushMessage("The troll grunts 'not enough bits!'");
        } else {
            Bits -= TrollToll;
            PushMessage("The troll returns to hiding under the bridge.");
            RemoveCreatures(KindTroll);
        }
    }
    if (pick == 2) {
        for (int m = 1; m < MonSlots; ++m)
            if (MonKind[m] == KindTroll) MonAttitude[m] = AttitudeHostile;
    }
    if (pick != 0) EndConversation();
}

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
    DescribeItem(fruit, 0, 0);
    return Places[tree] + LookupName + " tree. " + GrowthText(GlobalData[GlobalGardenGrowthFirst + tree]);
}

void RunFairy() {
    switch (DialogueStep) {
        case 0: {
            PanelLine(1, "Hey! Welcome to the Harmony Garden!");
            const int pick = PickOption(
                3, {"1) What is the Harmony Garden?", "2) How are the trees doing?", "3) Goodbye fairy!"});
            if (pick == 3) EndConversation();
            if (pick == 1 || pick == 2) DialogueStep = pick;
            break;
        }
        case 1:
            PanelLine(1, "The Harmony Garden is a magical place where trees grow fruit magically fast!");
            PanelLine(2, "If you use a fruit on one of these trees, it will become a tree bearing that fruit");
            PanelLine(3, "But you will have to wait a little for the fruit to grow.");
            PanelLine(4, "Trees in the Harmony Garden are immune to the Thornwild Forest's chaos.");
            if (PanelContinueKey(5, "[press space or enter]", true) != Closed::No) DialogueStep = 0;
            break;
        case 2: {
            // Six trees on lines of their own would push the last line down over the map,
            // so the three trees east of the door stand beside the three west of it.
            PanelLine(1, "The trees are as follows:");
            for (int tree = 0; tree < GardenPlots; ++tree) {
                const int column = tree / 3;
                PanelLineAt(column * FairyColumnWidth, 2 + tree % 3, FairyTreeLine(tree));
            }
            if (PanelContinue(5)) DialogueStep = 0;
            break;
        }
        default: DialogueStep = 0; break;
    }
}

// ---- Wobbin -------------------------------------------------------------------------------

// DialogueStep of Wobbin's second menu's outcomes: the option picked there, past these.
constexpr int WobbinErrand = 20;

void RunWobbin() {
    const int scenario = ScenarioText();
    const bool letter = CountInSatchel(ItemLetter) > 0;
    switch (DialogueStep) {
        case 0: {
            static const char* const Why[] = {"2) I'm looking for a cure", "2) Skarnix is causing chaos!",
                                              "2) Hooflings have been kidnapped!"};
            PanelLine(1, "Hey! What's up?");
            std::vector<std::string> options = {"1) What in Veldora are you doing here?", Why[scenario], "3) Leave"};
            // The letter is only offered while there is one to give.
            if (letter) options.push_back("4) Could you deliver this letter?");
            const int pick = PickOption(3, options);
            if (pick == 3) EndConversation();
            if (pick == 1 || pick == 2 || pick == 4) DialogueStep = pick;
            break;
        }
        case 1:
            if (Answer({"Delivering mail of course!"})) DialogueStep = 0;
            break;
        case 2: {
            static const char* const Worry[] = {"Clovermere is in trouble? Oh no! What should I do!?",
                                                "Huh? I didn't even notuce... should I help?", "Oh no! Can I help?"};
            static const char* const Plan[] = {"1) I'm looking for a plant that will cure everyone",
                                               "1) I'm going to stop Skarnix!",
                                               "1) I'm going to rescue the trapped prisoners"};
            PanelLine(1, Worry[scenario]);
            const int pick = PickOption(3, {Plan[scenario], "2) Go back to Clovermere, they can maybe use some help",
                                            "3) Fly to Aurelmont, update the princess", "4) I dunno"});
            if (pick == 4) DialogueStep = 0;
            // Sent on an errand, she is gone for good: her site never comes again.
            if (pick == 2 || pick == 3) SiteCooldown[SiteWobbin] = SiteNever;
            if (pick >= 1 && pick <= 3) DialogueStep = WobbinErrand + pick;
            break;
        }
        case WobbinErrand + 1:
            if (Answer({"Ooh, I'll fly ahead and look for any clues!", MonName[0] + ":", "Wait!",
                        "You don't even know what you're looking... she's gone."})) {
                RemoveCreatures(KindWobbinPip);
                EndConversation();
            }
            break;
        case WobbinErrand + 2:
        case WobbinErrand + 3: {
            const char* line = DialogueStep == WobbinErrand + 2 ? "Ooh, I'll fly ahead and look for any clues!"
                                                                : "I'm on it!";
            if (Answer({line})) {
                RemoveCreatures(KindWobbinPip);
                EndConversation();
            }
            break;
        }
        case 4:
            if (Answer({"Can do!", "*you write a letter on the paper updaing Princess Auralis on your quest*"})) {
                if (letter) {
                    // The letter is not a talk: friendship's decay goes on as it was.
                    RaiseFriendship(25);
                    TakeFromSatchel(ItemLetter, 1);
                    RemoveCreatures(KindWobbinPip);
                }
                EndConversation();
            }
            break;
        default: DialogueStep = 0; break;
    }
}

// ---- The sales griffon -----------------------------------------------------------------

constexpr int GriffonBuyingStep = 2;

void RunSalesGriffon() {
    switch (DialogueStep) {
        case 0: {
            PanelLine(1, ScenarioText() == ScenarioCastle
                             ? "Don't see many hooflings here, looking to do business?"
                             : "Don't see many hooflings in this forest, looking to do business?");
            const int pick = PickOption(3, {"1) Not really, what are you doing here?", "2) Show me your wares",
                                            "3) Do you want to buy something?", "4) Leave"});
            if (pick == 4) EndConversation();
            if (pick >= 1 && pick <= 3) DialogueStep = pick;
            if (pick == GriffonBuyingStep || pick == GriffonSellingStep) EnterTradingScreen();
            break;
        }
        case 1:
            if (Answer({"Some of these monsters are nice if you're trading with them.",
                        "I do a lot of business roaming this weird scary forest."}))
                DialogueStep = 0;
            break;
        case GriffonBuyingStep:
            if (RunBuyingScreen("Select any item you want to purchase.  (g) grab   (c) cancel")) DialogueStep = 0;
            break;
        case GriffonSellingStep:
            if (RunSellingScreen("Select any item you want to sell", "(s) sell (c) cancel")) DialogueStep = 0;
            break;
        default: DialogueStep = 0; break;
    }
}

// ---- Clockwick -----------------------------------------------------------------------------

void RunClockwick() {
    const int scenario = ScenarioText();
    switch (DialogueStep) {
        case 0: {
            static const char* const Hello[] = {"Hello there! Don't see many other hooflings this far into the forest!",
                                                "Hello there! I didn't expecto see any other hooflings... here...",
                                                "Hello there! Don't see many hooflings in this place."};
            static const char* const Seeking[] = {"2) I'm looking for a plant", "2) I'm looking for Skarnix",
                                                  "2) I'm rescuing my friends"};
            PanelLine(1, Hello[scenario]);
            const int pick = PickOption(
                3, {"1) What are you doing here?", Seeking[scenario], "3) Clockwick?", "4) Goodbye"});
            if (pick == 4) EndConversation();
            if (pick >= 1 && pick <= 3) DialogueStep = pick;
            break;
        }
        case 1:
            if (Answer({"Ah... hm... I can't really tell you, sorry", "It might just put you in danger."}))
                DialogueStep = 0;
            break;
        case 2: {
            static const char* const Reply[] = {
                "Ah, well you're in the right place, this forest is full of plants!",
                "Ah, is that what he's calling himself? He's certainly around here somewhere...",
                "Ah, good luck to you then!"};
            if (Answer({Reply[scenario]})) DialogueStep = 0;
            break;
        }
        case 3:
            if (Answer({"That's my name, yep. Really. If you're implying it's a cover name or something",
                        "well, that's... that's just absurd, really."}))
                DialogueStep = 0;
            break;
        default: DialogueStep = 0; break;
    }
}

// ---- Brava Venn ----------------------------------------------------------------------------

void GiveBravaTheHeart() {
    // The trinket is placed first: with no room for it, she keeps waiting for the heart.
    if (CountInSatchel(ItemLazuliHeart) == 0 || !GroundTakesGifts(1)) return;
    GainFriendship(25);
    TakeFromSatchel(ItemLazuliHeart, 1);
    RemoveCreatures(KindBravaVenn);
    GiveAtHero(GameVars[VarPrizeBravaVenn]);
    GainFriendship(15);
}

void RunBravaVenn() {
    switch (DialogueStep) {
        case 0: {
            PanelLine(1, "Howdy there!");
            std::vector<std::string> options = {"1) Hello! What are you doing in these parts?",
                                                "2) ... aren't you a fictional character?", "3) Leave"};
            // Only a hero who carries the heart can hand it over.
            if (CountInSatchel(ItemLazuliHeart) > 0) options.push_back("4) Give her the Lazuli Heart");
            const int pick = PickOption(3, options);
            if (pick == 3) EndConversation();
            if (pick == 1 || pick == 2 || pick == 4) DialogueStep = pick;
            break;
        }
        case 1:
            if (Answer({"I'm looking for an ancient temple, it should be around here.",
                        "It holds the Lazuli Heart, I've been searching for it for weeks!",
                        "If you see it, let me know would you?"}))
                DialogueStep = 0;
            break;
        case 2:
            if (Answer({"Yeah? Look who's talking!"})) DialogueStep = 0;
            break;
        case 4:
            if (Answer({"Ooooooooooh", "Thanks so much! In return, I'll give you this little trinket I found!"})) {
                GiveBravaTheHeart();
                EndConversation();
            }
            break;
        default: DialogueStep = 0; break;
    }
}

// ---- The rescued villagers ---------------------------------------------------------------

constexpr int VillagerNotThanked = 0;
constexpr int VillagerThanked = 1;

void RunVillager(int m) {
    const int kind = MonKind[m];
    if (MonMode[m] != VillagerNotThanked) {
        PanelLine(1, kind == KindBurlo ? "Hrrmhmm" : "Thanks for rescuing me!");
        if (PanelContinue(2)) EndConversation();
        return;
    }
    PanelLine(1, "You rescued me! Take this!");
    const Closed closed = PanelContinueKey(2, "Press space to continue", true);
    if (closed == Closed::No) return;
    // C walks away without the gift; it waits until the hero comes back for it.
    if (closed == Closed::Confirm && GroundTakesGifts(1)) {
        GiveAtHero(kind == KindBurlo ? GameVars[VarPrizeBurlo] : Rand(DishFirstId, DishLastId));
        MonMode[m] = VillagerThanked;
    }
    EndConversation();
}

}  // namespace

int FolkIndividual(int m) {
    if (m < 1 || m >= MonSlots || MonMode[m] < 1 || MonMode[m] > 3) return -1;
    switch (MonKind[m]) {
        case KindGrubbin: return VarFolkRoleFirst + MonMode[m] - 1;
        case KindSeahoofling: return VarFolkRoleFirst + 3 + MonMode[m] - 1;
        case KindDoe:
        case KindBuck: return VarFolkRoleFirst + 6 + MonMode[m] - 1;
        default: return -1;
    }
}

void RunConversation() {
    const int m = DialogueCreature;
    const int kind = DialogueState - DialogueCharacter;
    const Character* who = FindCharacter(kind);
    // The one talked to must still stand there: a damaged save or a slot freed since
    // the bump ends the talk rather than speak for a creature that is gone.
    if (who == nullptr || m < 1 || m >= MonSlots || MonKind[m] != kind) {
        EndConversation();
        return;
    }
    int talkFlag = who->talkFlag;
    int individual = -1;
    if (IsForestFolk(kind)) {
        individual = FolkIndividual(m);
        // One with no role to play (a damaged save) has nothing to say, nor a bonus.
        if (individual < 0 || !FolkRoleKnown(individual)) {
            EndConversation();
            return;
        }
        talkFlag = FolkTalkFlag(individual);
    }
    FriendshipBonus(talkFlag, who->bonus);

    // The trading screens carry their own headers in the character's place.
    const bool trading = (kind == KindSalesGriffon && DialogueStep >= GriffonBuyingStep &&
                          DialogueStep <= GriffonSellingStep) ||
                         (individual >= 0 && GameVars[individual] == RoleMerchant && DialogueStep >= 1 &&
                          DialogueStep <= ForestFolkSellingStep);
    if (!trading) PanelLine(0, who->header);

    switch (kind) {
        case KindNoctessa: RunNoctessa(); break;
        case KindOmbasi: RunOmbasi(); break;
        case KindTroll: RunTroll(); break;
        case KindFairy: RunFairy(); break;
        case KindWobbinPip: RunWobbin(); break;
        case KindSalesGriffon: RunSalesGriffon(); break;
        case KindClockwick: RunClockwick(); break;
        case KindBravaVenn: RunBravaVenn(); break;
        case KindNougette:
        case KindHarpella:
        case KindMarnella:
        case KindPearlwick:
        case KindBurlo: RunVillager(m); break;
        default: RunForestFolk(individual); break;
    }
}
