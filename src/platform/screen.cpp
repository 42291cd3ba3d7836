// The two targets: a real window paced at 60 frames per second, and the headless
// twin that draws the same frames into memory, reads a script and runs a fake clock.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "platform/script.h"
#ifdef __EMSCRIPTEN__
#include "platform/web/page.h"
#endif

namespace {

constexpr size_t LargestScript = 64u << 20;

bool Headless = false;
bool Started = false;
std::string Title;
SDL_Window* Window = nullptr;
SDL_Renderer* Renderer = nullptr;
SDL_Surface* Target = nullptr;  // headless frames are drawn here
int Generation = 0;
// The window's frames are drawn at the screen's own size into this texture and only
// scaled into the window when shown, so every frame and screenshot is the same picture
// whatever the window's size. Null when the renderer cannot draw into a texture: then
// the renderer's own logical size does the scaling, as a last resort.
SDL_Texture* FrameTexture = nullptr;
int ScreenW = 0;
int ScreenH = 0;
// Where the picture landed in the window at the latest present; the pointer is
// mapped back through it into screen pixels.
ScreenPlacement Shown;

// Headless: the pretend window (none while its size is 0) and what it shows.
int PretendW = 0;
int PretendH = 0;
SDL_Surface* PretendSurface = nullptr;
SDL_Renderer* PretendRenderer = nullptr;

// The window needs the picture shown again (it was uncovered, resized or went
// fullscreen) even if the game drew the same frame as before.
bool ShowAgain = true;
// Window pacing: when the current 1/60 s slot ends, once the first frame has run.
std::chrono::steady_clock::time_point SlotEnd;
bool SlotRunning = false;
// Keys are released by the scan code that pressed them, so a layout change or a
// modifier in between cannot leave a key stuck down.
int ScancodeKey[SDL_NUM_SCANCODES];

// Headless: the script, the fake clock's start and the frames shown so far.
ScriptRunner Runner;
FrameHook Hook = nullptr;
int ClockStart = 0;
long long FramesShown = 0;
DumpWriter Dumper = nullptr;

void FreePretendWindow() {
    if (PretendRenderer) SDL_DestroyRenderer(PretendRenderer);
    PretendRenderer = nullptr;
    if (PretendSurface) SDL_FreeSurface(PretendSurface);
    PretendSurface = nullptr;
}

void FreeRenderer() {
    ForgetDrawnFrames();
    if (FrameTexture) SDL_DestroyTexture(FrameTexture);
    FrameTexture = nullptr;
    if (Renderer) SDL_DestroyRenderer(Renderer);
    Renderer = nullptr;
    if (Target) SDL_FreeSurface(Target);
    Target = nullptr;
}

// The last resort without a frame texture: the renderer scales by itself, by whole
// steps when the window is big enough.
void UpdateLogicalScaling() {
    if (!Renderer || FrameTexture) return;
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(Renderer, &ow, &oh);
    SDL_RenderSetIntegerScale(Renderer, (ow >= ScreenW && oh >= ScreenH) ? SDL_TRUE : SDL_FALSE);
}

// Shows `frame` (the screen's picture) in the whole output of `out`: black bars, and
// the picture placed as PlaceScreen says. The window and the pretend window share it.
void ShowFrame(SDL_Renderer* out, SDL_Texture* frame) {
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(out, &ow, &oh);
    Shown = PlaceScreen(ScreenW, ScreenH, ow, oh);
    // The bars are cleared black; the game's own clear colour belongs to its picture.
    SDL_SetRenderDrawColor(out, 0, 0, 0, 255);
    SDL_RenderClear(out);
    if (Shown.w <= 0 || Shown.h <= 0) return;
    SDL_SetTextureBlendMode(frame, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(frame, 255, 255, 255);
    SDL_SetTextureAlphaMod(frame, 255);
    SDL_SetTextureScaleMode(frame, Shown.smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    const SDL_Rect dst{Shown.x, Shown.y, Shown.w, Shown.h};
    SDL_RenderCopy(out, frame, nullptr, &dst);
}

// Headless: presents the frame into the pretend window, made anew when its size changed.
void ShowInPretendWindow() {
    if (PretendW <= 0 || PretendH <= 0 || !Target) return;
    if (PretendSurface && (PretendSurface->w != PretendW || PretendSurface->h != PretendH)) FreePretendWindow();
    if (!PretendSurface) {
        PretendSurface = SDL_CreateRGBSurfaceWithFormat(0, PretendW, PretendH, 32, SDL_PIXELFORMAT_ARGB8888);
        if (PretendSurface) PretendRenderer = SDL_CreateSoftwareRenderer(PretendSurface);
        if (!PretendRenderer) {
            std::fprintf(stderr, "hoofbound: cannot make a %dx%d window picture: %s\n", PretendW, PretendH,
                         SDL_GetError());
            FreePretendWindow();
            PretendW = PretendH = 0;
            return;
        }
    }
    SDL_Texture* frame = SDL_CreateTextureFromSurface(PretendRenderer, Target);
    if (!frame) return;
    ShowFrame(PretendRenderer, frame);
    SDL_RenderFlush(PretendRenderer);
    SDL_DestroyTexture(frame);
}

// The window's place and size before it went fullscreen.
SDL_Rect Windowed{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 0, 0};

void ToggleFullscreen() {
    const Uint32 flags = SDL_GetWindowFlags(Window);
    if (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) {
        SDL_SetWindowFullscreen(Window, 0);
        // Without a window manager nothing gives the window its old size back.
        if (Windowed.w > 0 && Windowed.h > 0) {
            SDL_SetWindowSize(Window, Windowed.w, Windowed.h);
            SDL_SetWindowPosition(Window, Windowed.x, Windowed.y);
        }
    } else {
        SDL_GetWindowPosition(Window, &Windowed.x, &Windowed.y);
        SDL_GetWindowSize(Window, &Windowed.w, &Windowed.h);
        // Without a window manager the fullscreen request alone leaves the window where
        // and as big as it was, while the game draws for the whole desktop: the picture
        // lands offset. Covering the desktop first makes both agree, with or without one.
        SDL_Rect desktop;
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(Window), &desktop) == 0) {
            SDL_SetWindowPosition(Window, desktop.x, desktop.y);
            SDL_SetWindowSize(Window, desktop.w, desktop.h);
        }
        SDL_SetWindowFullscreen(Window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    // The picture's place is worked out again at every present from the output's real
    // size; the last resort's scaling is set again here, as no resize event may come.
    UpdateLogicalScaling();
    ShowAgain = true;
}

// A desktop too small for the screen's size gets a window that fits it, keeping the
// shape; the picture is then shrunk smoothly into it instead of running off the desktop.
void FitToDesktop(int& width, int& height) {
    SDL_Rect usable;
    const int display = Window ? SDL_GetWindowDisplayIndex(Window) : 0;
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) != 0) return;
    const ScreenPlacement p = PlaceScreen(width, height, usable.w, usable.h);
    if (p.smooth) {
        width = p.w;
        height = p.h;
    }
}

// A window pixel back to a screen pixel, through where the picture was shown.
void MovePointer(int wx, int wy) {
    if (!FrameTexture || Shown.w <= 0 || Shown.h <= 0) {
        // The logical size (last resort) already maps the pointer.
        InputPointer(wx, wy);
        return;
    }
    const int x = static_cast<int>(std::floor((wx - Shown.x) * static_cast<double>(ScreenW) / Shown.w));
    const int y = static_cast<int>(std::floor((wy - Shown.y) * static_cast<double>(ScreenH) / Shown.h));
    InputPointer(x, y);
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
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) UpdateLogicalScaling();
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED)
                    ShowAgain = true;
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
            case SDL_MOUSEMOTION: MovePointer(e.motion.x, e.motion.y); break;
            default: break;
        }
    }
}

