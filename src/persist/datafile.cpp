#include "persist/datafile.h"

#include <cstdio>

DataFileRead ReadDataFile(const std::string& name, int minBytes, int maxBytes, IntStream& stream, std::string* reason) {
    const int kind = FileKind(name);
    if (kind == 0) return DataMissing;
    std::string why;
    if (kind == 2) {
        why = "a folder stands in its place";
    } else if (kind != 1) {
        why = "it is not a file";
    } else {
        // The size is checked before anything is read, so even a huge file costs nothing.
        const int size = FileSize(name);
        if (size < minBytes || size > maxBytes) {
            const std::string expected = minBytes == maxBytes
                                             ? std::to_string(minBytes)
                                             : std::to_string(minBytes) + " to " + std::to_string(maxBytes);
            why = "it has " + std::to_string(size) + " bytes instead of " + expected;
        } else if (ReadWholeFile(name, stream.bytes, static_cast<size_t>(maxBytes), why)) {
            stream.pos = 0;
            stream.overrun = false;
            return DataRead;
        } else {
            why = "it cannot be read: " + why;
        }
    }
    SetDamagedFileAside(name, why);
    if (reason) *reason = why;
    return DataDamaged;
}

std::string SetDamagedFileAside(const std::string& name, const std::string& why) {
    const std::string aside = SetFileAside(name, why);
    if (aside.empty()) {
        std::fprintf(stderr, "hoofbound: %s is damaged (%s); it could not be moved aside and is ignored\n",
                     name.c_str(), why.c_str());
    } else {
        std::fprintf(stderr, "hoofbound: %s is damaged (%s); it is kept as %s\n", name.c_str(), why.c_str(),
                     aside.c_str());
    }
    return aside;
}

std::string OutsideRange(const char* what, int value, int low, int high) {
    if (value >= low && value <= high) return std::string();
    return std::string(what) + " is " + std::to_string(value);
}
