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
};

// Decodes a PNG held in memory. On success *ppDoc receives the document. On
// PNG_READ_ELIBPNG, errText (capacity errCap) receives libpng's message. No messages.
int PNG_Decode(const uint8_t* pData, size_t size, ImageDocument** ppDoc, char* errText,
               size_t errCap);

ImageDocument* IMAGE_ReadPNG(const char* path);
