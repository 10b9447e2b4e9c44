// Glyph editing operations: the model's operations on the current font with the
// status text of a job.
#include "font/app/edit_operations.h"

#include "font/app/font_operations.h"
#include "font/app/glyphor_host.h"
#include "font/model/glyph_edit.h"
#include "font/model/pixel_value.h"

int FONTOP_GlyphEditOfId(unsigned id) {
  // First identifier of each group and its first operation.
  static const struct {
    unsigned FirstId, Count;
    int FirstEdit;
  } groups[] = {
      {540, 4, GLYPHEDIT_INSERT_RIGHT}, {560, 4, GLYPHEDIT_DELETE_RIGHT},
      {580, 4, GLYPHEDIT_SHIFT_RIGHT},  {600, 4, GLYPHEDIT_MOVE_RIGHT},
      {620, 2, GLYPHEDIT_CURSOR_INCREASE}, {640, 4, GLYPHEDIT_HEIGHT_INSERT_TOP},
  };
  for (const auto& g : groups)
    if (id >= g.FirstId && id < g.FirstId + g.Count) return g.FirstEdit + static_cast<int>(id - g.FirstId);
  return -1;
}

bool FONTOP_GlyphEdit(const FontGlyphEditRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc || r.Edit < 0 || r.Edit >= GLYPHEDIT_COUNT) return false;
  for (int i = 0; i < r.Count; ++i)
    if (!GLYPHEDIT_Run(doc, static_cast<GlyphEdit>(r.Edit))) return false;
  return true;
}

bool FONTOP_Edit(const FontEditRequest& r) {
  if (!FONTOP_RequireFont()) return false;
  const bool top = r.Detail == FONTEDIT_TOP;
  FontGlyphEditRequest edit;
  if (r.Action == FONTEDIT_DELETE)
    edit.Edit = top ? GLYPHEDIT_DELETE_TOP : GLYPHEDIT_DELETE_BOTTOM;
  else
    edit.Edit = top ? GLYPHEDIT_INSERT_TOP : GLYPHEDIT_INSERT_BOTTOM;
  edit.Count = r.Count;
  GLYPHOR_Host()->ShowStatus("Executing command...");
  return FONTOP_GlyphEdit(edit);
}

bool FONTOP_ChangePixel(const FontPixelRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  const unsigned code = doc->CurrentChar;
  const bool written = PIXELVALUE_Change(doc, code, r.X, r.Y, static_cast<PixelChange>(r.Change), r.Value);
  if (r.FromKey) FONT_RecomputeFrame(doc, code);
  GLYPHOR_Host()->Redraw();
  return written;
}
