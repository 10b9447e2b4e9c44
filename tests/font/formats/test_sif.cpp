// SIF writer, checked field by field by an independent reader written from the layout.
#include <gtest/gtest.h>

#include <vector>

#include "font/formats/font_save.h"
#include "font/support/generated_font.h"
#include "support/temp_dir.h"

namespace {

struct SifChar {
  unsigned Code, Width, Height, Cursor, BytesPerLine;
  int XPos, YPos;
  uint32_t Offset;
};

struct SifFile {
  bool Ok = false;
  unsigned Height, LineDist, Baseline, LHeight, CHeight;
  std::vector<std::pair<unsigned, unsigned>> Ranges;
  std::vector<SifChar> Chars;
  std::string Data;
};

unsigned rd16(const std::string& s, size_t off) {
  if (off + 2 > s.size()) return 0;
  return static_cast<unsigned char>(s[off]) | static_cast<unsigned char>(s[off + 1]) << 8;
}

SifFile read_sif(const std::string& s, bool extended, int fontHeight) {
  SifFile f;
  if (s.size() < 16 || s.substr(0, 4) != "GUIP") return f;
  f.Data = s;
  f.Height = rd16(s, 4);
  f.LineDist = rd16(s, 6);
  f.Baseline = rd16(s, 8);
  f.LHeight = rd16(s, 10);
  f.CHeight = rd16(s, 12);
  unsigned n = rd16(s, 14);
  size_t off = 16;
  for (unsigned i = 0; i < n; ++i, off += 4) f.Ranges.push_back({rd16(s, off), rd16(s, off + 2)});
  for (auto& r : f.Ranges)
    for (unsigned c = r.first; c <= r.second; ++c) {
      SifChar ch = {};
      ch.Code = c;
      if (!extended) {
        ch.Width = rd16(s, off);
        ch.Cursor = rd16(s, off + 2);
        ch.BytesPerLine = rd16(s, off + 4);
        ch.Height = static_cast<unsigned>(fontHeight);
        ch.Offset = rd16(s, off + 8) | rd16(s, off + 10) << 16;
        off += 12;
      } else {
        ch.Width = rd16(s, off);
        ch.Height = rd16(s, off + 2);
        ch.XPos = static_cast<int16_t>(rd16(s, off + 4));
        ch.YPos = static_cast<int16_t>(rd16(s, off + 6));
        ch.Cursor = rd16(s, off + 8);
        ch.BytesPerLine = 0;
        ch.Offset = rd16(s, off + 12) | rd16(s, off + 14) << 16;
        off += 16;
      }
      f.Chars.push_back(ch);
    }
  f.Ok = true;
  return f;
}

int sif_pixel(const SifFile& f, const SifChar& c, int bpp, int x, int y, bool frame) {
  unsigned bpl = c.BytesPerLine ? c.BytesPerLine : (c.Width * static_cast<unsigned>(bpp) + 7) / 8;
  size_t off = c.Offset + (frame ? bpl * c.Height : 0) + static_cast<size_t>(y) * bpl +
               static_cast<size_t>(x * bpp / 8);
  if (off >= f.Data.size()) return -99;
  int shift = 8 - bpp - (x * bpp) % 8;
  return (static_cast<unsigned char>(f.Data[off]) >> shift) & ((1 << bpp) - 1);
}

class SifFields : public ::testing::TestWithParam<int> {};

TEST_P(SifFields, EveryFieldMatchesTheDocument) {
  fonttest::HostScope scope;
  TempDir dir;
  const int type = GetParam();
  FontDoc* doc = fonttest::make_font(type, 15);
  ASSERT_NE(doc, nullptr);
  fonttest::enable_only(doc, 0x20, 0x7E);
  FONT_EnableRange(doc, 0xE0, 0xE3, 1);
  std::string path = dir / "f.sif";
  FONT_SetPath(doc, path.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_SIF, false, FontSaveOptions{}), 0);
  const bool ext = FONT_IsExtended(type);
  SifFile f = read_sif(fonttest::slurp(path), ext, doc->Height);
  ASSERT_TRUE(f.Ok);
  EXPECT_EQ(f.Height, static_cast<unsigned>(doc->Height));
  EXPECT_EQ(f.LineDist, f.Height);
  FontMetrics m = FONT_ComputeMetrics(doc);
  EXPECT_EQ(f.Baseline, static_cast<unsigned>(m.Baseline));
  EXPECT_EQ(f.LHeight, static_cast<unsigned>(m.LHeight));
  EXPECT_EQ(f.CHeight, static_cast<unsigned>(m.CHeight));
  ASSERT_EQ(f.Ranges.size(), 2u);
  EXPECT_EQ(f.Ranges[1], std::make_pair(0xE0u, 0xE3u));
  ASSERT_EQ(f.Chars.size(), 99u);
  const int bpp = FONT_BitsPerPixel(type);
  uint32_t expectOffset = 16 + 4 * 2 + 99 * (ext ? 16 : 12);
  for (const SifChar& c : f.Chars) {
    const FontChar& d = doc->aChar[c.Code];
    ASSERT_EQ(c.Width, static_cast<unsigned>(d.Width)) << c.Code;
    ASSERT_EQ(c.Offset, expectOffset) << c.Code;  // blocks follow each other without gaps
    unsigned bpl = c.BytesPerLine ? c.BytesPerLine : (c.Width * static_cast<unsigned>(bpp) + 7) / 8;
    expectOffset += bpl * c.Height * (type == FONT_TYPE_EXT_FRM ? 2 : 1);
    if (ext) {
      EXPECT_EQ(c.Height, static_cast<unsigned>(d.GlyphHeight));
      EXPECT_EQ(c.XPos, d.XPos);
      EXPECT_EQ(c.YPos, doc->Baseline - d.TopAboveBaseline);
      EXPECT_EQ(c.Cursor, static_cast<unsigned>(d.CursorDist));
    } else {
      EXPECT_EQ(c.Cursor, c.Width);
    }
    for (int y = 0; y < static_cast<int>(c.Height); ++y)
      for (int x = 0; x < static_cast<int>(c.Width); ++x) {
        int v = FONT_GetPixel(doc, c.Code, x, y);
        ASSERT_EQ(sif_pixel(f, c, bpp, x, y, false), v < 0 ? 0 : v) << c.Code;
        if (type == FONT_TYPE_EXT_FRM) {
          ASSERT_EQ(sif_pixel(f, c, 1, x, y, true), v < 0 ? 1 : 0);
        }
      }
  }
  EXPECT_EQ(f.Data.size(), expectOffset);
  FONT_Destroy(doc);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SifFields, ::testing::Range(0, 7));

