// Colour and transform commands reached by menu identifier, interactive side: the
// questions before best palette, undo steps, the info box, dialogs through their hooks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/dialog_hooks.h"
#include "bitmap/app/messages.h"
#include "bitmap/app/options.h"
#include "bitmap/image/colour_reduce.h"
#include "common/cmdline/cmdline.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

struct ColourCommands : ::testing::Test {
  RecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    CmdlineConfig config;
    config.papMessages = RASTREL_apMessage;
    config.NumMessages = MSG_COUNT;
    CMDLINE_Init(config);
    CMDLINE_SetJobMode(0);
    UNDO_Clear();
    IMAGE_SetCurrent(nullptr);
    RASTREL_Dialogs = RastrelDialogs{};
    RASTREL_Options.PreserveTrans = 0;
  }
  void TearDown() override {
    IMAGE_SetCurrent(nullptr);
    UNDO_Clear();
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
  // A true-colour image with n distinct colours.
  static ImageDocument* colours(int n) {
    ImageDocument* doc = IMAGE_Create(n, 1, 0);
    for (int x = 0; x < n; ++x) IMAGE_SetIndex(doc, x, 0, static_cast<uint32_t>(x * 0x010305));
    return doc;
  }
};

}  // namespace

TEST_F(ColourCommands, EveryMenuIdentifierOfTheseMenusHasAHandler) {
  for (int i = 0; i < COLOR_NumMenuFormats; ++i) {
    EXPECT_TRUE(RASTREL_HasHandler(COLOR_aMenuFormat[i].ConvertId)) << COLOR_aMenuFormat[i].ConvertId;
    if (COLOR_aMenuFormat[i].DitherId) {
      EXPECT_TRUE(RASTREL_HasHandler(COLOR_aMenuFormat[i].DitherId));
    }
  }
  for (unsigned id : {1500u, 1501u, 1519u, 1520u, 1521u, 1208u})
    EXPECT_TRUE(RASTREL_HasHandler(id)) << id;
  for (unsigned id = 1700; id <= 1713; ++id) EXPECT_TRUE(RASTREL_HasHandler(id)) << id;
}

TEST_F(ColourCommands, BestPaletteAsksAboveTheLimitAndNoCancelsBeforeTheUndoStep) {
  IMAGE_SetCurrent(colours(257));
  Host.Answer = false;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  ASSERT_EQ(Host.Questions.size(), 1u);
  EXPECT_EQ(Host.Questions[0],
            "This bitmap contains 257 colors.In a paletized mode, no more than 256 colors can be stored.\n"
            "Converting it will degrade image quality.\nDo you want to convert it anyhow ?");
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 0);
  EXPECT_EQ(UNDO_Count(), 0);
  Host.Answer = true;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 256);
  EXPECT_EQ(UNDO_Count(), 1);
  // 256 colours: no question for best palette, one for best palette + transparency.
  IMAGE_SetCurrent(colours(256));
  Host.Questions.clear();
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  EXPECT_TRUE(Host.Questions.empty());
  IMAGE_SetCurrent(colours(256));
  Host.Answer = false;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE_TRANS, 0);
  ASSERT_EQ(Host.Questions.size(), 1u);
  EXPECT_EQ(Host.Questions[0].rfind("This bitmap contains 256 colors.In a paletized mode with transparency,\n", 0), 0u);
  IMAGE_SetCurrent(colours(255));
  Host.Questions.clear();
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE_TRANS, 0);
  EXPECT_TRUE(Host.Questions.empty());
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 255);
}

TEST_F(ColourCommands, JobModeConvertsWithoutAsking) {
  IMAGE_SetCurrent(colours(300));
  CMDLINE_SetJobMode(1);
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  EXPECT_TRUE(Host.Questions.empty());
  EXPECT_GT(IMAGE_GetCurrent()->NumColors, 0);
}

TEST_F(ColourCommands, TransparencyPaletteUsesTheBackgroundOption) {
  ImageDocument* doc = colours(3);
  doc->HasAlpha = 1;
  IMAGE_SetIndex(doc, 1, 0, 0xFF000000u);
  IMAGE_SetCurrent(doc);
  RASTREL_Options.BkColor = 0x00FF00;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE_TRANS, 0);
  ImageDocument* out = IMAGE_GetCurrent();
  EXPECT_EQ(out->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetPalColor(out, 0), 0x00FF00u);
  EXPECT_EQ(IMAGE_GetIndex(out, 1, 0), 0u);
}

