// The command layer in process: menu and job forms of a command reach one operation,
// dialogs go through the font converter's host, and the exit runs from timer ticks.
#include <gtest/gtest.h>

#include <string>

#include "common/cmdline/cmdline.h"
#include "font/app/command_ids.h"
#include "font/app/command_table.h"
#include "font/app/commands.h"
#include "font/app/font_operations.h"
#include "font/app/font_options.h"
#include "font/app/glyphor_app.h"
#include "font/formats/font_save.h"
#include "font/model/current_font.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"
#include "font/support/font_test_util.h"
#include "font/support/command_fixture.h"
#include "font/support/glyphor_recording_host.h"
#include "support/temp_dir.h"
#include "support/engine_configs.h"

namespace {

struct Commands : fonttest::CommandTest {
  // Standard font of height 4 with 'A' to 'C' and 0x20..0x7F available.
  static FontDoc* Font() {
    FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
    for (unsigned c = 0x20; c <= 0x7F; ++c) fonttest::add_glyph(doc, c, 2, 4);
    FONT_SetPixel(doc, 'A', 1, 1, 1);
    return doc;
  }
};

TEST_F(Commands, EveryMenuAndJobIdentifierHasAHandler) {
  const unsigned ids[] = {520, 521, 522, 523, 524, 525, 526, 527, 528, 540, 541, 542, 543, 560, 561,
                          562, 563, 580, 581, 582, 583, 600, 601, 602, 603, 620, 621, 640, 641, 642,
                          643, 660, 661, 662, 680, 681, 682, 700, 707, 715, 720, 721, 722, 740, 741,
                          760, 780, 781, 782, 783, 784, 800, 801, 900, 901, 902, 903, 904, 905, 906};
  for (unsigned id : ids) EXPECT_TRUE(GLYPHOR_HasHandler(id)) << id;
  for (unsigned id : {0u, 519u, 529u, 544u, 716u, 785u, 802u, 899u, 907u})
    EXPECT_FALSE(GLYPHOR_HasHandler(id)) << id;
}

TEST_F(Commands, EnableFromTheJobAndFromTheRangeDialogLogTheSameLine) {
  FONT_SetCurrent(Font());
  Job(GLYPHOR_ID_JOB_ENABLE, "20-7F,0");
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x41].Enabled, 0);
  const std::string jobLog = EDITLOG_GetText();
  EXPECT_EQ(jobLog, std::string("* Range disabled:       0020 - 007F") + std::string(34, ' ') + "*\r\n");
  EDITLOG_Clear();
  FONT_SetCurrent(Font());
  host.Ranges.push_back(FontRangeRequest{0x20, 0x7F, 1});
  GLYPHOR_Execute(GLYPHOR_ID_DISABLE_RANGE, 0);
  EXPECT_EQ(EDITLOG_GetText(), jobLog);
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x41].Enabled, 0);
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x80].Enabled, 0);
  EXPECT_GE(host.RedrawCount, 2);
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Commands, RangeDialogReopensUntilTheCodesAreInOrderAndKeepsThem) {
  FONT_SetCurrent(Font());
  FONT_EnableRange(FONT_GetCurrent(), 0, 0xFFFF, 0);
  host.Ranges = {FontRangeRequest{0x100, 0xFF, 1}, FontRangeRequest{0x41, 0x42, 1}};
  GLYPHOR_Execute(GLYPHOR_ID_ENABLE_RANGE, 0);
  ASSERT_EQ(host.RangeOffers.size(), 2u);
  EXPECT_EQ(host.RangeOffers[0].First, 0);      // both 0 at start
  EXPECT_EQ(host.RangeOffers[1].First, 0x100);  // the entered values again
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{FONTMSG_Text(FONTMSG_RANGE_ORDER)});
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x41].Enabled, 1);
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x43].Enabled, 0);
  // The next dialog offers the last range; Cancel changes nothing.
  const std::string log = EDITLOG_GetText();
  GLYPHOR_Execute(GLYPHOR_ID_DISABLE_RANGE, 0);
  EXPECT_EQ(host.RangeOffers.back().First, 0x41);
  EXPECT_EQ(host.RangeOffers.back().Last, 0x42);
  EXPECT_EQ(EDITLOG_GetText(), log);
}

