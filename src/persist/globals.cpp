#include "persist/globals.h"

#include <cstdio>
#include <vector>

#include "core/state.h"
#include "platform/files.h"

namespace {

const char* const GlobalDataFile = "GlobalData.dat";
const char* const RecipeBookFile = "RecipeBook.dat";

// Reads a file of exactly `count` ints into `table`; anything else leaves the table alone.
void ReadIntTable(const char* name, int* table, int count) {
    if (FileSize(name) == -1) return;
    IntStream stream;
    if (!ReadWholeFile(name, stream.bytes)) {
        std::fprintf(stderr, "hoofbound: %s could not be read; using the defaults\n", name);
        return;
    }
    if (stream.bytes.size() != static_cast<size_t>(count) * 4) {
        std::fprintf(stderr, "hoofbound: %s has %zu bytes instead of %d; ignoring it and using the defaults\n", name,
                     stream.bytes.size(), count * 4);
        return;
    }
    for (int i = 0; i < count; ++i) table[i] = ReadInt(stream);
}

bool WriteIntTable(const char* name, const int* table, int count) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i) WriteInt(bytes, table[i]);
    return WriteWholeFile(name, bytes);
}

}  // namespace

void ReadGlobalFiles() {
    ReadIntTable(GlobalDataFile, GlobalData, GlobalDataCount);
    // The screen mode and the debug switch are 0 or 1; anything else would pick no
    // screen size at all, so it falls back to the default.
    for (int entry : {12, 13}) {
        if (GlobalData[entry] != 0 && GlobalData[entry] != 1) {
            std::fprintf(stderr, "hoofbound: %s entry %d holds %d, which is not 0 or 1; using 0\n", GlobalDataFile, entry,
                         GlobalData[entry]);
            GlobalData[entry] = 0;
        }
    }
    ReadIntTable(RecipeBookFile, RecipeBook, RecipeBookCount);
}

bool WriteGlobalData() { return WriteIntTable(GlobalDataFile, GlobalData, GlobalDataCount); }

bool WriteRecipeBook() { return WriteIntTable(RecipeBookFile, RecipeBook, RecipeBookCount); }
