#pragma once
#include <string>
#include "canvas.h"
// Renders one large picture from its source file; false with a reason in err on failure.
bool RenderPicture(const std::string& sourcePath, const std::string& artDir, Canvas& out, std::string& err);
// The same from a source text already in memory; `name` stands for its file in messages,
// and `include` lines still read from artDir.
bool RenderPictureText(const std::string& text, const std::string& name, const std::string& artDir, Canvas& out,
                       std::string& err);
