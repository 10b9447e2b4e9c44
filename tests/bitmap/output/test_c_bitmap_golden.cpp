// Whole C files compared byte for byte with reviewed files in tests/data/expected/. The
// build stamp line is normalised. Set VORIX_UPDATE_GOLDEN=1 to rewrite the files after a
// deliberate layout change (and review the difference).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "support/golden_stamp.h"
#include "writer_test_util.h"

namespace {

using testsupport::NormaliseBuildStamp;

void CheckGolden(const ImageDocument* doc, int format, int withoutPalette, bool useARGB, const char* name) {
  const std::string path = std::string(VORIX_TEST_DATA_DIR) + "/expected/" + name;
  int rc = 1;
  std::string actual = NormaliseBuildStamp(SaveToString(doc, format, withoutPalette, useARGB, path.c_str(), &rc));
  ASSERT_EQ(rc, 0);
  if (std::getenv("VORIX_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << path;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(NormaliseBuildStamp(expected.str()), actual) << name;
}

// 10 x 3, two colours, transparent index 0.
ImageDocument* TwoColour() {
  ImageDocument* d = MakePaletted(10, 3, 2, [](int x, int y) { return (x + y) % 3 == 0 ? 1 : 0; });
  IMAGE_SetPalColor(d, 0, COLOR_Make(0xFF, 0x00, 0xFF));
  IMAGE_SetPalColor(d, 1, COLOR_Make(0x00, 0x00, 0x00));
  d->HasTrans = 1;
  return d;
}

// 9 x 2, 16 colours, a run that crosses the row end.
ImageDocument* SixteenColour() {
  static const int kIdx[18] = {1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 5, 15, 15, 0, 9};
  return MakePaletted(9, 2, 16, [](int x, int y) { return kIdx[y * 9 + x]; });
}

// 4 x 2 true colour with alpha, two equal pixels at the start.
ImageDocument* Rgba() {
  static const ColorValue kPix[8] = {
      COLOR_Make(255, 0, 0),       COLOR_Make(255, 0, 0),         COLOR_Make(0, 255, 0, 0x80),
      COLOR_Make(0, 0, 255, 0xFF), COLOR_Make(0x12, 0x34, 0x56),  COLOR_Make(0x12, 0x34, 0x56),
      COLOR_Make(0x12, 0x34, 0x56), COLOR_Make(0x12, 0x34, 0x56, 1)};
  return MakeTrueColor(4, 2, true, [](int x, int y) { return kPix[y * 4 + x]; });
}

TEST(CBitmapGolden, OneBitPerPixel) {
  std::unique_ptr<ImageDocument, DocDeleter> d(TwoColour());
  CheckGolden(d.get(), 1, 0, false, "cbitmap_two_f1.c");
}

TEST(CBitmapGolden, FourBitsWithoutPaletteArgb) {
  std::unique_ptr<ImageDocument, DocDeleter> d(SixteenColour());
  CheckGolden(d.get(), 4, 1, true, "cbitmap_sixteen_f4_nopal_argb.c");
}

TEST(CBitmapGolden, Rle4AndRle8) {
  std::unique_ptr<ImageDocument, DocDeleter> d(SixteenColour());
  CheckGolden(d.get(), 6, 0, false, "cbitmap_sixteen_f6.c");
  CheckGolden(d.get(), 7, 0, false, "cbitmap_sixteen_f7.c");
}

TEST(CBitmapGolden, HighColourAndTrueColour) {
  std::unique_ptr<ImageDocument, DocDeleter> d(Rgba());
  CheckGolden(d.get(), 8, 1, false, "cbitmap_rgba_f8.c");
  CheckGolden(d.get(), 12, 1, false, "cbitmap_rgba_f12.c");
  CheckGolden(d.get(), 15, 1, false, "cbitmap_rgba_f15.c");
  CheckGolden(d.get(), 17, 1, false, "cbitmap_rgba_f17.c");
  CheckGolden(d.get(), 18, 1, false, "cbitmap_rgba_f18.c");
  CheckGolden(d.get(), 23, 1, false, "cbitmap_rgba_f23.c");
  CheckGolden(d.get(), 26, 1, false, "cbitmap_rgba_f26.c");
  CheckGolden(d.get(), 99, 1, false, "cbitmap_rgba_f99.c");
}

}  // namespace
