// Image document: creation, copies, pixel and palette access, true-colour conversion
// and the transparent index. The blocks keep the DIB layout so views draw them as is.
#include "bitmap/document/image.h"

#include <cstdlib>
#include <cstring>

#include "bitmap/document/byte_order.h"
#include "common/memory/large_block.h"

namespace {

// Storage row of image row y. Documents are always stored bottom-up (IMAGE_Create writes
// a positive height and nothing rewrites it), so the header need not be read per access.
int32_t storage_row(const ImageDocument* doc, int32_t y) { return doc->YSize - y - 1; }

}  // namespace

const char IMAGE_TextTooLarge[] = "Image too large: more than 67108864 pixels";

bool IMAGE_FitsLimits(uint64_t width, uint64_t height, uint64_t extraBytes) {
  if (width > IMAGE_MAX_PIXELS || height > IMAGE_MAX_PIXELS) return false;
  const uint64_t pixels = width * height;
  return pixels <= IMAGE_MAX_PIXELS && extraBytes <= IMAGE_MAX_DECODE_BYTES - 4 * pixels;
}

ImageDocument* IMAGE_Create(int32_t xSize, int32_t ySize, int32_t numColors) {
  if (xSize <= 0 || ySize <= 0 || numColors < 0 || numColors > 256) return nullptr;
  if (!IMAGE_FitsLimits(static_cast<uint64_t>(xSize), static_cast<uint64_t>(ySize), 0)) return nullptr;
  const int32_t bpp = numColors ? 8 : 32;
  const int64_t bytesPerLine = (static_cast<int64_t>(bpp) * xSize + 31) / 32 * 4;
  const uint64_t bitsSize = static_cast<uint64_t>(bytesPerLine) * static_cast<uint64_t>(ySize);
  auto* doc = static_cast<ImageDocument*>(std::calloc(1, sizeof(ImageDocument)));
  if (!doc) return nullptr;
  doc->pInfo = static_cast<uint8_t*>(std::calloc(1, IMAGE_DIB_HEADER_SIZE + 4 * static_cast<size_t>(numColors)));
  doc->pBits = static_cast<uint8_t*>(std::calloc(1, static_cast<size_t>(bitsSize)));
  MEM_AdviseLargeBlock(doc->pBits, static_cast<size_t>(bitsSize));
  if (!doc->pInfo || !doc->pBits) {
    IMAGE_Free(doc);
    return nullptr;
  }
  doc->XSize = xSize;
  doc->YSize = ySize;
  doc->BytesPerLine = static_cast<int32_t>(bytesPerLine);
  doc->NumColors = numColors;
  doc->BitsPerPixel = bpp;
  uint8_t* h = doc->pInfo;
  IMAGE_StoreU32(h + 0, IMAGE_DIB_HEADER_SIZE);
  IMAGE_StoreU32(h + 4, static_cast<uint32_t>(xSize));
  IMAGE_StoreU32(h + 8, static_cast<uint32_t>(ySize));
  IMAGE_StoreU16(h + 12, 1);
  IMAGE_StoreU16(h + 14, static_cast<uint32_t>(bpp));
  IMAGE_StoreU32(h + 20, static_cast<uint32_t>(bitsSize));
  IMAGE_StoreU32(h + 32, static_cast<uint32_t>(numColors));
  return doc;
}

ImageDocument* IMAGE_Clone(const ImageDocument* doc) {
  if (!doc) return nullptr;
  ImageDocument* copy = IMAGE_Create(doc->XSize, doc->YSize, doc->NumColors);
  if (!copy) return nullptr;
  copy->HasTrans = doc->HasTrans;
  copy->HasAlpha = doc->HasAlpha;
  std::memcpy(copy->pInfo + IMAGE_DIB_HEADER_SIZE, doc->pInfo + IMAGE_DIB_HEADER_SIZE, 4 * static_cast<size_t>(doc->NumColors));
  for (int32_t y = 0; y < doc->YSize; ++y)
    std::memcpy(IMAGE_GetRow(copy, y), IMAGE_GetRow(doc, y), static_cast<size_t>(doc->BytesPerLine));
  return copy;
}

