// Main window rules without a window: menu enabling, zoom steps, options Apply/Cancel,
// the format dialog's list, save names, composition of the shown pixels, image/bmp.
#include <gtest/gtest.h>

#include <fstream>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/dib_file.h"
#include "bitmap/app/format_choices.h"
#include "bitmap/app/options_session.h"
#include "bitmap/app/save_name.h"
#include "bitmap/app/view_image.h"
#include "bitmap/app/window_model.h"
#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "support/temp_dir.h"

TEST(MenuStates, ImageCommandsNeedADocumentAndTheCountsDecideReduceAndSavePalette) {
  MenuInputs none;
  for (unsigned id : {1203u, 1301u, 1400u, 1700u, 1502u, 1614u, 1712u})
    EXPECT_FALSE(RASTREL_IsMenuEnabled(id, none)) << id;
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_FILE_OPEN, none));
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_HELP_ABOUT, none));
  EXPECT_FALSE(RASTREL_IsMenuEnabled(ID_EDIT_UNDO, none));
  EXPECT_FALSE(RASTREL_IsMenuEnabled(ID_EDIT_PASTE, none));
  none.ClipboardHasDib = true;
  none.UndoCount = 1;
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_EDIT_PASTE, none));
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_EDIT_UNDO, none));

  MenuInputs four{true, 4, 4, false, 0};
  EXPECT_FALSE(RASTREL_IsMenuEnabled(ID_IMAGE_REDUCE_4, four));
  four.DistinctColors = 5;
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_IMAGE_REDUCE_4, four));
  EXPECT_FALSE(RASTREL_IsMenuEnabled(ID_IMAGE_REDUCE_16, MenuInputs{true, 16, 0, false, 0}));
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_IMAGE_REDUCE_16, MenuInputs{true, 17, 0, false, 0}));
  EXPECT_FALSE(RASTREL_IsMenuEnabled(ID_IMAGE_REDUCE_256, MenuInputs{true, 256, 0, false, 0}));
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_IMAGE_REDUCE_256, MenuInputs{true, 257, 0, false, 0}));
  EXPECT_TRUE(RASTREL_IsMenuEnabled(ID_FILE_SAVE_PALETTE, MenuInputs{true, 256, 0, false, 0}));
  EXPECT_FALSE(RASTREL_IsMenuEnabled(ID_FILE_SAVE_PALETTE, MenuInputs{true, 257, 0, false, 0}));
}

TEST(MenuStates, HelpTextsAndReadyForItemsWithout) {
  EXPECT_STREQ(RASTREL_MenuHelp(ID_FILE_OPEN), "Open an existing image.");
  EXPECT_STREQ(RASTREL_MenuHelp(0), "Ready");
  EXPECT_STRNE(RASTREL_MenuHelp(1605), "Ready");
}

TEST(Zoom, StepsStopAtTheLimitsAndTheSizeDecidesTheStart) {
  int z = 20;
  for (int i = 0; i < 30; ++i) z = RASTREL_ZoomStep(z, 1);
  EXPECT_EQ(z, 40);
  for (int i = 0; i < 50; ++i) z = RASTREL_ZoomStep(z, -1);
  EXPECT_EQ(z, 1);
  EXPECT_EQ(RASTREL_InitialZoom(300, 300), 20);
  EXPECT_EQ(RASTREL_InitialZoom(301, 10), 10);
  EXPECT_EQ(RASTREL_InitialZoom(10, 301), 10);
}

TEST(OptionsSession, ChangesApplyAtOnceApplyTracksAndCancelRestoresTheLastApplied) {
  TempDir dir;
  RastrelOptions program = {0xFFFFFF, 0, 0, 0, 0};
  OptionsSession s;
  OPTSESSION_Begin(&s, &program);
  EXPECT_FALSE(OPTSESSION_IsApplyEnabled(&s));
  RastrelOptions v = s.Current;
  v.ViewOption = 2;
  OPTSESSION_Change(&s, v);
  EXPECT_EQ(program.ViewOption, 2u);  // applied to the view at once
  EXPECT_TRUE(OPTSESSION_IsApplyEnabled(&s));
  OPTSESSION_Apply(&s);
  EXPECT_FALSE(OPTSESSION_IsApplyEnabled(&s));
  v.UseARGB = 1;
  OPTSESSION_Change(&s, v);
  EXPECT_TRUE(OPTSESSION_Cancel(&s));
  EXPECT_EQ(program.UseARGB, 0u);
  EXPECT_EQ(program.ViewOption, 2u);  // the applied value stays

  // Cancel without changes since opening restores nothing.
  OPTSESSION_Begin(&s, &program);
  EXPECT_FALSE(OPTSESSION_Cancel(&s));

  // OK without changes still stores all five values.
  OPTSESSION_Begin(&s, &program);
  OPTSESSION_Ok(&s);
  RastrelOptions loaded = {1, 1, 1, 1, 1};
  OPTIONS_Load(&loaded);
  EXPECT_TRUE(OPTIONS_Equal(loaded, program));
}

TEST(FormatChoices, OrderByPaletteAlphaAndFileType) {
  ImageDocument* pal16 = IMAGE_Create(2, 2, 16);
  bool paletteEntries = false;
  EXPECT_EQ(RASTREL_FormatChoices(pal16, 1, &paletteEntries),
            (std::vector<int>{4, 5, 6, 7, 19, 20, 21, 22, 23, 24, 10, 11, 8, 9, 12, 13, 17, 16, 29, 99}));
  EXPECT_TRUE(paletteEntries);
  ImageDocument* rgba = IMAGE_Create(2, 2, 0);
  rgba->HasAlpha = 1;
  EXPECT_EQ(RASTREL_FormatChoices(rgba, 3, &paletteEntries), (std::vector<int>{16, 29, 15, 18, 25, 26, 27, 28}));
  EXPECT_FALSE(paletteEntries);
  EXPECT_TRUE(RASTREL_NoPaletteEnabled(6, false));
  EXPECT_FALSE(RASTREL_NoPaletteEnabled(20, true));
  EXPECT_TRUE(RASTREL_NoPaletteEnabled(16, true));
  IMAGE_Free(pal16);
  IMAGE_Free(rgba);
}

