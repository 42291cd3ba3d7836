// The save game: World/savedata.dat as Load Game reads it, and the same bytes through
// the tools' reader of a save at any path; a save that loads is then played a while.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "persist/reset.h"
#include "persist/savegame.h"
#include "persist/sector.h"
#include "play_after_load.h"
#include "rules/sector_change.h"

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
    if (LoadGame(message)) {
        std::string sectorMessage;
        if (!ReadSector(sectorMessage)) GenerateNewSector();
        PlayAfterLoad();
    }
    ClearFile(name);
    return 0;
}