void IMAGE_Free(ImageDocument* doc) {
  if (!doc) return;
  std::free(doc->pBits);
  std::free(doc->pInfo);
  std::free(doc);
}

uint8_t* IMAGE_GetRow(const ImageDocument* doc, int32_t y) {
  return doc->pBits + static_cast<size_t>(storage_row(doc, y)) * static_cast<size_t>(doc->BytesPerLine);
}

uint32_t IMAGE_GetIndex(const ImageDocument* doc, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= doc->XSize || y >= doc->YSize) return 0;
  const uint8_t* row = IMAGE_GetRow(doc, y);
  if (doc->BitsPerPixel == 8) return row[x];
  const uint8_t* p = row + 4 * static_cast<size_t>(x);
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void IMAGE_SetIndex(ImageDocument* doc, int32_t x, int32_t y, uint32_t value) {
  if (x < 0 || y < 0 || x >= doc->XSize || y >= doc->YSize) return;
  uint8_t* row = IMAGE_GetRow(doc, y);
  if (doc->BitsPerPixel == 8) {
    row[x] = static_cast<uint8_t>(value);
    return;
  }
  IMAGE_StoreU32(row + 4 * static_cast<size_t>(x), value);
}

ColorValue IMAGE_GetColor(const ImageDocument* doc, int32_t x, int32_t y) {
  uint32_t v = IMAGE_GetIndex(doc, x, y);
  return doc->NumColors ? IMAGE_GetPalColor(doc, static_cast<int32_t>(v)) : v;
}

void IMAGE_GetPaletteMap(const ImageDocument* doc, ColorValue aColor[256]) {
  for (int i = 0; i < 256; ++i) aColor[i] = i < doc->NumColors ? IMAGE_GetPalColor(doc, i) : 0;
}

// Palette entries are stored blue, green, red, transparency.
ColorValue IMAGE_GetPalColor(const ImageDocument* doc, int32_t index) {
  const uint8_t* p = doc->pInfo + IMAGE_DIB_HEADER_SIZE + 4 * index;
  return (static_cast<uint32_t>(p[3]) << 24) | (p[0] << 16) | (p[1] << 8) | p[2];
}

void IMAGE_SetPalColor(ImageDocument* doc, int32_t index, ColorValue color) {
  uint8_t* p = doc->pInfo + IMAGE_DIB_HEADER_SIZE + 4 * index;
  p[0] = static_cast<uint8_t>(color >> 16);
  p[1] = static_cast<uint8_t>(color >> 8);
  p[2] = static_cast<uint8_t>(color);
  p[3] = static_cast<uint8_t>(color >> 24);
}

ImageDocument* IMAGE_ToTrueColor(ImageDocument* doc) {
  if (!doc) return nullptr;
  if (doc->NumColors == 0 && doc->HasAlpha == 0) return doc;
  ImageDocument* out = IMAGE_Create(doc->XSize, doc->YSize, 0);
  if (!out) return nullptr;
  for (int32_t y = 0; y < doc->YSize; ++y)
    for (int32_t x = 0; x < doc->XSize; ++x) IMAGE_SetIndex(out, x, y, IMAGE_GetColor(doc, x, y));
  IMAGE_Free(doc);
  return out;
}

void IMAGE_SetTransIndex(ImageDocument* doc, int32_t index) {
  if (index != 0) {
    for (int32_t y = 0; y < doc->YSize; ++y) {
      for (int32_t x = 0; x < doc->XSize; ++x) {
        uint32_t v = IMAGE_GetIndex(doc, x, y);
        if (v == 0)
          IMAGE_SetIndex(doc, x, y, static_cast<uint32_t>(index));
        else if (v == static_cast<uint32_t>(index))
          IMAGE_SetIndex(doc, x, y, 0);
      }
    }
    ColorValue c0 = IMAGE_GetPalColor(doc, 0);
    IMAGE_SetPalColor(doc, 0, IMAGE_GetPalColor(doc, index));
    IMAGE_SetPalColor(doc, index, c0);
  }
  doc->HasTrans = 1;
}

void IMAGE_ClearTrans(ImageDocument* doc) { doc->HasTrans = 0; }
