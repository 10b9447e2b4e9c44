// Run-length segmentation, C text and binary forms, checked by hand-worked streams and by
// a decoder written here from the block grammar.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bitmap/output/rle.h"
#include "writer_test_util.h"

namespace {

std::vector<RleBlock> Segment(const std::vector<uint32_t>& keys) {
  std::vector<RleBlock> blocks;
  for (size_t p = 0; p < keys.size();) {
    blocks.push_back(RLE_NextBlock(keys.data(), keys.size(), p));
    p += blocks.back().Count;
  }
  return blocks;
}

std::string Describe(const std::vector<RleBlock>& blocks) {
  std::string s;
  for (const RleBlock& b : blocks) s += (b.IsRun ? "R" : "A") + std::to_string(b.Count) + " ";
  return s;
}

TEST(RleSegment, ShortRunInsideAbsoluteBlockDoesNotEndIt) {
  // A B B B C C C C
  EXPECT_EQ(Describe(Segment({1, 2, 2, 2, 3, 3, 3, 3})), "A4 R4 ");
}

TEST(RleSegment, RunOfThreeStartsARunOnlyAtABlockStart) {
  EXPECT_EQ(Describe(Segment({2, 2, 2, 1, 5})), "R3 A2 ");
  EXPECT_EQ(Describe(Segment({7})), "R1 ");
  EXPECT_EQ(Describe(Segment({7, 7})), "A2 ");
  EXPECT_EQ(Describe(Segment({1, 2, 2, 2, 2})), "R1 R4 ");
  EXPECT_EQ(Describe(Segment({1, 2, 3, 3, 3})), "A5 ");
}

TEST(RleSegment, AbsoluteBlocksHoldAtMost255) {
  std::vector<uint32_t> keys(600);
  for (size_t i = 0; i < keys.size(); ++i) keys[i] = i & 1;
  EXPECT_EQ(Describe(Segment(keys)), "A255 A255 A90 ");
}

TEST(RleSegment, BlocksCoverTheSequenceAndRunsHoldEqualValues) {
  std::mt19937 rng(7);
  std::vector<uint32_t> keys(5000);
  for (size_t i = 0; i < keys.size();) {
    uint32_t v = rng() % 4;
    size_t len = 1 + rng() % (rng() % 8 == 0 ? 600 : 5);
    for (size_t k = 0; k < len && i < keys.size(); ++k) keys[i++] = v;
  }
  size_t pos = 0;
  for (const RleBlock& b : Segment(keys)) {
    ASSERT_EQ(b.Start, pos);
    if (b.IsRun) {
      for (size_t i = 1; i < b.Count; ++i) {
        ASSERT_EQ(keys[pos + i], keys[pos]);
      }
      // A run block takes the whole run.
      if (pos + b.Count < keys.size() && b.Count >= 3) {
        ASSERT_NE(keys[pos + b.Count], keys[pos]);
      }
    } else {
      ASSERT_GE(b.Count, 2u);
      ASSERT_LE(b.Count, 255u);
      // No run of four or more starts inside an absolute block.
      for (size_t i = 0; i < b.Count; ++i) {
        ASSERT_LE(RLE_RunLength(keys.data(), keys.size(), pos + i, 4), 3u);
      }
    }
    pos += b.Count;
  }
  EXPECT_EQ(pos, keys.size());
}

// Array body of a generated file (between "= {\r\n" and the trailer's end).
std::string ArrayText(const std::string& file) {
  size_t b = file.find("_actest[] = {\r\n");
  size_t e = file.find("\r\n\r\nGUI_CONST_STORAGE GUI_BITMAP");
  return file.substr(b + 15, e + 4 - (b + 15));
}

TEST(RleText, OnePixelImage) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(1, 1, 256, [](int, int) { return 0xAB; }));
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 7, 0, false)),
            "  /* RLE: 001 Pixels @ 000,000 */ 1, 0xAB, \r\n  0\r\n};  // 2 bytes for 1 pixels\r\n\r\n");
}

TEST(RleText, UniformImageSplitsTheRunUnderOneComment) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(20, 20, 16, [](int, int) { return 3; }));
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 6, 0, false)),
            "  /* RLE: 400 Pixels @ 000,000 */ 254, 0x03, 146, 0x03, \r\n  0\r\n};  // 4 bytes for 400 pixels\r\n\r\n");
}

