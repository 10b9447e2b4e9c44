// SIF ("System independent font file") writer: header, range table, one
// character-information record per character and the packed pixel data.
#pragma once

#include <cstdio>

#include "font/formats/font_output.h"

// Returns 1 after "Nothing to save!", else 0.
int SIF_Write(FontDoc* doc, FILE* file, const FontSaveOptions& options);