TEST(Sif, LayoutOfOneStandardRange) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
  for (unsigned c = 0x20; c <= 0x7E; ++c) fonttest::add_glyph(doc, c, 3, 4);
  std::string path = dir / "one.sif";
  FONT_SetPath(doc, path.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_SIF, false, FontSaveOptions{}), 0);
  std::string s = fonttest::slurp(path);
  EXPECT_EQ(rd16(s, 14), 1u);
  EXPECT_EQ(rd16(s, 16), 0x20u);
  EXPECT_EQ(rd16(s, 18), 0x7Eu);
  EXPECT_EQ(rd16(s, 20), 3u);                             // first record at 20
  EXPECT_EQ(rd16(s, 28) | rd16(s, 30) << 16, 1160u);      // 20 + 95 x 12
  EXPECT_EQ(s.size(), 1160u + 95u * 4u);
  FONT_Destroy(doc);
}

TEST(Sif, FramedCharacterTakesTwicePlaneBytesAndGapsTakeNothing) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT_FRM, 12, 10);
  fonttest::add_glyph(doc, 0x41, 12, 10, 0, 10, 13);  // 2 bytes per line, 10 rows
  fonttest::add_glyph(doc, 0x50, 3, 2, 0, 2, 4);      // a second range after a gap
  std::string path = dir / "frm.sif";
  FONT_SetPath(doc, path.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_SIF, false, FontSaveOptions{}), 0);
  std::string s = fonttest::slurp(path);
  const uint32_t data = 16 + 2 * 4 + 2 * 16;
  EXPECT_EQ(rd16(s, 24 + 12) | rd16(s, 24 + 14) << 16, data);
  EXPECT_EQ(rd16(s, 40 + 12) | rd16(s, 40 + 14) << 16, data + 40);
  EXPECT_EQ(s.size(), data + 40 + 4);
  FONT_Destroy(doc);
}

}  // namespace
