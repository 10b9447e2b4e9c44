// XBF writer, reader and type detection: round trips of real fonts, the layout's
// hand-worked cases and damaged files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "font/formats/font_save.h"
#include "font/formats/xbf_reader.h"
#include "font/support/generated_font.h"
#include "support/temp_dir.h"

namespace {

std::vector<uint8_t> bytes_of(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

unsigned u16(const std::string& s, size_t off) {
  return static_cast<unsigned char>(s[off]) | static_cast<unsigned char>(s[off + 1]) << 8;
}
uint32_t u32(const std::string& s, size_t off) { return u16(s, off) | u16(s, off + 2) << 16; }

std::string save_xbf(FontDoc* doc, const TempDir& dir, const FontSaveOptions& o = FontSaveOptions{}) {
  std::string path = dir / "font.xbf";
  FONT_SetPath(doc, path.c_str());
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, o), 0);
  return path;
}

class XbfRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(XbfRoundTrip, ReadBackEqualsTheDocument) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_font(GetParam(), 17);
  ASSERT_NE(doc, nullptr);
  fonttest::enable_only(doc, 0x20, 0x7E);
  FONT_EnableRange(doc, 0xC0, 0xC5, 1);
  std::string path = save_xbf(doc, dir);
  FontDoc* back = XBF_Read(path.c_str(), XbfReadOptions{});
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Type, doc->Type);
  EXPECT_EQ(back->Height, doc->Height);
  EXPECT_STREQ(back->acPath, path.c_str());
  int compared = 0;
  for (unsigned c = 0; c < FONT_NUM_CODES; ++c) {
    ASSERT_EQ(back->aChar[c].Enabled, doc->aChar[c].Enabled) << c;
    if (!doc->aChar[c].Enabled) continue;
    const FontChar &a = doc->aChar[c], &b = back->aChar[c];
    ASSERT_EQ(b.Width, a.Width) << c;
    if (FONT_IsExtended(doc->Type)) {
      EXPECT_EQ(b.XPos, a.XPos) << c;
      EXPECT_EQ(b.TopAboveBaseline, a.TopAboveBaseline) << c;
      EXPECT_EQ(b.CursorDist, a.CursorDist) << c;
      EXPECT_EQ(b.GlyphHeight, a.GlyphHeight) << c;
    }
    for (int y = 0; y < FONT_PlaneRows(doc, c); ++y)
      for (int x = 0; x < a.Width; ++x)
        ASSERT_EQ(FONT_GetPixel(back, c, x, y), FONT_GetPixel(doc, c, x, y)) << c << " " << x << "," << y;
    ++compared;
  }
  EXPECT_EQ(compared, 95 + 6);
  // Without its trailer the file's type is found from the shape of its records.
  std::vector<uint8_t> data = bytes_of(fonttest::slurp(path));
  ASSERT_GT(data.size(), 4u);
  EXPECT_EQ(std::string(data.end() - 4, data.end() - 1), "XBF");
  EXPECT_EQ(data.back(), GetParam());
  data.resize(data.size() - 4);
  EXPECT_EQ(XBF_DetectType(data.data(), data.size(), false), GetParam());
  FONT_Destroy(back);
  FONT_Destroy(doc);
}

INSTANTIATE_TEST_SUITE_P(XbfTypes, XbfRoundTrip,
                         ::testing::Values(FONT_TYPE_STD, FONT_TYPE_EXT, FONT_TYPE_EXT_FRM,
                                           FONT_TYPE_EXT_AA2, FONT_TYPE_EXT_AA4));

