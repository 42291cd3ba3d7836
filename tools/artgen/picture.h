#pragma once
#include <string>
#include "canvas.h"
// Renders one large picture from its source file; false with a reason in err on failure.
bool RenderPicture(const std::string& sourcePath, const std::string& artDir, Canvas& out, std::string& err);
