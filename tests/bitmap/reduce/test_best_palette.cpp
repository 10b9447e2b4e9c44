// Best palette, best palette with transparency, colour counting and nearest colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"
#include "bitmap/image_test_util.h"

namespace {

struct BestPaletteTest : ::testing::Test {
  RecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    IMAGE_SetPreserveTrans(0);
  }
  void TearDown() override { HOST_Set(nullptr); }
};

}  // namespace

TEST_F(BestPaletteTest, TenColoursGiveTenEntriesMostFrequentFirstTiesInTreeOrder) {
  // Colour k (k = 0..9) occurs k + 1 times, except colours 2 and 7 which occur 5 times.
  std::vector<ColorValue> colours;
  for (int k = 0; k < 10; ++k) colours.push_back(COLOR_Make(25 * k, 255 - 20 * k, (k * 77) & 0xFF));
  std::vector<ColorValue> px;
  for (int k = 0; k < 10; ++k) {
    const int times = (k == 2 || k == 7) ? 5 : k + 1;
    for (int i = 0; i < times; ++i) px.push_back(colours[static_cast<size_t>(k)]);
  }
  const int w = static_cast<int>(px.size());
  ImageDocument* doc = make_true_colour(w, 1, px);
  ImageDocument* out = IMAGE_ConvertToBestPalette(doc);
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->NumColors, 10);
  EXPECT_EQ(IMAGE_GetPalColor(out, 0), colours[9]);
  EXPECT_EQ(IMAGE_GetPalColor(out, 1), colours[8]);
  EXPECT_EQ(IMAGE_GetPalColor(out, 2), colours[6]);  // 7 times
  EXPECT_EQ(IMAGE_GetPalColor(out, 3), colours[5]);  // 6 times
  // Colours 2, 4 and 7 occur 5 times each: tree order is by the top bits, red first.
  // Colour 2 = (50,215,154) -> child 3; colour 4 = (100,175,52) -> child 2;
  // colour 7 = (175,115,27) -> child 4.
  EXPECT_EQ(IMAGE_GetPalColor(out, 4), colours[4]);
  EXPECT_EQ(IMAGE_GetPalColor(out, 5), colours[2]);
  EXPECT_EQ(IMAGE_GetPalColor(out, 6), colours[7]);
  EXPECT_EQ(IMAGE_GetPalColor(out, 7), colours[3]);
  for (int x = 0; x < w; ++x) EXPECT_EQ(IMAGE_GetColor(out, x, 0), px[static_cast<size_t>(x)]);
  EXPECT_EQ(IMAGE_BestPalette.NumEntries, 10);
  IMAGE_Free(out);
}

TEST_F(BestPaletteTest, AtMost256ColoursAreReproducedExactly) {
  TestRng rng;
  for (int n : {1, 2, 37, 255, 256}) {
    std::vector<ColorValue> colours;
    std::set<ColorValue> seen;
    while (static_cast<int>(colours.size()) < n) {
      ColorValue c = rng.Next() & 0xFFFFFF;
      if (seen.insert(c).second) colours.push_back(c);
    }
    std::vector<ColorValue> px;
    for (int i = 0; i < 40 * 30; ++i) px.push_back(colours[static_cast<size_t>(i < n ? i : rng.Next() % n)]);
    ImageDocument* doc = make_true_colour(40, 30, px);
    ImageDocument* out = IMAGE_ConvertToBestPalette(doc);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->NumColors, n);
    auto pal = palette_of(out);
    EXPECT_EQ(std::set<ColorValue>(pal.begin(), pal.end()), seen);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) ASSERT_EQ(IMAGE_GetColor(out, x, y), px[static_cast<size_t>(y * 40 + x)]);
    IMAGE_Free(out);
  }
}

