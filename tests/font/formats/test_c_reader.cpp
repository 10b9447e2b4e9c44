// C font reader: every reviewed C file and generated fonts of every type, encoding and
// form read back and saved again; hand-edited and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>

#include "font/formats/c_font_reader.h"
#include "font/formats/font_save.h"
#include "font/model/edit_log.h"
#include "font/support/font_test_util.h"
#include "font/support/generated_font.h"
#include "support/temp_dir.h"

namespace {

std::string joined(const RecordingHost& host) {
  std::string s;
  for (const auto& w : host.Warnings) s += w.Text + "|";
  return s;
}

// The text after the header comment, without the character names (the reviewed files
// were written without the name table and without areas).
std::string body(const std::string& s) {
  size_t p = s.find("*/");
  std::string b = p == std::string::npos ? s : s.substr(p);
  b = std::regex_replace(b, std::regex("/\\* Start of unicode area <[^>]*> \\*/\r\n"), "");
  return std::regex_replace(b, std::regex("(/\\* code [0-9A-F]{4}), [^*]* \\*/"), "$1 */");
}

struct CReader : ::testing::Test {
  fonttest::HostScope scope;
  TempDir dir;
  void SetUp() override {
    fonttest::init_tables();
    EDITLOG_Clear();
  }
  void TearDown() override { EDITLOG_Clear(); }

  std::string Save(FontDoc* doc, const std::string& name, const FontSaveOptions& o = FontSaveOptions{}) {
    std::string path = dir / name;
    FONT_SetPath(doc, path.c_str());
    EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, o), 0) << name;
    return fonttest::slurp(path);
  }
  FontDoc* ReadText(const std::string& text, std::string* error = nullptr) {
    FontDoc* doc = nullptr;
    std::string e;
    bool created;
    CFONT_Parse(text.data(), text.size(), &doc, &e, &created);
    if (error) *error = e;
    return doc;
  }
  // Reads a file written by the program and saves it again; the second file is the
  // first one's comment, the "modified by" line and then the same text.
  FontDoc* RoundTrip(const std::string& first, const FontSaveOptions& o, const std::string& name) {
    std::string path = dir / name;
    {
      FILE* f = std::fopen(path.c_str(), "wb");
      std::fwrite(first.data(), 1, first.size(), f);
      std::fclose(f);
    }
    FontDoc* doc = CFONT_Read(path.c_str());
    EXPECT_NE(doc, nullptr) << name << ": " << joined(scope.Host);
    if (!doc) return nullptr;
    FontSaveOptions again = o;
    again.MagX = again.MagY = 1;
    std::string second = Save(doc, name + ".again.c", again);
    const std::string comment = first.substr(0, first.find("*/"));
    EXPECT_EQ(second.compare(0, comment.size(), comment), 0) << name;
    EXPECT_EQ(second.compare(comment.size(), 21, "  C-file modified by "), 0) << name;
    EXPECT_EQ(body(second), body(first)) << name;
    return doc;
  }
};

void expect_same_glyphs(const FontDoc* a, const FontDoc* b) {
  ASSERT_EQ(a->Type, b->Type);
  int differences = 0;
  for (unsigned c = 0; c < FONT_NUM_CODES && differences < 5; ++c) {
    const FontChar& x = a->aChar[c];
    const FontChar& y = b->aChar[c];
    if (!x.Enabled && !y.Enabled) continue;
    bool same = x.Enabled == y.Enabled && x.Width == y.Width;
    if (same && FONT_IsExtended(a->Type))
      same = x.GlyphHeight == y.GlyphHeight && x.XPos == y.XPos && x.CursorDist == y.CursorDist &&
             x.TopAboveBaseline - a->Baseline == y.TopAboveBaseline - b->Baseline;
    const int rows = FONT_IsExtended(a->Type) ? x.GlyphHeight : a->Height;
    for (int yy = 0; same && yy < rows; ++yy)
      for (int xx = 0; same && xx < x.Width; ++xx)
        same = (FONT_GetPixel(a, c, xx, yy) > 0 ? FONT_GetPixel(a, c, xx, yy) : 0) ==
               (FONT_GetPixel(b, c, xx, yy) > 0 ? FONT_GetPixel(b, c, xx, yy) : 0);
    if (!same) ++differences;
    EXPECT_TRUE(same) << "code " << std::hex << c;
  }
}