TEST(Xbf, GapInTheCodesGivesAZeroEntryAndTheFirstRecordAt36) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 8);
  fonttest::add_glyph(doc, 0x41, 6, 8);
  fonttest::add_glyph(doc, 0x43, 9, 8);
  FONT_SetPixel(doc, 0x41, 0, 0, 1);
  FONT_SetPixel(doc, 0x43, 8, 7, 1);
  std::string f = fonttest::slurp(save_xbf(doc, dir));
  ASSERT_GE(f.size(), 36u);
  EXPECT_EQ(f.substr(0, 4), "GUIX");
  EXPECT_EQ(u16(f, 14), 0x41u);
  EXPECT_EQ(u16(f, 16), 0x43u);
  EXPECT_EQ(u32(f, 18), 36u);        // 'A': 1 byte per line x 8 rows + 4
  EXPECT_EQ(u16(f, 22), 12u);
  EXPECT_EQ(u32(f, 24), 0u);         // 'B' is not in the font
  EXPECT_EQ(u16(f, 28), 0u);
  EXPECT_EQ(u32(f, 30), 48u);        // 'C': 2 bytes per line x 8 rows + 4
  EXPECT_EQ(u16(f, 34), 20u);
  EXPECT_EQ(u16(f, 36), 6u);         // cursor distance = width
  EXPECT_EQ(u16(f, 38), 1u);
  EXPECT_EQ(static_cast<unsigned char>(f[40]), 0x80u);  // first pixel in the top bit
  EXPECT_EQ(u16(f, 48), 9u);
  EXPECT_EQ(static_cast<unsigned char>(f[52 + 7 * 2 + 1]), 0x80u);  // pixel 8 of the last row
  EXPECT_EQ(f.size(), 68u + 4u);
  FONT_Destroy(doc);
}

TEST(Xbf, TrailerWinsEvenWhenDetectionIsSuppressed) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT_AA2, 10, 8);
  fonttest::add_glyph(doc, 0x41, 3, 4, 1, 6, 5);  // too narrow for detection by data
  FONT_SetPixel(doc, 0x41, 2, 3, 3);
  // The header's baseline is measured on 'a', which sits on the baseline (row 7).
  fonttest::add_glyph(doc, 'a', 3, 2, 0, 2, 4);
  FONT_SetPixel(doc, 'a', 1, 1, 3);
  std::string path = save_xbf(doc, dir);
  XbfReadOptions ro;
  ro.SuppressDetect = true;
  ro.StoredType = FONT_TYPE_STD;
  FontDoc* back = XBF_Read(path.c_str(), ro);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Type, FONT_TYPE_EXT_AA2);
  EXPECT_EQ(FONT_GetPixel(back, 0x41, 2, 3), 3);
  EXPECT_EQ(back->aChar[0x41].TopAboveBaseline, 6);
  EXPECT_EQ(back->Baseline, 8);
  FONT_Destroy(back);
  FONT_Destroy(doc);
}

TEST(Xbf, NarrowGlyphsWithoutTrailerTakeTheStoredType) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  fonttest::add_glyph(doc, 0x41, 4, 5, 0, 5, 5);
  fonttest::add_glyph(doc, 0x42, 3, 5, 0, 5, 4);
  FONT_SetPixel(doc, 0x41, 3, 4, 1);
  std::string path = save_xbf(doc, dir);
  std::string data = fonttest::slurp(path);
  data.resize(data.size() - 4);
  std::vector<uint8_t> v = bytes_of(data);
  EXPECT_EQ(XBF_DetectType(v.data(), v.size(), false), XBF_TYPE_NEEDS_USER);
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(data.data(), 1, data.size(), f);
  std::fclose(f);
  XbfReadOptions ro;
  ro.StoredType = FONT_TYPE_EXT;
  FontDoc* back = XBF_Read(path.c_str(), ro);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Type, FONT_TYPE_EXT);
  EXPECT_EQ(FONT_GetPixel(back, 0x41, 3, 4), 1);
  FONT_Destroy(back);
  FONT_Destroy(doc);
}

TEST(Xbf, GlyphTallerThanTheFontIsKept) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 4, 3);
  fonttest::add_glyph(doc, 0x2502, 5, 6, 0, 4, 5);  // box drawing reaching below the line
  FONT_SetPixel(doc, 0x2502, 2, 5, 1);
  std::string path = save_xbf(doc, dir);
  FontDoc* back = XBF_Read(path.c_str(), XbfReadOptions{});
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->aChar[0x2502].GlyphHeight, 6);
  EXPECT_EQ(FONT_GetPixel(back, 0x2502, 2, 5), 1);
  FONT_Destroy(back);
  FONT_Destroy(doc);
}

TEST(Xbf, StandardReadBackHasBaselineZeroAndNoMetricsWithoutLowercaseHeight) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 6);
  fonttest::add_glyph(doc, 0x41, 5, 6);  // no 'a' and no 'e': heights are 0
  for (int y = 1; y < 5; ++y) FONT_SetPixel(doc, 0x41, 2, y, 1);
  std::string path = save_xbf(doc, dir);
  FontDoc* back = XBF_Read(path.c_str(), XbfReadOptions{});
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Baseline, 0);
  EXPECT_EQ(back->MetricsKnown, 0);
  FONT_Destroy(back);
  FONT_Destroy(doc);
}

