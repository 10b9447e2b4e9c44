// A scratch folder per test, removed afterwards; also points XDG_CONFIG_HOME into it so
// no test touches the user's settings.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

struct TempDir {
  std::filesystem::path Path;
  TempDir() {
    char tmpl[] = "/tmp/vorix-test-XXXXXX";
    Path = mkdtemp(tmpl);
    setenv("XDG_CONFIG_HOME", (Path / "config").c_str(), 1);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::string operator/(const std::string& name) const { return (Path / name).string(); }
};
