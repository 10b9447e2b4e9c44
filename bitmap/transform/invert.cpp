// Inverting indices and colours. A true-colour document is inverted the same way by
// both: red, green and blue flipped, transparency bytes kept.
#include <cstdio>

#include "bitmap/reduce/pixel_access.h"
#include "bitmap/transform/transform.h"

static void invert_true_colour(ImageDocument* doc) {
  for (int32_t y = 0; y < doc->YSize; ++y) {
    REDUCE_ProgressRow(REDUCE_acConvertRow, y + 1, doc->YSize);
    uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      uint8_t* p = row + 4 * static_cast<size_t>(x);
      p[0] = static_cast<uint8_t>(~p[0]);
      p[1] = static_cast<uint8_t>(~p[1]);
      p[2] = static_cast<uint8_t>(~p[2]);
    }
  }
}

ImageDocument* IMAGE_InvertIndices(ImageDocument* doc) {
  if (!doc) return nullptr;
  if (doc->NumColors == 0) {
    invert_true_colour(doc);
  } else {
    const int last = doc->NumColors - 1;
    for (int32_t y = 0; y < doc->YSize; ++y) {
      REDUCE_ProgressRow(REDUCE_acConvertRow, y + 1, doc->YSize);
      uint8_t* row = IMAGE_GetRow(doc, y);
      // Indices beyond the palette (damaged input) wrap like the stored byte.
      for (int32_t x = 0; x < doc->XSize; ++x) row[x] = static_cast<uint8_t>(last - row[x]);
    }
  }
  IMAGE_Progress("Image inverted");
  return doc;
}

ImageDocument* IMAGE_InvertColors(ImageDocument* doc) {
  if (!doc) return nullptr;
  if (doc->NumColors == 0) {
    invert_true_colour(doc);
  } else {
    for (int i = 0; i < doc->NumColors; ++i) IMAGE_SetPalColor(doc, i, IMAGE_GetPalColor(doc, i) ^ 0xFFFFFFu);
  }
  IMAGE_Progress("Palette inverted");
  return doc;
}
