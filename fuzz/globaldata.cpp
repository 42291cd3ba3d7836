// The options and garden plots, GlobalData.dat, as start-up reads them.
#include <cstdint>
#include <string>

#include "fuzz_files.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseRamDataRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadGlobalFilesWith("GlobalData.dat", data, size);
    return 0;
}
