// Fuzz target of the 'cmap' parser, followed by the availability walk over the
// segments it produced (every code of every segment).
#include <cstddef>
#include <cstdint>

#include "font/generator/cmap.h"
#include "font/model/font_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  static FontDoc* doc = FONT_CreateEmpty();
  if (!doc) return 0;
  doc->HasUnicodeMap = 0;
  doc->NumSegments = 0;
  doc->Encoding = size && (data[0] & 1) ? FONT_ENC_SJIS : FONT_ENC_UNICODE;
  if (CMAP_ReadSegments(doc, data, size)) FONT_InitAvailability(doc);
  unsigned sum = 0;
  for (int s = 0; s < doc->NumSegments; ++s) sum += doc->paSegStart[s] ^ doc->paSegEnd[s];
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
