// Writers' common start: prepare, range list, the empty-font message.
#include "font/formats/writer_prologue.h"

#include "font/model/font_messages.h"

bool FONTOUT_BeginSave(FontDoc* doc, FontRangeList* ranges) {
  FONT_PrepareForSaving(doc);
  *ranges = FONT_BuildRangeList(doc);
  if (!ranges->aRange.empty()) return true;
  FONTMSG_ReportMsg(FONTMSG_NOTHING_TO_SAVE);
  return false;
}
