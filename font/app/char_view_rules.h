// The character view's geometry and pixel cursor as plain code, and the view state the
// window keeps (active view, pixel cursor).
#pragma once

#include "font/model/font_doc.h"

struct PixelCursor {
  int Column = 0;
  int Row = 0;
};

// Rows the pixel cursor moves over: the glyph height, or the font height when the
// glyph height is 0.
int CHARVIEW_CursorRows(const FontDoc* doc, unsigned code);
// A column at or beyond the width becomes 0 and a negative one width - 1; rows alike.
PixelCursor CHARVIEW_Clamp(const FontDoc* doc, unsigned code, PixelCursor cursor);
// Side of a cell: client height / font height (0 without a font height).
int CHARVIEW_CellSize(const FontDoc* doc, int clientHeight);
// Font row of the glyph's first plane row: baseline - top above baseline for the
// extended types (bounded to +-65536), 0 for the others.
int CHARVIEW_GlyphTop(const FontDoc* doc, unsigned code);
// The glyph pixel under a point: true and the cursor when the cell lies inside the
// character.
bool CHARVIEW_HitTest(const FontDoc* doc, unsigned code, int cellSize, int x, int y, PixelCursor* cursor);

// Active view and pixel cursor of the main window.
int GLYPHOR_ActiveView();
void GLYPHOR_SetActiveView(int view);
PixelCursor GLYPHOR_GetPixelCursor();
// Stores the cursor clamped to the current character of the current font.
void GLYPHOR_SetPixelCursor(PixelCursor cursor);

enum { CHARVIEW_KEY_PARAM = 1 };  // param of a value set by a key: checked and logged
// Command of a value key in the character view: numeric plus 680, minus 681, Space 682,
// 0 to 9 and A to F 700 + value with the param CHARVIEW_KEY_PARAM; 0 for other keys.
unsigned CHARVIEW_KeyCommand(char key, unsigned* param);
