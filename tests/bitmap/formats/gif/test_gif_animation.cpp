// The frame walk of the animated sprite and cursor output: one pass over the file gives
// every frame exactly as a walk from the start of the file to that frame does.
#include <gtest/gtest.h>

#include <vector>

#include "bitmap/formats/gif/gif_animation.h"
#include "bitmap/formats/gif/gif_test_util.h"

namespace {

GifSpec::Frame frame(int w, int h, int seed, std::vector<uint32_t> local = {}) {
  GifSpec::Frame f;
  f.W = w;
  f.H = h;
  f.Local = std::move(local);
  const int colours = f.Local.empty() ? 4 : static_cast<int>(f.Local.size());
  for (int i = 0; i < w * h; ++i) f.Pixels.push_back(uint8_t((i * 5 + seed) % colours));
  return f;
}

// Frames with global and local tables, extensions that carry over to later frames, a
// transparent index that only the larger table of a later frame can show, a partial
// interlaced frame.
GifSpec varied() {
  GifSpec s;
  s.ScreenW = 6;
  s.ScreenH = 5;
  s.Global = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
  GifSpec::Frame f0 = frame(6, 5, 0);
  f0.Gce = 1;
  f0.Delay = 3;
  f0.Trans = 2;
  GifSpec::Frame f1 = frame(6, 5, 1, {0x111111, 0x222222});
  f1.Gce = 1;
  f1.Delay = 0;
  f1.Trans = 3;  // beyond this frame's two colours
  GifSpec::Frame f2 = frame(6, 5, 2, {0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 0x060606, 0x070707, 0x080808});
  GifSpec::Frame f3 = frame(3, 2, 3);  // no extension: the last one applies
  f3.Left = 2;
  f3.Top = 3;
  f3.Interlaced = true;
  GifSpec::Frame f4 = frame(6, 5, 4);
  f4.Gce = 1;
  f4.Delay = 12;
  s.Frames = {f0, f1, f2, f3, f4};
  return s;
}

struct FrameRecord {
  int Status;
  GifFrame Frame;
};

// Frame k by a walk from the start, as the file reader's parser does it.
FrameRecord from_start(const std::vector<uint8_t>& file, GifInfo* shared, int k) {
  FrameRecord r = {};
  r.Status = GIF_Parse(file.data(), shared, &r.Frame, k);
  return r;
}

void expect_same(const GifFrame& a, const GifFrame& b) {
  EXPECT_EQ(a.Delay, b.Delay);
  EXPECT_EQ(a.TransIndex, b.TransIndex);
  EXPECT_EQ(a.OwnPalette, b.OwnPalette);
  EXPECT_EQ(a.Colors, b.Colors);
  ASSERT_NE(a.pImage, nullptr);
  ASSERT_NE(b.pImage, nullptr);
  ASSERT_EQ(a.pImage->NumColors, b.pImage->NumColors);
  EXPECT_EQ(a.pImage->HasTrans, b.pImage->HasTrans);
  for (int i = 0; i < a.pImage->NumColors; ++i) EXPECT_EQ(IMAGE_GetPalColor(a.pImage, i), IMAGE_GetPalColor(b.pImage, i)) << i;
  ASSERT_EQ(a.pImage->XSize, b.pImage->XSize);
  ASSERT_EQ(a.pImage->YSize, b.pImage->YSize);
  for (int y = 0; y < a.pImage->YSize; ++y)
    for (int x = 0; x < a.pImage->XSize; ++x) ASSERT_EQ(IMAGE_GetIndex(a.pImage, x, y), IMAGE_GetIndex(b.pImage, x, y)) << x << "," << y;
}

}  // namespace

TEST(GifAnimation, OnePassGivesEachFrameAsAWalkFromTheStart) {
  const auto file = gif_build(varied());
  GifAnimation anim;
  ASSERT_EQ(GIFANIM_Open(&anim, file.data(), file.size()), GIF_OK);
  ASSERT_EQ(anim.Info.FrameCount, 5);
  EXPECT_EQ(anim.TotalDelay, 30u + 100u + 120u);

  GifInfo shared = {};
  shared.ByteCount = uint32_t(file.size());
  shared.FirstGlobalFrame = -1;
  shared.FrameCount = 5;
  shared.pfPalette = GIF_CleanUpPalette;
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    GifFrame got = {};
    ASSERT_EQ(GIFANIM_DecodeNext(&anim, &got), GIF_OK);
    FrameRecord want = from_start(file, &shared, k);
    ASSERT_EQ(want.Status, GIF_OK);
    expect_same(got, want.Frame);
    IMAGE_Free(got.pImage);
    IMAGE_Free(want.Frame.pImage);
  }
  EXPECT_EQ(anim.Info.FirstGlobalFrame, 0);
  GifFrame extra = {};
  EXPECT_NE(GIFANIM_DecodeNext(&anim, &extra), GIF_OK);  // no sixth frame
  EXPECT_EQ(extra.pImage, nullptr);
}

