// Generation beyond the plain cases: internal antialiasing at its size limit, and
// styles a family has no face for, synthesised as fontconfig asks.
#include <gtest/gtest.h>

#include "font/support/generated_font.h"

namespace {

struct GeneratorLimits : ::testing::Test {
  fonttest::HostScope scope;
  void SetUp() override {
    fonttest::init_tables();
    fonttest::generator_tables();
    FONTGEN_SetOptions(FontGenOptions{});
  }
};

// Lowest row of a standard glyph that holds ink; -1 without ink.
int lowest_ink_row(FontDoc* doc, unsigned code) {
  FONT_RenderChar(doc, code);
  for (int y = FONT_PlaneRows(doc, code) - 1; y >= 0; --y)
    for (int x = 0; x < doc->aChar[code].Width; ++x)
      if (FONT_GetPixel(doc, code, x, y)) return y;
  return -1;
}

TEST_F(GeneratorLimits, InternalAntialiasingAbove256PixelsIsRefusedNotCut) {
  FontDoc* doc = fonttest::make_font(FONT_TYPE_AA4, 300, FONT_ENC_UNICODE, FONT_AA_INTERNAL);
  EXPECT_EQ(doc, nullptr);
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Text,
            "Internal antialiasing creates fonts of at most 256 pixels height; this font would be 300 pixels "
            "high. Use the antialiasing of the operating system (OS) instead.");
  FONT_Destroy(doc);

  // At the limit every glyph spans the whole cell; 'g' reaches below the baseline.
  doc = fonttest::make_font(FONT_TYPE_AA2, 256, FONT_ENC_UNICODE, FONT_AA_INTERNAL);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Height, 256);
  FontDoc* os = fonttest::make_font(FONT_TYPE_AA2, 256, FONT_ENC_UNICODE, FONT_AA_OS);
  ASSERT_NE(os, nullptr);
  const int bottom = lowest_ink_row(doc, 'g');
  EXPECT_EQ(FONT_PlaneRows(doc, 'g'), 256);
  EXPECT_NEAR(bottom, lowest_ink_row(os, 'g'), 2);
  EXPECT_GT(bottom, 200);
  FONT_Destroy(os);
  FONT_Destroy(doc);
  EXPECT_EQ(scope.Host.Warnings.size(), 1u);
}

struct Ink {
  int Count = 0;
  double TopX = 0, BottomX = 0;  // mean x of the ink in the top and the bottom quarter
};

// Ink of an Extended glyph of IPAGothic in the given style.
Ink ink_of(int weight, bool italic, unsigned code) {
  FontDoc* doc = FONTGEN_CreateDocument(fonttest::log_font("IPAGothic", 40, weight, italic), FONT_TYPE_EXT,
                                        FONT_ENC_UNICODE, FONT_AA_OS);
  Ink ink;
  if (!doc) return ink;
  FONT_RenderChar(doc, code);
  const int rows = FONT_PlaneRows(doc, code);
  int top = 0, bottom = 0;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < doc->aChar[code].Width; ++x) {
      if (!FONT_GetPixel(doc, code, x, y)) continue;
      ++ink.Count;
      if (y < rows / 4) {
        ink.TopX += x;
        ++top;
      } else if (y >= rows - rows / 4) {
        ink.BottomX += x;
        ++bottom;
      }
    }
  if (top) ink.TopX /= top;
  if (bottom) ink.BottomX /= bottom;
  FONT_Destroy(doc);
  return ink;
}

TEST_F(GeneratorLimits, MissingBoldAndItalicFacesAreSynthesised) {
  if (!FONTGEN_FaceExists("IPAGothic")) GTEST_SKIP() << "IPAGothic is not installed";
  const Ink regular = ink_of(400, false, 'I');
  const Ink bold = ink_of(700, false, 'I');
  const Ink boldItalic = ink_of(700, true, 'I');
  const Ink thin = ink_of(100, false, 'I');
  ASSERT_GT(regular.Count, 0);
  // Emboldening widens the stem by about 1/24 em on a 40-pixel cell.
  EXPECT_GT(bold.Count, regular.Count * 11 / 10);
  EXPECT_NEAR(regular.TopX, regular.BottomX, 0.5);
  EXPECT_NEAR(bold.TopX, bold.BottomX, 0.5);
  // The slant moves the top of the stem to the right of its foot.
  EXPECT_GT(boldItalic.TopX - boldItalic.BottomX, 3.0);
  EXPECT_GT(boldItalic.Count, regular.Count * 11 / 10);
  // Nothing is asked for a lighter weight: the regular face as it is.
  EXPECT_EQ(thin.Count, regular.Count);
}

}  // namespace
