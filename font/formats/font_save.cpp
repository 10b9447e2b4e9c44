// Save routine: overwrite question, file creation, writer, magnification note.
#include "font/formats/font_save.h"

#include <sys/stat.h>

#include <cstdio>

#include "common/host/app_host.h"
#include "font/formats/c_font_writer.h"
#include "font/formats/sif_writer.h"
#include "font/formats/xbf_writer.h"
#include "font/model/font_messages.h"

int FONTSAVE_Save(FontDoc* doc, int format, bool askOverwrite, const FontSaveOptions& options) {
  FontSaveOptions o = options;
  if (o.MagX < 1) o.MagX = 1;
  if (o.MagY < 1) o.MagY = 1;
  struct stat st;
  if (askOverwrite && stat(doc->acPath, &st) == 0 &&
      !HOST_Get()->AskYesNo("Question", FONTMSG_Text(FONTMSG_OVERWRITE)))
    return 1;
  FILE* f = std::fopen(doc->acPath, "wb");
  HOST_Get()->SetWaitCursor(true);
  int result;
  switch (format) {
    case FONT_FORMAT_SIF:
      result = SIF_Write(doc, f, o);
      break;
    case FONT_FORMAT_XBF:
      result = XBF_Write(doc, f, o);
      break;
    default:
      result = CFONT_Write(doc, f, o);
      break;
  }
  if (f && std::fclose(f) != 0 && result == 0) FONTMSG_ReportMsg(FONTMSG_WRITE_ERROR);
  HOST_Get()->ShowStatus("Ready");
  HOST_Get()->SetWaitCursor(false);
  if (result == 0 && o.MagX + o.MagY > 2) FONTMSG_NoticeMsg(FONTMSG_MAGNIFIED, o.MagX, o.MagY);
  return result;
}
