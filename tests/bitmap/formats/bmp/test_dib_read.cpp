// DIB parser: hand-worked pixels for every depth and compression, header variants,
// and refusal of malformed headers without hanging or reading past the data.
#include <gtest/gtest.h>

#include <string>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/formats/bmp/bmp_test_util.h"

using bmptest::Bytes;
using bmptest::Dib;

namespace {

struct Parsed {
  int Status = -1;
  ImageDocument* pDoc = nullptr;
  std::string Text, Warning;
  Parsed() = default;
  Parsed(const Parsed&) = delete;
  ~Parsed() { IMAGE_Free(pDoc); }
};

void parse_into(Parsed& p, const Bytes& block, size_t bitsOffset = 0) {
  const char* text = nullptr;
  const char* warning = nullptr;
  const uint8_t* bits = bitsOffset ? block.data() + bitsOffset : nullptr;
  p.Status = IMAGE_ParseDIB(block.data(), block.size(), bits, bitsOffset ? block.size() - bitsOffset : 0,
                            &p.pDoc, &text, &warning);
  p.Text = text ? text : "";
  p.Warning = warning ? warning : "";
}

#define PARSE(name, bytes) \
  Parsed name;             \
  parse_into(name, bytes)

Bytes le16(std::initializer_list<uint32_t> words) {
  Bytes b;
  for (uint32_t w : words) bmptest::put16(b, w);
  return b;
}
Bytes le32(std::initializer_list<uint32_t> words) {
  Bytes b;
  for (uint32_t w : words) bmptest::put32(b, w);
  return b;
}

std::vector<uint32_t> grey_palette(int n) {
  std::vector<uint32_t> p;
  for (int i = 0; i < n; ++i) p.push_back(static_cast<uint32_t>(i * 0x010101));
  return p;
}

}  // namespace

TEST(DibRead, OneBitIsMostSignificantBitFirstBottomUpWithPadding) {
  Dib d;
  d.Width = 10;
  d.Height = 2;
  d.BitCount = 1;
  d.Palette = {0x000000, 0xFFFFFF};
  // Stored first = bottom row: pixels 0, 2 and 9 set. Padding bytes are non-zero.
  d.Bits = {0xA0, 0x40, 0xFF, 0xFF, 0xFF, 0xC0, 0xFF, 0xFF};
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded 1 bpp bitmap");
  ASSERT_EQ(p.pDoc->NumColors, 2);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, x, 0), 1u) << x;
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, x, 1), (x == 0 || x == 2 || x == 9) ? 1u : 0u) << x;
  }
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), 0x00FFFFFFu);
}

TEST(DibRead, FourBitTakesHighNibbleFirst) {
  Dib d;
  d.Width = 3;
  d.BitCount = 4;
  d.ClrUsed = 4;
  d.Palette = grey_palette(4);
  d.Bits = {0x12, 0x30, 0, 0};
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded uncompressed 4 bpp bitmap");
  EXPECT_EQ(p.pDoc->NumColors, 4);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 0), 1u);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 1, 0), 2u);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 2, 0), 3u);
}

TEST(DibRead, PaletteSizeFollowsClrUsedAndEntriesAreBlueGreenRed) {
  Dib d;
  d.BitCount = 8;
  d.Palette = grey_palette(256);
  d.Palette[7] = 0x112233;
  d.Bits = {7, 0, 0, 0};
  {
    PARSE(p, d.packed());
    ASSERT_EQ(p.Status, IMAGE_DIB_OK);
    EXPECT_EQ(p.Text, "Loaded uncompressed 8 bpp bitmap");
    EXPECT_EQ(p.pDoc->NumColors, 256);
    EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), COLOR_Make(0x11, 0x22, 0x33));
  }
  d.ClrUsed = 8;
  d.Palette.resize(8);
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.pDoc->NumColors, 8);
  EXPECT_EQ(IMAGE_GetPalColor(p.pDoc, 7), COLOR_Make(0x11, 0x22, 0x33));
}

TEST(DibRead, BottomUpAndTopDownGiveTheSameDocument) {
  Dib up;
  up.Width = 2;
  up.Height = 2;
  up.BitCount = 24;
  // Bottom row first: (blue, green, red) triples, each row padded to 8 bytes.
  up.Bits = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  Dib down = up;
  down.Height = -2;
  down.Bits = {7, 8, 9, 10, 11, 12, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0};
  PARSE(a, up.packed());
  PARSE(b, down.packed());
  ASSERT_EQ(a.Status, IMAGE_DIB_OK);
  ASSERT_EQ(b.Status, IMAGE_DIB_OK);
  EXPECT_EQ(a.Text, "Loaded 24 bpp bitmap");
  EXPECT_EQ(b.pDoc->YSize, 2);
  EXPECT_EQ(IMAGE_GetColor(a.pDoc, 0, 0), COLOR_Make(9, 8, 7));
  EXPECT_EQ(IMAGE_GetColor(a.pDoc, 1, 1), COLOR_Make(6, 5, 4));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(IMAGE_GetColor(a.pDoc, x, y), IMAGE_GetColor(b.pDoc, x, y));
}

