// Area-averaging scale, done separably. On a common axis source pixel k of a line of
// n pixels covers [k * m, (k + 1) * m) and destination pixel j of m pixels covers
// [j * n, (j + 1) * n); each destination channel is the overlap-weighted sum, divided
// by n rounded half up. Sums are 64-bit, positions too, so no size can overflow them.
#include <algorithm>
#include <vector>

#include "bitmap/reduce/pixel_access.h"
#include "bitmap/transform/transform.h"

namespace {

// For one axis (n source pixels to m destination pixels): for each destination pixel
// the run of (source index, weight) pairs it covers.
struct AxisMap {
  std::vector<uint32_t> aStart;   // m + 1 offsets into the pairs
  std::vector<uint32_t> aSource;
  std::vector<uint32_t> aWeight;
};

void build_axis(int64_t n, int64_t m, AxisMap* map) {
  map->aStart.clear();
  map->aSource.clear();
  map->aWeight.clear();
  map->aStart.reserve(static_cast<size_t>(m) + 1);
  map->aSource.reserve(static_cast<size_t>(n + m));
  map->aWeight.reserve(static_cast<size_t>(n + m));
  int64_t k = 0;
  for (int64_t j = 0; j < m; ++j) {
    map->aStart.push_back(static_cast<uint32_t>(map->aSource.size()));
    const int64_t lo = j * n, hi = (j + 1) * n;
    while (k < n && (k + 1) * m <= lo) ++k;
    for (int64_t s = k; s < n && s * m < hi; ++s) {
      const int64_t a = s * m > lo ? s * m : lo;
      const int64_t b = (s + 1) * m < hi ? (s + 1) * m : hi;
      if (b > a) {
        map->aSource.push_back(static_cast<uint32_t>(s));
        map->aWeight.push_back(static_cast<uint32_t>(b - a));
      }
    }
  }
  map->aStart.push_back(static_cast<uint32_t>(map->aSource.size()));
}

inline uint8_t average(uint64_t sum, int64_t n) { return static_cast<uint8_t>((sum + static_cast<uint64_t>(n / 2)) / static_cast<uint64_t>(n)); }

}  // namespace

ImageDocument* IMAGE_Scale(ImageDocument* doc, int32_t newWidth, int32_t newHeight) {
  if (!doc) return nullptr;
  if (newWidth == doc->XSize && newHeight == doc->YSize) return doc;
  if (newWidth < 1 || newHeight < 1) return doc;
  const int32_t w = doc->XSize, h = doc->YSize;
  ImageDocument* mid = IMAGE_Create(newWidth, h, 0);
  ImageDocument* out = mid ? IMAGE_Create(newWidth, newHeight, 0) : nullptr;
  if (!out) {
    IMAGE_Free(mid);
    return doc;
  }
  AxisMap xmap, ymap;
  std::vector<ColorValue> line;
  std::vector<uint64_t> acc;
  try {
    build_axis(w, newWidth, &xmap);
    build_axis(h, newHeight, &ymap);
    line.resize(static_cast<size_t>(w));
    acc.resize(4 * static_cast<size_t>(newWidth));
  } catch (...) {  // out of memory: nothing changes
    IMAGE_Free(out);
    IMAGE_Free(mid);
    return doc;
  }
  ColorValue aPal[256];
  const bool paletted = doc->NumColors != 0;
  if (paletted) IMAGE_GetPaletteMap(doc, aPal);
  // Horizontal pass, one source row at a time.
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* src = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < w; ++x)
      line[static_cast<size_t>(x)] = paletted ? aPal[src[x]] : REDUCE_LoadPixel(src + 4 * static_cast<size_t>(x));
    uint8_t* dst = IMAGE_GetRow(mid, y);
    for (int32_t j = 0; j < newWidth; ++j) {
      uint64_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
      for (uint32_t q = xmap.aStart[static_cast<size_t>(j)]; q < xmap.aStart[static_cast<size_t>(j) + 1]; ++q) {
        const ColorValue c = line[xmap.aSource[q]];
        const uint64_t wt = xmap.aWeight[q];
        s0 += (c & 0xFF) * wt;
        s1 += ((c >> 8) & 0xFF) * wt;
        s2 += ((c >> 16) & 0xFF) * wt;
        s3 += (c >> 24) * wt;
      }
      uint8_t* p = dst + 4 * static_cast<size_t>(j);
      p[0] = average(s0, w);
      p[1] = average(s1, w);
      p[2] = average(s2, w);
      p[3] = average(s3, w);
    }
  }
  // Vertical pass: each result row accumulates its weighted intermediate rows.
  for (int32_t j = 0; j < newHeight; ++j) {
    std::fill(acc.begin(), acc.end(), 0);
    for (uint32_t q = ymap.aStart[static_cast<size_t>(j)]; q < ymap.aStart[static_cast<size_t>(j) + 1]; ++q) {
      const uint8_t* src = IMAGE_GetRow(mid, static_cast<int32_t>(ymap.aSource[q]));
      const uint64_t wt = ymap.aWeight[q];
      for (size_t i = 0; i < acc.size(); ++i) acc[i] += src[i] * wt;
    }
    uint8_t* dst = IMAGE_GetRow(out, j);
    for (size_t i = 0; i < acc.size(); ++i) dst[i] = average(acc[i], h);
  }
  out->HasAlpha = doc->HasAlpha;
  IMAGE_Free(mid);
  IMAGE_Free(doc);
  return out;
}

ImageDocument* IMAGE_Shrink50(ImageDocument* doc) {
  if (!doc) return nullptr;
  ImageDocument* out = IMAGE_Scale(doc, (doc->XSize + 1) / 2, (doc->YSize + 1) / 2);
  IMAGE_Progress("Bitmap shrinked to 50%");
  return out;
}
