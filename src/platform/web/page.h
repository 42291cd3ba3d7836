// The web page's side of the headless target: the page shows the headless target's
// software frames on its canvas, gives it the page's keys and pointer, keeps the real
// clock, and holds the game's 60 frames a second by sleeping between frames, which is
// when the browser draws and delivers events (the game's loops stay as they are: the
// frame end suspends them and resumes them later).
#pragma once
#include <SDL.h>

#include <string>
#include <vector>

// Called before the first frame (with no frame) and at the end of every frame: shows the
// frame if it changed, sleeps out the frame's slot and hands the page's events to the
// input state. Under a test driver it waits for the driver's word instead of the clock,
// and state dumps the driver asks for are added to `dumps`, written after the next frame.
void PageBetweenFrames(SDL_Surface* frame, bool changed, std::vector<std::string>& dumps);
// True when the test driver runs the page: then the clock is the headless target's fake
// one, which counts frames, so the page plays exactly as a headless script does.
bool PageKeepsFakeClock();
// Milliseconds since the page started.
int PageClockMillis();
// The game has ended (saved and quit): the page says so and stops waiting for frames.
void PageGameEnded();
