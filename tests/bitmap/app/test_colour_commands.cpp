// Colour and transform commands reached by menu identifier, interactive side: the
// questions before best palette, undo steps, the info box, dialogs through their hooks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bitmap/app/colour_menu.h"
#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_table.h"
#include "bitmap/app/commands.h"
#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/app/options.h"
#include "bitmap/reduce/colour_reduce.h"
#include "common/cmdline/cmdline.h"
#include "support/rastrel_messages.h"
#include "support/rastrel_recording_host.h"
#include "support/temp_dir.h"

namespace {

struct ColourCommands : ::testing::Test {
  RastrelRecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    InstallRastrelMessages();
    CMDLINE_SetJobMode(0);
    UNDO_Clear();
    IMAGE_SetCurrent(nullptr);
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
  for (const ColourMenuEntry& e : RASTREL_aColourMenu) {
    EXPECT_TRUE(RASTREL_HasHandler(e.ConvertId)) << e.ConvertId;
    if (e.DitherId) {
      EXPECT_TRUE(RASTREL_HasHandler(e.DitherId));
    }
  }
  for (unsigned id : {1500u, 1501u, 1519u, 1520u, 1521u, 1208u})
    EXPECT_TRUE(RASTREL_HasHandler(id)) << id;
  for (unsigned id = 1700; id <= 1713; ++id) EXPECT_TRUE(RASTREL_HasHandler(id)) << id;
}

TEST_F(ColourCommands, BestPaletteAsksAboveTheLimitAndNoCancelsBeforeTheUndoStep) {
  IMAGE_SetCurrent(colours(257));
  Host.Base.Answer = false;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  ASSERT_EQ(Host.Base.Questions.size(), 1u);
  EXPECT_EQ(Host.Base.Questions[0],
            "This bitmap contains 257 colors.In a paletized mode, no more than 256 colors can be stored.\n"
            "Converting it will degrade image quality.\nDo you want to convert it anyhow ?");
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 0);
  EXPECT_EQ(UNDO_Count(), 0);
  Host.Base.Answer = true;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 256);
  EXPECT_EQ(UNDO_Count(), 1);
  // 256 colours: no question for best palette, one for best palette + transparency.
  IMAGE_SetCurrent(colours(256));
  Host.Base.Questions.clear();
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  EXPECT_TRUE(Host.Base.Questions.empty());
  IMAGE_SetCurrent(colours(256));
  Host.Base.Answer = false;
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE_TRANS, 0);
  ASSERT_EQ(Host.Base.Questions.size(), 1u);
  EXPECT_EQ(Host.Base.Questions[0].rfind("This bitmap contains 256 colors.In a paletized mode with transparency,\n", 0), 0u);
  IMAGE_SetCurrent(colours(255));
  Host.Base.Questions.clear();
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE_TRANS, 0);
  EXPECT_TRUE(Host.Base.Questions.empty());
  EXPECT_EQ(IMAGE_GetCurrent()->NumColors, 255);
}

TEST_F(ColourCommands, JobModeConvertsWithoutAsking) {
  IMAGE_SetCurrent(colours(300));
  CMDLINE_SetJobMode(1);
  RASTREL_Execute(ID_IMAGE_BEST_PALETTE, 0);
  EXPECT_TRUE(Host.Base.Questions.empty());
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
  ASSERT_EQ(Host.Base.Warnings.size(), 3u);
  for (const auto& w : Host.Base.Warnings) EXPECT_EQ(w.Text, RASTREL_acNoImage);
  EXPECT_EQ(UNDO_Count(), 0);
  Host.Base.Warnings.clear();
  IMAGE_SetCurrent(colours(3));
  RASTREL_Execute(ID_IMAGE_INFO, 0);
  ASSERT_EQ(Host.Base.Warnings.size(), 1u);
  EXPECT_EQ(Host.Base.Warnings[0].Caption, "Image info");
  EXPECT_EQ(Host.Base.Warnings[0].Text, "Number of colors used: 3");
}

TEST_F(ColourCommands, TransformsShowTheirStatusAndRecordOneUndoStepEach) {
  IMAGE_SetCurrent(colours(3));
  RASTREL_Execute(ID_IMAGE_FLIP_H, 0);
  RASTREL_Execute(ID_IMAGE_ROTATE_90CW, 0);
  RASTREL_Execute(ID_IMAGE_SHRINK, 0);
  EXPECT_EQ(UNDO_Count(), 3);
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 1);
  EXPECT_EQ(IMAGE_GetCurrent()->YSize, 2);
  ASSERT_GE(Host.Base.Status.size(), 2u);
  EXPECT_EQ(Host.Base.Status[0], "Image flipped horizontally");
  EXPECT_EQ(Host.Base.Status[1], "Image rotated");
}

