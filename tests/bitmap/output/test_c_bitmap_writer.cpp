// C bitmap writer: identifier rules, layout rules that can be checked by hand, refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/c_bitmap_writer.h"
#include "bitmap/output/c_header_comment.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"
#include "writer_test_util.h"

namespace {

struct RecordingHost : AppHost {
  std::vector<std::string> Warnings;
  void ShowStatus(const char*) override {}
  void ShowWarning(const char*, const char* text) override { Warnings.push_back(text); }
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};

class CBitmapIdentifier : public ::testing::Test {
 protected:
  RecordingHost host;
  void SetUp() override {
    CMDLINE_Reset();
    HOST_Set(&host);
  }
  void TearDown() override { HOST_Set(nullptr); }
  std::string Ident(const char* path, int capacity = 64, int* rc = nullptr) {
    char buf[300];
    int r = CBITMAP_MakeIdentifier(path, buf, capacity);
    if (rc) *rc = r;
    return r == 0 ? std::string(buf) : std::string("<refused>");
  }
};

TEST_F(CBitmapIdentifier, RemovesForeignCharactersDirectoryAndExtension) {
  EXPECT_EQ(Ident("my logo-2.bmp"), "mylogo2");
  EXPECT_EQ(Ident("/home/u/pics/Logo_v1.c"), "Logo_v1");
  EXPECT_EQ(Ident("dir.x/a.b.c"), "ab");  // only the last dot starts the extension
  EXPECT_EQ(Ident("2nd try.c"), "2ndtry");  // a leading digit stays: prefixes come first
  EXPECT_EQ(Ident("caf\xC3\xA9.c"), "caf");  // UTF-8 bytes are not identifier characters
  EXPECT_EQ(Ident("noext"), "noext");
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(CBitmapIdentifier, CutToCapacity) { EXPECT_EQ(Ident("abcdefgh.c", 5), "abcd"); }

TEST_F(CBitmapIdentifier, EmptyResultIsIllegal) {
  int rc = 0;
  EXPECT_EQ(Ident("/tmp/-- --.c", 64, &rc), "<refused>");
  EXPECT_NE(rc, 0);
  EXPECT_EQ(Ident("/tmp/.c"), "<refused>");
  ASSERT_EQ(host.Warnings.size(), 2u);
  EXPECT_EQ(host.Warnings[0], "Illegal identifier");
}

TEST_F(CBitmapIdentifier, PathOf260CharactersIsTooLong) {
  std::string ok = "/" + std::string(254, 'a') + ".c";  // 257 characters
  ok = std::string(259 - ok.size(), 'b') + ok;         // 259 characters
  ASSERT_EQ(ok.size(), 259u);
  EXPECT_NE(Ident(ok.c_str(), 300), "<refused>");
  std::string tooLong = "b" + ok;
  EXPECT_EQ(Ident(tooLong.c_str(), 300), "<refused>");
  ASSERT_EQ(host.Warnings.size(), 1u);
  EXPECT_EQ(host.Warnings[0], "Path is too long");
}

TEST_F(CBitmapIdentifier, RefusedIdentifierWritesNothing) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(2, 2, 2, [](int x, int) { return x; }));
  int rc = 0;
  EXPECT_EQ(SaveToString(d.get(), 1, 0, false, "/tmp/---.c", &rc), "");
  EXPECT_NE(rc, 0);
}

TEST(CBitmapFormats, NumbersThatExist) {
  std::vector<int> valid;
  for (int n = -1; n <= 120; ++n)
    if (CBITMAP_IsValidFormat(n)) valid.push_back(n);
  std::vector<int> expected = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19,
                               20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 99};
  EXPECT_EQ(valid, expected);
  EXPECT_TRUE(CBITMAP_IsDirectColorFormat(12));
  EXPECT_TRUE(CBITMAP_IsDirectColorFormat(17));
  EXPECT_FALSE(CBITMAP_IsDirectColorFormat(16));
  EXPECT_FALSE(CBITMAP_IsDirectColorFormat(18));
  EXPECT_FALSE(CBITMAP_IsDirectColorFormat(7));
}

static std::string LineStarting(const std::string& text, const std::string& prefix) {
  for (const std::string& l : SplitLines(text))
    if (l.compare(0, prefix.size(), prefix) == 0) return l;
  return "<none>";
}

TEST(CBitmapWriter, SixteenEntryPaletteAlignsTheComments) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(3, 1, 16, [](int x, int) { return x; }));
  d->HasTrans = 1;
  std::string s = SaveToString(d.get(), 4, 0, false);
  EXPECT_NE(s.find("  16,  // Number of entries\r\n  1,   // Has transparency\r\n  &_Colorstest[0]\r\n};"),
            std::string::npos);
  d->HasTrans = 0;
  s = SaveToString(d.get(), 4, 0, false);
  EXPECT_NE(s.find("  0,   // No transparency\r\n"), std::string::npos);
}

