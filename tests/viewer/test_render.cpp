// Layer sources, zoomed drawing with the grid, and the colour drawn under a point.
#include <gtest/gtest.h>

#include "tests/viewer/synthetic_block.h"
#include "viewer/render.h"

TEST(Render, IndexedLayersGoThroughTheColourTable) {
  SyntheticBlock b(3, 2, 8, 5, 3);
  b.SetColor(7, 0x123456);
  b.SetPixel(2, 1, 7);
  b.Set(BLOCK_XORG, 2);
  b.Set(BLOCK_YORG, 1);
  ShmemState s;
  attach_blocks(&s, {&b});
  std::vector<uint32_t> scratch;
  PixelSource src;
  ASSERT_TRUE(RENDER_LayerSource(&s, 0, false, &scratch, &src));
  EXPECT_EQ(src.width, 3);
  EXPECT_EQ(src.height, 2);
  EXPECT_EQ(src.pixels[0] & 0xFFFFFF, 0x123456u);  // virtual (2, 1)
  ASSERT_TRUE(RENDER_LayerSource(&s, 0, true, &scratch, &src));
  EXPECT_EQ(src.width, 5);
  EXPECT_EQ(src.pixels[1 * src.strideWords + 2] & 0xFFFFFF, 0x123456u);
  EXPECT_FALSE(RENDER_LayerSource(&s, 1, false, &scratch, &src));
}

TEST(Render, LiveOriginIsBoundedToTheBuffer) {
  SyntheticBlock b(2, 2, 32, 4, 3);
  b.Set(BLOCK_XORG, 1000);
  b.Set(BLOCK_YORG, -7);
  ShmemState s;
  attach_blocks(&s, {&b});
  int x, y;
  RENDER_VisibleOrigin(&s, 0, &x, &y);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 0);
  // 32-bit layers are referenced in place, at the origin.
  std::vector<uint32_t> scratch;
  PixelSource src;
  ASSERT_TRUE(RENDER_LayerSource(&s, 0, false, &scratch, &src));
  EXPECT_TRUE(scratch.empty());
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(src.pixels), b.bytes.data() + BLOCK_PIXELS + 8);
}

TEST(Render, ZoomWithGridDrawsLinesEveryZoomPixels) {
  // 2 x 2 image at zoom 3 with grid into a 10 x 8 client.
  const uint32_t img[4] = {0x000001, 0x000002, 0x000003, 0x000004};
  PixelSource src{img, 2, 2, 2};
  const int W = 10, H = 8;
  std::vector<uint32_t> dst(W * H, 0xDEADBEEF);
  RENDER_Zoom(src, 0, 0, 3, true, 0x3F3F3F, dst.data(), W, H, W);
  auto px = [&](int x, int y) { return dst[y * W + x] & 0xFFFFFF; };
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      uint32_t expected;
      if ((x > 0 && x % 3 == 0) || (y > 0 && y % 3 == 0))
        expected = 0x3F3F3F;
      else if (x < 6 && y < 6)
        expected = img[(y / 3) * 2 + x / 3];
      else
        expected = 0;  // outside the image
      ASSERT_EQ(px(x, y), expected) << x << "," << y;
      ASSERT_EQ(RENDER_DrawnColourAt(src, 0, 0, 3, true, 0x3F3F3F, x, y), expected) << x << "," << y;
    }
}

TEST(Render, ZoomWithoutGridHonoursScroll) {
  const uint32_t img[6] = {1, 2, 3, 4, 5, 6};  // 3 x 2
  PixelSource src{img, 3, 2, 3};
  const int W = 5, H = 3;
  std::vector<uint32_t> dst(W * H);
  RENDER_Zoom(src, 1, 1, 2, false, 0, dst.data(), W, H, W);
  const uint32_t expected[H][W] = {{5, 5, 6, 6, 0}, {5, 5, 6, 6, 0}, {0, 0, 0, 0, 0}};
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) EXPECT_EQ(dst[y * W + x] & 0xFFFFFF, expected[y][x]) << x << "," << y;
  // Scrolled entirely past the image: black.
  RENDER_Zoom(src, 9, 9, 2, false, 0, dst.data(), W, H, W);
  for (uint32_t p : dst) EXPECT_EQ(p & 0xFFFFFF, 0u);
}
