// Window rules of the font converter without pixels: menu and tool-bar states by type
// and active view, help texts, title, overview geometry and navigation in both view
// modes, scroll ranges, the pixel cursor and the property lines.
#include <gtest/gtest.h>

#include <set>

#include "font/app/char_view_rules.h"
#include "font/app/command_ids.h"
#include "font/app/overview_layout.h"
#include "font/app/property_lines.h"
#include "font/app/window_rules.h"
#include "font/support/font_test_util.h"

namespace {

GlyphorMenuInputs inputs(bool doc, int type, int view, bool enabledOnly = false) {
  GlyphorMenuInputs in;
  in.HasDoc = doc;
  in.Type = type;
  in.ActiveView = view;
  in.EnabledOnly = enabledOnly;
  return in;
}

struct DocHolder {
  FontDoc* Doc;
  explicit DocHolder(FontDoc* d) : Doc(d) {}
  ~DocHolder() { FONT_Destroy(Doc); }
};

}  // namespace

TEST(GlyphorMenuRules, WithoutDocumentOnlyFileOptionsAndHelp) {
  const GlyphorMenuInputs none = inputs(false, 0, GLYPHOR_VIEW_OVERVIEW);
  for (unsigned id : {520u, 523u, 524u, 525u, 527u, 528u, 780u, 784u, 800u, 801u})
    EXPECT_TRUE(GLYPHOR_IsMenuEnabled(id, none)) << id;
  for (unsigned id : {521u, 522u, 540u, 563u, 583u, 600u, 620u, 643u, 660u, 661u, 662u, 680u, 700u, 720u, 722u,
                      740u, 741u, 760u})
    EXPECT_FALSE(GLYPHOR_IsMenuEnabled(id, none)) << id;
}

TEST(GlyphorMenuRules, MoveCursorAndHeightOnlyForTypesThreeAndFour) {
  for (int type = 0; type <= 6; ++type) {
    const bool expected = type == FONT_TYPE_EXT || type == FONT_TYPE_EXT_FRM;
    const GlyphorMenuInputs in = inputs(true, type, GLYPHOR_VIEW_OVERVIEW);
    for (unsigned id : {600u, 603u, 620u, 621u, 640u, 643u}) EXPECT_EQ(GLYPHOR_IsMenuEnabled(id, in), expected) << id << " " << type;
    for (unsigned id : {521u, 540u, 560u, 580u, 583u}) EXPECT_TRUE(GLYPHOR_IsMenuEnabled(id, in));
    // The tool bar's buttons of the same groups follow all extended types.
    for (unsigned id : {600u, 620u, 640u}) EXPECT_EQ(GLYPHOR_IsToolEnabled(id, in), FONT_IsExtended(type));
  }
}

TEST(GlyphorMenuRules, ToggleNeedsTheOverviewPixelIndexTheCharacterView) {
  const GlyphorMenuInputs overview = inputs(true, FONT_TYPE_STD, GLYPHOR_VIEW_OVERVIEW);
  const GlyphorMenuInputs charView = inputs(true, FONT_TYPE_STD, GLYPHOR_VIEW_CHAR);
  EXPECT_TRUE(GLYPHOR_IsMenuEnabled(660, overview));
  EXPECT_FALSE(GLYPHOR_IsMenuEnabled(660, charView));
  for (unsigned id : {680u, 681u, 682u, 700u, 701u}) {
    EXPECT_FALSE(GLYPHOR_IsMenuEnabled(id, overview));
    EXPECT_TRUE(GLYPHOR_IsMenuEnabled(id, charView));
  }
}

TEST(GlyphorMenuRules, PixelIndicesFollowTheBitsPerPixel) {
  // Largest index offered by type: 1 for 1 bpp, 3 for 2 bpp, 15 for 4 bpp.
  const int largest[7] = {1, 3, 15, 1, 1, 3, 15};
  for (int type = 0; type <= 6; ++type) {
    const GlyphorMenuInputs in = inputs(true, type, GLYPHOR_VIEW_CHAR);
    for (int n = 0; n <= 15; ++n)
      EXPECT_EQ(GLYPHOR_IsMenuEnabled(GLYPHOR_ID_PIXEL_SET_0 + n, in), n <= largest[type]) << type << " " << n;
  }
}

