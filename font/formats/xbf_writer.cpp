// XBF writer. Standard records carry cursor distance and bytes per line; extended
// records add height and position; framed records append the frame rows.
#include "font/formats/xbf_writer.h"

#include <cstdio>
#include <vector>

#include "font/formats/writer_prologue.h"
#include "font/model/font_message.h"

uint32_t XBF_RecordSize(const FontDoc* doc, unsigned code, const FontSaveOptions& o) {
  FontCharGeometry g = FONTOUT_Geometry(doc, code, o);
  const uint64_t bytes = static_cast<uint64_t>(g.BytesPerLine > 0 ? g.BytesPerLine : 0) *
                         static_cast<uint64_t>(g.Rows > 0 ? g.Rows : 0);
  uint64_t size = bytes + 12;
  if (doc->Type == FONT_TYPE_STD) size = bytes + 4;
  if (doc->Type == FONT_TYPE_EXT_FRM) size = 2 * bytes + 12;
  return size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(size);
}

bool XBF_CheckRecords(const FontDoc* doc, const FontRangeList& ranges, const FontSaveOptions& o) {
  for (const FontRange& r : ranges.aRange)
    for (unsigned c = r.First; c <= r.Last; ++c) {
      const uint32_t size = XBF_RecordSize(doc, c, o);
      if (size <= 0xFFFF) continue;
      char acText[200];
      std::snprintf(acText, sizeof(acText), XBF_MSG_RECORD_TOO_LARGE, c, static_cast<unsigned long>(size));
      FONTMSG_Report(acText);
      return false;
    }
  return true;
}

int XBF_Write(FontDoc* doc, FILE* file, const FontSaveOptions& o) {
  FontRangeList ranges;
  if (!FONTOUT_BeginSave(doc, &ranges)) return 1;
  FontMetrics m = FONTOUT_FileMetrics(doc, false);
  const unsigned F = ranges.aRange.front().First;
  const unsigned L = ranges.aRange.back().Last;
  FontOutput out;
  FONTOUT_Init(&out, file);
  FONTOUT_Write(&out, "GUIX", 4);
  FONTOUT_U16(&out, static_cast<unsigned>(doc->Height * o.MagY));
  FONTOUT_U16(&out, static_cast<unsigned>(doc->Height * o.MagY));
  FONTOUT_U16(&out, static_cast<unsigned>(m.Baseline));
  FONTOUT_U16(&out, static_cast<unsigned>(m.LHeight));
  FONTOUT_U16(&out, static_cast<unsigned>(m.CHeight));
  FONTOUT_U16(&out, F);
  FONTOUT_U16(&out, L);
  uint32_t offset = 18u + 6u * (L - F + 1);
  for (unsigned c = F; c <= L; ++c) {
    if (doc->aChar[c].Enabled) {
      uint32_t size = XBF_RecordSize(doc, c, o) & 0xFFFF;
      FONTOUT_U32(&out, offset);
      FONTOUT_U16(&out, size);
      offset += size;
    } else {
      FONTOUT_U32(&out, 0);
      FONTOUT_U16(&out, 0);
    }
  }
  const bool ext = FONT_IsExtended(doc->Type);
  for (const FontRange& r : ranges.aRange)
    for (unsigned c = r.First; c <= r.Last; ++c) {
      FontCharGeometry g = FONTOUT_Geometry(doc, c, o);
      const FontChar& ch = doc->aChar[c];
      if (!ext) {
        FONTOUT_U16(&out, static_cast<unsigned>(g.Width));
        FONTOUT_U16(&out, static_cast<unsigned>(g.BytesPerLine));
      } else {
        FONTOUT_U16(&out, static_cast<unsigned>(ch.CursorDist * o.MagX));
        FONTOUT_U16(&out, static_cast<unsigned>(g.Width));
        FONTOUT_U16(&out, static_cast<unsigned>(g.Rows));
        FONTOUT_U16(&out, static_cast<unsigned>(ch.XPos * o.MagX));
        FONTOUT_U16(&out, static_cast<unsigned>((doc->Baseline - ch.TopAboveBaseline) * o.MagY));
        FONTOUT_U16(&out, static_cast<unsigned>(g.BytesPerLine));
      }
      FONTOUT_WritePlane(&out, doc, c, o, false);
      if (doc->Type == FONT_TYPE_EXT_FRM) FONTOUT_WritePlane(&out, doc, c, o, true);
    }
  FONTOUT_Write(&out, "XBF", 3);
  FONTOUT_U8(&out, static_cast<unsigned>(doc->Type));
  FONTOUT_Flush(&out);
  return 0;
}
