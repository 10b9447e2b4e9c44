// 'cmap' parser: every big-endian field is read through a bounds-checked helper, so a
// table that ends early gives false instead of a read past its end.
#include "font/generator/cmap.h"

#include <cstdlib>

bool CMAP_ReadSegments(FontDoc* doc, const uint8_t* data, size_t size) {
  if (!data) size = 0;
  auto u16 = [&](size_t off, unsigned* v) {
    if (off + 2 > size) return false;
    *v = static_cast<unsigned>(data[off] << 8 | data[off + 1]);
    return true;
  };
  auto u32 = [&](size_t off, uint32_t* v) {
    if (off + 4 > size) return false;
    *v = static_cast<uint32_t>(data[off]) << 24 | static_cast<uint32_t>(data[off + 1]) << 16 |
         static_cast<uint32_t>(data[off + 2]) << 8 | data[off + 3];
    return true;
  };
  unsigned numTables;
  if (size < 4 || !u16(2, &numTables) || numTables > 32) return false;
  uint32_t offset = 0;
  for (unsigned wantEnc : {1u, 0u}) {
    for (unsigned i = 0; i < numTables; ++i) {
      unsigned platform, enc;
      uint32_t off;
      if (!u16(4 + 8 * i, &platform) || !u16(6 + 8 * i, &enc) || !u32(8 + 8 * i, &off)) return false;
      if (platform == 3 && enc == wantEnc) {
        offset = off;
        break;
      }
    }
    if (offset) break;
  }
  unsigned format, segX2;
  if (!offset || !u16(offset, &format) || format != 4 || !u16(offset + 6, &segX2)) return false;
  if (offset + 14 > size) return false;
  unsigned segments = segX2 / 2;
  std::free(doc->paSegStart);
  std::free(doc->paSegEnd);
  doc->paSegStart = static_cast<uint16_t*>(std::calloc(segments ? segments : 1, 2));
  doc->paSegEnd = static_cast<uint16_t*>(std::calloc(segments ? segments : 1, 2));
  doc->NumSegments = 0;
  if (!doc->paSegStart || !doc->paSegEnd) return false;
  // Segments stand in ascending order without overlap; one that breaks the order (or
  // whose start lies behind its end) is dropped, so that walking every code of every
  // segment visits each code at most once.
  unsigned kept = 0;
  long previousEnd = -1;
  for (unsigned s = 0; s < segments; ++s) {
    unsigned end, start;
    if (!u16(offset + 14 + 2 * s, &end) || !u16(offset + 2 * segments + 16 + 2 * s, &start)) return false;
    if (start > end || static_cast<long>(start) <= previousEnd) continue;
    previousEnd = static_cast<long>(end);
    doc->paSegEnd[kept] = static_cast<uint16_t>(end);
    doc->paSegStart[kept] = static_cast<uint16_t>(start);
    ++kept;
  }
  doc->NumSegments = static_cast<int32_t>(kept);
  doc->HasUnicodeMap = 1;
  return true;
}
