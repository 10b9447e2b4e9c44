// Shared helpers of the reader tests: a host that records what the user would see,
// file helpers and the location of the test data.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/host/app_host.h"

struct ReaderTestHost : AppHost {
  std::vector<std::string> Warnings;
  int WaitCursorOn = 0;
  void ShowStatus(const char*) override {}
  void ShowWarning(const char*, const char* text) override { Warnings.push_back(text); }
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
  void SetWaitCursor(bool on) override { WaitCursorOn += on ? 1 : -1; }
};

// Installs a fresh recording host for the lifetime of the object.
struct ScopedHost {
  ReaderTestHost Host;
  AppHost* pPrevious;
  ScopedHost() : pPrevious(HOST_Get()) { HOST_Set(&Host); }
  ~ScopedHost() { HOST_Set(pPrevious); }
};

inline std::string TestData(const std::string& rel) { return std::string(VORIX_TEST_DATA_DIR) + "/" + rel; }

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::vector<uint8_t> data;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) data.insert(data.end(), buf, buf + n);
    std::fclose(f);
  }
  return data;
}

// Writes bytes to a fresh file under the test's temporary folder and returns its path.
inline std::string WriteTemp(const std::string& name, const std::vector<uint8_t>& data) {
  std::string path = std::string(VORIX_TEST_TMP_DIR) + "/" + name;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    if (!data.empty()) std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
  }
  return path;
}

// Runs a shell command and returns its standard output (binary safe); *pStatus gets the exit status.
inline std::vector<uint8_t> RunCommand(const std::string& cmd, int* pStatus) {
  std::vector<uint8_t> out;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) {
    *pStatus = -1;
    return out;
  }
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), p)) > 0) out.insert(out.end(), buf, buf + n);
  *pStatus = pclose(p);
  return out;
}
