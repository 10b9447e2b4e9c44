// The font converter's one current document, created by the generator or a reader,
// replaced by operations and freed when replaced.
#pragma once

#include "font/model/font_doc.h"

// Null before the first create or load.
FontDoc* FONT_GetCurrent();
// Replaces the current document; the previous one is destroyed.
void FONT_SetCurrent(FontDoc* doc);
