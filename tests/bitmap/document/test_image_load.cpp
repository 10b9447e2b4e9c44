// Opening files: reader choice by extension and the messages of a failed open.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "bitmap/document/file_bytes.h"
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

TEST_F(Load, OnlyRegularFilesReachTheReaders) {
  IMAGE_SetReader(IMAGE_TYPE_BMP, fake_reader);
  const std::string fifo = dir / "pipe.bmp";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.bmp");
  std::filesystem::create_directory(dir / "folder.bmp");
  for (const char* name : {"pipe.bmp", "zero.bmp"}) {
    host.Warnings.clear();
    EXPECT_EQ(IMAGE_LoadFile((dir / name).c_str()), nullptr) << name;
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Not a regular file", "Error opening file."})) << name;
  }
  // A folder does not open as a file: the loader's message for that, and nothing else.
  host.Warnings.clear();
  IMAGE_SetFileName("before.bmp");
  EXPECT_EQ(IMAGE_LoadFile((dir / "folder.bmp").c_str()), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Invalid file handle."}));
  EXPECT_STREQ(IMAGE_GetFileName(), "before.bmp");  // not remembered as the image's name
  EXPECT_EQ(g_reads, 0);
}

TEST_F(Load, WholeFileReadsStopAtTheirCap) {
  FileBytes data;
  size_t size;
  const std::string path = Touch("ten.bin");
  std::filesystem::resize_file(path, 10);
  EXPECT_EQ(IMAGE_ReadFileBytes(path.c_str(), 9, &data, &size), FILE_BYTES_ETOOLONG);
  EXPECT_EQ(size, 10u);
  EXPECT_TRUE(data.empty());
  EXPECT_EQ(IMAGE_ReadFileBytes(path.c_str(), 10, &data, &size), FILE_BYTES_OK);
  EXPECT_EQ(data.size(), 10u);
  // A large file lands on huge-page-aligned memory, byte for byte.
  {
    std::string big(5u << 20, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + (i >> 12));
    const std::string bigPath = Touch("big.bin");
    std::ofstream(bigPath, std::ios::binary) << big;
    ASSERT_EQ(IMAGE_ReadFileBytes(bigPath.c_str(), 0, &data, &size), FILE_BYTES_OK);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(data.data()) % MEM_HUGE_PAGE, 0u);
    EXPECT_TRUE(data.size() == big.size() && std::memcmp(data.data(), big.data(), big.size()) == 0);
  }
  // Without a cap of its own a reader gets the common one; a sparse file costs nothing.
  std::filesystem::resize_file(path, IMAGE_MAX_FILE_BYTES + 1);
  EXPECT_EQ(IMAGE_ReadFileBytes(path.c_str(), 0, &data, &size), FILE_BYTES_ETOOLONG);
  EXPECT_EQ(IMAGE_ReadFileBytes("/dev/zero", 0, &data, &size), FILE_BYTES_ENOTREGULAR);
}

}  // namespace
