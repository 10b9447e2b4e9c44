// Editing, range and pattern commands in process: menu identifiers and job commands
// reach the operations, with the dialogs of the font converter's host.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "font/app/char_view_rules.h"
#include "font/app/command_ids.h"
#include "font/app/edit_operations.h"
#include "font/model/current_font.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"
#include "font/model/pixel_value.h"
#include "font/support/font_test_util.h"
#include "font/support/command_fixture.h"

namespace {

struct EditCommands : fonttest::CommandTest {
  // Standard font of height 4: 0x20..0x7F of width 2, 'A' with ink at (1, 1); current 'A'.
  static FontDoc* Font() {
    FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
    for (unsigned c = 0x20; c <= 0x7F; ++c) fonttest::add_glyph(doc, c, 2, 4, 0, 0, 2);
    FONT_SetPixel(doc, 'A', 1, 1, 1);
    doc->CurrentChar = 'A';
    return doc;
  }
  static int Lines(const std::string& needle) {
    const std::string log = EDITLOG_GetText();
    int n = 0;
    for (size_t p = 0; (p = log.find(needle, p)) != std::string::npos; p += needle.size()) ++n;
    return n;
  }
};

TEST_F(EditCommands, MenuIdentifiersReachTheGlyphOperations) {
  FONT_SetCurrent(Font());
  FontDoc* doc = FONT_GetCurrent();
  GLYPHOR_Execute(GLYPHOR_ID_INSERT_LEFT, 0);
  EXPECT_EQ(doc->aChar['A'].Width, 3);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 2, 1), 1);
  GLYPHOR_Execute(GLYPHOR_ID_SHIFT_DOWN, 0);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 2, 2), 1);
  GLYPHOR_Execute(GLYPHOR_ID_MOVE_RIGHT, 0);
  GLYPHOR_Execute(GLYPHOR_ID_CURSOR_DEC, 0);
  EXPECT_EQ(doc->aChar['A'].XPos, 1);
  EXPECT_EQ(doc->aChar['A'].CursorDist, 2);
  GLYPHOR_Execute(GLYPHOR_ID_DELETE_BOTTOM, 0);  // standard: the whole font
  EXPECT_EQ(doc->Height, 3);
  GLYPHOR_Execute(GLYPHOR_ID_HEIGHT_INSERT_BOTTOM, 0);
  EXPECT_EQ(doc->Height, 4);
  EXPECT_EQ(Lines("* Edit/"), 6);
  EXPECT_EQ(Lines("at character 0x41 (65)"), 5);
  EXPECT_TRUE(host.Warnings.empty());
  EXPECT_EQ(FONTOP_GlyphEditOfId(GLYPHOR_ID_HEIGHT_DELETE_BOTTOM), 21);
  EXPECT_EQ(FONTOP_GlyphEditOfId(622), -1);
  EXPECT_EQ(FONTOP_GlyphEditOfId(GLYPHOR_ID_TOGGLE_CHAR), -1);
}

TEST_F(EditCommands, PixelMenusWorkAtThePixelCursor) {
  FONT_SetCurrent(Font());
  FontDoc* doc = FONT_GetCurrent();
  GLYPHOR_SetPixelCursor(PixelCursor{1, 1});
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_INC, 0);  // 2 > 1: ignored
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 1), 1);
  EXPECT_STREQ(EDITLOG_GetText(), "");
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_INVERT, 0);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 1), 0);
  EXPECT_EQ(Lines("* Pixel index of character 0x41 (65) at 1/1 set to 0"), 1);
  GLYPHOR_SetPixelCursor(PixelCursor{0, 3});
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_SET_0 + 1, 0);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 3), 1);
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_DEC, 0);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 3), 0);
  EXPECT_EQ(Lines("* Pixel index"), 2);
}

