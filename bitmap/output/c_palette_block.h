// Palette block of generated C files: the GUI_COLOR array in both colour orders under a
// GUI_USE_ARGB switch and the GUI_LOGPALETTE that points at it. Shared with the animated
// sprite and cursor output.
#pragma once

#include "bitmap/document/image.h"
#include "bitmap/output/c_text_writer.h"

// The comment that describes the colour entries.
void CPALETTE_WriteDescription(CTextWriter* w);
// Colour array "_Colors<name>" and palette "_Pal<name>" of the document's palette.
// withoutPalette wraps the colour array (and the description when withDescription is set)
// in "#if 0" for reference and leaves the palette's colour pointer NULL. useARGB writes the
// 0xBBGGRR entries with 8 hex digits.
void CPALETTE_Write(CTextWriter* w, const ImageDocument* doc, const char* name, bool withoutPalette,
                    bool useARGB, bool withDescription);
