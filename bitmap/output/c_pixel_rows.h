// Uncompressed pixel data of generated C files, row by row from the top: packed palette
// indices (1, 2, 4, 8 bits), 16-bit values, 24-bit bytes, alpha + 16-bit and 32-bit values.
// Each function writes the rows and the array's closing line.
#pragma once

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/c_text_writer.h"

// Palette indices packed most significant bits first, bitsPerPixel 1, 2, 4 or 8.
// 1 bit per pixel writes each byte as a pattern of X (set) and _ (clear).
void CPIXEL_WriteIndexRows(CTextWriter* w, const ImageDocument* doc, int bitsPerPixel);
// Formats 8-11, 16, 17, 19-29 and 99, from the pixel colours.
void CPIXEL_WriteColorRows(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* format);
