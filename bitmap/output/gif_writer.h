// GIF89a writer of a paletted document (at most 256 colours): global colour table,
// a graphic control extension for a transparent index 0, one image.
#pragma once

#include <cstdint>

#include "bitmap/document/image.h"
#include "common/output/buffered_writer.h"

// Colour table entries of a palette of numColors (1-256): 2 for one or two colours,
// else the next power of two, at least 4.
int GIF_TableSize(int numColors);
// Writes the whole file; false when the document has no fitting palette, is larger
// than 65535 pixels in either direction, or a write failed.
bool GIF_Write(const ImageDocument* doc, OutWriter* w);
