// Test host that records every call, so tests assert on what a user would have seen.
#pragma once

#include <string>
#include <vector>

#include "common/host/app_host.h"

namespace testsupport {

struct RecordingHost : AppHost {
  struct Warning {
    std::string Caption;  // "(default)" for the window system's default caption
    std::string Text;
  };
  std::vector<std::string> Status;
  std::vector<Warning> Warnings;
  std::vector<std::string> Questions;
  std::vector<std::string> Help;
  std::string Console;
  bool Answer = false;
  int ShowCount = 0;
  int QuitCount = 0;
  int RedrawCount = 0;

  void ShowStatus(const char* text) override { Status.push_back(text); }
  void ShowWarning(const char* caption, const char* text) override {
    Warnings.push_back({caption ? caption : "(default)", text});
  }
  bool AskYesNo(const char*, const char* text) override {
    Questions.push_back(text);
    return Answer;
  }
  void ShowHelp(const char*, const char* text) override { Help.push_back(text); }
  void WriteConsole(const char* text) override { Console += text; }
  void ShowMainWindow() override { ++ShowCount; }
  void Quit() override { ++QuitCount; }
  void Redraw() override { ++RedrawCount; }
};

}  // namespace testsupport

using testsupport::RecordingHost;
