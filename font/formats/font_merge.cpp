// Font merge: character records and pixels copied code by code.
#include "font/formats/font_merge.h"

#include <cstring>

namespace {

// Rows of a character as the merge compares them: its glyph height, or the font
// height when that is 0.
int rows_of(const FontDoc* doc, const FontChar& c) { return c.GlyphHeight ? c.GlyphHeight : doc->Height; }

void clear_planes(FontChar* c) {
  if (c->pPixels) std::memset(c->pPixels, 0, c->PlaneSize);
  if (c->pFrame) std::memset(c->pFrame, 0, c->PlaneSize);
}

void merge_char(FontDoc* doc, const FontDoc* source, unsigned code) {
  const FontChar& from = source->aChar[code];
  const int w = from.Width;
  const int h = rows_of(source, from);
  FONT_SetEnabled(doc, code, 1);
  FontChar& to = doc->aChar[code];
  const uint32_t needed = static_cast<uint32_t>(h > 0 ? h : 0) *
                          static_cast<uint32_t>(FONT_BytesPerLine(doc->Type, w));
  // Planes that a not yet rendered character lacks are allocated too.
  if (to.Width != w || rows_of(doc, to) != h || to.PlaneSize < needed || (needed && !to.pPixels))
    FONT_AllocPlanes(doc, code, w, h);
  else
    clear_planes(&to);
  to.Width = w;
  to.GlyphHeight = h;
  to.XPos = from.XPos;
  to.TopAboveBaseline = from.TopAboveBaseline;
  to.CursorDist = from.CursorDist;
  to.Available = from.Available;
  to.Enabled = from.Enabled;
  to.Generated = from.Generated;
  // Rows the source does not hold read as background (its planes may be shorter).
  const int sourceRows = FONT_PlaneRows(source, code);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      FONT_SetPixel(doc, code, x, y, y < sourceRows ? FONT_GetPixel(source, code, x, y) : 0);
}

}  // namespace

const char* FONTMERGE_Merge(FontDoc* doc, const FontDoc* source) {
  if (doc->Height != source->Height) return FONTMERGE_MSG_SIZE;
  if (doc->Type != source->Type) return FONTMERGE_MSG_TYPE;
  for (unsigned code = 0; code < FONT_NUM_CODES; ++code) {
    const FontChar& from = source->aChar[code];
    if (from.Width == 0 && from.GlyphHeight == 0) continue;
    merge_char(doc, source, code);
  }
  return nullptr;
}
