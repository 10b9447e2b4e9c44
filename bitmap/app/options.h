// The bitmap converter's display and output options, kept in the settings store as
// 4-byte binary values under "Software\Tavrex\Rastrel\Settings\".
#pragma once

#include <cstdint>

struct RastrelOptions {
  uint32_t BkColor;        // background for transparent pixels in the coloured mode, 0xBBGGRR
  uint32_t ViewOption;     // 0 alternating tiles, 1 tiles, 2 coloured background
  uint32_t PreserveTrans;  // preserve transparency during colour conversion
  uint32_t BigEndianMode;  // byte order of 16- and 32-bit values in binary streams
  uint32_t UseARGB;        // palette entries as ARGB (8 hex digits) in C files and streams
};

extern const char RASTREL_acSettingsKey[];
extern RastrelOptions RASTREL_Options;

// Defaults, then every value found in the settings store.
void OPTIONS_Load(RastrelOptions* options);
void OPTIONS_Save(const RastrelOptions* options);
