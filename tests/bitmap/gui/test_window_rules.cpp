// The main window's plain rules, without Qt or pixels: device pixels per image pixel,
// window size restore within the screen, dropped items, the alpha dialogs' names and
// the program's own file dialogs; and the alpha commands on a recording host.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "bitmap/app/alpha_dialog.h"
#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/drop_rules.h"
#include "bitmap/app/file_requests.h"
#include "bitmap/app/view_scale.h"
#include "bitmap/app/window_geometry.h"
#include "bitmap/document/image.h"
#include "common/cmdline/cmdline.h"
#include "common/settings/settings_store.h"
#include "support/rastrel_messages.h"
#include "support/rastrel_recording_host.h"
#include "support/temp_dir.h"

namespace {

TEST(DeviceScale, RatioOneKeepsTheZoomFactorExactly) {
  for (int z = 1; z <= 40; ++z) {
    EXPECT_DOUBLE_EQ(VIEW_DeviceScale(z, 1.0), z / 10.0);
    for (int size : {1, 7, 64, 301}) EXPECT_EQ(VIEW_DeviceSpan(size, z, 1.0), std::max(1, size * z / 10)) << z;
  }
}

TEST(DeviceScale, OtherRatiosEnlargeByWholeDevicePixels) {
  for (double dpr : {1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
    double previous = 0;
    for (int z = 1; z <= 40; ++z) {
      const double exact = z * dpr / 10;
      const double s = VIEW_DeviceScale(z, dpr);
      EXPECT_GE(s, previous) << "zooming in never shrinks: " << dpr << " " << z;
      previous = s;
      if (exact < 1) {
        EXPECT_DOUBLE_EQ(s, exact);  // a reduction keeps its fraction
        continue;
      }
      EXPECT_EQ(s, std::floor(s)) << dpr << " " << z;
      EXPECT_LE(std::fabs(s - exact), 0.5) << dpr << " " << z;
      for (int size : {1, 13, 64}) EXPECT_EQ(VIEW_DeviceSpan(size, z, dpr), size * static_cast<int>(s));
    }
  }
  EXPECT_EQ(VIEW_DeviceScale(20, 1.25), 3);  // 2.5 device pixels round up, not uneven
  EXPECT_EQ(VIEW_DeviceScale(10, 1.25), 1);
  EXPECT_EQ(VIEW_DeviceScale(10, 1.5), 2);
  EXPECT_EQ(VIEW_DeviceScale(20, 2.0), 4);
  EXPECT_EQ(VIEW_DeviceScale(5, 2.0), 1);
  EXPECT_EQ(VIEW_DeviceSpan(10, 3, 2.0), 6);  // 0.6 device pixels per image pixel
}

TEST(DeviceScale, SpansStayPositiveAndDoNotOverflow) {
  EXPECT_EQ(VIEW_DeviceSpan(1, 1, 1.0), 1);
  EXPECT_EQ(VIEW_DeviceSpan(1, 1, 1.25), 1);
  EXPECT_EQ(VIEW_DeviceSpan(67108864, 40, 1.0), 268435456);
  EXPECT_EQ(VIEW_DeviceSpan(INT_MAX / 2, 40, 2.0), INT_MAX);
  EXPECT_EQ(VIEW_DeviceSpan(INT_MAX / 2, 40, 1.0), INT_MAX);
  EXPECT_EQ(VIEW_DeviceSpan(64, 20, 0.0), 128);  // no ratio reported: as ratio 1
}

WindowRect fit(WindowRect wanted, bool placed, WindowRect area, FrameMargins frame = {}) {
  return RASTREL_FitWindow(wanted, placed, area, frame);
}

void expect_inside(const WindowRect& r, const WindowRect& a, const FrameMargins& f) {
  EXPECT_GE(r.X - f.Left, a.X);
  EXPECT_GE(r.Y - f.Top, a.Y);
  EXPECT_LE(r.X + r.Width + f.Right, a.X + a.Width);
  EXPECT_LE(r.Y + r.Height + f.Bottom, a.Y + a.Height);
}

TEST(WindowGeometry, AWindowLargerThanTheScreenShrinksToItsAvailableArea) {
  // 1400 x 900 device pixels at scale 2, a 40-pixel panel: 700 x 430 logical pixels.
  const WindowRect area{0, 20, 700, 430};
  const FrameMargins frame{2, 24, 2, 2};
  const WindowRect r = fit({0, 0, 1280, 1040}, false, area, frame);
  EXPECT_EQ(r.Width, 700 - 4);
  EXPECT_EQ(r.Height, 430 - 26);
  expect_inside(r, area, frame);
  const WindowRect d = fit({}, false, area, frame);  // the default size does not fit either
  EXPECT_EQ(d.Width, 640);
  EXPECT_EQ(d.Height, 430 - 26);
  expect_inside(d, area, frame);
}

TEST(WindowGeometry, TheStoredSizeAndPlaceComeBackWhenTheyFit) {
  const WindowRect area{0, 0, 1920, 1080};
  const WindowRect r = fit({100, 80, 900, 700}, true, area);
  EXPECT_EQ(r.X, 100);
  EXPECT_EQ(r.Y, 80);
  EXPECT_EQ(r.Width, 900);
  EXPECT_EQ(r.Height, 700);
  const WindowRect d = fit({}, false, area);  // nothing stored: default size, centred
  EXPECT_EQ(d.Width, WINDOW_DEFAULT_WIDTH);
  EXPECT_EQ(d.Height, WINDOW_DEFAULT_HEIGHT);
  EXPECT_EQ(d.X, (1920 - 640) / 2);
  EXPECT_EQ(d.Y, (1080 - 520) / 2);
}

TEST(WindowGeometry, AWindowLeftOffTheScreenComesBackOntoIt) {
  const WindowRect second{1920, 0, 1280, 1024};  // a screen right of the primary one
  const FrameMargins frame{0, 30, 0, 0};
  for (WindowRect placed : {WindowRect{-5000, 3000, 800, 600}, WindowRect{9000, -400, 800, 600},
                            WindowRect{3100, 900, 800, 600}}) {
    const WindowRect r = fit(placed, true, second, frame);
    EXPECT_EQ(r.Width, 800);
    EXPECT_EQ(r.Height, 600);
    expect_inside(r, second, frame);
  }
  // A tiny area: the window takes what there is rather than its minimum.
  const WindowRect tiny = fit({0, 0, 500, 500}, true, {0, 0, 200, 100}, frame);
  EXPECT_EQ(tiny.Width, 200);
  EXPECT_EQ(tiny.Height, 70);
  // A stored size below the minimum grows to it.
  const WindowRect small = fit({10, 10, 20, 20}, true, {0, 0, 1000, 800});
  EXPECT_EQ(small.Width, WINDOW_MIN_WIDTH);
  EXPECT_EQ(small.Height, WINDOW_MIN_HEIGHT);
}

TEST(WindowGeometry, StoredValuesRoundTripAndDamagedOnesReadAsNone) {
  TempDir dir;
  StoredWindow none = RASTREL_LoadWindow();
  EXPECT_EQ(none.Rect.Width, 0);
  EXPECT_FALSE(none.HasPosition);
  EXPECT_FALSE(none.Maximized);
  StoredWindow w;
  w.Rect = {-1200, 35, 777, 555};
  w.HasPosition = true;
  w.Maximized = true;
  RASTREL_SaveWindow(w);
  const StoredWindow back = RASTREL_LoadWindow();
  EXPECT_EQ(back.Rect.X, -1200);  // a screen left of the primary one
  EXPECT_EQ(back.Rect.Y, 35);
  EXPECT_EQ(back.Rect.Width, 777);
  EXPECT_EQ(back.Rect.Height, 555);
  EXPECT_TRUE(back.HasPosition);
  EXPECT_TRUE(back.Maximized);
  // The options' key is not touched.
  uint32_t v = 0;
  EXPECT_NE(SETTINGS_ReadDword("Software\\Tavrex\\Rastrel\\Settings\\", "Width", &v), 0);
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Width", 0);
  EXPECT_EQ(RASTREL_LoadWindow().Rect.Width, 0);
  EXPECT_FALSE(RASTREL_LoadWindow().HasPosition);
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Width", 4000000000u);  // negative as a size
  EXPECT_EQ(RASTREL_LoadWindow().Rect.Width, 0);
  SETTINGS_WriteString(RASTREL_acWindowKey, "Height", "tall");
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Width", 800);
  EXPECT_EQ(RASTREL_LoadWindow().Rect.Width, 0);
}

DroppedItem file(const std::string& path, bool dir = false) {
  DroppedItem item;
  item.Path = path;
  item.IsDir = dir;
  return item;
}

TEST(DropRules, TheFirstImageIsOpenedAndFurtherFilesAreNamed) {
  DropDecision one = RASTREL_DecideDrop({file("/a/logo.BMP")});
  EXPECT_EQ(one.Open, "/a/logo.BMP");
  EXPECT_TRUE(one.Warning.empty());
  EXPECT_TRUE(one.Status.empty());
  for (const char* name : {"/p/x.gif", "/p/x.png", "/p/x.jpeg", "/p/x.jpg", "/p/x.sbmp"})
    EXPECT_EQ(RASTREL_DecideDrop({file(name)}).Open, name);
  DropDecision three = RASTREL_DecideDrop({file("/a/logo.bmp"), file("/a/b.gif"), file("/a/dir", true)});
  EXPECT_EQ(three.Open, "/a/logo.bmp");
  EXPECT_EQ(three.Status, "3 files dropped: only the first, logo.bmp, was opened.");
}

TEST(DropRules, FoldersNonImagesAndRemoteItemsGetAMessage) {
  const DropDecision folder = RASTREL_DecideDrop({file("/home/u/pictures.bmp", true), file("/a/logo.bmp")});
  EXPECT_TRUE(folder.Open.empty());
  EXPECT_EQ(folder.Warning, "\"pictures.bmp\" is a folder. Drop an image file (BMP, GIF, PNG, JPEG or SBMP).");
  for (const char* name : {"/a/notes.txt", "/a/README", "/a.bmp/notes"}) {
    const DropDecision d = RASTREL_DecideDrop({file(name)});
    EXPECT_TRUE(d.Open.empty()) << name;
    EXPECT_NE(d.Warning.find("is not an image file"), std::string::npos) << name;
  }
  DroppedItem remote;
  remote.Local = false;
  EXPECT_EQ(RASTREL_DecideDrop({remote}).Warning, "Only local files can be dropped here.");
  EXPECT_EQ(RASTREL_DecideDrop({}).Warning, "Only local files can be dropped here.");
}

TEST(AlphaDialogRules, FieldsBrowseRequestAndBmpCheck) {
  EXPECT_STREQ(ALPHADLG_Title(false), "Create Alpha");
  EXPECT_STREQ(ALPHADLG_Title(true), "Load Alpha mask");
  EXPECT_EQ(ALPHADLG_NumFields(false), 2);
  EXPECT_EQ(ALPHADLG_NumFields(true), 1);
  EXPECT_STREQ(ALPHADLG_FieldLabel(false, 0), "Image 1:");
  EXPECT_STREQ(ALPHADLG_FieldLabel(false, 1), "Image 2:");
  EXPECT_STREQ(ALPHADLG_FieldLabel(true, 0), "Image:");
  const FileDialogRequest r = ALPHADLG_BrowseRequest("/x/black.bmp");
  EXPECT_STREQ(r.pTitle, "Select Image");
  ASSERT_EQ(r.NumFilters, 1);
  EXPECT_STREQ(r.paFilters[0].pText, "Bitmap file (*.bmp)");
  EXPECT_EQ(r.InitialName, "/x/black.bmp");
  for (const char* ok : {"a.bmp", "/p/A.BMP", "/p/x.y/a.Bmp"}) EXPECT_TRUE(ALPHADLG_IsBmpName(ok)) << ok;
  for (const char* bad : {"a.png", "/p/a.bmp.txt", "/p/x.bmp/a", "/p/bmp", "a.bm"}) EXPECT_FALSE(ALPHADLG_IsBmpName(bad)) << bad;
}

TEST(FileRequests, ThePaletteDialogsCarryTheirTitlesAndFilters) {
  FileDialogRequest open;
  RASTREL_CompleteCustomPaletteRequest(&open);
  EXPECT_STREQ(open.pTitle, "Open custom palette");
  ASSERT_EQ(open.NumFilters, 2);
  EXPECT_STREQ(open.paFilters[0].pText, "GUI Palette file (*.GUIPal)");
  EXPECT_STREQ(open.paFilters[1].pText, "All files (*.*)");
  FileDialogRequest save;
  save.FilterIndex = 7;  // out of range: the first filter
  RASTREL_CompleteSavePaletteRequest(&save);
  EXPECT_STREQ(save.pTitle, "Save palette file");
  ASSERT_EQ(save.NumFilters, 1);
  EXPECT_STREQ(save.paFilters[0].pText, "Vorix palette file (*.GUIPal)");
  EXPECT_STREQ(save.pDefaultExt, "GUIPal");
  EXPECT_EQ(save.FilterIndex, 0);
  // What a command set is kept.
  static const FileFilter own[] = {{"Own (*.x)", "*.x"}};
  FileDialogRequest given;
  given.pTitle = "Given";
  given.paFilters = own;
  given.NumFilters = 1;
  RASTREL_CompleteCustomPaletteRequest(&given);
  EXPECT_STREQ(given.pTitle, "Given");
  EXPECT_EQ(given.paFilters, own);
}

TEST(FileRequests, AnimationDialogsNameTheOutputAfterTheGif) {
  FileDialogRequest gif;
  RASTREL_CompleteAnimationGifRequest(&gif);
  EXPECT_STREQ(gif.pTitle, "Select GIF to convert.");
  ASSERT_EQ(gif.NumFilters, 1);
  EXPECT_STREQ(gif.paFilters[0].pText, "GIF file (*.gif)");
  FileDialogRequest sprite;
  RASTREL_CompleteAnimationOutputRequest(ANIMATION_SPRITE, "/anim/walk.gif", &sprite);
  EXPECT_STREQ(sprite.pTitle, "Saving animated sprite.");
  EXPECT_STREQ(sprite.paFilters[0].pText, "\"C\" sprite file (*.c)");
  EXPECT_STREQ(sprite.paFilters[0].pPatterns, "*.c");
  EXPECT_EQ(sprite.InitialName, "/anim/walk.c");
  FileDialogRequest cursor;
  RASTREL_CompleteAnimationOutputRequest(ANIMATION_CURSOR, "/an.im/walk", &cursor);
  EXPECT_STREQ(cursor.pTitle, "Saving animated cursor.");
  EXPECT_STREQ(cursor.paFilters[0].pText, "\"C\" cursor file (*.c)");
  EXPECT_EQ(cursor.InitialName, "/an.im/walk.c");
  FileDialogRequest named;
  named.InitialName = "/out/run.c";
  RASTREL_CompleteAnimationOutputRequest(ANIMATION_CURSOR, "/anim/walk.gif", &named);
  EXPECT_EQ(named.InitialName, "/out/run.c");
}

// A 24-bit BMP file of one colour per pixel (0xRRGGBB values, rows from the top).
void write_bmp(const std::string& path, int w, int h, const std::vector<uint32_t>& rgb) {
  const int stride = (w * 3 + 3) & ~3;
  std::vector<uint8_t> b(54 + stride * h, 0);
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = rgb[y * w + x];
      uint8_t* p = &b[54 + (h - 1 - y) * stride + 3 * x];
      p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (c >> 16) & 0xFF;
    }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

struct AlphaCommands : ::testing::Test {
  TempDir Dir;
  RastrelRecordingHost Host;
  void SetUp() override {
    HOST_Set(&Host);
    InstallRastrelMessages();
    CMDLINE_SetJobMode(0);
    UNDO_Clear();
    IMAGE_SetCurrent(IMAGE_Create(2, 1, 0));
    write_bmp(Dir / "black.bmp", 2, 1, {0x000000, 0x204060});
    write_bmp(Dir / "white.bmp", 2, 1, {0xFFFFFF, 0x204060});
    write_bmp(Dir / "wide.bmp", 3, 1, {0, 0, 0});
  }
  void TearDown() override {
    IMAGE_SetCurrent(nullptr);
    UNDO_Clear();
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
};

TEST_F(AlphaCommands, CreateAlphaReplacesTheDocumentAfterAnUndoStep) {
  const ImageDocument* before = IMAGE_GetCurrent();
  Host.AlphaOk = true;
  Host.AlphaAnswer.Image1 = Dir / "black.bmp";
  Host.AlphaAnswer.Image2 = Dir / "white.bmp";
  RASTREL_Execute(ID_FILE_CREATE_ALPHA, 0);
  ASSERT_EQ(Host.Dialogs, std::vector<std::string>{"alpha"});
  const ImageDocument* doc = IMAGE_GetCurrent();
  ASSERT_NE(doc, before);
  EXPECT_TRUE(doc->HasAlpha);
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0) >> 24, 255u);  // black over black, white over white
  EXPECT_EQ(IMAGE_GetColor(doc, 1, 0) >> 24, 0u);    // the same colour in both: opaque
  EXPECT_EQ(UNDO_Count(), 1);
  EXPECT_TRUE(Host.Base.Warnings.empty());
  UNDO_Undo();
  EXPECT_FALSE(IMAGE_GetCurrent()->HasAlpha);
}

TEST_F(AlphaCommands, FailuresLeaveTheDocumentAlone) {
  const ImageDocument* before = IMAGE_GetCurrent();
  RASTREL_Execute(ID_FILE_CREATE_ALPHA, 0);  // Cancel
  EXPECT_EQ(IMAGE_GetCurrent(), before);
  Host.AlphaOk = true;
  Host.AlphaAnswer.Image1 = Dir / "black.bmp";
  Host.AlphaAnswer.Image2 = Dir / "missing.bmp";
  RASTREL_Execute(ID_FILE_CREATE_ALPHA, 0);  // a name that does not open: a beep
  EXPECT_EQ(Host.Base.BeepCount, 1);
  EXPECT_EQ(IMAGE_GetCurrent(), before);
  Host.AlphaAnswer.Image2 = Dir / "wide.bmp";
  RASTREL_Execute(ID_FILE_CREATE_ALPHA, 0);
  ASSERT_EQ(Host.Base.Warnings.size(), 1u);
  EXPECT_EQ(Host.Base.Warnings[0].Text, "The images are not of the same size.");
  EXPECT_EQ(IMAGE_GetCurrent(), before);
  EXPECT_EQ(UNDO_Count(), 0);
}

TEST_F(AlphaCommands, LoadAlphaMaskAsksForOneImageOfTheDocumentsSize) {
  Host.AlphaOk = true;
  Host.AlphaAnswer.MaskOnly = true;
  Host.AlphaAnswer.Image1 = Dir / "white.bmp";
  RASTREL_Execute(ID_FILE_LOAD_ALPHA_MASK, 0);
  ASSERT_EQ(Host.Dialogs, std::vector<std::string>{"alpha mask"});
  ASSERT_TRUE(IMAGE_GetCurrent()->HasAlpha);
  EXPECT_EQ(IMAGE_GetColor(IMAGE_GetCurrent(), 0, 0) >> 24, 255u);  // white: fully transparent
  EXPECT_EQ(IMAGE_GetColor(IMAGE_GetCurrent(), 1, 0) >> 24, (0x20u + 0x40 + 0x60) / 3);
  EXPECT_EQ(UNDO_Count(), 1);
  Host.AlphaAnswer.Image1 = Dir / "wide.bmp";
  RASTREL_Execute(ID_FILE_LOAD_ALPHA_MASK, 0);
  EXPECT_EQ(Host.Base.Warnings.back().Text, "The images are not of the same size.");
  EXPECT_EQ(UNDO_Count(), 1);
  IMAGE_SetCurrent(nullptr);
  Host.Dialogs.clear();
  RASTREL_Execute(ID_FILE_LOAD_ALPHA_MASK, 0);  // no image: no dialog
  EXPECT_TRUE(Host.Dialogs.empty());
}

}  // namespace
