// Fuzz target: arbitrary block contents and object sizes through the attach check, the
// composite, the layer rendering and the clipboard bitmaps. The last input byte picks the
// number of blocks (1 to 3) and the alpha convention.
#include <cstdint>
#include <cstring>
#include <vector>

#include "viewer/clipboard_dib.h"
#include "viewer/composite.h"
#include "viewer/render.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  uint8_t options = data[size - 1];
  --size;
  int count = 1 + options % 3;
  size_t part = size / count;
  // Each block: its bytes laid over the fixed part, the object size from the input length.
  std::vector<std::vector<uint8_t>> blocks(count);
  ShmemState s;
  for (int i = 0; i < count; ++i) {
    size_t n = part;
    size_t objectSize = n < 8 ? n : BLOCK_PIXELS + (n % 65536);
    blocks[i].assign(objectSize, 0);
    if (objectSize > 0) std::memcpy(blocks[i].data(), data + i * part, n < objectSize ? n : objectSize);
    DisplaySlot& slot = s.displays[i];
    slot.base = blocks[i].data();
    slot.size = blocks[i].size();
    BlockGeometry g;
    slot.attached = BLOCK_CheckGeometry(slot.base, slot.size, s.displays[0].base, s.displays[0].size, &g) ==
                    BLOCK_OK;
    // Keep each case cheap: skip very large but valid buffers.
    if (slot.attached && int64_t(g.vxSize) * g.vySize > (1 << 20)) slot.attached = false;
    slot.geometry = g;
  }
  while (s.displayCount < count && s.displays[s.displayCount].attached &&
         s.displays[s.displayCount].geometry.xSize != 0)
    ++s.displayCount;
  // Composite sides up to 255 keep a case fast; the size bound itself is unit-tested.
  for (int i = 0; i < count; ++i) BLOCK_Write(blocks[i].data(), blocks[i].size(), BLOCK_COMPOSITESIZE,
                                               BLOCK_Read(blocks[i].data(), blocks[i].size(),
                                                          BLOCK_COMPOSITESIZE) & 0x00FF00FF);
  CompositeBuffer composite;
  COMPOSITE_Render(&s, options >> 7, &composite);
  uint32_t sink = 0;
  for (uint32_t p : composite.pixels) sink ^= p;
  std::vector<uint32_t> scratch, dst(64 * 48);
  for (int i = 0; i < count; ++i) {
    PixelSource src;
    if (RENDER_LayerSource(&s, i, options & 8, &scratch, &src)) {
      RENDER_Zoom(src, options & 3, (options >> 2) & 1, 1 + (options >> 4) % 4, options & 64,
                  0x3F3F3F, dst.data(), 64, 48, 64);
      sink ^= RENDER_DrawnColourAt(src, 0, 0, 2, true, 0, 5, 5);
    }
    for (uint8_t b : CLIPDIB_Layer(&s, i, options & 16)) sink += b;
  }
  for (uint8_t b : CLIPDIB_BmpFile(CLIPDIB_Composite(&s, composite))) sink += b;
  for (uint32_t p : dst) sink ^= p;
  volatile uint32_t keep = sink;
  (void)keep;
  return 0;
}
