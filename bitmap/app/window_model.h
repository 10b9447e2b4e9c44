// Menu enabling, zoom steps and status help of the main window, as plain rules over
// what the window knows: the document, its distinct colours, the clipboard, the undo stack.
#pragma once

struct MenuInputs {
  bool HasImage = false;
  int DistinctColors = 0;   // counted when the menu opens
  int NumColors = 0;        // palette entries (0: true colour)
  bool ClipboardHasDib = false;
  int UndoCount = 0;
};

// True when the menu command is enabled.
bool RASTREL_IsMenuEnabled(unsigned id, const MenuInputs& in);
// Zoom after one Zoom In (+1) or Zoom Out (-1) step, kept from 1 to 40.
int RASTREL_ZoomStep(int zoom, int delta);
// Zoom chosen after opening or pasting an image of this size.
int RASTREL_InitialZoom(int width, int height);
// Status text while the menu item is highlighted; "Ready" when it has none.
const char* RASTREL_MenuHelp(unsigned id);
