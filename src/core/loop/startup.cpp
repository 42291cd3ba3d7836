#include "core/loop/startup.h"

#include "core/frame.h"
#include "core/loop/turnloop.h"
#include "core/messagelog.h"
#include "core/open_screen.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "persist/globals.h"
#include "persist/highscores.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "persist/screens/newgame.h"
#include "persist/screens/screens.h"
#include "persist/screens/title_scene.h"
#include "persist/sector.h"
#include "persist/settings.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/cooking.h"
#include "rules/fieldofview.h"
#include "rules/sector_change.h"
#include "worldgen/terrain.h"

namespace {

LaunchOptions Launch;

// The scene pans up from the treetops once, the first time the title is shown; after
// any choice it stays in place and only the logo fades in again.
int Scroll = 0;
int Fade = 0;

// What the title says after something went wrong (a damaged save), in place of the
// credits, until the next choice.
std::string Notice[2];

// clang-format off
const char* const OpeningLines[3][3] = {
    {"You venture into the Thornwild Forest in search of the plant", "Ombasi's treehouse is just a little further ahead", ""},
    {"Skarnix has led you into the Thornwild Forest!", "Things don't feel right... you better find Skarnix fast!", ""},
    {"Vorgath has kidnapped your friends!", "You're going to have to venture into Duskhold Castle",
     "and rescue your friends from his evil clutches!"},
};
// clang-format on

void StartNewGame() {
    NewGameWizard();
    // Quitting inside the wizard leaves the saved game of an earlier run untouched.
    if (QuitRequested()) return;
    ClearSaveFolder();
    WriteSeedRecord();
    const int chosen = GameVars[VarScenario];
    const int scenario = chosen >= ScenarioForest && chosen <= ScenarioCastle ? chosen : ScenarioForest;
    for (const char* line : OpeningLines[scenario]) {
        if (*line) PushMessage(line);
    }
    GenerateNewSector();
    for (int& slot : Equip) slot = -1;
    ComputeView();
    SaveRun();
    RunTurnLoop();
}

// Splits a message into the two notice lines at a sentence end.
void SetNotice(const std::string& message) {
    const size_t cut = message.find(". ");
    Notice[0] = cut == std::string::npos ? message : message.substr(0, cut + 1);
    Notice[1] = cut == std::string::npos ? std::string() : message.substr(cut + 2);
}

void ResumeSavedGame() {
    std::string message;
    if (!LoadGame(message)) {
        SetNotice(message);
        return;
    }
    std::string sectorMessage;
    if (!ReadSector(sectorMessage)) {
        // The save is good but its sector is not: the sector is made anew.
        GenerateNewSector();
    }
    if (!message.empty()) PushMessage(message);
    if (!sectorMessage.empty()) PushMessage(sectorMessage);
    ComputeView();
    RefreshFrames();
    // The key that chose Load Game is still held for a few frames: without the delay the
    // first frame of the game would take it for a wait and pass a turn, as the new game
    // avoids by the delay its wizard sets.
    InputDelay = DelayAfterAction;
    RunTurnLoop();
}

const char* const TitleEntries[] = {"Start New Game", "Load Game", "High Scores",
                                    "How to Play",    "Options",   "Quit Game"};
constexpr int TitleEntryCount = 6;

void AdvancePanAndFade() {
    if (Scroll > TitleScrollEnd) {
        Scroll--;
        return;
    }
    Fade += Fade < 500 ? 2 : 1;
}

// Runs the title menu until an entry is chosen; returns its number.
int ChooseTitleEntry() {
    const ScreenOpen open(ScreenTitle);
    for (;;) {
        DrawTitleFrame();
        int chosen = -1;
        if (InputDelay == 0) {
            if (Held(HeldUp)) {
                InputDelay = DelayAfterAction;
                if (MenuCursor > 0) MenuCursor--;
            } else if (Held(HeldDown)) {
                InputDelay = DelayAfterAction;
                if (MenuCursor < TitleEntryCount - 1) MenuCursor++;
            } else if (Held(HeldConfirm)) {
                chosen = MenuCursor;
            }
        }
        EndFrame();
        if (QuitRequested()) return -1;
        if (chosen >= 0) return chosen;
    }
}

void TitleMenu() {
    while (!QuitRequested()) {
        WorldSeed = TakeWorldSeed();
        SeedRandom(WorldSeed);
        ResetGame();
        LoadIntroPictures();
        InputDelay = DelayAfterAction;
        // Anything in the save's place counts: Load Game then says what is wrong with it.
        MenuCursor = FileKind("World/savedata.dat") != 0 ? 1 : 0;
        // What the files told since the title was last shown (a save finished after a
        // crash, a file kept aside, a second copy of the game) waits there for the player.
        const std::string told = TakePlayerNotice();
        if (!told.empty()) SetNotice(told);
        DebugText = GlobalData[GlobalDebugText] == 1 ? 1 : 0;

        const int entry = ChooseTitleEntry();
        if (entry < 0) return;
        Scroll = TitleScrollEnd;
        Fade = 0;
        Notice[0].clear();
        Notice[1].clear();
        switch (entry) {
            case 0: StartNewGame(); break;
            case 1:  // without a save nothing happens
                if (FileKind("World/savedata.dat") != 0) ResumeSavedGame();
                break;
            case 2:
                MenuCursor = -1;
                HighScoreScreen(0);
                break;
            case 3: HelpScreen(); break;
            case 4: OptionsScreen(); break;
            default: RequestQuit();
        }
    }
}

// The window is about to close on a run that could not be saved: the player sees why,
// and that the last save stands, before it goes (a key or ten seconds).
void ShowQuitSaveFailure() {
    const ScreenOpen open(ScreenQuitSaveFailure);
    for (int code : {int(KeySpace), int(KeyEnter), int(KeyEsc)}) KeyPresses(code);
    CloseRequested();
    for (int frame = 0; frame < 600; ++frame) {
        SetColor(20, 20, 40);
        DrawRect(100, ScreenHeight / 2 - 50, 820, 100);
        SetColor(255, 220, 120);
        Say("The game could not be saved as it closed.", 110, ScreenHeight / 2 - 40);
        Say(LastFileError(), 110, ScreenHeight / 2 - 15);
        Say("The last save is kept. Press Space to close.", 110, ScreenHeight / 2 + 10);
        SetColor(255, 255, 255);
        PresentFrame();
        ClearScreen();
        int pressed = CloseRequested();
        for (int code : {int(KeySpace), int(KeyEnter), int(KeyEsc)}) pressed += KeyPresses(code);
        if (pressed > 0 && frame >= 30) break;
    }
}

}  // namespace

