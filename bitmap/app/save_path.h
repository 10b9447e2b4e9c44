// Completion of a destination file name from the current image's path.
#pragma once

#include <string>

// A missing directory or file name in `name` is taken from `imagePath`; a missing
// extension becomes `defaultExt` (without the dot).
std::string RASTREL_CompletePath(const char* name, const char* imagePath, const char* defaultExt);
