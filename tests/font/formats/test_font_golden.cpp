// Whole C, SIF and XBF font files of hand-made documents compared byte for byte with
// reviewed files in tests/font/data/. The build stamp line of C files is normalised.
// Set VORIX_UPDATE_GOLDEN=1 to rewrite the files after a deliberate layout change
// (and review the difference).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "font/formats/font_save.h"
#include "font/model/edit_log.h"
#include "font/support/font_test_util.h"
#include "support/golden_stamp.h"
#include "support/temp_dir.h"

namespace {

using testsupport::NormaliseBuildStamp;

struct Golden : ::testing::Test {
  fonttest::HostScope scope;
  TempDir dir;
  void SetUp() override {
    fonttest::init_tables();
    EDITLOG_Clear();
  }
  void TearDown() override { EDITLOG_Clear(); }

  void Check(FontDoc* doc, int format, const char* name, const FontSaveOptions& o = FontSaveOptions{}) {
    const std::string path = dir / name;
    FONT_SetPath(doc, path.c_str());
    ASSERT_EQ(FONTSAVE_Save(doc, format, false, o), 0) << name;
    const std::string actual = NormaliseBuildStamp(fonttest::slurp(path));
    const std::string golden = std::string(FONT_TEST_DATA_DIR) + "/" + name;
    if (std::getenv("VORIX_UPDATE_GOLDEN")) {
      std::ofstream(golden, std::ios::binary) << actual;
      return;
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << golden;
    EXPECT_EQ(NormaliseBuildStamp(fonttest::slurp(golden)), actual) << name;
  }
};

// Pixels from rows of characters: '.' 0, digits their value, '#' 1, 'o' a frame pixel.
void draw(FontDoc* doc, unsigned code, std::initializer_list<const char*> rows) {
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x]; ++x) {
      char ch = row[x];
      int v = ch == '#' ? 1 : ch == 'o' ? -1 : (ch >= '0' && ch <= '9') ? ch - '0' : 0;
      if (v) FONT_SetPixel(doc, code, x, y, v);
    }
    ++y;
  }
}

// Standard 1 bpp, height 6: 'A', 'B', a gap, 'a', 'e' (the metrics come from a, e, A).
FontDoc* standard_font() {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 6);
  std::snprintf(doc->Lf.acFaceName, sizeof(doc->Lf.acFaceName), "Hand Sans");
  fonttest::add_glyph(doc, 'A', 5, 6);
  draw(doc, 'A', {"..#..", ".#.#.", "#...#", "#####", "#...#", "....."});
  fonttest::add_glyph(doc, 'B', 9, 6);
  draw(doc, 'B', {"########.", "#.......#", "########.", "#.......#", "########.", "........."});
  fonttest::add_glyph(doc, 'a', 4, 6);
  draw(doc, 'a', {"....", ".##.", "..##", "#..#", ".###", "...."});
  fonttest::add_glyph(doc, 'e', 4, 6);
  draw(doc, 'e', {"....", ".##.", "#..#", "###.", ".##.", "...."});
  EDITLOG_AddLine("* Initial font height:  6");
  EDITLOG_AddLine("* Range enabled:        0041 - 0042");
  return doc;
}

// Standard antialiased 4 bpp, height 3, two codes of odd widths.
FontDoc* aa4_font() {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_AA4, 3);
  fonttest::add_glyph(doc, 0x30, 3, 3);
  draw(doc, 0x30, {"9.9", "...", "9.9"});
  FONT_SetPixel(doc, 0x30, 1, 0, 15);
  FONT_SetPixel(doc, 0x30, 0, 1, 15);
  FONT_SetPixel(doc, 0x30, 2, 1, 15);
  FONT_SetPixel(doc, 0x30, 1, 2, 15);
  fonttest::add_glyph(doc, 0x31, 2, 3);
  draw(doc, 0x31, {"17", "07", "37"});
  return doc;
}

// Extended framed, baseline 7, glyph boxes with positions and cursor distances.
FontDoc* framed_font() {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT_FRM, 10, 7);
  std::snprintf(doc->Lf.acFaceName, sizeof(doc->Lf.acFaceName), "Hand Frame");
  fonttest::add_glyph(doc, 0x41, 5, 6, 1, 6, 7);
  draw(doc, 0x41, {".....", "..#..", ".#.#.", ".###.", ".#.#.", "....."});
  FONT_ComputeFrame(doc, 0x41);
  fonttest::add_glyph(doc, 0x42, 9, 3, 0, 3, 11);
  draw(doc, 0x42, {".........", ".#######.", "........."});
  FONT_ComputeFrame(doc, 0x42);
  return doc;
}

TEST_F(Golden, StandardFontInEveryFormatAndBothCForms) {
  FontDoc* doc = standard_font();
  Check(doc, FONT_FORMAT_C, "std6.c");
  FontSaveOptions old;
  old.Compatibility = 1;
  old.MagX = 2;
  Check(doc, FONT_FORMAT_C, "std6_old_mag2x1.c", old);
  FontSaveOptions quiet;
  quiet.SuppressLogging = 1;
  quiet.MagY = 2;
  Check(doc, FONT_FORMAT_C, "std6_nolog_mag1x2.c", quiet);
  Check(doc, FONT_FORMAT_SIF, "std6.sif");
  Check(doc, FONT_FORMAT_XBF, "std6.xbf");
  FONT_Destroy(doc);
}

TEST_F(Golden, AntialiasedFontAsCAndSif) {
  FontDoc* doc = aa4_font();
  Check(doc, FONT_FORMAT_C, "aa4_3.c");
  Check(doc, FONT_FORMAT_SIF, "aa4_3.sif");
  FONT_Destroy(doc);
}

TEST_F(Golden, FramedExtendedFontInEveryFormat) {
  FontDoc* doc = framed_font();
  Check(doc, FONT_FORMAT_C, "frm10.c");
  FontSaveOptions old;
  old.Compatibility = 1;
  Check(doc, FONT_FORMAT_C, "frm10_old.c", old);
  Check(doc, FONT_FORMAT_SIF, "frm10.sif");
  FontSaveOptions mag;
  mag.MagX = 2;
  mag.MagY = 3;
  Check(doc, FONT_FORMAT_XBF, "frm10_mag2x3.xbf", mag);
  Check(doc, FONT_FORMAT_XBF, "frm10.xbf");
  FONT_Destroy(doc);
}

}  // namespace
