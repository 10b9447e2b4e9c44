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

// A format offered in the "Convert to" and "Dither to" menus and on the command line.
struct ColorMenuFormat {
  const ColorFormat* pFormat;
  const char* pMenuText;     // "BW\t(1 BPP)"
  const char* pCommandName;  // "convertintobw", or null when the format has no command
  unsigned ConvertId;        // "Convert to" menu command identifier
  unsigned DitherId;         // "Dither to" identifier, 0 when not offered (RGB)
};

// In menu order: BW, Gray4, Gray16, Gray64, Gray256, 111, 222, 233, 323, 332, 444_12,
// 8666, 555, 565, RGB.
extern const ColorMenuFormat COLOR_aMenuFormat[];
extern const int COLOR_NumMenuFormats;
const ColorMenuFormat* COLOR_FindMenuFormat(unsigned commandId);

// Channel quantisation and expansion tables.
extern const std::array<uint8_t, 256> COLOR_aQ5;
extern const std::array<uint8_t, 256> COLOR_aQ6;
extern const std::array<uint8_t, 32> COLOR_aE5;
extern const std::array<uint8_t, 64> COLOR_aE6;
