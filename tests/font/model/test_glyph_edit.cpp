// Glyph editing operations on hand-made documents: pixels, metrics, log lines and
// messages of every group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "font/model/edit_log.h"
#include "font/model/glyph_edit.h"
#include "font/model/pixel_value.h"
#include "font/support/font_test_util.h"

namespace {

struct GlyphEditTest : ::testing::Test {
  fonttest::HostScope scope;
  FontDoc* doc = nullptr;
  void SetUp() override { EDITLOG_Clear(); }
  void TearDown() override {
    FONT_Destroy(doc);
    EDITLOG_Clear();
  }
  // Pixels of the code, one string per row ("." for 0, hex digits, "*" for a frame pixel).
  std::vector<std::string> Rows(unsigned code, int rows) const {
    std::vector<std::string> out;
    for (int y = 0; y < rows; ++y) {
      std::string row;
      for (int x = 0; x < doc->aChar[code].Width; ++x) {
        int v = FONT_GetPixel(doc, code, x, y);
        row += v == 0 ? '.' : (v < 0 ? '*' : "0123456789abcdef"[v]);
      }
      out.push_back(row);
    }
    return out;
  }
  void Paint(unsigned code, const std::vector<std::string>& rows) {
    for (size_t y = 0; y < rows.size(); ++y)
      for (size_t x = 0; x < rows[y].size(); ++x)
        if (rows[y][x] != '.')
          FONT_SetPixel(doc, code, static_cast<int>(x), static_cast<int>(y),
                        rows[y][x] == '*' ? -1 : std::stoi(std::string(1, rows[y][x]), nullptr, 16));
  }
  static std::string Line(const std::string& text) {
    return text + std::string(text.size() < 69 ? 69 - text.size() : 0, ' ') + "*\r\n";
  }
  std::vector<std::string> Warnings() const {
    std::vector<std::string> v;
    for (const auto& w : scope.Host.Warnings) v.push_back(w.Text);
    return v;
  }
};

TEST_F(GlyphEditTest, InsertRightGrowsBytesPerLineAndKeepsEveryPixel) {
  doc = fonttest::make_manual(FONT_TYPE_STD, 2);
  fonttest::add_glyph(doc, 'A', 8, 2, 0, 0, 8);
  Paint('A', {"1.1.1.11", ".1.1.1.1"});
  doc->CurrentChar = 'A';
  doc->MaxWidth = 8;
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_RIGHT));
  EXPECT_EQ(doc->aChar['A'].Width, 9);
  EXPECT_EQ(doc->aChar['A'].PlaneSize, 4u);  // 2 rows x 2 bytes
  EXPECT_EQ(Rows('A', 2), (std::vector<std::string>{"1.1.1.11.", ".1.1.1.1."}));
  EXPECT_EQ(doc->aChar['A'].CursorDist, 9);
  EXPECT_EQ(doc->MaxWidth, 9);
  EXPECT_EQ(EDITLOG_GetText(), Line("* Edit/Insert/Right     at character 0x41 (65)"));
  EXPECT_GT(scope.Host.RedrawCount, 0);

  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_LEFT));
  EXPECT_EQ(Rows('A', 2), (std::vector<std::string>{".1.1.1.11.", "..1.1.1.1."}));
  EXPECT_EQ(doc->MaxWidth, 10);
}

TEST_F(GlyphEditTest, DeleteLeftPacksNineColumnsIntoOneByte) {
  doc = fonttest::make_manual(FONT_TYPE_STD, 2);
  fonttest::add_glyph(doc, 'B', 9, 2, 0, 0, 9);
  Paint('B', {"1.......1", ".1.....1."});
  doc->CurrentChar = 'B';
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_LEFT));
  EXPECT_EQ(doc->aChar['B'].Width, 8);
  EXPECT_EQ(FONT_BytesPerLine(doc->Type, 8), 1);
  EXPECT_EQ(Rows('B', 2), (std::vector<std::string>{".......1", "1.....1."}));
  EXPECT_EQ(doc->aChar['B'].CursorDist, 8);
  // Row 1 starts at byte 1 now: the packing follows the new bytes per line.
  EXPECT_EQ(doc->aChar['B'].pPixels[0], 0x80);
  EXPECT_EQ(doc->aChar['B'].pPixels[1], 0x41);
  GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_RIGHT);
  EXPECT_EQ(Rows('B', 2), (std::vector<std::string>{".......", "1.....1"}));
  // Down to width 0, then nothing more happens (the log line is still written).
  for (int i = 0; i < 7; ++i) GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_RIGHT);
  EXPECT_EQ(doc->aChar['B'].Width, 0);
  EXPECT_EQ(doc->aChar['B'].CursorDist, 0);
  const size_t before = std::string(EDITLOG_GetText()).size();
  GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_RIGHT);
  EXPECT_EQ(doc->aChar['B'].Width, 0);
  EXPECT_EQ(doc->aChar['B'].CursorDist, 0);
  EXPECT_EQ(std::string(EDITLOG_GetText()).size(), before + 72);
}

