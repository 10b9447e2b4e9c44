// Saves of the real rastrel binary that fail: the file they would replace survives,
// the failure is reported with a non-zero exit code, and the recent files stay as
// they were. Also the binary stream job with its options from the settings store.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "bitmap/output/stream_test_reader.h"
#include "rastrel_job_fixture.h"

namespace {

struct SaveSafety : RastrelJob {
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(work + "/" + name, std::ios::binary) << text;
  }
  // Nothing but the named files is left in the work folder (no temporary files).
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(work)) {
      const std::string name = e.path().filename().string();
      if (name != ".stdout" && name != ".stderr") names.push_back(name);  // the job's streams
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Recent() const { return read_whole_file(dir / "config/Tavrex/Rastrel/Recent File List.ini"); }
};

// Runs a job in a child process that first applies `prepare`; returns the job's exit code.
template <typename F>
int run_in_child(SaveSafety* t, const std::vector<std::string>& args, F prepare) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (!prepare()) _exit(200);
    _exit(t->Run(args).ExitCode);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 201;
}

TEST_F(SaveSafety, AFullDiskLeavesTheOldFileAndFailsTheJob) {
  Write("out.c", "old C file");
  Write("out.bmp", "old bitmap");
  Write("out.dta", "old stream");
  for (const std::string arg : {"-saveasout.c,1,16", "-saveasout.bmp,2", "-saveasout.dta,3,16"}) {
    // Room for the log but not for the file: writes past 1 KiB fail with EFBIG.
    const int code = run_in_child(this, {"logo.bmp", arg, "-exit"}, [] {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit = {1024, 1024};
      return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    });
    EXPECT_EQ(code, 1) << arg;
  }
  EXPECT_EQ(File("out.c"), "old C file");
  EXPECT_EQ(File("out.bmp"), "old bitmap");
  EXPECT_EQ(File("out.dta"), "old stream");
  EXPECT_NE(File("Rastrel.log").find("Error writing file."), std::string::npos);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Rastrel.log", "logo.bmp", "out.bmp", "out.c", "out.dta"}));
  EXPECT_EQ(Recent().find("out.bmp"), std::string::npos);
}

TEST_F(SaveSafety, AReadOnlyFileIsNotReplaced) {
  Write("locked.bmp", "keep");
  chmod(dir.Path.c_str(), 0777);
  chmod(work.c_str(), 0777);
  chmod((work + "/locked.bmp").c_str(), 0444);
  // As root every file is writable: the job runs as an ordinary user.
  const int code = run_in_child(this, {"logo.bmp", "-saveaslocked.bmp,2", "-exit"}, [] {
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
  });
  EXPECT_EQ(code, 17);  // "Invalid file handle."
  EXPECT_EQ(File("locked.bmp"), "keep");
}

TEST_F(SaveSafety, AMissingFolderOrAFolderOfThatNameIsRefused) {
  ProcessResult r = Run({"logo.bmp", "-saveasmissing/x.bmp,2", "-exit"});
  EXPECT_EQ(r.ExitCode, 17);
  EXPECT_FALSE(std::filesystem::exists(work + "/missing"));

  std::filesystem::create_directory(work + "/x.bmp");
  r = Run({"logo.bmp", "-saveasx.bmp,2", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(File("Rastrel.log").find("Cannot save: x.bmp is a folder"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(work + "/x.bmp"));
  EXPECT_EQ(Recent().find("x.bmp"), std::string::npos);
}

// Opening a folder as the image: it does not open as a file, which the loader reports as
// "Invalid file handle." (exit code 17) and nothing else.
TEST_F(SaveSafety, AFolderNamedLikeAnImageDoesNotOpen) {
  std::filesystem::create_directory(work + "/x.bmp");
  ProcessResult r = Run({"x.bmp", "-exit"});
  EXPECT_EQ(r.ExitCode, 17);
  EXPECT_EQ(File("Rastrel.log"), "Invalid file handle.");
}

TEST_F(SaveSafety, ARefusedIdentifierLeavesTheFileUntouched) {
  Write("--.c", "old");
  ProcessResult r = Run({"logo.bmp", "-saveas--.c,1", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(File("Rastrel.log").find("Illegal identifier"), std::string::npos);
  EXPECT_EQ(File("--.c"), "old");
}

TEST_F(SaveSafety, SavingOverTheInputReplacesItWhole) {
  ASSERT_EQ(Run({"logo.bmp", "-saveasbefore.c,1,5", "-exit"}).ExitCode, 0);
  ASSERT_EQ(Run({"logo.bmp", "-saveaslogo.bmp,2", "-exit"}).ExitCode, 0);
  ASSERT_EQ(Run({"logo.bmp", "-saveasafter.c,1,5", "-exit"}).ExitCode, 0);
  // Same palette and pixels: the code after the header comment differs only in the names.
  auto body = [](std::string text, const std::string& id) {
    text.erase(0, text.find("static GUI_CONST_STORAGE"));
    for (size_t at; (at = text.find(id)) != std::string::npos;) text.replace(at, id.size(), "ID");
    return text;
  };
  const std::string before = body(File("before.c"), "before");
  EXPECT_GT(before.size(), 1000u);
  EXPECT_EQ(before, body(File("after.c"), "after"));
  EXPECT_NE(Recent().find("logo.bmp"), std::string::npos);
}

TEST_F(SaveSafety, StreamJobTakesByteOrderAndArgbFromTheSettings) {
  ASSERT_EQ(Run({"logo.bmp", "-saveaslogo,3,8", "-exit"}).ExitCode, 0);
  const std::string little = File("logo.dta");
  std::filesystem::create_directories(dir / "config/Tavrex/Rastrel");
  std::ofstream(dir / "config/Tavrex/Rastrel/Settings.ini") << "BigEndianMode=dword:1\nUseARGB=dword:1\n";
  ASSERT_EQ(Run({"logo.bmp", "-saveasbig.dta,3,8", "-exit"}).ExitCode, 0);
  ASSERT_EQ(Run({"logo.bmp", "-saveasargb.dta,3,4", "-exit"}).ExitCode, 0);
  const DecodedStream a = StreamTestReader(little, false).Decode(8);
  const DecodedStream b = StreamTestReader(File("big.dta"), true).Decode(8);
  ASSERT_EQ(a.Error, "");
  ASSERT_EQ(b.Error, "");
  EXPECT_EQ(a.Values, b.Values);
  EXPECT_NE(little, File("big.dta"));
  const DecodedStream p = StreamTestReader(File("argb.dta"), false).Decode(4);
  ASSERT_EQ(p.Error, "");
  ASSERT_EQ(p.NumPalette, 16);
  EXPECT_EQ(p.Palette[0] >> 24, 0xFFu);  // opaque entries: alpha 255 in ARGB mode
  // Format 99 has no stream.
  EXPECT_EQ(Run({"logo.bmp", "-saveasx.dta,3,99", "-exit"}).ExitCode, 2);  // "Illegal FORMAT parameter."
  EXPECT_FALSE(std::filesystem::exists(work + "/x.dta"));
}

TEST_F(SaveSafety, ASignWithoutDigitsIsRefused) {
  ProcessResult r = Run({"logo.bmp", "-transparency-", "-exit"});
  EXPECT_EQ(r.ExitCode, 4);
  EXPECT_EQ(File("Rastrel.log"), "The passed parameter is not a hex value.");
}

}  // namespace