// Holds 60 frames per second. The wait is a sleep until the slot ends, so a window
// left on the title or in a quiet game gives its core back instead of watching the
// clock. A frame that overran its slot restarts the schedule from now instead of
// rushing to catch up. The game still draws every frame while idle: it counts time
// in frames, and some frames draw from the random stream.
void Pace() {
    using Clock = std::chrono::steady_clock;
    constexpr auto slot = std::chrono::nanoseconds(1000000000LL / 60);
    const Clock::time_point now = Clock::now();
    if (!SlotRunning || now >= SlotEnd) {
        SlotEnd = now + slot;
        SlotRunning = true;
        return;
    }
    std::this_thread::sleep_until(SlotEnd);
    SlotEnd += slot;
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

ScreenPlacement PlaceScreen(int screenW, int screenH, int windowW, int windowH) {
    ScreenPlacement p;
    if (screenW <= 0 || screenH <= 0 || windowW <= 0 || windowH <= 0) return p;
    if (windowW >= screenW && windowH >= screenH) {
        // Whole steps keep every pixel square and crisp.
        const int step = std::min(windowW / screenW, windowH / screenH);
        p.w = screenW * step;
        p.h = screenH * step;
    } else {
        // Shrinking by a fraction with plain sampling would drop whole rows of a
        // letter; smooth filtering blends them in instead.
        const double scale = std::min(static_cast<double>(windowW) / screenW, static_cast<double>(windowH) / screenH);
        p.w = std::max(1, std::min(windowW, static_cast<int>(std::lround(screenW * scale))));
        p.h = std::max(1, std::min(windowH, static_cast<int>(std::lround(screenH * scale))));
        p.smooth = true;
    }
    p.x = (windowW - p.w) / 2;
    p.y = (windowH - p.h) / 2;
    return p;
}

int RendererGeneration() { return Generation; }

bool StartPlatform(const PlatformOptions& options, std::string& error) {
    Headless = options.headless;
    InputReset();
    for (int& k : ScancodeKey) k = -1;
    if (Headless) {
        // No window and no display: the software renderer needs no video subsystem.
        Runner = ScriptRunner();
        if (!options.scriptPath.empty()) {
            // A script is a text of a few thousand lines; far beyond that it is a mistake
            // (a device, a pipe, the wrong file), refused before it fills the memory.
            std::vector<uint8_t> bytes;
            std::string why;
            if (!ReadRegularFile(options.scriptPath, LargestScript, bytes, why)) {
                error = "cannot read the script " + options.scriptPath + ": " + why;
                return false;
            }
            if (!ParseScript(std::string(bytes.begin(), bytes.end()), Runner.steps, error)) return false;
        }
        ClockStart = options.clockStart;
        FramesShown = 0;
#ifdef __EMSCRIPTEN__
        // In the web page the page's events take the script's place.
        PageBetweenFrames(nullptr, false, Runner.dumps);
#else
        BeginScriptFrame(Runner);  // the first steps act on the first frame
#endif
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
    FreePretendWindow();
    PretendW = PretendH = 0;
    if (Window) SDL_DestroyWindow(Window);
    Window = nullptr;
    if (!Headless) SDL_Quit();
    Started = false;
#ifdef __EMSCRIPTEN__
    PageGameEnded();
#endif
}

bool IsHeadless() { return Headless; }

void SetWindowTitle(const std::string& title) {
    Title = title;
    if (Window) SDL_SetWindowTitle(Window, Title.c_str());
}

void OpenScreen(int width, int height) {
    ScreenW = width;
    ScreenH = height;
    if (Headless) {
        FreeRenderer();
        Target = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        if (Target) Renderer = SDL_CreateSoftwareRenderer(Target);
        if (!Renderer)
            std::fprintf(stderr, "hoofbound: cannot make a %dx%d frame: %s\n", width, height, SDL_GetError());
        ++Generation;
        return;
    }
    int windowW = width, windowH = height;
    FitToDesktop(windowW, windowH);
    if (!Window) {
        Window = SDL_CreateWindow(Title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowW, windowH,
                                  SDL_WINDOW_RESIZABLE);
        if (!Window) {
            std::fprintf(stderr, "hoofbound: cannot open a window: %s\n", SDL_GetError());
            return;
        }
        Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
        if (!Renderer) Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
        if (!Renderer) Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
        if (!Renderer) std::fprintf(stderr, "hoofbound: cannot draw in the window: %s\n", SDL_GetError());
        ++Generation;
    } else if (!(SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN_DESKTOP)) {
        SDL_SetWindowSize(Window, windowW, windowH);
        SDL_SetWindowPosition(Window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    if (!Renderer) return;
    // A new frame texture starts blank: the next frame is drawn and shown whole.
    ForgetDrawnFrames();
    ShowAgain = true;
    SDL_SetRenderTarget(Renderer, nullptr);
    if (FrameTexture) SDL_DestroyTexture(FrameTexture);
    FrameTexture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (FrameTexture && SDL_SetRenderTarget(Renderer, FrameTexture) != 0) {
        SDL_DestroyTexture(FrameTexture);
        FrameTexture = nullptr;
    }
    if (FrameTexture) {
        SDL_RenderSetLogicalSize(Renderer, 0, 0);
    } else {
        SDL_RenderSetLogicalSize(Renderer, width, height);
        UpdateLogicalScaling();
    }
}

void ResizeWindow(int width, int height) {
    if (Headless) {
        PretendW = width > 0 && height > 0 ? width : 0;
        PretendH = width > 0 && height > 0 ? height : 0;
        if (PretendW == 0) FreePretendWindow();
        return;
    }
    if (Window && width > 0 && height > 0) SDL_SetWindowSize(Window, width, height);
}

void PresentFrame() {
    if (Headless) {
        [[maybe_unused]] const bool changed = FinishFrameDrawing();
        if (Renderer) SDL_RenderFlush(Renderer);
        ShowInPretendWindow();
        TakeCaptures();
        ++FramesShown;
#ifdef __EMSCRIPTEN__
        PageBetweenFrames(Target, changed, Runner.dumps);
#else
        BeginScriptFrame(Runner);
#endif
        if (Hook) Hook();
        return;
    }
    const bool changed = FinishFrameDrawing();
    if (Renderer && FrameTexture) {
        // The frame texture keeps the picture, so an unchanged frame is only shown
        // again when the window asks for it.
        if (changed || ShowAgain) {
            SDL_SetRenderTarget(Renderer, nullptr);
            ShowFrame(Renderer, FrameTexture);
            SDL_RenderPresent(Renderer);
            SDL_SetRenderTarget(Renderer, FrameTexture);
        }
    } else if (Renderer) {
        // Drawn straight into the window: what it shows after a present is its own,
        // so a window that asks for the picture gets it drawn whole next frame.
        if (changed) SDL_RenderPresent(Renderer);
        if (ShowAgain) ForgetDrawnFrames();
    }
    ShowAgain = false;
    Pace();
    PumpWindowEvents();
}

int ClockMillis() {
#ifdef __EMSCRIPTEN__
    if (!PageKeepsFakeClock()) return PageClockMillis();
#endif
    if (Headless) {
        // 60 frames are exactly 1000 ms: the fraction is kept, not rounded per frame.
        const long long ms = static_cast<long long>(ClockStart) + FramesShown * 1000 / 60;
        return static_cast<int>(static_cast<unsigned int>(ms));
    }
    return WindowClockMillis();
}

int WindowClockMillis() {
    // Read from the wall clock once and carried on by SDL's steady ticks, so a change of
    // the system time during a game never makes the clock jump.
    static const Uint32 start = [] {
        const auto wall = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        return static_cast<Uint32>(static_cast<unsigned long long>(wall.count())) - SDL_GetTicks();
    }();
    return static_cast<int>(start + SDL_GetTicks());
}

void SetDumpWriter(DumpWriter writer) { Dumper = writer; }

void SetFrameHook(FrameHook hook) { Hook = hook; }

unsigned WindowPixel(int x, int y) {
    if (!PretendSurface || x < 0 || y < 0 || x >= PretendSurface->w || y >= PretendSurface->h) return 0;
    const auto* row = static_cast<const Uint8*>(PretendSurface->pixels) +
                      static_cast<size_t>(y) * PretendSurface->pitch;
    Uint32 pixel = 0;
    std::memcpy(&pixel, row + static_cast<size_t>(x) * 4, 4);
    return pixel & 0xFFFFFF;  // the surface is ARGB8888
}

bool SaveWindow(const std::string& path, std::string& error) {
    if (!PretendSurface) {
        error = "no window picture (headless without a window size)";
        return false;
    }
    const int w = PretendSurface->w, h = PretendSurface->h;
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned p = WindowPixel(x, y);
            uint8_t* out = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            out[0] = static_cast<uint8_t>(p >> 16);
            out[1] = static_cast<uint8_t>(p >> 8);
            out[2] = static_cast<uint8_t>(p);
            out[3] = 255;
        }
    }
    return SavePng(path, w, h, rgba, error);
}