TEST_F(CReader, EveryReviewedFileReadsBackToTheSameText) {
  for (const char* name : {"std6.c", "std6_old_mag2x1.c", "aa4_3.c", "frm10.c", "frm10_old.c"}) {
    SCOPED_TRACE(name);
    std::string first = fonttest::slurp(std::string(FONT_TEST_DATA_DIR) + "/" + name);
    ASSERT_FALSE(first.empty());
    FontSaveOptions o;
    o.Compatibility = first.find("GUI_FLASH") != std::string::npos;
    FONT_Destroy(RoundTrip(first, o, name));
  }
  EXPECT_EQ(scope.Host.Warnings.size(), 0u) << joined(scope.Host);
}

TEST_F(CReader, FramedFontKeepsGlyphFrameAndMetrics) {
  FontDoc* doc = ReadText(fonttest::slurp(std::string(FONT_TEST_DATA_DIR) + "/frm10.c"));
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Type, FONT_TYPE_EXT_FRM);
  EXPECT_EQ(doc->Height, 10);
  EXPECT_EQ(doc->Baseline, 7);
  EXPECT_STREQ(doc->acFontId, "GUI_Fontfrm10");
  const FontChar& a = doc->aChar[0x41];
  EXPECT_EQ(a.Width, 5);
  EXPECT_EQ(a.GlyphHeight, 6);
  EXPECT_EQ(a.XPos, 1);
  EXPECT_EQ(a.CursorDist, 7);
  EXPECT_EQ(a.TopAboveBaseline, 6);
  EXPECT_EQ(FONT_GetPixel(doc, 0x41, 2, 1), 1);
  EXPECT_EQ(FONT_GetPixel(doc, 0x41, 2, 0), -1);
  EXPECT_EQ(FONT_NumCodes(doc), 0x10000);
  EXPECT_FALSE(doc->aChar[0x43].Enabled);
  FONT_Destroy(doc);
}

struct Generated {
  int Type;
  int Encoding;
  int Compatibility;
  int MagX, MagY;
  const char* Face;
};

TEST_F(CReader, GeneratedFontsOfEveryTypeEncodingAndFormReadBack) {
  const Generated cases[] = {
      {FONT_TYPE_STD, FONT_ENC_UNICODE, 0, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_AA2, FONT_ENC_UNICODE, 0, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_AA4, FONT_ENC_UNICODE, 1, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_EXT, FONT_ENC_UNICODE, 0, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_EXT_FRM, FONT_ENC_UNICODE, 1, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_EXT_AA2, FONT_ENC_UNICODE, 0, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_EXT_AA4, FONT_ENC_UNICODE, 0, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_STD, FONT_ENC_ISO8859, 0, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_AA4, FONT_ENC_ISO8859, 1, 1, 1, "DejaVu Sans"},
      {FONT_TYPE_STD, FONT_ENC_SJIS, 0, 1, 1, "IPAGothic"},
      {FONT_TYPE_AA2, FONT_ENC_SJIS, 0, 1, 1, "IPAGothic"},
      {FONT_TYPE_STD, FONT_ENC_UNICODE, 1, 2, 1, "DejaVu Sans"},
      {FONT_TYPE_EXT, FONT_ENC_UNICODE, 0, 3, 1, "DejaVu Sans"},
  };
  int n = 0;
  for (const Generated& g : cases) {
    const std::string name = "gen" + std::to_string(n++) + ".c";
    SCOPED_TRACE(name);
    FontDoc* doc = fonttest::make_font(g.Type, 13, g.Encoding, FONT_AA_OS, g.Face);
    ASSERT_NE(doc, nullptr);
    if (g.Encoding == FONT_ENC_SJIS) {
      fonttest::enable_only(doc, 0x20, 0x7E);
      FONT_EnableRange(doc, 0x889F, 0x88A5, 1);
    } else {
      // three ranges, 'A' and 'e' included for the metrics
      fonttest::enable_only(doc, 0x20, 0x7E);
      FONT_EnableRange(doc, 0xC0, 0xC5, 1);
      if (g.Encoding == FONT_ENC_UNICODE) FONT_EnableRange(doc, 0x391, 0x3A1, 1);
      else FONT_EnableRange(doc, 0xE0, 0xE2, 1);
    }
    FontSaveOptions o;
    o.Compatibility = g.Compatibility;
    o.MagX = g.MagX;
    o.MagY = g.MagY;
    const std::string first = Save(doc, name, o);
    FontDoc* back = RoundTrip(first, o, name);
    if (back) {
      EXPECT_EQ(back->Encoding, g.Encoding);
      if (g.MagX == 1 && g.MagY == 1) expect_same_glyphs(doc, back);
    }
    FONT_Destroy(back);
    FONT_Destroy(doc);
  }
}

