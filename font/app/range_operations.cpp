// Character range operations: all characters, blocks and pattern files.
#include "font/app/range_operations.h"

#include "font/app/font_operations.h"
#include "font/app/glyphor_host.h"
#include "font/model/pattern_file.h"

bool FONTOP_DisableAll() {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  return FONTOP_EnableRange(FontRangeRequest{0, FONT_NumCodes(doc) - 1, 0});
}

bool FONTOP_EnableBlock(bool enable) {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  FONT_EnableBlock(doc, doc->CurrentChar >> 4, enable ? 1 : 0);
  GLYPHOR_Host()->Redraw();
  return true;
}

bool FONTOP_ReadPattern(const FontFileRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  return doc && PATTERN_ReadFile(doc, r.Path.c_str());
}

bool FONTOP_SavePattern(const FontFileRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  return doc && PATTERN_WriteFile(doc, r.Path.c_str());
}