TEST(Xbf, MagnificationScalesExtendedWidthAndCursor) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  fonttest::add_glyph(doc, 0x41, 5, 7, 1, 7, 6);
  FONT_SetPixel(doc, 0x41, 4, 0, 1);
  FontSaveOptions o;
  o.MagX = 2;
  std::string f = fonttest::slurp(save_xbf(doc, dir, o));
  const size_t rec = 24;  // 18 + one 6-byte entry
  EXPECT_EQ(u16(f, rec + 0), 12u);  // cursor distance
  EXPECT_EQ(u16(f, rec + 2), 10u);  // width
  EXPECT_EQ(u16(f, rec + 4), 7u);   // rows
  EXPECT_EQ(u16(f, rec + 6), 2u);   // x position
  EXPECT_EQ(u16(f, rec + 8), 1u);   // baseline 8 - top 7
  EXPECT_EQ(u16(f, rec + 10), 2u);  // bytes per line
  EXPECT_EQ(static_cast<unsigned char>(f[rec + 13]), 0xC0u);  // pixel 4 doubled: x 8 and 9
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);  // the magnification note
  FONT_Destroy(doc);
}

TEST(Xbf, DamagedFilesGiveNoDocumentAndTheMessage) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  fonttest::add_glyph(doc, 0x41, 6, 5, 0, 5, 7);
  fonttest::add_glyph(doc, 0x42, 6, 5, 0, 5, 7);
  const std::string good = fonttest::slurp(save_xbf(doc, dir));
  FONT_Destroy(doc);
  struct Bad {
    const char* Name;
    std::string Data;
  };
  std::string badMagic = good;
  badMagic[3] = 'Y';
  std::string narrowRows = good;
  narrowRows[30 + 10] = 0;  // 0 bytes per line for 6 pixels
  std::string hugeTable = good.substr(0, 18);
  hugeTable[16] = static_cast<char>(0xFF);
  hugeTable[17] = static_cast<char>(0xFF);
  hugeTable += "XBF";
  hugeTable += '\3';
  const Bad cases[] = {{"truncated", good.substr(0, 40)}, {"bad_magic", badMagic},
                       {"narrow_rows", narrowRows},
                       {"table_past_end", hugeTable},     {"short", "GU"},
                       {"bad_trailer_type", good.substr(0, good.size() - 1) + '\x09'}};
  for (const Bad& b : cases) {
    std::string path = dir / (std::string(b.Name) + ".xbf");
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(b.Data.data(), 1, b.Data.size(), f);
    std::fclose(f);
    scope.Host.Warnings.clear();
    EXPECT_EQ(XBF_Read(path.c_str(), XbfReadOptions{}), nullptr) << b.Name;
    ASSERT_EQ(scope.Host.Warnings.size(), 1u) << b.Name;
    EXPECT_EQ(scope.Host.Warnings[0].Text, "Could not create font!") << b.Name;
  }
  scope.Host.Warnings.clear();
  EXPECT_EQ(XBF_Read((dir / "missing.xbf").c_str(), XbfReadOptions{}), nullptr);
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Text, "Could not open file!");
}

TEST(XbfRead, OnlyRegularFilesWithinTheCapAreLoaded) {
  fonttest::HostScope scope;
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "pipe.xbf").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.xbf");
  std::ofstream(dir / "big.xbf").close();
  std::filesystem::resize_file(dir / "big.xbf", XBF_MAX_FILE_BYTES + 1);
  for (const char* name : {"pipe.xbf", "zero.xbf", "big.xbf"}) {
    FontFileData file;
    scope.Host.Warnings.clear();
    EXPECT_FALSE(XBF_LoadFile((dir / name).c_str(), &file)) << name;
    EXPECT_TRUE(file.Size == 0 && !file.pData) << name;
    ASSERT_EQ(scope.Host.Warnings.size(), 1u) << name;
    EXPECT_EQ(scope.Host.Warnings[0].Text, "Could not open file!") << name;
  }
}

}  // namespace
