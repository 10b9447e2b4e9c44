// Rules of the two dialogs of New: the generation options (types offered by encoding,
// antialiasing choice, the start values) and the height taken from the font chooser.
#pragma once

#include "font/app/font_requests.h"

// Entries of the type list: the three standard types, and the four extended ones too
// while the encoding is Unicode.
int NEWFONT_TypeCount(int encoding);
// A type the encoding does not offer becomes Standard.
int NEWFONT_TypeForEncoding(int type, int encoding);
// The antialiasing buttons are enabled only for types 1 and 2.
bool NEWFONT_MethodChoosable(int type);
// Type, encoding and method of the document, or Extended, Unicode and Using OS.
FontCreateRequest NEWFONT_Initial(const FontDoc* doc);
// Logical height of a size in points at 96 dots per inch (negative: a character height).
int NEWFONT_PointsToHeight(int points);
// After the chooser: the height h is the pixel size, or the chooser's logical height
// when the pixel size is 0; type 4 keeps its cell h high (h - 2 when h > 1); types 5
// and 6 use the desktop's antialiasing.
void NEWFONT_ApplyChosenSize(FontCreateRequest* request, int pixelSize, int chooserHeight);
