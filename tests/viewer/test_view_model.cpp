// Titles, zoom commands, pointer conversion, scrolling, placement, modes and settings.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/temp_dir.h"
#include "viewer/view_geometry.h"
#include "viewer/view_titles.h"
#include "viewer/viewer_modes.h"

TEST(ViewTitles, LayerCompositeAndColourTitles) {
  BlockGeometry g;
  g.xSize = 320, g.ySize = 240, g.vxSize = 640, g.vySize = 480, g.bpp = 16;
  EXPECT_EQ(TITLE_Layer(0, g, 3, 4, false, 1), "Vis.Layer #0, 320*240, 16bpp @ 3,4");
  EXPECT_EQ(TITLE_Layer(2, g, 0, 0, true, 1), "Virt.Layer #2, 640*480, 16bpp");
  EXPECT_EQ(TITLE_Layer(0, g, 0, 0, false, 3), "Vis.Layer #0, 320*240, 16bpp @ 0,0, 300%");
  EXPECT_EQ(TITLE_Composite(320, 240, false, 1), "Composite LCD 320*240");
  EXPECT_EQ(TITLE_Composite(320, 240, true, 2), "Composite 320*240, 200%");
  EXPECT_EQ(TITLE_Composite(320, 240, true, 1), "Composite 320*240");
  EXPECT_EQ(TITLE_Colors(1), "Colors #1");
  EXPECT_EQ(TITLE_ZoomSuffix(10), ", 1000%");
  EXPECT_EQ(TITLE_Frame(), "ZentileView V5.46");
}

TEST(ViewGeometry, ZoomCommandsCoverEveryStep) {
  int zoom;
  bool grid;
  ASSERT_TRUE(GEOM_ZoomCommand(553, &zoom, &grid));
  EXPECT_EQ(zoom, 3);
  EXPECT_TRUE(grid);
  ASSERT_TRUE(GEOM_ZoomCommand(560, &zoom, &grid));
  EXPECT_EQ(zoom, 10);
  EXPECT_FALSE(grid);
  EXPECT_FALSE(GEOM_ZoomCommand(562, &zoom, &grid));
  EXPECT_FALSE(GEOM_ZoomCommand(549, &zoom, &grid));
  for (int id = 550; id <= 561; ++id) {
    ASSERT_TRUE(GEOM_ZoomCommand(id, &zoom, &grid));
    EXPECT_EQ(GEOM_CommandForZoom(zoom, grid), id);
  }
  EXPECT_EQ(GEOM_CommandForZoom(2, true), 0);
}

TEST(ViewGeometry, PointerConversion) {
  int x, y;
  GEOM_ClientToDisplay(10, 10, 2, 5, 0, false, 0, 0, &x, &y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 5);
  GEOM_ClientToDisplay(10, 10, 2, 5, 0, true, 3, 4, &x, &y);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 1);
  GEOM_ClientToDisplay(7, 5, 3, 0, 0, false, 0, 0, &x, &y);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 1);
  int cx, cy;
  GEOM_DisplayToClient(10, 5, 2, 5, 0, false, 0, 0, &cx, &cy);
  EXPECT_EQ(cx, 10);
  EXPECT_EQ(cy, 10);
  GEOM_DisplayToClient(7, 1, 2, 5, 0, true, 3, 4, &cx, &cy);
  EXPECT_EQ(cx, 10);
  EXPECT_EQ(cy, 10);
}

TEST(ViewGeometry, ScrollIsPulledBackWhenTheWindowGrows) {
  EXPECT_EQ(GEOM_VisibleCount(100, 3), 33);
  EXPECT_EQ(GEOM_MaxScroll(320, 33), 287);
  EXPECT_EQ(GEOM_ClampScroll(300, 320, 33), 287);
  EXPECT_EQ(GEOM_ClampScroll(10, 320, 400), 0);
  EXPECT_EQ(GEOM_ClampScroll(-4, 320, 33), 0);
}

TEST(ViewGeometry, ViewsStackInColumns) {
  // Heights 200, 200, 200 with 450 available: the third starts a column right of the
  // widest so far (300) plus 170.
  std::vector<StackPlace> p = GEOM_StackViews({300, 250, 100}, {200, 200, 200}, 450);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].x, 0);
  EXPECT_EQ(p[0].y, 0);
  EXPECT_EQ(p[1].y, 200);
  EXPECT_EQ(p[2].x, 470);
  EXPECT_EQ(p[2].y, 0);
}

TEST(ViewerModes, ModeFollowsCountAndSetting) {
  ViewerSettings s;
  EXPECT_STREQ(MODE_StatusText(MODE_Get(1, s)), "Single display mode");
  EXPECT_STREQ(MODE_StatusText(MODE_Get(2, s)), "Multi layer mode");
  s.multiDisplay = 1;
  EXPECT_STREQ(MODE_StatusText(MODE_Get(2, s)), "Multi display mode");
  EXPECT_STREQ(MODE_StatusText(MODE_Get(1, s)), "Single display mode");
  EXPECT_FALSE(MODE_CompositeEnabled(true, 2, s));
  s.multiDisplay = 0;
  EXPECT_TRUE(MODE_CompositeEnabled(true, 2, s));
  EXPECT_FALSE(MODE_CompositeEnabled(false, 2, s));
  EXPECT_FALSE(MODE_CompositeEnabled(true, 1, s));
  EXPECT_TRUE(MODE_LayerItemEnabled(true, 2, 1));
  EXPECT_FALSE(MODE_LayerItemEnabled(true, 2, 2));
  EXPECT_FALSE(MODE_LayerItemEnabled(false, 2, 0));
}

TEST(ViewerModes, SettingsDefaultAndRoundTrip) {
  TempDir dir;
  ViewerSettings s = MODE_LoadSettings();
  EXPECT_EQ(s.multiDisplay, 0u);
  EXPECT_EQ(s.gridColor, 0x3F3F3Fu);
  EXPECT_EQ(s.alwaysOnTop, 1u);
  s.multiDisplay = 1;
  s.gridColor = 0x0000FF;
  s.alwaysOnTop = 0;
  MODE_SaveSettings(s);
  std::ifstream in(dir / "config/Tavrex/VorixView.ini");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("GridColor=dword:255"), std::string::npos) << text;
  ViewerSettings back = MODE_LoadSettings();
  EXPECT_EQ(back.multiDisplay, 1u);
  EXPECT_EQ(back.gridColor, 0x0000FFu);
  EXPECT_EQ(back.alwaysOnTop, 0u);
}
