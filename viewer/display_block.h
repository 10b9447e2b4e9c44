// Wire format of the shared display blocks a device simulation exports: field offsets,
// bounded little-endian access and the geometry check every block passes before it is used.
// A block comes from another program, so every access takes the mapped size and never
// leaves it; fields read live are re-bounded on each use by the callers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Field offsets within a display block (32-bit little-endian signed integers).
enum BlockField : uint32_t {
  BLOCK_SIGNATURE = 0x000,
  BLOCK_XSIZE = 0x020,
  BLOCK_YSIZE = 0x024,
  BLOCK_VXSIZE = 0x028,
  BLOCK_VYSIZE = 0x02C,
  BLOCK_BPP = 0x034,
  BLOCK_NUMCOLORS = 0x038,
  BLOCK_FRAMECOUNT = 0x03C,
  BLOCK_PALETTECOUNT = 0x040,
  BLOCK_MOUSEX = 0x050,
  BLOCK_MOUSEY = 0x054,
  BLOCK_MOUSEKEYS = 0x058,
  BLOCK_XORG = 0x05C,
  BLOCK_YORG = 0x060,
  BLOCK_LAYERALPHA = 0x064,
  BLOCK_LAYERX = 0x068,
  BLOCK_LAYERY = 0x06C,
  BLOCK_LAYERVISIBLE = 0x070,
  BLOCK_BKCOLOR = 0x074,
  BLOCK_COMPOSITESIZE = 0x078,
  BLOCK_KEYLOW = 0x07C,
  BLOCK_KEYHIGH = 0x080,
  BLOCK_TRANSMODE = 0x084,
  BLOCK_BITMAPHEADER = 0x100,
  BLOCK_HEADER_BITCOUNT = 0x10E,
  BLOCK_COLORTABLE = 0x128,
  BLOCK_PIXELS = 0x1000,
};

constexpr uint8_t BLOCK_SIGNATURE_BYTE = 0x65;  // 'e'
constexpr int BLOCK_MAX_DISPLAYS = 15;
// Largest visible, virtual or composite side accepted; keeps every product in 32 bits.
constexpr int BLOCK_MAX_SIDE = 16384;
// Colour-table entries that fit between the table and the pixel data.
constexpr int BLOCK_MAX_TABLE_ENTRIES = (BLOCK_PIXELS - BLOCK_COLORTABLE) / 4;

enum BlockStatus {
  BLOCK_OK = 0,
  BLOCK_E_TOO_SMALL,   // shorter than the fixed part before the pixel data
  BLOCK_E_SIGNATURE,   // display block 0 does not start with 'e'
  BLOCK_E_SIZE,        // a visible or virtual size is negative, too large or inconsistent
  BLOCK_E_BPP,         // bits per pixel outside 1 to 32
  BLOCK_E_PIXELS,      // vySize rows of the stride do not fit in the block
};

// Values copied at attach time; not refreshed while attached.
struct BlockGeometry {
  int xSize = 0, ySize = 0;    // visible area
  int vxSize = 0, vySize = 0;  // virtual buffer
  int bpp = 0;
  int bytesPerPixel = 0;       // 1 for bpp 8 or less, else 4
  int stride = 0;              // bytes per row, a multiple of 4
};

// Reads a field; 0 when the four bytes are not all inside the block.
int32_t BLOCK_Read(const uint8_t* block, size_t size, uint32_t offset);
// Writes a field; does nothing when the four bytes are not all inside the block.
void BLOCK_Write(uint8_t* block, size_t size, uint32_t offset, int32_t value);
void BLOCK_Write16(uint8_t* block, size_t size, uint32_t offset, uint16_t value);

// Shared-memory name of display block index 0..14 ("VorixLCDMap", then '0' + index).
std::string BLOCK_Name(int index);
// Name of the global block.
const char* BLOCK_GlobalName();

// Row stride for a buffer width and bit depth: rounded up to a multiple of 4.
int64_t BLOCK_RowStride(int64_t vxSize, int bpp);

// Checks that a block of this size can carry the sizes it declares and fills geometry.
// signatureBlock/signatureSize: display block 0, whose first byte must be 0x65.
BlockStatus BLOCK_CheckGeometry(const uint8_t* block, size_t size, const uint8_t* signatureBlock,
                                size_t signatureSize, BlockGeometry* geometry);

// Writes the 40-byte bitmap header at 0x100 for drawing the buffer (rows top to bottom).
void BLOCK_WriteBitmapHeader(uint8_t* block, size_t size, const BlockGeometry& g);
