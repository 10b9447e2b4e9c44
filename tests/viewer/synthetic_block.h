// Display blocks built in ordinary memory, attached to a ShmemState without shared memory,
// so the composite, rendering and clipboard code run on hand-made pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "viewer/display_block.h"
#include "viewer/shmem.h"

struct SyntheticBlock {
  std::vector<uint8_t> bytes;
  BlockGeometry g;

  SyntheticBlock(int xSize, int ySize, int bpp, int vxSize = 0, int vySize = 0) {
    g.xSize = xSize;
    g.ySize = ySize;
    g.vxSize = vxSize ? vxSize : xSize;
    g.vySize = vySize ? vySize : ySize;
    g.bpp = bpp;
    g.bytesPerPixel = bpp <= 8 ? 1 : 4;
    g.stride = int(BLOCK_RowStride(g.vxSize, bpp));
    bytes.assign(BLOCK_PIXELS + size_t(g.stride) * g.vySize, 0);
    bytes[0] = BLOCK_SIGNATURE_BYTE;
    Set(BLOCK_XSIZE, g.xSize);
    Set(BLOCK_YSIZE, g.ySize);
    Set(BLOCK_VXSIZE, g.vxSize);
    Set(BLOCK_VYSIZE, g.vySize);
    Set(BLOCK_BPP, bpp);
    Set(BLOCK_LAYERVISIBLE, 1);
  }
  void Set(BlockField f, int32_t v) { BLOCK_Write(bytes.data(), bytes.size(), f, v); }
  int32_t Get(BlockField f) const { return BLOCK_Read(bytes.data(), bytes.size(), f); }
  void SetColor(int index, uint32_t rgb) {
    BLOCK_Write(bytes.data(), bytes.size(), BLOCK_COLORTABLE + 4 * index, int32_t(rgb));
  }
  void SetPixel(int x, int y, uint32_t v) {
    size_t off = BLOCK_PIXELS + size_t(y) * g.stride + size_t(x) * g.bytesPerPixel;
    if (g.bytesPerPixel == 1)
      bytes[off] = uint8_t(v);
    else
      BLOCK_Write(bytes.data(), bytes.size(), uint32_t(off), int32_t(v));
  }
  void Fill(uint32_t v) {
    for (int y = 0; y < g.vySize; ++y)
      for (int x = 0; x < g.vxSize; ++x) SetPixel(x, y, v);
  }
};

// Attaches blocks as displays 0, 1, ... of a state and counts them as the poll would.
inline void attach_blocks(ShmemState* s, const std::vector<SyntheticBlock*>& blocks) {
  for (size_t i = 0; i < blocks.size(); ++i) {
    DisplaySlot& slot = s->displays[i];
    slot.base = blocks[i]->bytes.data();
    slot.size = blocks[i]->bytes.size();
    BlockGeometry g;
    slot.attached = BLOCK_CheckGeometry(slot.base, slot.size, s->displays[0].base, s->displays[0].size,
                                        &g) == BLOCK_OK;
    slot.geometry = g;
  }
  s->displayCount = 0;
  while (s->displayCount < int(blocks.size()) && s->displays[s->displayCount].attached &&
         s->displays[s->displayCount].geometry.xSize != 0)
    ++s->displayCount;
}
