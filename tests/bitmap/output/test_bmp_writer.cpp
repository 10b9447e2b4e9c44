// BMP writer: file header fields, the DIB that follows it, a round trip through the
// reader, and a failing output file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/output/bmp_writer.h"

namespace {

std::string temp_path(const char* name) {
  return std::string("/tmp/vorix_bmpw_") + std::to_string(getpid()) + "_" + name;
}

std::vector<uint8_t> read_all(const std::string& path) {
  std::vector<uint8_t> data;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return data;
  int c;
  while ((c = std::fgetc(f)) != EOF) data.push_back(static_cast<uint8_t>(c));
  std::fclose(f);
  return data;
}

bool write_bmp(const ImageDocument* doc, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  static OutWriter w;
  OUT_Init(&w, f);
  bool ok = BMP_Write(doc, &w);
  ok = OUT_Flush(&w) && ok;
  std::fclose(f);
  return ok;
}

uint32_t u32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

}  // namespace

TEST(BmpWriter, FileHeaderPrecedesTheDib) {
  ImageDocument* doc = IMAGE_Create(5, 3, 3);
  IMAGE_SetPalColor(doc, 2, COLOR_Make(10, 20, 30));
  IMAGE_SetIndex(doc, 4, 0, 2);
  const std::string path = temp_path("header.bmp");
  ASSERT_TRUE(write_bmp(doc, path));
  const std::vector<uint8_t> file = read_all(path);
  std::remove(path.c_str());
  std::vector<uint8_t> dib(IMAGE_GetDIBSize(doc));
  IMAGE_ToDIB(doc, dib.data());
  // 40-byte header, 3 palette entries, 3 rows of 4 bits x 5 pixels padded to 4 bytes.
  ASSERT_EQ(dib.size(), 40u + 12u + 12u);
  ASSERT_EQ(file.size(), 14u + dib.size());
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(u32(file, 2), file.size());
  EXPECT_EQ(u32(file, 6), 0u);
  EXPECT_EQ(u32(file, 10), 54u + 12u);
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 14, file.end()), dib);
  IMAGE_Free(doc);
}

TEST(BmpWriter, RoundTripThroughTheReader) {
  for (int colours : {0, 2, 16, 200}) {
    ImageDocument* doc = IMAGE_Create(37, 11, colours);
    doc->HasAlpha = colours == 0;
    for (int i = 0; i < colours; ++i) IMAGE_SetPalColor(doc, i, COLOR_Make(i, 255 - i, i / 2));
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 37; ++x) {
        const uint32_t v = static_cast<uint32_t>(x * 7 + y * 13);
        IMAGE_SetIndex(doc, x, y, colours ? v % colours : COLOR_Make(v & 255, (v * 3) & 255, (v * 5) & 255, v & 255));
      }
    const std::string path = temp_path("round.bmp");
    ASSERT_TRUE(write_bmp(doc, path));
    ImageDocument* back = IMAGE_ReadBMP(path.c_str());
    std::remove(path.c_str());
    ASSERT_NE(back, nullptr) << colours;
    EXPECT_EQ(back->NumColors, colours);
    EXPECT_EQ(back->HasAlpha, doc->HasAlpha);
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 37; ++x) ASSERT_EQ(IMAGE_GetColor(back, x, y), IMAGE_GetColor(doc, x, y)) << colours;
    IMAGE_Free(back);
    IMAGE_Free(doc);
  }
}

TEST(BmpWriter, FailedWriteIsReported) {
  FILE* f = std::fopen("/dev/full", "wb");
  if (!f) GTEST_SKIP() << "/dev/full not available";
  ImageDocument* doc = IMAGE_Create(300, 300, 0);  // larger than the writer's buffer
  static OutWriter w;
  OUT_Init(&w, f);
  EXPECT_FALSE(BMP_Write(doc, &w));
  EXPECT_FALSE(OUT_Flush(&w));
  std::fclose(f);
  IMAGE_Free(doc);
}

TEST(BmpWriter, DocumentWithoutABmpFormIsRefused) {
  ImageDocument* doc = IMAGE_Create(2, 2, 4);
  doc->NumColors = 257;
  const std::string path = temp_path("none.bmp");
  EXPECT_FALSE(write_bmp(doc, path));
  EXPECT_TRUE(read_all(path).empty());
  std::remove(path.c_str());
  doc->NumColors = 4;
  IMAGE_Free(doc);
}

// BMP in, BMP out: every good suite file and a V5 alpha file keep their pixels.
TEST(BmpWriter, SuiteFilesSurviveARoundTrip) {
  const std::string dir = std::string(VORIX_TEST_DATA_DIR) + "/corpus/";
  for (const char* name : {"bmpsuite/g/pal1.bmp", "bmpsuite/g/pal4rle.bmp", "bmpsuite/g/pal8os2.bmp",
                           "bmpsuite/g/pal8w125.bmp", "bmpsuite/g/rgb16-565.bmp", "bmpsuite/g/rgb24.bmp",
                           "bmpsuite/g/rgb32bf.bmp", "bmp-paintnet/basn6a08.bmp"}) {
    ImageDocument* doc = IMAGE_ReadBMP((dir + name).c_str());
    ASSERT_NE(doc, nullptr) << name;
    const std::string path = temp_path("suite.bmp");
    ASSERT_TRUE(write_bmp(doc, path)) << name;
    ImageDocument* back = IMAGE_ReadBMP(path.c_str());
    std::remove(path.c_str());
    ASSERT_NE(back, nullptr) << name;
    EXPECT_EQ(back->NumColors, doc->NumColors) << name;
    EXPECT_EQ(back->HasAlpha, doc->HasAlpha) << name;
    bool same = back->XSize == doc->XSize && back->YSize == doc->YSize;
    for (int y = 0; same && y < doc->YSize; ++y)
      for (int x = 0; same && x < doc->XSize; ++x) {
        ColorValue a = IMAGE_GetColor(doc, x, y), b = IMAGE_GetColor(back, x, y);
        if (!doc->HasAlpha) a &= 0xFFFFFF, b &= 0xFFFFFF;  // no alpha channel to keep
        same = a == b;
      }
    EXPECT_TRUE(same) << name;
    IMAGE_Free(back);
    IMAGE_Free(doc);
  }
}
