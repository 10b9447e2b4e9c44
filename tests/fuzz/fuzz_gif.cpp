// GIF parser: the counting walk, the first frames with the file's palette, and the first
// frame with the file reader's palette clean-up. Every document is read in full.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bitmap/formats/gif/gif.h"

static uint32_t read_all(const ImageDocument* doc) {
  uint32_t sum = 0;
  for (int32_t y = 0; y < doc->YSize; ++y)
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const uint32_t v = IMAGE_GetIndex(doc, x, y);
      if (v >= uint32_t(doc->NumColors)) std::abort();  // every index is in the palette
      sum += IMAGE_GetColor(doc, x, y);
    }
  return sum;
}

static uint32_t decode(const uint8_t* data, size_t size, int frame, GIF_PaletteFunc palette) {
  GifInfo info = {};
  info.ByteCount = uint32_t(size);
  info.FirstGlobalFrame = -1;
  info.FrameCount = palette ? 1 : 2;
  info.pfPalette = palette;
  GifFrame f = {};
  const int status = GIF_Parse(data, &info, &f, frame);
  if ((status == GIF_OK) != (f.pImage != nullptr)) std::abort();
  if (!f.pImage) return 0;
  const uint32_t sum = read_all(f.pImage);
  IMAGE_Free(f.pImage);
  return sum;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > GIF_MAX_FILE_SIZE) return 0;
  GifInfo info = {};
  info.ByteCount = uint32_t(size);
  const int walked = GIF_Parse(data, &info, nullptr, 0);
  uint32_t sum = walked == GIF_OK ? info.FrameCount : 0;
  for (int i = 0; i < 3; ++i) sum += decode(data, size, i, nullptr);
  sum += decode(data, size, 0, GIF_CleanUpPalette);
  volatile uint32_t sink = sum;
  (void)sink;
  return 0;
}
