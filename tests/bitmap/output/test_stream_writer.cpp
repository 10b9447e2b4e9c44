// Binary bitmap streams decoded by the tests' own reader and compared with the
// document's values after each format's conversion; edge cases byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "bitmap/output/stream_writer.h"
#include "colour/colour_format.h"
#include "stream_test_reader.h"
#include "support/temp_dir.h"
#include "support/run_process.h"

namespace {

std::string save(const ImageDocument* doc, SaveRequest request, bool bigEndian, bool argb, int* result = nullptr) {
  TempDir dir;
  const std::string path = dir / "out.dta";
  FILE* f = std::fopen(path.c_str(), "wb");
  const int r = STREAM_Save(f, doc, &request, bigEndian, argb);
  std::fclose(f);
  if (result) *result = r;
  return read_whole_file(path);
}

// 16-bit conversion of each 16-bit format, named here independently of the writer's table.
const ColorFormat* format16(int format) {
  switch (format) {
    case 8: case 12: case 27: return &COLOR_FORMAT_565;
    case 9: case 13: case 28: return &COLOR_FORMAT_M565;
    case 10: case 25: return &COLOR_FORMAT_555;
    case 11: case 26: return &COLOR_FORMAT_M555;
    case 19: return &COLOR_FORMAT_444_12;
    case 20: return &COLOR_FORMAT_M444_12;
    case 21: return &COLOR_FORMAT_444_12_1;
    case 22: return &COLOR_FORMAT_M444_12_1;
    case 23: return &COLOR_FORMAT_444_16;
    case 24: return &COLOR_FORMAT_M444_16;
    default: return nullptr;
  }
}

uint32_t expected_value(const ImageDocument* doc, int format, int32_t x, int32_t y) {
  const ColorValue c = IMAGE_GetColor(doc, x, y);
  switch (format) {
    case 1: case 2: case 4: case 5: case 6: case 7: return IMAGE_GetIndex(doc, x, y);
    case 18: return c >> 24;
    case 17: return c & 0xFFFFFFu;
    case 15: case 16: case 29: return c;
    case 25: case 26: case 27: case 28: return (c >> 24) << 16 | format16(format)->pfColor2Index(c & 0xFFFFFFu);
    default: return format16(format)->pfColor2Index(c);
  }
}

// Runs, literals and runs across row ends, with varying transparency bytes.
ImageDocument* pattern(int32_t w, int32_t h, int numColors) {
  ImageDocument* doc = IMAGE_Create(w, h, numColors);
  uint32_t seed = 12345;
  for (int i = 0; i < numColors; ++i) {
    seed = seed * 1103515245u + 12345u;
    IMAGE_SetPalColor(doc, i, seed ^ (seed >> 7));
  }
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      seed = seed * 1103515245u + 12345u;
      const bool run = (x / 7 + y) % 3 == 0;  // stretches of one value
      uint32_t v = run ? 0x40A0B0C0u + static_cast<uint32_t>(y % 2) : (seed >> 8) ^ (seed << 20);
      IMAGE_SetIndex(doc, x, y, numColors ? v % static_cast<uint32_t>(numColors) : v);
    }
  doc->HasAlpha = numColors == 0;
  return doc;
}

int palette_size(int format) {
  switch (format) {
    case 1: return 2;
    case 2: return 4;
    case 4: case 6: return 16;
    case 5: case 7: return 256;
    default: return 0;
  }
}

