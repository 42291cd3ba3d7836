// What the save and sector targets do after a load that succeeded: a few hundred frames
// of play on the headless screen (walking, waiting, fighting what comes), then a save and
// a load again. A value a load accepted must neither overflow in play (the sanitizers
// report it) nor come back as a save that is refused: then the input is a finding.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/frame.h"
#include "core/loop/turnloop.h"
#include "core/state.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rules/fieldofview.h"
#include "worldgen/terrain.h"

inline void PlayAfterLoad() {
    static std::string script;
    if (script.empty()) {
        script = DataPath("fuzz-play.txt");
        FILE* f = std::fopen(script.c_str(), "w");
        if (!f) std::abort();
        std::fputs(
            "hold Right\nwait 40\nrelease Right\nhold Down\nwait 40\nrelease Down\nhold Left\nwait 40\n"
            "release Left\nhold Up\nwait 40\nrelease Up\nhold Space\nwait 140\nrelease Space\n",
            f);
        std::fclose(f);
    }
    PlatformOptions options;
    options.headless = true;
    options.scriptPath = script;
    std::string error;
    if (!StartPlatform(options, error)) {
        std::fprintf(stderr, "hoofuzz: %s\n", error.c_str());
        std::abort();
    }
    OpenScreen(1024, 768);
    QuitRequest = 0;
    InputDelay = 0;
    RefreshFrames();
    ComputeView();
    RunTurnLoop();
    StopPlatform();
    const bool going = GameInProgress > 0 && GameOver == 0;
    QuitRequest = 0;
    if (!going || !SaveGame()) return;
    ResetGame();
    std::string message;
    if (!LoadGame(message)) {
        std::fprintf(stderr, "hoofuzz: a save the load accepted was refused after play: %s\n", message.c_str());
        std::abort();
    }
}
