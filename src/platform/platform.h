// The game's only door to the outside world's window, keys, pointer and clock.
// Two targets sit behind these free functions and share one drawing implementation:
// a real window, and a headless twin that draws the same frames into memory, takes
// its keys from a script and runs on a fake clock.
#pragma once
#include <string>

// ---- Starting and stopping ----------------------------------------------------------
struct PlatformOptions {
    bool headless = false;
    std::string scriptPath;  // headless only: the steps that drive the keys
    int clockStart = 0;      // headless only: the fake clock's first reading in ms
};
// Starts the chosen target; false with a reason (bad script, no display...).
bool StartPlatform(const PlatformOptions& options, std::string& error);
// Releases the window and everything drawn; safe to call twice.
void StopPlatform();
bool IsHeadless();

// ---- Window and frame -------------------------------------------------------------
void SetWindowTitle(const std::string& title);
// Opens, or reopens at a new size, the screen (1024 x 768 or 800 x 600).
void OpenScreen(int width, int height);
// Where the screen's picture lands in a window of another size, keeping its shape:
// by whole steps, crisp, when the window holds it at least once; else shrunk to fit
// with smooth filtering, so every row of a letter still shows. The rest of the window
// is black bars. A window with no area gets a picture with no area.
struct ScreenPlacement {
    int x = 0, y = 0, w = 0, h = 0;
    bool smooth = false;
};
ScreenPlacement PlaceScreen(int screenW, int screenH, int windowW, int windowH);
// Gives the window a new size, as the player dragging its border would. Headless it
// is a pretend window the frames are presented into, so tests can look at what the
// player sees; 0 x 0 (the start) means none.
void ResizeWindow(int width, int height);
void ClearScreen();
// Shows the frame and holds the pace of 60 frames per second; also the moment input
// changes and (headless) screenshots and dumps asked for by the script are taken.
void PresentFrame();
// A frame that repeats the last one shown is not drawn again. This makes the next frame
// be drawn whole anyway, for measuring what a frame costs.
void RedrawNextFrame();
void SetColor(int r, int g, int b);
void SetAlpha(double a);
void SetScale(double sx, double sy);
void SetBlendAlpha();
void SetClearColor(int r, int g, int b);
// A filled rectangle in the current colour and alpha; scale does not apply.
void DrawRect(int x, int y, int w, int h);

// Pictures are numbered handles; 0 is the empty picture that draws nothing.
using Image = int;
// Loads a picture with its handle at the top-left corner, or at its centre.
Image LoadImage(const std::string& gamePath, bool centred = false);
// Loads a sprite sheet of `frames` cells of cellW x cellH, numbered left to right,
// then top to bottom.
Image LoadSheet(const std::string& gamePath, int cellW, int cellH, int frames);
// Draws one frame with its handle at (x, y), tinted by the current colour, with the
// current alpha and scaled about the handle by the current scale.
void DrawImage(Image image, double x, double y, int frame);
// Text in the 8 x 16 font, top-left corner at (x, y), in the current colour and alpha.
void DrawText(const std::string& text, int x, int y);

// ---- Input, polled; it changes only between frames -----------------------------------
// Key codes the game uses.
enum KeyCode {
    KeyEnter = 13,
    KeyEsc = 27,
    KeySpace = 32,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyDigit1 = 49,  // 49..57 the digits 1..9
    KeyA = 65,       // 65..90 the letters A..Z, as the keyboard layout names them
    KeyB = 66,
    KeyC = 67,
    KeyD = 68,
    KeyE = 69,
    KeyF = 70,
    KeyG = 71,
    KeyH = 72,
    KeyI = 73,
    KeyJ = 74,
    KeyK = 75,
    KeyL = 76,
    KeyM = 77,
    KeyN = 78,
    KeyO = 79,
    KeyP = 80,
    KeyQ = 81,
    KeyR = 82,
    KeyS = 83,
    KeyT = 84,
    KeyU = 85,
    KeyV = 86,
    KeyW = 87,
    KeyX = 88,
    KeyY = 89,
    KeyZ = 90,
    KeyF11 = 122,
    KeyF12 = 123,
    KeyLShift = 160,
    KeyRShift = 161,
};
constexpr int KeyCodeCount = 256;
// The key of a capital letter 'A'..'Z', for tables and scripts that name keys by letter.
constexpr int LetterKey(char letter) { return KeyA + (letter - 'A'); }
// 1 while the key is held, else 0.
int KeyHeld(int code);
// Presses of the key since the previous call for that key; then resets.
int KeyPresses(int code);
int PointerX();
int PointerY();
// 1 if the window's close button was pressed since the previous call; then resets.
int CloseRequested();

// ---- Clock ------------------------------------------------------------------------
// Milliseconds from an arbitrary start: the fake clock when headless, else the window's.
int ClockMillis();
// The window's clock: the wall clock's milliseconds, kept to 32 bits, so the world seed
// the title takes differs from one launch to the next.
int WindowClockMillis();

// ---- Looking at frames -----------------------------------------------------------------
// Saves the frame drawn last as a PNG file at a real path; false with a reason.
bool SaveFrame(const std::string& path, std::string& error);
// Reads one pixel of the frame drawn last (0xRRGGBB), for tests and benchmarks.
unsigned FramePixel(int x, int y);
// Headless with a pretend window: the window as shown by the latest PresentFrame,
// bars and scaling included. 0 outside it or without one.
unsigned WindowPixel(int x, int y);
bool SaveWindow(const std::string& path, std::string& error);
// Headless only: called once after every frame is shown, once the script has set the
// keys for the next frame, so a driver in the same process (the soak's bot) can read
// the game's tables and hold its own keys for the next frame. nullptr for none.
using FrameHook = void (*)();
void SetFrameHook(FrameHook hook);
// The game's state-dump writer, called when a script asks for a dump.
using DumpWriter = void (*)(const std::string& path);
void SetDumpWriter(DumpWriter writer);
// For tests that read what a screen says: `watcher` hears every text as it is drawn,
// with its top-left corner, whether or not a screen is open; nullptr stops it.
using TextWatcher = void (*)(const std::string& text, int x, int y);
void SetTextWatcher(TextWatcher watcher);
