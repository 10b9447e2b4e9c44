#include <gtest/gtest.h>

#include "bitmap/formats/sbmp/sbmp.h"
#include "bitmap/formats/reader_test_util.h"

namespace {

std::vector<uint8_t> header(uint16_t w, uint16_t h, uint16_t n) {
  return {'S', 'B', uint8_t(w), uint8_t(w >> 8), uint8_t(h), uint8_t(h >> 8), uint8_t(n), uint8_t(n >> 8)};
}

void add_run(std::vector<uint8_t>& v, uint16_t count, std::initializer_list<uint8_t> value) {
  v.push_back(uint8_t(count));
  v.push_back(uint8_t(count >> 8));
  v.insert(v.end(), value);
}

}  // namespace

TEST(Sbmp, TrueColourRunFillsAllPixels) {
  auto f = header(2, 2, 0);
  add_run(f, 4, {0x12, 0x34, 0x56});
  ImageDocument* doc = nullptr;
  ASSERT_EQ(SBMP_Parse(f.data(), f.size(), &doc), SBMP_OK);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->NumColors, 0);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(IMAGE_GetColor(doc, x, y), 0x563412u);
  IMAGE_Free(doc);
}

TEST(Sbmp, PalettedRunsInRowMajorOrderFromTheTop) {
  auto f = header(3, 2, 2);
  f.insert(f.end(), {255, 0, 0, 0, 0, 255});  // red, blue
  add_run(f, 0, {1});                           // covers nothing
  add_run(f, 4, {1});
  add_run(f, 9, {0});  // two pixels left: the rest of the run is dropped
  ImageDocument* doc = nullptr;
  ASSERT_EQ(SBMP_Parse(f.data(), f.size(), &doc), SBMP_OK);
  EXPECT_EQ(doc->NumColors, 2);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 0), 0x0000FFu);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 1), 0xFF0000u);
  const uint32_t expect[2][3] = {{1, 1, 1}, {1, 0, 0}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(IMAGE_GetIndex(doc, x, y), expect[y][x]) << x << "," << y;
  IMAGE_Free(doc);
}

TEST(Sbmp, IndexBeyondThePaletteBecomesZero) {
  auto f = header(1, 1, 2);
  f.insert(f.end(), {1, 2, 3, 4, 5, 6});
  add_run(f, 1, {7});
  ImageDocument* doc = nullptr;
  ASSERT_EQ(SBMP_Parse(f.data(), f.size(), &doc), SBMP_OK);
  EXPECT_EQ(IMAGE_GetIndex(doc, 0, 0), 0u);
  IMAGE_Free(doc);
}

TEST(Sbmp, TruncatedRunsKeepTheDecodedPixels) {
  auto f = header(2, 2, 0);
  add_run(f, 1, {9, 9, 9});
  f.insert(f.end(), {5, 0, 1, 2});  // 4 of the 5 bytes of the next run
  ImageDocument* doc = nullptr;
  ASSERT_EQ(SBMP_Parse(f.data(), f.size(), &doc), SBMP_ETRUNCATED);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), 0x090909u);
  EXPECT_EQ(IMAGE_GetColor(doc, 1, 0), 0u);
  IMAGE_Free(doc);
}

TEST(Sbmp, RefusedHeaders) {
  ImageDocument* doc = nullptr;
  auto f = header(1, 1, 0);
  EXPECT_EQ(SBMP_Parse(f.data(), 7, &doc), SBMP_ESHORT_HEADER);
  f[1] = 'X';  // "S" followed by something else
  EXPECT_EQ(SBMP_Parse(f.data(), f.size(), &doc), SBMP_EHEADER);
  auto g = header(1, 1, 2);
  g.insert(g.end(), {1, 2, 3, 4, 5});  // one byte of the table missing
  EXPECT_EQ(SBMP_Parse(g.data(), g.size(), &doc), SBMP_ESHORT_PALETTE);
  auto z = header(0, 5, 0);
  EXPECT_EQ(SBMP_Parse(z.data(), z.size(), &doc), SBMP_ECREATE);
  EXPECT_EQ(doc, nullptr);
  auto big = header(65535, 65535, 0);  // four gigapixels claimed in eight bytes
  EXPECT_EQ(SBMP_Parse(big.data(), big.size(), &doc), SBMP_ETOOLARGE);
  EXPECT_EQ(doc, nullptr);
  EXPECT_STREQ(SBMP_StatusText(SBMP_ETOOLARGE), "Image too large: more than 67108864 pixels");
}

TEST(Sbmp, ReaderReportsTheWarnings) {
  ScopedHost host;
  auto bad = header(1, 1, 0);
  bad[1] = 'M';
  EXPECT_EQ(IMAGE_ReadSBMP(WriteTemp("bad.sbmp", bad).c_str()), nullptr);
  auto cut = header(2, 1, 0);
  add_run(cut, 1, {1, 2, 3});
  ImageDocument* doc = IMAGE_ReadSBMP(WriteTemp("cut.sbmp", cut).c_str());
  ASSERT_NE(doc, nullptr);
  IMAGE_Free(doc);
  EXPECT_EQ(IMAGE_ReadSBMP(WriteTemp("short.sbmp", {'S', 'B', 1}).c_str()), nullptr);
  std::vector<uint8_t> big(SBMP_MAX_FILE_SIZE + 1, 0);
  EXPECT_EQ(IMAGE_ReadSBMP(WriteTemp("big.sbmp", big).c_str()), nullptr);
  EXPECT_EQ(host.Host.Warnings,
            (std::vector<std::string>{"Illegal file header !", "File too short (Missing data)",
                                      "File too short (Incomplete header)", "File too long"}));
}
