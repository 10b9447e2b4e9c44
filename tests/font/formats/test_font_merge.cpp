// Merge of a font read from a file into the current font, on hand-made documents.
#include <gtest/gtest.h>

#include "font/formats/font_merge.h"
#include "font/support/font_test_util.h"

namespace {

using fonttest::add_glyph;
using fonttest::make_manual;

struct Docs {
  FontDoc* Current;
  FontDoc* File;
  ~Docs() {
    FONT_Destroy(Current);
    FONT_Destroy(File);
  }
};


TEST(FontMerge, SizeIsCheckedBeforeTypeAndNothingChangesOnEitherMessage) {
  Docs d{make_manual(FONT_TYPE_STD, 16), make_manual(FONT_TYPE_EXT, 17)};
  add_glyph(d.File, 'A', 3, 17);
  EXPECT_STREQ(FONTMERGE_Merge(d.Current, d.File), "Merging fonts does not work with different font sizes!");
  d.File->Height = 16;
  EXPECT_STREQ(FONTMERGE_Merge(d.Current, d.File), "Merging fonts does not work with different font types!");
  EXPECT_EQ(d.Current->aChar['A'].Enabled, 0);
  EXPECT_EQ(d.Current->aChar['A'].Width, 0);
  EXPECT_EQ(d.Current->UsedBlocks, 0);
}

TEST(FontMerge, FileGlyphReplacesTheCurrentOneWholeAndOthersStay) {
  Docs d{make_manual(FONT_TYPE_EXT, 10, 8), make_manual(FONT_TYPE_EXT, 10, 7)};
  add_glyph(d.Current, 'A', 6, 8, 1, 8, 7);
  for (int x = 0; x < 6; ++x) FONT_SetPixel(d.Current, 'A', x, 0, 1);
  add_glyph(d.Current, 'B', 4, 5, 0, 5, 5);
  FONT_SetPixel(d.Current, 'B', 2, 2, 1);
  add_glyph(d.File, 'A', 3, 2, -1, 6, 4);
  FONT_SetPixel(d.File, 'A', 2, 1, 1);
  add_glyph(d.File, 0x2190, 9, 3, 0, 3, 10);
  FONT_SetPixel(d.File, 0x2190, 8, 2, 1);
  d.File->aChar[0x2190].Available = 0;  // flags are copied as they are
  const std::vector<int> before = fonttest::glyph_pixels(d.Current, 'B');

  ASSERT_EQ(FONTMERGE_Merge(d.Current, d.File), nullptr);

  const FontChar& a = d.Current->aChar['A'];
  EXPECT_EQ(a.Width, 3);
  EXPECT_EQ(a.GlyphHeight, 2);
  EXPECT_EQ(a.XPos, -1);
  EXPECT_EQ(a.TopAboveBaseline, 6);
  EXPECT_EQ(a.CursorDist, 4);
  EXPECT_EQ(fonttest::glyph_pixels(d.Current, 'A'), (std::vector<int>{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(fonttest::glyph_pixels(d.Current, 'B'), before);
  EXPECT_EQ(d.Current->aChar['B'].Width, 4);
  const FontChar& arrow = d.Current->aChar[0x2190];
  EXPECT_EQ(arrow.Enabled, 1);
  EXPECT_EQ(arrow.Generated, 1);
  EXPECT_EQ(arrow.Available, 0);
  EXPECT_EQ(d.Current->aBlock[0x2190 >> 4].Used, 1);
  EXPECT_EQ(FONT_GetPixel(d.Current, 0x2190, 8, 2), 1);
  // Font-wide values stay those of the current font; the file's font is unchanged.
  EXPECT_EQ(d.Current->Baseline, 8);
  EXPECT_EQ(d.File->aChar['A'].Width, 3);
  EXPECT_EQ(FONT_GetPixel(d.File, 'A', 2, 1), 1);
}

TEST(FontMerge, SameSizeGlyphIsOverwrittenNotOred) {
  Docs d{make_manual(FONT_TYPE_AA4, 3), make_manual(FONT_TYPE_AA4, 3)};
  add_glyph(d.Current, 'x', 2, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) FONT_SetPixel(d.Current, 'x', x, y, 15);
  add_glyph(d.File, 'x', 2, 3);
  FONT_SetPixel(d.File, 'x', 1, 2, 7);
  ASSERT_EQ(FONTMERGE_Merge(d.Current, d.File), nullptr);
  EXPECT_EQ(fonttest::glyph_pixels(d.Current, 'x'), (std::vector<int>{0, 0, 0, 0, 0, 7}));
}

TEST(FontMerge, StandardGlyphWithoutGlyphHeightTakesTheFontHeight) {
  // A Standard XBF font read back: its records carry no glyph height.
  Docs d{make_manual(FONT_TYPE_STD, 5), make_manual(FONT_TYPE_STD, 5)};
  add_glyph(d.File, '1', 3, 5);
  d.File->aChar['1'].GlyphHeight = 0;
  FONT_SetPixel(d.File, '1', 1, 4, 1);
  ASSERT_EQ(FONTMERGE_Merge(d.Current, d.File), nullptr);
  EXPECT_EQ(d.Current->aChar['1'].GlyphHeight, 5);
  EXPECT_EQ(FONT_PlaneRows(d.Current, '1'), 5);
  EXPECT_EQ(FONT_GetPixel(d.Current, '1', 1, 4), 1);
}

TEST(FontMerge, FramedGlyphKeepsItsFramePixels) {
  Docs d{make_manual(FONT_TYPE_EXT_FRM, 6), make_manual(FONT_TYPE_EXT_FRM, 6)};
  add_glyph(d.Current, 'o', 3, 3);
  FONT_SetPixel(d.Current, 'o', 0, 0, 1);  // same size: the old ink must not show through
  add_glyph(d.File, 'o', 3, 3);
  FONT_SetPixel(d.File, 'o', 1, 1, 1);
  FONT_ComputeFrame(d.File, 'o');
  ASSERT_EQ(FONTMERGE_Merge(d.Current, d.File), nullptr);
  EXPECT_EQ(fonttest::glyph_pixels(d.Current, 'o'), (std::vector<int>{0, -1, 0, -1, 1, -1, 0, -1, 0}));
}

TEST(FontMerge, CharacterNotYetRenderedGetsPlanes) {
  // A generated font's glyph that was never drawn has no planes but may match in size.
  Docs d{make_manual(FONT_TYPE_EXT, 4), make_manual(FONT_TYPE_EXT, 4)};
  d.Current->aChar['q'].GlyphHeight = 4;
  add_glyph(d.File, 'q', 0, 4);
  d.File->aChar['q'].Width = 0;
  add_glyph(d.File, 'r', 2, 4);
  d.Current->aChar['r'].Width = 2;
  d.Current->aChar['r'].GlyphHeight = 4;
  FONT_SetPixel(d.File, 'r', 1, 3, 1);
  ASSERT_EQ(FONTMERGE_Merge(d.Current, d.File), nullptr);
  EXPECT_EQ(d.Current->aChar['q'].Enabled, 1);
  EXPECT_EQ(FONT_GetPixel(d.Current, 'r', 1, 3), 1);
}

}  // namespace
