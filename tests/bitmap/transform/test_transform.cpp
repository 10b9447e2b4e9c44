// Flips, rotations, inversions, scale and shrink, transparency choice, alpha channels.
#include <gtest/gtest.h>

#include "bitmap/transform/transform.h"
#include "bitmap/image_test_util.h"

namespace {

struct TransformTest : ::testing::Test {
  RecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    InstallRastrelMessages();
  }
  void TearDown() override {
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
};

std::vector<uint32_t> pixels_of(const ImageDocument* doc) {
  std::vector<uint32_t> v;
  for (int y = 0; y < doc->YSize; ++y)
    for (int x = 0; x < doc->XSize; ++x) v.push_back(IMAGE_GetIndex(doc, x, y));
  return v;
}

}  // namespace

TEST_F(TransformTest, Rotating3x2ClockwiseGivesTheLeftColumnBottomToTopAsTopRow) {
  // 1 2 3
  // 4 5 6
  ImageDocument* out = IMAGE_Rotate90CW(make_true_colour(3, 2, {1, 2, 3, 4, 5, 6}));
  ASSERT_EQ(out->XSize, 2);
  ASSERT_EQ(out->YSize, 3);
  EXPECT_EQ(pixels_of(out), (std::vector<uint32_t>{4, 1, 5, 2, 6, 3}));
  IMAGE_Free(out);
  out = IMAGE_Rotate90CCW(make_true_colour(3, 2, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(pixels_of(out), (std::vector<uint32_t>{3, 6, 2, 5, 1, 4}));
  IMAGE_Free(out);
}

TEST_F(TransformTest, FourQuarterTurnsAndTwoHalfTurnsAreTheIdentity) {
  TestRng rng;
  for (int paletted = 0; paletted < 2; ++paletted) {
    const int w = 7, h = 5;
    std::vector<uint8_t> idx;
    std::vector<ColorValue> px;
    for (int i = 0; i < w * h; ++i) {
      idx.push_back(static_cast<uint8_t>(rng.Next() % 16));
      px.push_back(rng.Next());
    }
    std::vector<ColorValue> pal(16);
    for (auto& c : pal) c = rng.Next() & 0xFFFFFF;
    auto make = [&] { return paletted ? make_paletted(w, h, pal, idx) : make_true_colour(w, h, px); };
    ImageDocument* ref = make();
    ImageDocument* d = make();
    d->HasTrans = 1;
    for (int i = 0; i < 4; ++i) d = IMAGE_Rotate90CW(d);
    EXPECT_EQ(pixels_of(d), pixels_of(ref));
    EXPECT_EQ(palette_of(d), palette_of(ref));
    EXPECT_EQ(d->HasTrans, 1);
    for (int i = 0; i < 4; ++i) d = IMAGE_Rotate90CCW(d);
    d = IMAGE_Rotate180(IMAGE_Rotate180(d));
    EXPECT_EQ(pixels_of(d), pixels_of(ref));
    // A half turn equals two quarter turns.
    ImageDocument* a = IMAGE_Rotate180(make());
    ImageDocument* b = IMAGE_Rotate90CW(IMAGE_Rotate90CW(make()));
    EXPECT_EQ(pixels_of(a), pixels_of(b));
    IMAGE_Free(a);
    IMAGE_Free(b);
    IMAGE_Free(d);
    IMAGE_Free(ref);
  }
}

TEST_F(TransformTest, FlipsMirrorOddSizesAroundTheMiddle) {
  ImageDocument* d = make_paletted(3, 3, {0, 0xFFFFFF}, {1, 0, 0, 0, 1, 0, 0, 0, 0});
  IMAGE_FlipH(d);
  EXPECT_EQ(pixels_of(d), (std::vector<uint32_t>{0, 0, 1, 0, 1, 0, 0, 0, 0}));
  IMAGE_FlipV(d);
  EXPECT_EQ(pixels_of(d), (std::vector<uint32_t>{0, 0, 0, 0, 1, 0, 0, 0, 1}));
  IMAGE_Free(d);
}

TEST_F(TransformTest, InvertIndicesOfFourEntriesSwapsZeroThreeAndOneTwo) {
  ImageDocument* d = make_paletted(4, 1, {1, 2, 3, 4}, {0, 1, 2, 3});
  IMAGE_InvertIndices(d);
  EXPECT_EQ(pixels_of(d), (std::vector<uint32_t>{3, 2, 1, 0}));
  EXPECT_EQ(palette_of(d), (std::vector<ColorValue>{1, 2, 3, 4}));
  IMAGE_InvertColors(d);
  EXPECT_EQ(pixels_of(d), (std::vector<uint32_t>{3, 2, 1, 0}));
  EXPECT_EQ(palette_of(d), (std::vector<ColorValue>{0xFFFFFE, 0xFFFFFD, 0xFFFFFC, 0xFFFFFB}));
  IMAGE_Free(d);
  // True colour: RGB inverted, transparency byte kept, by both operations.
  ImageDocument* t = make_true_colour(1, 1, {0x80123456u});
  IMAGE_InvertIndices(t);
  EXPECT_EQ(IMAGE_GetIndex(t, 0, 0), 0x80EDCBA9u);
  IMAGE_InvertColors(t);
  EXPECT_EQ(IMAGE_GetIndex(t, 0, 0), 0x80123456u);
  IMAGE_Free(t);
}

TEST_F(TransformTest, ScaleAveragesByAreaAndRoundsHalfUp) {
  ImageDocument* out = IMAGE_Scale(make_true_colour(2, 1, {0, 0xFFFFFF}), 1, 1);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 0x808080u);
  IMAGE_Free(out);
  // 3 -> 2: destination 0 covers source 0 fully (weight 2) and half of source 1
  // (weight 1): (2 * 0 + 1 * 90) / 3 = 30; destination 1: (90 + 2 * 30) / 3 = 50.
  out = IMAGE_Scale(make_true_colour(3, 1, {0, 90, 30}), 2, 1);
  EXPECT_EQ(pixels_of(out), (std::vector<uint32_t>{30, 50}));
  IMAGE_Free(out);
  // Enlarging 1 -> 3 vertically repeats the pixel; the transparency byte is averaged too.
  out = IMAGE_Scale(make_true_colour(1, 2, {0x10000000u, 0x20000000u}), 1, 3);
  // Source rows cover [0,3) and [3,6); destination rows [0,2), [2,4), [4,6):
  // (2*16)/2 = 16, (16 + 32 + 1)/2 = 24, 32.
  EXPECT_EQ(pixels_of(out), (std::vector<uint32_t>{0x10000000u, 0x18000000u, 0x20000000u}));
  IMAGE_Free(out);
}

TEST_F(TransformTest, ScaleToTheSameSizeReturnsTheDocumentAndShrinkRoundsUp) {
  ImageDocument* d = make_paletted(5, 5, {0xFF, 0xFF00}, std::vector<uint8_t>(25, 1));
  EXPECT_EQ(IMAGE_Scale(d, 5, 5), d);
  EXPECT_EQ(d->NumColors, 2);
  d->HasAlpha = 1;
  d->HasTrans = 1;
  ImageDocument* s = IMAGE_Shrink50(d);
  ASSERT_EQ(s->XSize, 3);
  ASSERT_EQ(s->YSize, 3);
  EXPECT_EQ(s->NumColors, 0);
  EXPECT_EQ(s->HasAlpha, 1);
  EXPECT_EQ(s->HasTrans, 0);
  for (uint32_t v : pixels_of(s)) EXPECT_EQ(v, 0xFF00u);
  IMAGE_Free(s);
}

TEST_F(TransformTest, TransparentColourSearchAndTheDialogChoices) {
  ImageDocument* t = make_true_colour(1, 1, {0});
  int index = 0;
  EXPECT_EQ(IMAGE_FindTransColor(t, 0, &index), MSG_NO_PALETTE_FOR_TRANS);
  EXPECT_EQ(index, -1);
  IMAGE_Free(t);
  ImageDocument* d = make_paletted(3, 1, {0x112233, 0xFF00FF, 0xFF00FF}, {0, 1, 2});
  EXPECT_EQ(IMAGE_FindTransColor(d, 0x1000000, &index), MSG_COLOR_RANGE);
  EXPECT_EQ(IMAGE_FindTransColor(d, 0x000001, &index), MSG_COLOR_NOT_FOUND);
  EXPECT_EQ(IMAGE_FindTransColor(d, 0xFF00FF, &index), MSG_COUNT);
  EXPECT_EQ(index, 1);  // the first equal entry
  ASSERT_EQ(TRANS_GetNumChoices(d), 4);
  EXPECT_EQ(TRANS_GetInitialChoice(d), 0);
  char text[64];
  TRANS_GetChoiceText(d, 0, text, sizeof(text));
  EXPECT_STREQ(text, "No transparency");
  TRANS_GetChoiceText(d, 2, text, sizeof(text));
  EXPECT_STREQ(text, "Index 1: FF00FF");
  TRANS_ApplyChoice(d, 2);
  EXPECT_EQ(d->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetPalColor(d, 0), 0xFF00FFu);
  EXPECT_EQ(pixels_of(d), (std::vector<uint32_t>{1, 0, 2}));
  EXPECT_EQ(TRANS_GetInitialChoice(d), 1);
  TRANS_ApplyChoice(d, 0);
  EXPECT_EQ(d->HasTrans, 0);
  EXPECT_EQ(pixels_of(d), (std::vector<uint32_t>{1, 0, 2}));
  IMAGE_Free(d);
}

TEST_F(TransformTest, CreateAlphaFromBlackAndWhiteRenderings) {
  // Pixel 0 agrees; pixel 1 black over white: fully transparent; pixel 2 a half
  // transparent red: P = (100,0,0), Q = (228,128,128): e = (128+128+128)/3 = 128,
  // l = 25500 / 127 = 200, red 100 * 200 / 100 = 200; pixel 3 would exceed 255.
  ImageDocument* a = make_true_colour(4, 1, {0x123456, 0x000000, COLOR_Make(100, 0, 0), COLOR_Make(250, 0, 0)});
  ImageDocument* b = make_true_colour(4, 1, {0x123456, 0xFFFFFF, COLOR_Make(228, 128, 128), COLOR_Make(250, 200, 200)});
  ImageDocument* out = nullptr;
  ASSERT_EQ(IMAGE_CreateAlphaFromImages(a, b, &out), ALPHA_OK);
  EXPECT_EQ(out->HasAlpha, 1);
  EXPECT_EQ(IMAGE_GetIndex(out, 0, 0), 0x123456u);
  EXPECT_EQ(IMAGE_GetIndex(out, 1, 0), 0xFF000000u);
  EXPECT_EQ(IMAGE_GetIndex(out, 2, 0), COLOR_Make(200, 0, 0, 128));
  // e = 400 / 3 = 133, l = 25500 / 122 = 209, 250 * 209 / 100 = 522 -> 255.
  EXPECT_EQ(IMAGE_GetIndex(out, 3, 0), COLOR_Make(255, 0, 0, 133));
  IMAGE_Free(out);
  ImageDocument* same = nullptr;
  ASSERT_EQ(IMAGE_CreateAlphaFromImages(a, a, &same), ALPHA_OK);
  EXPECT_EQ(pixels_of(same), pixels_of(a));
  EXPECT_EQ(same->HasAlpha, 1);
  IMAGE_Free(same);
  ImageDocument* small = make_true_colour(1, 1, {0});
  EXPECT_EQ(IMAGE_CreateAlphaFromImages(a, small, &out), ALPHA_ESIZE);
  EXPECT_EQ(out, nullptr);
  ASSERT_EQ(Host.Warnings.size(), 1u);
  EXPECT_EQ(Host.Warnings[0].Text, "The images are not of the same size.");
  IMAGE_Free(small);
  IMAGE_Free(a);
  IMAGE_Free(b);
}

TEST_F(TransformTest, AlphaMaskGivesTheGreyAverageAsTransparency) {
  ImageDocument* d = make_paletted(3, 1, {0x0000FF, 0x00FF00}, {0, 1, 0});
  ImageDocument* m = make_true_colour(3, 1, {0xFFFFFF, 0x000000, COLOR_Make(10, 20, 31)});
  ImageDocument* out = nullptr;
  ASSERT_EQ(IMAGE_ApplyAlphaMask(d, m, &out), ALPHA_OK);
  EXPECT_EQ(out->NumColors, 0);
  EXPECT_EQ(out->HasAlpha, 1);
  EXPECT_EQ(pixels_of(out), (std::vector<uint32_t>{0xFF0000FFu, 0x0000FF00u, 0x140000FFu}));
  IMAGE_Free(out);
  IMAGE_Free(d);
  IMAGE_Free(m);
}
