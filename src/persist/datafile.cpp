#include "persist/datafile.h"

#include <cstdio>

bool ReadDataFile(const std::string& name, int minBytes, int maxBytes, IntStream& stream) {
    const int size = FileSize(name);
    if (size == -1) return false;
    // The size is checked before anything is read, so even a huge file costs nothing.
    if (size < minBytes || size > maxBytes) {
        const std::string expected = minBytes == maxBytes
                                         ? std::to_string(minBytes)
                                         : std::to_string(minBytes) + " to " + std::to_string(maxBytes);
        SetDamagedFileAside(name, "it has " + std::to_string(size) + " bytes instead of " + expected);
        return false;
    }
    if (!ReadWholeFile(name, stream.bytes)) {
        std::fprintf(stderr, "hoofbound: %s could not be read; using the defaults\n", name.c_str());
        return false;
    }
    stream.pos = 0;
    stream.overrun = false;
    return true;
}

bool SetDamagedFileAside(const std::string& name, const std::string& why) {
    const std::string aside = SetFileAside(name);
    if (aside.empty()) {
        std::fprintf(stderr, "hoofbound: %s is damaged (%s); ignoring it and using the defaults\n", name.c_str(),
                     why.c_str());
        return false;
    }
    std::fprintf(stderr, "hoofbound: %s is damaged (%s); it is kept as %s and the defaults are used\n", name.c_str(),
                 why.c_str(), aside.c_str());
    return true;
}

std::string OutsideRange(const char* what, int value, int low, int high) {
    if (value >= low && value <= high) return std::string();
    return std::string(what) + " is " + std::to_string(value);
}