TEST_F(GlyphEditTest, ShiftRotatesInsideTheBitmap) {
  doc = fonttest::make_manual(FONT_TYPE_AA2, 3);
  fonttest::add_glyph(doc, 'C', 3, 3);
  Paint('C', {"1..", "..3", ".2."});
  doc->CurrentChar = 'C';
  GLYPHEDIT_Run(doc, GLYPHEDIT_SHIFT_RIGHT);
  EXPECT_EQ(Rows('C', 3), (std::vector<std::string>{".1.", "3..", "..2"}));
  GLYPHEDIT_Run(doc, GLYPHEDIT_SHIFT_LEFT);
  EXPECT_EQ(Rows('C', 3), (std::vector<std::string>{"1..", "..3", ".2."}));
  GLYPHEDIT_Run(doc, GLYPHEDIT_SHIFT_UP);
  EXPECT_EQ(Rows('C', 3), (std::vector<std::string>{"..3", ".2.", "1.."}));
  GLYPHEDIT_Run(doc, GLYPHEDIT_SHIFT_DOWN);
  EXPECT_EQ(Rows('C', 3), (std::vector<std::string>{"1..", "..3", ".2."}));
  EXPECT_EQ(doc->aChar['C'].Width, 3);
  const std::string log = EDITLOG_GetText();
  EXPECT_NE(log.find(Line("* Edit/Shift/Right      at character 0x43 (67)")), std::string::npos);
  EXPECT_NE(log.find(Line("* Edit/Shift/Down       at character 0x43 (67)")), std::string::npos);
  // A single column does not change.
  fonttest::add_glyph(doc, 'D', 1, 3);
  Paint('D', {"1", ".", "."});
  doc->CurrentChar = 'D';
  GLYPHEDIT_Run(doc, GLYPHEDIT_SHIFT_RIGHT);
  EXPECT_EQ(Rows('D', 3), (std::vector<std::string>{"1", ".", "."}));
}

TEST_F(GlyphEditTest, MoveAndCursorDistanceChangeMetricsOnly) {
  doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  fonttest::add_glyph(doc, 'E', 2, 2, 1, 5, 255);
  doc->CurrentChar = 'E';
  GLYPHEDIT_Run(doc, GLYPHEDIT_MOVE_LEFT);
  GLYPHEDIT_Run(doc, GLYPHEDIT_MOVE_LEFT);
  GLYPHEDIT_Run(doc, GLYPHEDIT_MOVE_UP);
  EXPECT_EQ(doc->aChar['E'].XPos, -1);  // no limits
  EXPECT_EQ(doc->aChar['E'].TopAboveBaseline, 6);
  GLYPHEDIT_Run(doc, GLYPHEDIT_MOVE_DOWN);
  GLYPHEDIT_Run(doc, GLYPHEDIT_MOVE_RIGHT);
  EXPECT_EQ(doc->aChar['E'].XPos, 0);
  EXPECT_EQ(doc->aChar['E'].TopAboveBaseline, 5);
  EDITLOG_Clear();
  GLYPHEDIT_Run(doc, GLYPHEDIT_CURSOR_INCREASE);
  EXPECT_EQ(doc->aChar['E'].CursorDist, 255);
  EXPECT_EQ(EDITLOG_GetText(), Line("* Edit/Cursor Distance/Increase at character 0x45 (69)"));
  doc->aChar['E'].CursorDist = 0;
  GLYPHEDIT_Run(doc, GLYPHEDIT_CURSOR_DECREASE);
  EXPECT_EQ(doc->aChar['E'].CursorDist, 0);
  GLYPHEDIT_Run(doc, GLYPHEDIT_CURSOR_INCREASE);
  EXPECT_EQ(doc->aChar['E'].CursorDist, 1);
}

