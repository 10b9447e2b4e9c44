// Colours of the font views: the program's colour values are 0xBBGGRR.
#pragma once

#include <QColor>
#include <cstdint>

inline QRgb GLYPHOR_Rgb(uint32_t bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

enum : uint32_t {
  GLYPHOR_COLOUR_WHITE = 0xFFFFFF,
  GLYPHOR_COLOUR_GREY = 0xAAAAAA,         // a disabled character
  GLYPHOR_COLOUR_OUTSIDE_GLYPH = 0x80FFFF,  // rows of an extended character outside its glyph
};
