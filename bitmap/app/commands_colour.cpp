// Colour commands: convert, dither, best and custom palette, reduce colours, info and
// save palette. Each checks for an image, records the undo step and replaces the
// document with the operation's result.
#include <cstdio>
#include <string>

#include "bitmap/app/colour_menu.h"
#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/app/options.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/output/palette_file.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"

std::string RASTREL_CustomPaletteName;

void RASTREL_SavePalette(unsigned id);  // command_save_palette.cpp

namespace {

enum { FNAME_CAPACITY = 500 };

// Runs a colour operation on the current document behind the wait cursor.
template <typename Op>
void replace_with(bool undo, Op op) {
  IMAGE_SetPreserveTrans(static_cast<int>(RASTREL_Options.PreserveTrans));
  if (undo) UNDO_Save();
  HOST_Get()->SetWaitCursor(true);
  ImageDocument* result = op(RASTREL_TakeImage());
  HOST_Get()->SetWaitCursor(false);
  RASTREL_ReplaceImage(result);
}

void convert(unsigned id) {
  const ColourMenuEntry* f = RASTREL_FindColourMenuEntry(id);
  if (!f || f->ConvertId != id || !RASTREL_RequireImage()) return;
  replace_with(true, [f](ImageDocument* doc) { return IMAGE_ConvertToFormat(doc, f->pFormat); });
}

void dither(unsigned id) {
  const ColourMenuEntry* f = RASTREL_FindColourMenuEntry(id);
  if (!f || f->DitherId != id || !RASTREL_RequireImage()) return;
  replace_with(true, [f](ImageDocument* doc) { return IMAGE_DitherToFormat(doc, f->pFormat); });
}

// Interactive only: asks before a conversion that loses colours; true to go on.
bool confirm_colours(ImageDocument* doc, int limit, const char* format) {
  if (CMDLINE_IsJobMode()) return true;
  HOST_Get()->SetWaitCursor(true);
  const int n = IMAGE_CountColors(doc);
  HOST_Get()->SetWaitCursor(false);
  if (n <= limit) return true;
  char text[400];
  std::snprintf(text, sizeof(text), format, n);
  return HOST_Get()->AskYesNo("Warning", text);
}

void best_palette(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  if (!confirm_colours(doc, 256,
                       "This bitmap contains %d colors.In a paletized mode, no more than 256 colors can be stored.\n"
                       "Converting it will degrade image quality.\nDo you want to convert it anyhow ?"))
    return;
  replace_with(true, [](ImageDocument* d) { return IMAGE_ConvertToBestPalette(d); });
}

void best_palette_trans(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  if (!confirm_colours(doc, 255,
                       "This bitmap contains %d colors.In a paletized mode with transparency,\n"
                       "no more than 255 colors can be stored.\nConverting it will degrade image quality.\n"
                       "Do you want to convert it anyhow ?"))
    return;
  const ColorValue background = RASTREL_Options.BkColor;
  replace_with(true, [background](ImageDocument* d) { return IMAGE_ConvertToBestPaletteTrans(d, background); });
}

void custom_palette(unsigned) {
  if (!RASTREL_RequireImage()) return;
  std::string name;
  if (CMDLINE_IsJobMode()) {
    char buffer[FNAME_CAPACITY + 1];
    CMDLINE_GetString(buffer, FNAME_CAPACITY);
    if (CMDLINE_ReadFailed()) return;
    name = buffer;
    FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) {
      CMDLINE_Report(MSG_INVALID_FILE_HANDLE);
      return;
    }
    std::fclose(f);
  } else {
    static const FileFilter kFilters[] = {{"GUI Palette file (*.GUIPal)", "*.GUIPal"},
                                          {"All files (*.*)", "*.*"}};
    FileDialogRequest request;
    request.pTitle = "Open custom palette";
    request.paFilters = kFilters;
    request.NumFilters = 2;
    request.InitialName = RASTREL_CustomPaletteName;
    if (!RASTREL_Host()->AskCustomPalette(&request)) return;
    name = request.Chosen;
  }
  RASTREL_CustomPaletteName = name;
  if (PALETTE_Read(name.c_str()) != 0) return;
  replace_with(true, [](ImageDocument* d) { return IMAGE_ConvertToCustomPalette(d); });
}

void reduce_menu(unsigned id) {
  if (!RASTREL_RequireImage()) return;
  const int n = id == ID_IMAGE_REDUCE_4 ? 4 : (id == ID_IMAGE_REDUCE_16 ? 16 : 256);
  replace_with(true, [n](ImageDocument* d) { return IMAGE_ReduceColors(d, n); });
}

void reduce_number(unsigned) {
  if (!RASTREL_RequireImage()) return;
  const int32_t n = CMDLINE_GetDecValue();
  if (CMDLINE_ReadFailed()) return;
  if (n < 1 || n > 255) {
    CMDLINE_Report(MSG_ILLEGAL_NUM_COLORS);
    return;
  }
  replace_with(!CMDLINE_IsJobMode(), [n](ImageDocument* d) { return IMAGE_ReduceColors(d, n); });
}

void image_info(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  HOST_Get()->SetWaitCursor(true);
  const int n = IMAGE_CountColors(doc);
  HOST_Get()->SetWaitCursor(false);
  char text[64];
  std::snprintf(text, sizeof(text), "Number of colors used: %d", n);
  HOST_Get()->ShowWarning("Image info", text);
}

}  // namespace

const CommandHandler RASTREL_aColourCommands[] = {
    {ID_IMAGE_CONVERT_FIRST, ID_IMAGE_CONVERT_RGB, convert},
    {ID_IMAGE_BEST_PALETTE, ID_IMAGE_BEST_PALETTE, best_palette},
    {ID_IMAGE_BEST_PALETTE_TRANS, ID_IMAGE_BEST_PALETTE_TRANS, best_palette_trans},
    {ID_IMAGE_CUSTOM_PALETTE, ID_IMAGE_CUSTOM_PALETTE, custom_palette},
    {ID_IMAGE_DITHER_FIRST, ID_IMAGE_DITHER_LAST, dither},
    {ID_IMAGE_REDUCE_4, ID_IMAGE_REDUCE_256, reduce_menu},
    {ID_IMAGE_REDUCE_N, ID_IMAGE_REDUCE_N, reduce_number},
    {ID_IMAGE_INFO, ID_IMAGE_INFO, image_info},
    {ID_FILE_SAVE_PALETTE, ID_FILE_SAVE_PALETTE, RASTREL_SavePalette},
    {0, 0, nullptr},
};