TEST_F(GlyphEditTest, StandardFontRowsChangeEveryCharacterAndTheHeight) {
  doc = fonttest::make_manual(FONT_TYPE_STD, 2);
  fonttest::add_glyph(doc, 'A', 2, 2);
  fonttest::add_glyph(doc, 'B', 3, 2);
  fonttest::add_glyph(doc, 'C', 0, 2);
  Paint('A', {"1.", ".1"});
  Paint('B', {"111", "1.1"});
  doc->CurrentChar = 'A';
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_TOP));
  EXPECT_EQ(doc->Height, 3);
  EXPECT_EQ(Rows('A', 3), (std::vector<std::string>{"..", "1.", ".1"}));
  EXPECT_EQ(Rows('B', 3), (std::vector<std::string>{"...", "111", "1.1"}));
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_BOTTOM));
  EXPECT_EQ(doc->Height, 4);
  EXPECT_EQ(Rows('B', 4), (std::vector<std::string>{"...", "111", "1.1", "..."}));
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_TOP));
  EXPECT_EQ(doc->Height, 3);
  EXPECT_EQ(Rows('B', 3), (std::vector<std::string>{"111", "1.1", "..."}));
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_BOTTOM));
  EXPECT_EQ(doc->Height, 2);
  EXPECT_EQ(Rows('A', 2), (std::vector<std::string>{"1.", ".1"}));
  EXPECT_EQ(doc->aChar['C'].Width, 0);  // zero width: left out, and disabled as when saving
  EXPECT_FALSE(doc->aChar['C'].Enabled);
  EXPECT_NE(std::string(EDITLOG_GetText()).find(Line("* Edit/Insert/Top       at character 0x41 (65)")),
            std::string::npos);
  bool progress = false;
  for (const std::string& p : scope.Host.Progress) progress |= p == "Modifying character 0000   ";
  EXPECT_TRUE(progress);
  EXPECT_EQ(scope.Host.Status.back(), "Ready");
}

TEST_F(GlyphEditTest, DeletingTheLastRowOfAStandardFontIsReportedAfterItsLogLine) {
  doc = fonttest::make_manual(FONT_TYPE_AA4, 1);
  fonttest::add_glyph(doc, 'A', 2, 1);
  Paint('A', {"e3"});
  doc->CurrentChar = 'A';
  for (GlyphEdit e : {GLYPHEDIT_DELETE_TOP, GLYPHEDIT_DELETE_BOTTOM}) {
    EDITLOG_Clear();
    scope.Host.Warnings.clear();
    EXPECT_FALSE(GLYPHEDIT_Run(doc, e));
    EXPECT_EQ(doc->Height, 1);
    EXPECT_EQ(Rows('A', 1), (std::vector<std::string>{"e3"}));
    EXPECT_EQ(Warnings(), (std::vector<std::string>{"Could not delete pixel!"}));
    EXPECT_FALSE(std::string(EDITLOG_GetText()).empty());
  }
}

TEST_F(GlyphEditTest, ExtendedCharacterRowsStayInsideTheCell) {
  // Font height 10, baseline 8: the glyph spans cell rows 8 - top .. 8 - top + height - 1.
  doc = fonttest::make_manual(FONT_TYPE_EXT_AA2, 10, 8);
  fonttest::add_glyph(doc, 'g', 2, 3, 0, 8);
  Paint('g', {"3.", ".2", "1."});
  doc->CurrentChar = 'g';
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_TOP));  // top = baseline: nothing
  EXPECT_EQ(doc->aChar['g'].GlyphHeight, 3);
  EXPECT_EQ(doc->aChar['g'].TopAboveBaseline, 8);
  EXPECT_EQ(Rows('g', 3), (std::vector<std::string>{"3.", ".2", "1."}));
  EXPECT_NE(std::string(EDITLOG_GetText()).find("* Edit/Insert/Top       at character 0x67 (103)"),
            std::string::npos);
  doc->aChar['g'].TopAboveBaseline = 7;
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_TOP));
  EXPECT_EQ(doc->aChar['g'].GlyphHeight, 4);
  EXPECT_EQ(doc->aChar['g'].TopAboveBaseline, 8);
  EXPECT_EQ(Rows('g', 4), (std::vector<std::string>{"..", "3.", ".2", "1."}));
  EXPECT_EQ(doc->Height, 10);  // the font keeps its height
  // Bottom: 8 + 4 - 8 = 4 < 10, room for six more rows.
  for (int i = 0; i < 8; ++i) GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_BOTTOM);
  EXPECT_EQ(doc->aChar['g'].GlyphHeight, 10);
  EXPECT_EQ(Rows('g', 10)[9], "..");
  GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_TOP);
  EXPECT_EQ(doc->aChar['g'].GlyphHeight, 9);
  EXPECT_EQ(doc->aChar['g'].TopAboveBaseline, 7);
  EXPECT_EQ(Rows('g', 3), (std::vector<std::string>{"3.", ".2", "1."}));
  for (int i = 0; i < 20; ++i) GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_BOTTOM);
  EXPECT_EQ(doc->aChar['g'].GlyphHeight, 1);
  EXPECT_EQ(Rows('g', 1), (std::vector<std::string>{"3."}));
  GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_TOP);  // height 1: nothing
  EXPECT_EQ(doc->aChar['g'].GlyphHeight, 1);
  EXPECT_EQ(doc->aChar['g'].TopAboveBaseline, 7);
  EXPECT_TRUE(scope.Host.Warnings.empty());
}

