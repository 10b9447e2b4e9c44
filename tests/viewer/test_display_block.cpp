// Wire format: names, bounded field access and the attach-time geometry check.
#include <gtest/gtest.h>

#include "tests/viewer/synthetic_block.h"
#include "viewer/display_block.h"

TEST(DisplayBlock, NamesFollowTheDigitCharacters) {
  EXPECT_EQ(BLOCK_Name(0), "VorixLCDMap");
  EXPECT_EQ(BLOCK_Name(1), "VorixLCDMap1");
  EXPECT_EQ(BLOCK_Name(9), "VorixLCDMap9");
  EXPECT_EQ(BLOCK_Name(10), "VorixLCDMap:");
  EXPECT_EQ(BLOCK_Name(14), "VorixLCDMap>");
}

TEST(DisplayBlock, FieldsAreLittleEndianAndBounded) {
  uint8_t b[8] = {0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(BLOCK_Read(b, 8, 0), 0x12345678);
  EXPECT_EQ(BLOCK_Read(b, 8, 4), -1);
  EXPECT_EQ(BLOCK_Read(b, 8, 5), 0);  // would end past the block
  EXPECT_EQ(BLOCK_Read(b, 3, 0), 0);
  EXPECT_EQ(BLOCK_Read(nullptr, 8, 0), 0);
  BLOCK_Write(b, 8, 6, 0x01020304);  // refused, b unchanged
  EXPECT_EQ(b[6], 0xFF);
  BLOCK_Write(b, 8, 4, -2);
  EXPECT_EQ(b[4], 0xFE);
  EXPECT_EQ(b[7], 0xFF);
}

TEST(DisplayBlock, StrideRoundsUpToFourBytes) {
  EXPECT_EQ(BLOCK_RowStride(5, 8), 8);
  EXPECT_EQ(BLOCK_RowStride(8, 1), 8);
  EXPECT_EQ(BLOCK_RowStride(5, 16), 20);
  EXPECT_EQ(BLOCK_RowStride(0, 32), 0);
}

TEST(DisplayBlock, GeometryCheckRefusesWhatCannotFit) {
  SyntheticBlock b(5, 3, 8);
  BlockGeometry g;
  ASSERT_EQ(BLOCK_CheckGeometry(b.bytes.data(), b.bytes.size(), b.bytes.data(), b.bytes.size(), &g),
            BLOCK_OK);
  EXPECT_EQ(g.stride, 8);
  EXPECT_EQ(g.bytesPerPixel, 1);
  auto check = [&](SyntheticBlock& blk, size_t size) {
    BlockGeometry unused;
    return BLOCK_CheckGeometry(blk.bytes.data(), size, blk.bytes.data(), blk.bytes.size(), &unused);
  };
  // One byte short of the last row.
  EXPECT_EQ(check(b, b.bytes.size() - 1), BLOCK_E_PIXELS);
  EXPECT_EQ(check(b, BLOCK_PIXELS - 1), BLOCK_E_TOO_SMALL);
  b.bytes[0] = 'E';
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_SIGNATURE);
  b.bytes[0] = BLOCK_SIGNATURE_BYTE;
  b.Set(BLOCK_BPP, 0);
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_BPP);
  b.Set(BLOCK_BPP, 33);
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_BPP);
  b.Set(BLOCK_BPP, 16);  // now four bytes per pixel: the rows no longer fit
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_PIXELS);
  b.Set(BLOCK_BPP, 8);
  b.Set(BLOCK_XSIZE, 6);  // wider than the virtual buffer
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_SIZE);
  b.Set(BLOCK_XSIZE, 5);
  b.Set(BLOCK_VYSIZE, -1);
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_SIZE);
  b.Set(BLOCK_VYSIZE, 0x7FFFFFFF);
  EXPECT_EQ(check(b, b.bytes.size()), BLOCK_E_SIZE);
  // A display of size 0 attaches (it ends the display count).
  SyntheticBlock empty(0, 0, 32);
  EXPECT_EQ(check(empty, empty.bytes.size()), BLOCK_OK);
}

TEST(DisplayBlock, BitmapHeaderDescribesTheBufferTopDown) {
  SyntheticBlock b(10, 4, 16, 12, 6);
  b.bytes[0x110] = 0xAA;  // stale bytes inside the header are cleared
  BLOCK_WriteBitmapHeader(b.bytes.data(), b.bytes.size(), b.g);
  EXPECT_EQ(b.Get(BlockField(BLOCK_BITMAPHEADER)), 40);
  EXPECT_EQ(b.Get(BlockField(BLOCK_BITMAPHEADER + 4)), 12);
  EXPECT_EQ(b.Get(BlockField(BLOCK_BITMAPHEADER + 8)), -6);
  EXPECT_EQ(b.bytes[0x10C], 1);
  EXPECT_EQ(b.bytes[BLOCK_HEADER_BITCOUNT], 32);
  EXPECT_EQ(b.bytes[0x110], 0);
}
