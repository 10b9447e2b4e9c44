// Best palette: an octree bounded to the number of colours wanted (never more than the
// image has) collects every pixel in row order; its leaves, most frequent first, form
// the best-palette table into which the image is converted. With transparency, index 0
// is kept for the fully transparent pixels and the palette moves up by one.
#include <algorithm>
#include <cstdlib>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/octree.h"
#include "bitmap/reduce/pixel_access.h"

static const char s_acNoDoc[] = "Internal error : pBitmapOrg == NULL";

namespace {

// A paletted document whose colours all fit the tree: no leaf is ever merged, so the tree
// ends the same whatever the order of insertion. Each colour goes in once with the number
// of its pixels. False (nothing added) when the colours do not fit.
bool feed_palette_counts(ColorOctree* tree, const ImageDocument* doc, const ColorValue* aPal, bool* pFailed) {
  uint32_t aUse[256] = {};
  for (int32_t y = 0; y < doc->YSize; ++y) {
    REDUCE_ProgressRow(REDUCE_acCalcRow, y + 1, doc->YSize);
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x) ++aUse[row[x]];
  }
  ColorValue aColor[256];
  uint32_t aCount[256];
  int n = 0;
  for (int i = 0; i < 256; ++i) {
    if (!aUse[i]) continue;
    const ColorValue c = aPal[i] & 0xFFFFFFu;
    int j = 0;
    while (j < n && aColor[j] != c) ++j;
    if (j == n) aColor[n] = c, aCount[n++] = 0;
    aCount[j] += aUse[i];
  }
  if (n > OCTREE_GetMaxColors(tree)) return false;
  for (int j = 0; j < n; ++j)
    if (!OCTREE_AddColorN(tree, COLOR_Red(aColor[j]), COLOR_Green(aColor[j]), COLOR_Blue(aColor[j]), aCount[j])) {
      *pFailed = true;
      break;
    }
  return true;
}

}  // namespace

// Feeds every pixel (palette resolved) to the tree in row order; runs of equal
// colours go in as one insertion, which the tree treats exactly as repeated ones.
bool REDUCE_FeedOctree(ColorOctree* tree, const ImageDocument* doc) {
  ColorValue aPal[256];
  const bool paletted = doc->NumColors != 0;
  if (paletted) IMAGE_GetPaletteMap(doc, aPal);
  bool failed = false;
  if (paletted && OCTREE_GetLeafCount(tree) == 0 && feed_palette_counts(tree, doc, aPal, &failed)) return !failed;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    REDUCE_ProgressRow(REDUCE_acCalcRow, y + 1, doc->YSize);
    const uint8_t* row = IMAGE_GetRow(doc, y);
    int32_t x = 0;
    while (x < doc->XSize) {
      const ColorValue c = (paletted ? aPal[row[x]] : REDUCE_LoadPixel(row + 4 * static_cast<size_t>(x))) & 0xFFFFFFu;
      uint32_t run = 1;
      ++x;
      while (x < doc->XSize &&
             ((paletted ? aPal[row[x]] : REDUCE_LoadPixel(row + 4 * static_cast<size_t>(x))) & 0xFFFFFFu) == c) {
        ++run;
        ++x;
      }
      if (!OCTREE_AddColorN(tree, COLOR_Red(c), COLOR_Green(c), COLOR_Blue(c), run)) return false;
    }
  }
  return true;
}

// Best palette of at most maxColors entries into IMAGE_BestPalette; 0 on failure.
static int get_best_palette(int maxColors, ImageDocument* doc) {
  const int n = IMAGE_CountColors(doc);
  const int limit = std::min(maxColors, n);
  if (limit < 1) return 0;
  ColorOctree* tree = OCTREE_Create(limit, 8);
  if (!tree) return 0;
  if (!REDUCE_FeedOctree(tree, doc)) {
    OCTREE_Delete(tree);
    return 0;
  }
  ColorValue aColor[256];
  uint32_t aCount[256];
  const int num = OCTREE_GetPalette(tree, aColor, aCount);
  OCTREE_Delete(tree);
  // Largest count first; equal counts keep tree order (a stable exchange sort).
  int aOrder[256];
  for (int i = 0; i < num; ++i) aOrder[i] = i;
  std::stable_sort(aOrder, aOrder + num, [&](int a, int b) { return aCount[a] > aCount[b]; });
  for (int i = 0; i < num; ++i) IMAGE_BestPalette.pColors[i] = aColor[aOrder[i]];
  IMAGE_BestPalette.NumEntries = num;
  return num;
}

int IMAGE_GetBestPalette(int maxColors, ImageDocument* doc) {
  if (!doc) {
    IMAGE_Warning(s_acNoDoc);
    return 0;
  }
  if (maxColors > 256) maxColors = 256;
  return get_best_palette(maxColors, doc);
}

ImageDocument* IMAGE_ConvertToBestPalette(ImageDocument* doc) {
  if (!doc) {
    IMAGE_Warning(s_acNoDoc);
    return nullptr;
  }
  const int n = get_best_palette(256, doc);
  if (n == 0) return doc;  // out of memory: nothing changes
  return IMAGE_ConvertToPalette(n, doc, &IMAGE_BestPalette, 1);
}

ImageDocument* IMAGE_ConvertToBestPaletteTrans(ImageDocument* doc, ColorValue transColor) {
  if (!doc) {
    IMAGE_Warning(s_acNoDoc);
    return nullptr;
  }
  if (!doc->HasAlpha) return IMAGE_ConvertToBestPalette(doc);
  const int n = get_best_palette(255, doc);
  if (n == 0) return doc;
  ImageDocument* out = IMAGE_ConvertToPalette(n + 1, doc, &IMAGE_BestPalette, 0);
  if (out == doc) return doc;
  for (int i = n - 1; i >= 0; --i) IMAGE_SetPalColor(out, i + 1, IMAGE_GetPalColor(out, i));
  IMAGE_SetPalColor(out, 0, transColor);
  ColorValue aPal[256];
  const bool paletted = doc->NumColors != 0;
  if (paletted) IMAGE_GetPaletteMap(doc, aPal);
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* src = IMAGE_GetRow(doc, y);
    uint8_t* dst = IMAGE_GetRow(out, y);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const ColorValue c = paletted ? aPal[src[x]] : REDUCE_LoadPixel(src + 4 * static_cast<size_t>(x));
      dst[x] = c >= 0xFF000000u ? 0 : static_cast<uint8_t>(dst[x] + 1);
    }
  }
  IMAGE_SetTransIndex(out, 0);
  IMAGE_Free(doc);
  return out;
}
