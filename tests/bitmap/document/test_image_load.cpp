// Opening files: reader choice by extension and the messages of a failed open.
#include <gtest/gtest.h>

#include <fstream>

#include "bitmap/document/image.h"
#include "common/cmdline/cmdline.h"
#include "support/rastrel_messages.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

int g_reads;
ImageDocument* fake_reader(const char*) {
  ++g_reads;
  return IMAGE_Create(2, 2, 0);
}
ImageDocument* failing_reader(const char*) { return nullptr; }

struct Load : ::testing::Test {
  RecordingHost host;
  TempDir dir;
  void SetUp() override {
    HOST_Set(&host);
    InstallRastrelMessages();
    g_reads = 0;
    for (int t = 0; t < IMAGE_NUM_TYPES; ++t) IMAGE_SetReader(static_cast<ImageFileType>(t), nullptr);
  }
  void TearDown() override {
    UNDO_Clear();
    IMAGE_SetCurrent(nullptr);
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
  std::string Touch(const std::string& name) {
    std::string path = dir / name;
    std::ofstream(path) << "x";
    return path;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (auto& w : host.Warnings) t.push_back(w.Text);
    return t;
  }
};

TEST_F(Load, ExtensionsChooseTheReader) {
  int filter = 0;
  EXPECT_EQ(IMAGE_TypeFromName("a.BMP", &filter), IMAGE_TYPE_BMP);
  EXPECT_EQ(filter, 2);
  EXPECT_EQ(IMAGE_TypeFromName("a.bmpx", nullptr), IMAGE_TYPE_BMP);
  EXPECT_EQ(IMAGE_TypeFromName("a.sbmp", &filter), IMAGE_TYPE_SBMP);
  EXPECT_EQ(IMAGE_TypeFromName("a.JPEG", &filter), IMAGE_TYPE_JPEG);
  EXPECT_EQ(filter, 1);
  EXPECT_EQ(IMAGE_TypeFromName("a.jpe", nullptr), IMAGE_TYPE_JPEG);
  EXPECT_EQ(IMAGE_TypeFromName("a.jpx", nullptr), IMAGE_TYPE_JPEG);
  EXPECT_EQ(IMAGE_TypeFromName("a.gif", &filter), IMAGE_TYPE_GIF);
  EXPECT_EQ(filter, 4);
  EXPECT_EQ(IMAGE_TypeFromName("a.png", &filter), IMAGE_TYPE_PNG);
  EXPECT_EQ(filter, 5);
  EXPECT_EQ(IMAGE_TypeFromName("a.tif", nullptr), -1);
  EXPECT_EQ(IMAGE_TypeFromName("dir.bmp/file", nullptr), -1);
}

TEST_F(Load, SuccessPushesUndoAndBecomesCurrent) {
  IMAGE_SetReader(IMAGE_TYPE_BMP, fake_reader);
  IMAGE_SetCurrent(IMAGE_Create(1, 1, 0));
  std::string path = Touch("logo.bmp");
  ImageDocument* doc = IMAGE_LoadFile(path.c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(IMAGE_GetCurrent(), doc);
  EXPECT_EQ(UNDO_Count(), 1);
  EXPECT_STREQ(IMAGE_GetFileName(), path.c_str());
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Load, FailuresReportTheirMessagesAndKeepTheDocument) {
  ImageDocument* before = IMAGE_Create(1, 1, 0);
  IMAGE_SetCurrent(before);
  EXPECT_EQ(IMAGE_LoadFile((dir / "missing.bmp").c_str()), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"File not found."}));

  host.Warnings.clear();
  EXPECT_EQ(IMAGE_LoadFile(Touch("photo.tif").c_str()), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Unsupported file type", "Error opening file."}));

  host.Warnings.clear();
  IMAGE_SetReader(IMAGE_TYPE_GIF, failing_reader);
  EXPECT_EQ(IMAGE_LoadFile(Touch("anim.gif").c_str()), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Error opening file."}));

  // No dot at all: refused without a message, and a later open still works.
  host.Warnings.clear();
  EXPECT_EQ(IMAGE_LoadFile(Touch("README").c_str()), nullptr);
  EXPECT_TRUE(host.Warnings.empty());
  IMAGE_SetReader(IMAGE_TYPE_BMP, fake_reader);
  EXPECT_NE(IMAGE_LoadFile(Touch("ok.bmp").c_str()), nullptr);
  EXPECT_EQ(g_reads, 1);
  EXPECT_EQ(UNDO_Count(), 1);
}

TEST_F(Load, UnopenableFileIsAnInvalidHandle) {
  // A regular file used as a folder fails with ENOTDIR, for root too.
  std::string path = Touch("plain.bmp") + "/inner.bmp";
  EXPECT_EQ(IMAGE_LoadFile(path.c_str()), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Invalid file handle."}));
}

}  // namespace
