// A sector file, World/Forest<depth>.flr, as the sector change reads it; a sector that
// loads is then played a while.
#include <cstdint>
#include <string>

#include "core/state.h"
#include "fuzz_files.h"
#include "persist/reset.h"
#include "persist/heroes.h"
#include "persist/sector.h"
#include "play_after_load.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseRamDataRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetGame();
    Depth = 0;
    const std::string name = SectorFileName(Depth);
    ClearFile(name);
    PutFile(name, data, size);
    std::string message;
    if (ReadSector(message)) {
        // A fresh hero of the first kind walks into it and plays a while.
        HeroId = 1;
        SetUpHero();
        for (int& slot : Equip) slot = -1;
        MonX[0] = 22;
        MonY[0] = 18;
        PlayAfterLoad();
    }
    ClearFile(name);
    return 0;
}
