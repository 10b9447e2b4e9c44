// The program's own file dialogs: the palette dialogs and the animation commands' GIF
// and output dialogs always carry their titles and filters, whatever the command left
// unset; the output name starts as the GIF's path with the filter's extension.
#pragma once

#include <string>

#include "bitmap/app/rastrel_host.h"

// "Open custom palette": "GUI Palette file (*.GUIPal)", "All files (*.*)".
void RASTREL_CompleteCustomPaletteRequest(FileDialogRequest* request);
// "Save palette file": "Vorix palette file (*.GUIPal)", extension GUIPal.
void RASTREL_CompleteSavePaletteRequest(FileDialogRequest* request);
// "Select GIF to convert.": "GIF file (*.gif)".
void RASTREL_CompleteAnimationGifRequest(FileDialogRequest* request);
// "Saving animated sprite." / "Saving animated cursor.": "\"C\" sprite file (*.c)" or
// "\"C\" cursor file (*.c)"; without an initial name, gifPath with the extension c.
void RASTREL_CompleteAnimationOutputRequest(AnimationKind kind, const std::string& gifPath,
                                            FileDialogRequest* request);
