#include "rules/commands.h"

#include <string>

#include "core/convert.h"
#include "core/frame.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/skill_upgrade.h"
#include "persist/sector.h"
#include "platform/platform.h"
#include "rules/combat.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "rules/look_cursor.h"
#include "rules/recipebook.h"
#include "rules/satchel_picker.h"
#include "rules/sector_change.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/placement.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

bool ShiftHeld() { return KeyHeld(KeyLShift) || KeyHeld(KeyRShift); }
bool HeroFlying() { return MonStatus[0][StatusFlying] > 0; }
bool HeroJestbloom() { return MonStatus[0][StatusJestbloom] > 0; }

void UseTurn() {
    TurnTaken = 1;
    InputDelay = DelayAfterAction;
}

// Stone floor of the sector's castle style: doors and locks open onto it.
int OpenedFloor() {
    if (SectorBiome == BiomeTempleCastle) return TempleFloor;
    if (SectorBiome == BiomeDarkCastle) return DarkStoneFloor;
    return StoneFloor;
}

void ReplaceEverywhere(int from, int to) {
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapTerrain[x][y] == from) MapTerrain[x][y] = to;
}

// The last cell holding `code` in scan order (x outer, y inner); false when none.
bool LastCellOf(int code, int& cx, int& cy) {
    bool found = false;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] == code) {
                cx = x;
                cy = y;
                found = true;
            }
        }
    }
    return found;
}

// After arriving through stairs: the hero stands `dy` rows from the last `code` cell.
void PlaceHeroBeside(int code, int dy) {
    // A quit in the change's blank frame leaves the hero in the sector he was leaving.
    if (QuitRequested()) return;
    int x = 0, y = 0;
    if (!LastCellOf(code, x, y) || !InGrid(x, y + dy)) return;
    MonX[0] = x;
    MonY[0] = y + dy;
}

// E: eats one unit of the last food on the hero's cell, straight from the ground.
void EatFromGround() {
    if (ItemUnderHero == -1) return;
    int food = -1;
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] > 0 && GroundItemX[g] == MonX[0] && GroundItemY[g] == MonY[0] &&
            ItemCategory(GroundItemKind[g]) == CategoryFood)
            food = g;
    }
    if (food < 0) return;
    if (FullStomachTimer != 0) {
        PushMessage("Your stomach is still full");
    } else {
        EatItem(food, 1);
        GroundItemCount[food] -= 1;
        if (GroundItemCount[food] <= 0) ClearGroundSlot(food);
    }
    InputDelay = DelayAfterAction;
}

void MenuKeys() {
    if (InputDelay == 0 && KeyHeld(KeyR)) {
        RecipeBookScreen();
        InputDelay = DelayAfterAction;
    }
    if (InputDelay == 0 && KeyHeld(KeyZ)) {
        SortInventory(0);
        InputDelay = DelayAfterAction;
    }
    if (InputDelay == 0 && KeyHeld(KeyA)) {
        SortInventory(1);
        InputDelay = DelayAfterAction;
    }
    if (InputDelay == 0 && KeyHeld(KeyI)) {
        UiMode = UiInventory;
        InvCursor = 0;
        InputDelay = DelayAfterList;
    }
    if (InputDelay == 0 && KeyHeld(KeyS)) {
        bool anySkill = false;
        for (int s = 0; s < SkillSlots; ++s)
            if (SkillId[s] >= 1 && SkillLevel[s] > 0) anySkill = true;
        if (!anySkill) {
            PushMessage("No skills purchased, press X to purchase skills");
            InputDelay = DelayAfterAction;
        } else if (HeroId == HeroQuenbyArlo && HeroJestbloom()) {
            PushMessage("You can't cast magic thanks to the Jestbloom");
            InputDelay = DelayAfterAction;
        } else {
            UiMode = UiSkillList;
            InvCursor = 0;
            InputDelay = DelayAfterList;
        }
    }
    if (InputDelay == 0 && KeyHeld(KeyX)) {
        InputDelay = DelayAfterAction;
        ShowSkillUpgrades();
        InputDelay = DelayAfterAction;
    }
    if (InputDelay == 0 && KeyHeld(KeyE)) EatFromGround();
    if (InputDelay == 0 && KeyHeld(KeyL)) {
        OpenLookCursor();
        PushMessage("Looking around: arrows move the square, (l), (c) or (esc) stop");
        InputDelay = DelayAfterAction;
    }
}

