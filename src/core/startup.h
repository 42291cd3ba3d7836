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
// pictures and runs the title menu. Never returns: the program ends from EndFrame or
// from "Quit Game".
[[noreturn]] void StartUp(const LaunchOptions& options);
// The world seed of a new game: the clock's reading, or the one --seed gave.
int TakeWorldSeed();

// One frame of the title menu without its keys or EndFrame: the scene panning or in
// place, the logo fading in, the frame, the menu and the credits.
void DrawTitleFrame();
// The title's pan and fade, kept between showings of the title.
int TitleScroll();
int TitleFade();
