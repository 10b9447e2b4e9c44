// Font height operations of the Edit menu.
#include "font/model/font_height.h"

#include "common/host/app_host.h"
#include "font/model/glyph_placement.h"
#include "font/model/glyph_rows.h"

// Moves every available character vertically; one that has no glyph yet is rendered
// first, one that stays without pixels is skipped.
static void move_all(FontDoc* doc, int dy) {
  const int n = FONT_NumCodes(doc);
  for (int code = 0; code < n; ++code) {
    GLYPHROWS_ShowProgress(static_cast<unsigned>(code));
    FontChar& c = doc->aChar[code];
    if (!c.Available) continue;
    if (c.Width == 0 && !c.Generated) FONT_RenderChar(doc, static_cast<unsigned>(code));
    if (c.Width == 0) continue;
    GLYPHPLACE_Move(doc, static_cast<unsigned>(code), 0, dy);
  }
  HOST_Get()->ShowStatus("Ready");
}

void FONTHEIGHT_Insert(FontDoc* doc, bool top) {
  ++doc->Height;
  if (top) move_all(doc, -1);
}

void FONTHEIGHT_Delete(FontDoc* doc, bool top) {
  if (doc->Height >= 2) --doc->Height;
  if (top) move_all(doc, 1);
}
