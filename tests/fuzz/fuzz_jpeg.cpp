// JPEG decoder: any bytes decode or fail with a status; a decoded document is read in full.
// Frames above 4 megapixels are skipped so a tiny header cannot ask for a huge document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bitmap/formats/jpeg/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint32_t w, h;
  if (JPEG_GetSize(data, size, &w, &h) == JPEG_OK && uint64_t(w) * h > (4u << 20)) return 0;
  ImageDocument* doc = nullptr;
  const int status = JPEG_DecodeMemory(data, size, &doc);
  if ((status == JPEG_OK) != (doc != nullptr)) std::abort();
  if (!doc) return 0;
  if (doc->XSize != int32_t(w) || doc->YSize != int32_t(h) || doc->NumColors != 0) std::abort();
  uint32_t sum = 0;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      if (row[4 * x + 3] != 0) std::abort();  // JPEG pixels are opaque
      sum += row[4 * x] + row[4 * x + 1] + row[4 * x + 2];
    }
  }
  volatile uint32_t sink = sum;
  (void)sink;
  IMAGE_Free(doc);
  return 0;
}
