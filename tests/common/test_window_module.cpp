// Loading a window module: beside the executable, in the install folder
// relative to it, the core shared with the executable, and the refusals with
// the loader's reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cmdline/job_driver.h"
#include "common/cmdline/window_module.h"
#include "support/recording_host.h"

namespace {

struct WindowModule : ::testing::Test {
  RecordingHost host;
  std::string err;
  void SetUp() override { HOST_Set(&host); }
  void TearDown() override { HOST_Set(nullptr); }
  int Run(const char* module, std::vector<std::string> args = {"prog"}) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStderr();
    const int code =
        JOB_RunWindowModule("prog", module, "lib/vorix-test", static_cast<int>(args.size()), argv.data());
    err = testing::internal::GetCapturedStderr();
    return code;
  }
};

TEST_F(WindowModule, RunsTheEntryBesideTheExecutableWithArgumentsAndTheSharedHost) {
  // 3 arguments, the last one 5 characters long.
  EXPECT_EQ(Run("probe_window.so", {"prog", "-x", "image"}), 35);
  EXPECT_EQ(err, "");
  // The module reached the host the executable installed, not a copy of its own.
  EXPECT_EQ(host.Status, std::vector<std::string>{"prog"});
}

TEST_F(WindowModule, FallsBackToTheInstallFolderRelativeToTheExecutable) {
  EXPECT_EQ(Run("installed_probe_window.so", {"prog", "ab"}), 22);
  EXPECT_EQ(err, "");
}

TEST_F(WindowModule, RefusesWithTheLoadersReasonAndTheNoWindowCode) {
  EXPECT_EQ(Run("absent_window.so"), JOB_EXIT_NO_WINDOW);
  EXPECT_NE(err.find("prog: cannot load the window module: "), std::string::npos) << err;
  EXPECT_NE(err.find("absent_window.so"), std::string::npos) << err;
  EXPECT_NE(err.find("No such file"), std::string::npos) << err;
  EXPECT_NE(err.find("lib/vorix-test/absent_window.so"), std::string::npos) << err;

  EXPECT_EQ(Run("no_entry_window.so"), JOB_EXIT_NO_WINDOW);
  EXPECT_NE(err.find("VORIX_RunWindow"), std::string::npos) << err;

  // Found but not loadable: its own error, not the missing install-folder copy's.
  EXPECT_EQ(Run("unresolved_window.so"), JOB_EXIT_NO_WINDOW);
  EXPECT_NE(err.find("vorix_symbol_nobody_defines"), std::string::npos) << err;
  EXPECT_EQ(err.find("No such file"), std::string::npos) << err;
}

}  // namespace
