// Palette file parser: any bytes give a status; a parsed palette is written back and
// must parse to the same colours.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bitmap/output/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ColorValue aColor[256];
  int n = -1;
  const int status = PALETTE_Parse(data, size, aColor, &n);
  if (status != PALETTE_OK) {
    if (n != -1) std::abort();  // failures write nothing
    if (status != PALETTE_EMPTY && !PALETTE_StatusText(status)) std::abort();
    return 0;
  }
  if (n < 2 || n > 256) std::abort();
  ImageDocument* doc = IMAGE_Create(1, 1, n);
  if (!doc) return 0;
  for (int i = 0; i < n; ++i) IMAGE_SetPalColor(doc, i, aColor[i]);
  FILE* f = std::tmpfile();
  if (f && PALETTE_Write(doc, f) == 0) {
    std::rewind(f);
    uint8_t back[16 + 4 * 256];
    const size_t got = std::fread(back, 1, sizeof(back), f);
    ColorValue aAgain[256];
    int m = 0;
    if (PALETTE_Parse(back, got, aAgain, &m) != PALETTE_OK || m != n ||
        std::memcmp(aAgain, aColor, sizeof(ColorValue) * static_cast<size_t>(n)) != 0)
      std::abort();
  }
  if (f) std::fclose(f);
  IMAGE_Free(doc);
  return 0;
}
