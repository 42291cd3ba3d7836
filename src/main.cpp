// hoofbound: reads the command line, picks the window or the headless target and
// hands over to start-up; when it returns, the program saves what must be saved and ends.
#include <cstdio>
#include <string>
#include <vector>

#include "core/cmdline.h"
#include "core/loop/dump.h"
#include "core/loop/startup.h"
#include "platform/files.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(args, line, error)) {
        std::fprintf(stderr, "hoofbound: %s\n%s", error.c_str(), UsageText());
        return 2;
    }
    if (line.help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("%s\n", WindowTitle);
        return 0;
    }
    if (!ChooseDataRoot(line.root, error)) {
        std::fprintf(stderr, "hoofbound: %s\n", error.c_str());
        return 2;
    }
    PlatformOptions platform;
    platform.headless = line.headless;
    platform.scriptPath = line.script;
    platform.clockStart = line.clock;
    if (!StartPlatform(platform, error)) {
        std::fprintf(stderr, "hoofbound: %s\n", error.c_str());
        return 2;
    }
    SetDumpWriter(WriteStateDump);
    LaunchOptions launch;
    launch.seedGiven = line.seedGiven;
    launch.seed = line.seed;
    StartUp(launch);
    FinishProgram();
    return 0;
}
