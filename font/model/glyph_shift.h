// Shifting a character's pixels: they rotate inside the unchanged bitmap.
#pragma once

#include "font/model/font_doc.h"

// Moves every pixel by dx columns and dy rows (each -1, 0 or 1); what leaves one
// edge comes back at the opposite one. Nothing at width 0.
void GLYPHSHIFT_Rotate(FontDoc* doc, unsigned code, int dx, int dy);
