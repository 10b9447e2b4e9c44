// Flips and rotations. Pixels are moved as raw values (1 or 4 bytes), rows through
// IMAGE_GetRow so both row orders of a document are handled.
#include <cstring>

#include "bitmap/transform/transform.h"

namespace {

inline size_t pixel_size(const ImageDocument* doc) { return doc->BitsPerPixel == 8 ? 1 : 4; }

void swap_pixels(uint8_t* a, uint8_t* b, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const uint8_t t = a[i];
    a[i] = b[i];
    b[i] = t;
  }
}

}  // namespace

ImageDocument* IMAGE_FlipH(ImageDocument* doc) {
  if (!doc) return nullptr;
  const size_t ps = pixel_size(doc);
  for (int32_t y = 0; y < doc->YSize; ++y) {
    uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize / 2; ++x)
      swap_pixels(row + ps * static_cast<size_t>(x), row + ps * static_cast<size_t>(doc->XSize - 1 - x), ps);
  }
  return doc;
}

ImageDocument* IMAGE_FlipV(ImageDocument* doc) {
  if (!doc) return nullptr;
  const size_t n = static_cast<size_t>(doc->BytesPerLine);
  for (int32_t y = 0; y < doc->YSize / 2; ++y) swap_pixels(IMAGE_GetRow(doc, y), IMAGE_GetRow(doc, doc->YSize - 1 - y), n);
  return doc;
}

ImageDocument* IMAGE_Rotate180(ImageDocument* doc) { return IMAGE_FlipH(IMAGE_FlipV(doc)); }

ImageDocument* IMAGE_Rotate90CCW(ImageDocument* doc) {
  if (!doc) return nullptr;
  ImageDocument* out = IMAGE_Create(doc->YSize, doc->XSize, doc->NumColors);
  if (!out) return doc;
  std::memcpy(out->pInfo + IMAGE_DIB_HEADER_SIZE, doc->pInfo + IMAGE_DIB_HEADER_SIZE, 4 * static_cast<size_t>(doc->NumColors));
  out->HasTrans = doc->HasTrans;
  out->HasAlpha = doc->HasAlpha;
  out->NumColorsUsed = doc->NumColorsUsed;
  const size_t ps = pixel_size(doc);
  // Result row y' is source column y' read top to bottom, taken from the right.
  for (int32_t yo = 0; yo < out->YSize; ++yo) {
    uint8_t* dst = IMAGE_GetRow(out, yo);
    const size_t srcX = static_cast<size_t>(doc->XSize - 1 - yo) * ps;
    for (int32_t xo = 0; xo < out->XSize; ++xo)
      std::memcpy(dst + ps * static_cast<size_t>(xo), IMAGE_GetRow(doc, xo) + srcX, ps);
  }
  IMAGE_Free(doc);
  return out;
}

ImageDocument* IMAGE_Rotate90CW(ImageDocument* doc) {
  if (!doc) return nullptr;
  ImageDocument* out = IMAGE_Rotate90CCW(IMAGE_Rotate180(doc));
  // Without memory for the result, undo the half turn so nothing has changed.
  return out == doc ? IMAGE_Rotate180(doc) : out;
}
