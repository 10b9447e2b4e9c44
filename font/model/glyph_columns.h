// Inserting and deleting pixel columns of one character.
#pragma once

#include "font/model/font_doc.h"

// One empty column at the right (or left) edge: width and cursor distance + 1; the
// maximum character width follows a wider character. False when out of memory.
bool GLYPHCOL_Insert(FontDoc* doc, unsigned code, bool left);
// Drops the rightmost (or leftmost) column: width and cursor distance - 1; nothing at
// width 0. The planes keep their size.
void GLYPHCOL_Delete(FontDoc* doc, unsigned code, bool left);