void BuckCell(int x, int y, int code) {
    struct Buckable {
        int code;
        int needed;
        const char* success;
        const char* failure;
    };
    static const Buckable Table[] = {
        {Sticks, 25, "You buck the sticks!", "You hurt yourself trying to buck the sticks"},
        {Log, 40, "You buck the log!", "You hurt yourself trying to buck the log"},
        {Door, 60, "You buck down the door!", "You hurt yourself trying to buck the door down"},
    };
    for (const Buckable& b : Table) {
        if (b.code != code) continue;
        const int roll = Rand(0, 100) + MonStr[0] + MonStrBonus[0];
        if (roll >= b.needed) {
            PushMessage(b.success);
            MapTerrain[x][y] = code == Door ? OpenedFloor() : Grass;
            RefreshFrames();
            MonXp[0] += 5;
        } else {
            PushMessage(b.failure);
            // A buck never knocks the hero out: at 4 hit points or fewer it costs nothing.
            if (MonHp[0] > 4) MonHp[0] -= 4;
        }
        UseTurn();
        return;
    }
}

// The fruit trees stand in the order of their fruits, apple first.
void ShakeFruitTree(int tx, int ty, int code) {
    for (int x = tx - 1; x <= tx + 1; ++x)
        for (int y = ty - 1; y <= ty + 1; ++y)
            if (IsOpenGround(x, y) == 1 && Rand(0, 100) > 60) PlaceGroundItem(x, y, ItemApple + (code - AppleTree), 0);
    if (Depth == DepthFairyGarden) {
        // A garden tree turns magical and its plot starts growing again.
        MapTerrain[tx][ty] = MagicalTree;
        const int k = GardenPlotAt(tx, ty);
        if (k >= 0) GlobalData[GlobalGardenGrowthFirst + k] = 0;
    } else {
        MapTerrain[tx][ty] = BarrenTree;
    }
    RefreshFrames();
    InputDelay = DelayAfterAction;
}

// Features that open an interaction when bumped, by terrain code.
int BumpInteraction(int code) {
    switch (code) {
        case CookingPot: return DialogueCookingPot;
        case VineChest: return DialogueVineChest;
        case MagicalTree: return DialogueMagicalTree;
        case StoneTable: return DialogueStoneTable;
        case TreasureChest: return DialogueTreasureChest;
        case GemIdol: return DialogueGemIdol;  // the Lazuli Heart on its pedestal
        case Well: return DialogueWell;
        case UsedWell: return DialogueUsedWell;
        case BellFirst:
        case BellSecond: return DialogueBell;
        case RungBell: return DialogueUsedBell;
        default: return DialogueNone;
    }
}

void SkarnixEscapes(int s) {
    SpawnCreature(MonX[s], MonY[s], KindNibblit);
    MonMp[s] -= 2;
    for (int tries = 0; tries < SearchLimit; ++tries) {
        const int x = Rand(2, 42);
        const int y = Rand(2, 33);
        if (IsOpenGround(x, y) == 1 && Distance(x, y, MonX[0], MonY[0]) > 6.0) {
            MonX[s] = x;
            MonY[s] = y;
            PushMessage("Skarnix teleported away!");
            return;
        }
    }
}

void Step(int direction) {
    static const int StepX[5] = {0, 0, 0, -1, 1};
    static const int StepY[5] = {0, -1, 1, 0, 0};
    const int tx = MonX[0] + StepX[direction];
    const int ty = MonY[0] + StepY[direction];
    if (HeroFlying()) FlyerMoveTest = 1;
    const int blocked = CellBlocked(tx, ty);
    if (blocked == 0) {
        if (MonStatus[0][StatusFrozen] > 0 || MonStatus[0][StatusStone] > 0) {
            PushMessage("Can't move, stuck!");
            UseTurn();
            return;
        }
        MonX[0] = tx;
        MonY[0] = ty;
        UseTurn();
        // The hero now blocks his own new cell, so the bump rules that would follow
        // find nothing there; they are skipped outright.
        EnterCell(tx, ty);
        return;
    }
    BumpCell(tx, ty);
}

}  // namespace

void GrabItem() {
    int g = -1;
    for (int s = 0; s <= GroundCapacity; ++s)
        if (GroundItemKind[s] != 0 && GroundItemX[s] == MonX[0] && GroundItemY[s] == MonY[0]) g = s;
    if (g < 0) return;
    const int category = ItemCategory(GroundItemKind[g]);
    if (category == CategoryMoney) {
        Bits += GroundItemCount[g];
        PushMessage("Grabbed " + IntToText(GroundItemCount[g]) + " bits!");
        ClearGroundSlot(g);
        return;
    }
    // What finds no room stays on the ground, stacks topped up or not.
    const int left = PutIntoSatchel(GroundItemKind[g], GroundItemTier[g], GroundItemSeed[g], GroundItemCount[g]);
    if (left == 0) {
        ClearGroundSlot(g);
        return;
    }
    GroundItemCount[g] = left;
    PushMessage("Your satchel is full");
}

