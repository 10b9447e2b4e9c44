// Colour conversions, the colour chart and the palette view's geometry.
#include <gtest/gtest.h>

#include "viewer/colour_convert.h"

TEST(ColourConvert, ChannelsRoundTo5BitsAndBack) {
  EXPECT_EQ(VCOLOR_To5(0), 0u);
  EXPECT_EQ(VCOLOR_To5(255), 31u);
  EXPECT_EQ(VCOLOR_To5(4), 0u);    // (124 + 127) / 255 = 0
  EXPECT_EQ(VCOLOR_To5(5), 1u);    // (155 + 127) / 255 = 1
  EXPECT_EQ(VCOLOR_To5(128), 16u); // (3968 + 127) / 255 = 16
  EXPECT_EQ(VCOLOR_To555(0xFF8000), 0x7E00u);  // red 31 << 10 | green 16 << 5
  EXPECT_EQ(VCOLOR_From5(31), 255u);
  EXPECT_EQ(VCOLOR_From5(16), 132u);
  for (uint32_t c = 0; c < 32; ++c) EXPECT_EQ(VCOLOR_To5(VCOLOR_From5(c)), c);
  EXPECT_EQ(VCOLOR_SwapRB(0x7F123456), 0x563412u);
}

TEST(ColourConvert, ChartRowsRunToBlackAndToWhite) {
  uint32_t chart[VCOLOR_CHART_WIDTH * VCOLOR_CHART_HEIGHT];
  VCOLOR_Chart(chart);
  auto px = [&](int x, int y) { return chart[y * VCOLOR_CHART_WIDTH + x] & 0xFFFFFF; };
  // k = 0: black row, then a grey ramp to white.
  EXPECT_EQ(px(0, 0), 0u);
  EXPECT_EQ(px(0, 1), 0u);
  EXPECT_EQ(px(31, 1), 0xFFFFFFu);
  // k = 1 (red): full red down to black; red with green and blue rising to white.
  EXPECT_EQ(px(0, 2), 0xFF0000u);
  EXPECT_EQ(px(31, 2), 0u);
  EXPECT_EQ(px(1, 2), 0xF70000u);  // level 30
  EXPECT_EQ(px(0, 3), 0xFF0000u);
  EXPECT_EQ(px(31, 3), 0xFFFFFFu);
  // k = 6 (green and blue).
  EXPECT_EQ(px(0, 12), 0x00FFFFu);
  EXPECT_EQ(px(16, 13), 0x84FFFFu);
  // k = 7: white down to black.
  EXPECT_EQ(px(0, 14), 0xFFFFFFu);
  EXPECT_EQ(px(31, 15), 0xFFFFFFu);
}

TEST(ColourConvert, PaletteCellsAndSizes) {
  PaletteCell c = VCOLOR_PaletteCell(17);
  EXPECT_EQ(c.left, 12);
  EXPECT_EQ(c.top, 12);
  EXPECT_EQ(c.right, 20);
  EXPECT_EQ(c.bottom, 20);
  EXPECT_EQ(VCOLOR_PaletteCell(15).left, 152);
  EXPECT_EQ(VCOLOR_PaletteIndexAt(12, 19, 256), 17);
  EXPECT_EQ(VCOLOR_PaletteIndexAt(20, 12, 256), -1);  // gap between squares
  EXPECT_EQ(VCOLOR_PaletteIndexAt(12, 12, 17), -1);   // beyond numColors
  // 16 colours: one row, 10 + 29; 256: 16 rows.
  EXPECT_EQ(VCOLOR_PaletteOuterHeight(16), 39);
  EXPECT_EQ(VCOLOR_PaletteOuterHeight(17), 49);
  EXPECT_EQ(VCOLOR_PaletteOuterHeight(256), 189);
  EXPECT_TRUE(VCOLOR_UsesPalette(16));
  EXPECT_TRUE(VCOLOR_UsesPalette(256));
  EXPECT_FALSE(VCOLOR_UsesPalette(65536));
  EXPECT_FALSE(VCOLOR_UsesPalette(0));
  EXPECT_FALSE(VCOLOR_UsesPalette(-5));
}
