// The four readers opened by extension through IMAGE_LoadFile.
#include <gtest/gtest.h>

#include "bitmap/formats/gif/gif.h"
#include "bitmap/formats/jpeg/jpeg.h"
#include "bitmap/formats/png/png_reader.h"
#include "bitmap/formats/sbmp/sbmp.h"
#include "common/cmdline/cmdline.h"
#include "support/rastrel_messages.h"
#include "bitmap/formats/reader_test_util.h"

namespace {

struct ReaderLoad : ::testing::Test {
  ScopedHost host;
  void SetUp() override {
    InstallRastrelMessages();
    IMAGE_SetReader(IMAGE_TYPE_SBMP, IMAGE_ReadSBMP);
    IMAGE_SetReader(IMAGE_TYPE_GIF, IMAGE_ReadGIF);
    IMAGE_SetReader(IMAGE_TYPE_PNG, IMAGE_ReadPNG);
    IMAGE_SetReader(IMAGE_TYPE_JPEG, IMAGE_ReadJPEG);
  }
  void TearDown() override {
    UNDO_Clear();
    IMAGE_SetCurrent(nullptr);
    for (int t = 0; t < IMAGE_NUM_TYPES; ++t) IMAGE_SetReader(static_cast<ImageFileType>(t), nullptr);
    CMDLINE_Reset();
  }
};

}  // namespace

TEST_F(ReaderLoad, EachFormatOpensByExtension) {
  struct Case {
    std::string Path;
    int W, H, Colors;
  } cases[] = {
      {TestData("corpus/gif/go/video-001.gif"), 150, 103, -1},
      {TestData("corpus/pngsuite/png/basn6a08.png"), 32, 32, 0},
      {TestData("corpus/jpeg/libjpeg-turbo/testorig.jpg"), 227, 149, 0},
      {WriteTemp("pic.SBMP", {'S', 'B', 2, 0, 1, 0, 0, 0, 2, 0, 1, 2, 3}), 2, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Path);
    ImageDocument* doc = IMAGE_LoadFile(c.Path.c_str());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc, IMAGE_GetCurrent());
    EXPECT_EQ(doc->XSize, c.W);
    EXPECT_EQ(doc->YSize, c.H);
    if (c.Colors >= 0) {
      EXPECT_EQ(doc->NumColors, c.Colors);
    } else {
      EXPECT_GT(doc->NumColors, 0);
    }
  }
  EXPECT_EQ(UNDO_Count(), 3);
  EXPECT_TRUE(host.Host.Warnings.empty());
}

TEST_F(ReaderLoad, FailedReadsReportErrorOpeningFile) {
  IMAGE_LoadFile(TestData("corpus/pngsuite/png/xcsn0g01.png").c_str());
  IMAGE_LoadFile(TestData("corpus/jpeg/libjpeg-turbo/testimgari.jpg").c_str());
  IMAGE_LoadFile(WriteTemp("bad.sbmp", {'S', 'X', 1, 0, 1, 0, 0, 0}).c_str());
  ASSERT_EQ(host.Host.Warnings.size(), 5u);
  EXPECT_EQ(host.Host.Warnings[0].rfind("libpng error: ", 0), 0u);
  EXPECT_EQ(host.Host.Warnings[1], "Error opening file.");
  EXPECT_EQ(host.Host.Warnings[2], "Error opening file.");
  EXPECT_EQ(host.Host.Warnings[3], "Illegal file header !");
  EXPECT_EQ(host.Host.Warnings[4], "Error opening file.");
  EXPECT_EQ(IMAGE_GetCurrent(), nullptr);
}
