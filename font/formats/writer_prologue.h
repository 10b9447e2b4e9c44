// Start shared by the C, SIF and XBF writers: glyphs still missing are rendered,
// characters without pixels disabled, and the range list built.
#pragma once

#include "font/model/font_doc.h"

// Fills the range list of the enabled characters. Returns false after reporting
// "Nothing to save!" when no character is enabled: the writer then writes nothing.
bool FONTOUT_BeginSave(FontDoc* doc, FontRangeList* ranges);
