// Fixture of the tests that run the real rastrel binary: a scratch work folder holding a
// copy of samples/logo.bmp, and a settings folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/run_process.h"
#include "support/temp_dir.h"

struct RastrelJob : ::testing::Test {
  TempDir dir;
  std::string work;
  void SetUp() override {
    work = dir / "work";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(SAMPLES_DIR "/logo.bmp", work + "/logo.bmp");
  }
  ProcessResult Run(const std::vector<std::string>& args) {
    return run_process(RASTREL_BINARY, args, work, dir / "config");
  }
  std::string File(const std::string& name) const { return read_whole_file(work + "/" + name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(work + "/" + name); }
};
