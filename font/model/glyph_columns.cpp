// Column operations: the pixels are unpacked, moved by one column and packed again for
// the new bytes per line.
#include "font/model/glyph_columns.h"

#include "font/model/glyph_grid.h"

bool GLYPHCOL_Insert(FontDoc* doc, unsigned code, bool left) {
  if (code >= FONT_NUM_CODES) return false;
  FontChar& c = doc->aChar[code];
  const GlyphGrid old = GLYPHGRID_Read(doc, code, GLYPHGRID_CharRows(doc, code));
  GlyphGrid grid;
  grid.Resize(old.Width + 1, old.Rows);
  const int dx = left ? 1 : 0;
  for (int y = 0; y < old.Rows; ++y)
    for (int x = 0; x < old.Width; ++x) grid.Set(x + dx, y, old.Get(x, y));
  if (!GLYPHGRID_Write(doc, code, grid)) return false;
  ++c.CursorDist;
  if (c.Width > doc->MaxWidth) doc->MaxWidth = c.Width;
  return true;
}

void GLYPHCOL_Delete(FontDoc* doc, unsigned code, bool left) {
  if (code >= FONT_NUM_CODES) return;
  FontChar& c = doc->aChar[code];
  if (c.Width <= 0) return;
  const GlyphGrid old = GLYPHGRID_Read(doc, code, GLYPHGRID_CharRows(doc, code));
  GlyphGrid grid;
  grid.Resize(old.Width - 1, old.Rows);
  const int dx = left ? 1 : 0;
  for (int y = 0; y < grid.Rows; ++y)
    for (int x = 0; x < grid.Width; ++x) grid.Set(x, y, old.Get(x + dx, y));
  // A narrower grid never needs more bytes than the planes hold.
  GLYPHGRID_Write(doc, code, grid);
  --c.CursorDist;
}
