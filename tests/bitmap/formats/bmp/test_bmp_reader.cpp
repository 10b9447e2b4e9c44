// BMP file reader: file header checks, truncated files, pixel offsets, and the
// malformed files of tests/data/bad, each refused with its warning.
#include <gtest/gtest.h>

#include <string>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/formats/bmp/bmp_test_util.h"

using bmptest::Bytes;
using bmptest::Dib;

namespace {

std::string bad_file(const char* name) { return std::string(VORIX_TEST_DATA_DIR) + "/bad/" + name; }

ImageDocument* read_bytes(const Bytes& data, const char* name) {
  const std::string path = bmptest::TempPath(name);
  bmptest::WriteFile(path, data);
  ImageDocument* doc = IMAGE_ReadBMP(path.c_str());
  std::remove(path.c_str());
  return doc;
}

Dib two_by_two_24() {
  Dib d;
  d.Width = 2;
  d.Height = 2;
  d.BitCount = 24;
  d.Bits = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  return d;
}

}  // namespace

TEST(BmpReader, MalformedFilesAreRefusedWithTheirWarning) {
  const char* badSize = "Error in BITMAPINFOHEADER: image width and height must be positive (biWidth, biHeight)";
  const char* unknown16 = "16 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE8)";
  const struct {
    const char* pName;
    const char* pWarning;
  } cases[] = {
      {"bmp_truncated_in_file_header.bmp", "File too short (truncated ?)"},
      {"bmp_magic_not_bm.bmp", "Illegal file header !"},
      {"bmp_width_negative.bmp", badSize},
      {"bmp_height_zero.bmp", badSize},
      {"bmp_too_many_pixels.bmp", "Image too large: more than 67108864 pixels"},
      {"bmp_bitcount_2.bmp", "Error in BITMAPINFOHEADER: biBitCount should be 0, 1, 4, 8, 16, 24 or 32"},
      {"bmp_bitcount_0_embedded_jpeg.bmp",
       "BITMAPINFOHEADER: biBitCount = 0 (JPEG format) not supported. Please convert image !"},
      {"bmp_header_size_8.bmp", "Error in BITMAPINFOHEADER: unsupported header size (biSize)"},
      {"bmp_palette_index_beyond_palette.bmp", "Illegal bitmap: pixel data uses colours beyond the palette"},
      {"bmp_bitfields16_mask_high_bits_only.bmp", unknown16},
      {"bmp_bitfields16_zero_mask.bmp", unknown16},
      {"bmp_bitfields32_zero_mask.bmp", "32 BPP bitmap - Unknown compression format"},
      {"bmp_bitfields_masks_missing.bmp", "16 BPP bitmap - Invalid bitfield pointer!"},
      {"bmp_compression_unknown_4bpp.bmp", "4 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE4)"},
      {"bmp_compression_unknown_8bpp.bmp", "8 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE8)"},
      {"bmp_compression_unknown_16bpp.bmp", unknown16},
      {"bmp_rle8_data_after_end.bmp", "DecompressRLE8: Data after end of image"},
      {"bmp_rle8_negative_length.bmp", "Can not decompress RLE8: File invalid: NumPixelBytes < 0"},
      {"bmp_rle4_negative_length.bmp", "Can not decompress RLE4: File invalid: NumPixelBytes < 0"},
  };
  for (const auto& c : cases) {
    bmptest::Recorder rec;
    ImageDocument* doc = IMAGE_ReadBMP(bad_file(c.pName).c_str());
    EXPECT_EQ(doc, nullptr) << c.pName;
    IMAGE_Free(doc);
    ASSERT_EQ(rec.Host.Warnings.size(), 1u) << c.pName;
    EXPECT_EQ(rec.Host.Warnings[0], c.pWarning) << c.pName;
    EXPECT_TRUE(rec.progress().empty()) << c.pName;
  }
}

TEST(BmpReader, FileShorterThanBfSizeWarnsAndLoadsWithZeros) {
  Bytes file = two_by_two_24().file();
  file.erase(file.end() - 8, file.end());  // drop the top row
  bmptest::Recorder rec;
  ImageDocument* doc = read_bytes(file, "short.bmp");
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(rec.Host.Warnings.size(), 1u);
  EXPECT_EQ(rec.Host.Warnings[0], "File truncated ... Expected a file length of 70, Read only 62 bytes.");
  ASSERT_EQ(rec.progress().size(), 1u);
  EXPECT_EQ(rec.progress()[0], "Loaded 24 bpp bitmap");
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 1), COLOR_Make(3, 2, 1));
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), 0u);
  EXPECT_EQ(IMAGE_GetColor(doc, 1, 0), 0u);
  IMAGE_Free(doc);
}

TEST(BmpReader, HugeBfSizeIsNotTrusted) {
  Bytes file = two_by_two_24().file();
  file[2] = 0xDD, file[3] = 0xDD, file[4] = 0xDD, file[5] = 0x7D;  // about 2 GB
  bmptest::Recorder rec;
  ImageDocument* doc = read_bytes(file, "hugesize.bmp");
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(rec.Host.Warnings.size(), 1u);
  EXPECT_EQ(rec.Host.Warnings[0], "File truncated ... Expected a file length of 2111692253, Read only 70 bytes.");
  EXPECT_EQ(IMAGE_GetColor(doc, 1, 0), COLOR_Make(12, 11, 10));
  IMAGE_Free(doc);
}

TEST(BmpReader, BfSizeSmallerThanTheFileStillReadsThePixels) {
  Bytes file = two_by_two_24().file();
  for (uint32_t size : {0u, 30u}) {
    file[2] = static_cast<uint8_t>(size);
    file[3] = file[4] = file[5] = 0;
    bmptest::Recorder rec;
    ImageDocument* doc = read_bytes(file, "smallsize.bmp");
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(rec.Host.Warnings.empty());
    EXPECT_EQ(IMAGE_GetColor(doc, 1, 0), COLOR_Make(12, 11, 10));
    IMAGE_Free(doc);
  }
}

TEST(BmpReader, PixelOffsetIsTakenFromTheFileHeader) {
  Dib d = two_by_two_24();
  Bytes file = d.file();
  // Insert a 6-byte gap before the bits and point bfOffBits past it.
  file.insert(file.begin() + 54, 6, 0xEE);
  file[10] = 60;
  file[2] = static_cast<uint8_t>(file.size());
  ImageDocument* doc = read_bytes(file, "gap.bmp");
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), COLOR_Make(9, 8, 7));
  IMAGE_Free(doc);

  // An offset past the end of the file leaves no pixel data: all zero.
  file[10] = 0xFF;
  file[11] = 0xFF;
  doc = read_bytes(file, "farbits.bmp");
  ASSERT_NE(doc, nullptr);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(IMAGE_GetColor(doc, x, y), 0u);
  IMAGE_Free(doc);
}

TEST(BmpReader, HeaderOnlyFileIsRefusedCleanly) {
  Bytes file = {'B', 'M', 14, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0};
  bmptest::Recorder rec;
  EXPECT_EQ(read_bytes(file, "headeronly.bmp"), nullptr);
  ASSERT_EQ(rec.Host.Warnings.size(), 1u);
  EXPECT_EQ(rec.Host.Warnings[0], "Error in BITMAPINFOHEADER: unsupported header size (biSize)");
}