bool EnterCell(int x, int y) {
    const int code = TerrainAt(x, y);
    const bool flying = HeroFlying();
    const bool shift = ShiftHeld();
    if (code == DeepWater && !flying) {
        PushMessage("splash");
        int& soggy = MonStatus[0][StatusSoggy];
        if (soggy < 12) soggy += 1;
        if (soggy < 5) soggy = 5;
    }
    if (!shift && (code == Exit || code == CastlePathOnward || code == StairsUp)) {
        ChangeSector(ChangeDeeper);
        return true;
    }
    if (!shift && (code == Entrance || code == CastlePathBack || code == StairsDown)) {
        ChangeSector(ChangeBack);
        return true;
    }
    if (code == FairyDoor && !shift) {
        if (Depth >= 0) {
            GameVars[VarReturnDepth] = Depth;
            ChangeSector(ChangeFairyGarden);
            return true;
        }
        if (Depth == DepthFairyGarden) {
            ChangeSector(ChangeReturn);
            return true;
        }
    }
    if (code == CryptEntrance && !shift) {
        GameVars[VarReturnDepth] = Depth;
        ChangeSector(ChangeCrypt);
        PlaceHeroBeside(StairsOut, -1);
        return true;
    }
    if (code == StairsOut) {
        ChangeSector(ChangeReturn);
        PlaceHeroBeside(CryptEntrance, 1);
        return true;
    }
    if (code == QuestFlower) {
        DialogueState = DialogueFlower;
        MenuCursor = 0;
        InputDelay = DelayAfterAction;
    }
    if (code == CursedPlant && !flying) {
        MonStatus[0][StatusJestbloom] = 20;
        PushMessage("You've been infected by Jestbloom!");
    }
    if (code == Book || code == Note) {
        DialogueState = code == Book ? DialogueBook : DialogueNote;
        MenuCursor = 0;
        InputDelay = DelayAfterAction;
    }
    if (code == TempleEntrance) {
        GameVars[VarReturnDepth] = Depth;
        ChangeSector(ChangeTemple);
        PlaceHeroBeside(TempleEntrance, -1);
        return true;
    }
    if (code == StairsToForest) {
        ChangeSector(ChangeReturn);
        PlaceHeroBeside(TempleEntrance, 1);
        return true;
    }
    if (IsTrapTile(code) && GameVars[VarTempleTrap] == 0 && !flying) {
        GameVars[VarTempleTrap] = TempleTrapSprung;
        PushMessage("You hear a loud rumbling... maybe you shouldn't have stepped on that?");
        ReplaceEverywhere(GemIdol, Lava);
        RefreshFrames();
    }
    if (code == TriggerFloor && !flying) {
        MapTerrain[x][y] = TempleFloor;
        PushMessage("Click!");
        ReplaceEverywhere(HiddenWall, TempleFloor);
        RefreshFrames();
    }
    if (code == Portal && !shift) {
        ChangeSector(ChangeDeeper);
        return true;
    }
    if (code == PrisonKey) {
        MapTerrain[x][y] = OpenedFloor();
        ReplaceEverywhere(IronLock, OpenedIronLock);
        RefreshFrames();
        PushMessage("You found a key");
    }
    return false;
}

void BumpCell(int x, int y) {
    // Read once: a tree shaken below turns magical, but is not the one bumped.
    const int code = TerrainAt(x, y);
    if (x >= 1 && x <= MapMaxX - 1 && y >= 1 && y <= MapMaxY - 1) BuckCell(x, y, code);
    if (code == NightStatue) {
        PushMessage("It's a statue of Umbrana, this far into the forest?");
        InputDelay = DelayAfterAction;
    }
    const bool fruitTree = IsFruitTree(code);
    if (fruitTree) ShakeFruitTree(x, y, code);
    if (const int state = BumpInteraction(code); state != DialogueNone) {
        if (state == DialogueMagicalTree) {
            DialogueCellX = x;
            DialogueCellY = y;
        }
        DialogueState = state;
        // The inventory panel shares the cursor: an interaction starts on its first option.
        MenuCursor = 0;
        InputDelay = DelayAfterAction;
    }
    if (code == OpenedIronLock) {
        MapTerrain[x][y] = OpenedFloor();
        PushMessage("You unlocked the door");
        RefreshFrames();
    }
    // A shaken tree is all the bump does.
    if (fruitTree) return;
    const bool shift = ShiftHeld();
    int defender = -1;
    for (int m = 1; m <= MonCapacity; ++m) {
        if (MonKind[m] < 1 || MonHp[m] <= 0 || MonX[m] != x || MonY[m] != y) continue;
        const int attitude = MonAttitude[m];
        if (attitude == AttitudeHostile) {
            defender = m;
        } else if (attitude == AttitudeFriendly && !shift) {
            if (HeroId == HeroDabbleMoss && HeroJestbloom()) {
                PushMessage("You're unable to talk like this!");
                InputDelay = DelayAfterAction;
            } else if (HeroId == HeroMellowen && HeroJestbloom()) {
                PushMessage("You just can't talk like this!");
                InputDelay = DelayAfterAction;
            } else {
                DialogueState = DialogueCharacter + MonKind[m];
                DialogueCreature = m;
                // The talk starts on the first option, wherever a panel left the cursor.
                MenuCursor = 0;
                InputDelay = DelayAfterAction;
            }
        } else if (shift && attitude >= AttitudeFriendly && attitude <= AttitudeAlly) {
            MonX[m] = MonX[0];
            MonY[m] = MonY[0];
            MonX[0] = x;
            MonY[0] = y;
            UseTurn();
            if (HeroId == HeroMellowen && !HeroJestbloom()) PushMessage("'Uh... excuse me, please...'");
        }
    }
    if (defender >= 0) HeroAttack(defender);
}

