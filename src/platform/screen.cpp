// The two targets: a real window paced at 60 frames per second, and the headless
// twin that draws the same frames into memory, reads a script and runs a fake clock.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/backend.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "platform/script.h"

namespace {

bool Headless = false;
bool Started = false;
std::string Title;
SDL_Window* Window = nullptr;
SDL_Renderer* Renderer = nullptr;
SDL_Surface* Target = nullptr;  // headless frames are drawn here
int Generation = 0;

// Window pacing: the start of the current 1/60 s slot, in milliseconds.
double SlotStart = -1;
// Keys are released by the scan code that pressed them, so a layout change or a
// modifier in between cannot leave a key stuck down.
int ScancodeKey[SDL_NUM_SCANCODES];

// Headless: the script, the fake clock's start and the frames shown so far.
ScriptRunner Runner;
int ClockStart = 0;
long long FramesShown = 0;
DumpWriter Dumper = nullptr;

double NowMs() {
    return static_cast<double>(SDL_GetPerformanceCounter()) * 1000.0 /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

void FreeRenderer() {
    if (Renderer) SDL_DestroyRenderer(Renderer);
    Renderer = nullptr;
    if (Target) SDL_FreeSurface(Target);
    Target = nullptr;
}

// Whole-number scaling keeps pixels crisp whenever the window is big enough for it.
void UpdateScaling() {
    if (!Renderer) return;
    int lw = 0, lh = 0, ow = 0, oh = 0;
    SDL_RenderGetLogicalSize(Renderer, &lw, &lh);
    SDL_GetRendererOutputSize(Renderer, &ow, &oh);
    SDL_RenderSetIntegerScale(Renderer, (ow >= lw && oh >= lh) ? SDL_TRUE : SDL_FALSE);
}

void ToggleFullscreen() {
    const Uint32 flags = SDL_GetWindowFlags(Window);
    SDL_SetWindowFullscreen(Window, (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    UpdateScaling();
}

// The game's code for a key event. Arrows and Enter also come from the keypad whatever
// NumLock says; letters follow the layout the player types with.
int GameKey(const SDL_Keysym& key) {
    switch (key.scancode) {
        // clang-format off
        case SDL_SCANCODE_UP: case SDL_SCANCODE_KP_8: return KeyUp;
        case SDL_SCANCODE_DOWN: case SDL_SCANCODE_KP_2: return KeyDown;
        case SDL_SCANCODE_LEFT: case SDL_SCANCODE_KP_4: return KeyLeft;
        case SDL_SCANCODE_RIGHT: case SDL_SCANCODE_KP_6: return KeyRight;
        case SDL_SCANCODE_RETURN: case SDL_SCANCODE_KP_ENTER: return KeyEnter;
        // clang-format on
        case SDL_SCANCODE_ESCAPE: return KeyEsc;
        case SDL_SCANCODE_SPACE: return KeySpace;
        case SDL_SCANCODE_LSHIFT: return KeyLShift;
        case SDL_SCANCODE_RSHIFT: return KeyRShift;
        case SDL_SCANCODE_F12: return KeyF12;
        default: break;
    }
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return KeyDigit1 + (key.scancode - SDL_SCANCODE_1);
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) return KeyA + (key.sym - SDLK_a);
    return -1;
}

void PumpWindowEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: InputClose(); break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) InputClose();
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) UpdateScaling();
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    InputReleaseAll();
                    for (int& k : ScancodeKey) k = -1;
                }
                break;
            case SDL_KEYDOWN: {
                if (e.key.repeat) break;
                const SDL_Keysym& key = e.key.keysym;
                const bool altEnter = (key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER) &&
                                      (key.mod & KMOD_ALT);
                if (key.scancode == SDL_SCANCODE_F11 || altEnter) {
                    ToggleFullscreen();
                    break;
                }
                const int code = GameKey(key);
                if (code >= 0) {
                    ScancodeKey[key.scancode] = code;
                    InputPress(code);
                }
                break;
            }
            case SDL_KEYUP: {
                const SDL_Scancode sc = e.key.keysym.scancode;
                if (sc >= 0 && sc < SDL_NUM_SCANCODES && ScancodeKey[sc] >= 0) {
                    const int code = ScancodeKey[sc];
                    ScancodeKey[sc] = -1;
                    // Up and keypad 8 (and both Enters) are one key to the game: it is
                    // let go only when the last of them is.
                    bool stillDown = false;
                    for (int k : ScancodeKey) stillDown = stillDown || k == code;
                    if (!stillDown) InputRelease(code);
                }
                break;
            }
            case SDL_MOUSEMOTION:
                // With a logical size set, SDL already reports game pixels.
                InputPointer(e.motion.x, e.motion.y);
                break;
            default: break;
        }
    }
}

