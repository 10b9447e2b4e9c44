// The help listing window: the command listing of a converter, read-only, with its tab
// columns kept, and an OK button.
#pragma once

class QDialog;
class QWidget;

// Creates the window (not yet shown).
QDialog* GUI_CreateHelpWindow(QWidget* parent, const char* title, const char* text);
