// A sector file, World/Forest<depth>.flr, as the sector change reads it.
#include <cstdint>
#include <string>

#include "core/state.h"
#include "fuzz_files.h"
#include "persist/reset.h"
#include "persist/sector.h"

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
    ReadSector(message);
    ClearFile(name);
    return 0;
}
