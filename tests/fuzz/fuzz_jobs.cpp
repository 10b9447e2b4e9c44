// Whole jobs of both converters on fuzzed command lines: the input is split at NUL
// bytes into arguments and run through the real command tables and handlers (saveas,
// scale, transparency, convert, create, enable, ...). Everything happens inside a
// scratch folder: arguments that could name a file elsewhere (a '/' or "..") are
// dropped, and sizes are kept small so one input stays fast.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/rastrel_host.h"
#include "common/cmdline/cmdline.h"
#include "common/host/headless_host.h"
#include "font/app/glyphor_app.h"
#include "font/app/glyphor_host.h"
#include "font/app/headless_glyphor_host.h"

namespace {

struct QuietRastrelHost : RastrelHost {
  void ShowStatus(const char*) override {}
  void ShowWarning(const char*, const char*) override {}
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};

struct QuietGlyphorHost : HeadlessGlyphorHost {
  void ShowWarning(const char*, const char*) override {}
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};

// A 4 x 3 image with four colours, written once into the scratch folder.
const uint8_t kBmp[] = {
    'B', 'M', 82, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0, 1, 0, 8, 0,
    0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255,
    0, 0, 0, 255, 0, 255, 0, 0, 0, 0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 2, 2,
};

std::string& scratch_dir() {
  static std::string dir;
  return dir;
}

void remove_scratch() {
  std::error_code ec;
  std::filesystem::remove_all(scratch_dir(), ec);
}

std::string scratch() {
  std::string& dir = scratch_dir();
  if (dir.empty()) {
    char tmpl[] = "/tmp/vorix-fuzz-jobs-XXXXXX";
    if (!mkdtemp(tmpl)) std::abort();
    dir = tmpl;
    setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
    std::atexit(remove_scratch);
  }
  return dir;
}

void reset_scratch(const std::string& dir) {
  std::error_code ec;
  for (auto& e : std::filesystem::directory_iterator(dir, ec))
    if (e.path().filename() != "config") std::filesystem::remove_all(e.path(), ec);
  FILE* f = std::fopen("a.bmp", "wb");
  if (!f) std::abort();
  std::fwrite(kBmp, 1, sizeof(kBmp), f);
  std::fclose(f);
}

// Keeps each job inside the scratch folder and small.
bool acceptable(const std::string& arg) {
  if (arg.find('/') != std::string::npos || arg.find("..") != std::string::npos) return false;
  size_t digits = 0;
  for (char c : arg) {
    digits = (c >= '0' && c <= '9') ? digits + 1 : 0;
    if (digits > 2) return false;  // sizes, counts and heights below 100
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string dir = scratch();
  std::vector<std::string> args(1);
  for (size_t i = 0; i < size && args.size() < 24; ++i) {
    if (data[i] == 0)
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[i]);
  }
  for (const auto& a : args)
    if (!acceptable(a)) return 0;
  const bool font = !args.empty() && !args[0].empty() && args[0][0] == 'F';
  if (font) args.erase(args.begin());
  std::vector<const char*> argv = {font ? "glyphor" : "rastrel"};
  for (const auto& a : args) argv.push_back(a.c_str());
  const std::filesystem::path caller = std::filesystem::current_path();
  if (chdir(dir.c_str()) != 0) std::abort();
  reset_scratch(dir);
  if (font) {
    static QuietGlyphorHost host;
    GLYPHOR_SetHost(&host);
    GLYPHOR_RunJob(static_cast<int>(argv.size()), argv.data());
  } else {
    static QuietRastrelHost host;
    HOST_Set(&host);
    RASTREL_Run(static_cast<int>(argv.size()), argv.data());
  }
  CMDLINE_Reset();
  if (chdir(caller.c_str()) != 0) std::abort();
  return 0;
}
