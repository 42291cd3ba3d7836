// The save game: World/savedata.dat as Load Game reads it, and the same bytes through
// the tools' reader of a save at any path.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "persist/reset.h"
#include "persist/savegame.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseRamDataRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name = "World/savedata.dat";
    ClearFile(name);
    PutFile(name, data, size);
    ResetGame();
    std::string reason;
    ReadSaveGameFile(DataPath(name), reason);
    ResetGame();
    std::string message;
    LoadGame(message);
    ClearFile(name);
    return 0;
}