TEST_F(GlyphEditTest, FramedFontRowsMoveTheFrameAndTheGlyphHeight) {
  doc = fonttest::make_manual(FONT_TYPE_EXT_FRM, 6, 5);
  fonttest::add_glyph(doc, 'o', 3, 3, 0, 4);
  Paint('o', {".*.", "*1*", ".*."});
  doc->CurrentChar = 'o';
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_TOP));
  EXPECT_EQ(doc->Height, 7);
  EXPECT_EQ(doc->aChar['o'].GlyphHeight, 4);
  EXPECT_EQ(Rows('o', 4), (std::vector<std::string>{"...", ".*.", "*1*", ".*."}));
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_DELETE_TOP));
  EXPECT_EQ(doc->Height, 6);
  EXPECT_EQ(doc->aChar['o'].GlyphHeight, 3);
  EXPECT_EQ(Rows('o', 3), (std::vector<std::string>{".*.", "*1*", ".*."}));
}

TEST_F(GlyphEditTest, FontHeightOperationsMoveAvailableCharacters) {
  doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  fonttest::add_glyph(doc, 'A', 2, 2, 0, 5);
  fonttest::add_glyph(doc, 'B', 0, 2, 0, 5);  // no pixels: stays
  doc->aChar['B'].Enabled = 0;
  doc->CurrentChar = 'A';
  GLYPHEDIT_Run(doc, GLYPHEDIT_HEIGHT_INSERT_TOP);
  EXPECT_EQ(doc->Height, 11);
  EXPECT_EQ(doc->aChar['A'].TopAboveBaseline, 4);
  EXPECT_EQ(doc->aChar['B'].TopAboveBaseline, 5);
  EXPECT_EQ(doc->CurrentChar, 'A');
  GLYPHEDIT_Run(doc, GLYPHEDIT_HEIGHT_INSERT_BOTTOM);
  EXPECT_EQ(doc->Height, 12);
  EXPECT_EQ(doc->aChar['A'].TopAboveBaseline, 4);
  GLYPHEDIT_Run(doc, GLYPHEDIT_HEIGHT_DELETE_TOP);
  GLYPHEDIT_Run(doc, GLYPHEDIT_HEIGHT_DELETE_BOTTOM);
  EXPECT_EQ(doc->Height, 10);
  EXPECT_EQ(doc->aChar['A'].TopAboveBaseline, 5);
  EXPECT_EQ(EDITLOG_GetText(), Line("* Edit/Increase/Top     of font.") + Line("* Edit/Increase/Bottom  of font.") +
                                   Line("* Edit/Decrease/Top     of font.") + Line("* Edit/Decrease/Bottom  of font."));
  // Below 2 the height stays, but Delete Top still moves the characters up.
  doc->Height = 1;
  GLYPHEDIT_Run(doc, GLYPHEDIT_HEIGHT_DELETE_TOP);
  GLYPHEDIT_Run(doc, GLYPHEDIT_HEIGHT_DELETE_BOTTOM);
  EXPECT_EQ(doc->Height, 1);
  EXPECT_EQ(doc->aChar['A'].TopAboveBaseline, 6);
}