TEST_F(BestPaletteTest, ManyColoursGiveAtMost256AveragesAndEveryPixelItsNearestEntry) {
  TestRng rng;
  std::vector<ColorValue> px;
  for (int i = 0; i < 64 * 64; ++i) px.push_back(rng.Next() & 0xFFFFFF);
  ImageDocument* doc = make_true_colour(64, 64, px);
  EXPECT_EQ(IMAGE_CountColors(doc), static_cast<int>(std::set<ColorValue>(px.begin(), px.end()).size()));
  ImageDocument* out = IMAGE_ConvertToBestPalette(doc);
  ASSERT_NE(out, nullptr);
  EXPECT_LE(out->NumColors, 256);
  EXPECT_GT(out->NumColors, 200);
  auto pal = palette_of(out);
  const ColorTable table = {out->NumColors, pal.data()};
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      ASSERT_EQ(IMAGE_GetIndex(out, x, y),
                static_cast<uint32_t>(IMAGE_FindNearestColor(px[static_cast<size_t>(y * 64 + x)], &table)));
  IMAGE_Free(out);
}

TEST_F(BestPaletteTest, NullDocumentWarnsAndYieldsNull) {
  EXPECT_EQ(IMAGE_ConvertToBestPalette(nullptr), nullptr);
  EXPECT_EQ(IMAGE_ConvertToBestPaletteTrans(nullptr, 0xFFFFFF), nullptr);
  EXPECT_EQ(IMAGE_GetBestPalette(256, nullptr), 0);
  ASSERT_EQ(Host.Warnings.size(), 3u);
  EXPECT_EQ(Host.Warnings[0].Text, "Internal error : pBitmapOrg == NULL");
}

TEST_F(BestPaletteTest, TransparencyWithoutAlphaEqualsBestPalette) {
  std::vector<ColorValue> px = {0x0000FF, 0x00FF00, 0x00FF00, 0xFF000000u | 0x123456};
  ImageDocument* a = IMAGE_ConvertToBestPalette(make_true_colour(2, 2, px));
  ImageDocument* b = IMAGE_ConvertToBestPaletteTrans(make_true_colour(2, 2, px), 0xFFFFFF);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(palette_of(a), palette_of(b));
  EXPECT_EQ(a->HasTrans, b->HasTrans);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(IMAGE_GetIndex(a, i % 2, i / 2), IMAGE_GetIndex(b, i % 2, i / 2));
  IMAGE_Free(a);
  IMAGE_Free(b);
}

TEST_F(BestPaletteTest, TransparencyPutsTheColourFirstAndOnlyFullyTransparentPixelsOnIt) {
  // Green twice, red once, a half transparent blue-ish pixel and a fully transparent one.
  std::vector<ColorValue> px = {0x00FF00, 0x00FF00, 0x0000FF, 0x80FF0000u, 0xFF0000FFu, 0x00FF00};
  ImageDocument* doc = make_true_colour(3, 2, px);
  doc->HasAlpha = 1;
  ImageDocument* out = IMAGE_ConvertToBestPaletteTrans(doc, 0xABCDEF);
  ASSERT_NE(out, nullptr);
  // Counted colours ignore the transparency byte: green 3, red 2 (the transparent pixel
  // is red too), blue 1.
  ASSERT_EQ(out->NumColors, 4);
  EXPECT_EQ(out->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetPalColor(out, 0), 0xABCDEFu);
  EXPECT_EQ(IMAGE_GetPalColor(out, 1), 0x00FF00u);
  EXPECT_EQ(IMAGE_GetPalColor(out, 2), 0x0000FFu);
  EXPECT_EQ(IMAGE_GetPalColor(out, 3), 0xFF0000u);
  const uint32_t expect[] = {1, 1, 2, 3, 0, 1};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(IMAGE_GetIndex(out, i % 3, i / 3), expect[i]) << i;
  IMAGE_Free(out);
}

TEST_F(BestPaletteTest, CountingIsCachedAndIgnoresTransparency) {
  std::vector<ColorValue> px = {0x010203, 0xFF010203u, 0x000000, 0x7F000000u};
  ImageDocument* doc = make_true_colour(2, 2, px);
  std::vector<std::string>& texts = Host.Progress;
  EXPECT_EQ(IMAGE_CountColors(doc), 2);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Calculating info of image, row 1/2");
  EXPECT_EQ(texts[2], "Image calculation done");
  texts.clear();
  EXPECT_EQ(IMAGE_CountColors(doc), 2);
  ASSERT_EQ(texts.size(), 1u);  // no row texts the second time
  EXPECT_EQ(texts[0], "Image calculation done");
  IMAGE_Free(doc);
  // Paletted: only the used entries count, equal entries once.
  ImageDocument* p = make_paletted(3, 1, {0x111111, 0x222222, 0x111111, 0x333333}, {0, 2, 1});
  EXPECT_EQ(IMAGE_CountColors(p), 2);
  IMAGE_Free(p);
}

