// Save routine of the font converter: creates the document's file and runs the C,
// SIF or XBF writer on it.
#pragma once

#include "font/formats/font_output.h"

enum { FONT_FORMAT_C = 0, FONT_FORMAT_SIF = 1, FONT_FORMAT_XBF = 2 };

// Saves to the document's path. Returns 1 when the user declined to overwrite or the
// writer found nothing to save, else 0 (failures have been reported).
int FONTSAVE_Save(FontDoc* doc, int format, bool askOverwrite, const FontSaveOptions& options);
