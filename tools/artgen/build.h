// Builds every output listed in <art>/sheets.txt.
#pragma once
#include <string>
#include <vector>

#include "canvas.h"
#include "sprite_source.h"

struct BuiltOutput {
    OutputEntry entry;
    Canvas image;
    FrameSet frames;  // the cells of a sheet or the font; empty for pictures and images
};

// Reads and renders everything in memory; nothing is written. On failure err
// is "file:line: reason".
bool BuildAllOutputs(const std::string& artDir, std::vector<BuiltOutput>& outputs, std::string& err);

// Writes the outputs (and, when previewDir is not empty, their contact
// sheets) after everything has been built, so a broken source writes nothing.
bool WriteOutputs(const std::vector<BuiltOutput>& outputs, const std::string& outDir, const std::string& previewDir,
                  std::string& err);

// A contact sheet of a sheet's frames: each enlarged three times on a
// checkerboard, numbered underneath with the font when one is given.
Canvas MakeContactSheet(const FrameSet& frames, const Canvas* font);