TEST(DibRead, ThirtyTwoBitAlphaSetsHasAlphaOnlyWhenUsed) {
  Dib d;
  d.Width = 2;
  d.BitCount = 32;
  d.Bits = {0x30, 0x20, 0x10, 0, 0, 0, 0xFF, 0};
  {
    PARSE(p, d.packed());
    ASSERT_EQ(p.Status, IMAGE_DIB_OK);
    EXPECT_EQ(p.Text, "Loaded 32 bpp bitmap (RGB)");
    EXPECT_EQ(p.pDoc->HasAlpha, 0);
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 0), COLOR_Make(0x10, 0x20, 0x30, 255));
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 1, 0), COLOR_Make(0xFF, 0, 0, 255));
  }
  d.Bits[7] = 0x40;
  PARSE(p, d.packed());
  EXPECT_EQ(p.pDoc->HasAlpha, 1);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 1, 0), COLOR_Make(0xFF, 0, 0, 255 - 0x40));
}

TEST(DibRead, SixteenBitRgbUsesFiveBitChannelsRoundedDown) {
  Dib d;
  d.Width = 3;
  d.BitCount = 16;
  d.Bits = le16({0x7FFF, 0x4000 | (16 << 5) | 1, 0x8000});
  d.Bits.resize(8, 0);
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded 16 bpp bitmap (RGB)");
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), 0x00FFFFFFu);
  // 16 of 31 gives 131, 1 of 31 gives 8; the unused top bit is ignored.
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 1, 0), COLOR_Make(131, 131, 8));
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 2, 0), 0u);
}

TEST(DibRead, SixteenBitBitfieldsAfterA40ByteHeader) {
  Dib d;
  d.Width = 2;
  d.BitCount = 16;
  d.Compression = 3;
  d.AfterPalette = le32({0xF800, 0x07E0, 0x001F});
  d.Bits = le16({0xF800, 0x0400});
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded 16 bpp bitmap (Bitfields)");
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), COLOR_Make(255, 0, 0));
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 1, 0), COLOR_Make(0, 129, 0));  // 32 * 255 / 63
}

TEST(DibRead, MasksInsideV5AndV2HeadersAreUsed) {
  Dib d;
  d.HeaderSize = 124;
  d.Width = 2;
  d.BitCount = 32;
  d.Compression = 3;
  d.aHeaderMask[0] = 0x00FF0000;
  d.aHeaderMask[1] = 0x0000FF00;
  d.aHeaderMask[2] = 0x000000FF;
  d.aHeaderMask[3] = 0xFF000000;
  // The pixels follow the header directly; read as masks they would give other colours.
  d.Bits = le32({0x80112233, 0xFF445566});
  {
    PARSE(p, d.packed());
    ASSERT_EQ(p.Status, IMAGE_DIB_OK);
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 0), COLOR_Make(0x11, 0x22, 0x33, 0x7F));
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 1, 0), COLOR_Make(0x44, 0x55, 0x66, 0));
    EXPECT_EQ(p.pDoc->HasAlpha, 1);
  }
  // A 52-byte header has the colour masks but no alpha mask.
  d.HeaderSize = 52;
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 0), COLOR_Make(0x11, 0x22, 0x33, 0));
  EXPECT_EQ(p.pDoc->HasAlpha, 0);
}

TEST(DibRead, Os2PaletteShorterThanTheDepthIsBoundedByTheBitsOffset) {
  Dib d;
  d.HeaderSize = 12;
  d.Width = 2;
  d.BitCount = 8;
  d.Palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
  d.Bits = {3, 1, 0, 0};
  const Bytes block = d.packed();
  Parsed p;
  parse_into(p, block, 12 + 4 * 3);
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.pDoc->NumColors, 4);
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), COLOR_Make(0xFF, 0, 0));
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 1, 0), COLOR_Make(0, 0, 0xFF));
}

TEST(DibRead, TrueColourDibWithColourTableFindsItsPixelsAfterTheTable) {
  Dib d;
  d.BitCount = 24;
  d.ClrUsed = 2;
  d.Palette = {0xFFFFFF, 0xFFFFFF};
  d.Bits = {3, 2, 1, 0};
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.pDoc->NumColors, 0);
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), COLOR_Make(1, 2, 3));
}

