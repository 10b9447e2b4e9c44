// The "Convert to" and "Dither to" menus: one entry per colour format with its menu
// text, command-line keyword, help text and menu command identifiers. The command
// table and the colour commands both read this list.
#pragma once

#include "colour/colour_format.h"

struct ColourMenuEntry {
  const ColorFormat* pFormat;
  const char* pMenuText;  // "BW\t(1 BPP)"
  const char* pKeyword;   // "convertintobw", or null when the format has no command
  const char* pHelp;      // help text after the keyword, null without a keyword
  unsigned ConvertId;     // "Convert to" menu command identifier
  unsigned DitherId;      // "Dither to" identifier, 0 when not offered (RGB)
};

// In menu order: BW, Gray4, Gray16, Gray64, Gray256, 111, 222, 233, 323, 332, 444_12,
// 8666, 555, 565, RGB.
inline constexpr ColourMenuEntry RASTREL_aColourMenu[] = {
    {&COLOR_FORMAT_BW, "BW\t(1 BPP)", "convertintobw", "\t\t\tConverts image into BW", 1502, 1600},
    {&COLOR_FORMAT_GRAY4, "Gray4\t(2 BPP)", "convertintogray4", "\t\t\tConverts image into Gray4", 1503, 1601},
    {&COLOR_FORMAT_GRAY16, "Gray16\t(4 BPP)", "convertintogray16", "\t\t\tConverts image into Gray16", 1504, 1602},
    {&COLOR_FORMAT_GRAY64, "Gray64\t(8 BPP)", "convertintogray64", "\t\t\tConverts image into Gray64", 1505, 1603},
    {&COLOR_FORMAT_GRAY256, "Gray256\t(8 BPP)", "convertintogray256", "\t\t\tConverts image into Gray256", 1506,
     1604},
    {&COLOR_FORMAT_111, "3 bit Color 111\t(4 BPP)", "convertinto111", "\t\t\tConverts image into 111", 1507, 1605},
    {&COLOR_FORMAT_222, "6 bit Color 222\t(8 BPP)", "convertinto222", "\t\t\tConverts image into 222", 1508, 1606},
    {&COLOR_FORMAT_233, "8 bit Color 233\t(8 BPP)", "convertinto233", "\t\t\tConverts image into 233", 1509, 1607},
    {&COLOR_FORMAT_323, "8 bit Color 323\t(8 BPP)", "convertinto323", "\t\t\tConverts image into 323", 1510, 1608},
    {&COLOR_FORMAT_332, "8 bit Color 332\t(8 BPP)", "convertinto332", "\t\t\tConverts image into 332", 1511, 1609},
    {&COLOR_FORMAT_444_12, "12 bit Color 444\t(16 BPP)", nullptr, nullptr, 1512, 1610},
    {&COLOR_FORMAT_8666, "8 bit Color 8666\t(8 BPP)", "convertinto8666", "\t\t\tConverts image into 8666", 1513,
     1611},
    {&COLOR_FORMAT_555, "16 bit Color 555\t(32k colors)", nullptr, nullptr, 1514, 1612},
    {&COLOR_FORMAT_565, "16 bit Color 565\t(64k colors)", nullptr, nullptr, 1516, 1614},
    {&COLOR_FORMAT_RGB, "RGB\t(24 BPP)", "convertintorgb", "\t\t\tConverts image into RGB", 1518, 0},
};
inline constexpr int RASTREL_NumColourMenuEntries = sizeof(RASTREL_aColourMenu) / sizeof(RASTREL_aColourMenu[0]);

// The entry whose convert or dither identifier is commandId, or null.
constexpr const ColourMenuEntry* RASTREL_FindColourMenuEntry(unsigned commandId) {
  for (const auto& e : RASTREL_aColourMenu)
    if (e.ConvertId == commandId || (e.DitherId && e.DitherId == commandId)) return &e;
  return nullptr;
}
