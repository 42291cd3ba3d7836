// Drawing shared by the window and the headless target: both draw through an SDL
// renderer, so a headless frame is the very picture the window would show.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <vector>

#include "platform/backend.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/png_io.h"

namespace {

struct ImageRecord {
    SDL_Surface* surface = nullptr;
    SDL_Texture* texture = nullptr;
    int textureGeneration = -1;
    int cellW = 0;
    int cellH = 0;
    int frames = 0;
    int columns = 1;
    bool centred = false;
    bool opaque = false;  // no transparent pixel: drawn at full alpha it is a plain copy
};

// Handle 0 is the empty picture.
std::vector<ImageRecord> Images(1);
std::map<std::string, Image> Loaded;
std::set<std::string> ReportedMissing;

struct DrawState {
    Uint8 r = 255, g = 255, b = 255;
    double alpha = 1.0;
    double sx = 1.0, sy = 1.0;
    Uint8 clearR = 150, clearG = 150, clearB = 205;
} Draw;

Image FontSheet = -1;  // loaded on the first text drawn
TextWatcher Watcher = nullptr;

// A frame's drawing is kept as a list and carried out when the frame ends. A frame
// that repeats the last one exactly (the title, or a game waiting for a key) is then
// not drawn again, because the screen's picture already holds it: a window left alone
// costs the game's own work for the frame and nothing for the pixels.
struct DrawCommand {
    enum Kind : Uint8 { Clear, Fill, Copy };
    Kind kind = Clear;
    Uint8 r = 0, g = 0, b = 0, a = 255;
    bool blend = false;
    Uint8 flip = 0;
    SDL_Texture* texture = nullptr;
    SDL_Rect src{};
    SDL_FRect dst{};
};

bool SameCommand(const DrawCommand& x, const DrawCommand& y) {
    return x.kind == y.kind && x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a && x.blend == y.blend &&
           x.flip == y.flip && x.texture == y.texture && x.src.x == y.src.x && x.src.y == y.src.y &&
           x.src.w == y.src.w && x.src.h == y.src.h && x.dst.x == y.dst.x && x.dst.y == y.dst.y && x.dst.w == y.dst.w &&
           x.dst.h == y.dst.h;
}

std::vector<DrawCommand> FrameCommands;  // this frame's drawing so far
size_t FrameDrawnUpTo = 0;               // how much of it is already in the picture
std::vector<DrawCommand> ShownCommands;  // the drawing of the picture the screen holds
bool ShownValid = false;

void Carry(SDL_Renderer* renderer, const DrawCommand& c) {
    switch (c.kind) {
        case DrawCommand::Clear:
            SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, 255);
            SDL_RenderClear(renderer);
            break;
        case DrawCommand::Fill: {
            SDL_SetRenderDrawBlendMode(renderer, c.blend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
            SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
            const SDL_Rect rect{static_cast<int>(c.dst.x), static_cast<int>(c.dst.y), static_cast<int>(c.dst.w),
                                static_cast<int>(c.dst.h)};
            SDL_RenderFillRect(renderer, &rect);
            break;
        }
        case DrawCommand::Copy:
            SDL_SetTextureColorMod(c.texture, c.r, c.g, c.b);
            SDL_SetTextureAlphaMod(c.texture, c.a);
            SDL_SetTextureBlendMode(c.texture, c.blend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
            if (c.flip) {
                SDL_RenderCopyExF(renderer, c.texture, &c.src, &c.dst, 0.0, nullptr,
                                  static_cast<SDL_RendererFlip>(c.flip));
            } else {
                SDL_RenderCopyF(renderer, c.texture, &c.src, &c.dst);
            }
            break;
    }
}

// Puts what this frame has drawn so far into the picture, before anyone reads it.
void DrawPending() {
    SDL_Renderer* renderer = CurrentRenderer();
    if (renderer)
        for (size_t i = FrameDrawnUpTo; i < FrameCommands.size(); ++i) Carry(renderer, FrameCommands[i]);
    FrameDrawnUpTo = FrameCommands.size();
}

constexpr int FontFirstChar = 32;
constexpr int FontGlyphs = 96;
constexpr int GlyphW = 8;
constexpr int GlyphH = 16;

Uint8 AlphaByte() {
    const double a = Draw.alpha < 0 ? 0 : (Draw.alpha > 1 ? 1 : Draw.alpha);
    return static_cast<Uint8>(std::lround(a * 255));
}

// A command in the colour and alpha set for drawing.
DrawCommand TintedCommand(DrawCommand::Kind kind) {
    DrawCommand c;
    c.kind = kind;
    c.r = Draw.r;
    c.g = Draw.g;
    c.b = Draw.b;
    c.a = AlphaByte();
    return c;
}

SDL_Texture* TextureOf(ImageRecord& image) {
    SDL_Renderer* renderer = CurrentRenderer();
    if (!renderer || !image.surface) return nullptr;
    if (image.textureGeneration != RendererGeneration()) {
        // The old texture, if any, was destroyed together with its renderer.
        image.texture = SDL_CreateTextureFromSurface(renderer, image.surface);
        image.textureGeneration = RendererGeneration();
        if (image.texture) SDL_SetTextureBlendMode(image.texture, SDL_BLENDMODE_BLEND);
    }
    return image.texture;
}

Image Load(const std::string& gamePath, int cellW, int cellH, int frames, bool centred) {
    const std::string key = gamePath + "|" + std::to_string(cellW) + "|" + std::to_string(cellH) + "|" +
                            std::to_string(frames) + "|" + (centred ? "c" : "t");
    if (auto found = Loaded.find(key); found != Loaded.end()) return found->second;

    const std::string path = ImagePath(gamePath);
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    std::string error;
    if (!LoadPng(path, w, h, rgba, error)) {
        // A missing picture draws nothing; say so once so the cause is easy to find.
        if (ReportedMissing.insert(path).second)
            std::fprintf(stderr, "hoofbound: picture %s not loaded (%s); it will not be drawn\n", path.c_str(),
                         error.c_str());
        Loaded[key] = 0;
        return 0;
    }
    // Kept in the frame's own pixel format, so drawing never converts pixel by pixel.
    SDL_Surface* decoded = SDL_CreateRGBSurfaceWithFormatFrom(rgba.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_ABGR8888);
    SDL_Surface* surface = decoded ? SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    if (decoded) SDL_FreeSurface(decoded);
    if (!surface) {
        Loaded[key] = 0;
        return 0;
    }
    ImageRecord record;
    record.surface = surface;
    record.opaque = true;
    for (size_t i = 3; i < rgba.size() && record.opaque; i += 4) record.opaque = rgba[i] == 255;
    record.cellW = cellW > 0 ? cellW : w;
    record.cellH = cellH > 0 ? cellH : h;
    record.columns = w / record.cellW > 0 ? w / record.cellW : 1;
    const int available = record.columns * (h / record.cellH);
    record.frames = frames > 0 ? (frames < available ? frames : available) : 1;
    record.centred = centred;
    if (record.cellW > w || record.cellH > h) record.frames = 0;
    Images.push_back(record);
    const Image handle = static_cast<Image>(Images.size() - 1);
    Loaded[key] = handle;
    return handle;
}

void CopyFrame(Image image, int frame, const SDL_FRect& dst, bool flipX, bool flipY) {
    if (image <= 0 || image >= static_cast<Image>(Images.size())) return;
    ImageRecord& record = Images[image];
    if (frame < 0 || frame >= record.frames) return;
    SDL_Texture* texture = TextureOf(record);
    if (!texture) return;
    const SDL_Rect src{(frame % record.columns) * record.cellW, (frame / record.columns) * record.cellH, record.cellW,
                       record.cellH};
    DrawCommand c = TintedCommand(DrawCommand::Copy);
    c.blend = !(record.opaque && c.a == 255);
    c.flip = static_cast<Uint8>((flipX ? SDL_FLIP_HORIZONTAL : 0) | (flipY ? SDL_FLIP_VERTICAL : 0));
    c.texture = texture;
    c.src = src;
    c.dst = dst;
    FrameCommands.push_back(c);
}

}  // namespace

void ReleaseImages() {
    ForgetDrawnFrames();
    for (ImageRecord& record : Images) {
        if (record.texture && record.textureGeneration == RendererGeneration()) SDL_DestroyTexture(record.texture);
        if (record.surface) SDL_FreeSurface(record.surface);
        record = ImageRecord();
    }
    Images.resize(1);
    Loaded.clear();
    FontSheet = -1;
}

void SetColor(int r, int g, int b) {
    Draw.r = static_cast<Uint8>(r < 0 ? 0 : (r > 255 ? 255 : r));
    Draw.g = static_cast<Uint8>(g < 0 ? 0 : (g > 255 ? 255 : g));
    Draw.b = static_cast<Uint8>(b < 0 ? 0 : (b > 255 ? 255 : b));
}

void SetAlpha(double a) { Draw.alpha = a; }

void SetScale(double sx, double sy) {
    Draw.sx = sx;
    Draw.sy = sy;
}

void SetBlendAlpha() {
    if (SDL_Renderer* renderer = CurrentRenderer()) SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
}

void SetClearColor(int r, int g, int b) {
    Draw.clearR = static_cast<Uint8>(r < 0 ? 0 : (r > 255 ? 255 : r));
    Draw.clearG = static_cast<Uint8>(g < 0 ? 0 : (g > 255 ? 255 : g));
    Draw.clearB = static_cast<Uint8>(b < 0 ? 0 : (b > 255 ? 255 : b));
}

void ClearScreen() {
    if (!CurrentRenderer()) return;
    DrawCommand c;
    c.kind = DrawCommand::Clear;
    c.r = Draw.clearR;
    c.g = Draw.clearG;
    c.b = Draw.clearB;
    FrameCommands.push_back(c);
}

void DrawRect(int x, int y, int w, int h) {
    if (!CurrentRenderer() || w <= 0 || h <= 0) return;
    DrawCommand c = TintedCommand(DrawCommand::Fill);
    // An opaque rectangle is a plain fill: blending it would give the same pixels,
    // only far slower in the software renderer.
    c.blend = c.a != 255;
    c.dst = SDL_FRect{static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h)};
    FrameCommands.push_back(c);
}

