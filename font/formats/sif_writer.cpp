// SIF writer. All numbers little-endian; the pixel blocks follow the records
// without gaps, in the same order.
#include "font/formats/sif_writer.h"

#include <vector>

#include "font/formats/writer_prologue.h"

int SIF_Write(FontDoc* doc, FILE* file, const FontSaveOptions& o) {
  FontRangeList ranges;
  if (!FONTOUT_BeginSave(doc, &ranges)) return 1;
  FontMetrics m = FONTOUT_FileMetrics(doc, false);
  const bool ext = FONT_IsExtended(doc->Type);
  const bool framed = doc->Type == FONT_TYPE_EXT_FRM;
  FontOutput out;
  FONTOUT_Init(&out, file);
  FONTOUT_Write(&out, "GUIP", 4);
  FONTOUT_U16(&out, static_cast<unsigned>(doc->Height * o.MagY));
  FONTOUT_U16(&out, static_cast<unsigned>(doc->Height * o.MagY));
  FONTOUT_U16(&out, static_cast<unsigned>(m.Baseline));
  FONTOUT_U16(&out, static_cast<unsigned>(m.LHeight));
  FONTOUT_U16(&out, static_cast<unsigned>(m.CHeight));
  FONTOUT_U16(&out, static_cast<unsigned>(ranges.aRange.size()));
  for (const FontRange& r : ranges.aRange) {
    FONTOUT_U16(&out, r.First);
    FONTOUT_U16(&out, r.Last);
  }
  const uint32_t dataStart = 16u + 4u * static_cast<uint32_t>(ranges.aRange.size()) +
                             static_cast<uint32_t>(ranges.NumCodes) * (ext ? 16u : 12u);
  uint32_t running = 0;
  for (const FontRange& r : ranges.aRange)
    for (unsigned c = r.First; c <= r.Last; ++c) {
      FontCharGeometry g = FONTOUT_Geometry(doc, c, o);
      const FontChar& ch = doc->aChar[c];
      uint32_t size = static_cast<uint32_t>(g.BytesPerLine) * static_cast<uint32_t>(g.Rows);
      if (!ext) {
        FONTOUT_U16(&out, static_cast<unsigned>(g.Width));
        FONTOUT_U16(&out, static_cast<unsigned>(g.Width));
        FONTOUT_U16(&out, static_cast<unsigned>(g.BytesPerLine));
        FONTOUT_U16(&out, 0);
      } else {
        FONTOUT_U16(&out, static_cast<unsigned>(g.Width));
        FONTOUT_U16(&out, static_cast<unsigned>(g.Rows));
        FONTOUT_U16(&out, static_cast<unsigned>(ch.XPos * o.MagX));
        FONTOUT_U16(&out, static_cast<unsigned>((doc->Baseline - ch.TopAboveBaseline) * o.MagY));
        FONTOUT_U16(&out, static_cast<unsigned>(ch.CursorDist * o.MagX));
        FONTOUT_U16(&out, 0);
        if (framed) size *= 2;
      }
      FONTOUT_U32(&out, dataStart + running);
      running += size;
    }
  for (const FontRange& r : ranges.aRange)
    for (unsigned c = r.First; c <= r.Last; ++c) {
      FONTOUT_WritePlane(&out, doc, c, o, false);
      if (framed) FONTOUT_WritePlane(&out, doc, c, o, true);
    }
  FONTOUT_Flush(&out);
  return 0;
}
