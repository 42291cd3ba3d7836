#include "persist/screens/screens.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/open_screen.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "persist/globals.h"
#include "persist/highscores.h"
#include "persist/screens/title_scene.h"
#include "persist/settings.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

void PanelColor() { SetColor(20, 20, 40); }
void BarColor() { SetColor(150, 150, 205); }
void TextColor() { SetColor(255, 255, 255); }

const char* const HelpControls[] = {
    "Arrow keys: Move around/attack monsters/talk to friendly creatures/interact with things",
    "G         : Grab item on ground",
    "I         : Open/close inventory",
    "S         : Open skill menu/Cancel skill use",
    "X         : Open skill upgrade menu",
    "D         : Drop item (from inventory menu)",
    "Space     : Use item (from inventory menu)",
    "Space     : Equip/Unequip (from inventory menu)",
    "Space     : Skip text, select option, use skill, skip turn",
    "C         : Cancel cooking, buying or selling",
    "Shift+Move: Swap places with neutral or friendly creatures",
    "Shift+Move: Walk through stairs/portals etc without going through",
    "R         : Open recipe book",
    "A or Z    : Sort inventory by category",
    "H, L, F12 : Message history, look around the map, screenshot",
};
// The controls stand 18 pixels apart, so all of them end above the tips.
constexpr int HelpControlStep = 18;

const char* const HelpTips[] = {
    "Standing still in a swamp will get you stuck, after a few turns you will sink",
    "You can only swim in water for a few tiles before drowning",
    "Sweet foods heal only HP, savoury foods heal mostly MP",
    "Cooked foods heal much more than food you find on the ground",
    "Your friendship (fs) meter goes down constantly, and goes up when you talk to NPCs",
    "If your friendship meter is high, you get a stat bonus, if it's low you get a penalty",
};

const char* const TableTitles[HighScoreTables] = {"Thornwild Quest", "Skarnix Quest", "Duskhold Castle Quest"};

std::string DepthText(int table, int depth) {
    if (table == 0) return "Forest Depth:" + IntToText(depth);
    if (table == 1) return "Chaos Depth:" + IntToText(depth);
    if (depth < 5) return "Forest Depth:" + IntToText(depth);
    return "Castle Level:" + IntToText(depth - 5);
}

// The last ones are the player's comforts, kept in Settings.txt rather than GlobalData.dat,
// in the order of their settings.
const char* const OptionEntries[] = {"Return",       "Window Mode",   "Something",  "Debug Text", "Delete High Scores",
                                     "Death Moment", "High Contrast", "Dim Memory", "Map Zoom"};
constexpr int FirstComfortOption = 5;
constexpr int OptionCount = FirstComfortOption + SettingCount;
static_assert(sizeof(OptionEntries) / sizeof(OptionEntries[0]) == OptionCount, "one entry per comfort");

// The rows stand 30 pixels apart; at 800 x 600 more than eight would run off the screen,
// so they close up there.
int OptionStep() { return OptionCount <= 8 || ScreenHeight > 600 ? 30 : 26; }

}  // namespace

void HelpScreen() {
    const ScreenOpen open(ScreenHelp);
    InputDelay = DelayAfterAction;
    for (;;) {
        const int x = ScreenWidth > 800 ? 110 : 10;
        const int y = ScreenWidth > 800 ? 110 : 10;
        PanelColor();
        DrawRect(x - 10, y - 10, 790, 550);
        TextColor();
        Say("How to play", x, y);
        Say("Controls:", x, y + 30);
        int row = 0;
        for (const char* line : HelpControls) Say(line, x, y + 50 + HelpControlStep * row++);
        Say("Tips:", x, y + 340);
        row = 0;
        for (const char* line : HelpTips) Say(line, x, y + 360 + 20 * row++);
        Say("[Press space to continue]", x, y + 490);
        const bool leave = KeyHeld(KeySpace) && InputDelay == 0;
        EndFrame();
        if (QuitRequested()) return;
        if (leave) break;
    }
    InputDelay = DelayAfterAction;
}

