// Save routine: overwrite question, the checks that can refuse a save, the writer on a
// temporary file that replaces the target only when complete, magnification note.
#include "font/formats/font_save.h"

#include <sys/stat.h>

#include <cstdio>

#include "common/host/app_host.h"
#include "common/output/output_file.h"
#include "font/formats/c_font_writer.h"
#include "font/formats/sif_writer.h"
#include "font/formats/writer_prologue.h"
#include "font/formats/xbf_writer.h"
#include "font/model/font_messages.h"

namespace {

// Every refusal runs before the file is touched: nothing enabled, a record the format
// cannot hold.
bool can_save(FontDoc* doc, int format, const FontSaveOptions& o) {
  FontRangeList ranges;
  if (!FONTOUT_BeginSave(doc, &ranges)) return false;
  return format != FONT_FORMAT_XBF || XBF_CheckRecords(doc, ranges, o);
}

int run_writer(FontDoc* doc, int format, FILE* f, const FontSaveOptions& o) {
  switch (format) {
    case FONT_FORMAT_SIF:
      return SIF_Write(doc, f, o);
    case FONT_FORMAT_XBF:
      return XBF_Write(doc, f, o);
    default:
      return CFONT_Write(doc, f, o);
  }
}

}  // namespace

int FONTSAVE_Save(FontDoc* doc, int format, bool askOverwrite, const FontSaveOptions& options) {
  FontSaveOptions o = options;
  if (o.MagX < 1) o.MagX = 1;
  if (o.MagY < 1) o.MagY = 1;
  struct stat st;
  if (askOverwrite && stat(doc->acPath, &st) == 0 &&
      !HOST_Get()->AskYesNo("Question", FONTMSG_Text(FONTMSG_OVERWRITE)))
    return FONTSAVE_DECLINED;
  HOST_Get()->SetWaitCursor(true);
  int result = FONTSAVE_DECLINED;
  OutputFile out;
  if (!can_save(doc, format, o)) {
    result = FONTSAVE_DECLINED;
  } else if (!OUTFILE_Open(&out, doc->acPath)) {
    FONTMSG_ReportMsg(FONTMSG_WRITE_ERROR);
    result = FONTSAVE_FAILED;
  } else if (std::setvbuf(out.pStream, nullptr, _IOFBF, 1 << 20), run_writer(doc, format, out.pStream, o) != 0) {
    OUTFILE_Abort(&out);
  } else if (std::ferror(out.pStream)) {
    OUTFILE_Abort(&out);  // the writer has said "Writing error"
    result = FONTSAVE_FAILED;
  } else if (!OUTFILE_Commit(&out)) {
    FONTMSG_ReportMsg(FONTMSG_WRITE_ERROR);
    result = FONTSAVE_FAILED;
  } else {
    result = FONTSAVE_OK;
  }
  HOST_Get()->ShowStatus("Ready");
  HOST_Get()->SetWaitCursor(false);
  if (result == FONTSAVE_OK && o.MagX + o.MagY > 2) FONTMSG_NoticeMsg(FONTMSG_MAGNIFIED, o.MagX, o.MagY);
  return result;
}
