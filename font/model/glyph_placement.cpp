// Move and cursor distance operations: metrics only, the pixels stay.
#include "font/model/glyph_placement.h"

void GLYPHPLACE_Move(FontDoc* doc, unsigned code, int dx, int dy) {
  if (code >= FONT_NUM_CODES) return;
  doc->aChar[code].XPos += dx;
  doc->aChar[code].TopAboveBaseline += dy;
}

void GLYPHPLACE_ChangeCursorDistance(FontDoc* doc, unsigned code, bool increase) {
  if (code >= FONT_NUM_CODES) return;
  int32_t& d = doc->aChar[code].CursorDist;
  if (increase && d < 255) ++d;
  if (!increase && d > 0) --d;
}
