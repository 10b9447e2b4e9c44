// Changing the value of one pixel of a character, by the menus and keys of the
// character view.
#pragma once

#include "font/model/font_doc.h"

enum PixelChange {
  PIXEL_INCREASE,  // value + 1
  PIXEL_DECREASE,  // value - 1
  PIXEL_INVERT,    // largest value - value (a frame pixel counts as 0)
  PIXEL_KEY,       // the key's value 0 to 15
  PIXEL_SET,       // a value of the Set index menu, written without a check or log line
};

// Changes pixel (x, y) of the code: a result above the type's largest value or below 0
// is ignored (but -1, a frame pixel, is accepted on the framed type); an accepted value
// is logged ("* Pixel index of character ...") and written. False when nothing was
// written (also for a pixel outside the character).
bool PIXELVALUE_Change(FontDoc* doc, unsigned code, int x, int y, PixelChange change, int value = 0);
