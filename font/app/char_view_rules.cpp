// Character view geometry and the window's view state.
#include "font/app/char_view_rules.h"

#include <algorithm>
#include <cstdint>

#include "font/app/command_ids.h"
#include "font/app/window_rules.h"
#include "font/model/current_font.h"

namespace {

int s_activeView = GLYPHOR_VIEW_OVERVIEW;
PixelCursor s_cursor;

int wrap(int value, int count) {
  if (count <= 0) return 0;
  if (value >= count) return 0;
  if (value < 0) return count - 1;
  return value;
}

}  // namespace

int CHARVIEW_CursorRows(const FontDoc* doc, unsigned code) {
  if (!doc || code >= FONT_NUM_CODES) return 0;
  const int glyph = doc->aChar[code].GlyphHeight;
  return glyph > 0 ? glyph : doc->Height;
}

PixelCursor CHARVIEW_Clamp(const FontDoc* doc, unsigned code, PixelCursor c) {
  if (!doc || code >= FONT_NUM_CODES) return PixelCursor{};
  c.Column = wrap(c.Column, doc->aChar[code].Width);
  c.Row = wrap(c.Row, CHARVIEW_CursorRows(doc, code));
  return c;
}

int CHARVIEW_CellSize(const FontDoc* doc, int clientHeight) {
  if (!doc || doc->Height <= 0 || clientHeight <= 0) return 0;
  return clientHeight / doc->Height;
}

int CHARVIEW_GlyphTop(const FontDoc* doc, unsigned code) {
  if (!doc || code >= FONT_NUM_CODES || !FONT_IsExtended(doc->Type)) return 0;
  // In 64 bits: the values of a damaged file cannot overflow; far outside is far outside.
  const int64_t top = int64_t(doc->Baseline) - doc->aChar[code].TopAboveBaseline;
  return static_cast<int>(std::clamp<int64_t>(top, -FONT_NUM_CODES, FONT_NUM_CODES));
}

bool CHARVIEW_HitTest(const FontDoc* doc, unsigned code, int cellSize, int x, int y, PixelCursor* cursor) {
  if (!doc || code >= FONT_NUM_CODES || cellSize <= 0 || x < 0 || y < 0) return false;
  const int column = x / cellSize;
  const int row = y / cellSize - CHARVIEW_GlyphTop(doc, code);
  if (y / cellSize >= doc->Height) return false;
  if (column >= doc->aChar[code].Width || row < 0 || row >= CHARVIEW_CursorRows(doc, code)) return false;
  *cursor = PixelCursor{column, row};
  return true;
}

int GLYPHOR_ActiveView() { return s_activeView; }
void GLYPHOR_SetActiveView(int view) { s_activeView = view == GLYPHOR_VIEW_CHAR ? GLYPHOR_VIEW_CHAR : GLYPHOR_VIEW_OVERVIEW; }
PixelCursor GLYPHOR_GetPixelCursor() { return s_cursor; }

void GLYPHOR_SetPixelCursor(PixelCursor cursor) {
  const FontDoc* doc = FONT_GetCurrent();
  s_cursor = doc ? CHARVIEW_Clamp(doc, doc->CurrentChar, cursor) : PixelCursor{};
}

unsigned CHARVIEW_KeyCommand(char key, unsigned* param) {
  *param = 0;
  if (key == '+') return GLYPHOR_ID_PIXEL_INC;
  if (key == '-') return GLYPHOR_ID_PIXEL_DEC;
  if (key == ' ') return GLYPHOR_ID_PIXEL_INVERT;
  int value = -1;
  if (key >= '0' && key <= '9') value = key - '0';
  if (key >= 'A' && key <= 'F') value = key - 'A' + 10;
  if (key >= 'a' && key <= 'f') value = key - 'a' + 10;
  if (value < 0) return 0;
  *param = CHARVIEW_KEY_PARAM;
  return GLYPHOR_ID_PIXEL_SET_0 + static_cast<unsigned>(value);
}
