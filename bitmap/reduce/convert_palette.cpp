// Conversion of a document to a palette of its own colours (best, reduced or custom
// palette): every pixel becomes the index of its nearest palette entry. A paletted
// source maps its palette once; a true-colour source looks each colour up in the
// exact nearest-colour search, remembering the last answer for runs of equal pixels.
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"

ImageDocument* IMAGE_ConvertToPalette(int numColors, ImageDocument* doc, const ColorTable* table, int freeInput) {
  if (!doc) {
    IMAGE_Warning("Internal error : pBitmapOrg == NULL");
    return nullptr;
  }
  if (!table || table->NumEntries < 1 || table->NumEntries > 256 || numColors < 1 || numColors > 256) return doc;
  ImageDocument* out = IMAGE_Create(doc->XSize, doc->YSize, numColors);
  if (!out) return doc;
  const int32_t w = doc->XSize, h = doc->YSize;
  if (doc->NumColors >= 1 && doc->NumColors <= 256) {
    ColorValue aPal[256];
    uint8_t aMap[256];
    IMAGE_GetPaletteMap(doc, aPal);
    for (int i = 0; i < 256; ++i) aMap[i] = static_cast<uint8_t>(IMAGE_FindNearestColor(aPal[i], table));
    for (int32_t y = 0; y < h; ++y) {
      REDUCE_ProgressRow(REDUCE_acConvertRow, y + 1, h);
      const uint8_t* src = IMAGE_GetRow(doc, y);
      uint8_t* dst = IMAGE_GetRow(out, y);
      for (int32_t x = 0; x < w; ++x) dst[x] = aMap[src[x]];
    }
  } else {
    NearestSearch* search = NEAREST_Create(table);
    if (!search) {
      IMAGE_Free(out);
      return doc;
    }
    const bool preserve = IMAGE_GetPreserveTrans() != 0;
    ColorValue last = 0;
    uint8_t lastIndex = static_cast<uint8_t>(NEAREST_Find(search, 0));
    for (int32_t y = 0; y < h; ++y) {
      REDUCE_ProgressRow(REDUCE_acConvertRow, y + 1, h);
      const uint8_t* src = IMAGE_GetRow(doc, y);
      uint8_t* dst = IMAGE_GetRow(out, y);
      for (int32_t x = 0; x < w; ++x) {
        const ColorValue c = REDUCE_LoadPixel(src + 4 * static_cast<size_t>(x));
        if (preserve && c >= 0xFF000000u) {
          dst[x] = 0;
          out->HasTrans = 1;
          continue;
        }
        const ColorValue rgb = c & 0xFFFFFFu;
        if (rgb != last) {
          last = rgb;
          lastIndex = static_cast<uint8_t>(NEAREST_Find(search, rgb));
        }
        dst[x] = lastIndex;
      }
    }
    NEAREST_Delete(search);
  }
  const int numCopy = table->NumEntries < numColors ? table->NumEntries : numColors;
  for (int i = 0; i < numCopy; ++i) IMAGE_SetPalColor(out, i, table->pColors[i]);
  if (freeInput) IMAGE_Free(doc);
  IMAGE_Progress(REDUCE_acConversionDone);
  return out;
}

ImageDocument* IMAGE_ConvertToCustomPalette(ImageDocument* doc) {
  return IMAGE_ConvertToPalette(IMAGE_CustomPalette.NumEntries, doc, &IMAGE_CustomPalette, 1);
}
