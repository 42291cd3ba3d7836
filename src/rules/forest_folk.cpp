// The forest folk: the grubbins of the creature huts, the seahooflings of the pond and
// the deer of the clearing. Each of the nine is someone different for the whole run,
// by the role drawn at a new game: a merchant, the quest giver, a cook who teaches a
// recipe, or one who knows the forest's creatures. Each role is a conversation table,
// run like the characters'; the hints and the lore are written as the game's text
// lists them, and each becomes a screen of its own.
#include <iterator>
#include <string>
#include <vector>

#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/food.h"
#include "persist/globals.h"
#include "rules/conversation.h"
#include "rules/cooking.h"
#include "rules/forest_folk.h"
#include "rules/interaction_panel.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "worldgen/creatures.h"

namespace {

constexpr int QuestNotYetStep = 1;  // the quest giver's "not yet" screen
constexpr int QuestKills = 6;
constexpr int QuestApples = 8;

// ---- The merchant -----------------------------------------------------------------------

const Conversation Merchant = {
    Menu(0, {"Looking to buy something?"},
         {{"1) Show me your wares", GoTo(MerchantBuyingStep)},
          {"2) Do you want to buy something?", GoTo(ForestFolkSellingStep)},
          {"3) Leave", EndTalk}}),
    Buying(MerchantBuyingStep, "Select any item you want to purchase.  (g/space) grab   (c) cancel"),
    Selling(ForestFolkSellingStep, "Select any item you want to sell", "(s/space) sell (c) cancel"),
};

// ---- The quest giver --------------------------------------------------------------------

struct QuestLines {
    const char* first;
    const char* second;
};

// By QuestType, from QuestSixWolves on.
// clang-format off
constexpr QuestLines Quests[] = {
    {"The wolves are really bothering us lately!",         "If you could beat up six wolves, I'll give you something good!"},
    {"I want to make some cider... but I have no apples!", "Could you give me eight apples? I'll trade you something good!"},
    {"Hey... do you have any choc chip pancakes?",         "I could really go for one... I'll give you something good!"},
    {"Could you beat up six snakes for me? They bug me.",  "I'll give you something good for your trouble!"},
};
// clang-format on

bool QuestOpen(int type) { return type >= QuestSixWolves && type <= QuestSixSnakes; }

// True when the hero has done what quest `type` asks. Progress starts at 1 when the
// quest is offered, so six kills make 7.
bool QuestMet(int type) {
    switch (type) {
        case QuestSixWolves:
        case QuestSixSnakes: return GameVars[VarQuestProgress] >= 1 + QuestKills;
        case QuestEightApples: return CountInSatchel(ItemApple) >= QuestApples;
        case QuestChocolatePancakes: return CountInSatchel(ItemChocPancakes) >= 1;
        default: return false;
    }
}

// The reward goes down before the apples or the pancake are taken, so a full ground
// leaves the hero's goods and the quest as they were.
bool CompleteQuest(int type) {
    if (!GroundTakesGifts(1)) return false;
    GiveAtHero(GameVars[VarPrizeQuest]);
    if (type == QuestEightApples) TakeFromSatchel(ItemApple, QuestApples);
    if (type == QuestChocolatePancakes) TakeFromSatchel(ItemChocPancakes, 1);
    GameVars[VarQuestType] = QuestDone;
    return true;
}

bool NoQuestOpen() { return !QuestOpen(GameVars[VarQuestType]); }

// The offer is drawn by code: its lines are the open quest's, drawn below the menu's
// reading, and on the frame the quest is completed the thanks take their place.
void OfferTheQuest() {
    const int type = GameVars[VarQuestType];
    // Below 0 only a damaged save could put it; kills count only from 1 on.
    if (GameVars[VarQuestProgress] <= 0) GameVars[VarQuestProgress] = 1;
    const int pick = PickOption(4, {"1) Complete quest", "2) Leave"});
    if (pick == 2) EndConversation();
    const QuestLines& lines = Quests[type - QuestSixWolves];
    if (pick != 1) {
        PanelLine(1, lines.first);
        PanelLine(2, lines.second);
    } else if (!QuestMet(type)) {
        PushMessage("You haven't completed the goal yet...");
        DialogueStep = QuestNotYetStep;
    } else if (CompleteQuest(type)) {
        // The thanks are on the panel for this frame only, the next shows the thanks
        // of a quest done; the log keeps them.
        PanelLine(1, "Thank you so much!");
        PanelLine(2, "Here, take this item!");
        PushMessage("Thank you so much!");
        PushMessage("Here, take this item!");
    }
}

const Conversation QuestGiver = {
    Tell(AnyStep, {"Thanks for your help earlier!"}, EndTalk).When(NoQuestOpen),
    Answer(QuestNotYetStep, {"You haven't completed the goal yet..."}, Back),
    ByCode(AnyStep, OfferTheQuest),
};

// ---- Recipe hints and creature lore ------------------------------------------------------

struct Hint {
    int role;
    const char* first;
    const char* second;  // may be empty
    int dish;
};

// clang-format off
constexpr Hint Hints[] = {
    {3,  "Hey, do you know how to make cupcakes? I bet you do!", "It's just sugar, flour and vanilla", ItemCupcake},
    {4,  "Pancakes are delicious!", "All you need is egg, flour, vanilla and milk", ItemPancakes},
    {5,  "Muffin's are made with egg, flour, baking soda and wheatgerm", "Don't mess up the ingredients!", ItemMuffin},
    {6,  "There's lots of things you can make with apples!", "My favourite is apple pie: apple, egg, flour and sugar, yum!", ItemApplePie},
    {7,  "You can make great porridge with just oats and milk", "", ItemPorridge},
    {8,  "Did you know that the perfect omelette requires three eggs?", "", ItemOmelette},
    {9,  "Scrambled Eggs and toast is really simple!", "You just need an egg and some bread", ItemScrambledEgg},
    {10, "A plain Hot Dog can be made with a slab of tofu and some bread.", "", ItemTofuDog},
    {11, "Tofu and two types of vegetables can make a good stir fry", "", ItemTofuStirFry},
    {12, "If you have eggs and want something sweet, you can make a great creme brulee!", "You need two eggs, some vanilla and sugar for the topping.", ItemCremeBrulee},
    {13, "You can make a Spanish Omelette with an egg, a potato and a second vegetable", "", ItemSpanishOmelette},
};
static_assert(std::size(Hints) == RoleRecipeHintLast - RoleRecipeHintFirst + 1, "a hint for every hint role");

// Roles 21..30 are drawn at a new game. The last one, about Zoquiral, is never drawn,
// but a role kept from an older game may still name it.
constexpr Hint Lore[] = {
    {21, "Nibblits may seem harmless, but if they get hold of food", "they'll start spawning more of themselves!", 0},
    {22, "Wasps are pretty peaceful insects if you leave them alone.", "If you get too close though, the entire colony will get annoyed.", 0},
    {23, "Have you seen the scary Shade monsters?", "They make everything around them dark! It's super scary!", 0},
    {24, "Some changelings have taken up nest in these woods.", "They'll disguise as harmless animals and then strike! Look out!", 0},
    {25, "Timberwolves are pretty scary, they'll hide in the trees until you get close!", "", 0},
    {26, "The Treelephants may seem harmless, but they consider themselves protectors of the woods.", "If they sense you eating anything but plants they'll get pretty enraged!", 0},
    {27, "The Cerberus puppies will ignore you, unless you go past them.", "Or get really close.", 0},
    {28, "Wolves attack in packs! Be very cautious!", "They will take a bite at you, then run off before striking again!", 0},
    {29, "The Cockatrice is a dangerous creature, it can turn animals to stone!", "If you see statues in the forest, start panicking!", 0},
    {30, "In the darker parts of the Thornwild Forest, they say the trees can come alive!", "", 0},
    {31, "Zoquiral has power over the minds of smaller animals", "He can bring even docile creatures to his cause!", 0},
};
// clang-format on

const Hint* FindHint(const Hint* first, const Hint* last, int role) {
    for (const Hint* h = first; h != last; ++h)
        if (h->role == role) return h;
    return nullptr;
}

void TeachRecipe(int dish) {
    // Written at once: the book is kept across games, whether or not the dish is cooked.
    if (LearnRecipe(dish)) WriteRecipeBook();
}

// The hint of the individual talked to teaches its dish as it is shown.
void TeachTheHintedRecipe() {
    const int individual = FolkIndividual(DialogueCreature);
    if (individual < 0) return;
    if (const Hint* hint = FindHint(std::begin(Hints), std::end(Hints), GameVars[individual])) TeachRecipe(hint->dish);
}

// A hint or a piece of lore is one screen: its lines, "Press space to continue" right
// below the last, and only confirm ends the talk.
std::vector<Conversation> Told(const Hint* first, const Hint* last, Action before) {
    std::vector<Conversation> told;
    for (const Hint* h = first; h != last; ++h) {
        std::vector<TalkLine> lines = {h->first};
        if (h->second[0] != '\0') lines.emplace_back(h->second);
        told.push_back({Tell(AnyStep, lines, EndTalk).Before(before)});
    }
    return told;
}

}  // namespace

const Conversation* FolkConversation(int individual) {
    static const std::vector<Conversation> HintTalks = Told(std::begin(Hints), std::end(Hints), TeachTheHintedRecipe);
    static const std::vector<Conversation> LoreTalks = Told(std::begin(Lore), std::end(Lore), nullptr);
    const int role = GameVars[individual];
    if (role == RoleMerchant) return &Merchant;
    if (role == RoleQuestGiver) return &QuestGiver;
    if (const Hint* hint = FindHint(std::begin(Hints), std::end(Hints), role)) return &HintTalks[hint - Hints];
    if (const Hint* lore = FindHint(std::begin(Lore), std::end(Lore), role)) return &LoreTalks[lore - Lore];
    return nullptr;
}

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

int FolkTalkFlag(int individual) { return individual - VarFolkRoleFirst + VarTalkFolkFirst; }
