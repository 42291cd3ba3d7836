#include "core/loop/screenshot.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/platform.h"

namespace {

constexpr int MostShots = 9999;

std::string ShotName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "Screenshot%04d.png", n);
    return name;
}

}  // namespace

std::string TakeScreenshot() {
    // A second copy of the game writes nothing into the data root it shares.
    if (DataRootShared()) return "No screenshot: another copy of the game is using this data folder";
    int n = 1;
    while (n <= MostShots && FileKind(ShotName(n)) != 0) ++n;
    if (n > MostShots) return "No screenshot: Screenshot9999.png is taken, make room first";
    const std::string path = DataPath(ShotName(n));
    std::string error;
    if (!SaveFrame(path, error)) return "No screenshot: " + error;
    return "Screenshot saved as " + path;
}
