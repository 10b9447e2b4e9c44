// The save operation behind "Save As": what it does to the document and the undo stack,
// and how a writer that fails inside is reported.
#include <gtest/gtest.h>

#include <cstdlib>

#include "bitmap/app/command_saveas.h"
#include "bitmap/document/image.h"
#include "support/rastrel_messages.h"
#include "support/recording_host.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

struct SaveFile : ::testing::Test {
  RecordingHost Host;
  TempDir Dir;
  void SetUp() override {
    HOST_Set(&Host);
    InstallRastrelMessages();
    UNDO_Clear();
    IMAGE_SetCurrent(nullptr);
  }
  void TearDown() override {
    UNDO_Clear();
    IMAGE_SetCurrent(nullptr);
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
  static ImageDocument* Paletted() {
    ImageDocument* doc = IMAGE_Create(3, 2, 4);
    const ColorValue pal[4] = {0x123456, 0xFF00FF, 0x00FF00, 0x80FFFFFFu};
    for (int i = 0; i < 4; ++i) IMAGE_SetPalColor(doc, i, pal[i]);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) IMAGE_SetIndex(doc, x, y, static_cast<uint32_t>((x + y) % 4));
    return doc;
  }
};

TEST_F(SaveFile, DirectColourSaveOfAPalettedImageLeavesDocumentAndUndoStackAlone) {
  IMAGE_SetCurrent(Paletted());
  // A full stack: step k holds palette entry 3 = k, the current document 10.
  for (int k = 0; k < UNDO_DEPTH; ++k) {
    IMAGE_SetPalColor(IMAGE_GetCurrent(), 3, static_cast<ColorValue>(k));
    UNDO_Save();
  }
  IMAGE_SetPalColor(IMAGE_GetCurrent(), 3, 10);
  const std::string path = Dir / "out.c";
  const SaveRequest request = {8, 1, 1};
  ASSERT_EQ(RASTREL_SaveFile(path.c_str(), 1, &request), 1);
  EXPECT_TRUE(Host.Warnings.empty());
  ASSERT_EQ(UNDO_Count(), UNDO_DEPTH);
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 4);
  EXPECT_EQ(IMAGE_GetPalColor(IMAGE_GetCurrent(), 3), 10u);

  // The file is the one the true-colour conversion of the document gives.
  const std::string expectedPath = Dir / "expected/out.c";
  std::filesystem::create_directories(Dir / "expected");
  ImageDocument* trueColor = IMAGE_ToTrueColor(IMAGE_Clone(IMAGE_GetCurrent()));
  ASSERT_NE(trueColor, nullptr);
  FILE* f = std::fopen(expectedPath.c_str(), "wb");
  ASSERT_EQ(CBITMAP_Save(f, trueColor, &request, expectedPath.c_str(), false), 0);
  std::fclose(f);
  IMAGE_Free(trueColor);
  EXPECT_EQ(read_whole_file(path), read_whole_file(expectedPath));

  // Every step is still there, the oldest last.
  for (int k = UNDO_DEPTH - 1; k >= 0; --k) {
    UNDO_Undo();
    EXPECT_EQ(IMAGE_GetPalColor(IMAGE_GetCurrent(), 3), static_cast<ColorValue>(k));
  }
  EXPECT_EQ(UNDO_Count(), 0);
}

// A document too large for the run-length keys: the writer fails after the file was
// begun, without a write error of the file itself.
ImageDocument* too_large_for_rle_keys() {
  auto* doc = static_cast<ImageDocument*>(std::calloc(1, sizeof(ImageDocument)));
  doc->XSize = 1 << 15;
  doc->YSize = 1 << 14;  // 2^29 pixels, beyond IMAGE_MAX_PIXELS
  doc->NumColors = 2;
  doc->BitsPerPixel = 8;
  doc->BytesPerLine = doc->XSize;
  doc->pInfo = static_cast<uint8_t*>(std::calloc(1, IMAGE_DIB_HEADER_SIZE + 8));
  doc->pBits = static_cast<uint8_t*>(std::calloc(1, 1));  // never read: the keys are refused first
  return doc;
}

// The text goes through the job engine's free-text report: a message box here, the log
// and exit code 1 in a job.
TEST_F(SaveFile, AWriterThatFailsInsideIsReported) {
  IMAGE_SetCurrent(too_large_for_rle_keys());
  const std::string path = Dir / "big.c";
  const SaveRequest request = {7, 0, 1};  // RLE8
  EXPECT_EQ(RASTREL_SaveFile(path.c_str(), 1, &request), 0);
  ASSERT_EQ(Host.Warnings.size(), 1u);
  EXPECT_EQ(Host.Warnings[0].Text, "Not enough memory to save the file.");
  EXPECT_FALSE(std::filesystem::exists(path));  // begun in a temporary file, then discarded
}

// Saving as GIF replaces the document by its best-palette conversion after an undo
// step: Undo brings the true-colour original back.
TEST_F(SaveFile, GifSaveConvertsAfterAnUndoStep) {
  ImageDocument* photo = IMAGE_Create(20, 10, 0);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 20; ++x) IMAGE_SetIndex(photo, x, y, static_cast<uint32_t>(x * 0x0A0B0C + y * 0x100));
  IMAGE_SetCurrent(photo);
  const std::string path = Dir / "photo.gif";
  const SaveRequest request = {0, 0, 4};
  ASSERT_EQ(RASTREL_SaveFile(path.c_str(), 4, &request), 1);
  EXPECT_EQ(read_whole_file(path).substr(0, 6), "GIF89a");
  EXPECT_GT(IMAGE_GetCurrent()->NumColors, 0);
  ASSERT_EQ(UNDO_Count(), 1);
  UNDO_Undo();
  const ImageDocument* back = IMAGE_GetCurrent();
  ASSERT_EQ(back->NumColors, 0);
  EXPECT_EQ(IMAGE_GetIndex(back, 19, 9), static_cast<uint32_t>(19 * 0x0A0B0C + 9 * 0x100));
}

// A transparent palette image keeps its transparent colour at index 0.
TEST_F(SaveFile, GifSaveKeepsTheTransparentColour) {
  ImageDocument* doc = Paletted();
  IMAGE_SetTransIndex(doc, 2);  // 0x00FF00 becomes entry 0
  IMAGE_SetCurrent(doc);
  const std::string path = Dir / "t.gif";
  const SaveRequest request = {0, 0, 4};
  ASSERT_EQ(RASTREL_SaveFile(path.c_str(), 4, &request), 1);
  const ImageDocument* saved = IMAGE_GetCurrent();
  EXPECT_TRUE(saved->HasTrans);
  EXPECT_EQ(IMAGE_GetPalColor(saved, 0) & 0xFFFFFFu, 0x00FF00u);
  EXPECT_NE(read_whole_file(path).find(std::string("\x21\xF9\x04\x01", 4)), std::string::npos);
}

}  // namespace