TEST_F(BestPaletteTest, NearestColourTakesTheLowerIndexOnTiesAndStopsAtExactMatch) {
  ColorValue t[] = {COLOR_Make(10, 0, 0), COLOR_Make(0, 0, 0), COLOR_Make(5, 0, 0), COLOR_Make(5, 0, 0)};
  const ColorTable table = {4, t};
  EXPECT_EQ(IMAGE_FindNearestColor(COLOR_Make(5, 0, 0), &table), 2);
  const ColorTable two = {2, t};
  EXPECT_EQ(IMAGE_FindNearestColor(COLOR_Make(5, 0, 0), &two), 0);  // 25 and 25
  EXPECT_EQ(IMAGE_FindNearestColor(0xFF000000u, &two), 1);          // transparency ignored
}

TEST_F(BestPaletteTest, FastSearchGivesTheLinearScanAnswerForEveryColourTried) {
  TestRng rng;
  for (int round = 0; round < 6; ++round) {
    std::vector<ColorValue> t;
    const int n = round == 0 ? 1 : (round == 1 ? 256 : static_cast<int>(rng.Next() % 255) + 2);
    for (int i = 0; i < n; ++i) {
      // Coarse values make many equal distances, repeated entries make exact ties.
      ColorValue c = round < 3 ? (rng.Next() & 0xC0C0C0) : (rng.Next() & 0xFFFFFF);
      t.push_back(i > 0 && rng.Next() % 8 == 0 ? t[static_cast<size_t>(rng.Next() % i)] : c);
    }
    const ColorTable table = {n, t.data()};
    NearestSearch* s = NEAREST_Create(&table);
    ASSERT_NE(s, nullptr);
    for (int k = 0; k < 200000; ++k) {
      const ColorValue c = rng.Next();
      ASSERT_EQ(NEAREST_Find(s, c), IMAGE_FindNearestColor(c, &table)) << std::hex << c;
    }
    NEAREST_Delete(s);
  }
}

// A paletted document and its true-colour twin give the same best palette and the same
// reduction: the paletted one is fed to the tree by colour counts when every colour fits,
// in pixel order otherwise.
TEST_F(BestPaletteTest, PalettedDocumentsMatchTheirTrueColourTwin) {
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (int numColours : {2, 37, 256}) {
    SCOPED_TRACE(numColours);
    ImageDocument* doc = IMAGE_Create(61, 23, numColours);
    for (int i = 0; i < numColours; ++i) {
      // Some entries repeat an earlier colour, and one carries a transparency byte.
      const ColorValue c = i % 9 == 5 ? IMAGE_GetPalColor(doc, i - 3) : next() & 0xFFFFFFu;
      IMAGE_SetPalColor(doc, i, i == 1 ? c | 0x40000000u : c);
    }
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 61; ++x) IMAGE_SetIndex(doc, x, y, (next() >> 24) % static_cast<uint32_t>(numColours));
    ImageDocument* twin = IMAGE_ToTrueColor(IMAGE_Clone(doc));
    ASSERT_NE(twin, nullptr);
    for (int limit : {256, 16, 3}) {
      SCOPED_TRACE(limit);
      const int n = IMAGE_GetBestPalette(limit, doc);
      const std::vector<ColorValue> fromPalette(IMAGE_BestPalette.pColors, IMAGE_BestPalette.pColors + n);
      const int m = IMAGE_GetBestPalette(limit, twin);
      const std::vector<ColorValue> fromColours(IMAGE_BestPalette.pColors, IMAGE_BestPalette.pColors + m);
      EXPECT_EQ(n, m);
      EXPECT_EQ(fromPalette, fromColours);
    }
    IMAGE_Free(twin);
    IMAGE_Free(doc);
  }
}
