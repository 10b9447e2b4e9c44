// The font height operations: one row more or less in the font's cell, the extended
// glyphs moved with the top edge.
#pragma once

#include "font/model/font_doc.h"

// Font height + 1; at the top every available character also moves down by one.
void FONTHEIGHT_Insert(FontDoc* doc, bool top);
// Font height - 1 unless it is below 2; at the top every available character also
// moves up by one (even when the height stayed).
void FONTHEIGHT_Delete(FontDoc* doc, bool top);
