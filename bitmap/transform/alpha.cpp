// Alpha channels for true-colour images: from two renderings of one picture (over
// black and over white; their difference is the transparency) or from a grey mask.
#include "bitmap/reduce/pixel_access.h"
#include "bitmap/transform/transform.h"

static ImageDocument* true_colour_copy(const ImageDocument* doc) {
  ImageDocument* copy = IMAGE_Clone(doc);
  if (!copy || copy->BitsPerPixel == 32) return copy;
  ImageDocument* tc = IMAGE_ToTrueColor(copy);
  if (!tc) IMAGE_Free(copy);
  return tc;
}

int IMAGE_CreateAlphaFromImages(const ImageDocument* image1, const ImageDocument* image2, ImageDocument** ppResult) {
  *ppResult = nullptr;
  if (!image1 || !image2) return ALPHA_EREAD;
  if (image1->XSize != image2->XSize || image1->YSize != image2->YSize) {
    IMAGE_Message(MSG_SIZE_MISMATCH);
    return ALPHA_ESIZE;
  }
  ImageDocument* out = true_colour_copy(image1);
  ImageDocument* second = out ? true_colour_copy(image2) : nullptr;
  if (!second) {
    IMAGE_Free(out);
    return ALPHA_ENOMEM;
  }
  for (int32_t y = 0; y < out->YSize; ++y) {
    uint8_t* row = IMAGE_GetRow(out, y);
    const uint8_t* row2 = IMAGE_GetRow(second, y);
    for (int32_t x = 0; x < out->XSize; ++x) {
      uint8_t* p = row + 4 * static_cast<size_t>(x);
      const ColorValue P = REDUCE_LoadPixel(p);
      const ColorValue Q = REDUCE_LoadPixel(row2 + 4 * static_cast<size_t>(x));
      if (P == Q) {
        p[3] = 0;
        continue;
      }
      auto diff = [](unsigned a, unsigned b) { return a > b ? a - b : b - a; };
      const unsigned e = (diff(COLOR_Red(Q), COLOR_Red(P)) + diff(COLOR_Green(Q), COLOR_Green(P)) +
                          diff(COLOR_Blue(Q), COLOR_Blue(P))) / 3;
      if (e > 254) {
        REDUCE_StorePixel(p, 0xFF000000u);
        continue;
      }
      const unsigned l = 25500 / (255 - e);
      // A pair that is not black/white renderings of one picture can exceed 8 bits.
      auto channel = [l](unsigned c) { const unsigned v = c * l / 100; return v > 255 ? 255u : v; };
      REDUCE_StorePixel(p, COLOR_Make(channel(COLOR_Red(P)), channel(COLOR_Green(P)), channel(COLOR_Blue(P)), e));
    }
  }
  IMAGE_Free(second);
  out->HasAlpha = 1;
  *ppResult = out;
  return ALPHA_OK;
}

int IMAGE_ApplyAlphaMask(const ImageDocument* doc, const ImageDocument* mask, ImageDocument** ppResult) {
  *ppResult = nullptr;
  if (!doc || !mask) return ALPHA_EREAD;
  if (doc->XSize != mask->XSize || doc->YSize != mask->YSize) {
    IMAGE_Message(MSG_SIZE_MISMATCH);
    return ALPHA_ESIZE;
  }
  ImageDocument* out = true_colour_copy(doc);
  ImageDocument* m = out ? true_colour_copy(mask) : nullptr;
  if (!m) {
    IMAGE_Free(out);
    return ALPHA_ENOMEM;
  }
  for (int32_t y = 0; y < out->YSize; ++y) {
    uint8_t* row = IMAGE_GetRow(out, y);
    const uint8_t* mrow = IMAGE_GetRow(m, y);
    for (int32_t x = 0; x < out->XSize; ++x) {
      const ColorValue c = REDUCE_LoadPixel(mrow + 4 * static_cast<size_t>(x));
      row[4 * static_cast<size_t>(x) + 3] = static_cast<uint8_t>((COLOR_Red(c) + COLOR_Green(c) + COLOR_Blue(c)) / 3);
    }
  }
  IMAGE_Free(m);
  out->HasAlpha = 1;
  *ppResult = out;
  return ALPHA_OK;
}