TEST_F(Commands, JobArgumentsAreCheckedBeforeTheOperation) {
  Job(GLYPHOR_ID_JOB_ENABLE, "20-7F,1");
  FONT_SetCurrent(Font());
  Job(GLYPHOR_ID_JOB_ENABLE, "7F-20,1");
  Job(GLYPHOR_ID_JOB_ENABLE, "20-10000,1");
  Job(GLYPHOR_ID_JOB_ENABLE, "20-7F,2");
  Job(GLYPHOR_ID_JOB_ENABLE, "20,7F,1");
  Job(GLYPHOR_ID_JOB_EDIT, "DEL,TOP,0");
  Job(GLYPHOR_ID_JOB_EDIT, "DEL;TOP");
  Job(GLYPHOR_ID_JOB_SAVEAS, "x.c,TXT");
  EXPECT_EQ(WarningTexts(), (std::vector<std::string>{
                                "No font data",
                                "Wrong parameters in '-enable' command: First > Last!",
                                "Wrong parameters in '-enable' command: Last exceeds 0xFFFF!",
                                "Illegal state",
                                "Wrong separator",
                                "Illegal edit commandline parameter 0. Needs to be >0",
                                "Wrong separator",
                                "Illegal option: TXT",
                            }));
  EXPECT_STREQ(EDITLOG_GetText(), "");
}

TEST_F(Commands, SaveAsAsksForTheNameAndItsFilterBecomesTheFormatOfSave) {
  FontDoc* doc = Font();
  std::snprintf(doc->Lf.acFaceName, sizeof(doc->Lf.acFaceName), "Hand");
  FONT_SetCurrent(doc);
  GLYPHOR_Execute(GLYPHOR_ID_SAVE, 0);  // no file name yet: Save As, cancelled
  ASSERT_EQ(host.DialogTitles, std::vector<std::string>{"Save font as"});
  EXPECT_EQ(host.LastInitialName, "Hand4");
  EXPECT_EQ(host.LastFilters.size(), 3u);
  const std::string path = dir / "hand.sif";
  host.ChosenFile = path;
  host.FilterAnswer = FONT_FORMAT_SIF;
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_AS, 0);
  EXPECT_EQ(fonttest::slurp(path).substr(0, 4), "GUIP");
  EXPECT_TRUE(host.Questions.empty());
  // Save writes the same format to the same file without a dialog or a question.
  host.ChosenFile.clear();
  std::remove(path.c_str());
  GLYPHOR_Execute(GLYPHOR_ID_SAVE, 0);
  EXPECT_EQ(host.FileDialogs.size(), 2u);
  EXPECT_EQ(fonttest::slurp(path).substr(0, 4), "GUIP");
  // Save As asks before overwriting; No keeps the file.
  host.ChosenFile = path;
  host.FilterAnswer = FONT_FORMAT_C;
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_AS, 0);
  EXPECT_EQ(host.Questions, std::vector<std::string>{"Overwrite existing file?"});
  EXPECT_EQ(fonttest::slurp(path).substr(0, 4), "GUIP");
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Commands, AFailedSaveAsKeepsThePathOfTheLastGoodSave) {
  FontDoc* doc = Font();
  FONT_SetCurrent(doc);
  const std::string good = dir / "good.c";
  host.ChosenFile = good;
  host.FilterAnswer = FONT_FORMAT_C;
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_AS, 0);
  ASSERT_EQ(std::string(doc->acPath), good);
  host.ChosenFile = dir / "missing/bad.c";  // its folder does not exist
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_AS, 0);
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{"Writing error"});
  EXPECT_EQ(std::string(doc->acPath), good);  // title and Save's target unchanged
}

TEST_F(Commands, AntialiasedStandardFontsOfferNoXbfFilterAndRefuseXbfJobs) {
  FONT_SetCurrent(fonttest::make_manual(FONT_TYPE_AA4, 3));
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_AS, 0);
  EXPECT_EQ(host.LastFilters, (std::vector<std::string>{"C-files (*.c)", "System independent font (*.sif)"}));
  Job(GLYPHOR_ID_JOB_SAVEAS, (std::string(dir / "x.xbf") + ",XBF").c_str());
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{FONTMSG_Text(FONTMSG_XBF_OF_AA)});
}

