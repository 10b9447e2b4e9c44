// Edit log lines and capacity steps; the message reporter's routes.
#include <gtest/gtest.h>

#include "common/cmdline/cmdline.h"
#include "font/model/edit_log.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"
#include "support/engine_configs.h"

namespace {

TEST(EditLog, EntriesArePaddedTo69ThenFramed) {
  EDITLOG_Clear();
  std::string t69(69, 'a'), t70(70, 'b');
  EDITLOG_AddLine(t69.c_str());
  EXPECT_EQ(std::strlen(EDITLOG_GetText()), 72u);
  EDITLOG_AddLine(t70.c_str());
  std::string log = EDITLOG_GetText();
  EXPECT_EQ(log.size(), 72u + 73u);
  EXPECT_EQ(log.substr(69, 3), "*\r\n");
  EXPECT_EQ(log.substr(72 + 70, 3), "*\r\n");
  EDITLOG_Clear();
  EDITLOG_AddLine("* Range disabled:       0020 - 007F");
  EXPECT_EQ(std::string(EDITLOG_GetText()),
            "* Range disabled:       0020 - 007F                                  *\r\n");
  EDITLOG_Clear();
  EXPECT_STREQ(EDITLOG_GetText(), "");
}

TEST(EditLog, CapacityGrowsInWholeKilobytes) {
  EDITLOG_Clear();
  for (int i = 0; i < 100; ++i) EDITLOG_AddLine("* x");
  EXPECT_EQ(std::strlen(EDITLOG_GetText()), 7200u);
  EXPECT_EQ(EDITLOG_GetCapacity() % 1024, 0u);
  EXPECT_GT(EDITLOG_GetCapacity(), 7200u);
  EDITLOG_Clear();
}

TEST(Reporter, RoutesByModeAndCountsReports) {
  fonttest::HostScope scope;
  TempDir dir;
  CmdlineConfig config = testsupport::ConsoleEngineConfig();
  config.pCaption = "Glyphor";
  config.pLogFileName = nullptr;
  CMDLINE_Init(config);
  FONTMSG_Report("Font does not exist");  // not in a job: a warning box
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Caption, FONT_APP_NAME);
  std::string log = dir / "glyphor.log";
  FONTMSG_SetLogPath(log.c_str());
  FONTMSG_SetNoMessages(true);
  FONTMSG_Report("Font does not exist");
  EXPECT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(fonttest::slurp(log), "Font does not exist\r\n");
  FONTMSG_SetNoMessages(false);
  CMDLINE_SetJobMode(1);
  FONTMSG_Report("No font data");  // in a job: to the engine, which ends job mode
  EXPECT_TRUE(CMDLINE_HasErrorSeen());
  EXPECT_STREQ(CMDLINE_GetLastError(), "No font data");
  EXPECT_EQ(FONTMSG_GetReportCount(), 3);
  FONTMSG_Notice("for information");
  EXPECT_EQ(FONTMSG_GetReportCount(), 3);
  CMDLINE_Reset();
  FONTMSG_Reset();
}

}  // namespace
