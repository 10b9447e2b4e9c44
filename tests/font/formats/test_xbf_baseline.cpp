// A Standard XBF font carries no baseline: read back, the writers take it from 'a'
// even when the font has no 'e'.
#include <gtest/gtest.h>

#include "font/formats/font_save.h"
#include "font/formats/xbf_reader.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"

namespace {

TEST(StandardXbfBaseline, ReadBackWithoutETakesTheBaselineFromA) {
  TempDir dir;
  fonttest::HostScope scope;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 8);
  fonttest::add_glyph(doc, 'a', 4, 8);
  FONT_SetPixel(doc, 'a', 1, 3, 1);
  FONT_SetPixel(doc, 'a', 1, 5, 1);  // lowest ink row 5: baseline 6
  fonttest::add_glyph(doc, 'A', 4, 8);
  FONT_SetPixel(doc, 'A', 0, 1, 1);
  const std::string xbf = dir / "std.xbf";
  FONT_SetPath(doc, xbf.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, FontSaveOptions{}), FONTSAVE_OK);
  FONT_Destroy(doc);

  FontDoc* back = XBF_Read(xbf.c_str(), XbfReadOptions{});
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Baseline, 0);
  EXPECT_EQ(back->aChar['e'].Available, 0);
  const std::string c = dir / "std.c";
  FONT_SetPath(back, c.c_str());
  ASSERT_EQ(FONTSAVE_Save(back, FONT_FORMAT_C, false, FontSaveOptions{}), FONTSAVE_OK);
  const std::string text = fonttest::slurp(c);
  EXPECT_NE(text.find("  ,6 /* Baseline */\r\n"), std::string::npos);
  const std::string sif = dir / "std.sif";
  FONT_SetPath(back, sif.c_str());
  ASSERT_EQ(FONTSAVE_Save(back, FONT_FORMAT_SIF, false, FontSaveOptions{}), FONTSAVE_OK);
  EXPECT_EQ(fonttest::slurp(sif)[8], 6);
  // Without 'a' there is nothing to take it from.
  FONT_SetEnabled(back, 'a', 0);
  back->aChar['a'].Available = 0;
  FONT_SetPath(back, c.c_str());
  ASSERT_EQ(FONTSAVE_Save(back, FONT_FORMAT_C, false, FontSaveOptions{}), FONTSAVE_OK);
  EXPECT_NE(fonttest::slurp(c).find("  ,0 /* Baseline */"), std::string::npos);
  FONT_Destroy(back);
  EXPECT_TRUE(scope.Host.Warnings.empty());
}

}  // namespace
