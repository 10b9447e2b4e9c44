// Number of distinct colours of a document (transparency bytes ignored), cached in
// NumColorsUsed. A bit per possible RGB value (2 MB) gives the same number as a
// never-merging octree; a paletted document only resolves the indices it uses.
#include <algorithm>
#include <cstdlib>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"

static const char s_acDone[] = "Image calculation done";

static int count_paletted(const ImageDocument* doc) {
  bool aUsed[256] = {};
  for (int32_t y = 0; y < doc->YSize; ++y) {
    REDUCE_ProgressRow(REDUCE_acCalcRow, y + 1, doc->YSize);
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x) aUsed[row[x]] = true;
  }
  ColorValue aPal[256];
  IMAGE_GetPaletteMap(doc, aPal);
  ColorValue aColor[256];
  int n = 0;
  for (int i = 0; i < 256; ++i)
    if (aUsed[i]) aColor[n++] = aPal[i] & 0xFFFFFFu;
  std::sort(aColor, aColor + n);
  return static_cast<int>(std::unique(aColor, aColor + n) - aColor);
}

static int count_true_colour(const ImageDocument* doc) {
  auto* pSet = static_cast<uint64_t*>(std::calloc((1u << 24) / 64, sizeof(uint64_t)));
  if (!pSet) return 0;
  int count = 0;
  ColorValue last = 0xFFFFFFFFu;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    REDUCE_ProgressRow(REDUCE_acCalcRow, y + 1, doc->YSize);
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const ColorValue c = REDUCE_LoadPixel(row + 4 * static_cast<size_t>(x)) & 0xFFFFFFu;
      if (c == last) continue;
      last = c;
      uint64_t& word = pSet[c >> 6];
      const uint64_t bit = uint64_t{1} << (c & 63);
      if (!(word & bit)) {
        word |= bit;
        ++count;
      }
    }
  }
  std::free(pSet);
  return count;
}

int IMAGE_CountColors(ImageDocument* doc) {
  if (!doc) return 0;
  if (doc->NumColorsUsed == 0) {
    doc->NumColorsUsed = doc->NumColors ? count_paletted(doc) : count_true_colour(doc);
  }
  IMAGE_Progress(s_acDone);
  return doc->NumColorsUsed;
}
