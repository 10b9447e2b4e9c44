// JPEG decoder (ITU-T T.81, Huffman coding, 8-bit samples): sequential and progressive,
// grey or YCbCr with luma sampled 1x1, 2x1, 1x2 or 2x2 and chroma 1x1. Output is a
// true-colour document, pixel for pixel what the accurate integer IDCT with replicated
// chroma gives.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"

// Data callback: points *ppData at up to numBytes bytes of the input starting at
// offset and returns how many bytes are there (0 at or beyond the end).
typedef size_t (*JPEG_DataFunc)(void* pContext, const uint8_t** ppData, size_t numBytes, size_t offset);

enum {
  JPEG_OK = 0,
  JPEG_ENOTJPEG = 1,      // no start-of-image marker
  JPEG_EFORMAT = 2,       // a structural error in the markers or segments
  JPEG_EUNSUPPORTED = 3,  // a frame type, sampling layout or colour model the decoder refuses
  JPEG_ETRUNCATED = 4,    // the data ended before the image did
  JPEG_ENOMEM = 5,        // no memory
  JPEG_ETOOLARGE = 6,     // the document and the coefficients it needs exceed IMAGE_FitsLimits
  JPEG_ETOOMANYSCANS = 7, // more than JPEG_MAX_SCANS scans
};

// A progressive image has about ten scans; more than this many is refused (every scan
// walks the whole image).
enum { JPEG_CHUNK_SIZE = 4096, JPEG_MAX_SCANS = 500 };

// Decodes the stream the callback delivers. On success *ppDoc receives the document;
// on failure it is null. No messages.
int JPEG_Decode(JPEG_DataFunc pfData, void* pContext, ImageDocument** ppDoc);
// The same over a buffer in memory.
int JPEG_DecodeMemory(const uint8_t* pData, size_t size, ImageDocument** ppDoc);
// Reads the markers up to the frame header and gives the frame size (0 or a failure).
int JPEG_GetSize(const uint8_t* pData, size_t size, uint32_t* pWidth, uint32_t* pHeight);

ImageDocument* IMAGE_ReadJPEG(const char* path);