Image LoadImage(const std::string& gamePath, bool centred) { return Load(gamePath, 0, 0, 1, centred); }

Image LoadSheet(const std::string& gamePath, int cellW, int cellH, int frames) {
    if (cellW <= 0 || cellH <= 0 || frames <= 0) return 0;
    return Load(gamePath, cellW, cellH, frames, false);
}

void DrawImage(Image image, double x, double y, int frame) {
    if (image <= 0 || image >= static_cast<Image>(Images.size())) return;
    const ImageRecord& record = Images[image];
    if (Draw.sx == 0 || Draw.sy == 0) return;
    const double ax = std::fabs(Draw.sx);
    const double ay = std::fabs(Draw.sy);
    // Scaling happens about the handle: the top-left corner, or the centre.
    const double hx = record.centred ? record.cellW / 2.0 : 0.0;
    const double hy = record.centred ? record.cellH / 2.0 : 0.0;
    const SDL_FRect dst{static_cast<float>(x - hx * ax), static_cast<float>(y - hy * ay),
                        static_cast<float>(record.cellW * ax), static_cast<float>(record.cellH * ay)};
    CopyFrame(image, frame, dst, Draw.sx < 0, Draw.sy < 0);
}

void SetTextWatcher(TextWatcher watcher) { Watcher = watcher; }

