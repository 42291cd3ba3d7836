// The interactions with the features of a sector: chests, the stone table, the flower,
// books and notes, the gem idol, wells, bells and the trees of the fairy garden. Each
// panel is a table run by the conversations' interpreter, its first line at the top of
// the panel; what a choice does to the sector is code beside it. The trees of the
// garden and the cooking pot choose from the satchel and draw their panels by code.
#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "rules/conversation.h"
#include "rules/cooking.h"
#include "rules/interaction_panel.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "rules/satchel_picker.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/levelup.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

void Close() { DialogueState = DialogueNone; }

// The name of an item as the satchel shows it. Draws like every item description.
std::string ItemName(int kind) {
    return DescribeItem(kind, 0, 0).name;
}

// A prize goes to the hero's cell. Asked before the feature changes, so a full ground
// table leaves the feature (and its prize) for later instead of swallowing the prize.
bool RoomForPrize() {
    if (GroundHasRoom()) return true;
    PushMessage("There is no room on the ground here");
    return false;
}

void PlacePrize(int kind) { PlaceGroundItem(MonX[0], MonY[0], kind, 0); }

// ---- Chests, the stone table and the idol -----------------------------------------------

void WakeTreelephants() {
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] != TreelephantStatue) continue;
            MapTerrain[x][y] = Grass;
            const int s = SpawnCreature(x, y, KindTreelephant);
            if (s == NoCreatureSlot) continue;
            MonAttitude[s] = AttitudeHostile;
            if (Depth >= 8) LevelUpCreature(s);
            if (Depth >= 15) LevelUpCreature(s);
            if (Depth >= 22) LevelUpCreature(s);
        }
    }
    RefreshFrames();
}

void TakeTheVineChestTreasure() {
    if (!RoomForPrize()) return;
    ReplaceFeature(VineChest, Grass);
    PlacePrize(GameVars[VarPrizeVineChest]);
    if (GameVars[VarAteAnimalFood] == 0) {
        PushMessage("You take the treasure with no troubles.");
    } else {
        PushMessage("You take the treasure, and hear an angry roar...");
        WakeTreelephants();
    }
}

void TakeTheStoneTableTreasure() {
    if (!RoomForPrize()) return;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y < MapMaxY; ++y) {
            if (MapTerrain[x][y] == Grave) SpawnCreature(x, y + 1, KindDrybones);
        }
    }
    ReplaceFeature(StoneTable, StoneFloor);
    PushMessage("You hear the rattling of bones");
    PlacePrize(GameVars[VarPrizeStoneTable]);
}

void OpenTheTreasureChest() {
    if (!RoomForPrize()) return;
    ReplaceFeature(TreasureChest, StoneFloor);
    PushMessage("There was a " + ItemName(GameVars[VarPrizeTreasureChest]) + " inside.");
    PlacePrize(GameVars[VarPrizeTreasureChest]);
}

void TakeTheGemIdol() {
    if (!RoomForPrize()) return;
    ReplaceFeature(GemIdol, TempleFloor);
    PushMessage("You take the figure seemingly without incident.");
    PlacePrize(ItemLazuliHeart);
    GameVars[VarTempleTrap] = 10;
}

void WinTheGame() {
    GameOver = 1;
    GameWon = 1;
}

std::string VineChestPrize() { return ItemName(GameVars[VarPrizeVineChest]); }
std::string StoneTablePrize() { return ItemName(GameVars[VarPrizeStoneTable]); }

const Conversation VineChestPanel = {
    Menu(AnyStep,
         {"There is a sturdy chest here, but there is a warning written on it",
          Filled("'Here lies the Treelephant's treasure, the {}!'", VineChestPrize),
          "'Only those who share the path of the treelephant may take this treasure.'"},
         {{"1) Leave the treasure", EndTalk}, {"2) Take the treasure", Do(TakeTheVineChestTreasure, EndTalk)}}),
};

const Conversation StoneTablePanel = {
    Menu(AnyStep, {Filled("There is a {} on this table.", StoneTablePrize), "'Should you take it?"},
         {{"1) Leave the treasure", EndTalk}, {"2) Take the treasure", Do(TakeTheStoneTableTreasure, EndTalk)}}),
};