TEST_F(EditCommands, ValueKeysOfTheCharacterViewAreCheckedAndLogged) {
  FONT_SetCurrent(Font());
  FontDoc* doc = FONT_GetCurrent();
  GLYPHOR_SetPixelCursor(PixelCursor{0, 3});
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_SET_0 + 5, CHARVIEW_KEY_PARAM);  // above 1: refused
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 3), 0);
  EXPECT_STREQ(EDITLOG_GetText(), "");
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_SET_0 + 1, CHARVIEW_KEY_PARAM);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 3), 1);
  EXPECT_EQ(Lines("* Pixel index of character 0x41 (65) at 0/3 set to 1"), 1);
}

TEST_F(EditCommands, KeysOnAFramedFontRecomputeTheFrame) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT_FRM, 5, 4);
  fonttest::add_glyph(doc, 'A', 3, 3, 0, 3);
  doc->CurrentChar = 'A';
  FONT_SetCurrent(doc);
  FontPixelRequest key;
  key.X = 1;
  key.Y = 1;
  key.Change = PIXEL_KEY;
  key.Value = 1;
  key.FromKey = true;
  EXPECT_TRUE(FONTOP_ChangePixel(key));
  int frame = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) frame += FONT_GetPixel(doc, 'A', x, y) == -1;
  EXPECT_EQ(frame, 4);
  key.Value = 2;  // above the largest value: ignored, the frame stays
  EXPECT_FALSE(FONTOP_ChangePixel(key));
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 0), -1);
}

TEST_F(EditCommands, EditJobRunsItsCountAndStopsAtTheFirstFailure) {
  FONT_SetCurrent(Font());
  FontDoc* doc = FONT_GetCurrent();
  Job(GLYPHOR_ID_JOB_EDIT, "INS,BOTTOM,2");
  EXPECT_EQ(doc->Height, 6);
  EXPECT_EQ(Lines("* Edit/Insert/Bottom    at character 0x41 (65)"), 2);
  EXPECT_EQ(host.Status.front(), "Executing command...");
  Job(GLYPHOR_ID_JOB_EDIT, "DEL,TOP,3");
  EXPECT_EQ(doc->Height, 3);
  EXPECT_EQ(Lines("* Edit/Delete/Top       at character 0x41 (65)"), 3);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 1, 0), 0);  // row 1 went with the second deletion
  Job(GLYPHOR_ID_JOB_EDIT, "DEL,BOTTOM,5");  // 3 -> 1, then the report ends the count
  EXPECT_EQ(doc->Height, 1);
  EXPECT_EQ(Lines("* Edit/Delete/Bottom"), 3);
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{"Could not delete pixel!"});
  Job(GLYPHOR_ID_JOB_EDIT, "INS,TOP,1,2");
  Job(GLYPHOR_ID_JOB_EDIT, "INS,LEFT");
  EXPECT_EQ(doc->Height, 1);
  EXPECT_EQ(WarningTexts(), (std::vector<std::string>{"Could not delete pixel!", "Wrong separator",
                                                      "Illegal option: LEFT"}));
}

TEST_F(EditCommands, EnableJobRefusesCodesOutsideTheRange) {
  FONT_SetCurrent(Font());
  FontDoc* doc = FONT_GetCurrent();
  Job(GLYPHOR_ID_JOB_ENABLE, "-5-10,0");
  Job(GLYPHOR_ID_JOB_ENABLE, "0-FFFFFFFF,0");
  Job(GLYPHOR_ID_JOB_ENABLE, "-1-FFFFFFFF,0");
  Job(GLYPHOR_ID_JOB_ENABLE, "41-0x43,0,1");
  EXPECT_EQ(WarningTexts(), (std::vector<std::string>{"Wrong parameters in '-enable' command: First < 0!",
                                                      "Wrong separator"}));
  // The reader's own message (outside a job it goes to the console).
  EXPECT_EQ(host.Console.find("Not a hex value\n"), 0u);
  EXPECT_NE(host.Console.find("Not a hex value\n", 1), std::string::npos);
  EXPECT_TRUE(doc->aChar[0x20].Enabled);
  EXPECT_TRUE(doc->aChar[0x41].Enabled);
  EXPECT_STREQ(EDITLOG_GetText(), "");
  Job(GLYPHOR_ID_JOB_ENABLE, "0x41-43,0");
  EXPECT_FALSE(doc->aChar[0x43].Enabled);
  EXPECT_EQ(Lines("* Range disabled:       0041 - 0043"), 1);
}

