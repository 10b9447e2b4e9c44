// The glyph operations of the Edit menu (insert, delete, shift, move, cursor distance,
// font height), run on a document's current character or the whole font with their
// edit-log lines, messages and redraw.
#pragma once

#include <cstddef>

#include "font/model/font_doc.h"

// In the order of their menu identifiers within each group.
enum GlyphEdit {
  GLYPHEDIT_INSERT_RIGHT,
  GLYPHEDIT_INSERT_LEFT,
  GLYPHEDIT_INSERT_TOP,
  GLYPHEDIT_INSERT_BOTTOM,
  GLYPHEDIT_DELETE_RIGHT,
  GLYPHEDIT_DELETE_LEFT,
  GLYPHEDIT_DELETE_TOP,
  GLYPHEDIT_DELETE_BOTTOM,
  GLYPHEDIT_SHIFT_RIGHT,
  GLYPHEDIT_SHIFT_LEFT,
  GLYPHEDIT_SHIFT_UP,
  GLYPHEDIT_SHIFT_DOWN,
  GLYPHEDIT_MOVE_RIGHT,
  GLYPHEDIT_MOVE_LEFT,
  GLYPHEDIT_MOVE_UP,
  GLYPHEDIT_MOVE_DOWN,
  GLYPHEDIT_CURSOR_INCREASE,
  GLYPHEDIT_CURSOR_DECREASE,
  GLYPHEDIT_HEIGHT_INSERT_TOP,
  GLYPHEDIT_HEIGHT_INSERT_BOTTOM,
  GLYPHEDIT_HEIGHT_DELETE_TOP,
  GLYPHEDIT_HEIGHT_DELETE_BOTTOM,
  GLYPHEDIT_COUNT
};

// Runs one operation: its edit-log line, the change, a redraw. False when it failed
// (after reporting "Could not delete pixel!", or without memory for a larger glyph).
bool GLYPHEDIT_Run(FontDoc* doc, GlyphEdit edit);
// The operation's edit-log text (unframed) for the code; empty for an unknown one.
void GLYPHEDIT_LogText(GlyphEdit edit, unsigned code, char* out, size_t outSize);
