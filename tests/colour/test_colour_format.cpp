// Colour formats: hand-worked conversions and index round trips.
#include <gtest/gtest.h>

#include "colour/colour_format.h"

namespace {

ColorValue rgb(unsigned r, unsigned g, unsigned b) { return COLOR_Make(r, g, b); }

TEST(ColourFormat, GreyAndBlackWhiteThresholds) {
  EXPECT_EQ(COLOR_FORMAT_GRAY64.pfColor2Index(rgb(255, 255, 255)), 63u);
  EXPECT_EQ(COLOR_FORMAT_GRAY64.pfIndex2Color(63), 0xFFFFFFu);
  EXPECT_EQ(COLOR_FORMAT_GRAY64.pfColor2Index(0), 0u);
  EXPECT_EQ(COLOR_FORMAT_BW.pfColor2Index(rgb(127, 127, 127)), 0u);
  EXPECT_EQ(COLOR_FORMAT_BW.pfColor2Index(rgb(128, 127, 127)), 1u);
  EXPECT_EQ(COLOR_FORMAT_BW.pfIndex2Color(1), 0xFFFFFFu);
  EXPECT_EQ(COLOR_FORMAT_GRAY4.pfIndex2Color(2), 0xAAAAAAu);
  EXPECT_EQ(COLOR_FORMAT_GRAY16.pfColor2Index(rgb(255, 255, 255)), 15u);
  EXPECT_EQ(COLOR_FORMAT_GRAY256.pfColor2Index(rgb(10, 20, 31)), 20u);
  EXPECT_EQ(COLOR_FORMAT_111.pfColor2Index(rgb(128, 0, 200)), 5u);
}

TEST(ColourFormat, Cube8666) {
  EXPECT_EQ(COLOR_FORMAT_8666.pfColor2Index(rgb(17, 17, 17)), 121u);
  EXPECT_EQ(COLOR_FORMAT_8666.pfColor2Index(rgb(255, 0, 0)), 5u);
  EXPECT_EQ(COLOR_FORMAT_8666.pfColor2Index(rgb(0, 0, 255)), 220u);
  EXPECT_EQ(COLOR_FORMAT_8666.pfIndex2Color(140), 0u);
  EXPECT_EQ(COLOR_FORMAT_8666.pfIndex2Color(220), rgb(0, 0, 255));
  EXPECT_EQ(COLOR_FORMAT_8666.pfIndex2Color(125), 0x555555u);
}

TEST(ColourFormat, HighColourAnd444) {
  EXPECT_EQ(COLOR_FORMAT_565.pfColor2Index(rgb(255, 255, 255)), 0xFFFFu);
  EXPECT_EQ(COLOR_FORMAT_565.pfColor2Index(rgb(37, 0, 0)), 5u);
  EXPECT_EQ(COLOR_FORMAT_M565.pfColor2Index(rgb(37, 0, 0)), 5u << 11);
  EXPECT_EQ(COLOR_FORMAT_555.pfIndex2Color(11), rgb(91, 0, 0));
  EXPECT_EQ(COLOR_FORMAT_444_16.pfColor2Index(rgb(255, 255, 255)), 0x7BDEu);
  EXPECT_EQ(COLOR_FORMAT_444_12_1.pfColor2Index(rgb(255, 255, 255)), 0xFFF0u);
  EXPECT_EQ(COLOR_FORMAT_444_12.pfColor2Index(rgb(0x11, 0x22, 0x33)), 0x321u);
  EXPECT_EQ(COLOR_FORMAT_M444_12.pfColor2Index(rgb(0x11, 0x22, 0x33)), 0x123u);
  EXPECT_EQ(COLOR_FORMAT_RGB.pfColor2Index(0xFF0000FFu), 0x0000FFu);
  EXPECT_EQ(COLOR_FORMAT_565.pfIndex2Color(0xFFFF) >> 24, 0u);
}

// Every index a format produces survives index -> colour -> index. Gray64 is left out:
// its level expansion (index * 255 / 63) and reduction ((R + G + B) * 63 / 765) both
// round down, so most of its indices come back one lower.
TEST(ColourFormat, IndicesRoundTrip) {
  const ColorFormat* formats[] = {
      &COLOR_FORMAT_BW,       &COLOR_FORMAT_GRAY4,      &COLOR_FORMAT_GRAY16,
      &COLOR_FORMAT_GRAY256,  &COLOR_FORMAT_111,        &COLOR_FORMAT_222,        &COLOR_FORMAT_233,
      &COLOR_FORMAT_323,      &COLOR_FORMAT_332,        &COLOR_FORMAT_444_12,     &COLOR_FORMAT_555,
      &COLOR_FORMAT_565,      &COLOR_FORMAT_444_12_1,   &COLOR_FORMAT_444_16,     &COLOR_FORMAT_M444_12,
      &COLOR_FORMAT_M444_12_1, &COLOR_FORMAT_M444_16,   &COLOR_FORMAT_M555,       &COLOR_FORMAT_M565};
  for (const ColorFormat* f : formats) {
    // Collect the indices actually produced from a sweep of colours, then round-trip them.
    for (unsigned r = 0; r < 256; r += 17)
      for (unsigned g = 0; g < 256; g += 15)
        for (unsigned b = 0; b < 256; b += 51) {
          uint32_t i = f->pfColor2Index(rgb(r, g, b));
          ASSERT_LE(i, f->pfGetIndexMask());
          ASSERT_EQ(f->pfColor2Index(f->pfIndex2Color(i)), i) << "index " << i;
        }
  }
  for (uint32_t i = 0; i < 256; ++i) {
    if ((i >= 108 && i < 120) || (i >= 136 && i < 148)) continue;  // unused slots read as black
    ColorValue c = COLOR_FORMAT_8666.pfIndex2Color(i);
    bool grey = COLOR_Red(c) == COLOR_Green(c) && COLOR_Green(c) == COLOR_Blue(c);
    if (grey && (i < 120 || i > 135)) continue;  // cube greys are found on the grey ramp
    EXPECT_EQ(COLOR_FORMAT_8666.pfColor2Index(COLOR_FORMAT_8666.pfIndex2Color(i)), i);
  }
}

}  // namespace
