// Pieces of the packed DIB that IMAGE_ToDIB writes, for writers that stream it row by
// row (the BMP writer) instead of building the whole block in memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"

// Output depth: 1, 4 or 8 bits for palettes of at most 2, 16 or 256 entries; 32 bits
// for true colour with alpha, else 24. 0 when the document cannot be written.
int IMAGE_GetDIBBitCount(const ImageDocument* doc);
// Bytes of one output row, padded to a multiple of 4.
size_t IMAGE_GetDIBRowSize(const ImageDocument* doc);
// BITMAPINFOHEADER and palette: 40 + 4 x NumColors bytes.
size_t IMAGE_GetDIBHeaderSize(const ImageDocument* doc);
void IMAGE_WriteDIBHeader(const ImageDocument* doc, uint8_t* dest);
// Image row y (0 is the top) in output form, IMAGE_GetDIBRowSize bytes.
void IMAGE_WriteDIBRow(const ImageDocument* doc, int32_t y, uint8_t* dest);
