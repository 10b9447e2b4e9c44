// Fuzz target of the C font reader: the tolerant scanner over any text, then every
// pixel and placement of every parsed glyph read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "font/formats/c_font_reader.h"
#include "font/model/font_doc.h"
#include "fuzz/font_doc_digest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  // The reader parses the file's own buffer in place: an exact copy, no terminator.
  char* text = static_cast<char*>(std::malloc(size ? size : 1));
  if (!text) return 0;
  if (size) std::memcpy(text, data, size);
  FontDoc* doc = nullptr;
  std::string error;
  bool created = false;
  const bool ok = CFONT_ParseText(text, size, &doc, &error, &created);
  std::free(text);
  if (!ok) return 0;
  unsigned sum = FUZZ_DigestFont(doc);
  if (doc->pHeaderComment) sum += static_cast<unsigned char>(doc->pHeaderComment[0]);
  FONT_Destroy(doc);
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