TEST(DibRead, MissingPixelBytesReadAsZero) {
  Dib d;
  d.Width = 2;
  d.Height = 2;
  d.BitCount = 24;
  d.Bits = {1, 2, 3, 4, 5};  // only part of the bottom row
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 1), COLOR_Make(3, 2, 1));
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 1, 1), COLOR_Make(0, 5, 4));
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), 0u);
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 1, 0), 0u);
}

TEST(DibRead, MalformedHeadersAreRefusedWithTheirTexts) {
  struct Case {
    uint32_t HeaderSize;
    int32_t Width, Height;
    uint16_t BitCount;
    int Status;
    const char* pText;
  };
  const char* badSize = "Error in BITMAPINFOHEADER: image width and height must be positive (biWidth, biHeight)";
  // The bad files in tests/data/bad cover the common cases; these are the limits.
  const Case cases[] = {
      {40, 0, 1, 24, IMAGE_DIB_EFORMAT, badSize},
      {40, 5, INT32_MIN, 24, IMAGE_DIB_EFORMAT, badSize},
      {40, (1 << 28) + 1, 1, 24, IMAGE_DIB_ETOOLARGE, "Image too large: more than 67108864 pixels"},
      {40, 1 << 14, -((1 << 14) + 1), 8, IMAGE_DIB_ETOOLARGE, "Image too large: more than 67108864 pixels"},
      {12, 0, 1, 8, IMAGE_DIB_EFORMAT, badSize},
      {0, 1, 1, 24, IMAGE_DIB_EFORMAT, "Error in BITMAPINFOHEADER: unsupported header size (biSize)"},
  };
  for (const Case& c : cases) {
    Dib d;
    d.HeaderSize = c.HeaderSize;
    d.Width = c.Width;
    d.Height = c.Height;
    d.BitCount = c.BitCount;
    Bytes block = d.packed();
    if (c.HeaderSize < 12) block.resize(c.HeaderSize ? c.HeaderSize : 2);
    PARSE(p, block);
    EXPECT_EQ(p.Status, c.Status) << c.pText;
    EXPECT_EQ(p.pDoc, nullptr);
    EXPECT_EQ(p.Text, c.pText);
  }
  PARSE(empty, Bytes());
  EXPECT_EQ(empty.Status, IMAGE_DIB_EFORMAT);
}

TEST(DibRead, OversizedPaletteIsCutTo256Entries) {
  Dib d;
  d.BitCount = 8;
  d.ClrUsed = 300;
  d.Palette = grey_palette(300);
  d.Bits = {255, 0, 0, 0};
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.pDoc->NumColors, 256);
  // Without a pixel pointer the bits follow all 300 declared entries.
  EXPECT_EQ(IMAGE_GetColor(p.pDoc, 0, 0), COLOR_Make(255, 255, 255));
}

// RLE8 stream on a 4 x 3 image: run, odd absolute run with pad byte (its last pixel
// beyond the right edge), end of line, delta, run, end of bitmap.
TEST(DibRead, Rle8HandWorkedStream) {
  Dib d;
  d.Width = 4;
  d.Height = 3;
  d.BitCount = 8;
  d.Compression = 1;
  d.ClrUsed = 10;
  d.Palette = grey_palette(10);
  d.Bits = {2, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 1, 9, 0, 1};
  d.SizeImage = static_cast<uint32_t>(d.Bits.size());
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded compressed 8 bpp bitmap");
  EXPECT_EQ(p.Warning, "");
  const uint32_t expect[3][4] = {{0, 9, 0, 0}, {0, 0, 0, 0}, {7, 7, 1, 2}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(IMAGE_GetIndex(p.pDoc, x, y), expect[y][x]) << x << "," << y;
}

TEST(DibRead, Rle4HandWorkedStream) {
  Dib d;
  d.Width = 8;
  d.Height = 2;
  d.BitCount = 4;
  d.Compression = 2;
  d.Palette = grey_palette(16);
  // Absolute 3 (two bytes, no pad), absolute 5 (three bytes and a pad), end of line,
  // a run of three alternating nibbles, end of bitmap.
  d.Bits = {0, 3, 0x45, 0x60, 0, 5, 0x12, 0x34, 0x50, 0xEE, 0, 0, 3, 0x78, 0, 1};
  d.SizeImage = static_cast<uint32_t>(d.Bits.size());
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded compressed 4 bpp bitmap.");
  const uint32_t expect[2][8] = {{7, 8, 7, 0, 0, 0, 0, 0}, {4, 5, 6, 1, 2, 3, 4, 5}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(IMAGE_GetIndex(p.pDoc, x, y), expect[y][x]) << x << "," << y;
}

TEST(DibRead, EndOfLineAfterTheTopRowFailsForRle8AndEndsRle4) {
  Dib d;
  d.BitCount = 8;
  d.Compression = 1;
  d.Palette = grey_palette(256);
  d.Bits = {1, 3, 0, 0, 0, 1};
  d.SizeImage = 6;
  {
    PARSE(p, d.packed());
    EXPECT_EQ(p.Status, IMAGE_DIB_EFORMAT);
    EXPECT_EQ(p.pDoc, nullptr);
    EXPECT_EQ(p.Text, "DecompressRLE8: Data after end of image");
  }
  d.BitCount = 4;
  d.Compression = 2;
  d.Palette.resize(16);
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Text, "Loaded compressed 4 bpp bitmap.");
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 0), 0u);  // the high nibble of 3
}

