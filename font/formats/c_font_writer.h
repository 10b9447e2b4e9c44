// C font file writer: one pixel array per character, the character-information
// table, one range structure per run of codes and the GUI_FONT tying them together.
// Every line ends with CR LF.
#pragma once

#include <cstdio>
#include <string>

#include "font/formats/font_output.h"
#include "font/model/font_doc.h"

// Writes the document as C source; returns 1 after "Nothing to save!", else 0.
int CFONT_Write(FontDoc* doc, FILE* file, const FontSaveOptions& options);
// Identifier of the GUI_FONT for an output path ("GUI_Font" + cleaned base name).
std::string CFONT_FontIdentifier(const FontDoc* doc, const char* path);
// Type identifier such as GUI_FONTTYPE_PROP_AA4 (with "_SJIS" for Shift_JIS).
std::string CFONT_TypeIdentifier(int type, int encoding);
// Build stamp "Dec 12 2017, 16:29:55".
std::string CFONT_BuildStamp();
