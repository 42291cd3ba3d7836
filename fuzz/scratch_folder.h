// A fresh folder for one fuzzing process, in /dev/shm (or $TMPDIR, or /tmp, where there
// is none), removed with everything in it when the process ends normally. A run that
// finds a crash leaves it behind, beside the input that made it.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string& ScratchFolderPath() {
    static std::string path;
    return path;
}

inline std::string MakeScratchFolder(const char* stem) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm"
                                                     : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    std::string folder = std::string(base) + "/" + stem + "-XXXXXX";
    if (!mkdtemp(folder.data())) {
        std::perror("hoofuzz: cannot make a scratch folder");
        std::abort();
    }
    ScratchFolderPath() = folder;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(ScratchFolderPath(), ignored);
    });
    return folder;
}
