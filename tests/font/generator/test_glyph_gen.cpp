// Glyph generation from the installed DejaVu fonts: heights, types, antialiasing
// tables, extended metrics and the framed margin.
#include <gtest/gtest.h>

#include "font/model/edit_log.h"
#include "font/support/generated_font.h"

namespace {

struct GlyphGen : ::testing::Test {
  fonttest::HostScope scope;
  void SetUp() override {
    fonttest::init_tables();
    fonttest::generator_tables();
    FONTGEN_SetOptions(FontGenOptions{});
  }
};

TEST_F(GlyphGen, GammaAndShadeTablesFromTheirFormulas) {
  const int g2[4] = {0, 164, 216, 255};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(FONTGEN_GammaLevel(4, i), g2[i]);
  EXPECT_EQ(FONTGEN_GammaLevel(16, 1), 86);
  EXPECT_EQ(FONTGEN_GammaLevel(16, 14), 248);
  FontGenOptions gamma;
  gamma.EnableGamma = true;
  FONTGEN_SetOptions(gamma);
  // Level boundaries at the midpoints: 0..81 -> 3, 82..189 -> 2, 190..234 -> 1, 235.. -> 0.
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 81), 3);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 82), 2);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 189), 2);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 190), 1);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 235), 0);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA4, 42), 15);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA4, 43), 14);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA4, 251), 0);
  FONTGEN_SetOptions(FontGenOptions{});
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 64), 2);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA2, 63), 3);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_AA4, 17), 14);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_EXT_AA4, 8), 15);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_EXT_AA4, 9), 14);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_EXT_AA4, 255), 0);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_STD, 254), 1);
  EXPECT_EQ(FONTGEN_GreyToValue(FONT_TYPE_STD, 255), 0);
  EXPECT_EQ(FONTGEN_ValueToColour(FONT_TYPE_AA2, 1), 0xBFBFBFu);
  EXPECT_EQ(FONTGEN_ValueToColour(FONT_TYPE_AA4, 10), 0x767676u);
  EXPECT_EQ(FONTGEN_ValueToColour(FONT_TYPE_EXT_FRM, -1), 0xFFFF80u);
  EXPECT_EQ(FONTGEN_ValueToColour(FONT_TYPE_STD, 1), 0u);
}

TEST_F(GlyphGen, ChooserHeightRules) {
  EXPECT_EQ(FONTGEN_LogicalHeight(FONT_TYPE_STD, 16), 16);
  EXPECT_EQ(FONTGEN_LogicalHeight(FONT_TYPE_EXT_FRM, 16), 14);
  EXPECT_EQ(FONTGEN_LogicalHeight(FONT_TYPE_EXT_FRM, 1), 1);
  EXPECT_EQ(FONTGEN_EffectiveAAMode(FONT_TYPE_EXT_AA2, FONT_AA_INTERNAL), FONT_AA_OS);
  EXPECT_EQ(FONTGEN_EffectiveAAMode(FONT_TYPE_AA2, FONT_AA_INTERNAL), FONT_AA_INTERNAL);
}

TEST_F(GlyphGen, CellHeightIsTheLogicalHeightAndFramedAddsTwo) {
  FontDoc* doc = fonttest::make_font(FONT_TYPE_STD, 16);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Height, 16);
  EXPECT_EQ(doc->NumBlocks, 4096);
  EXPECT_TRUE(doc->aChar['A'].Enabled);
  EXPECT_FALSE(doc->aChar['A'].Generated);  // rendered lazily
  EXPECT_STREQ(EDITLOG_GetText(), "* Initial font height:  16                                           *\r\n");
  FONT_RenderChar(doc, 'A');
  EXPECT_TRUE(doc->aChar['A'].Generated);
  EXPECT_GT(doc->aChar['A'].Width, 5);
  EXPECT_EQ(FONT_PlaneRows(doc, 'A'), 16);
  FONT_Destroy(doc);
  FontDoc* frm = fonttest::make_font(FONT_TYPE_EXT_FRM, FONTGEN_LogicalHeight(FONT_TYPE_EXT_FRM, 16));
  ASSERT_NE(frm, nullptr);
  EXPECT_EQ(frm->Lf.Height, 14);
  EXPECT_EQ(frm->Height, 16);
  FONT_Destroy(frm);
}

