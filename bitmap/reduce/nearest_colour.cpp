// Nearest palette entry of a colour: squared RGB distance, the first of the closest
// entries wins. The linear scan defines the answer; NearestSearch returns the same
// answer with a few distance computations per lookup, building each cell's candidate
// list the first time a colour falls into it.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"

namespace {

const int kCellBits = 3;  // cell width 8 per channel
const int kCellsPerAxis = 256 >> kCellBits;
const int kNumCells = kCellsPerAxis * kCellsPerAxis * kCellsPerAxis;

inline int distance(ColorValue a, ColorValue b) {
  const int dr = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
  const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
  const int db = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
  return dr * dr + dg * dg + db * db;
}

// Smallest and largest squared distance along one axis from v to the interval [lo, hi].
inline int axis_min(int v, int lo, int hi) {
  const int d = v < lo ? lo - v : (v > hi ? v - hi : 0);
  return d * d;
}
inline int axis_max(int v, int lo, int hi) {
  const int d = v - lo > hi - v ? v - lo : hi - v;
  return d * d;
}

// A cell's candidate with its smallest possible distance to the cell.
struct Candidate {
  int32_t MinDist;
  int32_t Index;
};

}  // namespace

struct NearestSearch {
  int NumEntries;
  ColorValue aColor[256];
  uint8_t aRed[256], aGreen[256], aBlue[256];
  int32_t aCellStart[kNumCells];  // -1: not built yet
  uint8_t aCellCount[kNumCells];  // number of candidates minus one
  Candidate* pCandidates;
  int32_t NumCandidates;
  int32_t Capacity;
};

int IMAGE_FindNearestColor(ColorValue color, const ColorTable* table) {
  int best = 0;
  int bestDist = 0x7FFFFFFF;
  for (int i = 0; i < table->NumEntries; ++i) {
    const int d = distance(color, table->pColors[i]);
    if (d < bestDist) {
      bestDist = d;
      best = i;
      if (d == 0) break;
    }
  }
  return best;
}

NearestSearch* NEAREST_Create(const ColorTable* table) {
  if (!table || table->NumEntries < 1) return nullptr;
  auto* s = static_cast<NearestSearch*>(std::malloc(sizeof(NearestSearch)));
  if (!s) return nullptr;
  s->NumEntries = table->NumEntries > 256 ? 256 : table->NumEntries;
  for (int i = 0; i < s->NumEntries; ++i) {
    const ColorValue c = table->pColors[i];
    s->aColor[i] = c;
    s->aRed[i] = static_cast<uint8_t>(c);
    s->aGreen[i] = static_cast<uint8_t>(c >> 8);
    s->aBlue[i] = static_cast<uint8_t>(c >> 16);
  }
  std::memset(s->aCellStart, 0xFF, sizeof(s->aCellStart));
  s->pCandidates = nullptr;
  s->NumCandidates = 0;
  s->Capacity = 0;
  return s;
}

static bool build_cell(NearestSearch* s, int cell) {
  const int r0 = ((cell >> (2 * (8 - kCellBits))) & (kCellsPerAxis - 1)) << kCellBits;
  const int g0 = ((cell >> (8 - kCellBits)) & (kCellsPerAxis - 1)) << kCellBits;
  const int b0 = (cell & (kCellsPerAxis - 1)) << kCellBits;
  const int w = (1 << kCellBits) - 1;
  int aMin[256];
  int minMax = 0x7FFFFFFF;
  for (int i = 0; i < s->NumEntries; ++i) {
    const int r = s->aRed[i], g = s->aGreen[i], b = s->aBlue[i];
    aMin[i] = axis_min(r, r0, r0 + w) + axis_min(g, g0, g0 + w) + axis_min(b, b0, b0 + w);
    const int mx = axis_max(r, r0, r0 + w) + axis_max(g, g0, g0 + w) + axis_max(b, b0, b0 + w);
    if (mx < minMax) minMax = mx;
  }
  if (s->Capacity - s->NumCandidates < 256) {
    const int32_t cap = s->Capacity ? s->Capacity * 2 : 16 * 1024;
    void* p = std::realloc(s->pCandidates, static_cast<size_t>(cap) * sizeof(Candidate));
    if (!p) return false;
    s->pCandidates = static_cast<Candidate*>(p);
    s->Capacity = cap;
  }
  const int32_t start = s->NumCandidates;
  for (int i = 0; i < s->NumEntries; ++i)
    if (aMin[i] <= minMax) s->pCandidates[s->NumCandidates++] = {aMin[i], i};
  // Nearest bound first, so a lookup stops once no later candidate can come closer.
  std::stable_sort(s->pCandidates + start, s->pCandidates + s->NumCandidates,
                   [](const Candidate& a, const Candidate& b) { return a.MinDist < b.MinDist; });
  s->aCellStart[cell] = start;
  s->aCellCount[cell] = static_cast<uint8_t>(s->NumCandidates - start - 1);
  return true;
}

int NEAREST_Find(NearestSearch* s, ColorValue color) {
  const unsigned r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
  const int cell = static_cast<int>(((r >> kCellBits) << (2 * (8 - kCellBits))) |
                                    ((g >> kCellBits) << (8 - kCellBits)) | (b >> kCellBits));
  if (s->aCellStart[cell] < 0 && !build_cell(s, cell)) {
    const ColorTable t = {s->NumEntries, s->aColor};
    return IMAGE_FindNearestColor(color, &t);
  }
  const Candidate* c = s->pCandidates + s->aCellStart[cell];
  const int n = s->aCellCount[cell] + 1;
  int best = c[0].Index;
  int bestDist = distance(color, s->aColor[best]);
  // Candidates come by their bound, not by index: ties go to the lower index. A
  // candidate whose bound exceeds the best distance cannot be closer or tie, and
  // neither can any after it.
  for (int k = 1; k < n && c[k].MinDist <= bestDist; ++k) {
    const int i = c[k].Index;
    const int d = distance(color, s->aColor[i]);
    if (d < bestDist || (d == bestDist && i < best)) {
      bestDist = d;
      best = i;
    }
  }
  return best;
}

void NEAREST_Delete(NearestSearch* s) {
  if (!s) return;
  std::free(s->pCandidates);
  std::free(s);
}
