// Creation and field access of the simulation's blocks.
#include "tools/vorixsim/sim_blocks.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "viewer/shmem.h"

static uint8_t* create_object(const std::string& name, size_t size) {
  std::string objectName = SHMEM_ObjectName(name);
  shm_unlink(objectName.c_str());  // a crashed run may have left it behind
  int fd = shm_open(objectName.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return nullptr;
  if (ftruncate(fd, off_t(size)) != 0) {
    close(fd);
    shm_unlink(objectName.c_str());
    return nullptr;
  }
  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  close(fd);
  if (p == MAP_FAILED) {
    shm_unlink(objectName.c_str());
    return nullptr;
  }
  return static_cast<uint8_t*>(p);
}

bool SIMBLOCK_Create(int index, const SimDisplaySpec& spec, SimBlock* out) {
  BlockGeometry g;
  g.xSize = spec.xSize;
  g.ySize = spec.ySize;
  g.vxSize = std::max(spec.vxSize, spec.xSize);
  g.vySize = std::max(spec.vySize, spec.ySize);
  g.bpp = spec.bpp;
  g.bytesPerPixel = spec.bpp <= 8 ? 1 : 4;
  g.stride = int(BLOCK_RowStride(g.vxSize, g.bpp));
  size_t size = BLOCK_PIXELS + size_t(g.stride) * size_t(g.vySize);
  size = (size + 4095) & ~size_t(4095);
  uint8_t* base = create_object(BLOCK_Name(index), size);
  if (!base) return false;
  *out = SimBlock{index, base, size, g};
  SIMBLOCK_Set(out, BLOCK_SIGNATURE, BLOCK_SIGNATURE_BYTE);
  SIMBLOCK_Set(out, BLOCK_XSIZE, g.xSize);
  SIMBLOCK_Set(out, BLOCK_YSIZE, g.ySize);
  SIMBLOCK_Set(out, BLOCK_VXSIZE, g.vxSize);
  SIMBLOCK_Set(out, BLOCK_VYSIZE, g.vySize);
  SIMBLOCK_Set(out, BLOCK_BPP, g.bpp);
  int colours = spec.numColors ? spec.numColors : spec.bpp <= 8 ? 1 << spec.bpp : 65536;
  SIMBLOCK_Set(out, BLOCK_NUMCOLORS, colours);
  SIMBLOCK_Set(out, BLOCK_MOUSEX, -1);
  SIMBLOCK_Set(out, BLOCK_MOUSEY, -1);
  SIMBLOCK_Set(out, BLOCK_LAYERX, spec.layerX);
  SIMBLOCK_Set(out, BLOCK_LAYERY, spec.layerY);
  SIMBLOCK_Set(out, BLOCK_LAYERVISIBLE, 1);
  SIMBLOCK_Set(out, BLOCK_LAYERALPHA, 0);
  return true;
}

bool SIMBLOCK_CreateGlobal(uint8_t alphaFlag) {
  uint8_t* base = create_object(BLOCK_GlobalName(), 4096);
  if (!base) return false;
  base[0] = alphaFlag;
  munmap(base, 4096);
  return true;
}

void SIMBLOCK_Remove(SimBlock* b) {
  if (!b->base) return;
  munmap(b->base, b->size);
  shm_unlink(SHMEM_ObjectName(BLOCK_Name(b->index)).c_str());
  b->base = nullptr;
}

void SIMBLOCK_RemoveGlobal() { shm_unlink(SHMEM_ObjectName(BLOCK_GlobalName()).c_str()); }

void SIMBLOCK_Set(SimBlock* b, BlockField field, int32_t value) {
  BLOCK_Write(b->base, b->size, field, value);
}

int32_t SIMBLOCK_Get(const SimBlock* b, BlockField field) {
  return BLOCK_Read(b->base, b->size, field);
}

void SIMBLOCK_SetColor(SimBlock* b, int index, uint32_t rgb) {
  if (index < 0 || index >= BLOCK_MAX_TABLE_ENTRIES) return;
  BLOCK_Write(b->base, b->size, BLOCK_COLORTABLE + 4 * index, int32_t(rgb & 0xFFFFFF));
}

void SIMBLOCK_SetPixel(SimBlock* b, int x, int y, uint32_t value) {
  const BlockGeometry& g = b->g;
  if (x < 0 || y < 0 || x >= g.vxSize || y >= g.vySize) return;
  size_t offset = BLOCK_PIXELS + size_t(y) * g.stride + size_t(x) * g.bytesPerPixel;
  if (g.bytesPerPixel == 1)
    b->base[offset] = uint8_t(value);
  else
    BLOCK_Write(b->base, b->size, uint32_t(offset), int32_t(value));
}

uint32_t SIMBLOCK_GetPixel(const SimBlock* b, int x, int y) {
  const BlockGeometry& g = b->g;
  if (x < 0 || y < 0 || x >= g.vxSize || y >= g.vySize) return 0;
  size_t offset = BLOCK_PIXELS + size_t(y) * g.stride + size_t(x) * g.bytesPerPixel;
  if (g.bytesPerPixel == 1) return b->base[offset];
  return uint32_t(BLOCK_Read(b->base, b->size, uint32_t(offset)));
}

uint32_t* SIMBLOCK_Row32(SimBlock* b, int y) {
  if (b->g.bytesPerPixel != 4 || y < 0 || y >= b->g.vySize) return nullptr;
  // Rows start at multiples of 4 bytes from the page-aligned mapping.
  return reinterpret_cast<uint32_t*>(b->base + BLOCK_PIXELS + size_t(y) * b->g.stride);
}

void SIMBLOCK_Fill(SimBlock* b, int x0, int y0, int x1, int y1, uint32_t value) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, b->g.vxSize);
  y1 = std::min(y1, b->g.vySize);
  for (int y = y0; y < y1; ++y) {
    if (uint32_t* row = SIMBLOCK_Row32(b, y)) {
      std::fill(row + x0, row + std::max(x0, x1), value);
    } else {
      for (int x = x0; x < x1; ++x) SIMBLOCK_SetPixel(b, x, y, value);
    }
  }
}

void SIMBLOCK_BumpFrame(SimBlock* b) {
  SIMBLOCK_Set(b, BLOCK_FRAMECOUNT, SIMBLOCK_Get(b, BLOCK_FRAMECOUNT) + 1);
}

void SIMBLOCK_BumpPalette(SimBlock* b) {
  SIMBLOCK_Set(b, BLOCK_PALETTECOUNT, SIMBLOCK_Get(b, BLOCK_PALETTECOUNT) + 1);
}