TEST(GlyphorMenuRules, AllCharactersCheckAndEnabledOnlyButton) {
  EXPECT_TRUE(GLYPHOR_IsMenuChecked(760, inputs(true, 0, 0, false)));
  EXPECT_FALSE(GLYPHOR_IsMenuChecked(760, inputs(true, 0, 0, true)));
  EXPECT_FALSE(GLYPHOR_IsToolChecked(760, inputs(true, 0, 0, false)));
  EXPECT_TRUE(GLYPHOR_IsToolChecked(760, inputs(true, 0, 0, true)));
  EXPECT_FALSE(GLYPHOR_IsMenuChecked(521, inputs(true, 0, 0, false)));
  EXPECT_TRUE(GLYPHOR_IsToolEnabled(520, inputs(false, 0, 0)));
  EXPECT_FALSE(GLYPHOR_IsToolEnabled(521, inputs(false, 0, 0)));
  EXPECT_FALSE(GLYPHOR_IsToolEnabled(760, inputs(false, 0, 0)));
}

TEST(GlyphorToolBar, ThirtyThreeButtonsInTheirGroups) {
  int separators = 0;
  std::set<unsigned> ids;
  for (unsigned id : GLYPHOR_aToolBar) {
    if (id == GLYPHOR_TOOL_SEPARATOR) ++separators;
    else ids.insert(id);
  }
  EXPECT_EQ(separators, 8);
  EXPECT_EQ(ids.size(), 25u);
  EXPECT_EQ(GLYPHOR_aToolBar[0], 0u);
  EXPECT_EQ(GLYPHOR_aToolBar[1], 520u);
  EXPECT_EQ(GLYPHOR_aToolBar[32], 760u);
  // Every button has a tool tip.
  for (unsigned id : ids) EXPECT_STRNE(GLYPHOR_MenuHelp(id), "Ready") << id;
}

TEST(GlyphorMenuHelp, TextsAndReady) {
  EXPECT_STREQ(GLYPHOR_MenuHelp(525), "Merges a font 'C' file");
  EXPECT_STREQ(GLYPHOR_MenuHelp(715), "Set the current pixel to index 15");
  EXPECT_STREQ(GLYPHOR_MenuHelp(642), "Delete a row from the top of the font");
  EXPECT_STREQ(GLYPHOR_MenuHelp(801), "Show a list of commands");
  EXPECT_STREQ(GLYPHOR_MenuHelp(661), "Ready");  // pop-up items have none
  EXPECT_STREQ(GLYPHOR_MenuHelp(780), "Ready");
  EXPECT_EQ(GLYPHOR_PixelStatus(3, 7, 1), "Index of pixel [ 3, 7 ] = 1");
}

TEST(GlyphorTitle, BaseNameOrUntitled) {
  EXPECT_EQ(GLYPHOR_WindowTitle(nullptr), "Zentile-FontConvert V5.46 - Untitled");
  DocHolder h(fonttest::make_manual(FONT_TYPE_STD, 10));
  EXPECT_EQ(GLYPHOR_WindowTitle(h.Doc), "Zentile-FontConvert V5.46 - Untitled");
  FONT_SetPath(h.Doc, "/tmp/fonts.d/Sans16.xbf");
  EXPECT_EQ(GLYPHOR_WindowTitle(h.Doc), "Zentile-FontConvert V5.46 - Sans16");
}

