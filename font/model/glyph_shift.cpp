// Shift operations: a rotation of the pixel grid by one column or row.
#include "font/model/glyph_shift.h"

#include "font/model/glyph_grid.h"

void GLYPHSHIFT_Rotate(FontDoc* doc, unsigned code, int dx, int dy) {
  if (code >= FONT_NUM_CODES || doc->aChar[code].Width <= 0) return;
  const GlyphGrid old = GLYPHGRID_Read(doc, code, GLYPHGRID_CharRows(doc, code));
  if (old.Rows <= 0) return;
  GlyphGrid grid;
  grid.Resize(old.Width, old.Rows);
  for (int y = 0; y < old.Rows; ++y)
    for (int x = 0; x < old.Width; ++x)
      grid.Set((x + dx + old.Width) % old.Width, (y + dy + old.Rows) % old.Rows, old.Get(x, y));
  GLYPHGRID_Write(doc, code, grid);
}
