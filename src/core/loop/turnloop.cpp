#include "core/loop/turnloop.h"

#include "persist/screens/ending.h"

#include <climits>

#include "core/convert.h"
#include "core/frame.h"
#include "core/loop/screenshot.h"
#include "core/messagelog.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/skill_choice.h"
#include "persist/datafile.h"
#include "persist/settings.h"
#include "platform/platform.h"
#include "rules/commands.h"
#include "rules/fieldofview.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "rules/look_cursor.h"
#include "rules/skills/skill_in_use.h"
#include "view/history.h"
#include "view/hud.h"
#include "view/mapview.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

void AddToAll(int slot, int amount) {
    MonAtkBonus[slot] += amount;
    MonDefBonus[slot] += amount;
    MonStrBonus[slot] += amount;
    MonSpdBonus[slot] += amount;
    MonMagBonus[slot] += amount;
    MonConBonus[slot] += amount;
}

// The item a fallen creature may leave behind.
void DropLoot(int k) {
    const int d = Rand(0, 100) + (AccessoryWorn(ItemLuckyCoin, ItemLuckyCoin) ? 15 : 0);
    if (d <= 70) return;
    const int t = Rand(100, 1);
    int kind = ItemBits;  // a few bits
    if (t >= 80 && t <= 84) {
        kind = Rand(ItemApple, ItemLemon);
    } else if (t >= 85 && t <= 89) {
        kind = Rand(ItemTomato, ItemPotato);
    } else if (t >= 90 && t <= 94) {
        kind = Rand(ItemNuts, ItemWheatgerm);
    } else if (t >= 95 && t <= 99) {
        kind = Rand(ItemHeadgear, ItemLetter);
        if (kind == ItemUnused) kind = Rand(ItemHeadgear, ItemWeapon);
    }
    if (InGrid(MonX[k], MonY[k])) PlaceGroundItem(MonX[k], MonY[k], kind, 0);
}

// ---- Who has the keys ---------------------------------------------------------------
// Every mode of a frame has one owner of the keys. Its panel keys move the cursors the
// panels show, so they run before the panels are drawn (even while the panel is hidden
// at 800 x 600, so an open list can always be closed); its world keys act on the frame
// the player has just seen, after the panels.

bool OnTheMap() { return UiMode == UiMap && DialogueState == DialogueNone && !LookCursorOpen(); }
bool LookingAround() { return UiMode == UiMap && DialogueState == DialogueNone && LookCursorOpen(); }
bool InventoryOpen() { return UiMode == UiInventory; }
bool SkillListOpen() { return UiMode == UiSkillList; }
bool AimingASkill() { return UiMode == UiAiming; }
bool InteractionOpen() { return DialogueState != DialogueNone; }

void MapCommands() {
    if (GameOver == 0 && InputDelay == 0) PlayerCommand();
}

struct KeyOwner {
    bool (*holds)();      // the owner's mode
    void (*panelKeys)();  // before the panels are drawn; nullptr for none
    void (*worldKeys)();  // after them; nullptr for none
};

// The rows stand in the order the keys are handed over within a frame: the map's
// commands open the panels, the look cursor and interactions, a number or the list starts
// a skill, and a bump opens an interaction, which therefore comes last. While the look
// cursor is open it owns the keys of the map alone (no command, no skill hotkey).
// clang-format off
constexpr KeyOwner KeyOwners[] = {
    // the mode       panel keys          world keys
    {OnTheMap,        RunSkillHotkeys,    MapCommands},
    {LookingAround,   nullptr,            RunLookCursorKeys},
    {InventoryOpen,   RunInventoryPanel,  nullptr},
    {SkillListOpen,   RunSkillList,       nullptr},
    {AimingASkill,    nullptr,            UseSkill},
    {InteractionOpen, nullptr,            RunInteraction},
};
// clang-format on

// H and F12 act as they go down in a frame of the game: presses made on other screens
// (a name typed in the wizard, the recipe book) are not kept for later.
bool HistoryKeyWasHeld = false;
bool ShotKeyWasHeld = false;

bool WentDown(int code, bool& wasHeld) {
    const bool held = KeyHeld(code) != 0;
    const bool down = held && !wasHeld;
    wasHeld = held;
    return down;
}

void DrawLevelUpEffect() {
    if (LevelUpAnim <= 0) return;
    double scale = (LevelUpAnim - 10) / 30.0;
    if (scale < 0) scale = 0;
    SetColor(255, 255, 255);
    SetAlpha(1);
    const double zoom = MapCell() / 16;
    SetScale(scale * zoom, scale * zoom);
    DrawImage(PictureRainbow, CellCentreX(MonX[0]), CellCentreY(MonY[0]), 0);
    LevelUpAnim += 1;
    if (LevelUpAnim > 40) LevelUpAnim = 0;
    SetScale(1, 1);
}

}  // namespace

