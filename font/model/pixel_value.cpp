// Pixel value changes with their range check and edit-log line.
#include "font/model/pixel_value.h"

#include <cstdio>

#include "font/model/edit_log.h"
#include "font/model/glyph_grid.h"

bool PIXELVALUE_Change(FontDoc* doc, unsigned code, int x, int y, PixelChange change, int value) {
  if (code >= FONT_NUM_CODES) return false;
  if (!doc->aChar[code].Generated) FONT_RenderChar(doc, code);
  if (x < 0 || y < 0 || x >= doc->aChar[code].Width || y >= GLYPHGRID_CharRows(doc, code)) return false;
  const int current = FONT_GetPixel(doc, code, x, y);
  const int largest = FONT_MaxPixelValue(doc->Type);
  int next = value;
  switch (change) {
    case PIXEL_SET:
      FONT_SetPixel(doc, code, x, y, value);
      return true;
    case PIXEL_INCREASE:
      next = current + 1;
      break;
    case PIXEL_DECREASE:
      next = current - 1;
      break;
    case PIXEL_INVERT:
      next = largest - (current < 0 ? 0 : current);
      break;
    case PIXEL_KEY:
      break;
  }
  const bool frame = next == -1 && doc->Type == FONT_TYPE_EXT_FRM;
  if (!frame && (next < 0 || next > largest)) return false;
  char acLine[96];
  std::snprintf(acLine, sizeof(acLine), "* Pixel index of character 0x%X (%d) at %d/%d set to %d", code,
                static_cast<int>(code), x, y, next);
  EDITLOG_AddLine(acLine);
  FONT_SetPixel(doc, code, x, y, next);
  return true;
}
