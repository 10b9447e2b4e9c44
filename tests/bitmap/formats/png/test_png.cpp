#include <gtest/gtest.h>
#include <png.h>

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "bitmap/formats/png/png_reader.h"
#include "bitmap/formats/reader_test_util.h"
#include "hostile/hostile_files.h"

namespace {

std::vector<std::string> suite_files() {
  std::vector<std::string> names;
  if (DIR* d = opendir(TestData("corpus/pngsuite/png").c_str())) {
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n.size() > 4 && n.substr(n.size() - 4) == ".png") names.push_back(n);
    }
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

uint32_t be32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

ImageDocument* decode(const std::vector<uint8_t>& f, int* pStatus, std::string* pErr = nullptr) {
  ImageDocument* doc = nullptr;
  char err[256];
  *pStatus = PNG_Decode(f.data(), f.size(), &doc, err, sizeof(err));
  if (pErr) *pErr = err;
  return doc;
}

double file_gamma(const std::vector<uint8_t>& f) {
  for (size_t p = 8; p + 12 <= f.size();) {
    const uint32_t len = be32(&f[p]);
    if (std::memcmp(&f[p + 4], "gAMA", 4) == 0 && len == 4 && p + 16 <= f.size()) return be32(&f[p + 8]) / 100000.0;
    if (len > f.size() - p - 12) break;
    p += 12 + len;
  }
  return 0;
}

// Reference pixels: libpng's plain decode (expanded to RGB/RGBA, 8 or 16 bits, no gamma),
// then the display gamma applied here by the textbook formula.
struct RefImage {
  uint32_t Width = 0, Height = 0;
  int Channels = 0, Depth = 0;
  std::vector<std::vector<uint8_t>> Rows;
};

bool read_reference(const std::string& path, RefImage* ref) {
  FILE* fp = std::fopen(path.c_str(), "rb");
  if (!fp) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(fp);
    return false;
  }
  png_init_io(png, fp);
  png_read_png(png, info, PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_GRAY_TO_RGB, nullptr);
  ref->Width = png_get_image_width(png, info);
  ref->Height = png_get_image_height(png, info);
  ref->Channels = png_get_channels(png, info);
  ref->Depth = png_get_bit_depth(png, info);
  png_bytepp rows = png_get_rows(png, info);
  const size_t rb = png_get_rowbytes(png, info);
  for (uint32_t y = 0; y < ref->Height; ++y) ref->Rows.emplace_back(rows[y], rows[y] + rb);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(fp);
  return true;
}

}  // namespace

TEST(Png, SuiteMatchesLibpngWithDisplayGamma) {
  auto names = suite_files();
  ASSERT_GT(names.size(), 150u);
  int compared = 0;
  for (const auto& name : names) {
    if (name[0] == 'x') continue;
    SCOPED_TRACE(name);
    const std::string path = TestData("corpus/pngsuite/png/" + name);
    auto f = ReadBytes(path);
    int status;
    ImageDocument* doc = decode(f, &status);
    ASSERT_EQ(status, PNG_READ_OK);
    ASSERT_NE(doc, nullptr);
    RefImage ref;
    ASSERT_TRUE(read_reference(path, &ref));
    ASSERT_EQ(doc->XSize, int(ref.Width));
    ASSERT_EQ(doc->YSize, int(ref.Height));
    const double g = file_gamma(f);
    const bool correct = g > 0 && std::fabs(g * 2.2 - 1.0) >= 0.05;
    // libpng's 16-to-8-bit gamma table indexes by the top bits only.
    const int tolerance = !correct ? 0 : ref.Depth == 16 ? 2 : 1;
    const double maxv = ref.Depth == 16 ? 65535.0 : 255.0;
    const int bps = ref.Depth == 16 ? 2 : 1;
    bool anyAlpha = false;
    for (int y = 0; y < doc->YSize; ++y)
      for (int x = 0; x < doc->XSize; ++x) {
        const uint8_t* r = &ref.Rows[y][size_t(x) * ref.Channels * bps];
        const ColorValue c = IMAGE_GetColor(doc, x, y);
        for (int ch = 0; ch < 3; ++ch) {
          const double v = bps == 2 ? (r[2 * ch] << 8 | r[2 * ch + 1]) : r[ch];
          const int expect = correct ? int(std::lround(255.0 * std::pow(v / maxv, 1.0 / (g * 2.2))))
                                     : int(bps == 2 ? r[2 * ch] : r[ch]);
          const int got = (c >> (8 * ch)) & 255;
          ASSERT_LE(std::abs(got - expect), tolerance) << x << "," << y << " channel " << ch;
        }
        const int alpha = ref.Channels == 4 ? r[3 * bps] : 255;
        anyAlpha |= alpha != 255;
        ASSERT_EQ(int(c >> 24), 255 - alpha) << x << "," << y;
      }
    if (anyAlpha) {
      EXPECT_EQ(doc->HasAlpha, 1);
    }
    ++compared;
    IMAGE_Free(doc);
  }
  EXPECT_EQ(compared, 161);
}