TEST(SaveName, NumberedNameSkipsExistingFilesAndKeepsNamedFiles) {
  TempDir dir;
  const std::string folder = dir.Path.string();
  EXPECT_EQ(RASTREL_NumberedName(folder, "Image", "gif"), folder + "/Image_000.gif");
  std::ofstream(folder + "/Image_000.gif") << "x";
  std::ofstream(folder + "/Image_001.gif") << "x";
  EXPECT_EQ(RASTREL_NumberedName(folder, "Image", "gif"), folder + "/Image_002.gif");
  EXPECT_EQ(RASTREL_InitialSaveName(folder + "/"), folder + "/Image_002.gif");
  EXPECT_EQ(RASTREL_InitialSaveName("/x/logo.bmp"), "/x/logo.bmp");
  setenv("XDG_DESKTOP_DIR", folder.c_str(), 1);
  EXPECT_EQ(RASTREL_InitialSaveName(""), folder + "/Image_002.gif");
  unsetenv("XDG_DESKTOP_DIR");
  EXPECT_EQ(RASTREL_aSaveFilters[4].pPatterns, std::string("*.png"));
}

TEST(ViewImage, AlphaIsBlendedOverTheCheckerboardOfThePhaseOrTheColour) {
  EXPECT_EQ(VIEW_Background(0, 0, 0, 0, 0), COLOR_Make(0xCC, 0xCC, 0xCC));
  EXPECT_EQ(VIEW_Background(3, 0, 0, 0, 0), COLOR_Make(0x80, 0x80, 0x80));
  EXPECT_EQ(VIEW_Background(3, 0, 1, 0, 1), COLOR_Make(0xCC, 0xCC, 0xCC));
  EXPECT_EQ(VIEW_Background(3, 3, 2, COLOR_Make(1, 2, 3), 1), COLOR_Make(1, 2, 3));
  // (T * B + (255 - T) * C) / 256, truncated.
  EXPECT_EQ(VIEW_Blend(COLOR_Make(200, 0, 100, 128), COLOR_Make(0, 255, 100)),
            COLOR_Make(127 * 200 / 256, 128 * 255 / 256, (128 * 100 + 127 * 100) / 256));
  EXPECT_EQ(VIEW_Blend(COLOR_Make(1, 2, 3, 255), COLOR_Make(9, 8, 7)), COLOR_Make(9, 8, 7));
  EXPECT_EQ(VIEW_Blend(COLOR_Make(1, 2, 3, 0), COLOR_Make(9, 8, 7)), COLOR_Make(1, 2, 3));

  ImageDocument* doc = IMAGE_Create(4, 1, 0);
  doc->HasAlpha = 1;
  IMAGE_SetIndex(doc, 0, 0, COLOR_Make(10, 20, 30, 255));
  IMAGE_SetIndex(doc, 3, 0, COLOR_Make(10, 20, 30, 255));
  IMAGE_SetIndex(doc, 1, 0, COLOR_Make(0x12, 0x34, 0x56, 0));
  auto p0 = VIEW_Pixels(doc, 0, 0, 0);
  auto p1 = VIEW_Pixels(doc, 0, 0, 1);
  EXPECT_EQ(p0[0], 0xCCCCCCu);
  EXPECT_EQ(p0[3], 0x808080u);
  EXPECT_EQ(p1[0], 0x808080u);  // the phase flips the checkerboard
  EXPECT_EQ(p0[1], 0x123456u);
  EXPECT_EQ(VIEW_Pixels(doc, 2, COLOR_Make(0xFF, 0, 0), 0)[0], 0xFF0000u);
  doc->HasAlpha = 0;
  EXPECT_EQ(VIEW_Pixels(doc, 0, 0, 0)[0], 0x0A141Eu);  // no alpha: drawn directly
  IMAGE_Free(doc);
}

TEST(DibFile, HeaderRoundTripAndDamagedInputRefused) {
  ImageDocument* doc = IMAGE_Create(3, 2, 4);
  IMAGE_SetPalColor(doc, 1, COLOR_Make(255, 0, 0));
  IMAGE_SetIndex(doc, 2, 1, 1);
  std::vector<uint8_t> dib(IMAGE_GetDIBSize(doc));
  ASSERT_EQ(IMAGE_ToDIB(doc, dib.data()), dib.size());
  const std::vector<uint8_t> file = DIBFILE_FromDib(dib);
  ASSERT_EQ(file.size(), dib.size() + 14);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[10] | (file[11] << 8), 14 + 40 + 4 * 4);
  EXPECT_EQ(DIBFILE_ToDib(file), dib);
  EXPECT_TRUE(DIBFILE_ToDib({'B', 'M', 1, 2}).empty());
  std::vector<uint8_t> notBmp = file;
  notBmp[0] = 'X';
  EXPECT_TRUE(DIBFILE_ToDib(notBmp).empty());
  EXPECT_TRUE(DIBFILE_FromDib(std::vector<uint8_t>(dib.begin(), dib.begin() + 20)).empty());
  std::vector<uint8_t> hugeHeader = dib;
  hugeHeader[0] = 0xFF;
  hugeHeader[1] = 0xFF;
  EXPECT_TRUE(DIBFILE_FromDib(hugeHeader).empty());
  IMAGE_Free(doc);
}
