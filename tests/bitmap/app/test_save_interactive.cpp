// The menu form of Save As: the unnamed image's numbered desktop name, the dialog's
// title, filters and preselected type, the format dialog for C files, Cancel.
#include <gtest/gtest.h>

#include <filesystem>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/document/image.h"
#include "support/rastrel_messages.h"
#include "support/rastrel_recording_host.h"
#include "support/temp_dir.h"

namespace {

struct SaveInteractive : ::testing::Test {
  testsupport::RastrelRecordingHost Host;
  TempDir Dir;
  void SetUp() override {
    HOST_Set(&Host);
    InstallRastrelMessages();
    setenv("XDG_DESKTOP_DIR", Dir.Path.c_str(), 1);
    IMAGE_SetCurrent(IMAGE_Create(4, 2, 2));
    IMAGE_SetFileName("");
    IMAGE_SetFilterIndex(4);
  }
  void TearDown() override {
    unsetenv("XDG_DESKTOP_DIR");
    IMAGE_SetCurrent(nullptr);
    IMAGE_SetFileName("");
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
};

TEST_F(SaveInteractive, UnnamedImageGetsANumberedDesktopNameAndTheFormatDialogFollowsForCFiles) {
  Host.Base.ChosenFile = Dir / "out.c";
  Host.Base.FilterAnswer = 0;
  Host.FormatOk = true;
  Host.FormatAnswer.Format = 1;
  RASTREL_Execute(ID_FILE_SAVEAS, 0);
  ASSERT_EQ(Host.Base.DialogTitles.size(), 1u);
  EXPECT_EQ(Host.Base.DialogTitles[0], "Save bitmap file");
  EXPECT_EQ(Host.Base.LastInitialName, Dir / "Image_000.gif");
  EXPECT_EQ(Host.Base.FileDialogs[0].FilterIndex, 3);  // the remembered GIF type
  ASSERT_EQ(Host.Base.LastFilters.size(), 5u);
  EXPECT_EQ(Host.Base.LastFilters[4], "Portable Network Graphics (*.png)");
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"format"}));
  EXPECT_TRUE(std::filesystem::exists(Dir / "out.c"));
  EXPECT_EQ(IMAGE_GetFilterIndex(), 1);
}

TEST_F(SaveInteractive, CancelInTheFormatDialogWritesNothing) {
  Host.Base.ChosenFile = Dir / "out.c";
  Host.Base.FilterAnswer = 0;
  RASTREL_Execute(ID_FILE_SAVEAS, 0);
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"format"}));
  EXPECT_FALSE(std::filesystem::exists(Dir / "out.c"));
}

TEST_F(SaveInteractive, BmpNeedsNoFormatDialog) {
  Host.Base.ChosenFile = Dir / "out.bmp";
  Host.Base.FilterAnswer = 1;
  RASTREL_Execute(ID_FILE_SAVEAS, 0);
  EXPECT_TRUE(Host.Dialogs.empty());
  EXPECT_TRUE(std::filesystem::exists(Dir / "out.bmp"));
  EXPECT_EQ(std::string(IMAGE_GetFileName()), Dir / "out.bmp");
}

}  // namespace