void HeroAttack(int d) {
    if (d < 1 || d > MonCapacity) return;
    if (MonStatus[0][StatusDisguised] > 0) MonStatus[0][StatusDisguised] = 0;
    AttackerSlot = 0;
    DefenderSlot = d;
    ResolveAttack(0, d);
    const int damage = MonDamageTaken[d];
    MonHp[d] -= damage;
    if (MonHp[d] >= 1) {
        if (damage > 0)
            PushMessage(MonName[0] + " dealt " + IntToText(damage) + " damage to " + MonName[d]);
        else
            PushMessage(MonName[0] + " missed!");
    } else {
        PushMessage("You knocked out the " + MonName[d]);
    }
    MonDamageTaken[d] = 0;
    UseTurn();
    if (MonKind[d] == KindSkarnix && MonHp[d] > 0 && MonMp[d] > 1) SkarnixEscapes(d);
}

void RunInventoryPanel() {
    MoveSatchelCursor(InvCursor);
    if (SatchelLeft(KeyI)) {
        UiMode = UiMap;
        InputDelay = DelayAfterList;
        // The other panels come back at 800 x 600 in this very frame, not the next.
        PanelSwap = 0;
        return;
    }
    // Drop and use act on an item only; the cursor may rest on an empty slot.
    const bool onItem = InvCursor >= 0 && InvCursor < UsableInvSlots() && InvKind[InvCursor] > 0;
    if (InputDelay == 0 && onItem && KeyHeld(KeyD)) DropItem(InvCursor);
    if (SatchelPicked(InvCursor)) UseItem(InvCursor);
}

void BurnOnLava() {
    if (TerrainAt(MonX[0], MonY[0]) != Lava || HeroFlying()) return;
    PushMessage("It burns!");
    MonHp[0] -= 10;
    if (MonHp[0] <= 0) DeathMessage = MonName[0] + " burned in lava!";
}

void PlayerCommand() {
    // Jestbloom keeps Skelter Vane's wings out whether he likes it or not.
    if (HeroId == HeroSkelterVane && HeroJestbloom()) MonStatus[0][StatusFlying] = StatusPermanent;
    MenuKeys();
    if (KeyHeld(KeyG) && ItemUnderHero != -1) GrabItem();
    int direction = 0;  // 1 up, 2 down, 3 left, 4 right; right wins over left over down over up
    if (Held(HeldRight))
        direction = 4;
    else if (Held(HeldLeft))
        direction = 3;
    else if (Held(HeldDown))
        direction = 2;
    else if (Held(HeldUp))
        direction = 1;
    // Waiting. It sets the delay before the step is looked at, so confirm with an arrow
    // only waits; and like every key it needs the delay at 0, so the Space that closes
    // the upgrade screen in this very frame is not also taken as a wait.
    if (Held(HeldConfirm) && InputDelay == 0) UseTurn();
    if (HeroId == HeroSkelterVane && HeroJestbloom() && direction != 0 && Rand(0, 100) > 75) {
        direction = Rand(1, 4);
        PushMessage("Your wings are messed up!");
    }
    if (InputDelay == 0 && direction != 0) Step(direction);
    FlyerMoveTest = 0;
    if (TurnTaken == 1) BurnOnLava();
}

bool LandingBlocked(int x, int y) {
    // As for a step: wings carry the hero over a pit.
    if (HeroFlying()) FlyerMoveTest = 1;
    const bool blocked = CellBlocked(x, y) != 0;
    FlyerMoveTest = 0;
    return blocked;
}

void LandHero(int x, int y) {
    MonX[0] = x;
    MonY[0] = y;
    if (!EnterCell(x, y)) BurnOnLava();
}
