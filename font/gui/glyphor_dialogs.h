// Dialogs of the font converter's window. The run-time ones are created from their
// descriptions and read back separately, so tests can fill them without a modal loop.
#pragma once

#include <QDialog>
#include <QString>

#include "common/gui/runtime_dialog.h"
#include "font/app/font_options.h"
#include "font/app/font_requests.h"

// Option dialogs of the Options menu (780 to 784): created with the record's values,
// read back into the record (only the dialog's own fields).
RuntimeDialog* GLYPHOR_CreateOptionDialog(QWidget* parent, unsigned id, const FontOptions& options);
void GLYPHOR_ReadOptionDialog(const RuntimeDialog& dialog, unsigned id, FontOptions* options);
bool GLYPHOR_RunOptionDialog(QWidget* parent, unsigned id, FontOptions* options);

// "Font generation options": type list, encoding and antialiasing groups.
RuntimeDialog* GLYPHOR_CreateGenerationDialog(QWidget* parent, const FontCreateRequest& request);
void GLYPHOR_ReadGenerationDialog(const RuntimeDialog& dialog, FontCreateRequest* request);
bool GLYPHOR_RunGenerationDialog(QWidget* parent, FontCreateRequest* request);

// "Type of XBF-font to be read": the chosen type, or -1 on Cancel.
RuntimeDialog* GLYPHOR_CreateXbfTypeDialog(QWidget* parent, int preselected);
int GLYPHOR_ReadXbfTypeDialog(const RuntimeDialog& dialog);
int GLYPHOR_RunXbfTypeDialog(QWidget* parent, int preselected);

// "Select range of characters": two hexadecimal fields 0 to FFFF.
bool GLYPHOR_RunRangeDialog(QWidget* parent, FontRangeRequest* request);
// A single decimal value between min and max.
bool GLYPHOR_RunValueDialog(QWidget* parent, const char* title, const char* label, int min, int max, int* value);

// "About": the title, version and build stamp, and the title again in the information frame.
QDialog* GLYPHOR_CreateAboutBox(QWidget* parent, const char* title);
void GLYPHOR_RunAboutBox(QWidget* parent, const char* title);
