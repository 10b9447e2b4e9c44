// The simulation's side of the shared display memory: creates the global block and the
// display blocks, fills their fixed fields, and removes them again.
#pragma once

#include <cstddef>
#include <cstdint>

#include "viewer/display_block.h"

struct SimDisplaySpec {
  int xSize = 320, ySize = 240;
  int vxSize = 0, vySize = 0;  // 0: as the visible size
  int bpp = 32;
  int layerX = 0, layerY = 0;
  int numColors = 0;           // 0: 256 for indexed displays, 65536 otherwise
};

struct SimBlock {
  int index = -1;
  uint8_t* base = nullptr;
  size_t size = 0;
  BlockGeometry g;
};

// Creates (replacing any stale object of the same name) and maps display block index.
bool SIMBLOCK_Create(int index, const SimDisplaySpec& spec, SimBlock* out);
// Creates the global block with the alpha-convention flag.
bool SIMBLOCK_CreateGlobal(uint8_t alphaFlag);
// Unmaps and unlinks a display block; the global block with index -1.
void SIMBLOCK_Remove(SimBlock* block);
void SIMBLOCK_RemoveGlobal();

// Field access of a created block.
void SIMBLOCK_Set(SimBlock* b, BlockField field, int32_t value);
int32_t SIMBLOCK_Get(const SimBlock* b, BlockField field);
void SIMBLOCK_SetColor(SimBlock* b, int index, uint32_t rgb);  // 0x00RRGGBB
// Pixel of the virtual buffer: an index (bpp <= 8) or 0xAARRGGBB; ignored outside.
void SIMBLOCK_SetPixel(SimBlock* b, int x, int y, uint32_t value);
uint32_t SIMBLOCK_GetPixel(const SimBlock* b, int x, int y);
// Row y of a 4-byte-per-pixel buffer (vxSize words), or null.
uint32_t* SIMBLOCK_Row32(SimBlock* b, int y);
void SIMBLOCK_Fill(SimBlock* b, int x0, int y0, int x1, int y1, uint32_t value);
void SIMBLOCK_BumpFrame(SimBlock* b);
void SIMBLOCK_BumpPalette(SimBlock* b);
