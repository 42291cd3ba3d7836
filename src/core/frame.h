// Services every screen of the game uses each frame.
#pragma once
#include <string>

// What Held asks about: an arrow, or the confirm key (Space or Enter).
enum HeldKind : int {
    HeldUp = 1,
    HeldDown = 2,
    HeldLeft = 3,
    HeldRight = 4,
    HeldConfirm = 5,
};
// 1 while that key is held, else 0; reads the keys and changes nothing.
int Held(int kind);

// The input delay: frames for which the keys are ignored after one acted, so a held key
// repeats at a steady pace and a tap acts once.
constexpr int DelayAfterAction = 10;  // a step, a pick, a menu key, a panel's answer
constexpr int DelayAfterCursor = 5;   // a cursor moved over the satchel or a list
constexpr int DelayAfterList = 20;    // the satchel or the skill list opened or closed over the map
// How a grid cursor meets the ends of its entries.
enum class GridEnds {
    Refuse,  // a step past either end is not taken, and the next held arrow may move instead
    Clamp,   // the first held arrow always moves, stopping at the first or last entry
};
// Moves `cursor` over entries 0..count-1 laid out as a grid: Up and Down step by
// `rowStep`, Left and Right by `columnStep`, tried in that order while InputDelay is 0.
// A move sets InputDelay to `delay`, which holds every later arrow of the frame. True
// when the cursor moved (with GridEnds::Clamp, also when it stayed at an end).
bool MoveGridCursor(int& cursor, int count, int rowStep, int columnStep, GridEnds ends, int delay);

// Text at whole pixel coordinates in the current colour.
void Say(const std::string& text, int x, int y);
// The lines of the game's top text box (line k at y = 10 + 10k, k 0..7, from the box's
// left edge) that a text has been written on in this frame, one bit each; EndFrame
// clears them. What is drawn last in a frame finds here the lines the panels left free.
constexpr int TopBoxLines = 8;
int TopBoxLinesUsed();
// Ends every frame of every screen: Esc and the close button, presenting the frame,
// clearing the next one and counting InputDelay down. When Esc or the close button
// ends the program, the frame is not presented and a quit is requested instead.
void EndFrame();

// Asks the program to end: every screen loop returns as soon as it sees the request,
// and the program's owner (main) saves a game in progress and exits. Whether the game
// is saved is decided at the moment of asking, from the run as it stands then.
void RequestQuit();
bool QuitRequested();
// True when the quit was asked for from inside a game, which must then be saved.
bool QuitSavesRun();

// The layout offsets of the title and the screens drawn over its scene:
// (100, 80) at 1024 x 768, (0, 40) at 800 x 600.
int TitleOffsetX();
int TitleOffsetY();
