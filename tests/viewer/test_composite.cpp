// Composite rules on hand-worked pixels.
#include <gtest/gtest.h>

#include <climits>

#include "tests/viewer/synthetic_block.h"
#include "viewer/composite.h"

namespace {

uint32_t at(const CompositeBuffer& c, int x, int y) {
  return c.pixels[size_t(y) * c.width + x] & 0xFFFFFF;
}

struct TwoLayers : ::testing::Test {
  SyntheticBlock base{4, 4, 32};
  SyntheticBlock top{2, 2, 32};
  ShmemState s;
  CompositeBuffer out;
  void SetUp() override {
    base.Fill(0x00FF0000);  // red, alpha 0
    top.Fill(0x000000FF);   // blue
    base.Set(BLOCK_COMPOSITESIZE, 4 << 16 | 4);
    base.Set(BLOCK_BKCOLOR, 0x00332211);
    top.Set(BLOCK_LAYERX, 1);
    top.Set(BLOCK_LAYERY, 2);
    attach_blocks(&s, {&base, &top});
  }
};

TEST_F(TwoLayers, UpperLayerCoversItsRectangleOnly) {
  COMPOSITE_Render(&s, 0, &out);
  ASSERT_EQ(out.width, 4);
  ASSERT_EQ(out.height, 4);
  EXPECT_EQ(at(out, 1, 2), 0x0000FFu);
  EXPECT_EQ(at(out, 2, 3), 0x0000FFu);
  EXPECT_EQ(at(out, 0, 2), 0xFF0000u);
  EXPECT_EQ(at(out, 3, 3), 0xFF0000u);
  EXPECT_EQ(at(out, 1, 1), 0xFF0000u);
}

TEST_F(TwoLayers, InvisibleLayersFallThroughToBackground) {
  base.Set(BLOCK_LAYERVISIBLE, 0);
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 0, 0), 0x112233u);  // bkColor with red and blue exchanged
  EXPECT_EQ(at(out, 1, 2), 0x0000FFu);
  top.Set(BLOCK_LAYERVISIBLE, 0);
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 1, 2), 0x112233u);
}

TEST_F(TwoLayers, HalfAlphaMixesEquallyInBothConventions) {
  top.SetPixel(0, 0, 0x80FFFFFF);  // white at alpha 0x80 over red
  COMPOSITE_Render(&s, 0, &out);
  // D = 0x80: (255 * 128 + 255 * 128) / 256 = 255 red, (255 * 128) / 256 = 127 green.
  EXPECT_EQ(at(out, 1, 2), 0xFF7F7Fu);
  // Convention 1 (layer 0 made opaque with alpha 255): D = 255 - 128 = 127, green
  // (255 * 129) / 256 = 128.
  base.Fill(0xFFFF0000);
  COMPOSITE_Render(&s, 1, &out);
  EXPECT_EQ(at(out, 1, 2), 0xFF8080u);
  // In convention 1 alpha 0 pixels are almost fully transparent: D = 255.
  EXPECT_EQ(at(out, 2, 2), 0xFE0000u);  // blue 255 * 1 / 256 = 0, red 255 * 255 / 256 = 254
}

TEST_F(TwoLayers, ColourKeyIsInclusiveByteByByte) {
  top.Set(BLOCK_TRANSMODE, 1);
  top.Set(BLOCK_KEYLOW, 0x101010);
  top.Set(BLOCK_KEYHIGH, 0x303030);
  top.SetPixel(0, 0, 0x00102030);  // inside on every byte, bounds included
  top.SetPixel(1, 0, 0x00402030);  // red outside
  top.SetPixel(0, 1, 0x0030300F);  // blue below
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 1, 2), 0xFF0000u);
  EXPECT_EQ(at(out, 2, 2), 0x402030u);
  EXPECT_EQ(at(out, 1, 3), 0x30300Fu);
  // A keyed pixel of layer 0 shows the background.
  base.Set(BLOCK_TRANSMODE, 1);
  base.Set(BLOCK_KEYLOW, 0xFF0000);
  base.Set(BLOCK_KEYHIGH, 0xFF0000);
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 0, 0), 0x112233u);
}

TEST_F(TwoLayers, HostileLivePositionsReadNothingOutside) {
  for (int32_t v : {INT_MIN, -3, 1 << 30, INT_MAX}) {
    top.Set(BLOCK_XORG, v);
    top.Set(BLOCK_YORG, int32_t(0u - uint32_t(v)));
    top.Set(BLOCK_LAYERX, v);
    top.Set(BLOCK_LAYERY, v / 2);
    COMPOSITE_Render(&s, 0, &out);
    EXPECT_EQ(at(out, 0, 0), 0xFF0000u);
  }
  // The composite size is bounded, and zero falls back to display 0's visible size.
  base.Set(BLOCK_COMPOSITESIZE, -1);
  int w, h;
  COMPOSITE_Size(&s, &w, &h);
  EXPECT_EQ(w, COMPOSITE_MAX_SIDE);
  EXPECT_EQ(h, COMPOSITE_MAX_SIDE);
  base.Set(BLOCK_COMPOSITESIZE, 0);
  COMPOSITE_Size(&s, &w, &h);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 4);
}

TEST(Composite, OriginSelectsTheVisibleAreaOfTheVirtualBuffer) {
  SyntheticBlock base(3, 3, 32);
  SyntheticBlock layer(2, 2, 32, 4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) layer.SetPixel(x, y, uint32_t(0x10 * y + x));
  layer.Set(BLOCK_XORG, 2);
  layer.Set(BLOCK_YORG, 1);
  layer.Set(BLOCK_LAYERX, 1);
  layer.Set(BLOCK_LAYERY, 1);
  ShmemState s;
  attach_blocks(&s, {&base, &layer});
  CompositeBuffer out;
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 1, 1), 0x12u);  // virtual (2, 1)
  EXPECT_EQ(at(out, 2, 2), 0x23u);  // virtual (3, 2)
  EXPECT_EQ(at(out, 0, 0), 0u);
}

TEST(Composite, IndexedLayersUseTableAlphaAndIndexZero) {
  SyntheticBlock base(2, 1, 8);
  SyntheticBlock layer(2, 1, 8);
  base.SetColor(0, 0x000000);
  base.SetColor(1, 0x00FF00);
  base.SetPixel(0, 0, 0);
  base.SetPixel(1, 0, 1);
  layer.SetColor(0, 0xABCDEF);
  layer.SetColor(1, 0xFFFFFF);
  layer.SetPixel(0, 0, 0);
  layer.SetPixel(1, 0, 1);
  layer.Set(BLOCK_TRANSMODE, 2);
  layer.Set(BLOCK_LAYERALPHA, 64);
  ShmemState s;
  attach_blocks(&s, {&base, &layer});
  CompositeBuffer out;
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 0, 0), 0x000000u);  // index 0 of layer 1 is transparent
  // layerAlpha 64 over green: red/blue 255 * 192 / 256 = 191, green (255 * 192 + 255 * 64) / 256
  EXPECT_EQ(at(out, 1, 0), 0xBFFFBFu);
  COMPOSITE_Render(&s, 1, &out);  // convention 1: indexed pixels are opaque
  EXPECT_EQ(at(out, 1, 0), 0xFFFFFFu);
  // Index 0 on layer 0 is not transparent.
  base.Set(BLOCK_TRANSMODE, 2);
  base.SetColor(0, 0x123456);
  layer.Set(BLOCK_LAYERVISIBLE, 0);
  COMPOSITE_Render(&s, 0, &out);
  EXPECT_EQ(at(out, 0, 0), 0x123456u);
}

}  // namespace