const Conversation TreasureChestPanel = {
    Menu(AnyStep, {"There is a chest, should you open it?"},
         {{"1) Leave the treasure", EndTalk}, {"2) Take the treasure", Do(OpenTheTreasureChest, EndTalk)}}),
};

const Conversation GemIdolPanel = {
    Menu(AnyStep,
         {"There is a sapphire figure here... it's situated on a pedestal ominously",
          "Should you take the figure from the pedestal?"},
         {{"1) Leave the figure", EndTalk}, {"2) Take the figure", Do(TakeTheGemIdol, EndTalk)}}),
};

const Conversation FlowerPanel = {
    Answer(AnyStep, {"You find the flower at last!"}, Do(WinTheGame, EndTalk)),
};

// ---- Books and notes -------------------------------------------------------------------

void ReadTheBook() {
    ReplaceFeature(Book, Grass);
    static const char* const Lines[] = {
        "You read all about Veldora's history.",
        "You read all about the mating dance of the Timber Wolf... ick.",
        "You read all about some kind of extinct hairless ape that once ruled this land, weird.",
        "You read all about how to code roguelikes.",
        "You read all about Veldoran economics.",
    };
    PushMessage(Lines[Rand(0, 4)]);
    PushMessage("You feel smarter (+1 skill point)");
    SkillPoints += 1;
}

bool HeroIsQuenby() { return HeroId == HeroQuenbyArlo; }
bool HeroIsNotQuenby() { return HeroId != HeroQuenbyArlo; }

// One of the two "2)" options is offered, by the hero.
const Conversation BookPanel = {
    Menu(AnyStep, {"There is a book here! Do you want to read it?"},
         {{"1) Don't read a book", EndTalk},
          {"2) Read a book! Read a book! READ AN APPLE BUCKING BOOK!!!!", Do(ReadTheBook, EndTalk), HeroIsQuenby},
          {"2) Read a book", Do(ReadTheBook, EndTalk), HeroIsNotQuenby}}),
};

bool ThinwraithOnSector() {
    for (int m = 1; m < MonSlots; ++m) {
        if (MonKind[m] == KindThinwraith && MonHp[m] > 0) return true;
    }
    return false;
}

// The chill is felt first; then the stalker's cell: open grass or plants, not under the
// hero or another creature. The draws are bounded, so a sector without such a cell
// cannot hang the game.
void StalkerComes() {
    PushMessage("You feel a chill...");
    for (int draw = 0; draw < 10001; ++draw) {
        const int x = Rand(0, MapMaxX);
        const int y = Rand(0, MapMaxY);
        const int code = MapTerrain[x][y];
        if ((code != Grass && code != Plant) || CellBlocked(x, y) != 0) continue;
        SpawnCreature(x, y, KindThinwraith);
        return;
    }
}

void ReadTheNote() {
    ReplaceFeature(Note, Grass);
    int& notes = GameVars[VarStalkerNotes];
    if (notes < 9) notes += 1;
    static const char* const Lines[] = {
        "It reads 'don't look or it takes you' - what could it mean?",
        "It's a picture of a tall hoofling in a forest - what could it mean?",
        "It says 'Leave me alone' - what could it mean?",
        "It says 'Help me' - who wrote these?",
        "It's a picture of a tall mare with 'No' scrawled all over the page...",
        "It says 'Always watches NO EYES' - what is this???",
        "It says 'Can't run!' - This is getting creepy!",
        "It is a picture of a tall mare with the word 'follows' written beside him",
    };
    PushMessage(notes >= 1 && notes <= 8 ? Lines[notes - 1] : "It crumbled in your hand...");
    MonXp[0] += 10;
    // The roll is drawn even when the stalker cannot come.
    int s = Rand(0, 100) + 4 * notes;
    if (ThinwraithOnSector() || notes == StalkerDefeated) s = 0;
    if (s > 90) StalkerComes();
}

