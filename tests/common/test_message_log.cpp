// The font converter's message log and the build stamp.
#include <gtest/gtest.h>

#include <cstring>

#include "common/settings/build_stamp.h"
#include "common/settings/message_log.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

TEST(MessageLog, PathFollowsTheProgramOrTheWorkingFolder) {
  EXPECT_EQ(LOG_MessageLogPath("/opt/vorix/bin/glyphor", false), "/opt/vorix/bin/glyphor.log");
  EXPECT_EQ(LOG_MessageLogPath("/opt/vorix/bin/glyphor.exe", false), "/opt/vorix/bin/glyphor.log");
  EXPECT_EQ(LOG_MessageLogPath("glyphor", false), "./glyphor.log");
  TempDir dir;
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof(cwd)), nullptr);
  ASSERT_EQ(chdir(dir.Path.c_str()), 0);
  std::string inWork = LOG_MessageLogPath("/opt/vorix/bin/glyphor", true);
  ASSERT_EQ(chdir(cwd), 0);
  EXPECT_EQ(inWork, dir.Path.string() + "/glyphor.log");
}

TEST(MessageLog, MessagesAreAppendedWithCrLf) {
  TempDir dir;
  std::string path = dir / "glyphor.log";
  EXPECT_EQ(LOG_AppendMessage(path.c_str(), "first"), 0);
  EXPECT_EQ(LOG_AppendMessage(path.c_str(), "second"), 0);
  EXPECT_EQ(read_whole_file(path), "first\r\nsecond\r\n");
  EXPECT_NE(LOG_AppendMessage((dir / "no/such/folder/x.log").c_str(), "lost"), 0);
}

TEST(BuildStamp, HasTheCompilerForms) {
  const char* date = BUILD_GetDate();
  const char* time = BUILD_GetTime();
  ASSERT_EQ(std::strlen(date), 11u);  // "Dec 12 2017"
  EXPECT_EQ(date[3], ' ');
  EXPECT_EQ(date[6], ' ');
  ASSERT_EQ(std::strlen(time), 8u);  // "16:29:38"
  EXPECT_EQ(time[2], ':');
  EXPECT_EQ(time[5], ':');
}

}  // namespace
