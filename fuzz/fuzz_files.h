// What the file readers' fuzz targets share: a data root in a RAM folder, and putting
// one input there under the name the game reads, as a player's damaged file would be.
// The readers report every damaged file on stderr: run the targets with -close_fd_mask=2
// (scripts/fuzz.sh does) and libFuzzer still prints its own lines and any crash.
#pragma once
#include <ftw.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/state.h"
#include "persist/globals.h"
#include "platform/files.h"
#include "scratch_folder.h"

// Makes a fresh data root (with World/) in a scratch folder of its own.
inline void UseRamDataRoot() {
    const std::string folder = MakeScratchFolder("hoofuzz");
    std::string error;
    if (!ChooseDataRoot(folder, error)) {
        std::fprintf(stderr, "hoofuzz: %s\n", error.c_str());
        std::abort();
    }
}

// Writes the input as the game's file `gamePath` in the data root.
inline void PutFile(const std::string& gamePath, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(DataPath(gamePath).c_str(), "wb");
    if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) {
        std::perror("hoofuzz: cannot write the input");
        std::abort();
    }
}

// Removes the file and whatever a reader set aside, so every input starts alike.
inline void ClearFile(const std::string& gamePath) {
    unlink(DataPath(gamePath).c_str());
    const auto remove = [](const char* path, const struct stat*, int, FTW*) { return std::remove(path); };
    nftw(DataPath("Damaged").c_str(), remove, 16, FTW_DEPTH | FTW_PHYS);
}

// Start-up reads GlobalData.dat and RecipeBook.dat together: one of them holds the
// input, the other is missing, and both tables start from zero as in a fresh program.
inline void ReadGlobalFilesWith(const std::string& gamePath, const uint8_t* data, size_t size) {
    for (int& v : GlobalData) v = 0;
    for (int& v : RecipeBook) v = 0;
    PutFile(gamePath, data, size);
    ReadGlobalFiles();
    ClearFile(gamePath);
}
