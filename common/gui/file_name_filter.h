// The file name of a file dialog follows the chosen filter: the extension is the
// filter's first pattern without its leading "*.", put after the name's text before
// its first dot.
#pragma once

#include <string>

// "bmp" for "*.bmp" or "*.bmp;*.dib"; empty for "*" or "*.*".
std::string GUI_FilterExtension(const char* patterns);
// The name with the filter's extension: "dir/logo.c" with "*.bmp" gives "dir/logo.bmp".
// The folder part is kept; a name without a dot gets one; an empty extension keeps the name.
std::string GUI_NameForFilter(const std::string& name, const char* patterns);