const Conversation NotePanel = {
    Menu(AnyStep, {"There is a note here with a sketch on it"},
         {{"1) Ignore it", EndTalk}, {"2) Read the note", Do(ReadTheNote, EndTalk)}}),
};

// ---- Wells -----------------------------------------------------------------------------

// The well offers first (DialogueStep 0); paying 100 bits opens the wish.
constexpr int WellStepWish = 1;
constexpr int WishPrice = 100;
constexpr int InsultPrice = 50;

// A wish or a curse uses the well up.
void UseUpWell() { ReplaceFeature(Well, UsedWell); }

// The bits go when the wish is made: leaving the wish menu unmade costs nothing.
void PayForTheWish() {
    Bits -= WishPrice;
    UseUpWell();
}

void WishForStrength() {
    MonAtk[0] += 1;
    MonDef[0] += 1;
    MonStr[0] += 1;
    MonSpd[0] += 1;
    MonMag[0] += 1;
    MonCon[0] += 1;
    PayForTheWish();
}

void WishForASkillPoint() {
    SkillPoints += 1;
    PayForTheWish();
}

void WishForHealing() {
    MonHp[0] = MonMaxHp[0];
    MonMp[0] = MonMaxMp[0];
    PayForTheWish();
}

// Without the bits the offer stays as it was, its bar where it was; with them the
// wish is asked for at once.
void OfferAWish() {
    if (Bits < WishPrice) {
        PushMessage("You don't have 100 bits!");
        return;
    }
    DialogueStep = WellStepWish;
    MenuCursor = 0;
}

// Without the bits the offer stays as it was; with them the well curses and closes.
void InsultTheWell() {
    if (Bits < InsultPrice) {
        PushMessage("You don't even have 50 bits!");
        return;
    }
    Bits -= InsultPrice;
    PushMessage("The water cursed you for insulting it!");
    MonStatus[0][StatusPoisoned] += 10;
    UseUpWell();
    Close();
}

const Conversation WellPanel = {
    Menu(WellStepWish, {"A light shines from the water!", "What wish will you make?"},
         {{"1) Boost your stats a little", Do(WishForStrength, EndTalk)},
          {"2) An extra skill points", Do(WishForASkillPoint, EndTalk)},
          {"3) Instant healing (HP and MP)", Do(WishForHealing, EndTalk)}}),
    Menu(AnyStep, {"Its a well of wishing!", "It says for 100 bits, you can get a wish granted"},
         {{"1) Throw in 100 bits", Do(OfferAWish, Stay)},
          {"2) Throw in 50 bits", Do(InsultTheWell, Stay)},
          {"3) Leave", EndTalk}}),
};

const Conversation UsedWellPanel = {
    Answer(AnyStep, {"You can only use a well once"}, EndTalk),
};

// ---- Bells -----------------------------------------------------------------------------

// Draws cells until one is open ground within reach of the hero's bell (Euclidean
// distance below 6) and free; false after 1001 draws.
bool CellNearHero(int& cx, int& cy) {
    for (int draw = 0; draw < 1001; ++draw) {
        const int x = Rand(0, MapMaxX);
        const int y = Rand(0, MapMaxY);
        const int dx = x - MonX[0];
        const int dy = y - MonY[0];
        if (IsOpenGround(x, y) != 1 || dx * dx + dy * dy >= 36) continue;
        cx = x;
        cy = y;
        return true;
    }
    return false;
}

void RingBell() {
    // The kind is read as the scan passes each bell, before it falls silent.
    int kind = 0;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            const int code = MapTerrain[x][y];
            if (code != BellFirst && code != BellSecond) continue;
            kind = code;
            MapTerrain[x][y] = RungBell;
        }
    }
    RefreshFrames();
    PushMessage("Ring!!!");
    int x = 0;
    int y = 0;
    if (kind == BellFirst) {
        for (int i = 0; i < 7; ++i) {
            if (!CellNearHero(x, y)) continue;
            const int g = PlaceGroundItem(x, y, ItemBits, 1);
            // A pile the full ground table refused gets no size either: its count draw
            // is skipped with the rest of the pile.
            if (g != NoGroundSlot) GroundItemCount[g] = Rand(10, 16);
        }
        PushMessage("The bell granted you good fortune!");
    } else if (kind == BellSecond) {
        static const int Kinds[] = {KindWolf, KindOgre, KindBat};
        const int k = Rand(1, 3);
        for (int i = 0; i < 5; ++i) {
            if (CellNearHero(x, y)) SpawnCreature(x, y, Kinds[k - 1]);
        }
        PushMessage("The noise attracted monsters!");
    }
}

