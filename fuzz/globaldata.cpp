// The options and garden plots, GlobalData.dat, as start-up reads them.
#include <cstdint>
#include <string>

#include "core/state.h"
#include "fuzz_files.h"
#include "persist/globals.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseRamDataRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int& v : GlobalData) v = 0;
    for (int& v : RecipeBook) v = 0;
    PutFile("GlobalData.dat", data, size);
    ReadGlobalFiles();
    ClearFile("GlobalData.dat");
    return 0;
}