TEST_F(CReader, ScannerToleratesHandEditsTheWriterNeverMakes) {
  std::string s = fonttest::slurp(std::string(FONT_TEST_DATA_DIR) + "/std6.c");
  // a byte as a number instead of a pattern, and a disabled array before 'B'
  size_t a = s.find("  __X_____,", s.find("acGUI_Fontstd6_0041"));
  ASSERT_NE(a, std::string::npos);
  s.replace(a, 11, "  0x20,    ");
  size_t b = s.find("GUI_CONST_STORAGE unsigned char acGUI_Fontstd6_0042");
  s.insert(b, "#if 0\r\nunsigned char x[1] = {\r\n  0xFF};\r\n#endif\r\n// a line comment\r\n");
  FontDoc* doc = ReadText(s);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 2, 0), 1);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 0), 0);
  EXPECT_EQ(FONT_GetPixel(doc, 'B', 0, 0), 1);
  ASSERT_NE(doc->pHeaderComment, nullptr);
  EXPECT_EQ(std::string(doc->pHeaderComment).rfind("/*****", 0), 0u);
  FONT_Destroy(doc);
  // no leading comment: no header comment kept
  doc = ReadText(body(s).substr(2));
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->pHeaderComment, nullptr);
  FONT_Destroy(doc);
}

TEST_F(CReader, HeightFieldIsClampedTo1000) {
  std::string s = fonttest::slurp(std::string(FONT_TEST_DATA_DIR) + "/frm10.c");
  size_t h = s.find("  ,10 /* height of font  */");
  ASSERT_NE(h, std::string::npos);
  s.replace(h, 5, "  ,1500");
  FontDoc* doc = ReadText(s);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Height, 1000);
  FONT_Destroy(doc);
}

TEST_F(CReader, DamagedFilesGiveTheirMessageAndNoDocument) {
  const std::string good = fonttest::slurp(std::string(FONT_TEST_DATA_DIR) + "/frm10.c");
  struct Case {
    std::string Text;
    const char* Message;
  };
  auto replace = [&good](const char* from, const char* to) {
    std::string s = good;
    size_t p = s.find(from);
    EXPECT_NE(p, std::string::npos) << from;
    if (p != std::string::npos) s.replace(p, std::strlen(from), to);
    return s;
  };
  const Case cases[] = {
      {"int x;", "No font data found in the given file"},
      {replace("GUI_FONTTYPE_PROP_FRM", "GUI_FONTTYPE_PROP_XYZ"), "Unsupported font type"},
      {replace(",10 /* height", ",/* height"), "Font height could not be read"},
      {replace(",7 /* Baseline", ", /* Baseline"), "Base line could not be read"},
      {replace("0x0042 /* last", "GUI /* last"), "Error reading the GUI_FONT_PROP structures.\r\n\r\nError occured in:\r\nLine:\t"},
      {replace("{   9,   3,", "{   9,  ;"), "contain a valid entry for the following character:\r\n\r\nCharacter (hexadecimal):\t0x42"},
      {replace("  _XXXXXXX,________};", "  };"), "Expected number of bytes:\t12 bytes\r\nAvailable number of bytes:\t10 bytes"},
      {std::regex_replace(good, std::regex("unsigned"), "signed"), "No pixel data found"},
      {good.substr(0, good.size() / 2), ""},
      {good.substr(0, good.find("GUI_CHARINFO_EXT GUI_Fontfrm10_CharInfo")), ""},
  };
  for (const Case& c : cases) {
    std::string error;
    FontDoc* doc = ReadText(c.Text, &error);
    EXPECT_EQ(doc, nullptr) << c.Message;
    EXPECT_NE(error.find(c.Message), std::string::npos) << c.Message << " / " << error;
    FONT_Destroy(doc);
  }
}

TEST_F(CReader, FileErrorsAndCreateFailureAreReported) {
  EXPECT_EQ(CFONT_Read((dir / "missing.c").c_str()), nullptr);
  EXPECT_EQ(CFONT_Read(dir.Path.c_str()), nullptr);  // a folder
  std::string path = dir / "bad.c";
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fputs("/* x */ GUI_FONT f = {\r\n GUI_FONTTYPE_NONE };", f);
  std::fclose(f);
  EXPECT_EQ(CFONT_Read(path.c_str()), nullptr);
  EXPECT_EQ(joined(scope.Host),
            "Could not open file!|Could not open file!|Unsupported font type|Could not create font!|");
}

}  // namespace