// The palette block carries colours only: a custom palette's transparency bytes are not
// written (0xBBGGRR has no room for them, the ARGB form always has alpha 0xFF); the
// transparency a firmware sees is the palette's "Has transparency" flag.
TEST(CBitmapWriter, PaletteEntriesDropTheirTransparencyByte) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(2, 1, 2, [](int x, int) { return x; }));
  IMAGE_SetPalColor(d.get(), 0, COLOR_Make(0x33, 0x22, 0x11, 0x80));
  IMAGE_SetPalColor(d.get(), 1, COLOR_Make(0x66, 0x55, 0x44, 0xFF));
  const std::string s = SaveToString(d.get(), 1, 0, false);
  EXPECT_NE(s.find("#if (GUI_USE_ARGB == 0)\r\n  0x112233, 0x445566\r\n#else\r\n  0xFF332211, 0xFF665544\r\n#endif"),
            std::string::npos);
  const std::string argb = SaveToString(d.get(), 1, 0, true);
  EXPECT_NE(argb.find("\r\n  0x00112233, 0x00445566\r\n#else"), std::string::npos);
}

TEST(CBitmapWriter, TenPixelOneBitRow) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(10, 1, 2, [](int, int) { return 1; }));
  std::string s = SaveToString(d.get(), 1, 0, false);
  EXPECT_NE(s.find("{\r\n  XXXXXXXX, XX______\r\n};\r\n"), std::string::npos);
  EXPECT_EQ(LineStarting(s, "  2, // BytesPerLine"), "  2, // BytesPerLine");
}

TEST(CBitmapWriter, FourBitRowsPackHighNibbleFirst) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(3, 2, 16, [](int x, int y) { return 5 * y + x + 1; }));
  std::string s = SaveToString(d.get(), 4, 0, false);
  EXPECT_NE(s.find("{\r\n  0x12, 0x30,\r\n  0x67, 0x80\r\n};\r\n"), std::string::npos);
}

TEST(CBitmapWriter, WideHighColourRowsWrapWithIndent) {
  std::unique_ptr<ImageDocument, DocDeleter> d(
      MakeTrueColor(300, 2, false, [](int x, int y) { return COLOR_Make(x & 255, y * 50, 7); }));
  std::string s = SaveToString(d.get(), 8, 1, false);
  std::vector<std::string> lines = SplitLines(s);
  size_t begin = 0;
  while (begin < lines.size() && lines[begin].find("_actest[] = {") == std::string::npos) ++begin;
  ASSERT_LT(begin, lines.size());
  int rows = 0, continuations = 0;
  size_t values = 0;
  for (size_t i = begin + 1; i < lines.size() && lines[i] != "};"; ++i) {
    const std::string& l = lines[i];
    EXPECT_LE(l.size(), 254u);
    if (l.compare(0, 8, "        ") == 0)
      ++continuations;
    else if (l.compare(0, 2, "  ") == 0)
      ++rows;
    for (size_t p = l.find("0x"); p != std::string::npos; p = l.find("0x", p + 1)) ++values;
  }
  EXPECT_EQ(rows, 2);
  EXPECT_GE(continuations, 4);  // 300 x 8 characters per row need at least 10 lines of 254
  EXPECT_EQ(values, 600u);
}

TEST(CBitmapWriter, EveryLineEndsWithCrLf) {
  std::unique_ptr<ImageDocument, DocDeleter> tc(
      MakeTrueColor(37, 5, true, [](int x, int y) { return COLOR_Make(x * 7, y * 40, x ^ y, (x * 13) & 255); }));
  for (int i = 0; i < CBITMAP_NumFormats; ++i) {
    const CBitmapFormat& f = CBITMAP_aFormat[i];
    const int colours = f.HasPalette && f.MaxColors < 16 ? f.MaxColors : 16;
    std::unique_ptr<ImageDocument, DocDeleter> pal(
        MakePaletted(37, 5, colours, [&](int x, int y) { return (x * y) % colours; }));
    std::string s = SaveToString(f.HasPalette ? pal.get() : tc.get(), f.Number, 0, false);
    ASSERT_GT(s.size(), 100u) << f.Number;
    for (size_t p = 0; p < s.size(); ++p)
      if (s[p] == '\n') {
        ASSERT_TRUE(p > 0 && s[p - 1] == '\r') << "format " << f.Number << " at " << p;
      }
    EXPECT_EQ(s.substr(s.size() - 72), "/*************************** End of file ****************************/\r\n");
  }
}

