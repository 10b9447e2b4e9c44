// Clipboard bitmaps of layer and composite views.
#include "viewer/clipboard_dib.h"

#include <functional>

#include "viewer/colour_convert.h"
#include "viewer/render.h"

static void put32(std::vector<uint8_t>* v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v->push_back(uint8_t(x >> (8 * i)));
}
static void put16(std::vector<uint8_t>* v, uint32_t x) {
  v->push_back(uint8_t(x));
  v->push_back(uint8_t(x >> 8));
}

// index(x, y) gives the colour index (indexed bitmaps), colour(x, y) the 0xRRGGBB colour.
static std::vector<uint8_t> build_dib(const ShmemState* s, int display, int width, int height,
                                      const std::function<uint8_t(int, int)>& index,
                                      const std::function<uint32_t(int, int)>& colour) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  std::vector<uint8_t> dib;
  if (!d || width <= 0 || height <= 0) return dib;
  int bpp = d->geometry.bpp;
  int bitCount = bpp <= 8 ? 8 : bpp <= 16 ? 16 : 24;
  int colours = bpp <= 8 ? 1 << bpp : 0;
  size_t rowBytes = (size_t(width) * (bitCount / 8) + 3) & ~size_t(3);
  dib.reserve(40 + 4 * colours + rowBytes * height);
  put32(&dib, 40);
  put32(&dib, uint32_t(width));
  put32(&dib, uint32_t(height));
  put16(&dib, 1);
  put16(&dib, uint32_t(bitCount));
  put32(&dib, 0);  // no compression
  put32(&dib, 0);
  put32(&dib, 0);
  put32(&dib, 0);
  put32(&dib, uint32_t(colours));
  put32(&dib, 0);
  for (int i = 0; i < colours; ++i) put32(&dib, VCOLOR_SwapRB(SHMEM_ColorBGR(s, display, i)));
  for (int y = height - 1; y >= 0; --y) {
    size_t start = dib.size();
    for (int x = 0; x < width; ++x) {
      if (bitCount == 8) {
        dib.push_back(index(x, y));
      } else if (bitCount == 16) {
        put16(&dib, VCOLOR_To555(colour(x, y)));
      } else {
        uint32_t c = colour(x, y);
        dib.push_back(uint8_t(c));
        dib.push_back(uint8_t(c >> 8));
        dib.push_back(uint8_t(c >> 16));
      }
    }
    dib.resize(start + rowBytes, 0);
  }
  return dib;
}

std::vector<uint8_t> CLIPDIB_Layer(const ShmemState* s, int display, bool virtualArea) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  if (!d || !SHMEM_SignatureGood(s)) return {};
  int x0 = 0, y0 = 0;
  if (!virtualArea) RENDER_VisibleOrigin(s, display, &x0, &y0);
  int w = virtualArea ? d->geometry.vxSize : d->geometry.xSize;
  int h = virtualArea ? d->geometry.vySize : d->geometry.ySize;
  auto index = [&](int x, int y) { return uint8_t(SHMEM_Pixel(s, display, x0 + x, y0 + y)); };
  auto colour = [&](int x, int y) { return SHMEM_Pixel(s, display, x0 + x, y0 + y) & 0xFFFFFF; };
  return build_dib(s, display, w, h, index, colour);
}

std::vector<uint8_t> CLIPDIB_Composite(const ShmemState* s, const CompositeBuffer& composite) {
  const DisplaySlot* d = SHMEM_Display(s, 0);
  if (!d || !SHMEM_SignatureGood(s)) return {};
  int x0, y0;
  RENDER_VisibleOrigin(s, 0, &x0, &y0);
  auto index = [&](int x, int y) { return uint8_t(SHMEM_Pixel(s, 0, x0 + x, y0 + y)); };
  auto colour = [&](int x, int y) -> uint32_t {
    if (x >= composite.width || y >= composite.height) return 0;
    return composite.pixels[size_t(y) * composite.width + x] & 0xFFFFFF;
  };
  return build_dib(s, 0, d->geometry.xSize, d->geometry.ySize, index, colour);
}

std::vector<uint8_t> CLIPDIB_BmpFile(const std::vector<uint8_t>& dib) {
  std::vector<uint8_t> file;
  if (dib.size() < 40) return file;
  uint32_t colours = uint32_t(dib[32]) | uint32_t(dib[33]) << 8;
  file.push_back('B');
  file.push_back('M');
  put32(&file, uint32_t(14 + dib.size()));
  put32(&file, 0);
  put32(&file, 14 + 40 + 4 * colours);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}
