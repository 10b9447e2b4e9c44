// Glyph editing operations of the font converter on the current font, called by the
// Edit menu, the keys of the character view and the job command edit. Each checks for
// a font first ("No font data"); failures have been reported when they return false.
#pragma once

#include "font/app/font_requests.h"

// Runs an Edit-menu glyph operation request.Count times (stops at the first failure).
bool FONTOP_GlyphEdit(const FontGlyphEditRequest& request);
// The glyph operation of an Edit-menu identifier (540 to 643), or -1.
int FONTOP_GlyphEditOfId(unsigned id);
// Job command edit: Delete or Insert, Top or Bottom, Count times.
bool FONTOP_Edit(const FontEditRequest& request);
// Changes one pixel of the current character; true when a value was written.
bool FONTOP_ChangePixel(const FontPixelRequest& request);
