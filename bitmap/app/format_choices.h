// The format dialog's list: the formats the image allows, in the dialog's order, and
// how a selection changes the "Without palette" check box.
#pragma once

#include <vector>

struct ImageDocument;

// Palette formats for a palette of n entries (when the image has one), then the alpha
// formats or the direct-colour formats; 99 only for C files (fileType 1).
// *pPaletteEntries gets whether the palette step added entries.
std::vector<int> RASTREL_FormatChoices(const ImageDocument* doc, int fileType, bool* pPaletteEntries);
// The check box state after selecting a format: 1, 2, 4-7 enable it, 8-11 and 19-24
// disable it, any other keeps it.
bool RASTREL_NoPaletteEnabled(int format, bool enabled);
