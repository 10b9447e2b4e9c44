// Shared between the DIB parser and its decoders (uncompressed rows, RLE4/RLE8,
// bit fields). Every byte of the input goes through DibBytes, which answers 0 past
// the end of the data, so a short block decodes as if it were zero-filled.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"

enum {
  DIB_BI_RGB = 0,
  DIB_BI_RLE8 = 1,
  DIB_BI_RLE4 = 2,
  DIB_BI_BITFIELDS = 3,
};

// A byte range; reads past its end give 0.
struct DibBytes {
  const uint8_t* pData;
  size_t Size;
};

inline uint8_t DIB_Byte(const DibBytes& b, uint64_t offset) {
  return offset < b.Size ? b.pData[offset] : 0;
}
inline uint32_t DIB_U16(const DibBytes& b, uint64_t offset) {
  return DIB_Byte(b, offset) | (DIB_Byte(b, offset + 1) << 8);
}
inline uint32_t DIB_U32(const DibBytes& b, uint64_t offset) {
  return DIB_U16(b, offset) | (DIB_U16(b, offset + 2) << 16);
}
// Copies `size` bytes from `offset` into dest, zero-filling what lies past the end.
void DIB_CopyRange(const DibBytes& b, uint64_t offset, uint8_t* dest, size_t size);

// The header fields the decoders use, whatever header version they came from.
struct DibInfo {
  uint32_t HeaderSize;   // 12 (OS/2 core header) or 16 and more
  int32_t Width;
  int32_t Height;        // negative: rows stored top-down
  uint32_t BitCount;
  uint32_t Compression;
  uint32_t SizeImage;    // compressed data length ("NumPixelBytes")
  uint32_t ClrUsed;
  uint32_t aMask[4];     // red, green, blue, alpha (alpha 0: none)
  bool HasMasks;         // the three colour masks were found
};

// Outcome of one decoder: its progress text on success or its failure text, and an
// optional non-fatal warning.
struct DibResult {
  int Status;            // IMAGE_DIB_OK or IMAGE_DIB_E*
  const char* pText;
  const char* pWarning;  // or null
};

// Decoders write into a document created with the right size and palette.
DibResult DIB_DecodeRLE(const DibInfo& info, const DibBytes& bits, ImageDocument* doc);
DibResult DIB_DecodeBitfields(const DibInfo& info, const DibBytes& bits, ImageDocument* doc);