TEST(RleText, Rle4AbsoluteBlockPacksNibbles) {
  // 5 literals then a run of 4; in the 6-wide image the run starts in row 0 and ends in row 1.
  static const int kIdx[9] = {1, 2, 3, 4, 5, 6, 6, 6, 6};
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(9, 1, 16, [](int x, int) { return kIdx[x]; }));
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 6, 0, false)),
            "  /* ABS: 005 Pixels @ 000,000 */ 0, 5, 0x12, 0x34, 0x50, \r\n"
            "  /* RLE: 004 Pixels @ 005,000 */ 4, 0x06, \r\n  0\r\n};  // 7 bytes for 9 pixels\r\n\r\n");
  // Two equal pixels at the end do not end an absolute block.
  std::unique_ptr<ImageDocument, DocDeleter> seven(MakePaletted(7, 1, 16, [](int x, int) { return kIdx[x]; }));
  EXPECT_EQ(ArrayText(SaveToString(seven.get(), 6, 0, false)),
            "  /* ABS: 007 Pixels @ 000,000 */ 0, 7, 0x12, 0x34, 0x56, 0x60, \r\n  0\r\n};  // 6 bytes for 7 pixels\r\n\r\n");
  std::unique_ptr<ImageDocument, DocDeleter> two(
      MakePaletted(6, 2, 16, [](int x, int y) { return kIdx[(y * 6 + x) % 9]; }));
  std::string text = ArrayText(SaveToString(two.get(), 6, 0, false));
  EXPECT_EQ(text.substr(0, text.find("\r\n", 60)),
            "  /* ABS: 005 Pixels @ 000,000 */ 0, 5, 0x12, 0x34, 0x50, \r\n"
            "  /* RLE: 004 Pixels @ 005,000 */ 4, 0x06, ");
}

TEST(RleText, Rle16And32ValuesAndShortTrailer) {
  std::unique_ptr<ImageDocument, DocDeleter> d(
      MakeTrueColor(3, 1, true, [](int, int) { return COLOR_Make(255, 0, 8, 0x30); }));
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 12, 1, false)),
            "  /* RLE: 003 Pixels @ 000,000 */ 3, 0x1F, 0x08, \r\n  0\r\n};  // 3 for 3 pixels\r\n\r\n");
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 15, 1, false)),
            "  /* RLE: 003 Pixels @ 000,000 */ 3, 0xFF, 0x00, 0x08, 0x30, \r\n  0\r\n};  // 5 for 3 pixels\r\n\r\n");
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 18, 1, false)),
            "  /* RLE: 003 Pixels @ 000,000 */ 3, 0x30, \r\n  0\r\n};  // 2 bytes for 3 pixels\r\n\r\n");
}

TEST(RleText, Rle16RunsCompareAllThirtyTwoBits) {
  // Same 565 value, different low bits and transparency: separate values in the stream.
  static const ColorValue kPix[4] = {COLOR_Make(0, 0, 0), COLOR_Make(1, 0, 0), COLOR_Make(2, 0, 0, 5),
                                     COLOR_Make(3, 0, 0)};
  std::unique_ptr<ImageDocument, DocDeleter> d(MakeTrueColor(4, 1, false, [](int x, int) { return kPix[x]; }));
  EXPECT_EQ(ArrayText(SaveToString(d.get(), 12, 1, false)),
            "  /* ABS: 004 Pixels @ 000,000 */ 0, 4, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, \r\n"
            "  0\r\n};  // 10 for 4 pixels\r\n\r\n");
}

// Decoder of the binary form, written from the block grammar.
std::vector<std::vector<uint8_t>> DecodeBinary(const std::vector<uint8_t>& s, size_t pixels, int valueBytes,
                                               bool nibbles) {
  std::vector<std::vector<uint8_t>> out;
  size_t i = 0;
  while (out.size() < pixels) {
    if (i >= s.size()) return {};
    uint8_t c = s[i++];
    if (c) {
      if (i + valueBytes > s.size()) return {};
      std::vector<uint8_t> v(s.begin() + i, s.begin() + i + valueBytes);
      i += valueBytes;
      for (int k = 0; k < c; ++k) out.push_back(v);
    } else {
      if (i >= s.size()) return {};
      uint8_t n = s[i++];
      if (n < 2) return {};
      for (int k = 0; k < n; ++k) {
        if (nibbles) {
          if (i + k / 2 >= s.size()) return {};
          uint8_t b = s[i + k / 2];
          out.push_back({static_cast<uint8_t>(k % 2 ? b & 15 : b >> 4)});
        } else {
          if (i + valueBytes > s.size()) return {};
          out.emplace_back(s.begin() + i, s.begin() + i + valueBytes);
          i += valueBytes;
        }
      }
      if (nibbles) i += (n + 1) / 2;
    }
  }
  if (i != s.size()) return {};
  return out;
}

std::vector<uint8_t> Binary(const RleSource& src) {
  FILE* f = std::tmpfile();
  auto w = std::make_unique<OutWriter>();
  OUT_Init(w.get(), f);
  EXPECT_TRUE(RLE_WriteBinary(w.get(), &src));
  OUT_Flush(w.get());
  std::rewind(f);
  std::vector<uint8_t> bytes;
  int c;
  while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
  std::fclose(f);
  return bytes;
}

