// Whole jobs of the glyphor binary in a scratch folder: its own working and settings
// folders, the files it leaves there.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace fonttest {

struct GlyphorJob : ::testing::Test {
  TempDir dir;
  std::string work = dir / "work";
  GlyphorJob() { std::filesystem::create_directories(work); }
  ProcessResult Run(const std::vector<std::string>& args) const {
    return run_process(GLYPHOR_BINARY, args, work, dir / "config");
  }
  std::string In(const std::string& name) const { return work + "/" + name; }
  std::string File(const std::string& name) const { return read_whole_file(In(name)); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(In(name), std::ios::binary) << text;
  }
  // The files of the working folder, sorted, without the job's captured streams.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(work)) {
      const std::string name = e.path().filename().string();
      if (name != ".stdout" && name != ".stderr") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

}  // namespace fonttest
