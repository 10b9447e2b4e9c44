// Clipboard bitmaps in their three layouts.
#include <gtest/gtest.h>

#include "tests/viewer/synthetic_block.h"
#include "viewer/clipboard_dib.h"

namespace {
uint32_t u32(const std::vector<uint8_t>& v, size_t o) {
  return uint32_t(v[o]) | uint32_t(v[o + 1]) << 8 | uint32_t(v[o + 2]) << 16 | uint32_t(v[o + 3]) << 24;
}
uint16_t u16(const std::vector<uint8_t>& v, size_t o) { return uint16_t(v[o] | v[o + 1] << 8); }
}  // namespace

TEST(ClipboardDib, SixteenBitLayerGives555RowsBottomUp) {
  SyntheticBlock b(3, 2, 16);
  b.SetPixel(0, 0, 0x80FF0000);  // top-left red, alpha ignored
  b.SetPixel(2, 1, 0x000080FF);  // bottom-right
  ShmemState s;
  attach_blocks(&s, {&b});
  std::vector<uint8_t> dib = CLIPDIB_Layer(&s, 0, false);
  ASSERT_EQ(dib.size(), 40u + 2 * 8);  // rows of 6 bytes padded to 8
  EXPECT_EQ(u32(dib, 0), 40u);
  EXPECT_EQ(u32(dib, 4), 3u);
  EXPECT_EQ(u32(dib, 8), 2u);  // positive: bottom-up
  EXPECT_EQ(u16(dib, 14), 16u);
  EXPECT_EQ(u32(dib, 32), 0u);
  // First stored row is the bottom one.
  EXPECT_EQ(u16(dib, 40 + 4), 0x0000u | 16 << 5 | 31);  // 0x0080FF: green 16, blue 31
  EXPECT_EQ(u16(dib, 48), 0x7C00u);
  EXPECT_EQ(dib[46], 0);  // padding
}

TEST(ClipboardDib, EightBitLayerCarries256Colours) {
  SyntheticBlock b(2, 1, 8);
  b.SetColor(3, 0x102030);
  b.SetPixel(1, 0, 3);
  ShmemState s;
  attach_blocks(&s, {&b});
  std::vector<uint8_t> dib = CLIPDIB_Layer(&s, 0, false);
  ASSERT_EQ(dib.size(), 40u + 256 * 4 + 4);
  EXPECT_EQ(u16(dib, 14), 8u);
  EXPECT_EQ(u32(dib, 32), 256u);
  EXPECT_EQ(u32(dib, 40 + 3 * 4), 0x102030u);  // 0x00RRGGBB entry
  EXPECT_EQ(dib[40 + 1024 + 1], 3);
  std::vector<uint8_t> file = CLIPDIB_BmpFile(dib);
  ASSERT_EQ(file.size(), dib.size() + 14);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(u32(file, 2), file.size());
  EXPECT_EQ(u32(file, 10), 14u + 40 + 1024);
}

TEST(ClipboardDib, TrueColourAndCompositeAndBadSignature) {
  SyntheticBlock b(2, 2, 32, 3, 2);
  b.SetPixel(2, 0, 0x00A1B2C3);
  b.Set(BLOCK_XORG, 1);
  ShmemState s;
  attach_blocks(&s, {&b});
  std::vector<uint8_t> dib = CLIPDIB_Layer(&s, 0, false);
  ASSERT_EQ(dib.size(), 40u + 2 * 8);
  EXPECT_EQ(u16(dib, 14), 24u);
  // Top row is stored second; its second pixel is virtual (2, 0): blue, green, red bytes.
  EXPECT_EQ(dib[48 + 3], 0xC3);
  EXPECT_EQ(dib[48 + 4], 0xB2);
  EXPECT_EQ(dib[48 + 5], 0xA1);
  EXPECT_EQ(CLIPDIB_Layer(&s, 0, true).size(), 40u + 2 * 12);  // whole 3 x 2 buffer

  CompositeBuffer c;
  c.width = 2;
  c.height = 1;  // smaller than display 0: the rest reads black
  c.pixels = {0xFF010203, 0xFF040506};
  std::vector<uint8_t> comp = CLIPDIB_Composite(&s, c);
  ASSERT_EQ(comp.size(), 40u + 2 * 8);
  EXPECT_EQ(comp[48 + 3], 0x06);
  EXPECT_EQ(comp[40], 0);

  b.bytes[0] = 'x';
  EXPECT_TRUE(CLIPDIB_Layer(&s, 0, false).empty());
  EXPECT_TRUE(CLIPDIB_Composite(&s, c).empty());
}