TEST(RleBinary, HandWorkedRle8Stream) {
  static const int kIdx[8] = {1, 2, 2, 2, 3, 3, 3, 3};
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(4, 2, 16, [](int x, int y) { return kIdx[y * 4 + x]; }));
  RleSource src = {d.get(), RLE_VARIANT_8, nullptr};
  EXPECT_EQ(Binary(src), (std::vector<uint8_t>{0, 4, 1, 2, 2, 2, 4, 3}));
  src.Variant = RLE_VARIANT_4;
  EXPECT_EQ(Binary(src), (std::vector<uint8_t>{0, 4, 0x12, 0x22, 4, 3}));
}

TEST(RleBinary, DecodesBackToEveryPixelInAllVariants) {
  std::mt19937 rng(11);
  auto noiseRuns = [&](int x, int y) { return ((x / 7 + y * 3) % 5 == 0) ? 1u : static_cast<uint32_t>(rng()); };
  std::unique_ptr<ImageDocument, DocDeleter> pal(
      MakePaletted(97, 13, 16, [&](int x, int y) { return noiseRuns(x, y) % 16; }));
  std::unique_ptr<ImageDocument, DocDeleter> tc(MakeTrueColor(97, 13, true, [&](int x, int y) {
    uint32_t v = noiseRuns(x, y);
    return (v % 3 == 0) ? v : (v & 0x0F0F0F0Fu);
  }));
  const size_t pixels = 97 * 13;
  struct Case {
    const ImageDocument* Doc;
    RleVariant Variant;
    const ColorFormat* Format;
    int Bytes;
  } cases[] = {{pal.get(), RLE_VARIANT_4, nullptr, 1},       {pal.get(), RLE_VARIANT_8, nullptr, 1},
               {tc.get(), RLE_VARIANT_ALPHA, nullptr, 1},    {tc.get(), RLE_VARIANT_16, &COLOR_FORMAT_565, 2},
               {tc.get(), RLE_VARIANT_16, &COLOR_FORMAT_M565, 2}, {tc.get(), RLE_VARIANT_32, nullptr, 4}};
  for (const Case& c : cases) {
    RleSource src = {c.Doc, c.Variant, c.Format};
    auto decoded = DecodeBinary(Binary(src), pixels, c.Bytes, c.Variant == RLE_VARIANT_4);
    ASSERT_EQ(decoded.size(), pixels) << c.Variant;
    for (size_t p = 0; p < pixels; ++p) {
      int x = static_cast<int>(p % 97), y = static_cast<int>(p / 97);
      ColorValue col = IMAGE_GetColor(c.Doc, x, y);
      std::vector<uint8_t> want;
      switch (c.Variant) {
        case RLE_VARIANT_4:
        case RLE_VARIANT_8:
          want = {static_cast<uint8_t>(IMAGE_GetIndex(c.Doc, x, y))};
          break;
        case RLE_VARIANT_ALPHA:
          want = {static_cast<uint8_t>(col >> 24)};
          break;
        case RLE_VARIANT_16: {
          uint32_t v = c.Format->pfColor2Index(col);
          want = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
          break;
        }
        case RLE_VARIANT_32:
          want = {static_cast<uint8_t>(col), static_cast<uint8_t>(col >> 8), static_cast<uint8_t>(col >> 16),
                  static_cast<uint8_t>(col >> 24)};
          break;
      }
      ASSERT_EQ(decoded[p], want) << "variant " << c.Variant << " pixel " << p;
    }
  }
}

TEST(RleText, TrailerCountsTheBinaryStream) {
  std::mt19937 rng(5);
  std::unique_ptr<ImageDocument, DocDeleter> d(
      MakePaletted(300, 9, 256, [&](int x, int) { return x > 40 && x < 200 ? 7u : rng() % 3; }));
  RleSource src = {d.get(), RLE_VARIANT_8, nullptr};
  size_t binary = Binary(src).size();
  std::string text = SaveToString(d.get(), 7, 0, false);
  EXPECT_NE(text.find("};  // " + std::to_string(binary) + " bytes for 2700 pixels\r\n"), std::string::npos);
  // Byte entries in the text: the binary stream plus the end byte.
  std::string body = ArrayText(text);
  size_t entries = 0;
  bool inComment = false;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body.compare(i, 2, "/*") == 0) inComment = true;
    if (body.compare(i, 2, "*/") == 0) inComment = false;
    if (!inComment && std::isdigit(static_cast<unsigned char>(body[i])) &&
        (i == 0 || !std::isalnum(static_cast<unsigned char>(body[i - 1]))))
      ++entries;
    if (body.compare(i, 2, "};") == 0) break;
  }
  EXPECT_EQ(entries, binary + 1);
  for (const std::string& l : SplitLines(body)) EXPECT_LE(l.size(), 254u);
}

}  // namespace
