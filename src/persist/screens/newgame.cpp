#include "persist/screens/newgame.h"

#include <string>
#include <vector>

#include "core/frame.h"
#include "core/open_screen.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/skill_upgrade.h"
#include "persist/heroes.h"
#include "persist/screens/title_scene.h"
#include "platform/platform.h"

namespace {

const char* const HeroEntries[6] = {"Quenby Arlo", "Dabble Moss", "Skelter Vane",
                                    "Corvanne",    "Tansy Brook", "Mellowen"};
const char* const HeroLines[6] = {
    "Quenby Arlo - has a wide variety of magical powers",
    "Dabble Moss - a variety of odd powers that defy logic",
    "Skelter Vane - has a variety of weather based attacks",
    "Corvanne - has skills that favour treasure finding and avoiding combat",
    "Tansy Brook - her skills favour the brute strength approach",
    "Mellowen - has skills to allow befriending of animals",
};
const char* const RaceLines[3] = {
    "Unicorn hooflings can use bows with their telekinesis",
    "Earth hooflings can carry more inventory, and make better cooks",
    "Pegasus hooflings can fly over obstacles - combat skill is reduced when flying",
};
const char* const DifficultyEntries[3] = {"Easy mode", "Normal mode", "Hard mode"};
// clang-format off
const char* const DifficultyLines[3][2] = {
    {"On easy mode, your file is not deleted when you die", "You won't be scored if you die, and your score will be lower"},
    {"On normal mode, once you die, your save is deleted", "You will be scored if you die or win"},
    {"Hard mode is like normal mode, but tougher monsters", "Your score will be higher, and you will be scored if you die or win"},
};
// clang-format on
const char* const ScenarioEntries[3] = {"Thornwild", "Chaos Reigns", "Duskhold Castle"};
// clang-format off
const char* const ScenarioLines[3][2] = {
    {"Main game.  The hooflings of clovermere are sick, only a healing plant found",
     "deep within the Thornwild Forest can save everyhoofling!"},
    {"Disregard canon! The Thornwild forest is even odder than usual", "is Skarnix behind this? Venture in and find out!"},
    {"Vorgath has been kidnapping hooflings and turning them into monsters!",
     "Sneak into Duskhold Castle and defeat him to rescue your friends!"},
};
// clang-format on

// The text box: its left edge and width, where its text starts, and its row pitch.
constexpr int BoxX = 100;
constexpr int BoxW = 620;
constexpr int BoxTextX = 110;
constexpr int RowPitch = 20;
constexpr int GlyphW = 8;

// Splits a line at spaces into rows that end inside the box; a word longer than a
// row is cut, so every word is still shown whole.
void WrapInto(const std::string& line, std::vector<std::string>& rows) {
    const size_t fit = static_cast<size_t>(BoxX + BoxW - BoxTextX) / GlyphW;
    std::string rest = line;
    while (rest.size() > fit) {
        size_t cut = rest.rfind(' ', fit);
        if (cut == std::string::npos || cut == 0) cut = fit;
        rows.push_back(rest.substr(0, cut));
        rest = rest.substr(cut);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    }
    rows.push_back(rest);
}

// One page: the text box with the heading and two lines, the list with its bar.
void DrawPage(const char* heading, const char* line1, const char* line2, const char* const* entries, int count,
              int cursor, bool heroPage) {
    const int oy = TitleOffsetY();
    const bool twoColumns = heroPage && ScreenWidth == 800;
    std::vector<std::string> rows{heading};
    WrapInto(line1, rows);
    WrapInto(line2, rows);
    // A line too long for the box (the pegasus heroes' one) goes on below it, and the
    // box grows upwards by its extra rows, keeping its gap above the list.
    const int extra = static_cast<int>(rows.size()) > 3 ? static_cast<int>(rows.size()) - 3 : 0;
    const int boxY = oy + 320 - RowPitch * extra;
    SetColor(20, 20, 40);
    DrawRect(BoxX, boxY, BoxW, 70 + RowPitch * extra);
    if (heroPage && !twoColumns) {
        DrawRect(100, oy + 410, 200, 190);
    } else if (twoColumns) {
        DrawRect(100, oy + 410, 400, 100);
    } else {
        DrawRect(100, oy + 410, 200, 95);
    }
    SetColor(150, 150, 205);
    if (twoColumns && cursor >= 3) {
        DrawRect(301, oy + 421 + 30 * (cursor - 3), 198, 20);
    } else {
        DrawRect(101, oy + 421 + 30 * cursor, 198, 20);
    }
    SetColor(255, 255, 255);
    for (size_t k = 0; k < rows.size(); ++k) Say(rows[k], BoxTextX, boxY + 10 + RowPitch * static_cast<int>(k));
    for (int k = 0; k < count; ++k) {
        if (twoColumns && k >= 3) {
            Say(entries[k], 310, oy + 420 + 30 * (k - 3));
        } else {
            Say(entries[k], 110, oy + 420 + 30 * k);
        }
    }
}

// Draws r until the code it gives is new among entries [first, last] filled so far.
bool Present(int value, int first, int upTo) {
    for (int k = first; k < upTo; ++k) {
        if (GameVars[k] == value) return true;
    }
    return false;
}

}  // namespace

