// DIB parser (BMP files without their 14-byte file header, and clipboard data): any bytes
// give a status; a document is read in full. Images above 4 megapixels are skipped.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bitmap/image/image.h"

static int32_t s32(const uint8_t* p) { return int32_t(p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24)); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= 12) {
    const bool os2 = s32(data) == 12;
    const int64_t w = os2 ? (data[4] | (data[5] << 8)) : s32(data + 4);
    const int64_t h = os2 ? (data[6] | (data[7] << 8)) : s32(data + 8);
    if ((w < 0 ? -w : w) * (h < 0 ? -h : h) > (4 << 20)) return 0;
  }
  ImageDocument* doc = nullptr;
  const char* text = nullptr;
  const char* warning = nullptr;
  const int status = IMAGE_ParseDIB(data, size, nullptr, 0, &doc, &text, &warning);
  if ((status == IMAGE_DIB_OK) != (doc != nullptr)) std::abort();
  if (!doc) return 0;
  uint32_t sum = 0;
  for (int32_t y = 0; y < doc->YSize; ++y)
    for (int32_t x = 0; x < doc->XSize; ++x) {
      if (doc->NumColors && IMAGE_GetIndex(doc, x, y) >= uint32_t(doc->NumColors)) std::abort();
      sum += IMAGE_GetColor(doc, x, y);
    }
  volatile uint32_t sink = sum;
  (void)sink;
  IMAGE_Free(doc);
  return 0;
}
