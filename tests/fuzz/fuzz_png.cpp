// PNG decoding through libpng: any bytes decode or fail; a decoded document is read in
// full. IHDR is the first chunk, so images above 4 megapixels are skipped before decoding.
// Every chunk's CRC is made right before decoding: libpng rejects a chunk with a wrong
// CRC before parsing it, so mutations would otherwise never get past the signature.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "bitmap/formats/png/png_reader.h"

static uint32_t be32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

static void fix_crcs(std::vector<uint8_t>& png) {
  size_t pos = 8;
  while (pos + 12 <= png.size()) {
    const uint64_t length = be32(&png[pos]);
    if (length > png.size() - pos - 12) break;
    const uint32_t crc = static_cast<uint32_t>(
        crc32(0, &png[pos + 4], static_cast<uInt>(4 + length)));
    uint8_t* out = &png[pos + 8 + length];
    out[0] = uint8_t(crc >> 24);
    out[1] = uint8_t(crc >> 16);
    out[2] = uint8_t(crc >> 8);
    out[3] = uint8_t(crc);
    pos += 12 + length;
  }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  std::vector<uint8_t> bytes(input, input + size);
  fix_crcs(bytes);
  const uint8_t* data = bytes.data();
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