TEST(OverviewGeometry, RowHeightCellWidthAndColumns) {
  DocHolder h(fonttest::make_manual(FONT_TYPE_STD, 10));
  h.Doc->MaxWidth = 8;
  OverviewGeometry g = OVERVIEW_Geometry(h.Doc);
  EXPECT_EQ(g.RowHeight, 17);  // 16 is the minimum
  EXPECT_EQ(g.CellWidth, 29);
  EXPECT_EQ(g.CellFill, 28);
  EXPECT_EQ(OVERVIEW_CellX(g, 0), 50);
  EXPECT_EQ(OVERVIEW_CellX(g, 3), 50 + 3 * 29);
  EXPECT_EQ(OVERVIEW_NameX(g), 50 + 16 * 29 + 20);
  h.Doc->Height = 24;
  EXPECT_EQ(OVERVIEW_Geometry(h.Doc).RowHeight, 25);
  // Values of a damaged file are bounded before they make pixels.
  h.Doc->MaxWidth = INT32_MAX;
  h.Doc->Height = INT32_MAX;
  g = OVERVIEW_Geometry(h.Doc);
  EXPECT_EQ(g.CellWidth, OVERVIEW_MAX_WIDTH + 21);
  EXPECT_EQ(g.RowHeight, OVERVIEW_MAX_WIDTH + 1);
  EXPECT_GT(OVERVIEW_CellX(g, 16), 0);
  EXPECT_EQ(OVERVIEW_HorizontalRange(h.Doc, 0), 16 * OVERVIEW_MAX_WIDTH + 408);
  h.Doc->MaxWidth = -5;
  EXPECT_EQ(OVERVIEW_Geometry(h.Doc).CellWidth, 21);
}

TEST(OverviewGeometry, HitTestsCodesAndMargins) {
  DocHolder h(fonttest::make_manual(FONT_TYPE_STD, 10));
  h.Doc->MaxWidth = 8;
  const OverviewGeometry g = OVERVIEW_Geometry(h.Doc);
  const std::vector<int> all = OVERVIEW_ListedBlocks(h.Doc, false);
  ASSERT_EQ(all.size(), 4096u);
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 0, 0, 49, 5), -1);  // code column
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 0, 0, 50, 5), 0);
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 0, 0, 50 + 29 * 15 + 28, 5), 15);
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 0, 0, 50 + 29 * 16, 5), -1);  // right of the last cell
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 2, 0, 50 + 29 * 1, 17 + 3), 0x31);
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 4095, 0, 60, 17), -1);  // below the last row
  // Scrolled by 29 pixels: the first cell is now under x = 50 + 29 - 29.
  EXPECT_EQ(OVERVIEW_CodeAt(g, all, 0, 29, 50, 0), 1);
}

TEST(OverviewNavigation, AllCharactersMode) {
  std::vector<int> all;
  for (int b = 0; b < 4096; ++b) all.push_back(b);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x41, OVERVIEW_KEY_RIGHT, 10), 0x42u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x4F, OVERVIEW_KEY_RIGHT, 10), 0x50u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x40, OVERVIEW_KEY_LEFT, 10), 0x3Fu);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x41, OVERVIEW_KEY_UP, 10), 0x31u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x41, OVERVIEW_KEY_DOWN, 10), 0x51u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x41, OVERVIEW_KEY_PAGE_DOWN, 10), 0x41u + 160);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x41, OVERVIEW_KEY_PAGE_UP, 10), 0x01u);  // stops at the first row
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x45, OVERVIEW_KEY_HOME, 10), 0x40u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x45, OVERVIEW_KEY_END, 10), 0x4Fu);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x45, OVERVIEW_KEY_FIRST, 10), 0x00u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0x45, OVERVIEW_KEY_LAST, 10), 0xFFFFu);
  // At the ends the code stays.
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0, OVERVIEW_KEY_LEFT, 10), 0u);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0xFFFF, OVERVIEW_KEY_RIGHT, 10), 0xFFFFu);
  EXPECT_EQ(OVERVIEW_Navigate(all, false, 0xFFF5, OVERVIEW_KEY_DOWN, 10), 0xFFF5u);
}