TEST_F(ColourCommands, ReduceCommandsRecordUndoExceptTheCommandLineForm) {
  IMAGE_SetCurrent(colours(40));
  RASTREL_Execute(ID_IMAGE_REDUCE_16, 0);
  EXPECT_LE(IMAGE_GetCurrent()->NumColors, 16);
  EXPECT_EQ(UNDO_Count(), 1);
  CMDLINE_SetJobMode(1);
  CMDLINE_SetArgText("4");
  RASTREL_Execute(ID_IMAGE_REDUCE_N, 0);
  EXPECT_LE(IMAGE_GetCurrent()->NumColors, 4);
  EXPECT_EQ(UNDO_Count(), 1);
  CMDLINE_SetArgText("500,500");
  RASTREL_Execute(ID_IMAGE_SCALE, 0);
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 500);
  EXPECT_EQ(UNDO_Count(), 1);
}

TEST_F(ColourCommands, InfoShowsTheCountAndCommandsWithoutAnImageRefuse) {
  RASTREL_Execute(ID_IMAGE_INFO, 0);
  RASTREL_Execute(ID_IMAGE_FLIP_H, 0);
  RASTREL_Execute(1600, 0);
  ASSERT_EQ(Host.Warnings.size(), 3u);
  for (const auto& w : Host.Warnings) EXPECT_EQ(w.Text, RASTREL_acNoImage);
  EXPECT_EQ(UNDO_Count(), 0);
  Host.Warnings.clear();
  IMAGE_SetCurrent(colours(3));
  RASTREL_Execute(ID_IMAGE_INFO, 0);
  ASSERT_EQ(Host.Warnings.size(), 1u);
  EXPECT_EQ(Host.Warnings[0].Caption, "Image info");
  EXPECT_EQ(Host.Warnings[0].Text, "Number of colors used: 3");
}

TEST_F(ColourCommands, TransformsShowTheirStatusAndRecordOneUndoStepEach) {
  IMAGE_SetCurrent(colours(3));
  RASTREL_Execute(ID_IMAGE_FLIP_H, 0);
  RASTREL_Execute(ID_IMAGE_ROTATE_90CW, 0);
  RASTREL_Execute(ID_IMAGE_SHRINK, 0);
  EXPECT_EQ(UNDO_Count(), 3);
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 1);
  EXPECT_EQ(IMAGE_GetCurrent()->YSize, 2);
  ASSERT_GE(Host.Status.size(), 2u);
  EXPECT_EQ(Host.Status[0], "Image flipped horizontally");
  EXPECT_EQ(Host.Status[1], "Image rotated");
}

TEST_F(ColourCommands, TransparencyDialogNeedsAPaletteAndAppliesTheChoice) {
  IMAGE_SetCurrent(colours(3));
  RASTREL_Dialogs.pfTransparency = [](const ImageDocument*, int) { return 2; };
  RASTREL_Execute(ID_IMAGE_TRANSPARENCY_DIALOG, 0);
  ASSERT_EQ(Host.Warnings.size(), 1u);
  EXPECT_EQ(Host.Warnings[0].Text, "No palette. Transparency can not be create.");
  EXPECT_EQ(UNDO_Count(), 0);
  RASTREL_Execute(ID_IMAGE_CONVERT_FIRST + 1, 0);  // Gray4
  RASTREL_Execute(ID_IMAGE_TRANSPARENCY_DIALOG, 0);
  EXPECT_EQ(UNDO_Count(), 2);
  EXPECT_EQ(IMAGE_GetCurrent()->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetPalColor(IMAGE_GetCurrent(), 0), 0x555555u);
}

TEST_F(ColourCommands, SavePaletteProposesANumberedNameOnTheDesktopAndWritesTheFile) {
  TempDir dir;
  std::filesystem::create_directories(dir / "Desktop");
  std::ofstream(dir / "Desktop/Palette_000.GUIPal") << "x";
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  setenv("HOME", dir.Path.c_str(), 1);
  unsetenv("XDG_DESKTOP_DIR");
  RASTREL_SavePaletteName.clear();
  static std::string s_initial, s_target;
  s_target = dir / "out.GUIPal";
  RASTREL_Dialogs.pfSavePalette = [](const char* initial, std::string* chosen) {
    s_initial = initial;
    *chosen = s_target;
    return true;
  };
  ImageDocument* doc = IMAGE_Create(2, 2, 4);
  IMAGE_SetPalColor(doc, 3, 0x123456);
  IMAGE_SetCurrent(doc);
  RASTREL_Execute(ID_FILE_SAVE_PALETTE, 0);
  EXPECT_EQ(s_initial, dir / "Desktop/Palette_001.GUIPal");
  EXPECT_EQ(std::filesystem::file_size(s_target), 16u + 16u);
  // The made name is kept for the next call.
  std::filesystem::remove(dir / "Desktop/Palette_000.GUIPal");
  RASTREL_Execute(ID_FILE_SAVE_PALETTE, 0);
  EXPECT_EQ(s_initial, dir / "Desktop/Palette_001.GUIPal");
  EXPECT_TRUE(Host.Warnings.empty());
  if (oldHome) setenv("HOME", savedHome.c_str(), 1);
}
