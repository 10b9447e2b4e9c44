// Fuzz target of the pattern-file reader: the bytes decoded for each encoding in
// pieces whose size the input chooses, the codes applied to a document, the
// missing-codes message kept within its bound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "font/model/font_doc.h"
#include "font/model/pattern_file.h"

namespace {

FontDoc* document() {
  static FontDoc* s_doc = [] {
    FontDoc* doc = FONT_CreateEmpty();
    doc->HasUnicodeMap = 1;
    doc->NumBlocks = FONT_NUM_BLOCKS;
    for (unsigned c = 0x20; c < 0x3000; c += 3) doc->aChar[c].Available = 1;
    return doc;
  }();
  return s_doc;
}

struct Context {
  FontDoc* pDoc;
  PatternMissing Missing;
  std::vector<unsigned> Codes;  // to disable again after the run
};

void sink(void* context, unsigned code) {
  Context* c = static_cast<Context*>(context);
  if (code < 32 || code > 0xFFFF) std::abort();  // codes below 32 are skipped, units are 16-bit
  c->Codes.push_back(code);
  PATTERN_ApplyCode(c->pDoc, code, &c->Missing);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  FontDoc* doc = document();
  const size_t piece = size ? 1 + data[0] % 7 : 1;
  for (int encoding = FONT_ENC_UNICODE; encoding <= FONT_ENC_SJIS; ++encoding) {
    doc->Encoding = encoding;
    PatternDecoder decoder;
    decoder.Encoding = encoding;
    Context context{doc, {}, {}};
    for (size_t i = 0; i < size; i += piece)
      PATTERN_Feed(&decoder, data + i, size - i < piece ? size - i : piece, sink, &context);
    if (context.Missing.Text.size() > 965 || context.Codes.size() > size) std::abort();
    // A saved pattern holds each enabled code once: 2 bytes, plus line breaks.
    if (PATTERN_Build(doc).size() > 2 + 6u * context.Codes.size()) std::abort();
    for (unsigned code : context.Codes) FONT_SetEnabled(doc, code, 0);
  }
  return 0;
}
