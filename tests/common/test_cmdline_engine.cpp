// Job engine: dispatch, queue, help listing, reporting, log file and exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/cmdline/cmdline.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "support/engine_configs.h"

namespace {

std::vector<std::string> g_executed;
std::vector<std::string> g_args;
int g_immediate;
int g_failWith = -1;

void execute(unsigned id, unsigned) {
  g_executed.push_back(std::to_string(id));
  std::string arg;
  while (int c = CMDLINE_GetChar()) arg += static_cast<char>(c);
  g_args.push_back(arg);
  if (id == 20 && g_failWith >= 0) CMDLINE_Report(g_failWith);
}
void immediate() { ++g_immediate; }

const CmdlineCommand kTable[] = {
    {"save", 20, nullptr, 0, "\tSave"},
    {"savepal", 21, nullptr, 0, "\tnever reached: save matches first"},
    {"now", 0, immediate, 0, "\tImmediate"},
    {"exit", 99, nullptr, 0, "\tExit"},
    {"help", 0, nullptr, 0, "\tHelp"},
    {"?", 0, nullptr, 0, "\tHelp"},
    {nullptr, 0, nullptr, 0, nullptr},
};

const char* const kMessages[] = {"Unknown error.", "m1", "Error during command line parsing.", "m3", "m4",
                                 "String too long.", "m6", "m7", "m8", "m9", "m10"};

int open_ok(const char* path) { return std::string(path) != "missing.bmp"; }

struct Engine : ::testing::Test {
  RecordingHost host;
  TempDir dir;
  std::string logPath;
  void SetUp() override {
    HOST_Set(&host);
    g_executed.clear();
    g_args.clear();
    g_immediate = 0;
    g_failWith = -1;
    logPath = dir / "Rastrel.log";
  }
  void TearDown() override {
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
  void InitRastrel() {
    CmdlineConfig c;
    c.pCaption = "Bitmap Converter";
    c.pLogFileName = logPath.c_str();
    c.ExitId = 99;
    c.pfExecute = execute;
    c.papMessages = kMessages;
    c.NumMessages = 11;
    CMDLINE_Init(c);
  }
  void Run(std::vector<const char*> args) {
    args.insert(args.begin(), "rastrel");
    CMDLINE_Run(static_cast<int>(args.size()), args.data(), kTable, open_ok);
  }
  std::string Log() const {
    std::ifstream in(logPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
};

TEST_F(Engine, QueuedCommandsRunInOrderWithTheirArguments) {
  InitRastrel();
  Run({"logo.bmp", "-savelogo.c,1,5", "/exitnow", "-now"});
  EXPECT_EQ(g_immediate, 1);
  ASSERT_EQ(g_executed, (std::vector<std::string>{"20", "99"}));
  EXPECT_EQ(g_args[0], "logo.c,1,5");
  EXPECT_EQ(g_args[1], "now");
  EXPECT_TRUE(CMDLINE_IsExitPending());
  EXPECT_FALSE(CMDLINE_IsJobMode());
  EXPECT_EQ(CMDLINE_GetExitCode(), 0);
  EXPECT_EQ(host.ShowCount, 1);
}

TEST_F(Engine, FileAloneOpensInteractively) {
  InitRastrel();
  Run({"logo.bmp"});
  EXPECT_FALSE(CMDLINE_IsJobMode());
  EXPECT_TRUE(host.Help.empty());
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Engine, AbsolutePathIsAFileNotACommand) {
  InitRastrel();
  EXPECT_TRUE(CMDLINE_IsCommandArg("/exit", kTable));
  EXPECT_FALSE(CMDLINE_IsCommandArg("/home/user/logo.bmp", kTable));
  Run({"/home/user/logo.bmp", "-save"});
  EXPECT_EQ(g_executed, (std::vector<std::string>{"20"}));
}

TEST_F(Engine, UnknownCommandStopsTheJob) {
  InitRastrel();
  Run({"logo.bmp", "-save", "-bogus", "-exit"});
  ASSERT_GE(host.Warnings.size(), 1u);
  EXPECT_EQ(host.Warnings[0].Caption, "(default)");
  EXPECT_EQ(host.Warnings[0].Text, "\"bogus\" is not a valid command !");
  EXPECT_TRUE(g_executed.empty());
  ASSERT_EQ(host.Help.size(), 1u);
  EXPECT_EQ(host.Help[0].rfind("-save\tSave\r\n", 0), 0u);
  // Exit was pending: message 2 goes to the log and decides the exit code.
  EXPECT_EQ(Log(), "Error during command line parsing.");
  EXPECT_EQ(CMDLINE_GetExitCode(), 3);
}

TEST_F(Engine, SecondPlainArgumentIsAParseError) {
  InitRastrel();
  Run({"a.bmp", "b.bmp", "-save"});
  EXPECT_TRUE(g_executed.empty());
  ASSERT_EQ(host.Warnings.size(), 1u);
  EXPECT_EQ(host.Warnings[0].Text, "Error during command line parsing.");
}

TEST_F(Engine, HelpListsTheTableInOrder) {
  InitRastrel();
  Run({"-helpme"});
  ASSERT_EQ(host.Help.size(), 1u);
  EXPECT_EQ(host.Help[0],
            "-save\tSave\r\n-savepal\tnever reached: save matches first\r\n-now\tImmediate\r\n-exit\tExit\r\n"
            "-help\tHelp\r\n-?\tHelp\r\n");
}

TEST_F(Engine, ExitCodeIsTheLastErrorPlusOne) {
  InitRastrel();
  g_failWith = 5;
  Run({"x.bmp", "-exit", "-save", "-save"});
  EXPECT_EQ(CMDLINE_GetExitCode(), 6);
  EXPECT_EQ(Log(), "String too long.String too long.");
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Engine, ErrorWithoutExitShowsABoxAndKeepsCodeZero) {
  InitRastrel();
  g_failWith = 3;
  Run({"x.bmp", "-save"});
  EXPECT_EQ(CMDLINE_GetExitCode(), 0);
  ASSERT_EQ(host.Warnings.size(), 1u);
  EXPECT_EQ(host.Warnings[0].Caption, "Bitmap Converter");
  EXPECT_EQ(Log(), "m3");
}

TEST_F(Engine, FailedOpenShowsHelpAndStillRunsTheQueue) {
  InitRastrel();
  Run({"missing.bmp", "-save", "-exit"});
  EXPECT_EQ(host.Help.size(), 1u);
  EXPECT_EQ(g_executed.size(), 2u);
  // The opener said nothing: the job still cannot end as a success.
  EXPECT_EQ(Log(), "Unknown error.");  // message 21 lies beyond this test's table
  EXPECT_EQ(CMDLINE_GetExitCode(), 22);
}

TEST_F(Engine, FailedOpenKeepsTheOpenersOwnMessage) {
  InitRastrel();
  static bool reported;
  reported = false;
  CMDLINE_Run(3, std::vector<const char*>{"rastrel", "x.bmp", "-exit"}.data(), kTable,
              [](const char*) {
                CMDLINE_Report(7);
                reported = true;
                return 0;
              });
  EXPECT_TRUE(reported);
  EXPECT_EQ(CMDLINE_GetExitCode(), 8);
  EXPECT_EQ(Log(), "m7");
}

TEST_F(Engine, ExitBeyondTheQueueStillEndsTheJobWithAnError) {
  InitRastrel();
  std::vector<std::string> storage(CMDLINE_QUEUE_SLOTS, "-save");
  storage.push_back("-exit");
  std::vector<const char*> args;
  for (auto& s : storage) args.push_back(s.c_str());
  Run(args);
  EXPECT_TRUE(g_executed.empty());
  EXPECT_TRUE(CMDLINE_IsExitPending());
  EXPECT_EQ(Log(), "Too many commands!Error during command line parsing.");
  EXPECT_EQ(CMDLINE_GetExitCode(), 3);
}

TEST_F(Engine, QueueAndArgumentLimitsAreRefused) {
  InitRastrel();
  std::vector<std::string> storage(CMDLINE_QUEUE_SLOTS + 1, "-save");
  std::vector<const char*> args;
  for (auto& s : storage) args.push_back(s.c_str());
  Run(args);
  EXPECT_TRUE(g_executed.empty());  // the 21st command made the line fail
  EXPECT_EQ(host.Warnings.back().Text, "Error during command line parsing.");

  CMDLINE_Reset();
  InitRastrel();
  host.Warnings.clear();
  std::string longArg = "-save" + std::string(CMDLINE_MAX_ARG_CHARS + 1, 'a');
  Run({longArg.c_str()});
  EXPECT_TRUE(g_executed.empty());
  ASSERT_GE(host.Warnings.size(), 1u);
}

TEST_F(Engine, GlyphorStepsThroughTheQueueAndLogsErrors) {
  CmdlineConfig c = testsupport::ConsoleEngineConfig();
  c.pCaption = "Font Converter";
  std::string errPath = dir / "Glyphor.err";
  c.pLogFileName = errPath.c_str();
  c.ExitId = 99;
  c.pfExecute = [](unsigned id, unsigned p) {
    execute(id, p);
    if (id != 99) CMDLINE_Advance();
  };
  CMDLINE_Init(c);
  EXPECT_EQ(CMDLINE_Dispatch("savea", kTable), 1);
  EXPECT_TRUE(CMDLINE_IsJobMode());
  EXPECT_EQ(CMDLINE_Dispatch("saveb", kTable), 1);
  EXPECT_EQ(CMDLINE_Dispatch("exit", kTable), 1);
  CMDLINE_Step();
  CMDLINE_ReportText("first failure");
  EXPECT_FALSE(CMDLINE_IsJobMode());
  EXPECT_TRUE(CMDLINE_HasErrorSeen());
  EXPECT_STREQ(CMDLINE_GetLastError(), "first failure");
  EXPECT_TRUE(host.Console.empty());  // exit pending: the log only
  CMDLINE_Step();                     // after an error only exit runs
  EXPECT_EQ(g_executed, (std::vector<std::string>{"20", "99"}));
  std::ifstream in(errPath, std::ios::binary);
  std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(log.size(), 26u);
  EXPECT_EQ(log.substr(0, 4), "\r\n* ");
  EXPECT_EQ(log.substr(log.size() - 15), "\r\nfirst failure");
}

TEST_F(Engine, GlyphorUnknownCommandGoesToTheConsole) {
  CmdlineConfig c = testsupport::ConsoleEngineConfig();
  CMDLINE_Init(c);
  EXPECT_EQ(CMDLINE_Dispatch("bogus", kTable), 0);
  EXPECT_EQ(host.Console,
            "\n\"bogus\" is not a valid command !\n\n\n***************** Press Enter to Continue *****************\n");
  EXPECT_FALSE(CMDLINE_IsJobMode());
  EXPECT_EQ(host.QuitCount, 1);
}

}  // namespace

namespace {

TEST_F(Engine, LogLinkIsNotFollowedAndTheMessageReachesStandardError) {
  const std::string victim = dir / "victim.txt";
  std::ofstream(victim) << "precious";
  std::filesystem::create_symlink(victim, logPath);
  InitRastrel();
  g_failWith = 3;
  testing::internal::CaptureStderr();
  Run({"x.bmp", "-exit", "-save"});
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(CMDLINE_GetExitCode(), 4);
  EXPECT_NE(err.find("m3"), std::string::npos);
  std::ifstream in(victim);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "precious");
}

}  // namespace
