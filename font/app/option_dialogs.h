// The five option dialogs of the Options menu: each reads the options, lets its dialog
// change only its own fields and saves the whole record on OK.
#pragma once

#include "font/app/font_options.h"

// The fields of the options record an option dialog edits, in the order of its controls.
struct FontOptionDialogFields {
  unsigned Id;                       // menu command 780 to 784
  int32_t FontOptions::*apField[3];  // unused entries are null
};
// The fields of the dialog of the menu command; null for other commands.
const FontOptionDialogFields* FONTOPT_DialogFields(unsigned id);
// Copies the fields the dialog of the menu command owns from edited to stored.
void FONTOPT_TakeDialogFields(unsigned id, const FontOptions& edited, FontOptions* stored);
// Runs the dialog of menu command 780 to 784 through the host; Cancel changes nothing.
void GLYPHOR_RunOptionDialog(unsigned id);
// Stores the type chosen in the XBF type dialog as GetTypeXBF.
void FONTOPT_StoreXbfType(int type);
// Stores the unit of size chosen in the font chooser as PointMode (0 pixels, 1 points).
void FONTOPT_StorePointMode(int pointMode);
