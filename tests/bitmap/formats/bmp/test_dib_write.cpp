// Packed DIB output: depth chosen from the palette size, row packing and padding, the
// alpha convention, and the round trip back through the parser.
#include <gtest/gtest.h>

#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"

namespace {

uint32_t u32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint32_t u16(const std::vector<uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }

std::vector<uint8_t> to_dib(const ImageDocument* doc) {
  std::vector<uint8_t> out(IMAGE_GetDIBSize(doc), 0xCC);
  EXPECT_EQ(IMAGE_ToDIB(doc, out.data()), out.size());
  return out;
}

ImageDocument* paletted(int w, int h, int colours) {
  ImageDocument* doc = IMAGE_Create(w, h, colours);
  for (int i = 0; i < colours; ++i) IMAGE_SetPalColor(doc, i, COLOR_Make(i, 2 * i, 3 * i, 0x55));
  return doc;
}

}  // namespace

TEST(DibWrite, TwoColoursGiveOneBitRowsPaddedTo32Bits) {
  ImageDocument* doc = paletted(10, 2, 2);
  IMAGE_SetIndex(doc, 0, 0, 1);
  IMAGE_SetIndex(doc, 9, 0, 1);
  IMAGE_SetIndex(doc, 1, 1, 1);
  const std::vector<uint8_t> dib = to_dib(doc);
  ASSERT_EQ(dib.size(), 40u + 8u + 2u * 4u);
  EXPECT_EQ(u32(dib, 0), 40u);
  EXPECT_EQ(u32(dib, 4), 10u);
  EXPECT_EQ(u32(dib, 8), 2u);
  EXPECT_EQ(u16(dib, 12), 1u);
  EXPECT_EQ(u16(dib, 14), 1u);
  EXPECT_EQ(u32(dib, 16), 0u);
  EXPECT_EQ(u32(dib, 20), 0u);
  EXPECT_EQ(u32(dib, 32), 2u);
  // Palette entry 1 as blue, green, red, 0: the transparency byte is not copied.
  EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 44, dib.begin() + 48), (std::vector<uint8_t>{3, 2, 1, 0}));
  // Bottom row first; leftmost pixel in the most significant bit; padding is zero.
  const std::vector<uint8_t> rows(dib.begin() + 48, dib.end());
  EXPECT_EQ(rows, (std::vector<uint8_t>{0x40, 0x00, 0, 0, 0x80, 0x40, 0, 0}));
  IMAGE_Free(doc);
}

TEST(DibWrite, DepthFollowsThePaletteSize) {
  const struct {
    int Colours;
    uint32_t Bits;
  } cases[] = {{1, 1}, {2, 1}, {3, 4}, {16, 4}, {17, 8}, {256, 8}};
  for (const auto& c : cases) {
    ImageDocument* doc = paletted(3, 1, c.Colours);
    const std::vector<uint8_t> dib = to_dib(doc);
    EXPECT_EQ(u16(dib, 14), c.Bits) << c.Colours;
    EXPECT_EQ(dib.size(), 40u + 4u * c.Colours + 4u) << c.Colours;
    IMAGE_Free(doc);
  }
}

TEST(DibWrite, FourBitsPutTheLeftPixelInTheHighNibble) {
  ImageDocument* doc = paletted(3, 1, 16);
  IMAGE_SetIndex(doc, 0, 0, 0xA);
  IMAGE_SetIndex(doc, 1, 0, 0x5);
  IMAGE_SetIndex(doc, 2, 0, 0xF);
  const std::vector<uint8_t> dib = to_dib(doc);
  EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 40 + 64, dib.end()), (std::vector<uint8_t>{0xA5, 0xF0, 0, 0}));
  IMAGE_Free(doc);
}

TEST(DibWrite, TrueColourIs24BitsWithoutAlphaAnd32BitsWithStandardAlpha) {
  ImageDocument* doc = IMAGE_Create(1, 2, 0);
  IMAGE_SetIndex(doc, 0, 0, COLOR_Make(0x11, 0x22, 0x33, 0));     // opaque, top row
  IMAGE_SetIndex(doc, 0, 1, COLOR_Make(0x44, 0x55, 0x66, 0xFF));  // fully transparent
  std::vector<uint8_t> dib = to_dib(doc);
  EXPECT_EQ(u16(dib, 14), 24u);
  EXPECT_EQ(u32(dib, 32), 0u);
  EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 40, dib.end()),
            (std::vector<uint8_t>{0x66, 0x55, 0x44, 0, 0x33, 0x22, 0x11, 0}));
  doc->HasAlpha = 1;
  dib = to_dib(doc);
  EXPECT_EQ(u16(dib, 14), 32u);
  EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 40, dib.end()),
            (std::vector<uint8_t>{0x66, 0x55, 0x44, 0x00, 0x33, 0x22, 0x11, 0xFF}));
  IMAGE_Free(doc);
}

TEST(DibWrite, UnwritableDocumentsWriteNothing) {
  EXPECT_EQ(IMAGE_GetDIBSize(nullptr), 0u);
  uint8_t byte = 0x5A;
  EXPECT_EQ(IMAGE_ToDIB(nullptr, &byte), 0u);
  ImageDocument* doc = paletted(2, 2, 4);
  doc->NumColors = 300;  // not a depth the exchange format has
  EXPECT_EQ(IMAGE_GetDIBSize(doc), 0u);
  EXPECT_EQ(IMAGE_ToDIB(doc, &byte), 0u);
  EXPECT_EQ(byte, 0x5A);
  doc->NumColors = 4;
  IMAGE_Free(doc);
}

// Every depth survives the parser: same size, palette colours and pixels.
TEST(DibWrite, RoundTripThroughTheParser) {
  for (int colours : {0, 2, 5, 16, 40, 256}) {
    for (int alpha : {0, 1}) {
      if (colours && alpha) continue;
      ImageDocument* doc = colours ? paletted(13, 7, colours) : IMAGE_Create(13, 7, 0);
      doc->HasAlpha = alpha;
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) {
          const uint32_t v = static_cast<uint32_t>(x * 31 + y * 17);
          IMAGE_SetIndex(doc, x, y, colours ? v % colours : COLOR_Make(v & 255, (v * 3) & 255, (v * 7) & 255, alpha ? (v * 5) & 255 : 255));
        }
      const std::vector<uint8_t> dib = to_dib(doc);
      ImageDocument* back = nullptr;
      const char* text;
      const char* warning;
      ASSERT_EQ(IMAGE_ParseDIB(dib.data(), dib.size(), nullptr, 0, &back, &text, &warning), IMAGE_DIB_OK);
      EXPECT_EQ(back->NumColors, colours);
      EXPECT_EQ(back->XSize, 13);
      EXPECT_EQ(back->YSize, 7);
      for (int i = 0; i < colours; ++i) EXPECT_EQ(IMAGE_GetPalColor(back, i), IMAGE_GetPalColor(doc, i) & 0xFFFFFF);
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) {
          uint32_t expect = IMAGE_GetIndex(doc, x, y);
          if (!colours && !alpha) expect &= 0xFFFFFF;  // 24 bits carry no transparency
          ASSERT_EQ(IMAGE_GetIndex(back, x, y), expect) << colours << " " << x << "," << y;
        }
      IMAGE_Free(back);
      IMAGE_Free(doc);
    }
  }
}
