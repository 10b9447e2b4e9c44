// XBF (external binary font) writer: header, an offset table over the codes from
// the first to the last enabled one, the character records and the type trailer.
#pragma once

#include <cstdio>

#include "font/formats/font_output.h"

// Returns 1 after "Nothing to save!", else 0.
int XBF_Write(FontDoc* doc, FILE* file, const FontSaveOptions& options);
