// Command-line keywords of the bitmap converter with their menu command identifiers
// and help texts. The order is the search order and the order of the help listing.
#include "bitmap/app/command_table.h"

#include <array>
#include <iterator>

#include "bitmap/app/colour_menu.h"
#include "bitmap/app/command_ids.h"
#include "common/cmdline/cmdline.h"

static void hide_window() { CMDLINE_SetShowState(CMDLINE_SHOW_HIDDEN); }

static const char kSaveAsHelp[] =
    "\t\t\t<FNAME>,<TYPE>[,<FORMAT>[,<NOPALETTE>]]\r\n"
    "\t\t\t\tSave image file\r\n"
    "\t\t\t- FNAME:\r\n"
    "\t\t\t\tFilename to be used\r\n"
    "\t\t\t- TYPE:\r\n"
    "\t\t\t\t 1  \t- C-bitmap file\r\n"
    "\t\t\t\t 2  \t- Windows Bitmap file\r\n"
    "\t\t\t\t 3  \t- C-stream\r\n"
    "\t\t\t\t 4  \t- GIF file\r\n"
    "\t\t\t- FORMAT: [C or C-stream]\r\n"
    "\t\t\t\t 1  \t- 1bpp\r\n"
    "\t\t\t\t 2  \t- 2bpp\r\n"
    "\t\t\t\t 4  \t- 4bpp\r\n"
    "\t\t\t\t 5  \t- 8bpp\r\n"
    "\t\t\t\t 6  \t- RLE4 compression\r\n"
    "\t\t\t\t 7  \t- RLE8 compression\r\n"
    "\t\t\t\t 8  \t- High color (565)\r\n"
    "\t\t\t\t 9  \t- High color (565), RB swap\r\n"
    "\t\t\t\t 10 \t- High color (555)\r\n"
    "\t\t\t\t 11 \t- High color (555), RB swap\r\n"
    "\t\t\t\t 12 \t- High color (565), compressed\r\n"
    "\t\t\t\t 13 \t- High color (565), RB swap, compr.\r\n"
    "\t\t\t\t 15 \t- True color with alpha, compr.\r\n"
    "\t\t\t\t 16 \t- True color with alpha\r\n"
    "\t\t\t\t 18 \t- Alpha channel, compr.\r\n"
    "\t\t\t\t 19 \t- 16bpp (444_12)\r\n"
    "\t\t\t\t 20 \t- 16bpp (444_12), RB swap\r\n"
    "\t\t\t\t 21 \t- 16bpp (444_12_1)\r\n"
    "\t\t\t\t 22 \t- 16bpp (444_12_1), RB swap\r\n"
    "\t\t\t\t 23 \t- 16bpp (444_16)\r\n"
    "\t\t\t\t 24 \t- 16bpp (444_16), RB swap\r\n"
    "\t\t\t\t 25 \t- High color with alpha (555)\r\n"
    "\t\t\t\t 26 \t- High color with alpha (555), RB swap\r\n"
    "\t\t\t\t 27 \t- High color with alpha (565)\r\n"
    "\t\t\t\t 28 \t- High color with alpha (565), RB swap\r\n"
    "\t\t\t\t 29 \t- True color with alpha, RB swap, alpha inverted\r\n"
    "\t\t\t\t 99 \t- True color with alpha, both variants\r\n"
    "\t\t\t- NOPALETTE:\r\n"
    "\t\t\t\t 0  \t - Save with palette (default)\r\n"
    "\t\t\t\t 1  \t - Save without palette";

// The commands after the colour formats' "convertinto..." keywords.
static constexpr CmdlineCommand kCommands[] = {
    {"convertintobestpalette", ID_IMAGE_BEST_PALETTE, nullptr, 0, "\t\tConverts image into best palette"},
    {"convertintotranspalette", ID_IMAGE_BEST_PALETTE_TRANS, nullptr, 0,
     "\t\tConverts image into best palette + transparency"},
    {"convertintocustompalette", ID_IMAGE_CUSTOM_PALETTE, nullptr, 0,
     "\t<FNAME>\r\n\t\t\t\tConverts image into custom palette\r\n\t\t\t- FNAME:\r\n\t\t\t\tName of palette "
     "file to be used"},
    {"fliph", ID_IMAGE_FLIP_H, nullptr, 0, "\t\t\t\tFlips image horizontally"},
    {"flipv", ID_IMAGE_FLIP_V, nullptr, 0, "\t\t\t\tFlips image vertically"},
    {"hide", 0, hide_window, 0, "\t\t\t\tHides the application window"},
    {"rotate90cw", ID_IMAGE_ROTATE_90CW, nullptr, 0, "\t\t\tRotates image by 90 degrees CW"},
    {"rotate90ccw", ID_IMAGE_ROTATE_90CCW, nullptr, 0, "\t\t\tRotates image by 90 degrees CCW"},
    {"rotate180", ID_IMAGE_ROTATE_180, nullptr, 0, "\t\t\tRotates image by 180 degrees"},
    {"invertindices", ID_IMAGE_INVERT_INDICES, nullptr, 0, "\t\t\tInverts indices"},
    {"invertpalette", ID_IMAGE_INVERT_COLORS, nullptr, 0, "\t\t\tInverts palette entries"},
    {"saveas", ID_FILE_SAVEAS, nullptr, 0, kSaveAsHelp},
    {"scale", ID_IMAGE_SCALE, nullptr, 0,
     "\t\t\t<WIDTH[%]>,<HEIGHT[%]>\r\n\t\t\t\tScale image to desired size\r\n\t\t\t- WIDTH/HEIGHT:\r\n\t\t\t\tSize "
     "in pixels to be used\r\n\t\t\t\t [%] \t - Size in percent"},
    {"reducecolors", ID_IMAGE_REDUCE_N, nullptr, 0,
     "\t\t<NUM_COLORS>\r\n\t\t\t\tReduce number of colors\r\n\t\t\t- NUM_COLORS:\r\n\t\t\t\tNumber of colors to "
     "be used"},
    {"transparency", ID_IMAGE_TRANSPARENCY, nullptr, 0,
     "\t\t<COLOR>\r\n\t\t\t\tSets image transparency\r\n\t\t\t- COLOR:\r\n\t\t\t\tColor to be used as "
     "transparent color"},
    {"exit", ID_FILE_EXIT, nullptr, 0, "\t\t\t\tTerminates the Bitmap Converter"},
    {"help", 0, nullptr, 0, "\t\t\t\tDisplays this box"},
    {"?", 0, nullptr, 0, "\t\t\t\tDisplays this box"},
};

static constexpr int count_keywords() {
  int n = 0;
  for (const ColourMenuEntry& e : RASTREL_aColourMenu) n += e.pKeyword != nullptr;
  return n;
}

// The colour formats' keywords in menu order, then the other commands; a null entry ends it.
static constexpr auto kTable = [] {
  std::array<CmdlineCommand, count_keywords() + std::size(kCommands) + 1> t{};
  size_t n = 0;
  for (const ColourMenuEntry& e : RASTREL_aColourMenu)
    if (e.pKeyword) t[n++] = {e.pKeyword, e.ConvertId, nullptr, 0, e.pHelp};
  for (const CmdlineCommand& c : kCommands) t[n++] = c;
  t[n] = {nullptr, 0, nullptr, 0, nullptr};
  return t;
}();

const CmdlineCommand* const RASTREL_aCommand = kTable.data();
