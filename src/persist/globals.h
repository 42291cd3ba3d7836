// The files that outlive every game: options and garden plots (GlobalData.dat) and the
// recipes discovered so far (RecipeBook.dat).
#pragma once

// Reads GlobalData.dat and RecipeBook.dat when present. A file of the wrong length,
// or options out of range, is reported on stderr and leaves the defaults.
void ReadGlobalFiles();
// Writes GlobalData.dat whole; false when it could not be written (the old file stays).
bool WriteGlobalData();
// Writes RecipeBook.dat whole; false when it could not be written.
bool WriteRecipeBook();