void RecomputeBonuses() {
    for (int i = 0; i < MonSlots; ++i) {
        MonAtkBonus[i] = MonDefBonus[i] = MonStrBonus[i] = 0;
        MonSpdBonus[i] = MonMagBonus[i] = MonConBonus[i] = 0;
        // The hero's mood lifts or weighs on every creature alike.
        if (Friendship < 10) AddToAll(i, -3);
        if (Friendship > 95) AddToAll(i, 3);
        const int* status = MonStatus[i];
        if (status[StatusShield] > 0) MonDefBonus[i] += 5;
        if (status[StatusHaste] > 0) MonSpdBonus[i] += 5;
        if (status[StatusStrengthened] > 0) MonStrBonus[i] += 5;
        if (status[StatusMagicBoost] > 0) MonMagBonus[i] += 5;
        if (status[StatusBlinded] > 0) {
            MonAtkBonus[i] -= 2;
            MonDefBonus[i] -= 2;
            MonSpdBonus[i] -= 2;
            MonMagBonus[i] -= 2;
        }
        if (status[StatusJestbloom] > 0) {
            // The curse takes the shape of the hero's own weakness, on whoever carries it.
            if (HeroId == HeroCorvanne) {
                MonDefBonus[i] -= 4;
                MonSpdBonus[i] -= 4;
            } else if (HeroId == HeroTansyBrook) {
                MonAtkBonus[i] -= 4;
                MonDefBonus[i] -= 4;
                MonStrBonus[i] -= 4;
            }
        }
        if (status[StatusSoggy] > 0) {
            MonAtkBonus[i] -= 2;
            MonDefBonus[i] -= 2;
            MonStrBonus[i] -= 2;
            MonSpdBonus[i] -= 2;
            MonMagBonus[i] -= 2;
            MonConBonus[i] -= 5;
        }
        if (i != 0) continue;
        // A worn item gives exactly the points its "Mods:" line shows.
        for (int e = 0; e < EquipSlots; ++e) {
            const int slot = Equip[e];
            if (slot < 0 || slot >= InvSlots) continue;
            ApplyItemMods = 1;
            DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]);
            ApplyItemMods = 0;
        }
    }
}

void ResolveDeaths() {
    for (int k = 0; k < MonSlots; ++k) {
        if (MonHp[k] > 0) continue;
        if (MonKind[k] == KindHero) {
            GameOver = 1;
            GameWon = 0;
        } else if (MonKind[k] > KindHero) {
            const int kind = MonKind[k];
            if (GameVars[VarQuestType] == QuestSixWolves && GameVars[VarQuestProgress] > 0 && kind == KindWolf)
                GameVars[VarQuestProgress] += 1;
            if (GameVars[VarQuestType] == QuestSixSnakes && GameVars[VarQuestProgress] > 0 && kind == KindSnake)
                GameVars[VarQuestProgress] += 1;
            if (kind == KindThinwraith) {
                GameVars[VarStalkerNotes] = StalkerDefeated;
                SkillPoints += 1;
                PushMessage("You defeated Thinwraith! 1 skillpoint awarded!");
            }
            DropLoot(k);
            // The scenario's villain falls: the run is won, even if the hero fell too.
            if ((kind == KindSkarnix && GameVars[VarScenario] == ScenarioChaos) ||
                (kind == KindVorgath && GameVars[VarScenario] == ScenarioCastle)) {
                GameOver = 1;
                GameWon = 1;
            }
            MonHp[k] = 0;
            MonKind[k] = 0;
            // Experience saturates: a hero who has all there is gains no more.
            MonXp[0] = MonXp[k] > 0 && MonXp[0] > INT_MAX - MonXp[k] ? INT_MAX : MonXp[0] + MonXp[k];
            ComputeView();
        }
    }
}

void LevelUpHero() {
    // Past the last level, or once the next level's mark is more experience than there
    // can be, the hero levels up no more.
    if (MonXp[0] < XpNext || XpNext == INT_MAX || MonLevel[0] >= HighestHeroLevel) return;
    // 20, 32, 51, 81, 129...; a damaged threshold of 0 or 1 would never grow by the
    // factor alone and level the hero up every frame, so it always grows by at least 1.
    const double factor = XpNext * 1.6;
    const int grown = factor >= INT_MAX ? INT_MAX : ToInt(factor);
    XpNext = grown > XpNext ? grown : XpNext + 1;
    MonMaxHp[0] += 2;
    MonHp[0] += 12;
    MonMaxMp[0] += 1;
    MonMp[0] += 6;
    SkillPoints += 1;
    MonLevel[0] += 1;
    PushMessage("Levelled up! " + MonName[0] + " reached level " + IntToText(MonLevel[0]) + "!");
    PushMessage("1 Skill point awarded!  Press (x) to upgrade!");
    LevelUpAnim = 1;
    GameVars[VarLevelUpCycle] += 1;
    if (GameVars[VarLevelUpCycle] >= 9 || GameVars[VarLevelUpCycle] < 1) GameVars[VarLevelUpCycle] = 1;
    switch (GameVars[VarLevelUpCycle]) {
        case 1: MonAtk[0] += 1; break;
        case 2: MonDef[0] += 1; break;
        case 3: MonStr[0] += 1; break;
        case 4: MonSpd[0] += 1; break;
        case 5: MonMag[0] += 1; break;
        case 6: MonCon[0] += 1; break;
        case 7: SkillPoints += 1; break;
        case 8:
            MonMaxHp[0] += 2;
            MonMaxMp[0] += 1;
            break;
        default: break;
    }
    if (MonHp[0] > MonMaxHp[0]) MonHp[0] = MonMaxHp[0];
    if (MonMp[0] > MonMaxMp[0]) MonMp[0] = MonMaxMp[0];
}

