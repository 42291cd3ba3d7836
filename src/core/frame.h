// Services every screen of the game uses each frame.
#pragma once
#include <string>

// Direction/confirm query: 1 Up, 2 Down, 3 Left, 4 Right, 5 Space or Enter.
// 1 while held, else 0; reads the keys and changes nothing.
int Held(int kind);
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
