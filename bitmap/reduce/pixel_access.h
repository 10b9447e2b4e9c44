// Helpers of the colour reduction and transform sources: pixel access on raw rows, row
// progress texts and the exact nearest-colour search.
#pragma once

#include <cstdint>
#include <cstdio>

#include "bitmap/document/image.h"

inline ColorValue REDUCE_LoadPixel(const uint8_t* p) {
  return static_cast<ColorValue>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

inline void REDUCE_StorePixel(uint8_t* p, ColorValue c) {
  p[0] = static_cast<uint8_t>(c);
  p[1] = static_cast<uint8_t>(c >> 8);
  p[2] = static_cast<uint8_t>(c >> 16);
  p[3] = static_cast<uint8_t>(c >> 24);
}

// "<format>" with the row number from 1 and the height, e.g. "Converting image, line %d/%d".
void REDUCE_ProgressRow(const char* format, int32_t row, int32_t height);

extern const char REDUCE_acConvertRow[];    // "Converting image, line %d/%d"
extern const char REDUCE_acCalcRow[];       // "Calculating info of image, row %d/%d"
extern const char REDUCE_acConversionDone[];

// Exact replacement for the linear scan of IMAGE_FindNearestColor: the same answer (the
// lowest index among the closest entries) from a short candidate list per cube cell.
// The RGB cube is cut into 32 x 32 x 32 cells; a cell's candidates are every entry whose
// smallest possible distance to the cell does not exceed the smallest worst-case
// distance of any entry, so every closest entry of every point in the cell is among
// them, in index order.
struct NearestSearch;
NearestSearch* NEAREST_Create(const ColorTable* table);  // null when out of memory
int NEAREST_Find(NearestSearch* search, ColorValue color);
void NEAREST_Delete(NearestSearch* search);

// Feeds every pixel of the document (palette resolved, row by row from the top) to the
// quantiser; false when the tree ran out of memory.
struct ColorOctree;
bool REDUCE_FeedOctree(ColorOctree* tree, const ImageDocument* doc);
