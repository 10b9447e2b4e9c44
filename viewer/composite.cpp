// Composite rendering. Layers are blended bottom-up row span by row span, which gives
// the same result as the top-down definition (each layer mixes over the result below).
#include "viewer/composite.h"

#include <algorithm>

void COMPOSITE_Size(const ShmemState* s, int* width, int* height) {
  uint32_t packed = uint32_t(SHMEM_Field(s, 0, BLOCK_COMPOSITESIZE));
  int w = int(packed & 0xFFFF), h = int(packed >> 16);
  if (w == 0 || h == 0) {
    const DisplaySlot* d = SHMEM_Display(s, 0);
    w = d ? d->geometry.xSize : 0;
    h = d ? d->geometry.ySize : 0;
  }
  *width = std::min(w, COMPOSITE_MAX_SIDE);
  *height = std::min(h, COMPOSITE_MAX_SIDE);
}

static inline uint32_t swap_rb(uint32_t c) {
  return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

static inline bool within_key(uint32_t w, uint32_t lo, uint32_t hi) {
  for (int shift = 0; shift <= 16; shift += 8) {
    uint32_t c = w >> shift & 0xFF;
    if (c < (lo >> shift & 0xFF) || c > (hi >> shift & 0xFF)) return false;
  }
  return true;
}

static inline uint32_t blend(uint32_t w, uint32_t lower, uint32_t d) {
  uint32_t keep = 256 - d;
  uint32_t r = ((w >> 16 & 0xFF) * keep + (lower >> 16 & 0xFF) * d) >> 8;
  uint32_t g = ((w >> 8 & 0xFF) * keep + (lower >> 8 & 0xFF) * d) >> 8;
  uint32_t b = ((w & 0xFF) * keep + (lower & 0xFF) * d) >> 8;
  return 0xFF000000u | r << 16 | g << 8 | b;
}

// Live per-layer values, read once per frame and bounded.
struct LayerState {
  const DisplaySlot* slot;
  int64_t left, top;        // layer position in the composite
  int64_t orgX, orgY;       // visible area in the virtual buffer
  int transMode;
  uint32_t keyLow, keyHigh;
  uint32_t layerAlpha;
  uint32_t table[256];
};

static bool load_layer(const ShmemState* s, int index, LayerState* L) {
  const DisplaySlot* d = SHMEM_Display(s, index);
  if (!d || BLOCK_Read(d->base, d->size, BLOCK_LAYERVISIBLE) == 0) return false;
  L->slot = d;
  L->left = BLOCK_Read(d->base, d->size, BLOCK_LAYERX);
  L->top = BLOCK_Read(d->base, d->size, BLOCK_LAYERY);
  L->orgX = BLOCK_Read(d->base, d->size, BLOCK_XORG);
  L->orgY = BLOCK_Read(d->base, d->size, BLOCK_YORG);
  L->transMode = BLOCK_Read(d->base, d->size, BLOCK_TRANSMODE);
  L->keyLow = uint32_t(BLOCK_Read(d->base, d->size, BLOCK_KEYLOW));
  L->keyHigh = uint32_t(BLOCK_Read(d->base, d->size, BLOCK_KEYHIGH));
  L->layerAlpha = uint32_t(std::clamp(BLOCK_Read(d->base, d->size, BLOCK_LAYERALPHA), 0, 255));
  if (d->geometry.bytesPerPixel == 1)
    for (int i = 0; i < 256; ++i)
      L->table[i] = uint32_t(BLOCK_Read(d->base, d->size, BLOCK_COLORTABLE + 4 * i));
  return true;
}

// Blends one layer's span of composite row y into out.
static void blend_row(const LayerState& L, int index, int alphaConvention, int64_t y,
                      int width, uint32_t* out) {
  const BlockGeometry& g = L.slot->geometry;
  if (y < L.top || y >= L.top + g.ySize) return;
  int64_t row = L.orgY + y - L.top;
  if (row < 0 || row >= g.vySize) return;  // origin read live: never outside the buffer
  // Composite columns covered by the layer and inside the virtual buffer.
  int64_t x0 = std::max<int64_t>({0, L.left, L.left - L.orgX});
  int64_t x1 = std::min<int64_t>({width, L.left + g.xSize, L.left - L.orgX + g.vxSize});
  if (x0 >= x1) return;
  const uint8_t* rowBase = L.slot->base + BLOCK_PIXELS + size_t(row) * size_t(g.stride);
  bool indexed = g.bytesPerPixel == 1;
  for (int64_t x = x0; x < x1; ++x) {
    int64_t col = L.orgX + x - L.left;
    uint32_t w, d;
    if (indexed) {
      uint8_t idx = rowBase[col];
      if (L.transMode == 2 && idx == 0 && index != 0) continue;
      w = L.table[idx];
      d = alphaConvention ? 0 : L.layerAlpha;
    } else {
      const uint8_t* p = rowBase + 4 * col;
      w = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
      uint32_t a = w >> 24;
      d = alphaConvention ? 255 - a : a;
    }
    if (L.transMode == 1 && within_key(w, L.keyLow, L.keyHigh)) continue;
    out[x] = d == 0 ? (0xFF000000u | (w & 0xFFFFFF)) : blend(w, out[x], d);
  }
}

void COMPOSITE_Render(const ShmemState* s, int alphaConvention, CompositeBuffer* out) {
  int width, height;
  COMPOSITE_Size(s, &width, &height);
  if (width != out->width || height != out->height) {
    out->width = width;
    out->height = height;
    out->pixels.assign(size_t(width) * size_t(height), 0xFF000000u);
  }
  if (width == 0 || height == 0) return;
  uint32_t background = 0xFF000000u | swap_rb(uint32_t(SHMEM_Field(s, 0, BLOCK_BKCOLOR)) & 0xFFFFFF);
  LayerState layers[BLOCK_MAX_DISPLAYS];
  int indices[BLOCK_MAX_DISPLAYS], used = 0;
  for (int i = 0; i < s->displayCount; ++i)
    if (load_layer(s, i, &layers[used])) indices[used++] = i;
  for (int y = 0; y < height; ++y) {
    uint32_t* row = out->pixels.data() + size_t(y) * size_t(width);
    std::fill(row, row + width, background);
    for (int k = 0; k < used; ++k) blend_row(layers[k], indices[k], alphaConvention, y, width, row);
  }
}
