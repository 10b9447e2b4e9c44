// Font merge: copies every character of a font read from a file into the current
// font, the file's characters winning. Both fonts must have the same height and type.
#pragma once

#include "font/model/font_doc.h"

#define FONTMERGE_MSG_SIZE "Merging fonts does not work with different font sizes!"
#define FONTMERGE_MSG_TYPE "Merging fonts does not work with different font types!"

// Merges source into doc. Returns null on success, else the message text (nothing has
// been changed then). source is not changed; doc keeps its font-wide values.
const char* FONTMERGE_Merge(FontDoc* doc, const FontDoc* source);
