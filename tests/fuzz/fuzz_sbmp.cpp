// Streamed bitmap parser: any bytes give a status; a document (also from truncated runs)
// is read in full and its indices stay inside the palette. Above 1 megapixel is skipped:
// the per-pixel checks would make every run slow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bitmap/formats/sbmp/sbmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= 6 && uint64_t(data[2] | (data[3] << 8)) * (data[4] | (data[5] << 8)) > (1u << 20)) return 0;
  ImageDocument* doc = nullptr;
  const int status = SBMP_Parse(data, size, &doc);
  const bool withDoc = status == SBMP_OK || status == SBMP_ETRUNCATED;
  if (withDoc != (doc != nullptr)) std::abort();
  if (status != SBMP_OK && status != SBMP_ECREATE && !SBMP_StatusText(status)) std::abort();
  if (!doc) return 0;
  uint32_t sum = 0;
  for (int32_t y = 0; y < doc->YSize; ++y)
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const uint32_t v = IMAGE_GetIndex(doc, x, y);
      if (doc->NumColors && v >= uint32_t(doc->NumColors)) std::abort();
      sum += IMAGE_GetColor(doc, x, y);
    }
  volatile uint32_t sink = sum;
  (void)sink;
  IMAGE_Free(doc);
  return 0;
}
