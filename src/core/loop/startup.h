// Program start-up and the title menu, the home of every other screen.
#pragma once
#include <string>

constexpr const char* WindowTitle = "Hoofbound: Thornwild Roguelike: v 0.7";

// What the command line chose for the game itself.
struct LaunchOptions {
    bool seedGiven = false;  // --seed: every new game uses this world seed
    int seed = 0;
};

// Opens the screen, creates the tables, reads the files that outlive a game, loads the
// pictures and runs the title menu. Returns once a quit was requested (Esc, the close
// button or "Quit Game"); the caller then saves a run in progress and ends the program.
void StartUp(const LaunchOptions& options);
// What the program does last, once StartUp has returned: saves the run when the quit
// came from inside a game, and closes the window.
void FinishProgram();
// The world seed of a new game: the clock's reading, or the one --seed gave.
int TakeWorldSeed();

// One frame of the title menu without its keys or EndFrame: the scene panning or in
// place, the logo fading in, the frame, the menu and the credits.
void DrawTitleFrame();
// The title's pan and fade, kept between showings of the title.
int TitleScroll();
int TitleFade();
