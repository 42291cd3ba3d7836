#include "persist/screens/ending.h"

#include "core/frame.h"
#include "core/open_screen.h"
#include "core/pictures.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "persist/heroes.h"
#include "persist/highscores.h"
#include "persist/reset.h"
#include "persist/screens/screens.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

const char* const WinTexts[3] = {" succeeded in curing Clovermere!", " defeated Skarnix!", " defeated Vorgath!"};

// The first line of the forest quest's victory, by hero.
const char* const FlowerHomeLines[6] = {
    "With all your strength, you teleport back to Clovermere with the flower in hoof",
    "You got the flower, in the next panel you'll be back in Clovermere!",
    "With the flower found, you take to the skies and rocket back to Clovermere",
    "You got the flower! Auralis shows up just in time to fly you back to Clovermere!",
    "You grab hold of the flower and hoof it back to Clovermere, ignoring every danger on the way!",
    "With the flower found you can take to the skies and fly as fast as you can back to Clovermere!",
};

int Scenario() {
    const int s = GameVars[VarScenario];
    return (s >= ScenarioForest && s <= ScenarioCastle) ? s : ScenarioForest;
}

}  // namespace

bool RunIsScored() { return GameVars[VarDifficulty] > DifficultyEasy || GameWon == 1; }

int ScoreRun() {
    int score = 2 * Bits;
    if (GameWon == 1) {
        const int difficulty = GameVars[VarDifficulty];
        score += difficulty == DifficultyEasy ? 50 : (difficulty == DifficultyNormal ? 500 : 900);
        DeathMessage = MonName[0] + WinTexts[Scenario()];
    }
    score += 25 * MonLevel[0];
    if (GameVars[VarDifficulty] == DifficultyHard) score += 100;
    return score;
}

int EnterHighScore(int table, int score, const std::string& text, int depth) {
    if (table < 0 || table >= HighScoreTables) return -1;
    int rank = -1;
    for (int r = 0; r < HighScoreRanks; ++r) {
        if (HighScoreValue[r][table] <= score) {
            rank = r;
            break;
        }
    }
    if (rank < 0) return -1;
    for (int r = HighScoreRanks - 1; r > rank; --r) {
        HighScoreValue[r][table] = HighScoreValue[r - 1][table];
        HighScoreName[r][table] = HighScoreName[r - 1][table];
        HighScoreDepth[r][table] = HighScoreDepth[r - 1][table];
    }
    HighScoreValue[rank][table] = score;
    HighScoreName[rank][table] = text;
    HighScoreDepth[rank][table] = depth;
    return rank;
}

bool RecordEnding() {
    if (!RunIsScored()) return false;
    const int table = Scenario();
    const int score = ScoreRun();
    MenuCursor = EnterHighScore(table, score, DeathMessage, Depth + 1);
    // The score and the end of the save are one change: a crash between them would
    // leave a scored run that loads again, and could be scored twice.
    BeginFileGroup();
    WriteHighScores(table);
    ClearSaveFolder();
    if (!CommitFileGroup()) {
        // A score that cannot be written is lost, and the player is told; the run still ends.
        TellPlayer("Your score could not be saved. " + LastFileError());
        ClearSaveFolder();
    }
    return true;
}

void RunEnding() {
    const int table = Scenario();
    const bool scored = RecordEnding();
    InGame = 0;
    // An unscored death on easy keeps the save, so the title offers to load it.
    if (GameWon == 1) VictoryScreen();
    if (QuitRequested()) return;
    InputDelay = DelayAfterAction;
    if (scored) HighScoreScreen(table);
    InputDelay = DelayAfterAction;
}

void VictoryScreen() {
    const ScreenOpen open(ScreenVictory);
    for (;;) {
        const int ox = ScreenWidth > 800 ? 100 : 10;
        const int oy = ScreenWidth > 800 ? 80 : 40;
        SetScale(1, 1);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(PictureEnding, ox, oy, 0);
        SetColor(150, 150, 205);
        DrawRect(0, 0, ScreenWidth, 80);
        if (ScreenWidth > 800) {
            DrawRect(0, 80, 100, 300);
            DrawRect(900, 80, 124, 300);
        }
        DrawRect(0, oy + 300, 1024, 400);
        SetColor(20, 20, 40);
        DrawRect(ox, oy + 410, 780, 130);
        SetColor(255, 255, 255);
        const char* lines[4] = {"", "", "", ""};
        switch (Scenario()) {
            case ScenarioForest:
                lines[0] = (HeroId >= HeroQuenbyArlo && HeroId <= HeroMellowen) ? FlowerHomeLines[HeroId - 1] : "";
                lines[1] = "A cure is quickly created from the flower's nectar.";
                lines[2] = "Everyhoofling in Clovermere is cured thanks to you!";
                lines[3] = "Congratulations!";
                break;
            case ScenarioChaos:
                lines[0] = "You defeated Skarnix and returned Harmony to the Thornwild Forest!";
                lines[1] = "Well, as much harmony as the Thornwild Forest is used to anyway...";
                break;
            default:
                lines[0] = "You defeated Vorgath all on your own, pretty impressive!";
                lines[1] = "And you saved your friends from being turned into dragons! Congratulations!";
                break;
        }
        for (int k = 0; k < 4; ++k) Say(lines[k], ox + 10, oy + 420 + 30 * k);
        const bool leave = KeyHeld(KeySpace) && InputDelay == 0;
        EndFrame();
        if (QuitRequested()) return;
        if (leave) {
            InputDelay = DelayAfterAction;
            break;
        }
    }
}