// Holds 60 frames per second; a frame that overran its slot restarts the schedule
// from now instead of rushing to catch up.
void Pace() {
    const double slot = 1000.0 / 60.0;
    double now = NowMs();
    if (SlotStart < 0 || now >= SlotStart + slot) {
        SlotStart = now;
        return;
    }
    const double next = SlotStart + slot;
    while ((now = NowMs()) < next) {
        const double left = next - now;
        if (left > 2.0) SDL_Delay(static_cast<Uint32>(left - 1.0));
    }
    SlotStart = next;
}

void TakeCaptures() {
    for (const std::string& path : Runner.shots) {
        std::string error;
        if (!SaveFrame(path, error))
            std::fprintf(stderr, "hoofbound: screenshot %s not saved: %s\n", path.c_str(), error.c_str());
    }
    for (const std::string& path : Runner.dumps) {
        if (Dumper) Dumper(path);
    }
}

}  // namespace

SDL_Renderer* CurrentRenderer() { return Renderer; }

int RendererGeneration() { return Generation; }

bool StartPlatform(const PlatformOptions& options, std::string& error) {
    Headless = options.headless;
    InputReset();
    for (int& k : ScancodeKey) k = -1;
    if (Headless) {
        // No window and no display: the software renderer needs no video subsystem.
        Runner = ScriptRunner();
        if (!options.scriptPath.empty()) {
            std::ifstream in(options.scriptPath, std::ios::binary);
            if (!in) {
                error = "cannot read the script " + options.scriptPath;
                return false;
            }
            std::stringstream text;
            text << in.rdbuf();
            if (!ParseScript(text.str(), Runner.steps, error)) return false;
        }
        ClockStart = options.clockStart;
        FramesShown = 0;
        BeginScriptFrame(Runner);  // the first steps act on the first frame
    } else {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            error = std::string("cannot open a window: ") + SDL_GetError();
            return false;
        }
    }
    Started = true;
    return true;
}

void StopPlatform() {
    if (!Started) return;
    ReleaseImages();
    FreeRenderer();
    if (Window) SDL_DestroyWindow(Window);
    Window = nullptr;
    if (!Headless) SDL_Quit();
    Started = false;
}

bool IsHeadless() { return Headless; }

void SetWindowTitle(const std::string& title) {
    Title = title;
    if (Window) SDL_SetWindowTitle(Window, Title.c_str());
}

void OpenScreen(int width, int height) {
    if (Headless) {
        FreeRenderer();
        Target = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        if (Target) Renderer = SDL_CreateSoftwareRenderer(Target);
        if (!Renderer)
            std::fprintf(stderr, "hoofbound: cannot make a %dx%d frame: %s\n", width, height, SDL_GetError());
        ++Generation;
        return;
    }
    if (!Window) {
        Window = SDL_CreateWindow(Title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_RESIZABLE);
        if (!Window) {
            std::fprintf(stderr, "hoofbound: cannot open a window: %s\n", SDL_GetError());
            return;
        }
        Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_ACCELERATED);
        if (!Renderer) Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
        if (!Renderer) std::fprintf(stderr, "hoofbound: cannot draw in the window: %s\n", SDL_GetError());
        ++Generation;
    } else if (!(SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN_DESKTOP)) {
        SDL_SetWindowSize(Window, width, height);
        SDL_SetWindowPosition(Window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    if (Renderer) {
        SDL_RenderSetLogicalSize(Renderer, width, height);
        UpdateScaling();
    }
}

void PresentFrame() {
    if (Headless) {
        if (Renderer) SDL_RenderFlush(Renderer);
        TakeCaptures();
        ++FramesShown;
        BeginScriptFrame(Runner);
        return;
    }
    if (Renderer) SDL_RenderPresent(Renderer);
    Pace();
    PumpWindowEvents();
}

int ClockMillis() {
    if (Headless) {
        // 60 frames are exactly 1000 ms: the fraction is kept, not rounded per frame.
        const long long ms = static_cast<long long>(ClockStart) + FramesShown * 1000 / 60;
        return static_cast<int>(static_cast<unsigned int>(ms));
    }
    return static_cast<int>(SDL_GetTicks());
}

void SetDumpWriter(DumpWriter writer) { Dumper = writer; }