TEST(OverviewNavigation, EnabledOnlyModeSkipsUnlistedBlocksAndWraps) {
  fonttest::init_tables();
  DocHolder h(fonttest::make_manual(FONT_TYPE_STD, 10));
  fonttest::add_glyph(h.Doc, 0x20, 4, 10);
  fonttest::add_glyph(h.Doc, 0x41, 4, 10);
  fonttest::enable_only(h.Doc, 0x20, 0x20);
  FONT_SetEnabled(h.Doc, 0x41, 1);
  const std::vector<int> listed = OVERVIEW_ListedBlocks(h.Doc, true);
  ASSERT_EQ(listed, (std::vector<int>{2, 4}));
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x25, OVERVIEW_KEY_DOWN, 10), 0x45u);
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x45, OVERVIEW_KEY_UP, 10), 0x25u);
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x2F, OVERVIEW_KEY_RIGHT, 10), 0x40u);
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x40, OVERVIEW_KEY_LEFT, 10), 0x2Fu);
  // Wrapping round at both ends.
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x45, OVERVIEW_KEY_DOWN, 10), 0x25u);
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x20, OVERVIEW_KEY_LEFT, 10), 0x4Fu);
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x4F, OVERVIEW_KEY_RIGHT, 10), 0x20u);
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x25, OVERVIEW_KEY_LAST, 10), 0x4Fu);
  // From an unlisted block the next listed one is the start.
  EXPECT_EQ(OVERVIEW_Navigate(listed, true, 0x33, OVERVIEW_KEY_END, 10), 0x4Fu);
  EXPECT_EQ(OVERVIEW_RowOfCode(listed, 0x33), -1);
  EXPECT_EQ(OVERVIEW_RowOfCode(listed, 0x4A), 1);
}

TEST(OverviewScrolling, RangesPagesAndVisibility) {
  DocHolder h(fonttest::make_manual(FONT_TYPE_STD, 10));
  h.Doc->MaxWidth = 8;
  h.Doc->Encoding = FONT_ENC_UNICODE;
  EXPECT_EQ(OVERVIEW_HorizontalRange(h.Doc, 250), 16 * 8 + 408 + 250);
  h.Doc->Encoding = FONT_ENC_ISO8859;
  EXPECT_EQ(OVERVIEW_HorizontalRange(h.Doc, 250), 16 * 8 + 388);
  EXPECT_EQ(OVERVIEW_PageRows(170, 17), 11);
  EXPECT_EQ(OVERVIEW_PageRows(171, 17), 11);
  EXPECT_EQ(OVERVIEW_FirstRowShowing(5, 0, 170, 17), 0);
  EXPECT_EQ(OVERVIEW_FirstRowShowing(10, 0, 170, 17), 1);
  EXPECT_EQ(OVERVIEW_FirstRowShowing(3, 8, 170, 17), 3);
  const OverviewGeometry g = OVERVIEW_Geometry(h.Doc);
  EXPECT_EQ(OVERVIEW_OffsetShowing(g, 0, 0, 300), 0);
  EXPECT_EQ(OVERVIEW_OffsetShowing(g, 15, 0, 300), 50 + 16 * 29 + 1 - 300);
  EXPECT_EQ(OVERVIEW_OffsetShowing(g, 2, 200, 300), 58);
}

TEST(CharacterView, CursorClampsAndCellSize) {
  DocHolder h(fonttest::make_manual(FONT_TYPE_EXT, 10, 8));
  fonttest::add_glyph(h.Doc, 0x41, 5, 6, 0, 7);
  fonttest::add_glyph(h.Doc, 0x42, 3, 0);
  EXPECT_EQ(CHARVIEW_CellSize(h.Doc, 205), 20);  // client height / font height
  EXPECT_EQ(CHARVIEW_CursorRows(h.Doc, 0x41), 6);
  EXPECT_EQ(CHARVIEW_CursorRows(h.Doc, 0x42), 10);  // no glyph height: the font height
  PixelCursor c = CHARVIEW_Clamp(h.Doc, 0x41, {5, 2});
  EXPECT_EQ(c.Column, 0);
  c = CHARVIEW_Clamp(h.Doc, 0x41, {-1, -1});
  EXPECT_EQ(c.Column, 4);
  EXPECT_EQ(c.Row, 5);
  c = CHARVIEW_Clamp(h.Doc, 0x41, {2, 6});
  EXPECT_EQ(c.Row, 0);
  // The glyph starts at font row baseline - top = 1; cells outside it miss.
  EXPECT_EQ(CHARVIEW_GlyphTop(h.Doc, 0x41), 1);
  PixelCursor hit;
  EXPECT_FALSE(CHARVIEW_HitTest(h.Doc, 0x41, 20, 30, 10, &hit));  // font row 0
  ASSERT_TRUE(CHARVIEW_HitTest(h.Doc, 0x41, 20, 45, 45, &hit));
  EXPECT_EQ(hit.Column, 2);
  EXPECT_EQ(hit.Row, 1);
  EXPECT_FALSE(CHARVIEW_HitTest(h.Doc, 0x41, 20, 100, 45, &hit));  // column 5 of a width of 5
  EXPECT_FALSE(CHARVIEW_HitTest(h.Doc, 0x41, 20, 10, 7 * 20 + 1, &hit));  // font row 7: glyph row 6
}

