// Placement of one character: its position relative to the pen and its advance.
#pragma once

#include "font/model/font_doc.h"

// x position + dx and top above baseline + dy, without limits.
void GLYPHPLACE_Move(FontDoc* doc, unsigned code, int dx, int dy);
// Cursor distance + 1 below 255, or - 1 above 0.
void GLYPHPLACE_ChangeCursorDistance(FontDoc* doc, unsigned code, bool increase);
