// Palette files (.GUIPal): "VorixPal", a 32-bit colour count (2 to 256 for the reader),
// 4 reserved bytes, then one 32-bit ColorValue per entry, all little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "bitmap/document/image.h"

enum {
  PALETTE_OK = 0,
  PALETTE_EMPTY,          // a file of size 0: accepted, nothing read
  PALETTE_EHEADER_SHORT,  // fewer than 8 bytes
  PALETTE_EHEADER,        // not "VorixPal"
  PALETTE_ECOUNT_SHORT,
  PALETTE_ETOO_MANY,
  PALETTE_ETOO_FEW,
  PALETTE_ERESERVED_SHORT,
  PALETTE_EDATA_SHORT,
  PALETTE_EOPEN,
  PALETTE_ESTAT,
};

// Parses a whole file's bytes. On PALETTE_OK the colours go to aColor (256 entries)
// and their number to *pNumColors; nothing is written otherwise.
int PALETTE_Parse(const uint8_t* data, size_t size, ColorValue aColor[256], int* pNumColors);
// The text reported for a failure status, null for PALETTE_OK and PALETTE_EMPTY.
const char* PALETTE_StatusText(int status);

// Reads a palette file into the custom palette (IMAGE_CustomPalette). 0 on success
// (an empty file succeeds and leaves the custom palette as it was), 1 after reporting
// the failure; the custom palette is unchanged on failure.
int PALETTE_Read(const char* path);

// Writes the document's palette (NumColors 0 and no entries for a true-colour
// document) to an open file; 0 on success, 1 when a write fell short.
int PALETTE_Write(const ImageDocument* doc, FILE* file);
