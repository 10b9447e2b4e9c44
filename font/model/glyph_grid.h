// Pixel grid of one character: its pixels (frame pixels as -1) unpacked into a
// width x rows array, so the editing operations move pixels without caring for the
// packing, then write the grid back into the character's planes.
#pragma once

#include <vector>

#include "font/model/font_doc.h"

struct GlyphGrid {
  int Width = 0;
  int Rows = 0;
  std::vector<int> aPixel;  // row by row

  void Resize(int width, int rows);  // all pixels 0
  int Get(int x, int y) const;       // 0 outside the grid
  void Set(int x, int y, int value);  // nothing outside the grid
};

// The code's pixels in rows 0..rows-1 and columns 0..width-1.
GlyphGrid GLYPHGRID_Read(const FontDoc* doc, unsigned code, int rows);
// Makes the code's planes hold the grid: the planes are enlarged (zero-filled) when
// smaller than rows x bytes-per-line of the grid's width and never shrunk; the
// record's width becomes the grid's. False when the planes could not be enlarged
// (the character is then unchanged).
bool GLYPHGRID_Write(FontDoc* doc, unsigned code, const GlyphGrid& grid);
// Rows of a character: glyph height for the extended types, font height otherwise.
int GLYPHGRID_CharRows(const FontDoc* doc, unsigned code);
