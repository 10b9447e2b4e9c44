// Fuzz target for the DIB parser (clipboard and file paths). The last input byte picks
// whether a separate pixel pointer is given and where it points inside the block.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"

static volatile uint32_t g_sink;  // keeps the reads of every output byte

static uint32_t get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 17) return 0;
  const uint8_t option = data[size - 1];
  size -= 1;
  // Keep documents small so the fuzzer spends its time in the decoders.
  const uint32_t headerSize = get32(data);
  int64_t w, h;
  if (headerSize == 12) {
    w = data[4] | (data[5] << 8);
    h = data[6] | (data[7] << 8);
  } else {
    w = static_cast<int32_t>(get32(data + 4));
    h = static_cast<int32_t>(get32(data + 8));
  }
  if (h < 0) h = -h;
  if (w > 4096 || h > 4096 || w * h > (1 << 20)) return 0;

  const uint8_t* bits = nullptr;
  size_t bitsSize = 0;
  if (option & 1) {
    const size_t offset = (static_cast<size_t>(option >> 1) * 8) % size;
    bits = data + offset;
    bitsSize = size - offset;
  }
  ImageDocument* doc = nullptr;
  const char* text = nullptr;
  const char* warning = nullptr;
  IMAGE_ParseDIB(data, size, bits, bitsSize, &doc, &text, &warning);
  if (!doc) return 0;
  uint32_t sum = 0;
  for (int32_t y = 0; y < doc->YSize; ++y)
    for (int32_t x = 0; x < doc->XSize; ++x) sum += IMAGE_GetColor(doc, x, y);
  std::vector<uint8_t> dib(IMAGE_GetDIBSize(doc));
  IMAGE_ToDIB(doc, dib.data());
  for (uint8_t b : dib) sum += b;
  IMAGE_Free(doc);
  g_sink = sum;
  return 0;
}
