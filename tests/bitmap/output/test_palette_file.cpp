// Palette file reader and writer: sizes, messages, round trip, untouched palette.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "bitmap/output/palette_file.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

struct PaletteFileTest : ::testing::Test {
  TempDir Dir;
  RecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    // A known custom palette to see whether a read replaced it.
    IMAGE_CustomPalette.NumEntries = 3;
    for (int i = 0; i < 256; ++i) IMAGE_CustomPalette.pColors[i] = 0xC0FFEEu;
  }
  void TearDown() override { HOST_Set(nullptr); }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = Dir / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::string LastWarning() const { return Host.Warnings.empty() ? "" : Host.Warnings.back().Text; }
};

void put32(std::vector<uint8_t>* v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v->push_back(static_cast<uint8_t>(x >> (8 * i)));
}

std::vector<uint8_t> palette_bytes(uint32_t count, int entries) {
  std::vector<uint8_t> v = {'V', 'o', 'r', 'i', 'x', 'P', 'a', 'l'};
  put32(&v, count);
  put32(&v, 0xDEADBEEF);  // reserved: ignored
  for (int i = 0; i < entries; ++i) put32(&v, 0x01000000u * static_cast<uint32_t>(i & 1) + 0x010203u * static_cast<uint32_t>(i));
  return v;
}

}  // namespace

TEST_F(PaletteFileTest, EveryCountFrom2To256LoadsAnd1And257AreRefused) {
  for (uint32_t n : {2u, 3u, 16u, 255u, 256u}) {
    ASSERT_EQ(PALETTE_Read(Write("p.GUIPal", palette_bytes(n, static_cast<int>(n))).c_str()), 0) << n;
    EXPECT_EQ(IMAGE_CustomPalette.NumEntries, static_cast<int>(n));
    EXPECT_EQ(IMAGE_CustomPalette.pColors[n - 1], 0x01000000u * ((n - 1) & 1) + 0x010203u * (n - 1));
  }
  EXPECT_TRUE(Host.Warnings.empty());
  EXPECT_EQ(PALETTE_Read(Write("p.GUIPal", palette_bytes(1, 1)).c_str()), 1);
  EXPECT_EQ(LastWarning(), "_LoadPalette: Number of colors may not be less than 2 !");
  EXPECT_EQ(PALETTE_Read(Write("p.GUIPal", palette_bytes(257, 257)).c_str()), 1);
  EXPECT_EQ(LastWarning(), "_LoadPalette: Number of colors may not exceed 256 !");
  EXPECT_EQ(PALETTE_Read(Write("p.GUIPal", palette_bytes(0xFFFFFFFFu, 0)).c_str()), 1);
  EXPECT_EQ(LastWarning(), "_LoadPalette: Number of colors may not exceed 256 !");
  EXPECT_EQ(IMAGE_CustomPalette.NumEntries, 256);  // the last good read
}

TEST_F(PaletteFileTest, EachTruncationGivesItsMessageAndKeepsThePalette) {
  IMAGE_CustomPalette.NumEntries = 3;
  const std::vector<uint8_t> full = palette_bytes(4, 4);
  struct Case {
    size_t Size;
    const char* Text;
  } cases[] = {
      {5, "_LoadPalette: Could not read header"},
      {8, "_LoadPalette: Could not read number of entries"},
      {11, "_LoadPalette: Could not read number of entries"},
      {12, "_LoadPalette: Dummy read at 0xc failed"},
      {15, "_LoadPalette: Dummy read at 0xc failed"},
      {16, "_LoadPalette: Could not read palette data"},
      {31, "_LoadPalette: Could not read palette data"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> part(full.begin(), full.begin() + static_cast<long>(c.Size));
    EXPECT_EQ(PALETTE_Read(Write("t.GUIPal", part).c_str()), 1) << c.Size;
    EXPECT_EQ(LastWarning(), c.Text) << c.Size;
  }
  EXPECT_EQ(IMAGE_CustomPalette.NumEntries, 3);
  EXPECT_EQ(IMAGE_CustomPalette.pColors[0], 0xC0FFEEu);
  // Extra bytes after the entries are ignored.
  std::vector<uint8_t> longer = full;
  longer.resize(4000, 0x55);
  EXPECT_EQ(PALETTE_Read(Write("l.GUIPal", longer).c_str()), 0);
  EXPECT_EQ(IMAGE_CustomPalette.NumEntries, 4);
}

TEST_F(PaletteFileTest, BadHeaderMissingFileAndEmptyFile) {
  std::vector<uint8_t> bad = palette_bytes(4, 4);
  bad[0] = 'v';
  EXPECT_EQ(PALETTE_Read(Write("b.GUIPal", bad).c_str()), 1);
  EXPECT_EQ(LastWarning(),
            "Illegal file header\nExcpecting the following:\n00:U8  Header[8] = \"VorixPal\"\n08:U32 NumColors\n"
            "0C:U8  Reserved[4]\n10:U32 _aColor[NumColors]\n");
  EXPECT_EQ(PALETTE_Read((Dir / "missing.GUIPal").c_str()), 1);
  EXPECT_EQ(LastWarning(), "Invalid file handle");
  const size_t warnings = Host.Warnings.size();
  EXPECT_EQ(PALETTE_Read(Write("e.GUIPal", {}).c_str()), 0);
  EXPECT_EQ(Host.Warnings.size(), warnings);
  EXPECT_EQ(IMAGE_CustomPalette.NumEntries, 3);
  EXPECT_EQ(IMAGE_CustomPalette.pColors[2], 0xC0FFEEu);
}

TEST_F(PaletteFileTest, SixteenColourImageWritesEightyBytesThatReadBack) {
  ImageDocument* doc = IMAGE_Create(2, 2, 16);
  for (int i = 0; i < 16; ++i) IMAGE_SetPalColor(doc, i, 0x80000000u * static_cast<uint32_t>(i % 2) + 0x112233u * static_cast<uint32_t>(i));
  const std::string path = Dir / "w.GUIPal";
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_EQ(PALETTE_Write(doc, f), 0);
  std::fclose(f);
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 80u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "VorixPal");
  EXPECT_EQ(bytes[8], 16);
  EXPECT_EQ(bytes[12] | bytes[13] | bytes[14] | bytes[15], 0);
  // Entry 1 is 0x80112233, little-endian.
  EXPECT_EQ(bytes[20], 0x33);
  EXPECT_EQ(bytes[23], 0x80);
  ASSERT_EQ(PALETTE_Read(path.c_str()), 0);
  ASSERT_EQ(IMAGE_CustomPalette.NumEntries, 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(IMAGE_CustomPalette.pColors[i], IMAGE_GetPalColor(doc, i));
  IMAGE_Free(doc);
  // A true-colour document writes a count of 0 and no entries; reading that refuses it.
  ImageDocument* tc = IMAGE_Create(1, 1, 0);
  f = std::fopen(path.c_str(), "wb");
  ASSERT_EQ(PALETTE_Write(tc, f), 0);
  std::fclose(f);
  EXPECT_EQ(PALETTE_Read(path.c_str()), 1);
  EXPECT_EQ(LastWarning(), "_LoadPalette: Number of colors may not be less than 2 !");
  IMAGE_Free(tc);
}

TEST_F(PaletteFileTest, AShortWriteIsReported) {
  ImageDocument* doc = IMAGE_Create(1, 1, 4);
  FILE* f = std::fopen("/dev/full", "wb");
  if (!f) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(PALETTE_Write(doc, f), 1);
  std::fclose(f);
  IMAGE_Free(doc);
}
