#include "persist/globals.h"

#include <cstdio>
#include <vector>

#include "core/state.h"
#include "persist/datafile.h"
#include "platform/files.h"

namespace {

const char* const GlobalDataFile = "GlobalData.dat";
const char* const RecipeBookFile = "RecipeBook.dat";

// Reads a file of exactly `count` ints into `table`; a damaged file leaves the table alone.
void ReadIntTable(const char* name, int* table, int count) {
    IntStream stream;
    if (!ReadDataFile(name, count * 4, count * 4, stream)) return;
    for (int i = 0; i < count; ++i) table[i] = ReadInt(stream);
}

// The garden plots hold a fruit (101..106) or nothing, their growth counts up from 0,
// the two switches are 0 or 1 and the rest is unused. Anything else would later index
// outside the item tables or pick no screen size, so it is set back to its default.
void CheckGlobalData() {
    std::string fixed;
    auto reset = [&](int entry) {
        fixed += (fixed.empty() ? "" : ", ") + std::to_string(entry) + " (" + std::to_string(GlobalData[entry]) + ")";
        GlobalData[entry] = 0;
    };
    for (int plot = 0; plot <= 5; ++plot) {
        const int fruit = GlobalData[plot];
        if (fruit != 0 && (fruit < 101 || fruit > 106)) {
            reset(plot);
            if (GlobalData[plot + 6] != 0) reset(plot + 6);
        }
    }
    for (int growth = 6; growth <= 11; ++growth) {
        if (GlobalData[growth] < 0) reset(growth);
    }
    for (int entry : {12, 13}) {
        if (GlobalData[entry] != 0 && GlobalData[entry] != 1) reset(entry);
    }
    for (int entry = 14; entry < GlobalDataCount; ++entry) {
        if (GlobalData[entry] != 0) reset(entry);
    }
    if (!fixed.empty())
        std::fprintf(stderr, "hoofbound: %s held impossible values in entries %s; those are set back to 0\n",
                     GlobalDataFile, fixed.c_str());
}

bool WriteIntTable(const char* name, const int* table, int count) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i) WriteInt(bytes, table[i]);
    return WriteWholeFile(name, bytes);
}

}  // namespace

void ReadGlobalFiles() {
    ReadIntTable(GlobalDataFile, GlobalData, GlobalDataCount);
    CheckGlobalData();
    ReadIntTable(RecipeBookFile, RecipeBook, RecipeBookCount);
    // A recipe is known (1) or not (0).
    for (int& known : RecipeBook) known = known != 0 ? 1 : 0;
}

bool WriteGlobalData() { return WriteIntTable(GlobalDataFile, GlobalData, GlobalDataCount); }

bool WriteRecipeBook() { return WriteIntTable(RecipeBookFile, RecipeBook, RecipeBookCount); }
