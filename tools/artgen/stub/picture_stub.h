// Stand-in declaration used only while the large-picture renderer is absent.
#pragma once
#include <string>

#include "../canvas.h"

bool RenderPicture(const std::string& sourcePath, const std::string& artDir, Canvas& out, std::string& err);
