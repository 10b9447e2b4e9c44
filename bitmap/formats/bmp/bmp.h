// BMP files and the DIB exchange used by them and the clipboard: parsing a
// BITMAPINFOHEADER block into a document, the DIB form of a document and the BMP reader.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"

// DIB exchange. IMAGE_FromDIB parses a BITMAPINFOHEADER block of `size` bytes; pBits,
// when given, points at the pixel data inside that block (bitsSize bytes available).
// Failures have been reported as warnings when it returns null.
ImageDocument* IMAGE_FromDIB(const uint8_t* pInfo, size_t size, const uint8_t* pBits,
                             size_t bitsSize);
// Status-code form for tests and fuzzers: no messages; 0 or an IMAGE_DIB_E* code.
// *ppText receives the failure or progress text; *ppWarning a non-fatal warning or null.
int IMAGE_ParseDIB(const uint8_t* pInfo, size_t size, const uint8_t* pBits, size_t bitsSize,
                   ImageDocument** ppDoc, const char** ppText, const char** ppWarning);
enum { IMAGE_DIB_OK = 0, IMAGE_DIB_EFORMAT = 1, IMAGE_DIB_ETOOLARGE = 2, IMAGE_DIB_ENOMEM = 3 };

size_t IMAGE_GetDIBSize(const ImageDocument* doc);
// Writes IMAGE_GetDIBSize bytes; returns the number written (0 for unsupported depths).
size_t IMAGE_ToDIB(const ImageDocument* doc, uint8_t* dest);

// Reads a BMP file; reports its own failures and returns null.
ImageDocument* IMAGE_ReadBMP(const char* path);
