// The help listing window: the command listing of a converter in a read-only edit
// field whose tab stops line the columns up. Owned by the main window, which takes no
// input while it is open; Escape or closing it destroys it.
#pragma once

class QDialog;
class QWidget;

struct GuiHelpWindowDesc {
  const char* pTitle;
  int TextHeight;       // height of the edit field (without the window system's frame)
  bool Resizable;       // a sizing border; the edit field follows the window's size
  bool BothScrollBars;  // lines kept whole with a horizontal scroll bar; else they wrap
};

// Width of the window (edit field) in pixels.
enum { GUI_HELP_WINDOW_WIDTH = 542 };

// Creates the window centred on the parent's screen (not yet shown), no taller than
// the screen's work area.
QDialog* GUI_CreateHelpWindow(QWidget* parent, const GuiHelpWindowDesc& desc, const char* text);
