// Fuzz target of the BDF reader: the parser over any text, then every pixel and
// placement of every trimmed glyph read back.
#include <cstddef>
#include <cstdint>

#include "font/formats/bdf_reader.h"
#include "font/model/edit_log.h"
#include "font/model/font_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  FontDoc* doc = BDF_Parse(reinterpret_cast<const char*>(data), size, nullptr);
  EDITLOG_Clear();  // the trimming logs its edits
  if (!doc) return 0;
  unsigned sum = 0;
  for (unsigned code = 0; code < FONT_NUM_CODES; ++code) {
    const FontChar& c = doc->aChar[code];
    if (!c.Enabled) continue;
    const int rows = FONT_PlaneRows(doc, code);
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < c.Width; ++x) sum += static_cast<unsigned>(FONT_GetPixel(doc, code, x, y) + 1);
    sum += static_cast<unsigned>(c.XPos + c.TopAboveBaseline + c.CursorDist + c.GlyphHeight);
  }
  FONT_Destroy(doc);
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