TEST_F(Commands, UndetectableXbfTypeIsAskedWithTheStoredTypePreselected) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 10, 8);
  fonttest::add_glyph(doc, 0x41, 4, 5, 0, 5, 5);
  fonttest::add_glyph(doc, 0x42, 3, 5, 0, 5, 4);
  FONT_SetPixel(doc, 0x41, 3, 4, 1);
  const std::string path = dir / "old.xbf";
  FONT_SetPath(doc, path.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_XBF, false, FontSaveOptions{}), 0);
  FONT_Destroy(doc);
  std::string data = fonttest::slurp(path);
  data.resize(data.size() - 4);  // an older file: no type trailer
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(data.data(), 1, data.size(), f);
  std::fclose(f);
  FontOptions o;
  o.GetTypeXBF = FONT_TYPE_EXT_AA2;
  ASSERT_TRUE(FONTOPT_Save(o));

  host.ChosenFile = path;
  GLYPHOR_Execute(GLYPHOR_ID_LOAD_XBF, 0);  // Cancel in the type dialog
  EXPECT_EQ(host.DialogTitles, std::vector<std::string>{"Select 'XBF' file"});
  EXPECT_EQ(host.XbfPreselected, FONT_TYPE_EXT_AA2);
  EXPECT_EQ(FONT_GetCurrent(), nullptr);
  EXPECT_EQ(WarningTexts(), std::vector<std::string>{"Could not create font!"});
  host.XbfTypeAnswer = FONT_TYPE_EXT;
  GLYPHOR_Execute(GLYPHOR_ID_LOAD_XBF, 0);
  ASSERT_NE(FONT_GetCurrent(), nullptr);
  EXPECT_EQ(FONT_GetCurrent()->Type, FONT_TYPE_EXT);
  EXPECT_EQ(FONT_GetPixel(FONT_GetCurrent(), 0x41, 3, 4), 1);
  EXPECT_STREQ(FONT_GetCurrent()->acPath, path.c_str());
}

TEST_F(Commands, ToggleLogsItsWordingBeforeFlipping) {
  FONT_SetCurrent(Font());
  FONT_SetCurrentChar(FONT_GetCurrent(), 0x41);
  GLYPHOR_Execute(GLYPHOR_ID_TOGGLE_CHAR, 0);
  GLYPHOR_Execute(GLYPHOR_ID_TOGGLE_CHAR, 0);
  char line1[80], line2[80];
  EDITLOG_FormatLine("* Character disabled:  0x41 (65)", line1, sizeof(line1));
  EDITLOG_FormatLine("* Character enabled:   0x41 (65)", line2, sizeof(line2));
  EXPECT_EQ(EDITLOG_GetText(), std::string(line1) + line2);
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x41].Enabled, 1);
}

TEST_F(Commands, OperationsNeedAFont) {
  GLYPHOR_Execute(GLYPHOR_ID_DELETE_TOP, 0);
  Job(GLYPHOR_ID_JOB_MERGE, "a.c");
  GLYPHOR_Execute(GLYPHOR_ID_PIXEL_SET_15, 0);
  Job(GLYPHOR_ID_JOB_READPATTERN, "p.txt");
  GLYPHOR_Execute(GLYPHOR_ID_DISABLE_ALL, 0);
  GLYPHOR_Execute(GLYPHOR_ID_ENABLE_BLOCK, 0);
  GLYPHOR_Execute(GLYPHOR_ID_SAVE_PATTERN, 0);
  EXPECT_EQ(WarningTexts(), std::vector<std::string>(7, "No font data"));
  EXPECT_TRUE(host.FileDialogs.empty());
}

TEST_F(Commands, NewAsksTheChooserAndTheOptionsAndCancelKeepsTheFont) {
  FontDoc* doc = Font();
  FONT_SetCurrent(doc);
  GLYPHOR_Execute(GLYPHOR_ID_NEW, 0);
  EXPECT_EQ(host.Dialogs, std::vector<std::string>{"options"});
  EXPECT_EQ(FONT_GetCurrent(), doc);
  GLYPHOR_Execute(GLYPHOR_ID_ABOUT, 0);
  EXPECT_EQ(host.Dialogs.back(), std::string("about ") + GLYPHOR_FullTitle());
  GLYPHOR_Execute(GLYPHOR_ID_CMD_HELP, 0);
  ASSERT_EQ(host.Help.size(), 1u);
  EXPECT_EQ(host.Help[0].rfind("Valid command line options:\r\n\r\n-exit\t\t", 0), 0u);
}

TEST_F(Commands, ExitRunsFromATimerTickAndStopsTheTimer) {
  CMDLINE_SetJobMode(1);
  ASSERT_TRUE(CMDLINE_Dispatch("exit", GLYPHOR_aCommand));
  EXPECT_FALSE(GLYPHOR_IsExitRequested());  // queued, not run
  int ticks = 0;
  while (GLYPHOR_Tick() && ticks < 100) ++ticks;
  EXPECT_LT(ticks, 100);
  EXPECT_TRUE(GLYPHOR_IsExitRequested());
  EXPECT_EQ(host.QuitCount, 1);
  EXPECT_FALSE(GLYPHOR_Tick());
}

}  // namespace
