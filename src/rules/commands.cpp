#include "rules/commands.h"

#include <string>

#include "core/convert.h"
#include "core/frame.h"
#include "core/random.h"
#include "core/state.h"
#include "items/category.h"
#include "items/inventory.h"
#include "items/skill_upgrade.h"
#include "persist/recipebook.h"
#include "persist/sector.h"
#include "platform/platform.h"
#include "rules/combat.h"
#include "rules/statuses.h"
#include "view/messagelog.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/placement.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

constexpr int KindNibblit = 2;
constexpr int KindSkarnix = 45;
constexpr int StackLimit = 8;  // food and arrows stack up to this many in one slot

int Key(char letter) { return KeyHeld(KeyA + (letter - 'A')); }
bool ShiftHeld() { return KeyHeld(KeyLShift) || KeyHeld(KeyRShift); }
bool HeroFlying() { return MonStatus[0][StatusFlying] > 0; }
bool HeroJestbloom() { return MonStatus[0][StatusJestbloom] > 0; }

void UseTurn() {
    TurnTaken = 1;
    InputDelay = 10;
}

// Stone floor of the sector's castle style: doors and locks open onto it.
int OpenedFloor() {
    if (SectorBiome == 9) return 67;
    if (SectorBiome == 10) return 82;
    return 35;
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
    InputDelay = 10;
}

void MenuKeys() {
    if (InputDelay == 0 && Key('R')) {
        RecipeBookScreen();
        InputDelay = 10;
    }
    if (InputDelay == 0 && Key('Z')) {
        SortInventory(0);
        InputDelay = 10;
    }
    if (InputDelay == 0 && Key('A')) {
        SortInventory(1);
        InputDelay = 10;
    }
    if (InputDelay == 0 && Key('I')) {
        UiMode = 1;
        InvCursor = 0;
        InputDelay = 20;
    }
    if (InputDelay == 0 && Key('S')) {
        bool anySkill = false;
        for (int s = 0; s < SkillSlots; ++s)
            if (SkillId[s] >= 1 && SkillLevel[s] > 0) anySkill = true;
        if (!anySkill) {
            PushMessage("No skills purchased, press X to purchase skills");
            InputDelay = 10;
        } else if (HeroId == 1 && HeroJestbloom()) {
            PushMessage("You can't cast magic thanks to the Jestbloom");
            InputDelay = 10;
        } else {
            UiMode = 2;
            InvCursor = 0;
            InputDelay = 20;
        }
    }
    if (InputDelay == 0 && Key('X')) {
        InputDelay = 10;
        ShowSkillUpgrades();
        InputDelay = 10;
    }
    if (InputDelay == 0 && Key('E')) EatFromGround();
}

