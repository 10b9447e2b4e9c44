// Rules of the "Create Alpha" and "Load Alpha mask" dialogs without Qt: their titles and
// fields, the file dialog of their Browse buttons and the check of a browsed name.
#pragma once

#include "common/host/app_host.h"

// Title and the labels of the fields ("Image 1:", "Image 2:" or only "Image:").
const char* ALPHADLG_Title(bool maskOnly);
int ALPHADLG_NumFields(bool maskOnly);
const char* ALPHADLG_FieldLabel(bool maskOnly, int field);
// The Browse buttons' file dialog: "Select Image", "Bitmap file (*.bmp)", starting at
// the name already typed into the field.
FileDialogRequest ALPHADLG_BrowseRequest(const char* currentName);
// True for a name with the extension .bmp in any case; else the dialog warns
// ALPHADLG_acNotBmp (caption "Warning") and keeps the field as it was.
bool ALPHADLG_IsBmpName(const char* name);
inline constexpr const char ALPHADLG_acNotBmp[] = "The image needs to be a BMP file!";