TEST(CBitmapWriter, DirectFormatsNeverWriteAPaletteBlock) {
  std::unique_ptr<ImageDocument, DocDeleter> pal(MakePaletted(4, 2, 4, [](int x, int) { return x; }));
  for (int format : {15, 16, 18, 25, 29, 99}) {
    std::string with = SaveToString(pal.get(), format, 0, false);
    std::string without = SaveToString(pal.get(), format, 1, true);
    EXPECT_EQ(with, without) << format;
    EXPECT_EQ(with.find("_Colors"), std::string::npos) << format;
    EXPECT_NE(with.find("NULL,  // Pointer to palette"), std::string::npos) << format;
  }
}

TEST(CBitmapWriter, PalettedDocumentInDirectFormatUsesPaletteColours) {
  std::unique_ptr<ImageDocument, DocDeleter> pal(MakePaletted(2, 1, 2, [](int x, int) { return x; }));
  IMAGE_SetPalColor(pal.get(), 0, COLOR_Make(0x11, 0x22, 0x33, 0x40));
  IMAGE_SetPalColor(pal.get(), 1, COLOR_Make(0xAA, 0xBB, 0xCC));
  // Format 16 without alpha inverts the transparency byte: 0x40 -> 0xBF, 0 -> 0xFF.
  std::string s = SaveToString(pal.get(), 16, 1, false);
  EXPECT_NE(s.find("{\r\n  0xBF332211, 0xFFCCBBAA\r\n};"), std::string::npos);
}

TEST(CBitmapWriter, ThirtyTwoBitVariantsSwapAndInvertByAlpha) {
  const ColorValue c = COLOR_Make(0x12, 0x34, 0x56, 0x20);
  std::unique_ptr<ImageDocument, DocDeleter> d(MakeTrueColor(1, 1, true, [&](int, int) { return c; }));
  EXPECT_NE(SaveToString(d.get(), 16, 1, false).find("  0x20563412\r\n"), std::string::npos);
  EXPECT_NE(SaveToString(d.get(), 29, 1, false).find("  0xDF123456\r\n"), std::string::npos);
  std::string both = SaveToString(d.get(), 99, 1, false);
  EXPECT_NE(both.find("#if (GUI_USE_ARGB == 1)\r\n  0xDF123456\r\n#else\r\n  0x20563412\r\n#endif\r\n};\r\n"),
            std::string::npos);
  d->HasAlpha = 0;
  EXPECT_NE(SaveToString(d.get(), 16, 1, false).find("  0xDF563412\r\n"), std::string::npos);
  EXPECT_NE(SaveToString(d.get(), 29, 1, false).find("  0x20123456\r\n"), std::string::npos);
}

TEST(CBitmapWriter, TwentyFourBitAndAlphaHighColourBytes) {
  // Red 255, green 0, blue 8, transparency 0x30: 565 = 0x081F (blue 1, red 31); 555 = 0x041F.
  std::unique_ptr<ImageDocument, DocDeleter> d(
      MakeTrueColor(1, 1, true, [](int, int) { return COLOR_Make(255, 0, 8, 0x30); }));
  EXPECT_NE(SaveToString(d.get(), 17, 1, false).find("{\r\n  0xFF, 0x00, 0x08\r\n};"), std::string::npos);
  EXPECT_NE(SaveToString(d.get(), 27, 1, false).find("{\r\n  0x30,0x08,0x1F\r\n};"), std::string::npos);
  EXPECT_NE(SaveToString(d.get(), 25, 1, false).find("{\r\n  0x30,0x04,0x1F\r\n};"), std::string::npos);
  // Swapped: blue in the low bits, red in the high bits.
  EXPECT_NE(SaveToString(d.get(), 28, 1, false).find("{\r\n  0x30,0xF8,0x01\r\n};"), std::string::npos);
}

TEST(CBitmapWriter, ArgbModeWritesEightDigitEntries) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(1, 1, 2, [](int, int) { return 0; }));
  IMAGE_SetPalColor(d.get(), 0, COLOR_Make(0x12, 0x34, 0x56));
  IMAGE_SetPalColor(d.get(), 1, COLOR_Make(0xFF, 0xFF, 0xFF));
  std::string plain = SaveToString(d.get(), 1, 0, false);
  EXPECT_NE(plain.find("#if (GUI_USE_ARGB == 0)\r\n  0x563412, 0xFFFFFF\r\n#else\r\n  0xFF123456, 0xFFFFFFFF\r\n#endif\r\n\r\n};"),
            std::string::npos);
  std::string argb = SaveToString(d.get(), 1, 0, true);
  EXPECT_NE(argb.find("#if (GUI_USE_ARGB == 0)\r\n  0x00563412, 0x00FFFFFF\r\n#else"), std::string::npos);
}

