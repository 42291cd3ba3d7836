// A high-score table's file, Highscores.dat (the other two tables share its reader), as
// start-up reads it.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "persist/highscores.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseRamDataRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name = HighScoreFile(0);
    PutFile(name, data, size);
    ReadHighScores();
    ClearFile(name);
    return 0;
}