void HighScoreScreen(int table) {
    const ScreenOpen open(ScreenHighScores);
    InputDelay = DelayAfterAction;
    if (table < 0 || table >= HighScoreTables) table = 0;
    // The new score's bar belongs to the table it entered; the other tables only show
    // their rows, whatever rank the bar stands at.
    const int ownTable = table;
    for (;;) {
        const int y0 = ScreenWidth > 800 ? 100 : 10;
        PanelColor();
        DrawRect(100, y0 - 5, 400, 555);
        DrawRect(100, y0 + 560, 550, 30);
        TextColor();
        Say("High scores:", 110, y0);
        Say(TableTitles[table], 110, y0 + 20);
        int y = y0 + 50;
        for (int r = 0; r < HighScoreRanks; ++r, y += 50) {
            if (MenuCursor == r && table == ownTable) {
                BarColor();
                DrawRect(101, y, 398, 45);
                TextColor();
            }
            const std::string& name = HighScoreName[r][table];
            Say(name.empty() ? "No score yet" : name, 110, y);
            Say("Score:" + IntToText(HighScoreValue[r][table]), 110, y + 20);
            Say(DepthText(table, HighScoreDepth[r][table]), 260, y + 20);
        }
        Say("Press left and right to change which scoreboard you are viewing", 110, y + 20);
        bool leave = false;
        if (InputDelay == 0) {
            if (Held(HeldLeft)) {
                table = (table + HighScoreTables - 1) % HighScoreTables;
                InputDelay = DelayAfterAction;
            } else if (Held(HeldRight)) {
                table = (table + 1) % HighScoreTables;
                InputDelay = DelayAfterAction;
            } else if (KeyHeld(KeySpace)) {
                leave = true;
            }
        }
        EndFrame();
        if (QuitRequested()) return;
        if (leave) break;
    }
    InputDelay = DelayAfterAction;
}

void ApplyScreenMode() {
    if (GlobalData[GlobalScreenMode] == ScreenMode800x600) {
        ScreenWidth = 800;
        ScreenHeight = 600;
    } else {
        ScreenWidth = 1024;
        ScreenHeight = 768;
    }
    OpenScreen(ScreenWidth, ScreenHeight);
    SetBlendAlpha();
    SetClearColor(150, 150, 205);
}

void OptionsScreen() {
    const ScreenOpen open(ScreenOptions);
    InputDelay = DelayAfterAction;
    MenuCursor = 0;
    for (;;) {
        const int oy = TitleOffsetY();
        DrawTitleScene(TitleScrollEnd, 1.0, -1);
        const int step = OptionStep();
        const int height = 10 + step * OptionCount;
        PanelColor();
        DrawRect(100, oy + 310, 200, height);
        DrawRect(400, oy + 310 + step, 200, height - step);
        BarColor();
        DrawRect(101, oy + 321 + step * MenuCursor, 198, 20);
        TextColor();
        for (int k = 0; k < OptionCount; ++k) Say(OptionEntries[k], 110, oy + 320 + step * k);
        Say(ScreenWidth == 800 ? "800x600" : "1024x768", 410, oy + 320 + step);
        Say(GlobalData[GlobalDebugText] == 0 ? "Disabled" : "Enabled", 410, oy + 320 + step * 3);
        Say(FileSize(HighScoreFile(0)) != -1 ? "Highscores exist" : "Highscores deleted", 410, oy + 320 + step * 4);
        for (int id = 0; id < SettingCount; ++id)
            Say(Settings[id] == 0 ? "Off" : "On", 410, oy + 320 + step * (FirstComfortOption + id));

        bool leave = false;
        if (InputDelay == 0) {
            if (Held(HeldUp)) {
                if (MenuCursor > 0) MenuCursor--;
                InputDelay = DelayAfterAction;
            } else if (Held(HeldDown)) {
                if (MenuCursor < OptionCount - 1) MenuCursor++;
                InputDelay = DelayAfterAction;
            } else if (Held(HeldConfirm)) {
                InputDelay = DelayAfterAction;
                switch (MenuCursor) {
                    case 0: leave = true; break;
                    case 1:
                        GlobalData[GlobalScreenMode] = (GlobalData[GlobalScreenMode] + 1) % 2;
                        ApplyScreenMode();
                        break;
                    case 3: GlobalData[GlobalDebugText] = (GlobalData[GlobalDebugText] + 1) % 2; break;
                    case 4: DeleteHighScores(); break;
                    case 2: break;  // "Something" does nothing
                    default:
                        if (MenuCursor >= FirstComfortOption && MenuCursor < OptionCount)
                            Settings[MenuCursor - FirstComfortOption] ^= 1;
                        break;
                }
            }
        }
        EndFrame();
        if (QuitRequested()) return;
        if (leave) break;
    }
    WriteGlobalData();
    WriteSettings();
    InputDelay = DelayAfterAction;
}
