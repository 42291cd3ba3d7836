// The screens that run frames of their own, outside the turn loop's frame: the title,
// the new-game wizard and the screens it and the game open. While one is open,
// ActiveScreen names it; the state dump writes it and the soak reads it, so neither has
// to recognise a screen by the text it draws.
#pragma once

#include "core/state.h"

enum ScreenName : int {
    ScreenNone = 0,
    ScreenTitle = 1,
    ScreenNewGame = 2,  // the wizard; its page is UiMode
    ScreenHelp = 3,     // How to Play
    ScreenHighScores = 4,
    ScreenOptions = 5,
    ScreenVictory = 6,
    ScreenSkillUpgrades = 7,
    ScreenRecipeBook = 8,
    ScreenMessageHistory = 9,
    ScreenDeathMoment = 10,      // the fallen hero's last look at the map
    ScreenQuitSaveFailure = 11,  // the window closing on a run that could not be saved
};

// The new-game wizard's pages, in UiMode while it runs.
constexpr int WizardPageHero = 0;
constexpr int WizardPageDifficulty = 1;
constexpr int WizardPageScenario = 2;

// Names the screen for as long as it runs; the screen it was opened from is named
// again when it closes (the title's help, the ending's high scores).
class ScreenOpen {
public:
    explicit ScreenOpen(ScreenName screen) : opener_(ActiveScreen) { ActiveScreen = screen; }
    ~ScreenOpen() { ActiveScreen = opener_; }
    ScreenOpen(const ScreenOpen&) = delete;
    ScreenOpen& operator=(const ScreenOpen&) = delete;

private:
    int opener_;
};
