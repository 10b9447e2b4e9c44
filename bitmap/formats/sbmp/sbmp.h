// Streamed bitmap (.sbmp) reader: "SB", width, height, palette size, palette and
// run-length pixel data. Read only; the converter never writes this format.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"

enum {
  SBMP_OK = 0,
  SBMP_ESHORT_HEADER = 1,   // fewer than 8 bytes
  SBMP_EHEADER = 2,         // not "SB"
  SBMP_ESHORT_PALETTE = 3,  // the colour table is cut off
  SBMP_ECREATE = 4,         // no document of that size (zero, or no memory)
  SBMP_ETRUNCATED = 5,      // runs end early; the document is still returned
  SBMP_ETOOLARGE = 6,       // beyond the document's limits (IMAGE_FitsLimits)
};

#define SBMP_MAX_FILE_SIZE 8000000u

// Parses a whole file held in memory. On SBMP_OK and SBMP_ETRUNCATED *ppDoc receives
// the document, else null. No messages.
int SBMP_Parse(const uint8_t* pData, size_t size, ImageDocument** ppDoc);
// The warning a status stands for, or null (SBMP_OK, SBMP_ECREATE).
const char* SBMP_StatusText(int status);

ImageDocument* IMAGE_ReadSBMP(const char* path);
