// Saves of the font writers that are refused or fail: the file they would replace
// stays as it was, no temporary file is left, and the failure is reported.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "font/formats/font_save.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"

namespace {

const int kFormats[] = {FONT_FORMAT_C, FONT_FORMAT_SIF, FONT_FORMAT_XBF};

struct SaveSafety : ::testing::Test {
  TempDir dir;
  fonttest::HostScope scope;
  void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(dir.Path))
      if (e.path().filename() != "config") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> WarningTexts() const {
    std::vector<std::string> v;
    for (const auto& w : scope.Host.Warnings) v.push_back(w.Text);
    return v;
  }
  // An Extended font of 200 glyphs of 64 x 64 pixels: about 100 KB in every format.
  static FontDoc* Large() {
    FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 64, 60);
    for (unsigned c = 0x100; c < 0x1C8; ++c) {
      fonttest::add_glyph(doc, c, 64, 64, 0, 60, 64);
      FONT_SetPixel(doc, c, c & 63, 5, 1);
    }
    return doc;
  }
};

TEST_F(SaveSafety, NothingToSaveLeavesTheExistingFileInEveryFormat) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 8);
  for (int format : kFormats) {
    const std::string path = dir / ("old" + std::to_string(format));
    Write(path, "old font");
    FONT_SetPath(doc, path.c_str());
    EXPECT_EQ(FONTSAVE_Save(doc, format, false, FontSaveOptions{}), FONTSAVE_DECLINED);
    EXPECT_EQ(fonttest::slurp(path), "old font") << format;
  }
  EXPECT_EQ(WarningTexts(), std::vector<std::string>(3, "Nothing to save!"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"old0", "old1", "old2"}));
  FONT_Destroy(doc);
}

TEST_F(SaveSafety, AFileThatCannotBeCreatedIsAWritingError) {
  FontDoc* doc = Large();
  FONT_SetPath(doc, (dir / "missing/x.c").c_str());
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, FontSaveOptions{}), FONTSAVE_FAILED);
  std::filesystem::create_directory(dir / "folder.xbf");
  FONT_SetPath(doc, (dir / "folder.xbf").c_str());
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, FontSaveOptions{}), FONTSAVE_FAILED);
  EXPECT_EQ(WarningTexts(), std::vector<std::string>(2, "Writing error"));
  FONT_Destroy(doc);
}

TEST_F(SaveSafety, AFullDeviceIsAWritingErrorInEveryFormat) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  FontDoc* doc = Large();
  FONT_SetPath(doc, "/dev/full");
  for (int format : kFormats) EXPECT_EQ(FONTSAVE_Save(doc, format, false, FontSaveOptions{}), FONTSAVE_FAILED);
  EXPECT_EQ(WarningTexts(), std::vector<std::string>(3, "Writing error"));
  FONT_Destroy(doc);
}

TEST_F(SaveSafety, AFileSizeLimitLeavesTheOldFileAndNoTemporaryFile) {
  for (int format : kFormats) {
    const std::string path = dir / ("font" + std::to_string(format));
    Write(path, "old font");
    // In a child: writes past 16 KiB fail with EFBIG instead of raising SIGXFSZ.
    const pid_t pid = fork();
    if (pid == 0) {
      fonttest::HostScope child;
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit = {16384, 16384};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(100);
      FontDoc* doc = Large();
      FONT_SetPath(doc, path.c_str());
      const int result = FONTSAVE_Save(doc, format, false, FontSaveOptions{});
      const bool said = child.Host.Warnings.size() == 1 && child.Host.Warnings[0].Text == "Writing error";
      _exit(result * 10 + (said ? 1 : 0));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), FONTSAVE_FAILED * 10 + 1) << format;
    EXPECT_EQ(fonttest::slurp(path), "old font") << format;
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"font0", "font1", "font2"}));
}

TEST_F(SaveSafety, ASuccessfulSaveReplacesTheFile) {
  FontDoc* doc = Large();
  const std::string path = dir / "font.xbf";
  Write(path, "old font");
  FONT_SetPath(doc, path.c_str());
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, FontSaveOptions{}), FONTSAVE_OK);
  EXPECT_EQ(fonttest::slurp(path).substr(0, 4), "GUIX");
  EXPECT_TRUE(scope.Host.Warnings.empty());
  EXPECT_EQ(Entries(), std::vector<std::string>{"font.xbf"});
  FONT_Destroy(doc);
}

TEST_F(SaveSafety, XbfRecordOf64KiBOrMoreIsRefusedBeforeTheFileIsTouched) {
  // 1 bpp: 256 bytes per line x 256 rows + 12 = 65548 bytes, beyond the 16-bit size.
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 256, 200);
  fonttest::add_glyph(doc, 'A', 16, 16, 0, 16, 16);
  fonttest::add_glyph(doc, 'W', 2048, 256, 0, 200, 2048);
  const std::string path = dir / "big.xbf";
  Write(path, "old font");
  FONT_SetPath(doc, path.c_str());
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, FontSaveOptions{}), FONTSAVE_DECLINED);
  EXPECT_EQ(fonttest::slurp(path), "old font");
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{
                                "Character 0x0057 needs an XBF record of 65548 bytes, more than the format's 65535: "
                                "the font cannot be saved as XBF."});
  // The largest record that fits is written, and so is the same font as C.
  scope.Host.Warnings.clear();
  FONT_AllocPlanes(doc, 'W', 2048 - 8, 256);  // 255 x 256 + 12 = 65292
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, FontSaveOptions{}), FONTSAVE_OK);
  // Magnification counts: MagY 2 doubles the rows.
  FontSaveOptions mag;
  mag.MagY = 2;
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, mag), FONTSAVE_DECLINED);
  EXPECT_EQ(WarningTexts().size(), 1u);
  FONT_Destroy(doc);
}

}  // namespace