TEST(CBitmapWriter, WithoutPaletteKeepsColoursForReferenceOnly) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(1, 1, 2, [](int, int) { return 0; }));
  std::string s = SaveToString(d.get(), 5, 1, false);
  size_t ifZero = s.find("#if 0\r\n\r\n\r\n/****");
  size_t colours = s.find("static GUI_CONST_STORAGE GUI_COLOR _Colorstest[]");
  size_t endif = s.find("#endif\r\n\r\nstatic GUI_CONST_STORAGE GUI_LOGPALETTE _Paltest = {");
  ASSERT_NE(ifZero, std::string::npos);
  ASSERT_NE(endif, std::string::npos);
  EXPECT_LT(ifZero, colours);
  EXPECT_LT(colours, endif);
  EXPECT_NE(s.find("*  If this does not work out, please convert your bitmap into a DIB \r\n*/\r\n\r\n"), std::string::npos);
  EXPECT_NE(s.find("  0,  // No transparency\r\n  NULL\r\n};"), std::string::npos);
}

TEST(CBitmapWriter, PaletteFormatsRefuseDocumentsThatDoNotFit) {
  std::unique_ptr<ImageDocument, DocDeleter> three(MakePaletted(2, 2, 3, [](int x, int) { return x; }));
  std::unique_ptr<ImageDocument, DocDeleter> tc(MakeTrueColor(2, 2, false, [](int, int) { return 0u; }));
  int rc = 0;
  EXPECT_EQ(SaveToString(three.get(), 1, 0, false, "a.c", &rc), "");
  EXPECT_NE(rc, 0);
  EXPECT_NE(SaveToString(three.get(), 2, 0, false, "a.c", &rc), "");
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(SaveToString(tc.get(), 5, 0, false, "a.c", &rc), "");
  EXPECT_NE(rc, 0);
  EXPECT_EQ(SaveToString(tc.get(), 14, 0, false, "a.c", &rc), "");
  EXPECT_NE(rc, 0);
}

TEST(CBitmapWriter, WriteFailureIsReported) {
  FILE* full = std::fopen("/dev/full", "wb");
  if (!full) GTEST_SKIP() << "no /dev/full";
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(4, 4, 2, [](int x, int) { return x & 1; }));
  SaveRequest r = {1, 0, 1};
  EXPECT_NE(CBITMAP_Save(full, d.get(), &r, "a.c", false), 0);
  std::fclose(full);
}

TEST(CBitmapWriter, HeaderBoxLinesAreSeventyWide) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(123, 45, 2, [](int, int) { return 0; }));
  std::vector<std::string> lines = SplitLines(SaveToString(d.get(), 1, 0, false, "/x/box.c"));
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(lines[0], "/" + std::string(69, '*'));
  EXPECT_EQ(lines[1], "*" + std::string(31, ' ') + "Tavrex" + std::string(31, ' ') + "*");
  int i = 1;
  for (; lines[i] != "*/"; ++i) EXPECT_EQ(lines[i].size(), 70u) << lines[i];
  EXPECT_EQ(lines[i - 1], std::string(70, '*'));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "* Dimensions:  123 * 45" + std::string(46, ' ') + "*"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "* Source file: box" + std::string(51, ' ') + "*"), lines.end());
}

TEST(CHeaderComment, AnimatedKindsCarryImagesDurationAndUsage) {
  std::unique_ptr<ImageDocument, DocDeleter> d(MakePaletted(16, 8, 2, [](int, int) { return 0; }));
  FILE* f = std::tmpfile();
  auto out = std::make_unique<OutWriter>();
  auto w = std::make_unique<CTextWriter>();
  OUT_Init(out.get(), f);
  CTEXT_Init(w.get(), out.get());
  CHEADER_Write(w.get(), "walk", "12", d.get(), CHEADER_KIND_CURSOR, "\r\n* Usage:\r\n*   x\r\n*", "1200");
  ASSERT_TRUE(CTEXT_Flush(w.get()));
  std::rewind(f);
  std::string s;
  for (int c; (c = std::fgetc(f)) != EOF;) s += static_cast<char>(c);
  std::fclose(f);
  auto pad = [](std::string t) {
    t.resize(69, ' ');
    return t + "*\r\n";
  };
  EXPECT_NE(s.find(pad("* Source file: walk.gif (Animated Cursor)") + pad("* Dimensions:  16 * 8") +
                   pad("* NumImages:   12") + pad("* Duration:    1200 ms") + pad("*") + std::string(70, '*') +
                   "\r\n* Usage:\r\n*   x\r\n*\r\n*/\r\n\r\n#include <stdlib.h>"),
            std::string::npos);
  EXPECT_EQ(s.find("NumColors"), std::string::npos);
}

}  // namespace
