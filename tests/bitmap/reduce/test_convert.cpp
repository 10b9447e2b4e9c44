// Convert to and dither to a colour format, reduce colours.
#include <gtest/gtest.h>

#include <iterator>
#include <set>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/image_test_util.h"

namespace {

struct ConvertTest : ::testing::Test {
  RecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    IMAGE_SetPreserveTrans(0);
  }
  void TearDown() override {
    IMAGE_SetPreserveTrans(0);
    HOST_Set(nullptr);
  }
};

ColorValue grey(unsigned g) { return COLOR_Make(g, g, g); }

}  // namespace

TEST_F(ConvertTest, PalettedTo565EqualsConvertingItsTrueColourVersion) {
  std::vector<ColorValue> pal = {0x123456, 0xFEDCBA, 0x0A0B0C, 0x808080};
  std::vector<uint8_t> idx = {0, 1, 2, 3, 3, 2, 1, 0, 1};
  ImageDocument* a = IMAGE_ConvertToFormat(make_paletted(3, 3, pal, idx), &COLOR_FORMAT_565);
  ImageDocument* b = IMAGE_ConvertToFormat(IMAGE_ToTrueColor(make_paletted(3, 3, pal, idx)), &COLOR_FORMAT_565);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->NumColors, 0);
  for (int i = 0; i < 9; ++i) {
    const ColorValue src = pal[idx[static_cast<size_t>(i)]];
    const ColorValue want = COLOR_FORMAT_565.pfIndex2Color(COLOR_FORMAT_565.pfColor2Index(src));
    EXPECT_EQ(IMAGE_GetIndex(a, i % 3, i / 3), want);
    EXPECT_EQ(IMAGE_GetIndex(b, i % 3, i / 3), want);
  }
  IMAGE_Free(a);
  IMAGE_Free(b);
}

TEST_F(ConvertTest, PaletteFormatGivesTheFormatsPaletteAndIndices) {
  ImageDocument* out = IMAGE_ConvertToFormat(make_true_colour(3, 1, {0, 0xFFFFFF, grey(100)}), &COLOR_FORMAT_GRAY4);
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->NumColors, 4);
  EXPECT_EQ(palette_of(out), (std::vector<ColorValue>{0, 0x555555, 0xAAAAAA, 0xFFFFFF}));
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 0u);
  EXPECT_EQ(IMAGE_GetIndex(out, 1, 0), 3u);
  EXPECT_EQ(IMAGE_GetIndex(out, 2, 0), 1u);  // (300 + 127) / 255
  IMAGE_Free(out);
}

TEST_F(ConvertTest, PreserveTransMakesTransparentPixelsIndexZero) {
  IMAGE_SetPreserveTrans(1);
  ImageDocument* out =
      IMAGE_ConvertToFormat(make_true_colour(3, 1, {0xFFFFFFFFu, 0, 0xFE000000u | 0xFFFFFF}), &COLOR_FORMAT_GRAY16);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 0u);   // transparent white
  EXPECT_EQ(IMAGE_GetIndex(out, 1, 0), 0u);   // black also lands on index 0
  EXPECT_EQ(IMAGE_GetIndex(out, 2, 0), 15u);  // almost transparent is not transparent
  IMAGE_Free(out);
  // Without the option the transparent white is white; a true-colour target stores
  // the colour of index 0, opaque.
  IMAGE_SetPreserveTrans(0);
  out = IMAGE_ConvertToFormat(make_true_colour(1, 1, {0xFFFFFFFFu}), &COLOR_FORMAT_GRAY16);
  EXPECT_EQ(out->HasTrans, 0);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 15u);
  IMAGE_Free(out);
  IMAGE_SetPreserveTrans(1);
  out = IMAGE_ConvertToFormat(make_true_colour(1, 1, {0xFF123456u}), &COLOR_FORMAT_565);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 0u);
  EXPECT_EQ(out->HasTrans, 1);
  IMAGE_Free(out);
}

TEST_F(ConvertTest, NullDocumentsWarn) {
  EXPECT_EQ(IMAGE_ConvertToFormat(nullptr, &COLOR_FORMAT_BW), nullptr);
  EXPECT_EQ(IMAGE_DitherToFormat(nullptr, &COLOR_FORMAT_BW), nullptr);
  EXPECT_EQ(IMAGE_ReduceColors(nullptr, 16), nullptr);
  ASSERT_EQ(Host.Warnings.size(), 3u);
  EXPECT_EQ(Host.Warnings[0].Text, "Internal error : No source bitmap. (hBitmap == 0)");
  EXPECT_EQ(Host.Warnings[1].Text, "Internal error : No source bitmap. (hBitmap == 0)");
  EXPECT_EQ(Host.Warnings[2].Text, "Internal error : pBitmapOrg == NULL");
}

TEST_F(ConvertTest, DitheringMidGreyToBwAlternatesAlongTheRow) {
  // 128 -> white, error -127; next gets -127 * 7 / 16 = -55 -> 73 -> black, error 73;
  // next 128 + 31 = 159 -> white, error -96; next 128 - 42 = 86 -> black.
  ImageDocument* out = IMAGE_DitherToFormat(make_true_colour(4, 1, std::vector<ColorValue>(4, grey(128))), &COLOR_FORMAT_BW);
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->NumColors, 2);
  const uint32_t expect[] = {1, 0, 1, 0};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(IMAGE_GetIndex(out, x, 0), expect[x]);
  IMAGE_Free(out);
}

