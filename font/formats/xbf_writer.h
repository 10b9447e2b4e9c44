// XBF (external binary font) writer: header, an offset table over the codes from
// the first to the last enabled one, the character records and the type trailer.
#pragma once

#include <cstdint>
#include <cstdio>

#include "font/formats/font_output.h"

// A record's size is a 16-bit field: a glyph whose record would not fit is refused.
#define XBF_MSG_RECORD_TOO_LARGE \
  "Character 0x%04X needs an XBF record of %lu bytes, more than the format's 65535: the font cannot be saved as XBF."

// Record size of an enabled character, unwrapped.
uint32_t XBF_RecordSize(const FontDoc* doc, unsigned code, const FontSaveOptions& options);
// False after reporting XBF_MSG_RECORD_TOO_LARGE for the first character of the ranges
// whose record exceeds 65535 bytes.
bool XBF_CheckRecords(const FontDoc* doc, const FontRangeList& ranges, const FontSaveOptions& options);

// Returns 1 after "Nothing to save!", else 0.
int XBF_Write(FontDoc* doc, FILE* file, const FontSaveOptions& options);
