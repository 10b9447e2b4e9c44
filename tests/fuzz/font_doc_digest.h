// Reads every pixel and metric of a font document the way the writers will, so a
// fuzz target's reader result is touched whole (out-of-bounds planes show up).
#pragma once

#include "font/model/font_doc.h"

inline unsigned FUZZ_DigestFont(const FontDoc* doc) {
  unsigned sum = 0;
  for (unsigned code = 0; code < FONT_NUM_CODES; ++code) {
    const FontChar& c = doc->aChar[code];
    if (!c.Enabled) continue;
    const int rows = FONT_PlaneRows(doc, code);
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < c.Width; ++x) sum += static_cast<unsigned>(FONT_GetPixel(doc, code, x, y) + 1);
    sum += static_cast<unsigned>(c.XPos + c.TopAboveBaseline + c.CursorDist + c.GlyphHeight);
  }
  return sum;
}
