// The graphics library's colour formats: colour -> index, index -> colour and the
// largest index. Palette based when the largest index is at most 255.
#pragma once

#include <array>
#include <cstdint>

#include "colour/colour_value.h"

struct ColorFormat {
  uint32_t (*pfColor2Index)(ColorValue color);
  ColorValue (*pfIndex2Color)(uint32_t index);
  uint32_t (*pfGetIndexMask)(void);
};

extern const ColorFormat COLOR_FORMAT_BW;
extern const ColorFormat COLOR_FORMAT_GRAY4;
extern const ColorFormat COLOR_FORMAT_GRAY16;
extern const ColorFormat COLOR_FORMAT_GRAY64;
extern const ColorFormat COLOR_FORMAT_GRAY256;
extern const ColorFormat COLOR_FORMAT_111;
extern const ColorFormat COLOR_FORMAT_222;
extern const ColorFormat COLOR_FORMAT_233;
extern const ColorFormat COLOR_FORMAT_323;
extern const ColorFormat COLOR_FORMAT_332;
extern const ColorFormat COLOR_FORMAT_8666;
extern const ColorFormat COLOR_FORMAT_444_12;
extern const ColorFormat COLOR_FORMAT_555;
extern const ColorFormat COLOR_FORMAT_565;
extern const ColorFormat COLOR_FORMAT_RGB;
// Writer-only formats.
extern const ColorFormat COLOR_FORMAT_444_12_1;
extern const ColorFormat COLOR_FORMAT_444_16;
extern const ColorFormat COLOR_FORMAT_M444_12;
extern const ColorFormat COLOR_FORMAT_M444_12_1;
extern const ColorFormat COLOR_FORMAT_M444_16;
extern const ColorFormat COLOR_FORMAT_M555;
extern const ColorFormat COLOR_FORMAT_M565;

inline bool COLOR_IsPaletteFormat(const ColorFormat& f) { return f.pfGetIndexMask() <= 255; }

// Channel quantisation and expansion tables.
extern const std::array<uint8_t, 256> COLOR_aQ5;
extern const std::array<uint8_t, 256> COLOR_aQ6;
extern const std::array<uint8_t, 32> COLOR_aE5;
extern const std::array<uint8_t, 64> COLOR_aE6;

// The 565 and M565 indices inline, for the writers' per-pixel loops (the formats'
// pfColor2Index are these).
inline uint32_t COLOR_Index565Of(unsigned red, unsigned green, unsigned blue) {
  return COLOR_aQ5[red & 0xFF] | (static_cast<uint32_t>(COLOR_aQ6[green & 0xFF]) << 5) |
         (static_cast<uint32_t>(COLOR_aQ5[blue & 0xFF]) << 11);
}
inline uint32_t COLOR_Index565(ColorValue c) { return COLOR_Index565Of(c, c >> 8, c >> 16); }
inline uint32_t COLOR_IndexM565(ColorValue c) { return COLOR_Index565Of(c >> 16, c >> 8, c); }