void NewGameWizard() {
    const ScreenOpen open(ScreenNewGame);
    UiMode = WizardPageHero;
    InputDelay = DelayAfterAction;
    int hero = 0;
    for (bool chosen = false; !chosen;) {
        DrawTitleScene(TitleScrollEnd, 0.0, hero);
        if (UiMode == WizardPageHero) {
            DrawPage("Choose your character:", HeroLines[hero], RaceLines[hero % 3], HeroEntries, 6, hero, true);
        } else if (UiMode == WizardPageDifficulty) {
            GameVars[VarScenario] = ScenarioForest;
            const int difficulty = GameVars[VarDifficulty];
            DrawPage("Choose game difficulty:", DifficultyLines[difficulty][0], DifficultyLines[difficulty][1],
                     DifficultyEntries, 3, difficulty, false);
        } else {
            const int scenario = GameVars[VarScenario];
            DrawPage("Choose game scenario:", ScenarioLines[scenario][0], ScenarioLines[scenario][1], ScenarioEntries,
                     3, scenario, false);
        }
        if (InputDelay == 0) {
            int& cursor = UiMode == WizardPageHero
                              ? hero
                              : (UiMode == WizardPageDifficulty ? GameVars[VarDifficulty] : GameVars[VarScenario]);
            const int last = UiMode == WizardPageHero ? 5 : 2;
            if (Held(HeldUp)) {
                if (cursor > 0) cursor--;
                InputDelay = DelayAfterAction;
            } else if (Held(HeldDown)) {
                if (cursor < last) cursor++;
                InputDelay = DelayAfterAction;
            } else if (UiMode == WizardPageHero && ScreenWidth == 800 && Held(HeldLeft) && hero >= 3) {
                hero -= 3;
                InputDelay = DelayAfterAction;
            } else if (UiMode == WizardPageHero && ScreenWidth == 800 && Held(HeldRight) && hero <= 2) {
                hero += 3;
                InputDelay = DelayAfterAction;
            } else if (Held(HeldConfirm)) {  // Space or Enter, as on every other screen
                InputDelay = DelayAfterAction;
                if (UiMode == WizardPageHero) {
                    HeroId = hero + 1;
                    UiMode = WizardPageDifficulty;
                    GameVars[VarDifficulty] = DifficultyNormal;
                } else if (UiMode == WizardPageDifficulty) {
                    UiMode = WizardPageScenario;
                } else {
                    chosen = true;
                }
            }
        }
        EndFrame();
        if (QuitRequested()) return;
    }
    UiMode = UiMap;  // the game starts on the map
    if (QuitRequested()) return;
    SetUpHero();
    ShowSkillUpgrades();
    if (QuitRequested()) return;
    DrawRunPlan();
}

void DrawRunPlan() {
    for (int k = VarPrizeFirst; k <= VarPrizeLast; ++k) {
        int value = 0;
        do {
            // The hero's own relic, or one of the unique items from the X Ray Specs on.
            const int r = Rand(1, 10);
            value = r == 1 ? ItemRelicInsight - 1 + HeroId : ItemXRaySpecs - 2 + r;
        } while (Present(value, VarPrizeFirst, k));
        GameVars[k] = value;
    }
    for (int k = VarBandBiomeFirst; k <= VarBandBiomeThird; ++k) {
        static const int Bands[5] = {0, 2, 3, 4, 6};
        int value = 0;
        do {
            value = Bands[Rand(1, 4)];
        } while (Present(value, VarBandBiomeFirst, k));
        GameVars[k] = value;
    }
    for (int k = 0; k <= 8; ++k) {
        int value = 0;
        for (;;) {
            const int r = Rand(1, 4);
            if (r <= 2) {
                value = RoleQuestGiver;
            } else if (r == 3) {
                value = Rand(RoleRecipeHintFirst, RoleRecipeHintLast);
            } else {
                value = Rand(RoleLoreFirst, RoleLoreLast);
            }
            if (k == 0 || k == 4 || k == 8) value = RoleMerchant;
            if (value == RoleMerchant || !Present(value, VarFolkRoleFirst, VarFolkRoleFirst + k)) break;
        }
        GameVars[VarFolkRoleFirst + k] = value;
    }
    InputDelay = DelayAfterAction;
    GameVars[VarQuestType] = Rand(QuestSixWolves, QuestSixSnakes);
}