TEST(DibRead, RleLengthZeroWarnsAndConverts) {
  Dib d;
  d.Width = 2;
  d.BitCount = 8;
  d.Compression = 1;
  d.Palette = grey_palette(256);
  d.Bits = {2, 5, 0, 1};
  {
    PARSE(p, d.packed());
    ASSERT_EQ(p.Status, IMAGE_DIB_OK);
    EXPECT_EQ(p.Warning, "Illegal file format: 8 BPP, RLE8, NumPixelBytes == 0. Converting anyhow.");
    EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 1, 0), 5u);
  }
  d.BitCount = 4;
  d.Compression = 2;
  d.Palette.resize(16);
  d.SizeImage = 0;
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(p.Warning, "Illegal file format: 4 BPP, RLE4, NumPixelBytes == 0. Converting anyhow.");
}

TEST(DibRead, RleStreamEndsAtTheEndOfTheDataAndDropsPixelsOutside) {
  Dib d;
  d.Width = 3;
  d.Height = 2;
  d.BitCount = 8;
  d.Compression = 1;
  d.Palette = grey_palette(256);
  // A run far past the right edge, deltas far outside, an absolute run cut off by the
  // end of the data, and a stated length much longer than the data.
  d.Bits = {255, 4, 0, 2, 255, 0, 0, 2, 0, 255, 0, 200, 0, 0, 9, 1};
  d.SizeImage = 100000;
  PARSE(p, d.packed());
  ASSERT_EQ(p.Status, IMAGE_DIB_OK);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 1), 4u);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 2, 1), 4u);
  EXPECT_EQ(IMAGE_GetIndex(p.pDoc, 0, 0), 0u);
}

TEST(DibRead, RlePixelsBeyondThePaletteAreRefused) {
  Dib d;
  d.BitCount = 4;
  d.Compression = 2;
  d.ClrUsed = 2;
  d.Palette = {0, 0xFFFFFF};
  d.Bits = {1, 0x50, 0, 1};
  d.SizeImage = 4;
  PARSE(p, d.packed());
  EXPECT_EQ(p.Status, IMAGE_DIB_EFORMAT);
  EXPECT_EQ(p.Text, "Illegal bitmap: pixel data uses colours beyond the palette");
}

TEST(DibRead, FromDibShowsProgressOnSuccessAndWarningsOnFailure) {
  bmptest::Recorder rec;
  Dib d;
  d.Width = 2;
  d.BitCount = 8;
  d.Compression = 1;
  d.Palette = grey_palette(256);
  d.Bits = {2, 5, 0, 1};
  Bytes block = d.packed();
  ImageDocument* doc = IMAGE_FromDIB(block.data(), block.size(), nullptr, 0);
  ASSERT_NE(doc, nullptr);
  IMAGE_Free(doc);
  ASSERT_EQ(rec.Host.Warnings.size(), 1u);
  EXPECT_EQ(rec.Host.Warnings[0], "Illegal file format: 8 BPP, RLE8, NumPixelBytes == 0. Converting anyhow.");
  ASSERT_EQ(rec.progress().size(), 1u);
  EXPECT_EQ(rec.progress()[0], "Loaded compressed 8 bpp bitmap");

  d.BitCount = 2;
  block = d.packed();
  EXPECT_EQ(IMAGE_FromDIB(block.data(), block.size(), nullptr, 0), nullptr);
  ASSERT_EQ(rec.Host.Warnings.size(), 2u);
  EXPECT_EQ(rec.Host.Warnings[1], "Error in BITMAPINFOHEADER: biBitCount should be 0, 1, 4, 8, 16, 24 or 32");
  EXPECT_EQ(rec.progress().size(), 1u);
}
