// Process start: --version, --help, jobs without a display, the refusal without a window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/cmdline/job_driver.h"
#include "common/output/output_file.h"
#include "support/recording_host.h"

namespace {

const CmdlineCommand kTable[] = {
    {"save", 20, nullptr, 0, "\tSave"},
    {"exit", 99, nullptr, 0, "\tExit"},
    {"help", 0, nullptr, 0, "\tHelp"},
    {"?", 0, nullptr, 0, "\tHelp"},
    {nullptr, 0, nullptr, 0, nullptr},
};

std::vector<std::string> g_jobArgs;
int g_windowRuns;

int run_job(int argc, const char* const* argv) {
  g_jobArgs.assign(argv + 1, argv + argc);
  return 7;
}
int run_window(int, char**) {
  ++g_windowRuns;
  return 5;
}

RecordingHost* g_host;
void install_host() { HOST_Set(g_host); }

struct Driver : ::testing::Test {
  RecordingHost host;
  JobProgram program = {"prog", "Product", kTable, 99, run_job, install_host};
  std::string display, wayland;
  void SetUp() override {
    g_jobArgs.clear();
    g_windowRuns = 0;
    g_host = &host;
    if (const char* d = std::getenv("DISPLAY")) display = d;
    if (const char* w = std::getenv("WAYLAND_DISPLAY")) wayland = w;
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
  }
  void TearDown() override {
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    if (!wayland.empty()) setenv("WAYLAND_DISPLAY", wayland.c_str(), 1);
    HOST_Set(nullptr);
  }
  int Main(std::vector<std::string> args) {
    args.insert(args.begin(), "prog");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return JOB_Main(program, static_cast<int>(args.size()), argv.data());
  }
};

TEST_F(Driver, JobsRunOnTheHeadlessHostWithTheirExitCode) {
  EXPECT_EQ(Main({"a.bmp", "-save", "-exit"}), 7);
  EXPECT_EQ(g_jobArgs, (std::vector<std::string>{"a.bmp", "-save", "-exit"}));
  EXPECT_EQ(HOST_Get(), &host);
  // The exit command counts in its slash form and with text after the keyword.
  g_jobArgs.clear();
  EXPECT_EQ(Main({"/exitnow"}), 7);
  EXPECT_FALSE(g_jobArgs.empty());
}

// A job's outputs are renamed into place without waiting for the disk; a window's
// saves keep waiting for it.
TEST_F(Driver, OnlyWindowSavesSyncToDisk) {
  OUTFILE_SetSync(true);
  setenv("DISPLAY", ":99", 1);
  program.pfRunWindow = run_window;
  EXPECT_EQ(Main({"a.bmp"}), 5);
  EXPECT_TRUE(OUTFILE_Sync());
  EXPECT_EQ(Main({"a.bmp", "-exit"}), 7);
  EXPECT_FALSE(OUTFILE_Sync());
  unsetenv("DISPLAY");
  OUTFILE_SetSync(true);
}

TEST_F(Driver, HelpNeedsNoDisplay) {
  EXPECT_EQ(Main({"--help"}), 7);
  EXPECT_EQ(g_jobArgs, (std::vector<std::string>{"-help"}));
  g_jobArgs.clear();
  EXPECT_EQ(Main({"-?", "/help"}), 7);
  EXPECT_EQ(g_jobArgs.size(), 2u);
}

TEST_F(Driver, WithoutDisplayOrWindowTheProgramRefuses) {
  EXPECT_EQ(Main({}), JOB_EXIT_NO_WINDOW);
  EXPECT_EQ(Main({"a.bmp", "-save"}), JOB_EXIT_NO_WINDOW);
  EXPECT_EQ(Main({"-help", "-save"}), JOB_EXIT_NO_WINDOW);  // not a help request alone
  EXPECT_TRUE(g_jobArgs.empty());
  program.pfRunWindow = run_window;
  EXPECT_EQ(Main({"a.bmp"}), JOB_EXIT_NO_WINDOW);  // a window needs a display
  EXPECT_EQ(g_windowRuns, 0);
}

TEST_F(Driver, WithADisplayTheWindowStarts) {
  setenv("DISPLAY", ":99", 1);
  program.pfRunWindow = run_window;
  EXPECT_EQ(Main({"a.bmp"}), 5);
  EXPECT_EQ(Main({"-help"}), 5);  // the window shows the listing
  EXPECT_EQ(g_windowRuns, 2);
  EXPECT_EQ(Main({"-exit"}), 7);  // jobs never need the window
  unsetenv("DISPLAY");
}

TEST(JobDriver, VersionIsPrintedWithoutRunningAnything) {
  testing::internal::CaptureStdout();
  RecordingHost host;
  g_host = &host;
  JobProgram program = {"prog", "Product", kTable, 99, run_job, install_host};
  std::string a0 = "prog", a1 = "--version";
  char* argv[] = {a0.data(), a1.data(), nullptr};
  g_jobArgs.clear();
  EXPECT_EQ(JOB_Main(program, 2, argv), 0);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.rfind("prog (Product) ", 0), 0u);
  EXPECT_NE(out.find('.'), std::string::npos);
  EXPECT_TRUE(g_jobArgs.empty());
  HOST_Set(nullptr);
}

}  // namespace
