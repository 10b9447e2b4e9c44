// Row operations of the Edit menu's Insert and Delete, Top and Bottom.
#include "font/model/glyph_rows.h"

#include <cstdio>

#include "common/host/app_host.h"
#include "font/model/glyph_grid.h"

namespace {

// The grid of rows rows with the old rows placed from row dy on.
GlyphGrid moved_rows(const GlyphGrid& old, int rows, int dy) {
  GlyphGrid grid;
  grid.Resize(old.Width, rows);
  for (int y = 0; y < old.Rows; ++y)
    for (int x = 0; x < old.Width; ++x) grid.Set(x, y + dy, old.Get(x, y));
  return grid;
}

// Rows a whole-font operation moves in a character: the font height, or for the
// framed type the character's own glyph height.
int font_char_rows(const FontDoc* doc, unsigned code) {
  const FontChar& c = doc->aChar[code];
  if (doc->Type == FONT_TYPE_EXT_FRM && c.GlyphHeight > 0) return c.GlyphHeight;
  return doc->Height;
}

}  // namespace

void GLYPHROWS_ShowProgress(unsigned code) {
  if (code & 0xFF) return;
  char acText[40];
  std::snprintf(acText, sizeof(acText), "Modifying character %04X   ", code);
  HOST_Get()->ShowProgress(acText);
}

bool GLYPHROWS_InsertInChar(FontDoc* doc, unsigned code, bool top) {
  if (code >= FONT_NUM_CODES) return false;
  FontChar& c = doc->aChar[code];
  if (top ? c.TopAboveBaseline >= doc->Baseline
          : doc->Baseline + c.GlyphHeight - c.TopAboveBaseline >= doc->Height)
    return true;
  const GlyphGrid old = GLYPHGRID_Read(doc, code, c.GlyphHeight);
  if (!GLYPHGRID_Write(doc, code, moved_rows(old, old.Rows + 1, top ? 1 : 0))) return false;
  ++c.GlyphHeight;
  if (top) ++c.TopAboveBaseline;
  return true;
}

void GLYPHROWS_DeleteInChar(FontDoc* doc, unsigned code, bool top) {
  if (code >= FONT_NUM_CODES) return;
  FontChar& c = doc->aChar[code];
  if (c.GlyphHeight <= 1) return;
  if (top) {
    const GlyphGrid old = GLYPHGRID_Read(doc, code, c.GlyphHeight);
    GlyphGrid grid = moved_rows(old, old.Rows, -1);
    GLYPHGRID_Write(doc, code, grid);  // same size: always fits
    --c.TopAboveBaseline;
  }
  --c.GlyphHeight;  // the bottom row stays in the plane, below the glyph
}

bool GLYPHROWS_InsertInFont(FontDoc* doc, bool top) {
  const int n = FONT_NumCodes(doc);
  bool ok = true;
  for (int code = 0; code < n; ++code) {
    GLYPHROWS_ShowProgress(static_cast<unsigned>(code));
    FontChar& c = doc->aChar[code];
    if (c.Width == 0) continue;
    const GlyphGrid old = GLYPHGRID_Read(doc, static_cast<unsigned>(code), font_char_rows(doc, code));
    if (!GLYPHGRID_Write(doc, static_cast<unsigned>(code), moved_rows(old, old.Rows + 1, top ? 1 : 0))) {
      ok = false;
      break;
    }
    if (doc->Type == FONT_TYPE_EXT_FRM && c.GlyphHeight > 0) ++c.GlyphHeight;
  }
  HOST_Get()->ShowStatus("Ready");
  if (ok) ++doc->Height;
  return ok;
}

bool GLYPHROWS_DeleteInFont(FontDoc* doc, bool top) {
  if (doc->Height <= 1) return false;
  const int n = FONT_NumCodes(doc);
  for (int code = 0; code < n; ++code) {
    GLYPHROWS_ShowProgress(static_cast<unsigned>(code));
    FontChar& c = doc->aChar[code];
    if (c.Width == 0) continue;
    if (top) {
      const GlyphGrid old = GLYPHGRID_Read(doc, static_cast<unsigned>(code), font_char_rows(doc, code));
      GLYPHGRID_Write(doc, static_cast<unsigned>(code), moved_rows(old, old.Rows, -1));
    }
    if (c.GlyphHeight == 0) c.GlyphHeight = doc->Height;
    --c.GlyphHeight;
  }
  HOST_Get()->ShowStatus("Ready");
  --doc->Height;
  return true;
}
