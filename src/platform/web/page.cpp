#include "platform/web/page.h"

#include <emscripten.h>

#include <cstdlib>
#include <vector>

#include "platform/input.h"

namespace {

// ---- The page's side, in page.js --------------------------------------------------------
// clang-format off
// The next key or pointer event the page queued: 0 none, 1 key down, 2 key up, 3 every
// key up (the page lost the focus), 4 pointer at (a, b) in screen pixels.
EM_JS(int, PageTakeEvent, (int* a, int* b), {
    return Module.hoofTakeEvent(a, b);
});
EM_JS(void, PageShowPixels, (const unsigned char* rgba, int width, int height), {
    Module.hoofShow(rgba, width, height);
});
// Counts frames, and frames that changed the canvas, for whoever measures the page.
EM_JS(void, PageCountFrame, (int shown), {
    Module.hoofFrames = (Module.hoofFrames || 0) + 1;
    Module.hoofFramesShown = (Module.hoofFramesShown || 0) + shown;
});
EM_JS(int, PageDriven, (), {
    return Module.hoofDriven ? 1 : 0;
});
// A path the driver wants the state dumped to, in memory from malloc; null for none.
EM_JS(char*, PageTakeDumpRequest, (), {
    return Module.hoofTakeDumpRequest();
});
EM_JS(void, PageEnded, (), {
    Module.hoofGameEnded();
});
EM_ASYNC_JS(void, PageAwaitDriver, (), {
    await Module.hoofAwaitFrame();
});
// clang-format on

// The frame in the canvas's byte order, kept between frames.
std::vector<unsigned char> Pixels;

void Show(SDL_Surface* frame) {
    if (!frame || frame->format->format != SDL_PIXELFORMAT_ARGB8888) return;
    const int w = frame->w, h = frame->h;
    Pixels.resize(static_cast<size_t>(w) * h * 4);
    unsigned char* out = Pixels.data();
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(frame->pixels) +
                                                          static_cast<size_t>(y) * frame->pitch);
        for (int x = 0; x < w; ++x, out += 4) {
            const Uint32 p = row[x];
            out[0] = static_cast<unsigned char>(p >> 16);
            out[1] = static_cast<unsigned char>(p >> 8);
            out[2] = static_cast<unsigned char>(p);
            out[3] = 255;  // the screen has no transparency of its own
        }
    }
    PageShowPixels(Pixels.data(), w, h);
}

// As the window's pacing: sleep until the frame's 1/60 s slot ends, and restart the
// schedule from now after a frame that overran it. The sleep always gives the browser
// its turn, even when no time is left, so the page draws and takes events every frame.
double SlotEnd = 0;
bool SlotRunning = false;

void Pace() {
    constexpr double slot = 1000.0 / 60.0;
    const double now = emscripten_get_now();
    if (!SlotRunning || now >= SlotEnd) {
        SlotEnd = now + slot;
        SlotRunning = true;
        emscripten_sleep(0);
        return;
    }
    emscripten_sleep(static_cast<unsigned>(SlotEnd - now));
    SlotEnd += slot;
}

void TakeEvents() {
    int a = 0, b = 0;
    for (;;) {
        switch (PageTakeEvent(&a, &b)) {
            case 0: return;
            case 1: InputPress(a); break;
            case 2: InputRelease(a); break;
            case 3: InputReleaseAll(); break;
            case 4: InputPointer(a, b); break;
            default: break;
        }
    }
}

}  // namespace

void PageBetweenFrames(SDL_Surface* frame, bool changed, std::vector<std::string>& dumps) {
    dumps.clear();
    if (changed) Show(frame);
    PageCountFrame(changed && frame ? 1 : 0);
    if (PageDriven()) {
        PageAwaitDriver();
        while (char* path = PageTakeDumpRequest()) {
            dumps.emplace_back(path);
            std::free(path);
        }
    } else {
        Pace();
    }
    TakeEvents();
}

bool PageKeepsFakeClock() { return PageDriven() != 0; }

int PageClockMillis() { return static_cast<int>(static_cast<long long>(emscripten_get_now())); }

void PageGameEnded() { PageEnded(); }