TEST_F(EditCommands, BlocksAndDisableAll) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
  doc->HasUnicodeMap = 0;
  doc->NumBlocks = 16;
  doc->CurrentChar = 0x47;
  FONT_SetCurrent(doc);
  GLYPHOR_Execute(GLYPHOR_ID_ENABLE_BLOCK, 0);
  for (unsigned c = 0x40; c < 0x50; ++c) EXPECT_TRUE(doc->aChar[c].Enabled) << c;
  EXPECT_FALSE(doc->aChar[0x50].Enabled);
  EXPECT_TRUE(doc->aBlock[4].Used);
  GLYPHOR_Execute(GLYPHOR_ID_DISABLE_BLOCK, 0);
  EXPECT_FALSE(doc->aChar[0x47].Enabled);
  EXPECT_TRUE(doc->aBlock[4].Used);  // disabling leaves the block counted
  EXPECT_STREQ(EDITLOG_GetText(), "");  // blocks are not logged
  FONT_SetEnabled(doc, 0x41, 1);
  GLYPHOR_Execute(GLYPHOR_ID_DISABLE_ALL, 0);
  EXPECT_FALSE(doc->aChar[0x41].Enabled);
  EXPECT_EQ(Lines("* Range disabled:       0000 - 00FF"), 1);
  EXPECT_GE(host.RedrawCount, 3);
}

TEST_F(EditCommands, PatternFilesFromTheMenusAndTheJob) {
  FONT_SetCurrent(Font());
  FontDoc* doc = FONT_GetCurrent();
  fonttest::enable_only(doc, 0x41, 0x42);
  FONT_SetEnabled(doc, 0x61, 1);
  const std::string path = dir / "set.txt";
  host.ChosenFile = path;
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_PATTERN, 0);
  ASSERT_EQ(host.DialogTitles, std::vector<std::string>{"Save pattern file"});
  EXPECT_EQ(host.LastFilters[0], "txt-files (*.txt)");
  EXPECT_TRUE(host.Questions.empty());
  const std::string saved = fonttest::slurp(path);
  EXPECT_EQ(saved, std::string("\xFF\xFE" "A\0B\0\r\0\n\0a\0", 12));
  // An existing file is replaced only after Yes.
  FONT_SetEnabled(doc, 0x62, 1);
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_PATTERN, 0);
  EXPECT_EQ(host.Questions, std::vector<std::string>{"Overwrite existing file?"});
  EXPECT_EQ(fonttest::slurp(path), saved);
  host.Answer = true;
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_PATTERN, 0);
  EXPECT_EQ(fonttest::slurp(path).size(), saved.size() + 2);
  EXPECT_EQ(Lines("* Save pattern file: " + path), 2);
  // Read back from the menu and by the job command.
  fonttest::enable_only(doc, 0x20, 0x20);
  GLYPHOR_Execute(GLYPHOR_ID_READ_PATTERN, 0);
  EXPECT_EQ(host.DialogTitles.back(), "Select pattern file");
  EXPECT_TRUE(doc->aChar[0x62].Enabled);
  fonttest::enable_only(doc, 0x20, 0x20);
  Job(GLYPHOR_ID_JOB_READPATTERN, path);
  EXPECT_EQ(FONT_BuildRangeList(doc).NumCodes, 5);
  Job(GLYPHOR_ID_JOB_READPATTERN, path + ",x");
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{"Wrong separator"});
}

}  // namespace
