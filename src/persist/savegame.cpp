#include "persist/savegame.h"

void SaveRunBeforeQuit() {
    // Nothing to write yet: no turn loop can be entered until the game itself exists,
    // so a run is never in progress when the program ends. The save game and the
    // sector file are written here once they do.
}