TEST(PropertyLines, FontAndCharacterBlocks) {
  fonttest::init_tables();
  DocHolder h(fonttest::make_manual(FONT_TYPE_EXT, 12, 9));
  std::snprintf(h.Doc->Lf.acFaceName, FONT_FACE_CHARS, "DejaVu Sans");
  h.Doc->MaxWidth = 7;
  fonttest::add_glyph(h.Doc, 0x41, 6, 9, 1, 9, 7);
  FONT_SetCurrentChar(h.Doc, 0x41);
  PropertyLines lines = GLYPHOR_PropertyLines(h.Doc);
  EXPECT_EQ(lines.Font, (std::vector<std::string>{"Font:         DejaVu Sans", "Height:       12",
                                                  "Max Width:    7", "Baseline:     9"}));
  EXPECT_EQ(lines.Character,
            (std::vector<std::string>{"Character Information", "Code:         65 (0x0041)",
                                      "Character:    LATIN CAPITAL LETTER A", "Width:        6",
                                      "Disabled:     No", "Height:       9", "X-Position:   1",
                                      "Y-Position:   0", "Cursor dist:  7"}));
  // A code inside a named range has no name of its own.
  fonttest::add_glyph(h.Doc, 0x4E01, 6, 9);
  FONT_SetCurrentChar(h.Doc, 0x4E01);
  EXPECT_EQ(GLYPHOR_PropertyLines(h.Doc).Character[2], "Character:    -");
  // Shift_JIS: no Character line; a standard type: no baseline or glyph lines.
  h.Doc->Encoding = FONT_ENC_SJIS;
  h.Doc->Type = FONT_TYPE_STD;
  lines = GLYPHOR_PropertyLines(h.Doc);
  EXPECT_EQ(lines.Font.size(), 3u);
  EXPECT_EQ(lines.Character.size(), 4u);
  EXPECT_EQ(lines.Character[2], "Width:        6");
  // A disabled character: no character block.
  FONT_SetEnabled(h.Doc, 0x4E01, 0);
  EXPECT_TRUE(GLYPHOR_PropertyLines(h.Doc).Character.empty());
}

TEST(CharacterView, ValueKeys) {
  unsigned param = 9;
  EXPECT_EQ(CHARVIEW_KeyCommand('+', &param), 680u);
  EXPECT_EQ(param, 0u);
  EXPECT_EQ(CHARVIEW_KeyCommand('-', &param), 681u);
  EXPECT_EQ(CHARVIEW_KeyCommand(' ', &param), 682u);
  EXPECT_EQ(CHARVIEW_KeyCommand('7', &param), 707u);
  EXPECT_EQ(param, unsigned(CHARVIEW_KEY_PARAM));
  EXPECT_EQ(CHARVIEW_KeyCommand('c', &param), 712u);
  EXPECT_EQ(CHARVIEW_KeyCommand('F', &param), 715u);
  EXPECT_EQ(CHARVIEW_KeyCommand('G', &param), 0u);
  EXPECT_EQ(param, 0u);
}

TEST(CharacterView, DamagedMetricsStayBounded) {
  fonttest::init_tables();
  DocHolder h(fonttest::make_manual(FONT_TYPE_EXT, 10, INT32_MAX));
  fonttest::add_glyph(h.Doc, 0x41, 2, 2, 0, INT32_MIN);
  FONT_SetCurrentChar(h.Doc, 0x41);
  EXPECT_EQ(CHARVIEW_GlyphTop(h.Doc, 0x41), 0x10000);
  PixelCursor hit;
  EXPECT_FALSE(CHARVIEW_HitTest(h.Doc, 0x41, 10, 5, 5, &hit));
  EXPECT_EQ(GLYPHOR_PropertyLines(h.Doc).Character[7], "Y-Position:   4294967295");
}
