// hoofprobe map: a generated sector drawn as the map view draws it, every cell in
// view, cut out of the screen into a 720 x 576 picture.
#include <cstdio>
#include <string>
#include <vector>

#include "core/pictures.h"
#include "core/state.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "probe_sector.h"
#include "view/mapview.h"
#include "worldgen/generator.h"

int ProbeMap(const std::vector<std::string>& args) {
    std::string out;
    int before = 0;
    if (!GenerateProbeSector(args, true, out, before)) return 2;
    if (out.empty()) {
        std::fprintf(stderr, "hoofprobe: map needs --out FILE\n");
        return 2;
    }
    if (!GenerateSector()) {
        std::printf("failed %s\n", SectorGenFailure.c_str());
        return 3;
    }
    std::string error;
    PlatformOptions options;
    options.headless = true;
    if (!StartPlatform(options, error)) {
        std::fprintf(stderr, "hoofprobe: %s\n", error.c_str());
        return 1;
    }
    ScreenWidth = 1024;
    ScreenHeight = 768;
    OpenScreen(ScreenWidth, ScreenHeight);
    SetBlendAlpha();
    SetClearColor(150, 150, 205);
    LoadSheets();
    ClearScreen();
    for (auto& column : MapSeen)
        for (int& cell : column) cell = 2;
    // A healthy hero, so the picture shows the world's own colours.
    if (MonHp[0] < 10) MonHp[0] = 10;
    // No skill is being aimed: no target square.
    TargetX = -1;
    TargetY = -1;
    DrawMapView();
    const std::string whole = out + ".screen.png";
    int w = 0;
    int h = 0;
    std::vector<uint8_t> screen;
    if (!SaveFrame(whole, error) || !LoadPng(whole, w, h, screen, error)) {
        std::fprintf(stderr, "hoofprobe: %s\n", error.c_str());
        return 1;
    }
    std::remove(whole.c_str());
    constexpr int MapW = 720;
    constexpr int MapH = 576;
    std::vector<uint8_t> map(static_cast<size_t>(MapW) * MapH * 4);
    for (int y = 0; y < MapH; ++y)
        for (int x = 0; x < MapW; ++x)
            for (int c = 0; c < 4; ++c)
                map[(static_cast<size_t>(y) * MapW + x) * 4 + c] =
                    screen[(static_cast<size_t>(y + 90) * w + x + 300) * 4 + c];
    if (!SavePng(out, MapW, MapH, map, error)) {
        std::fprintf(stderr, "hoofprobe: %s\n", error.c_str());
        return 1;
    }
    StopPlatform();
    return 0;
}
