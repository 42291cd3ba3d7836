// The comforts switched on, Settings.txt, as start-up reads it.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "persist/settings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseRamDataRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile("Settings.txt", data, size);
    ReadSettings();
    ClearFile("Settings.txt");
    return 0;
}