void BuckCell(int x, int y, int code) {
    struct Buckable {
        int code;
        int needed;
        const char* success;
        const char* failure;
    };
    static const Buckable Table[] = {
        {7, 25, "You buck the sticks!", "You hurt yourself trying to buck the sticks"},
        {8, 40, "You buck the log!", "You hurt yourself trying to buck the log"},
        {40, 60, "You buck down the door!", "You hurt yourself trying to buck the door down"},
    };
    for (const Buckable& b : Table) {
        if (b.code != code) continue;
        const int roll = Rand(0, 100) + MonStr[0] + MonStrBonus[0];
        if (roll >= b.needed) {
            PushMessage(b.success);
            MapTerrain[x][y] = code == 40 ? OpenedFloor() : 2;
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

// The garden slot of a tree in the fairy garden, by its place around the fairy door.
int GardenSlotOf(int tx, int ty) {
    int dx = 0, dy = 0;
    if (!LastCellOf(24, dx, dy)) return -1;
    for (int k = 0; k < GardenPlots; ++k)
        if (tx == dx + GardenPlotOffset[k][0] && ty == dy + GardenPlotOffset[k][1]) return k;
    return -1;
}

void ShakeFruitTree(int tx, int ty, int code) {
    for (int x = tx - 1; x <= tx + 1; ++x)
        for (int y = ty - 1; y <= ty + 1; ++y)
            if (IsOpenGround(x, y) == 1 && Rand(0, 100) > 60) PlaceGroundItem(x, y, code + 87, 0);
    if (Depth == -1) {
        // A garden tree turns magical and its plot starts growing again.
        MapTerrain[tx][ty] = 25;
        const int k = GardenSlotOf(tx, ty);
        if (k >= 0) GlobalData[6 + k] = 0;
    } else {
        MapTerrain[tx][ty] = 20;
    }
    RefreshFrames();
    InputDelay = 10;
}

// Features that open an interaction when bumped, by terrain code.
int BumpInteraction(int code) {
    switch (code) {
        case 9: return 1;    // cooking pot
        case 23: return 2;   // vine chest
        case 25: return 3;   // magical tree
        case 34: return 4;   // stone table
        case 47: return 5;   // treasure chest
        case 68: return 9;   // Lazuli Heart
        case 73: return 10;  // well
        case 74: return 11;  // used well
        case 75: case 76: return 12;  // bells
        case 77: return 13;  // used bell
        default: return 0;
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
    const int usable = InvCapacity < 0 ? 0 : (InvCapacity > InvSlots ? InvSlots : InvCapacity);
    if (category == CategoryFood || category == CategoryArrows) {
        for (int s = 0; s < usable; ++s) {
            if (InvKind[s] != GroundItemKind[g] || InvTier[s] != GroundItemTier[g] || InvCount[s] >= StackLimit) continue;
            while (InvCount[s] < StackLimit && GroundItemCount[g] > 0) {
                InvCount[s] += 1;
                GroundItemCount[g] -= 1;
            }
            if (GroundItemCount[g] <= 0) {
                ClearGroundSlot(g);
                return;
            }
        }
    }
    for (int s = 0; s < usable; ++s) {
        if (InvKind[s] != 0) continue;
        InvKind[s] = GroundItemKind[g];
        InvTier[s] = GroundItemTier[g];
        InvSeed[s] = GroundItemSeed[g];
        InvCount[s] = GroundItemCount[g];
        ClearGroundSlot(g);
        return;
    }
    PushMessage("Your satchel is full");
}

bool EnterCell(int x, int y) {
    const int code = TerrainAt(x, y);
    const bool flying = HeroFlying();
    const bool shift = ShiftHeld();
    if (code == 3 && !flying) {
        PushMessage("splash");
        int& soggy = MonStatus[0][StatusSoggy];
        if (soggy < 12) soggy += 1;
        if (soggy < 5) soggy = 5;
    }
    if (!shift && (code == 5 || code == 41 || code == 81)) {
        ChangeSector(ChangeDeeper);
        return true;
    }
    if (!shift && (code == 11 || code == 42 || code == 80)) {
        ChangeSector(ChangeBack);
        return true;
    }
    if (code == 24 && !shift) {
        if (Depth >= 0) {
            GameVars[4] = Depth;
            ChangeSector(ChangeFairyGarden);
            return true;
        }
        if (Depth == -1) {
            ChangeSector(ChangeReturn);
            return true;
        }
    }
    if (code == 32 && !shift) {
        GameVars[4] = Depth;
        ChangeSector(ChangeCrypt);
        PlaceHeroBeside(33, -1);
        return true;
    }
    if (code == 33) {
        ChangeSector(ChangeReturn);
        PlaceHeroBeside(32, 1);
        return true;
    }
    if (code == 50) {
        DialogueState = 6;  // the flower: the forest quest's goal
        InputDelay = 10;
    }
    if (code == 52 && !flying) {
        MonStatus[0][StatusJestbloom] = 20;
        PushMessage("You've been infected by Jestbloom!");
    }
    if (code == 53 || code == 54) {
        DialogueState = code == 53 ? 7 : 8;  // a book or a note
        InputDelay = 10;
    }
    if (code == 58) {
        GameVars[4] = Depth;
        ChangeSector(ChangeTemple);
        PlaceHeroBeside(58, -1);
        return true;
    }
    if (code == 59) {
        ChangeSector(ChangeReturn);
        PlaceHeroBeside(58, 1);
        return true;
    }
    if (code >= 60 && code <= 63 && GameVars[51] == 0 && !flying) {
        // Lion, hawk, cat and wolf spring the temple trap; the rat and the bunny are safe.
        GameVars[51] = 1;
        PushMessage("You hear a loud rumbling... maybe you shouldn't have stepped on that?");
        ReplaceEverywhere(68, 69);
        RefreshFrames();
    }
    if (code == 71 && !flying) {
        MapTerrain[x][y] = 67;
        PushMessage("Click!");
        ReplaceEverywhere(70, 67);
        RefreshFrames();
    }
    if (code == 78 && !shift) {
        ChangeSector(ChangeDeeper);
        return true;
    }
    if (code == 86) {
        MapTerrain[x][y] = OpenedFloor();
        ReplaceEverywhere(85, 87);
        RefreshFrames();
        PushMessage("You found a key");
    }
    return false;
}

void BumpCell(int x, int y) {
    // Read once: a tree shaken below turns magical, but is not the one bumped.
    const int code = TerrainAt(x, y);
    if (x >= 1 && x <= MapMaxX - 1 && y >= 1 && y <= MapMaxY - 1) BuckCell(x, y, code);
    if (code == 13) {
        PushMessage("It's a statue of Umbrana, this far into the forest?");
        InputDelay = 10;
    }
    const bool fruitTree = code >= 14 && code <= 19;
    if (fruitTree) ShakeFruitTree(x, y, code);
    if (const int state = BumpInteraction(code); state != 0) {
        if (state == 3) {
            DialogueCellX = x;
            DialogueCellY = y;
        }
        DialogueState = state;
        InputDelay = 10;
    }
    if (code == 87) {
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
        if (attitude == 0) {
            defender = m;
        } else if (attitude == 1 && !shift) {
            if (HeroId == 2 && HeroJestbloom()) {
                PushMessage("You're unable to talk like this!");
                InputDelay = 10;
            } else if (HeroId == 6 && HeroJestbloom()) {
                PushMessage("You just can't talk like this!");
                InputDelay = 10;
            } else {
                DialogueState = MonKind[m] + 100;
                DialogueCreature = m;
                InputDelay = 10;
            }
        } else if (shift && attitude >= 1 && attitude <= 3) {
            MonX[m] = MonX[0];
            MonY[m] = MonY[0];
            MonX[0] = x;
            MonY[0] = y;
            UseTurn();
            if (HeroId == 6 && !HeroJestbloom()) PushMessage("'Uh... excuse me, please...'");
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

void PlayerCommand() {
    // Jestbloom keeps Skelter Vane's wings out whether he likes it or not.
    if (HeroId == 3 && HeroJestbloom()) MonStatus[0][StatusFlying] = 1000;
    MenuKeys();
    if (Key('G') && ItemUnderHero != -1) GrabItem();
    int direction = 0;  // 1 up, 2 down, 3 left, 4 right; right wins over left over down over up
    if (Held(4)) direction = 4;
    else if (Held(3)) direction = 3;
    else if (Held(2)) direction = 2;
    else if (Held(1)) direction = 1;
    // Waiting. It sets the delay before the step is looked at, so confirm with an arrow
    // only waits; and like every key it needs the delay at 0, so the Space that closes
    // the upgrade screen in this very frame is not also taken as a wait.
    if (Held(5) && InputDelay == 0) UseTurn();
    if (HeroId == 3 && HeroJestbloom() && direction != 0 && Rand(0, 100) > 75) {
        direction = Rand(1, 4);
        PushMessage("Your wings are messed up!");
    }
    if (InputDelay == 0 && direction != 0) Step(direction);
    FlyerMoveTest = 0;
    if (TurnTaken == 1 && TerrainAt(MonX[0], MonY[0]) == 69 && !HeroFlying()) {
        PushMessage("It burns!");
        MonHp[0] -= 10;
        if (MonHp[0] <= 0) DeathMessage = MonName[0] + " burned in lava!";
    }
}