void RunPanelKeys() {
    // Only the first owner whose mode holds: what its keys open waits for the next frame
    // to show a cursor, though its world keys may still run in this one.
    for (const KeyOwner& owner : KeyOwners) {
        if (!owner.holds()) continue;
        if (owner.panelKeys) owner.panelKeys();
        return;
    }
}

void RunWorldKeys() {
    // Each row asks for its mode when its turn comes, so a handler that opens a later
    // row's mode hands the keys over in this very frame: a bump opens an interaction, a
    // skill chosen by its number or from the list starts at once. None hands back up.
    for (const KeyOwner& owner : KeyOwners) {
        if (QuitRequested()) return;  // the run is saved as it stood when the quit came
        if (owner.worldKeys && owner.holds()) owner.worldKeys();
    }
}

void TurnLoopFrame() {
    // H is free in every mode of a game; the history is only looked at, so the frame
    // goes on as if it had never opened.
    if (WentDown(KeyH, HistoryKeyWasHeld)) {
        RunMessageHistory();
        if (QuitRequested()) return;
    }
    HoverMonster = HoverItem = ItemUnderHero = HoverItemSource = HoverSkill = HoverTopic = -1;
    HoverTerrain = 0;
    RecomputeBonuses();
    if (MapCell() != 16) {
        FollowHeroZoomed();
    } else if (ScreenWidth > 800) {
        CameraX = CameraY = 0;
    } else {
        // At 800 x 600 the map scrolls to keep the hero in sight.
        CameraX = Clamp(MonX[0] * 16 - 250, 0, 220);
        CameraY = Clamp(MonY[0] * 16 - 250, 0, 65);
    }
    DrawMapView();
    DrawLevelUpEffect();
    UpdatePanelSwap();
    RunPanelKeys();
    DrawPanels();
    RunWorldKeys();
    // A quit asked for inside a handler (a screen it opened, a sector change) saves the
    // run as it stood then: nothing more happens in this frame.
    if (QuitRequested()) return;
    if (TurnTaken == 1) EndOfTurn();
    ResolveDeaths();
    LevelUpHero();
    MouseTileX = (PointerX() + CameraX - 300) / MapCell();
    MouseTileY = (PointerY() + CameraY - 90) / MapCell();
    DrawAnswerLine();
    // The frame is whole here, just before it is shown.
    if (WentDown(KeyF12, ShotKeyWasHeld)) PushMessage(TakeScreenshot());
    EndFrame();
}

void ShowDeathMoment() {
    const int keptRandom = RandomGeneratorState;
    if (!DeathMessage.empty()) PushMessage(DeathMessage);
    PushMessage("Press (space) to go on");
    // Out of the game already: the close button leaves without saving the fallen run,
    // and the score is still entered when the moment ends.
    InGame = 0;
    for (int code : {int(KeySpace), int(KeyEnter), int(KeyEsc)}) KeyPresses(code);
    // Half a second before a key counts, so a key struck in the heat of the fight does
    // not wave the moment away unseen.
    for (int frame = 0;; ++frame) {
        HoverMonster = HoverItem = ItemUnderHero = HoverItemSource = HoverSkill = HoverTopic = -1;
        HoverTerrain = 0;
        DrawMapView();
        UpdatePanelSwap();
        DrawPanels();
        int pressed = 0;
        for (int code : {int(KeySpace), int(KeyEnter), int(KeyEsc)}) pressed += KeyPresses(code);
        if (WentDown(KeyF12, ShotKeyWasHeld)) PushMessage(TakeScreenshot());
        EndFrame();
        if (QuitRequested() || (pressed > 0 && frame >= 30)) break;
    }
    RandomGeneratorState = keptRandom;
    InputDelay = DelayAfterAction;
}

void RunTurnLoop() {
    TargetX = -1;
    TargetY = -1;
    CloseLookCursor();
    GameInProgress = 1;
    InGame = 1;
    HistoryKeyWasHeld = KeyHeld(KeyH) != 0;
    ShotKeyWasHeld = KeyHeld(KeyF12) != 0;
    do {
        TurnLoopFrame();
    } while (GameOver != 1 && !QuitRequested());
    if (QuitRequested()) {
        // A run that ended in the frame the window closed is not saved as it stands: a dead
        // hero's save would be refused, the run lost and the death never scored. It ends
        // as any ended run does, only without its screens.
        if (GameOver != 1 && MonKind[0] == KindHero && MonHp[0] <= 0) {
            GameOver = 1;
            GameWon = 0;
        }
        if (GameOver == 1) {
            RecordEnding();
            InGame = 0;
            GameInProgress = 0;
        }
        return;
    }
    if (GameWon == 0 && SettingOn(SettingDeathMoment)) ShowDeathMoment();
    RunEnding();
    GameInProgress = 0;
}
