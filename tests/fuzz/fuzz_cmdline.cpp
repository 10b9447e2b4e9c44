// Fuzzes the job engine with the bitmap converter's command table: the input is split
// at NUL bytes into arguments; queued commands consume their argument text with the
// same readers the handlers use, but touch no files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/app/command_table.h"
#include "bitmap/messages/rastrel_messages.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"
#include "support/engine_configs.h"

namespace {

struct QuietHost : AppHost {
  void ShowStatus(const char*) override {}
  void ShowWarning(const char*, const char*) override {}
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};

void consume_arguments(unsigned id, unsigned) {
  char buffer[512];
  switch (id % 3) {
    case 0: CMDLINE_GetHexValue(); break;
    case 1: CMDLINE_GetDecValue(); break;
    default: CMDLINE_GetString(buffer, static_cast<int>(id % 500) + 1); break;
  }
  while (CMDLINE_GetChar() != 0) CMDLINE_PeekChar();
}

int open_nothing(const char*) { return 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QuietHost host;
  HOST_Set(&host);
  std::vector<std::string> args = {"rastrel"};
  std::string current;
  for (size_t i = 0; i < size && args.size() < 64; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  args.push_back(current);
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  for (bool console : {false, true}) {
    CmdlineConfig config = console ? testsupport::ConsoleEngineConfig() : testsupport::NumberedEngineConfig();
    config.ExitId = 1209;
    config.pfExecute = consume_arguments;
    config.papMessages = RASTREL_apMessage;
    config.NumMessages = MSG_COUNT;
    CMDLINE_Init(config);
    CMDLINE_Run(static_cast<int>(argv.size()), argv.data(), RASTREL_aCommand, open_nothing);
    for (int i = 0; i < 25 && CMDLINE_IsJobMode(); ++i) {
      CMDLINE_Step();
      CMDLINE_Advance();
    }
  }
  CMDLINE_Reset();
  return 0;
}
