// Geometry and tonal commands: flip, rotate, invert, shrink, scale and transparency.
#include <cstdint>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/transform/transform.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"

namespace {

enum { MAX_SCALE_SIZE = 4095 };

void run(ImageDocument* (*op)(ImageDocument*), const char* status) {
  if (!RASTREL_RequireImage()) return;
  UNDO_Save();
  RASTREL_ReplaceImage(op(RASTREL_TakeImage()));
  if (status) HOST_Get()->ShowStatus(status);
}

void flip_h(unsigned) { run(IMAGE_FlipH, "Image flipped horizontally"); }
void flip_v(unsigned) { run(IMAGE_FlipV, "Image flipped vertically"); }
void rotate_cw(unsigned) { run(IMAGE_Rotate90CW, "Image rotated"); }
void rotate_ccw(unsigned) { run(IMAGE_Rotate90CCW, "Image rotated"); }
void rotate_180(unsigned) { run(IMAGE_Rotate180, "Image rotated"); }
void invert_indices(unsigned) { run(IMAGE_InvertIndices, nullptr); }
void invert_colors(unsigned) { run(IMAGE_InvertColors, nullptr); }
void shrink(unsigned) { run(IMAGE_Shrink50, nullptr); }

// WIDTH[%],HEIGHT[%]: a percent sign after the width scales the image width; one after
// the height is not read.
bool read_scale_args(const ImageDocument* doc, int32_t* pWidth, int32_t* pHeight) {
  int64_t w = CMDLINE_GetDecValue();
  if (CMDLINE_ReadFailed()) return false;
  if (CMDLINE_PeekChar() == '%') {
    CMDLINE_GetChar();
    w = w * doc->XSize / 100;
  }
  if (CMDLINE_GetChar() != ',') {
    CMDLINE_Report(MSG_INVALID_SEPARATOR);
    return false;
  }
  const int64_t h = CMDLINE_GetDecValue();
  if (CMDLINE_ReadFailed()) return false;
  if (w < 1 || w > MAX_SCALE_SIZE || h < 1 || h > MAX_SCALE_SIZE) {
    CMDLINE_Report(MSG_ILLEGAL_SIZE);
    return false;
  }
  *pWidth = static_cast<int32_t>(w);
  *pHeight = static_cast<int32_t>(h);
  return true;
}

void scale(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  int32_t w = 0, h = 0;
  if (CMDLINE_IsJobMode()) {
    if (!read_scale_args(doc, &w, &h)) return;
    RASTREL_ReplaceImage(IMAGE_Scale(RASTREL_TakeImage(), w, h));
    return;
  }
  if (!RASTREL_Host()->AskScale(doc, &w, &h)) return;
  UNDO_Save();
  if (w > 0 && h > 0)
    RASTREL_ReplaceImage(IMAGE_Scale(RASTREL_TakeImage(), w, h));
  else
    HOST_Get()->Beep();
  HOST_Get()->Redraw();
}

void transparency_dialog(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  if (doc->NumColors == 0) {
    CMDLINE_Report(MSG_NO_PALETTE_FOR_TRANS);
    return;
  }
  UNDO_Save();
  const int choice = RASTREL_Host()->AskTransparency(doc, TRANS_GetInitialChoice(doc));
  if (choice < 0) return;
  TRANS_ApplyChoice(doc, choice);
  HOST_Get()->Redraw();
}

void transparency(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  if (doc->NumColors == 0) {
    CMDLINE_Report(MSG_NO_PALETTE_FOR_TRANS);
    return;
  }
  const int32_t color = CMDLINE_GetHexValue();
  if (CMDLINE_ReadFailed()) return;
  int index;
  const RastrelMessage refusal = IMAGE_FindTransColor(doc, static_cast<uint32_t>(color), &index);
  if (refusal != MSG_COUNT) {
    CMDLINE_Report(refusal);
    return;
  }
  UNDO_Save();
  doc = IMAGE_GetCurrent();
  IMAGE_SetTransIndex(doc, index);
  HOST_Get()->Redraw();
}

}  // namespace

const CommandHandler RASTREL_aTransformCommands[] = {
    {ID_IMAGE_TRANSPARENCY_DIALOG, ID_IMAGE_TRANSPARENCY_DIALOG, transparency_dialog},
    {ID_IMAGE_TRANSPARENCY, ID_IMAGE_TRANSPARENCY, transparency},
    {ID_IMAGE_FLIP_H, ID_IMAGE_FLIP_H, flip_h},
    {ID_IMAGE_FLIP_V, ID_IMAGE_FLIP_V, flip_v},
    {ID_IMAGE_ROTATE_90CW, ID_IMAGE_ROTATE_90CW, rotate_cw},
    {ID_IMAGE_ROTATE_90CCW, ID_IMAGE_ROTATE_90CCW, rotate_ccw},
    {ID_IMAGE_ROTATE_180, ID_IMAGE_ROTATE_180, rotate_180},
    {ID_IMAGE_INVERT_INDICES, ID_IMAGE_INVERT_INDICES, invert_indices},
    {ID_IMAGE_INVERT_COLORS, ID_IMAGE_INVERT_COLORS, invert_colors},
    {ID_IMAGE_SHRINK, ID_IMAGE_SHRINK, shrink},
    {ID_IMAGE_SCALE, ID_IMAGE_SCALE, scale},
    {0, 0, nullptr},
};
