// Fuzz target of the XBF reader: type detection, then the parser with the detected
// type (or, when the data cannot decide, a type taken from the last input byte).
// Every pixel of every parsed glyph is read back.
#include <cstddef>
#include <cstdint>

#include "font/formats/xbf_reader.h"
#include "font/model/font_doc.h"
#include "fuzz/font_doc_digest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  static const int kTypes[5] = {FONT_TYPE_STD, FONT_TYPE_EXT, FONT_TYPE_EXT_FRM, FONT_TYPE_EXT_AA2,
                                FONT_TYPE_EXT_AA4};
  const bool suppress = size > 0 && (data[size - 1] & 0x80);
  int type = XBF_DetectType(data, size, suppress);
  if (type == XBF_TYPE_NEEDS_USER) type = kTypes[(size ? data[size - 1] : 0) % 5];
  if (type < 0) return 0;
  FontDoc* doc = nullptr;
  if (XBF_Parse(data, size, type, &doc) != XBF_OK) return 0;
  const unsigned sum = FUZZ_DigestFont(doc);
  FONT_Destroy(doc);
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
