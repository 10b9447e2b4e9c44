// Inserting and deleting pixel rows at the top or bottom. On the extended types 3, 5
// and 6 they change the one character; on the types 0, 1, 2 and 4 every character of
// the font and the font height.
#pragma once

#include "font/model/font_doc.h"

// Extended character: one empty row above (top) or below the glyph, within the font's
// cell (nothing when the glyph already reaches its edge). False when out of memory.
bool GLYPHROWS_InsertInChar(FontDoc* doc, unsigned code, bool top);
// Extended character: drops the top row (moving the glyph down) or the bottom row;
// nothing when the glyph height is 1.
void GLYPHROWS_DeleteInChar(FontDoc* doc, unsigned code, bool top);
// Whole font: an empty row at the top or bottom of every character, font height + 1.
// False when out of memory (characters done so far keep their new row).
bool GLYPHROWS_InsertInFont(FontDoc* doc, bool top);
// Whole font: drops the top or bottom row of every character, font height - 1. False
// (nothing changed) when the font height is 1.
bool GLYPHROWS_DeleteInFont(FontDoc* doc, bool top);
// Shows "Modifying character %04X   " for codes that are multiples of 256.
void GLYPHROWS_ShowProgress(unsigned code);
