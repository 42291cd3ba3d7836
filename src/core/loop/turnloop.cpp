#include "core/loop/turnloop.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/loop/screenshot.h"
#include "core/messagelog.h"
#include "core/open_screen.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/skill_choice.h"
#include "persist/datafile.h"
#include "persist/screens/ending.h"
#include "persist/settings.h"
#include "platform/platform.h"
#include "rules/commands.h"
#include "rules/end_of_turn.h"
#include "rules/fieldofview.h"
#include "rules/interactions.h"
#include "rules/look_cursor.h"
#include "rules/skills/skill_in_use.h"
#include "view/history.h"
#include "view/hud.h"
#include "view/mapview.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

// ---- Who has the keys ---------------------------------------------------------------
// Every mode of a frame has one owner of the keys. Its panel keys move the cursors the
// panels show, so they run before the panels are drawn (even while the panel is hidden
// at 800 x 600, so an open list can always be closed); its world keys act on the frame
// the player has just seen, after the panels.

bool OnTheMap() { return UiMode == UiMap && DialogueState == DialogueNone; }
bool LookingAround() { return UiMode == UiLook && DialogueState == DialogueNone; }
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
    const ScreenOpen open(ScreenDeathMoment);
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
