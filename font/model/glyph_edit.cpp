// Edit-menu glyph operations: the log line of each, then the operation of its group.
#include "font/model/glyph_edit.h"

#include <cstdio>

#include "common/host/app_host.h"
#include "font/model/edit_log.h"
#include "font/model/font_height.h"
#include "font/model/font_messages.h"
#include "font/model/glyph_columns.h"
#include "font/model/glyph_placement.h"
#include "font/model/glyph_rows.h"
#include "font/model/glyph_shift.h"

namespace {

// Edit-log texts; the character operations take the code in hex and decimal.
const char* const s_apLog[GLYPHEDIT_COUNT] = {
    "* Edit/Insert/Right     at character 0x%X (%d)",
    "* Edit/Insert/Left      at character 0x%X (%d)",
    "* Edit/Insert/Top       at character 0x%X (%d)",
    "* Edit/Insert/Bottom    at character 0x%X (%d)",
    "* Edit/Delete/Right     at character 0x%X (%d)",
    "* Edit/Delete/Left      at character 0x%X (%d)",
    "* Edit/Delete/Top       at character 0x%X (%d)",
    "* Edit/Delete/Bottom    at character 0x%X (%d)",
    "* Edit/Shift/Right      at character 0x%X (%d)",
    "* Edit/Shift/Left       at character 0x%X (%d)",
    "* Edit/Shift/Up         at character 0x%X (%d)",
    "* Edit/Shift/Down       at character 0x%X (%d)",
    "* Edit/Move/Right       at character 0x%X (%d)",
    "* Edit/Move/Left        at character 0x%X (%d)",
    "* Edit/Move/Up          at character 0x%X (%d)",
    "* Edit/Move/Down        at character 0x%X (%d)",
    "* Edit/Cursor Distance/Increase at character 0x%X (%d)",
    "* Edit/Cursor Distance/Decrease at character 0x%X (%d)",
    "* Edit/Increase/Top     of font.",
    "* Edit/Increase/Bottom  of font.",
    "* Edit/Decrease/Top     of font.",
    "* Edit/Decrease/Bottom  of font.",
};

// Column (x) and row (y) step of the right, left, up and down variants.
const int s_aDx[4] = {1, -1, 0, 0};
const int s_aDy[4] = {0, 0, -1, 1};

bool whole_font_rows(const FontDoc* doc) {
  return doc->Type == FONT_TYPE_STD || doc->Type == FONT_TYPE_AA2 || doc->Type == FONT_TYPE_AA4 ||
         doc->Type == FONT_TYPE_EXT_FRM;
}

void log_line(GlyphEdit edit, unsigned code) {
  char acLine[96];
  GLYPHEDIT_LogText(edit, code, acLine, sizeof(acLine));
  EDITLOG_AddLine(acLine);
}

bool insert_or_delete_rows(FontDoc* doc, unsigned code, bool insert, bool top) {
  if (!whole_font_rows(doc)) {
    if (insert) return GLYPHROWS_InsertInChar(doc, code, top);
    GLYPHROWS_DeleteInChar(doc, code, top);
    return true;
  }
  FONT_PrepareForSaving(doc);
  if (insert) return GLYPHROWS_InsertInFont(doc, top);
  if (GLYPHROWS_DeleteInFont(doc, top)) return true;
  FONTMSG_ReportMsg(FONTMSG_DELETE_PIXEL);
  return false;
}

// Runs the operation; false after a report.
bool apply(FontDoc* doc, GlyphEdit edit, unsigned code) {
  const int side = edit % 4;  // right, left, top (up), bottom (down) within a group of four
  switch (edit) {
    case GLYPHEDIT_INSERT_RIGHT:
    case GLYPHEDIT_INSERT_LEFT:
      return GLYPHCOL_Insert(doc, code, edit == GLYPHEDIT_INSERT_LEFT);
    case GLYPHEDIT_DELETE_RIGHT:
    case GLYPHEDIT_DELETE_LEFT:
      GLYPHCOL_Delete(doc, code, edit == GLYPHEDIT_DELETE_LEFT);
      return true;
    case GLYPHEDIT_INSERT_TOP:
    case GLYPHEDIT_INSERT_BOTTOM:
      return insert_or_delete_rows(doc, code, true, edit == GLYPHEDIT_INSERT_TOP);
    case GLYPHEDIT_DELETE_TOP:
    case GLYPHEDIT_DELETE_BOTTOM:
      return insert_or_delete_rows(doc, code, false, edit == GLYPHEDIT_DELETE_TOP);
    case GLYPHEDIT_SHIFT_RIGHT:
    case GLYPHEDIT_SHIFT_LEFT:
    case GLYPHEDIT_SHIFT_UP:
    case GLYPHEDIT_SHIFT_DOWN:
      GLYPHSHIFT_Rotate(doc, code, s_aDx[side], s_aDy[side]);
      return true;
    case GLYPHEDIT_MOVE_RIGHT:
    case GLYPHEDIT_MOVE_LEFT:
    case GLYPHEDIT_MOVE_UP:
    case GLYPHEDIT_MOVE_DOWN:
      // Up raises the glyph: its top above the baseline grows.
      GLYPHPLACE_Move(doc, code, s_aDx[side], -s_aDy[side]);
      return true;
    case GLYPHEDIT_CURSOR_INCREASE:
    case GLYPHEDIT_CURSOR_DECREASE:
      GLYPHPLACE_ChangeCursorDistance(doc, code, edit == GLYPHEDIT_CURSOR_INCREASE);
      return true;
    case GLYPHEDIT_HEIGHT_INSERT_TOP:
    case GLYPHEDIT_HEIGHT_INSERT_BOTTOM:
      if (edit == GLYPHEDIT_HEIGHT_INSERT_TOP) FONT_PrepareForSaving(doc);
      FONTHEIGHT_Insert(doc, edit == GLYPHEDIT_HEIGHT_INSERT_TOP);
      return true;
    case GLYPHEDIT_HEIGHT_DELETE_TOP:
    case GLYPHEDIT_HEIGHT_DELETE_BOTTOM:
      if (edit == GLYPHEDIT_HEIGHT_DELETE_TOP) FONT_PrepareForSaving(doc);
      FONTHEIGHT_Delete(doc, edit == GLYPHEDIT_HEIGHT_DELETE_TOP);
      return true;
    case GLYPHEDIT_COUNT:
      break;
  }
  return true;
}

}  // namespace

void GLYPHEDIT_LogText(GlyphEdit edit, unsigned code, char* out, size_t outSize) {
  if (!outSize) return;
  out[0] = 0;
  if (edit < 0 || edit >= GLYPHEDIT_COUNT) return;
  std::snprintf(out, outSize, s_apLog[edit], code, static_cast<int>(code));
}

bool GLYPHEDIT_Run(FontDoc* doc, GlyphEdit edit) {
  if (!doc || edit < 0 || edit >= GLYPHEDIT_COUNT) return false;
  const unsigned code = doc->CurrentChar;
  // A character is edited as the character view shows it: rendered.
  if (!doc->aChar[code].Generated) FONT_RenderChar(doc, code);
  // Inserting and deleting a row at the top of the font log after the change.
  const bool logAfter = edit == GLYPHEDIT_HEIGHT_INSERT_TOP || edit == GLYPHEDIT_HEIGHT_DELETE_TOP;
  if (!logAfter) log_line(edit, code);
  const bool ok = apply(doc, edit, code);
  if (logAfter) log_line(edit, code);
  HOST_Get()->Redraw();
  return ok;
}