TEST_F(GlyphGen, FramedGlyphHasAMarginForItsFrame) {
  FontDoc* frm = fonttest::make_font(FONT_TYPE_EXT_FRM, 14);
  FontDoc* ext = fonttest::make_font(FONT_TYPE_EXT, 14);
  ASSERT_NE(frm, nullptr);
  ASSERT_NE(ext, nullptr);
  FONT_RenderChar(frm, 'H');
  FONT_RenderChar(ext, 'H');
  const FontChar &f = frm->aChar['H'], &e = ext->aChar['H'];
  EXPECT_EQ(f.Width, e.Width + 2);
  EXPECT_EQ(f.GlyphHeight, e.GlyphHeight + 2);
  EXPECT_EQ(f.CursorDist, e.CursorDist + 2);
  for (int y = 0; y < e.GlyphHeight; ++y)
    for (int x = 0; x < e.Width; ++x)
      ASSERT_EQ(FONT_GetPixel(frm, 'H', x + 1, y + 1) > 0, FONT_GetPixel(ext, 'H', x, y) > 0);
  // The border rows and columns hold only frame pixels, and the frame touches all four.
  bool sides[4] = {false, false, false, false};
  for (int x = 0; x < f.Width; ++x) {
    EXPECT_LE(FONT_GetPixel(frm, 'H', x, 0), 0);
    sides[0] |= FONT_GetPixel(frm, 'H', x, 0) == -1;
    sides[1] |= FONT_GetPixel(frm, 'H', x, f.GlyphHeight - 1) == -1;
  }
  for (int y = 0; y < f.GlyphHeight; ++y) {
    sides[2] |= FONT_GetPixel(frm, 'H', 0, y) == -1;
    sides[3] |= FONT_GetPixel(frm, 'H', f.Width - 1, y) == -1;
  }
  EXPECT_TRUE(sides[0] && sides[1] && sides[2] && sides[3]);
  FONT_Destroy(frm);
  FONT_Destroy(ext);
}

TEST_F(GlyphGen, ExtendedBlankGlyphAndArabicMark) {
  FontDoc* doc = fonttest::make_font(FONT_TYPE_EXT, 16);
  ASSERT_NE(doc, nullptr);
  FONT_RenderChar(doc, ' ');
  const FontChar& sp = doc->aChar[' '];
  EXPECT_EQ(sp.Width, 1);
  EXPECT_EQ(sp.GlyphHeight, 1);
  EXPECT_GT(sp.CursorDist, 2);
  EXPECT_EQ(FONT_GetPixel(doc, ' ', 0, 0), 0);
  ASSERT_TRUE(doc->aChar[0x64B].Available);
  FONT_RenderChar(doc, 0x64B);
  EXPECT_EQ(doc->aChar[0x64B].CursorDist, 0);
  FONT_RenderChar(doc, 'g');  // a descender: top above baseline smaller than the height
  EXPECT_LT(doc->aChar['g'].TopAboveBaseline, doc->aChar['g'].GlyphHeight);
  EXPECT_EQ(doc->Baseline, 13);  // DejaVu Sans: winAscent 1901 of a 2384-unit cell, 16 px
  FONT_Destroy(doc);
}

TEST_F(GlyphGen, AntialiasedTypesUseTheirFullRange) {
  for (int type : {FONT_TYPE_AA2, FONT_TYPE_AA4, FONT_TYPE_EXT_AA2, FONT_TYPE_EXT_AA4}) {
    for (int mode : {FONT_AA_OS, FONT_AA_INTERNAL}) {
      FontDoc* doc = fonttest::make_font(type, 20, FONT_ENC_UNICODE, mode);
      ASSERT_NE(doc, nullptr);
      FONT_RenderChar(doc, 'O');
      int max = 0, mid = 0;
      for (int y = 0; y < FONT_PlaneRows(doc, 'O'); ++y)
        for (int x = 0; x < doc->aChar['O'].Width; ++x) {
          int v = FONT_GetPixel(doc, 'O', x, y);
          max = std::max(max, v);
          mid += v > 0 && v < FONT_MaxPixelValue(type);
        }
      EXPECT_EQ(max, FONT_MaxPixelValue(type)) << type << "/" << mode;
      EXPECT_GT(mid, 4) << type << "/" << mode;  // grey edges
      if (mode == FONT_AA_INTERNAL && type <= FONT_TYPE_AA4) {
        EXPECT_EQ(doc->Height, 20);
      }
      FONT_Destroy(doc);
    }
  }
}

TEST_F(GlyphGen, EightBitFontAndFailures) {
  FontDoc* iso = fonttest::make_font(FONT_TYPE_STD, 12, FONT_ENC_ISO8859);
  ASSERT_NE(iso, nullptr);
  EXPECT_EQ(iso->NumBlocks, 16);
  EXPECT_TRUE(iso->aChar[0xE9].Enabled);
  FONT_RenderChar(iso, 0xE9);
  EXPECT_GT(iso->aChar[0xE9].Width, 0);
  FONT_Destroy(iso);
  EXPECT_TRUE(FONTGEN_FaceExists("DejaVu Sans"));
  EXPECT_FALSE(FONTGEN_FaceExists("dejavu sans"));
  EXPECT_FALSE(FONTGEN_FaceExists("No Such Face"));
  EXPECT_EQ(fonttest::make_font(FONT_TYPE_STD, 5000), nullptr);  // beyond the working surface
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Text, "Could not create font!");
}

TEST_F(GlyphGen, NegativeHeightIsTheEmSize) {
  FontDoc* em = fonttest::make_font(FONT_TYPE_STD, -16);
  ASSERT_NE(em, nullptr);
  EXPECT_EQ(em->Height, 19);  // DejaVu Sans cell is 2384 / 2048 em
  FONT_Destroy(em);
}

}  // namespace