TEST_F(ConvertTest, DitheringStartsAtTheBottomRow) {
  // Bottom 128 -> white, error -127; the pixel above gets -127 * 5 / 16 = -39 -> black.
  ImageDocument* out = IMAGE_DitherToFormat(make_true_colour(1, 2, {grey(128), grey(128)}), &COLOR_FORMAT_BW);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 0u);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 1), 1u);
  IMAGE_Free(out);
}

TEST_F(ConvertTest, DitherSharesRoundTowardZero) {
  // 70 -> Gray4 index 1 (85), error -15; -15 * 7 / 16 is -6 toward zero (-7 rounded
  // down), so the 49 beside it becomes 43, which is index 1 (42 would be index 0).
  ImageDocument* out = IMAGE_DitherToFormat(make_true_colour(2, 1, {grey(70), grey(49)}), &COLOR_FORMAT_GRAY4);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 1u);
  EXPECT_EQ(IMAGE_GetIndex(out, 1, 0), 1u);
  IMAGE_Free(out);
}

TEST_F(ConvertTest, DitheringFormatColoursChangesNothingAndMakesPixelsOpaque) {
  TestRng rng;
  const ColorFormat* const apFormat[] = {
      &COLOR_FORMAT_BW,  &COLOR_FORMAT_GRAY4, &COLOR_FORMAT_GRAY16, &COLOR_FORMAT_GRAY64, &COLOR_FORMAT_GRAY256,
      &COLOR_FORMAT_111, &COLOR_FORMAT_222,   &COLOR_FORMAT_233,    &COLOR_FORMAT_323,    &COLOR_FORMAT_332,
      &COLOR_FORMAT_444_12, &COLOR_FORMAT_8666, &COLOR_FORMAT_555,  &COLOR_FORMAT_565};
  for (int f = 0; f < static_cast<int>(std::size(apFormat)); ++f) {
    const ColorFormat* fmt = apFormat[f];
    const uint32_t mask = fmt->pfGetIndexMask();
    // Format colours that the format reproduces (Gray64 does not reproduce all of its own).
    std::vector<ColorValue> px;
    while (px.size() < 8 * 6) {
      const ColorValue c = fmt->pfIndex2Color(rng.Next() % (mask + 1));
      if (fmt->pfIndex2Color(fmt->pfColor2Index(c)) == c) px.push_back(c | (px.size() == 5 ? 0xFF000000u : 0));
    }
    ImageDocument* dithered = IMAGE_DitherToFormat(make_true_colour(8, 6, px), fmt);
    ImageDocument* converted = IMAGE_ConvertToFormat(make_true_colour(8, 6, px), fmt);
    ASSERT_TRUE(dithered && converted) << f;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) {
        ASSERT_EQ(IMAGE_GetIndex(dithered, x, y), IMAGE_GetIndex(converted, x, y)) << f;
        ASSERT_EQ(IMAGE_GetColor(dithered, x, y), px[static_cast<size_t>(y * 8 + x)] & 0xFFFFFF) << f;
      }
    IMAGE_Free(dithered);
    IMAGE_Free(converted);
  }
}

TEST_F(ConvertTest, ReduceTo16KeepsAtMost16AveragesAndMapsEachPixelToItsNearest) {
  std::vector<ColorValue> px;
  for (int i = 0; i < 1000; ++i) px.push_back(COLOR_Make(i % 10 * 25, i / 10 % 10 * 25, i / 100 * 25));
  ImageDocument* out = IMAGE_ReduceColors(make_true_colour(40, 25, px), 16);
  ASSERT_NE(out, nullptr);
  EXPECT_GE(out->NumColors, 2);
  EXPECT_LE(out->NumColors, 16);
  auto pal = palette_of(out);
  const ColorTable t = {out->NumColors, pal.data()};
  for (int i = 0; i < 1000; ++i)
    ASSERT_EQ(IMAGE_GetIndex(out, i % 40, i / 40), static_cast<uint32_t>(IMAGE_FindNearestColor(px[static_cast<size_t>(i)], &t)));
  // Every entry is an average of image colours: each channel a mean of multiples of 25
  // lies within the image's range and the entries differ.
  EXPECT_EQ(std::set<ColorValue>(pal.begin(), pal.end()).size(), pal.size());
  for (ColorValue c : pal) {
    EXPECT_LE(COLOR_Red(c), 225u);
    EXPECT_LE(COLOR_Blue(c), 225u);
  }
  IMAGE_Free(out);
}

TEST_F(ConvertTest, ReduceToFourOfAFewColoursKeepsThemAndTheirOrderInTheTree) {
  ImageDocument* out = IMAGE_ReduceColors(make_true_colour(3, 1, {0xFFFFFF, 0x000080, 0x000000}), 4);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(palette_of(out), (std::vector<ColorValue>{0x000000, 0x000080, 0xFFFFFF}));
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 2u);
  IMAGE_Free(out);
}