int TakeWorldSeed() { return Launch.seedGiven ? Launch.seed : ClockMillis(); }

int TitleScroll() { return Scroll; }

int TitleFade() { return Fade; }

void DrawTitleFrame() {
    const int oy = TitleOffsetY();
    const int scroll = Scroll;
    AdvancePanAndFade();
    // The logo's alpha grows past 1 as the counter runs on; drawing clamps it.
    DrawTitleScene(scroll, Fade > 0 ? Fade / 500.0 : 0.0, -1);
    SetColor(20, 20, 40);
    DrawRect(100, oy + 310, 200, 190);
    DrawRect(100, ScreenHeight - 45, 600, 40);
    SetColor(150, 150, 205);
    DrawRect(101, oy + 321 + 30 * MenuCursor, 198, 20);
    SetColor(255, 255, 255);
    for (int k = 0; k < TitleEntryCount; ++k) Say(TitleEntries[k], 110, oy + 320 + 30 * k);
    if (!Notice[0].empty()) {
        SetColor(255, 220, 120);
        Say(Notice[0], 110, ScreenHeight - 40);
        Say(Notice[1], 110, ScreenHeight - 20);
        SetColor(255, 255, 255);
    } else {
        Say("Hoofbound: Thornwild Roguelike v 0.7, made by the Hoofbound team", 110, ScreenHeight - 40);
        Say("Arrows move, Space or Enter chooses, Esc quits, F11 fullscreen", 110, ScreenHeight - 20);
    }
}

void FinishProgram() {
    // A run that ended as the window closed was recorded then, and has nothing to save.
    if (QuitSavesRun() && GameInProgress > 0) {
        // The pot is not saved: whatever lies in it goes back to the hero first.
        EmptyPotIntoSatchel();
        if (!SaveRunBeforeQuit()) ShowQuitSaveFailure();
    }
    StopPlatform();
}

void StartUp(const LaunchOptions& options) {
    Launch = options;
    SetWindowTitle(WindowTitle);
    OpenScreen(1024, 768);
    ClearAllTables();
    ReadGlobalFiles();
    ReadSettings();
    ApplyScreenMode();
    ReadHighScores();
    LoadSheets();
    SetClearColor(150, 150, 205);
    ClearScreen();
    WorldSeed = TakeWorldSeed();
    SeedRandom(WorldSeed);
    SetBlendAlpha();
    TitleMenu();
}