void DrawText(const std::string& text, int x, int y) {
    if (Watcher) Watcher(text, x, y);
    // With no screen open nothing is drawn, and the font is not read for nothing (a rule
    // tested without a screen would otherwise keep its pixels past the end of the program).
    if (!CurrentRenderer()) return;
    if (FontSheet < 0) FontSheet = LoadSheet("images/font.png", GlyphW, GlyphH, FontGlyphs);
    if (FontSheet == 0) return;
    int penX = x;
    for (const char ch : text) {
        const int c = static_cast<unsigned char>(ch);
        // Characters outside the font are shown as '?', so nothing silently vanishes.
        const int glyph = (c >= FontFirstChar && c < FontFirstChar + FontGlyphs) ? c - FontFirstChar
                                                                                 : '?' - FontFirstChar;
        if (c != ' ') {
            const SDL_FRect dst{static_cast<float>(penX), static_cast<float>(y), GlyphW, GlyphH};
            CopyFrame(FontSheet, glyph, dst, false, false);
        }
        penX += GlyphW;
    }
}

bool SaveFrame(const std::string& path, std::string& error) {
    SDL_Renderer* renderer = CurrentRenderer();
    if (!renderer) {
        error = "no screen is open";
        return false;
    }
    DrawPending();
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ABGR8888, rgba.data(), w * 4) != 0) {
        error = SDL_GetError();
        return false;
    }
    // The screen has no transparency of its own.
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
    return SavePng(path, w, h, rgba, error);
}

unsigned FramePixel(int x, int y) {
    SDL_Renderer* renderer = CurrentRenderer();
    if (!renderer) return 0;
    DrawPending();
    Uint32 pixel = 0;
    const SDL_Rect rect{x, y, 1, 1};
    if (SDL_RenderReadPixels(renderer, &rect, SDL_PIXELFORMAT_RGB888, &pixel, 4) != 0) return 0;
    return pixel & 0xFFFFFF;
}

bool FinishFrameDrawing() {
    const bool same = ShownValid && FrameDrawnUpTo == 0 && FrameCommands.size() == ShownCommands.size() &&
                      std::equal(FrameCommands.begin(), FrameCommands.end(), ShownCommands.begin(), SameCommand);
    if (!same) DrawPending();
    ShownCommands.swap(FrameCommands);
    ShownValid = CurrentRenderer() != nullptr;
    FrameCommands.clear();
    FrameDrawnUpTo = 0;
    return !same;
}

void ForgetDrawnFrames() {
    FrameCommands.clear();
    FrameDrawnUpTo = 0;
    ShownCommands.clear();
    ShownValid = false;
}

void RedrawNextFrame() { ShownValid = false; }
