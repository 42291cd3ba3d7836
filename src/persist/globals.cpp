#include "persist/globals.h"

#include <cstdio>
#include <vector>

#include "core/run_vars.h"
#include "core/state.h"
#include "items/food.h"
#include "persist/datafile.h"
#include "platform/files.h"

namespace {

const char* const GlobalDataFile = "GlobalData.dat";
const char* const RecipeBookFile = "RecipeBook.dat";

// Reads a file of exactly `count` ints into `table`; a damaged file leaves the table alone.
void ReadIntTable(const char* name, int* table, int count) {
    IntStream stream;
    if (ReadDataFile(name, count * 4, count * 4, stream) != DataRead) return;
    for (int i = 0; i < count; ++i) table[i] = ReadInt(stream);
}

// The garden plots hold a fruit (apple to jolt apple) or nothing, their growth counts up from 0,
// the two switches are 0 or 1 and the rest is unused. Anything else would later index
// outside the item tables or pick no screen size, so it is set back to its default.
void CheckGlobalData() {
    std::string fixed;
    auto reset = [&](int entry) {
        fixed += (fixed.empty() ? "" : ", ") + std::to_string(entry) + " (" + std::to_string(GlobalData[entry]) + ")";
        GlobalData[entry] = 0;
    };
    for (int k = 0; k < GardenPlots; ++k) {
        const int plot = GlobalGardenPlotFirst + k;
        const int fruit = GlobalData[plot];
        if (fruit != 0 && !IsFruit(fruit)) {
            reset(plot);
            if (GlobalData[GlobalGardenGrowthFirst + k] != 0) reset(GlobalGardenGrowthFirst + k);
        }
    }
    // Growth counts a turn at a time; past a billion turns it is damage (and would wrap).
    for (int growth = GlobalGardenGrowthFirst; growth <= GlobalGardenGrowthLast; ++growth) {
        if (GlobalData[growth] < 0) reset(growth);
        if (GlobalData[growth] > MostTurns) {
            fixed += (fixed.empty() ? "" : ", ") + std::to_string(growth) + " (" + std::to_string(GlobalData[growth]) + ")";
            GlobalData[growth] = MostTurns;  // a grown tree stays grown
        }
    }
    for (int entry : {GlobalScreenMode, GlobalDebugText}) {
        if (GlobalData[entry] != 0 && GlobalData[entry] != 1) reset(entry);
    }
    for (int entry = GlobalDebugText + 1; entry < GlobalDataCount; ++entry) {
        if (GlobalData[entry] != 0) reset(entry);
    }
    if (!fixed.empty())
        std::fprintf(stderr, "hoofbound: %s held impossible values in entries %s; those are set back to 0 (a growth past reach to its most)\n",
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