TEST_F(ColourCommands, TransparencyDialogNeedsAPaletteAndAppliesTheChoice) {
  IMAGE_SetCurrent(colours(3));
  Host.TransparencyChoice = 2;
  RASTREL_Execute(ID_IMAGE_TRANSPARENCY_DIALOG, 0);
  ASSERT_EQ(Host.Base.Warnings.size(), 1u);
  EXPECT_EQ(Host.Base.Warnings[0].Text, "No palette. Transparency can not be create.");
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
  const std::string target = dir / "out.GUIPal";
  Host.Base.ChosenFile = target;
  ImageDocument* doc = IMAGE_Create(2, 2, 4);
  IMAGE_SetPalColor(doc, 3, 0x123456);
  IMAGE_SetCurrent(doc);
  RASTREL_Execute(ID_FILE_SAVE_PALETTE, 0);
  ASSERT_EQ(Host.Base.FileDialogs.size(), 1u);
  EXPECT_STREQ(Host.Base.FileDialogs[0].pTitle, "Save palette file");
  EXPECT_EQ(Host.Base.FileDialogs[0].InitialName, dir / "Desktop/Palette_001.GUIPal");
  EXPECT_EQ(std::filesystem::file_size(target), 16u + 16u);
  // The made name is kept for the next call.
  std::filesystem::remove(dir / "Desktop/Palette_000.GUIPal");
  RASTREL_Execute(ID_FILE_SAVE_PALETTE, 0);
  ASSERT_EQ(Host.Base.FileDialogs.size(), 2u);
  EXPECT_EQ(Host.Base.FileDialogs[1].InitialName, dir / "Desktop/Palette_001.GUIPal");
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"save palette", "save palette"}));
  EXPECT_TRUE(Host.Base.Warnings.empty());
  if (oldHome) setenv("HOME", savedHome.c_str(), 1);
}

TEST(ColourMenu, FindsConvertAndDitherIdsAndFeedsTheCommandTable) {
  EXPECT_EQ(RASTREL_FindColourMenuEntry(1513)->pFormat, &COLOR_FORMAT_8666);
  EXPECT_EQ(RASTREL_FindColourMenuEntry(1614)->pFormat, &COLOR_FORMAT_565);
  EXPECT_EQ(RASTREL_FindColourMenuEntry(1518)->DitherId, 0u);
  EXPECT_EQ(RASTREL_FindColourMenuEntry(1515), nullptr);
  // Every keyword of the list is a command of the table with the entry's identifier.
  for (const ColourMenuEntry& e : RASTREL_aColourMenu) {
    if (!e.pKeyword) continue;
    const CmdlineCommand* c = CMDLINE_Find(e.pKeyword, RASTREL_aCommand);
    ASSERT_NE(c, nullptr) << e.pKeyword;
    EXPECT_EQ(c->Id, e.ConvertId);
    EXPECT_STREQ(c->pHelp, e.pHelp);
  }
}

TEST_F(ColourCommands, ScaleAndCustomPaletteAskTheHostAndCancelChangesNothing) {
  IMAGE_SetCurrent(colours(4));
  RASTREL_Execute(ID_IMAGE_SCALE, 0);  // cancelled
  RASTREL_Execute(ID_IMAGE_CUSTOM_PALETTE, 0);
  EXPECT_EQ(Host.Dialogs, (std::vector<std::string>{"scale", "custom palette"}));
  ASSERT_EQ(Host.Base.FileDialogs.size(), 1u);
  EXPECT_STREQ(Host.Base.FileDialogs[0].pTitle, "Open custom palette");
  ASSERT_EQ(Host.Base.FileDialogs[0].NumFilters, 2);
  EXPECT_STREQ(Host.Base.FileDialogs[0].paFilters[0].pText, "GUI Palette file (*.GUIPal)");
  EXPECT_EQ(UNDO_Count(), 0);
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 4);
  Host.ScaleOk = true;
  Host.ScaleWidth = 2;
  Host.ScaleHeight = 3;
  RASTREL_Execute(ID_IMAGE_SCALE, 0);
  EXPECT_EQ(UNDO_Count(), 1);
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 2);
  EXPECT_EQ(IMAGE_GetCurrent()->YSize, 3);
  Host.ScaleWidth = 0;  // a field of 0: a beep, the document stays
  RASTREL_Execute(ID_IMAGE_SCALE, 0);
  EXPECT_EQ(Host.Base.BeepCount, 1);
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 2);
}

TEST(RastrelHeadlessHost, CancelsEveryDialog) {
  RastrelHost* host = RASTREL_HeadlessHost();
  FormatDialogRequest format;
  AlphaDialogRequest alpha;
  FileDialogRequest file;
  int32_t w = 1, h = 1;
  EXPECT_FALSE(host->AskFormat(&format));
  EXPECT_FALSE(host->AskScale(nullptr, &w, &h));
  EXPECT_EQ(host->AskTransparency(nullptr, 0), -1);
  EXPECT_FALSE(host->AskAlphaImages(&alpha));
  EXPECT_FALSE(host->AskCustomPalette(&file));
  EXPECT_FALSE(host->AskSavePalette(&file));
  EXPECT_FALSE(host->AskAnimationGif(ANIMATION_SPRITE, &file));
  EXPECT_FALSE(host->AskAnimationOutput(ANIMATION_CURSOR, &file));
  EXPECT_TRUE(file.Chosen.empty());
}
