// ColorValue: red bits 0-7, green 8-15, blue 16-23, transparency 24-31
// (0 opaque, 255 fully transparent: the inverse of the usual alpha).
#pragma once

#include <cstdint>

typedef uint32_t ColorValue;

inline unsigned COLOR_Red(ColorValue c) { return c & 0xFFu; }
inline unsigned COLOR_Green(ColorValue c) { return (c >> 8) & 0xFFu; }
inline unsigned COLOR_Blue(ColorValue c) { return (c >> 16) & 0xFFu; }
inline unsigned COLOR_Trans(ColorValue c) { return c >> 24; }
inline ColorValue COLOR_Make(unsigned r, unsigned g, unsigned b, unsigned t = 0) {
  return (ColorValue)(r | (g << 8) | (b << 16) | (t << 24));
}
