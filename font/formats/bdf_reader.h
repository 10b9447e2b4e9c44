// BDF reader: the glyph images and their placement of a BDF font as an Extended
// (1 bpp, Unicode) document, every glyph trimmed to its ink.
#pragma once

#include <cstddef>

#include "font/model/font_doc.h"

// Parses a whole file image; null when the text is not a readable BDF font.
// progress (may be null) receives the percentage of characters read.
FontDoc* BDF_Parse(const char* data, size_t size, void (*progress)(int percent));

// Reads a BDF file; null after "Could not open file!" or "Could not create font!".
FontDoc* BDF_Read(const char* path);