TEST(GifAnimation, WhatEachFrameGets) {
  const auto file = gif_build(varied());
  GifAnimation anim;
  ASSERT_EQ(GIFANIM_Open(&anim, file.data(), file.size()), GIF_OK);
  GifFrame f[5] = {};
  for (auto& fr : f) ASSERT_EQ(GIFANIM_DecodeNext(&anim, &fr), GIF_OK);
  EXPECT_EQ(f[0].Delay, 30u);
  EXPECT_EQ(f[1].Delay, 100u);  // delay 0 counts as 100 ms
  EXPECT_EQ(f[3].Delay, 100u);  // no extension of its own
  EXPECT_EQ(f[4].Delay, 120u);
  // The global table stays as the file has it, the transparent entry moved to index 0.
  EXPECT_EQ(f[0].pImage->NumColors, 4);
  EXPECT_EQ(f[0].pImage->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetPalColor(f[0].pImage, 0), 0xFFFFFFFFu);
  EXPECT_EQ(IMAGE_GetPalColor(f[0].pImage, 2), 0x302010u);
  // Local tables are cleaned up with a transparent entry 0.
  EXPECT_EQ(f[1].OwnPalette, 1);
  EXPECT_EQ(f[1].TransIndex, -1);  // index 3 does not exist in two colours
  EXPECT_EQ(f[2].TransIndex, 3);   // carried over, and shown by the eight colours
  EXPECT_EQ(f[2].pImage->HasTrans, 1);
  // The partial frame keeps the carried-over transparency outside its rectangle.
  EXPECT_EQ(f[3].TransIndex, 3);
  EXPECT_EQ(IMAGE_GetColor(f[3].pImage, 0, 0) >> 24, 255u);
  EXPECT_EQ(f[4].TransIndex, -1);
  for (auto& fr : f) IMAGE_Free(fr.pImage);
}

// The reader keeps the GIF standard: every graphic control extension describes the image
// that follows it completely, so one without the transparency flag ends the transparency
// of an earlier one; a frame without an extension of its own keeps the last one's.
TEST(GifAnimation, AnExtensionWithoutTheFlagEndsTheTransparency) {
  GifSpec s;
  s.ScreenW = 4;
  s.ScreenH = 3;
  s.Global = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
  GifSpec::Frame a = frame(4, 3, 0);
  a.Gce = 1;
  a.Trans = 2;
  GifSpec::Frame b = frame(4, 3, 1);
  b.Gce = 1;
  b.Trans = -1;
  GifSpec::Frame c = frame(4, 3, 2);
  s.Frames = {a, b, c};
  const auto file = gif_build(s);
  GifAnimation anim;
  ASSERT_EQ(GIFANIM_Open(&anim, file.data(), file.size()), GIF_OK);
  GifFrame f[3] = {};
  for (auto& fr : f) ASSERT_EQ(GIFANIM_DecodeNext(&anim, &fr), GIF_OK);
  EXPECT_EQ(f[0].TransIndex, 2);
  EXPECT_EQ(f[0].pImage->HasTrans, 1);
  EXPECT_EQ(f[1].TransIndex, -1);
  EXPECT_EQ(f[1].pImage->HasTrans, 0);
  EXPECT_EQ(IMAGE_GetPalColor(f[1].pImage, 2), 0x00FF00u);
  EXPECT_EQ(f[2].TransIndex, -1);
  for (auto& fr : f) IMAGE_Free(fr.pImage);
}

TEST(GifAnimation, DamagedFilesEndTheWalk) {
  auto file = gif_build(varied());
  GifAnimation anim;
  // Without its trailer the counting walk fails.
  auto cut = file;
  cut.pop_back();
  EXPECT_EQ(GIFANIM_Open(&anim, cut.data(), cut.size()), GIF_EFORMAT);
  // A frame whose data uses a colour beyond its table fails there, after the good ones.
  GifSpec s = varied();
  s.Frames[2].Pixels[4] = 9;
  s.Frames[2].Local.resize(8);
  s.Frames[2].MinCodeSize = 4;  // room for the code 9 in the data
  const auto bad = gif_build(s);
  ASSERT_EQ(GIFANIM_Open(&anim, bad.data(), bad.size()), GIF_OK);
  GifFrame f = {};
  for (int k = 0; k < 2; ++k) {
    ASSERT_EQ(GIFANIM_DecodeNext(&anim, &f), GIF_OK) << k;
    IMAGE_Free(f.pImage);
  }
  f = {};
  EXPECT_EQ(GIFANIM_DecodeNext(&anim, &f), GIF_EDATA);
  EXPECT_EQ(f.pImage, nullptr);
}

TEST(GifAnimation, FrameCountFitsSixteenBits) {
  GifSpec s;
  s.ScreenW = 1;
  s.ScreenH = 1;
  s.Global = {0x000000, 0xFFFFFF};
  GifSpec::Frame one = frame(1, 1, 0);
  s.Frames.assign(GIF_MAX_FRAMES, one);
  auto file = gif_build(s);
  GifAnimation anim;
  ASSERT_EQ(GIFANIM_Open(&anim, file.data(), file.size()), GIF_OK);
  EXPECT_EQ(anim.Info.FrameCount, GIF_MAX_FRAMES);
  s.Frames.push_back(one);
  file = gif_build(s);
  EXPECT_EQ(GIFANIM_Open(&anim, file.data(), file.size()), GIF_EFORMAT);
}
