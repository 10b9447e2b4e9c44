// Pixel grid of one character: unpacking and packing through the document's pixel
// access, enlarging the planes when the grid needs more bytes.
#include "font/model/glyph_grid.h"

#include <cstdlib>
#include <cstring>

void GlyphGrid::Resize(int width, int rows) {
  Width = width > 0 ? width : 0;
  Rows = rows > 0 ? rows : 0;
  aPixel.assign(static_cast<size_t>(Width) * static_cast<size_t>(Rows), 0);
}

int GlyphGrid::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width || y >= Rows) return 0;
  return aPixel[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)];
}

void GlyphGrid::Set(int x, int y, int value) {
  if (x < 0 || y < 0 || x >= Width || y >= Rows) return;
  aPixel[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)] = value;
}

GlyphGrid GLYPHGRID_Read(const FontDoc* doc, unsigned code, int rows) {
  GlyphGrid g;
  if (code >= FONT_NUM_CODES) return g;
  g.Resize(doc->aChar[code].Width, rows);
  for (int y = 0; y < g.Rows; ++y)
    for (int x = 0; x < g.Width; ++x) g.Set(x, y, FONT_GetPixel(doc, code, x, y));
  return g;
}

static uint8_t* zeroed(size_t size) { return static_cast<uint8_t*>(std::calloc(size, 1)); }

bool GLYPHGRID_Write(FontDoc* doc, unsigned code, const GlyphGrid& grid) {
  if (code >= FONT_NUM_CODES) return false;
  FontChar& c = doc->aChar[code];
  const size_t needed =
      static_cast<size_t>(grid.Rows) * static_cast<size_t>(FONT_BytesPerLine(doc->Type, grid.Width));
  if (needed > 0xFFFFFFFFu) return false;
  if (needed == 0) {  // nothing to hold: no planes
    std::free(c.pPixels);
    std::free(c.pFrame);
    c.pPixels = c.pFrame = nullptr;
    c.PlaneSize = 0;
    c.Width = grid.Width;
    return true;
  }
  const bool framed = doc->Type == FONT_TYPE_EXT_FRM || c.pFrame;
  if (needed > c.PlaneSize || !c.pPixels) {
    uint8_t* pixels = zeroed(needed);
    uint8_t* frame = framed ? zeroed(needed) : nullptr;
    if (!pixels || (framed && !frame)) {
      std::free(pixels);
      std::free(frame);
      return false;
    }
    std::free(c.pPixels);
    std::free(c.pFrame);
    c.pPixels = pixels;
    c.pFrame = frame;
    c.PlaneSize = static_cast<uint32_t>(needed);
  } else {
    std::memset(c.pPixels, 0, c.PlaneSize);
    if (c.pFrame) std::memset(c.pFrame, 0, c.PlaneSize);
  }
  c.Width = grid.Width;
  for (int y = 0; y < grid.Rows; ++y)
    for (int x = 0; x < grid.Width; ++x)
      if (int v = grid.Get(x, y)) FONT_SetPixel(doc, code, x, y, v);
  return true;
}

int GLYPHGRID_CharRows(const FontDoc* doc, unsigned code) {
  if (code >= FONT_NUM_CODES) return 0;
  return FONT_IsExtended(doc->Type) ? doc->aChar[code].GlyphHeight : doc->Height;
}
