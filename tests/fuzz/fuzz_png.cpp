// PNG decoding through libpng: any bytes decode or fail; a decoded document is read in
// full. IHDR is the first chunk, so images above 4 megapixels are skipped before decoding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bitmap/formats/png/png_reader.h"

static uint32_t be32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= 24 && uint64_t(be32(data + 16)) * be32(data + 20) > (4u << 20)) return 0;
  ImageDocument* doc = nullptr;
  char err[256];
  const int status = PNG_Decode(data, size, &doc, err, sizeof(err));
  if ((status == PNG_READ_OK) != (doc != nullptr)) std::abort();
  if (!doc) return 0;
  if (doc->NumColors != 0) std::abort();
  uint32_t sum = 0;
  bool transparent = false;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < 4 * doc->XSize; ++x) sum += row[x];
    for (int32_t x = 0; x < doc->XSize; ++x) transparent |= row[4 * x + 3] != 0;
  }
  if (transparent && !doc->HasAlpha) std::abort();
  volatile uint32_t sink = sum;
  (void)sink;
  IMAGE_Free(doc);
  return 0;
}
