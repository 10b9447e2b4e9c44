// Saves of whole glyphor jobs that cannot be completed: a full device, a file size
// limit, a refused XBF record. The job fails with its message; the old file stays.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "font/support/glyphor_job.h"

namespace {

struct SaveJob : fonttest::GlyphorJob {};

const char* kCreate = "-createDejaVu Sans,REGULAR,16,EXT,UC16";

TEST_F(SaveJob, FullDeviceFailsTheJobWithWritingError) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  for (const char* type : {"C", "SIF", "XBF"}) {
    ProcessResult r = Run({kCreate, std::string("-saveas/dev/full,") + type, "-exit"});
    EXPECT_EQ(r.ExitCode, 1) << type;
    EXPECT_NE(File("Glyphor.err").find("Writing error"), std::string::npos) << type;
  }
}

TEST_F(SaveJob, FileSizeLimitKeepsTheOldFile) {
  for (const char* type : {"C", "SIF", "XBF"}) {
    const std::string name = std::string("out.") + type;
    Write(name, "old font");
    // Room for the error file but not for the font: writes past 4 KiB fail with EFBIG.
    const pid_t pid = fork();
    if (pid == 0) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit = {4096, 4096};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(200);
      _exit(Run({kCreate, "-saveas" + name + "," + type, "-exit"}).ExitCode);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << type;
    EXPECT_EQ(File(name), "old font") << type;
    EXPECT_NE(File("Glyphor.err").find("Writing error"), std::string::npos) << type;
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Glyphor.err", "out.C", "out.SIF", "out.XBF"}));
}

TEST_F(SaveJob, NothingToSaveKeepsTheOldFile) {
  Write("out.c", "old font");
  ProcessResult r = Run({kCreate, "-enable0-FFFF,0", "-saveasout.c,C", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(File("out.c"), "old font");
  EXPECT_NE(File("Glyphor.err").find("Nothing to save!"), std::string::npos);
}

TEST_F(SaveJob, XbfGlyphOf64KiBOrMoreIsRefused) {
  // A 4 bpp 'W' of a 600-pixel font: about 255 bytes per row and 375 rows.
  Write("big.xbf", "old font");
  ProcessResult r = Run({"-createDejaVu Sans,REGULAR,600,EXT_AA4,UC16", "-enable0-FFFF,0", "-enable57-57,1",
                         "-saveasbig.xbf,XBF", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(File("big.xbf"), "old font");
  EXPECT_NE(File("Glyphor.err").find("Character 0x0057 needs an XBF record of "), std::string::npos)
      << File("Glyphor.err");
  // The same glyph at 300 pixels fits.
  r = Run({"-createDejaVu Sans,REGULAR,300,EXT_AA4,UC16", "-enable0-FFFF,0", "-enable57-57,1",
           "-saveasbig.xbf,XBF", "-exit"});
  EXPECT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  EXPECT_EQ(File("big.xbf").substr(0, 4), "GUIX");
}

}  // namespace