TEST_F(GlyphEditTest, PixelValuesStayInTheTypesRange) {
  doc = fonttest::make_manual(FONT_TYPE_AA4, 2);
  fonttest::add_glyph(doc, 'A', 2, 2);
  Paint('A', {"3f", ".."});
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'A', 0, 0, PIXEL_INVERT));
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 0), 12);
  EXPECT_EQ(EDITLOG_GetText(), Line("* Pixel index of character 0x41 (65) at 0/0 set to 12"));
  EXPECT_FALSE(PIXELVALUE_Change(doc, 'A', 1, 0, PIXEL_INCREASE));  // 16: ignored, not logged
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 0), 15);
  EXPECT_FALSE(PIXELVALUE_Change(doc, 'A', 0, 1, PIXEL_DECREASE));
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'A', 0, 1, PIXEL_KEY, 9));
  EXPECT_FALSE(PIXELVALUE_Change(doc, 'A', 0, 1, PIXEL_KEY, 16));
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 1), 9);
  EXPECT_FALSE(PIXELVALUE_Change(doc, 'A', 2, 0, PIXEL_KEY, 1));  // outside the character
  EXPECT_FALSE(PIXELVALUE_Change(doc, 'A', 0, 2, PIXEL_KEY, 1));
  const size_t logged = std::string(EDITLOG_GetText()).size();
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'A', 1, 1, PIXEL_SET, 7));  // Set index: no log line
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 1), 7);
  EXPECT_EQ(std::string(EDITLOG_GetText()).size(), logged);
  EXPECT_EQ(logged, 2u * 72);
}

// Renders every glyph as a 3 x 2 bitmap with one pixel at (0, 0).
struct DotSource : FontGlyphSource {
  int Calls = 0;
  void RenderChar(FontDoc* doc, unsigned code) override {
    ++Calls;
    FONT_AllocPlanes(doc, code, 3, 2);
    FONT_SetPixel(doc, code, 0, 0, 1);
    doc->aChar[code].GlyphHeight = 2;
    doc->aChar[code].CursorDist = 3;
    doc->aChar[code].TopAboveBaseline = 2;
  }
};

TEST_F(GlyphEditTest, ACharacterNotYetRenderedIsRenderedBeforeItIsEdited) {
  doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  auto* source = new DotSource;
  FONT_SetGlyphSource(doc, source);
  doc->aChar['K'].Available = 1;
  doc->aChar['K'].GlyphHeight = 10;  // as before rendering: the logical font height
  doc->CurrentChar = 'K';
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_LEFT));
  EXPECT_EQ(source->Calls, 1);
  EXPECT_TRUE(doc->aChar['K'].Generated);
  EXPECT_EQ(Rows('K', 2), (std::vector<std::string>{".1..", "...."}));
  EXPECT_EQ(doc->aChar['K'].CursorDist, 4);
  ASSERT_TRUE(GLYPHEDIT_Run(doc, GLYPHEDIT_INSERT_BOTTOM));  // 8 + 2 - 2 < 10: room
  EXPECT_EQ(doc->aChar['K'].GlyphHeight, 3);
  EXPECT_EQ(source->Calls, 1);
  doc->CurrentChar = 'L';
  doc->aChar['L'].Available = 1;
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'L', 2, 1, PIXEL_INCREASE));
  EXPECT_EQ(Rows('L', 2), (std::vector<std::string>{"1..", "..1"}));
}

TEST_F(GlyphEditTest, FramedPixelsTakeMinusOne) {
  doc = fonttest::make_manual(FONT_TYPE_EXT_FRM, 4, 3);
  fonttest::add_glyph(doc, 'A', 2, 1);
  Paint('A', {"*."});
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'A', 0, 0, PIXEL_INVERT));  // a frame pixel counts as 0
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 0), 1);
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'A', 1, 0, PIXEL_DECREASE));  // 0 - 1: a frame pixel
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 0), -1);
  EXPECT_FALSE(PIXELVALUE_Change(doc, 'A', 1, 0, PIXEL_DECREASE));
  EXPECT_TRUE(PIXELVALUE_Change(doc, 'A', 1, 0, PIXEL_INCREASE));
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 0), 0);
  EXPECT_NE(std::string(EDITLOG_GetText()).find("at 1/0 set to -1"), std::string::npos);
}

}  // namespace
