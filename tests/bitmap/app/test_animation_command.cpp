// The animated sprite and cursor commands (1206, 1207) as the menus deliver them: their
// dialogs, the file written, and what they say about files they cannot use.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/document/image.h"
#include "bitmap/formats/gif/gif.h"
#include "bitmap/formats/gif/gif_test_util.h"
#include "support/rastrel_messages.h"
#include "support/rastrel_recording_host.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct AnimationCommand : ::testing::Test {
  testsupport::RastrelRecordingHost Host;
  TempDir Dir;
  ImageDocument* Current = nullptr;
  void SetUp() override {
    HOST_Set(&Host);
    InstallRastrelMessages();
    Current = IMAGE_Create(4, 2, 2);
    IMAGE_SetCurrent(Current);
    fs::copy_file(fs::path(ANIMATION_DATA_DIR) / "walk.gif", Dir / "walk.gif");
    fs::copy_file(fs::path(ANIMATION_DATA_DIR) / "busy.gif", Dir / "busy.gif");
  }
  void TearDown() override {
    IMAGE_SetCurrent(nullptr);
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& w : Host.Base.Warnings) t.push_back(w.Text);
    return t;
  }
};

TEST_F(AnimationCommand, SpriteAsksForTheGifThenTheOutputAndWritesTheFile) {
  Host.AnimationGifAnswer = Dir / "walk.gif";
  Host.AnimationOutputAnswer = Dir / "hero.c";
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"sprite gif", "sprite output"}));
  ASSERT_EQ(Host.Base.FileDialogs.size(), 2u);
  const FileDialogRequest& open = Host.Base.FileDialogs[0];
  EXPECT_STREQ(open.pTitle, "Select GIF to convert.");
  ASSERT_EQ(open.NumFilters, 1);
  EXPECT_STREQ(open.paFilters[0].pText, "GIF file (*.gif)");
  EXPECT_STREQ(open.paFilters[0].pPatterns, "*.gif");
  const FileDialogRequest& save = Host.Base.FileDialogs[1];
  EXPECT_STREQ(save.pTitle, "Saving animated sprite.");
  EXPECT_EQ(save.InitialName, Dir / "walk.c");
  EXPECT_TRUE(Texts().empty());
  const std::string text = read(Dir / "hero.c");
  EXPECT_NE(text.find("* Source file: hero.gif (Animated Sprite)"), std::string::npos);
  EXPECT_NE(text.find("const GUI_BITMAP * apbmhero[] = {\r\n  &_abmhero[0],  &_abmhero[1],  &_abmhero[2]\r\n};"),
            std::string::npos);
  EXPECT_NE(text.find("const unsigned aDelayhero[] = {\r\n  100, 200, 100\r\n};"), std::string::npos);
  EXPECT_EQ(Host.Base.Status, (std::vector<std::string>{"Saving animated sprite...", "Saving animated sprite...",
                                                         "Saving animated sprite...", "Ready"}));
  EXPECT_EQ(IMAGE_GetCurrent(), Current);  // the document is not touched
  EXPECT_EQ(Host.Base.WaitCursorDepth, 0);
}

TEST_F(AnimationCommand, CursorHasItsOwnTexts) {
  Host.AnimationGifAnswer = Dir / "busy.gif";
  Host.AnimationOutputAnswer = Dir / "busy.c";
  RASTREL_Execute(ID_FILE_ANIM_CURSOR, 0);
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"cursor gif", "cursor output"}));
  ASSERT_EQ(Host.Base.FileDialogs.size(), 2u);
  EXPECT_STREQ(Host.Base.FileDialogs[1].pTitle, "Saving animated cursor.");
  EXPECT_STREQ(Host.Base.FileDialogs[1].paFilters[0].pText, "\"C\" cursor file (*.c)");
  EXPECT_STREQ(Host.Base.FileDialogs[1].paFilters[0].pPatterns, "*.c");
  EXPECT_NE(read(Dir / "busy.c").find("const GUI_CURSOR_ANIM Cursorbusy = {"), std::string::npos);
  EXPECT_EQ(Host.Base.Status.front(), "Saving animated cursor...");
}

TEST_F(AnimationCommand, CancelEndsTheCommandQuietly) {
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);  // the GIF dialog is cancelled
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"sprite gif"}));
  Host.AnimationGifAnswer = Dir / "walk.gif";
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);  // the output dialog is cancelled
  EXPECT_EQ(Host.Dialogs.back(), "sprite output");
  EXPECT_TRUE(Texts().empty());
  EXPECT_FALSE(fs::exists(Dir / "walk.c"));
}

TEST_F(AnimationCommand, FilesItCannotUse) {
  Host.AnimationOutputAnswer = Dir / "out.c";
  Host.AnimationGifAnswer = Dir / "missing.gif";
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"File not found."}));
  // 8,000,001 bytes are too long; 8,000,000 are read (and this is no GIF: nothing more).
  std::string big(GIF_MAX_FILE_SIZE + 1, 'x');
  std::ofstream(Dir / "big.gif", std::ios::binary) << big;
  Host.AnimationGifAnswer = Dir / "big.gif";
  Host.Base.Warnings.clear();
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"File too long"}));
  big.pop_back();
  std::ofstream(Dir / "big.gif", std::ios::binary | std::ios::trunc) << big;
  Host.Base.Warnings.clear();
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);
  EXPECT_TRUE(Texts().empty());
  // A folder is no file to read.
  fs::create_directory(Dir / "folder.gif");
  Host.AnimationGifAnswer = Dir / "folder.gif";
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Invalid file handle."}));
  // None of these reached the output dialog.
  for (const std::string& d : Host.Dialogs) EXPECT_EQ(d, "sprite gif");
  EXPECT_FALSE(fs::exists(Dir / "out.c"));
}

TEST_F(AnimationCommand, AFailedFrameLeavesTheOldFileAsItWas) {
  GifSpec layout;
  layout.Global = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
  GifSpec::Frame f;
  f.Pixels.assign(12, 1);
  layout.Frames = {f, f, f};
  layout.Frames[2].Pixels[5] = 9;  // beyond the four colours
  layout.Frames[2].MinCodeSize = 4;  // room for the code in the data
  const std::vector<uint8_t> gif = gif_build(layout);
  std::ofstream(Dir / "bad.gif", std::ios::binary).write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  std::ofstream(Dir / "keep.c", std::ios::binary) << "old";
  Host.AnimationGifAnswer = Dir / "bad.gif";
  Host.AnimationOutputAnswer = Dir / "keep.c";
  RASTREL_Execute(ID_FILE_ANIM_SPRITE, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Image could not be read"}));
  EXPECT_EQ(read(Dir / "keep.c"), "old");
  // No temporary file stays behind.
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(Dir.Path))
    if (e.is_regular_file()) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"bad.gif", "busy.gif", "keep.c", "walk.gif"}));
}

}  // namespace