TEST(Png, SixteenBitAlphaKeepsTheHighByte) {
  auto f = ReadBytes(TestData("corpus/pngsuite/png/basn6a16.png"));
  int status;
  ImageDocument* doc = decode(f, &status);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->HasAlpha, 1);
  // libpng's 16-bit rows read without transformations give the reference high bytes.
  png_image ref;
  std::memset(&ref, 0, sizeof(ref));
  ref.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_memory(&ref, f.data(), f.size()));
  ref.format = PNG_FORMAT_LINEAR_RGB_ALPHA;
  std::vector<uint16_t> px(PNG_IMAGE_SIZE(ref) / 2);
  ASSERT_TRUE(png_image_finish_read(&ref, nullptr, px.data(), 0, nullptr));
  for (int y = 0; y < doc->YSize; ++y)
    for (int x = 0; x < doc->XSize; ++x) {
      const uint16_t a = px[(size_t(y) * ref.width + x) * 4 + 3];
      ASSERT_EQ(IMAGE_GetColor(doc, x, y) >> 24, uint32_t(255 - (a >> 8)));
    }
  IMAGE_Free(doc);
}

TEST(Png, PaletteAlphaOnlyWithTrns) {
  int status;
  ImageDocument* t = decode(ReadBytes(TestData("corpus/pngsuite/png/tp1n3p08.png")), &status);
  ImageDocument* o = decode(ReadBytes(TestData("corpus/pngsuite/png/basn3p08.png")), &status);
  ASSERT_TRUE(t && o);
  EXPECT_EQ(t->NumColors, 0);
  EXPECT_EQ(t->HasAlpha, 1);
  EXPECT_EQ(o->HasAlpha, 0);
  IMAGE_Free(t);
  IMAGE_Free(o);
}

TEST(Png, OneBitGreyIsBlackAndWhite) {
  int status;
  ImageDocument* doc = decode(ReadBytes(TestData("corpus/pngsuite/png/basn0g01.png")), &status);
  ASSERT_NE(doc, nullptr);
  int black = 0, white = 0;
  for (int y = 0; y < doc->YSize; ++y)
    for (int x = 0; x < doc->XSize; ++x) {
      const ColorValue c = IMAGE_GetColor(doc, x, y);
      black += c == 0;
      white += c == 0xFFFFFF;
    }
  EXPECT_EQ(black + white, 32 * 32);
  EXPECT_GT(black, 0);
  EXPECT_GT(white, 0);
  IMAGE_Free(doc);
}

TEST(Png, CorruptFilesAreRefused) {
  int refused = 0;
  for (const auto& name : suite_files()) {
    if (name[0] != 'x') continue;
    SCOPED_TRACE(name);
    auto f = ReadBytes(TestData("corpus/pngsuite/png/" + name));
    int status;
    std::string err;
    ImageDocument* doc = decode(f, &status, &err);
    EXPECT_EQ(doc, nullptr);
    EXPECT_NE(status, PNG_READ_OK);
    if (status == PNG_READ_ELIBPNG) {
      EXPECT_FALSE(err.empty());
    }
    ++refused;
  }
  EXPECT_EQ(refused, 14);
}

TEST(Png, ReaderWarnings) {
  ScopedHost host;
  auto crc = ReadBytes(TestData("corpus/pngsuite/png/xhdn0g08.png"));
  EXPECT_EQ(IMAGE_ReadPNG(WriteTemp("crc.png", crc).c_str()), nullptr);
  ASSERT_EQ(host.Host.Warnings.size(), 1u);
  EXPECT_EQ(host.Host.Warnings[0], "libpng error: IHDR: CRC error\n");
  // Truncated inside the image data.
  auto good = ReadBytes(TestData("corpus/pngsuite/png/basn2c08.png"));
  good.resize(good.size() / 2);
  EXPECT_EQ(IMAGE_ReadPNG(WriteTemp("half.png", good).c_str()), nullptr);
  ASSERT_EQ(host.Host.Warnings.size(), 2u);
  EXPECT_EQ(host.Host.Warnings[1].rfind("libpng error: ", 0), 0u);
  // Too small and bad signatures: no message of the reader's own.
  EXPECT_EQ(IMAGE_ReadPNG(WriteTemp("tiny.png", {0x89, 'P', 'N', 'G'}).c_str()), nullptr);
  EXPECT_EQ(IMAGE_ReadPNG(TestData("corpus/pngsuite/png/xs1n0g01.png").c_str()), nullptr);
  EXPECT_EQ(host.Host.Warnings.size(), 2u);
  ImageDocument* doc = IMAGE_ReadPNG(TestData("corpus/pngsuite/png/basn2c08.png").c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->XSize, 32);
  EXPECT_EQ(doc->HasAlpha, 0);
  IMAGE_Free(doc);
}

TEST(Png, ImagesBeyondTheLimitAreRefusedBeforeDecoding) {
  ScopedHost host;
  int checked = 0;
  for (const HostileFile& h : HOSTILE_ImageFiles()) {
    if (h.Name != "zeros.png") continue;
    int status;
    std::string err;
    EXPECT_EQ(decode(h.Bytes, &status, &err), nullptr);
    EXPECT_EQ(status, PNG_READ_ETOOLARGE);
    EXPECT_EQ(IMAGE_ReadPNG(WriteTemp("zeros.png", h.Bytes).c_str()), nullptr);
    EXPECT_EQ(host.Host.Warnings, (std::vector<std::string>{"Image too large: more than 67108864 pixels"}));
    ++checked;
  }
  EXPECT_EQ(checked, 1);
}
