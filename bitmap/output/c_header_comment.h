// The comment box at the top of every generated C file and the include block after it.
// Shared by the C bitmap writer (file kind 1) and the animated sprite and cursor output
// (file kinds 6 and 7).
#pragma once

#include "common/version/version.h"

#include "bitmap/document/image.h"
#include "bitmap/output/c_text_writer.h"

enum {
  CHEADER_KIND_BITMAP = 1,
  CHEADER_KIND_SPRITE = 6,
  CHEADER_KIND_CURSOR = 7,
};

#define CHEADER_PRODUCT VORIX_BITMAP_PRODUCT
#define CHEADER_VERSION VORIX_VERSION_TEXT

// Writes the comment box and the include block. countText is the NumColors text of the
// format (bitmaps) or the number of images (animated files); the dimensions are those of
// doc. For kinds 6 and 7, duration is the total delay in milliseconds and usage (may be
// null) the usage lines inserted before the closing line: it starts with "\r\n" and its
// last line has no line end.
void CHEADER_Write(CTextWriter* w, const char* identifier, const char* countText,
                   const ImageDocument* doc, int fileKind, const char* usage, const char* duration);
// The closing line of every C bitmap file.
void CHEADER_WriteEndOfFile(CTextWriter* w);
// One line of the box: text padded with blanks to 69 characters and closed with '*'
// (longer texts stay unpadded), then "\r\n".
void CHEADER_BoxLine(CTextWriter* w, const char* text);
