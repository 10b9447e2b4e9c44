// Packed DIB output (clipboard copy and BMP files): a 40-byte BITMAPINFOHEADER, the
// palette and bottom-up rows at the smallest standard depth that holds the palette,
// or 24/32 bits for true colour. Alpha is written as a standard alpha (255 opaque).
#include <cstring>

#include "bitmap/document/byte_order.h"
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/formats/bmp/dib_write.h"


int IMAGE_GetDIBBitCount(const ImageDocument* doc) {
  if (!doc) return 0;
  const int32_t n = doc->NumColors;
  if (n == 0) return doc->HasAlpha ? 32 : 24;
  if (n < 0 || n > 256) return 0;
  if (n <= 2) return 1;
  if (n <= 16) return 4;
  return 8;
}

size_t IMAGE_GetDIBRowSize(const ImageDocument* doc) {
  const int bpp = IMAGE_GetDIBBitCount(doc);
  if (!bpp) return 0;
  return (static_cast<size_t>(doc->XSize) * static_cast<size_t>(bpp) + 31) / 32 * 4;
}

size_t IMAGE_GetDIBHeaderSize(const ImageDocument* doc) {
  if (!IMAGE_GetDIBBitCount(doc)) return 0;
  return IMAGE_DIB_HEADER_SIZE + 4 * static_cast<size_t>(doc->NumColors);
}

size_t IMAGE_GetDIBSize(const ImageDocument* doc) {
  if (!IMAGE_GetDIBBitCount(doc)) return 0;
  return IMAGE_GetDIBHeaderSize(doc) + static_cast<size_t>(doc->YSize) * IMAGE_GetDIBRowSize(doc);
}

void IMAGE_WriteDIBHeader(const ImageDocument* doc, uint8_t* dest) {
  std::memset(dest, 0, IMAGE_DIB_HEADER_SIZE);
  IMAGE_StoreU32(dest + 0, IMAGE_DIB_HEADER_SIZE);
  IMAGE_StoreU32(dest + 4, static_cast<uint32_t>(doc->XSize));
  IMAGE_StoreU32(dest + 8, static_cast<uint32_t>(doc->YSize));
  IMAGE_StoreU16(dest + 12, 1);
  IMAGE_StoreU16(dest + 14, static_cast<uint32_t>(IMAGE_GetDIBBitCount(doc)));
  IMAGE_StoreU32(dest + 32, static_cast<uint32_t>(doc->NumColors));
  uint8_t* p = dest + IMAGE_DIB_HEADER_SIZE;
  // The transparency byte of palette entries is not part of the exchange format.
  for (int32_t i = 0; i < doc->NumColors; ++i, p += 4) {
    const ColorValue c = IMAGE_GetPalColor(doc, i);
    p[0] = static_cast<uint8_t>(COLOR_Blue(c));
    p[1] = static_cast<uint8_t>(COLOR_Green(c));
    p[2] = static_cast<uint8_t>(COLOR_Red(c));
    p[3] = 0;
  }
}

void IMAGE_WriteDIBRow(const ImageDocument* doc, int32_t y, uint8_t* dest) {
  const int bpp = IMAGE_GetDIBBitCount(doc);
  std::memset(dest, 0, IMAGE_GetDIBRowSize(doc));
  const uint8_t* src = IMAGE_GetRow(doc, y);
  const int32_t w = doc->XSize;
  switch (bpp) {
    case 1:
      for (int32_t x = 0; x < w; ++x) dest[x >> 3] |= static_cast<uint8_t>((src[x] & 1) << (7 - (x & 7)));
      break;
    case 4:
      for (int32_t x = 0; x < w; ++x) dest[x >> 1] |= static_cast<uint8_t>((src[x] & 0x0F) << ((x & 1) ? 0 : 4));
      break;
    case 8:
      std::memcpy(dest, src, static_cast<size_t>(w));
      break;
    case 24:
      for (int32_t x = 0; x < w; ++x, src += 4, dest += 3) {
        dest[0] = src[2];  // the document stores red, green, blue, transparency
        dest[1] = src[1];
        dest[2] = src[0];
      }
      break;
    case 32:
      for (int32_t x = 0; x < w; ++x, src += 4, dest += 4) {
        dest[0] = src[2];
        dest[1] = src[1];
        dest[2] = src[0];
        dest[3] = static_cast<uint8_t>(255u - src[3]);
      }
      break;
    default:
      break;
  }
}

size_t IMAGE_ToDIB(const ImageDocument* doc, uint8_t* dest) {
  const size_t size = IMAGE_GetDIBSize(doc);
  if (!size || !dest) return 0;
  IMAGE_WriteDIBHeader(doc, dest);
  const size_t rowSize = IMAGE_GetDIBRowSize(doc);
  uint8_t* p = dest + IMAGE_GetDIBHeaderSize(doc);
  for (int32_t y = doc->YSize - 1; y >= 0; --y, p += rowSize) IMAGE_WriteDIBRow(doc, y, p);
  return size;
}