const Conversation BellPanel = {
    Menu(AnyStep, {"There is a bell hanging on a stick here.", "Will you ring the bell?"},
         {{"1) Leave it alone", EndTalk}, {"2) Ring the bell!", Do(RingBell, EndTalk)}}),
};

const Conversation SilentBellPanel = {
    Answer(AnyStep, {"You can no longer use the bell"}, EndTalk),
};

// ---- The trees of the fairy garden -------------------------------------------------------

void RunMagicalTreePanel() {
    const int k = GardenPlotAt(DialogueCellX, DialogueCellY);
    if (k < 0) {
        Close();
        return;
    }
    PanelLine(0, "Select a fruit to place in the Fairy Tree");
    PanelLine(1, "It will grow a tree bearing that fruit after a while");
    PanelLine(2, GardenTreeReport(k));
    PanelLine(3, "Space to select a fruit, C to cancel");
    MoveSatchelCursor(MenuCursor);
    if (SatchelLeft(0)) {
        InputDelay = DelayAfterAction;
        Close();
        return;
    }
    if (!SatchelPicked(MenuCursor)) return;
    InputDelay = DelayAfterAction;
    const int slot = MenuCursor;
    if (!IsFruit(InvKind[slot])) {
        PushMessage("That's not a fruit!");
        return;
    }
    GlobalData[GlobalGardenPlotFirst + k] = InvKind[slot];
    GlobalData[GlobalGardenGrowthFirst + k] = 0;
    PushMessage("fruit added");
    TakeOneFromSatchel(slot);
    Close();
}

const Conversation MagicalTreePanel = {ByCode(AnyStep, RunMagicalTreePanel)};
const Conversation CookingPotPanel = {ByCode(AnyStep, RunCookingPot)};

// The panel of every feature by its DialogueState; the others are conversations.
struct Panel {
    int state;
    const Conversation* panel;
};

constexpr Panel Panels[] = {
    {DialogueCookingPot, &CookingPotPanel},
    {DialogueVineChest, &VineChestPanel},
    {DialogueMagicalTree, &MagicalTreePanel},
    {DialogueStoneTable, &StoneTablePanel},
    {DialogueTreasureChest, &TreasureChestPanel},
    {DialogueFlower, &FlowerPanel},
    {DialogueBook, &BookPanel},
    {DialogueNote, &NotePanel},
    {DialogueGemIdol, &GemIdolPanel},
    {DialogueWell, &WellPanel},
    {DialogueUsedWell, &UsedWellPanel},
    {DialogueBell, &BellPanel},
    {DialogueUsedBell, &SilentBellPanel},
};

}  // namespace

std::string GardenTreeReport(int tree) {
    const int fruit = GlobalData[GlobalGardenPlotFirst + tree];
    if (fruit == 0) return "The tree has no fruit currently.";
    // The number before the slash is the tree's own, not its fruit's or its growth's.
    return "The tree is currently a " + ItemName(fruit) + " tree. " + IntToText(tree) + "/" +
           IntToText(GlobalData[GlobalGardenGrowthFirst + tree]);
}

const Conversation* FeaturePanel(int dialogueState) {
    for (const Panel& p : Panels)
        if (p.state == dialogueState) return p.panel;
    return nullptr;
}

void RunInteraction() {
    if (const Conversation* panel = FeaturePanel(DialogueState)) {
        Converse(*panel);
    } else {
        RunConversation();
    }
    if (DialogueState == DialogueNone) {
        DialogueStep = 0;
        MenuCursor = 0;
        InputDelay = DelayAfterAction;
    }
}
