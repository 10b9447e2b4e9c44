// PNG reader through the system's libpng: every colour type is expanded to 8-bit RGB
// or RGBA and becomes a true-colour document (alpha kept as transparency).
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"

enum {
  PNG_READ_OK = 0,
  PNG_READ_ETOOSMALL = 1,   // fewer than 14 bytes
  PNG_READ_ESIGNATURE = 2,  // not a PNG signature
  PNG_READ_ELIBPNG = 3,     // libpng reported an error; its text is returned
  PNG_READ_ETOOLARGE = 4,   // beyond the document's limits (IMAGE_FitsLimits)
};

// Ancillary chunks libpng keeps (text, unknown) and the largest one it allocates,
// decompressed: a file cannot make the reader hold more than these besides the document.
enum { PNG_MAX_CACHED_CHUNKS = 1000, PNG_MAX_CHUNK_BYTES = 8 << 20 };

// Decodes a PNG held in memory straight into the document, row by row (interlaced images
// pass by pass), with no image-sized buffer besides it. On success *ppDoc receives the
// document. On
// PNG_READ_ELIBPNG, errText (capacity errCap) receives libpng's message. No messages.
int PNG_Decode(const uint8_t* pData, size_t size, ImageDocument** ppDoc, char* errText,
               size_t errCap);

ImageDocument* IMAGE_ReadPNG(const char* path);
