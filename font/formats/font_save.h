// Save routine of the font converter: checks the document, then runs the C, SIF or
// XBF writer on a temporary file that replaces the document's file when complete.
#pragma once

#include "font/formats/font_output.h"

enum { FONT_FORMAT_C = 0, FONT_FORMAT_SIF = 1, FONT_FORMAT_XBF = 2 };

enum { FONTSAVE_OK = 0, FONTSAVE_DECLINED = 1, FONTSAVE_FAILED = 2 };

// Saves to the document's path. Returns FONTSAVE_DECLINED when the user declined to
// overwrite or the save was refused (nothing to save, a glyph too large for the format),
// FONTSAVE_FAILED when the file could not be written; failures have been reported. A
// save that does not succeed leaves an existing file as it was.
int FONTSAVE_Save(FontDoc* doc, int format, bool askOverwrite, const FontSaveOptions& options);
