// Bounded field access and the attach-time geometry check of a display block.
#include "viewer/display_block.h"

#include <cstring>

int32_t BLOCK_Read(const uint8_t* block, size_t size, uint32_t offset) {
  if (!block || size < 4 || offset > size - 4) return 0;
  const uint8_t* p = block + offset;
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                              uint32_t(p[3]) << 24);
}

void BLOCK_Write(uint8_t* block, size_t size, uint32_t offset, int32_t value) {
  if (!block || size < 4 || offset > size - 4) return;
  uint32_t v = static_cast<uint32_t>(value);
  uint8_t* p = block + offset;
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

void BLOCK_Write16(uint8_t* block, size_t size, uint32_t offset, uint16_t value) {
  if (!block || size < 2 || offset > size - 2) return;
  block[offset] = uint8_t(value);
  block[offset + 1] = uint8_t(value >> 8);
}

std::string BLOCK_Name(int index) {
  std::string name = "VorixLCDMap";
  if (index > 0) name += static_cast<char>('0' + index);
  return name;
}

const char* BLOCK_GlobalName() { return "VorixGlobalMap"; }

int64_t BLOCK_RowStride(int64_t vxSize, int bpp) {
  int64_t bytes = bpp <= 8 ? vxSize : 4 * vxSize;
  return (bytes + 3) & ~int64_t(3);
}

static bool side_ok(int32_t v) { return v >= 0 && v <= BLOCK_MAX_SIDE; }

BlockStatus BLOCK_CheckGeometry(const uint8_t* block, size_t size, const uint8_t* signatureBlock,
                                size_t signatureSize, BlockGeometry* geometry) {
  if (!block || size < BLOCK_PIXELS) return BLOCK_E_TOO_SMALL;
  if (!signatureBlock || signatureSize < 1 || signatureBlock[0] != BLOCK_SIGNATURE_BYTE)
    return BLOCK_E_SIGNATURE;
  BlockGeometry g;
  g.xSize = BLOCK_Read(block, size, BLOCK_XSIZE);
  g.ySize = BLOCK_Read(block, size, BLOCK_YSIZE);
  g.vxSize = BLOCK_Read(block, size, BLOCK_VXSIZE);
  g.vySize = BLOCK_Read(block, size, BLOCK_VYSIZE);
  g.bpp = BLOCK_Read(block, size, BLOCK_BPP);
  if (!side_ok(g.xSize) || !side_ok(g.ySize) || !side_ok(g.vxSize) || !side_ok(g.vySize))
    return BLOCK_E_SIZE;
  // The visible area is a window of the virtual buffer.
  if (g.xSize > g.vxSize || g.ySize > g.vySize) return BLOCK_E_SIZE;
  if (g.bpp < 1 || g.bpp > 32) return BLOCK_E_BPP;
  g.bytesPerPixel = g.bpp <= 8 ? 1 : 4;
  int64_t stride = BLOCK_RowStride(g.vxSize, g.bpp);
  // The colour table (at most 256 entries are ever read) lies before the pixels, which
  // the size check above already covers.
  if (int64_t(size) - BLOCK_PIXELS < stride * g.vySize) return BLOCK_E_PIXELS;
  g.stride = static_cast<int>(stride);
  *geometry = g;
  return BLOCK_OK;
}

void BLOCK_WriteBitmapHeader(uint8_t* block, size_t size, const BlockGeometry& g) {
  if (!block || size < BLOCK_COLORTABLE) return;
  std::memset(block + BLOCK_BITMAPHEADER, 0, BLOCK_COLORTABLE - BLOCK_BITMAPHEADER);
  BLOCK_Write(block, size, BLOCK_BITMAPHEADER, 40);
  BLOCK_Write(block, size, BLOCK_BITMAPHEADER + 4, g.vxSize);
  BLOCK_Write(block, size, BLOCK_BITMAPHEADER + 8, -g.vySize);
  BLOCK_Write16(block, size, BLOCK_BITMAPHEADER + 12, 1);
  BLOCK_Write16(block, size, BLOCK_HEADER_BITCOUNT, g.bpp <= 8 ? 8 : 32);
}