TEST(StreamWriter, EveryFormatDecodesToTheDocumentInBothByteOrdersAndArgbMode) {
  const int formats[] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18,
                         19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
  for (int format : formats) {
    ImageDocument* doc = pattern(37, 9, palette_size(format));
    doc->HasTrans = format % 2 == 0;
    for (int mode = 0; mode < 4; ++mode) {
      const bool big = mode & 1, argb = mode & 2;
      SCOPED_TRACE(testing::Message() << "format " << format << (big ? " big" : " little") << (argb ? " argb" : ""));
      int result = -1;
      const std::string bytes = save(doc, {format, 0, 3}, big, argb, &result);
      ASSERT_EQ(result, 0);
      const DecodedStream s = StreamTestReader(bytes, big).Decode(format);
      ASSERT_EQ(s.Error, "");
      EXPECT_EQ(s.Encoding, format <= 5 && format != 3 ? 100 : format);
      EXPECT_EQ(s.Width, 37);
      EXPECT_EQ(s.Height, 9);
      EXPECT_EQ(s.HasTrans, doc->HasTrans);
      ASSERT_EQ(s.NumPalette, doc->NumColors);
      for (int i = 0; i < doc->NumColors; ++i) {
        const ColorValue c = IMAGE_GetPalColor(doc, i);
        const uint32_t argbValue = (255 - (c >> 24)) << 24 | (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
        ASSERT_EQ(s.Palette[static_cast<size_t>(i)], argb ? argbValue : c) << "entry " << i;
      }
      for (int32_t y = 0; y < 9; ++y)
        for (int32_t x = 0; x < 37; ++x)
          ASSERT_EQ(s.Values[static_cast<size_t>(y * 37 + x)], expected_value(doc, format, x, y)) << x << "," << y;
    }
    IMAGE_Free(doc);
  }
}

TEST(StreamWriter, HeaderFieldsPerFormat) {
  struct Row { int Format, BytesPerLine, Bits; } rows[] = {
      {1, 2, 1}, {2, 3, 2}, {4, 5, 4}, {5, 9, 8}, {6, 5, 4}, {7, 9, 8}, {8, 18, 16}, {12, 0, 16}, {13, 0, 16},
      {15, 36, 32}, {16, 36, 32}, {17, 27, 24}, {18, 9, 8}, {24, 18, 16}, {25, 27, 24}, {29, 36, 32}};
  for (const Row& r : rows) {
    ImageDocument* doc = pattern(9, 2, palette_size(r.Format));
    const std::string bytes = save(doc, {r.Format, 1, 3}, false, false);
    const DecodedStream s = StreamTestReader(bytes, false).Decode(r.Format);
    EXPECT_EQ(s.Error, "") << r.Format;
    EXPECT_EQ(s.BytesPerLine, r.BytesPerLine) << r.Format;
    EXPECT_EQ(s.BitsPerPixel, r.Bits) << r.Format;
    EXPECT_EQ(s.NumPalette, 0) << "without palette: no entries, format " << r.Format;
    IMAGE_Free(doc);
  }
}

TEST(StreamWriter, ThreeByOneTwoColourImageByteForByte) {
  ImageDocument* doc = IMAGE_Create(3, 1, 2);
  IMAGE_SetPalColor(doc, 0, 0x00112233);
  IMAGE_SetPalColor(doc, 1, 0x80AABBCC);
  IMAGE_SetIndex(doc, 0, 0, 1);
  IMAGE_SetIndex(doc, 2, 0, 1);
  const std::string expected("BM\x64\x00\x03\x00\x01\x00\x01\x00\x01\x00\x02\x00\x00\x00"
                             "\x33\x22\x11\x00\xCC\xBB\xAA\x80"
                             "\xA0",
                             25);
  EXPECT_EQ(save(doc, {1, 0, 3}, false, false), expected);
  IMAGE_Free(doc);
}

TEST(StreamWriter, BigEndianPixelsKeepALittleEndianHeader) {
  ImageDocument* doc = IMAGE_Create(1, 1, 0);
  IMAGE_SetIndex(doc, 0, 0, 0x20FF0000);  // blue, transparency byte 0x20
  const std::string f8 = save(doc, {8, 0, 3}, true, false);
  ASSERT_EQ(f8.size(), 18u);
  EXPECT_EQ(f8.substr(2, 2), std::string("\x08\x00", 2));
  const uint32_t v = COLOR_FORMAT_565.pfColor2Index(0x20FF0000);
  EXPECT_EQ(static_cast<uint8_t>(f8[16]), v >> 8);
  EXPECT_EQ(static_cast<uint8_t>(f8[17]), v & 0xFF);
  EXPECT_EQ(static_cast<uint8_t>(save(doc, {16, 0, 3}, false, false)[19]), 0x20);
  EXPECT_EQ(static_cast<uint8_t>(save(doc, {29, 0, 3}, true, false)[16]), 0xDF);
  // RLE16 values stay low byte first in big endian mode.
  const std::string f12 = save(doc, {12, 0, 3}, true, false);
  EXPECT_EQ(f12.substr(16), std::string({'\x01', static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}));
  IMAGE_Free(doc);
}

TEST(StreamWriter, RefusesFormatsWithoutStreamAndUnfittingPalettes) {
  ImageDocument* doc = pattern(4, 4, 16);
  int result = 0;
  for (int format : {3, 14, 99, 1, 2}) {
    EXPECT_EQ(save(doc, {format, 0, 3}, false, false, &result), "") << format;
    EXPECT_EQ(result, 1) << format;
  }
  IMAGE_Free(doc);
}

TEST(StreamWriter, AFullDeviceIsAFailedSave) {
  ImageDocument* doc = pattern(300, 300, 0);
  FILE* f = std::fopen("/dev/full", "wb");
  ASSERT_NE(f, nullptr);
  const SaveRequest request = {16, 0, 3};
  EXPECT_EQ(STREAM_Save(f, doc, &request, false, false), 1);
  std::fclose(f);
  IMAGE_Free(doc);
}

}  // namespace
