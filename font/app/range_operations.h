// Character range operations of the font converter beyond a single range: all
// characters, a block and pattern files. Each checks for a font first ("No font data").
#pragma once

#include "font/app/font_requests.h"

// Disables codes 0 to 16 x block count - 1, logged as a range.
bool FONTOP_DisableAll();
// Enables or disables the 16 codes of the current character's block (no log line).
bool FONTOP_EnableBlock(bool enable);
// Enables the characters a pattern file lists; reports the codes the font lacks.
bool FONTOP_ReadPattern(const FontFileRequest& request);
// Writes the enabled characters to a pattern file (the caller asked about overwriting).
bool FONTOP_SavePattern(const FontFileRequest& request);
