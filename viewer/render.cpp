// Layer sources and zoomed drawing.
#include "viewer/render.h"

#include <algorithm>
#include <cstring>

void RENDER_VisibleOrigin(const ShmemState* s, int display, int* xOrg, int* yOrg) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  if (!d) {
    *xOrg = *yOrg = 0;
    return;
  }
  const BlockGeometry& g = d->geometry;
  // Read live, so bounded on every use.
  *xOrg = std::clamp(BLOCK_Read(d->base, d->size, BLOCK_XORG), 0, g.vxSize - g.xSize);
  *yOrg = std::clamp(BLOCK_Read(d->base, d->size, BLOCK_YORG), 0, g.vySize - g.ySize);
}

bool RENDER_LayerSource(const ShmemState* s, int display, bool virtualArea,
                        std::vector<uint32_t>* scratch, PixelSource* out) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  if (!d) return false;
  const BlockGeometry& g = d->geometry;
  int x0 = 0, y0 = 0, w = g.vxSize, h = g.vySize;
  if (!virtualArea) {
    RENDER_VisibleOrigin(s, display, &x0, &y0);
    w = g.xSize;
    h = g.ySize;
  }
  const uint8_t* pixels = d->base + BLOCK_PIXELS;
  out->width = w;
  out->height = h;
  if (g.bytesPerPixel == 4) {
    // Rows of 4-byte pixels are already 32-bit aligned (stride and offset are multiples of 4).
    out->pixels = reinterpret_cast<const uint32_t*>(pixels + size_t(y0) * g.stride) + x0;
    out->strideWords = g.stride / 4;
    return true;
  }
  uint32_t table[256];
  for (int i = 0; i < 256; ++i)
    table[i] = uint32_t(BLOCK_Read(d->base, d->size, BLOCK_COLORTABLE + 4 * i));
  scratch->resize(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = pixels + size_t(y0 + y) * g.stride + x0;
    uint32_t* dst = scratch->data() + size_t(y) * w;
    for (int x = 0; x < w; ++x) dst[x] = table[row[x]];
  }
  out->pixels = scratch->data();
  out->strideWords = w;
  return true;
}

void RENDER_Zoom(const PixelSource& src, int scrollX, int scrollY, int zoom, bool grid,
                 uint32_t gridColour, uint32_t* dst, int dstWidth, int dstHeight,
                 ptrdiff_t dstStrideWords) {
  if (zoom < 1 || dstWidth <= 0 || dstHeight <= 0) return;
  const uint32_t black = 0xFF000000u, line = 0xFF000000u | (gridColour & 0xFFFFFF);
  scrollX = std::max(scrollX, 0);
  scrollY = std::max(scrollY, 0);
  // Columns of the client that show image pixels.
  int64_t shown = std::max<int64_t>(0, int64_t(src.width) - scrollX) * zoom;
  int imageRight = int(std::min<int64_t>(dstWidth, shown));
  auto isGridLine = [&](int v) { return grid && v > 0 && v % zoom == 0; };
  for (int y = 0; y < dstHeight; ++y) {
    uint32_t* out = dst + ptrdiff_t(y) * dstStrideWords;
    if (isGridLine(y)) {
      std::fill(out, out + dstWidth, line);
      continue;
    }
    if (y % zoom != 0 && !isGridLine(y - 1)) {
      // Same image row as the line above.
      std::memcpy(out, out - dstStrideWords, size_t(dstWidth) * 4);
      continue;
    }
    int64_t imageRow = int64_t(scrollY) + y / zoom;
    if (imageRow >= src.height || imageRight == 0) {
      std::fill(out, out + dstWidth, black);
    } else {
      const uint32_t* in = src.pixels + imageRow * src.strideWords + scrollX;
      int x = 0;
      for (int col = 0; x < imageRight; ++col) {
        uint32_t c = 0xFF000000u | in[col];
        int end = std::min(x + zoom, imageRight);
        for (; x < end; ++x) out[x] = c;
      }
      std::fill(out + imageRight, out + dstWidth, black);
    }
    if (grid)
      for (int x = zoom; x < dstWidth; x += zoom) out[x] = line;
  }
}

RenderHit RENDER_HitTest(int width, int height, int scrollX, int scrollY, int zoom, bool grid,
                         int clientX, int clientY, int* x, int* y) {
  if (zoom < 1 || clientX < 0 || clientY < 0) return RENDER_HIT_OUTSIDE;
  if (grid && ((clientX > 0 && clientX % zoom == 0) || (clientY > 0 && clientY % zoom == 0)))
    return RENDER_HIT_GRID;
  int64_t ix = int64_t(std::max(scrollX, 0)) + clientX / zoom;
  int64_t iy = int64_t(std::max(scrollY, 0)) + clientY / zoom;
  if (ix >= width || iy >= height) return RENDER_HIT_OUTSIDE;
  *x = int(ix);
  *y = int(iy);
  return RENDER_HIT_PIXEL;
}

uint32_t RENDER_DrawnColourAt(const PixelSource& src, int scrollX, int scrollY, int zoom,
                              bool grid, uint32_t gridColour, int clientX, int clientY) {
  int x, y;
  switch (RENDER_HitTest(src.width, src.height, scrollX, scrollY, zoom, grid, clientX, clientY, &x, &y)) {
    case RENDER_HIT_GRID: return gridColour & 0xFFFFFF;
    case RENDER_HIT_OUTSIDE: return 0;
    default: return src.pixels[ptrdiff_t(y) * src.strideWords + x] & 0xFFFFFF;
  }
}
