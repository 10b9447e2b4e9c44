// Fuzz target of the BDF reader: the parser over any text, then every pixel and
// placement of every trimmed glyph read back.
#include <cstddef>
#include <cstdint>

#include "font/formats/bdf_reader.h"
#include "font/model/edit_log.h"
#include "font/model/font_doc.h"
#include "fuzz/font_doc_digest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  FontDoc* doc = BDF_Parse(reinterpret_cast<const char*>(data), size, nullptr);
  EDITLOG_Clear();  // the trimming logs its edits
  if (!doc) return 0;
  const unsigned sum = FUZZ_DigestFont(doc);
  FONT_Destroy(doc);
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
