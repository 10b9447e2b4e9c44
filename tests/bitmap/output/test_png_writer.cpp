// PNG files read back through libpng and compared pixel for pixel, alpha included.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bitmap/output/png_writer.h"
#include "common/cmdline/cmdline.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

struct PngWriter : ::testing::Test {
  RecordingHost Host;
  TempDir Dir;
  void SetUp() override {
    CMDLINE_Reset();
    HOST_Set(&Host);
  }
  void TearDown() override { HOST_Set(nullptr); }
};

// RGBA bytes of a PNG file through libpng's simplified reader.
std::vector<uint8_t> read_rgba(const std::string& path, uint32_t* w, uint32_t* h) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  *w = image.width;
  *h = image.height;
  return pixels;
}

TEST_F(PngWriter, ReadsBackPixelForPixelWithAlpha) {
  ImageDocument* doc = IMAGE_Create(17, 5, 0);
  doc->HasAlpha = 1;
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 17; ++x)
      IMAGE_SetIndex(doc, x, y, static_cast<uint32_t>(x * 15) << 24 | static_cast<uint32_t>(y * 40 + x) << 8 | 0x33);
  const std::string path = Dir / "a.png";
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(PNG_Write(doc, f));
  std::fclose(f);
  uint32_t w = 0, h = 0;
  const std::vector<uint8_t> rgba = read_rgba(path, &w, &h);
  ASSERT_EQ(w, 17u);
  ASSERT_EQ(h, 5u);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 17; ++x) {
      const ColorValue c = IMAGE_GetColor(doc, x, y);
      const uint8_t* p = &rgba[static_cast<size_t>(4 * (y * 17 + x))];
      ASSERT_EQ(p[0], COLOR_Red(c));
      ASSERT_EQ(p[1], COLOR_Green(c));
      ASSERT_EQ(p[2], COLOR_Blue(c));
      ASSERT_EQ(p[3], 255 - COLOR_Trans(c)) << x << "," << y;
    }
  IMAGE_Free(doc);
  EXPECT_TRUE(Host.Warnings.empty());
}

TEST_F(PngWriter, OpaqueImageHasAlpha255Everywhere) {
  ImageDocument* doc = IMAGE_Create(3, 3, 0);
  for (int i = 0; i < 9; ++i) IMAGE_SetIndex(doc, i % 3, i / 3, 0x102030u * static_cast<uint32_t>(i));
  const std::string path = Dir / "o.png";
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(PNG_Write(doc, f));
  std::fclose(f);
  uint32_t w = 0, h = 0;
  const std::vector<uint8_t> rgba = read_rgba(path, &w, &h);
  ASSERT_EQ(rgba.size(), 36u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(rgba[static_cast<size_t>(4 * i + 3)], 255);
  IMAGE_Free(doc);
}

TEST_F(PngWriter, AFailedWriteIsReportedAndPalettesAreRefused) {
  ImageDocument* doc = IMAGE_Create(64, 64, 0);
  FILE* f = std::fopen("/dev/full", "wb");
  ASSERT_NE(f, nullptr);
  setvbuf(f, nullptr, _IONBF, 0);
  EXPECT_FALSE(PNG_Write(doc, f));
  std::fclose(f);
  ASSERT_EQ(Host.Warnings.size(), 1u);
  EXPECT_EQ(Host.Warnings[0].Text, "Error writing PNG: Not all data could be writen\n");
  ImageDocument* paletted = IMAGE_Create(2, 2, 2);
  EXPECT_FALSE(PNG_Write(paletted, stdout));
  IMAGE_Free(paletted);
  IMAGE_Free(doc);
}

}  // namespace
