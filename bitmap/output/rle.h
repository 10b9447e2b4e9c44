// Run-length compression of the compressed output formats (RLE4, RLE8, RLE alpha, RLE16,
// RLE32). The image is one sequence of pixels, row after row from the top, cut into runs
// of one repeated value and absolute blocks of literal values. The blocks are written as
// C text (with a comment per block and an end byte) or as raw bytes (binary stream).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "bitmap/document/image.h"
#include "common/output/buffered_writer.h"
#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/c_text_writer.h"

constexpr size_t RLE_MAX_RUN_ENTRY = 254;  // pixels in one run entry
constexpr size_t RLE_MAX_ABSOLUTE = 255;   // pixels in one absolute block

struct RleBlock {
  bool IsRun;
  size_t Start;  // position of the first pixel (y * width + x)
  size_t Count;  // pixels covered (a run block of any length, or 1-255 literals)
};

// What a stream is made of: the variant, the colour format of RLE16 values (565 or M565)
// and the document the values come from.
struct RleSource {
  const ImageDocument* pDoc;
  RleVariant Variant;
  const ColorFormat* pFormat16;  // RLE16 only
};

// Values compared for runs, in pixel order: the palette index (RLE4, RLE8), the
// transparency byte of the pixel colour (alpha), the raw pixel value (RLE16, RLE32).
struct RleKeys {
  struct Release {
    void operator()(uint32_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint32_t[], Release> pKeys;
  size_t NumKeys;
};
// Returns false when the document is too large or the keys do not fit in memory.
bool RLE_GetKeys(const RleSource* src, RleKeys* keys);
// Number of equal keys from pos onwards (across row ends), at least 1, at most limit.
size_t RLE_RunLength(const uint32_t* keys, size_t numKeys, size_t pos, size_t limit);
// The block that starts at pos (pos < numKeys).
RleBlock RLE_NextBlock(const uint32_t* keys, size_t numKeys, size_t pos);

// Colour of a key of RLE16 and RLE32: the raw value, palette resolved.
inline ColorValue RLE_KeyColour(const ImageDocument* doc, uint32_t key) {
  return doc->NumColors ? IMAGE_GetPalColor(doc, static_cast<int32_t>(key & 0xFF)) : key;
}

// Encoded bytes of one pixel value (key): 1 (RLE4, RLE8, alpha), 2 (RLE16, low byte first)
// or 4 (RLE32: red, green, blue, transparency byte). Returns the number of bytes.
inline int RLE_EncodeValue(const RleSource* src, uint32_t key, uint8_t* out) {
  switch (src->Variant) {
    case RLE_VARIANT_4:
      out[0] = static_cast<uint8_t>(key & 15);
      return 1;
    case RLE_VARIANT_16: {
      const uint32_t v = src->pFormat16->pfColor2Index(RLE_KeyColour(src->pDoc, key));
      out[0] = static_cast<uint8_t>(v);
      out[1] = static_cast<uint8_t>(v >> 8);
      return 2;
    }
    case RLE_VARIANT_32: {
      const ColorValue c = RLE_KeyColour(src->pDoc, key);
      out[0] = static_cast<uint8_t>(COLOR_Red(c));
      out[1] = static_cast<uint8_t>(COLOR_Green(c));
      out[2] = static_cast<uint8_t>(COLOR_Blue(c));
      out[3] = static_cast<uint8_t>(COLOR_Trans(c));
      return 4;
    }
    default:  // RLE8, alpha
      out[0] = static_cast<uint8_t>(key);
      return 1;
  }
}
// Bytes a block occupies in the stream.
uint64_t RLE_BlockBytes(RleVariant variant, const RleBlock* block);

// C text of the whole stream, from the first block to the trailer that closes the array.
// Returns false when the document is too large.
bool RLE_WriteCText(CTextWriter* w, const RleSource* src);
// Binary form: the blocks as raw bytes, no comments, no end byte. Returns false when the
// document is too large or a write failed.
bool RLE_WriteBinary(OutWriter* w, const RleSource* src);
