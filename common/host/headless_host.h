// Host for unattended jobs: message boxes become one line on standard error,
// the help listing goes to standard output; nothing waits for a user.
#pragma once
#include "common/host/app_host.h"

struct HeadlessHost : AppHost {
  void ShowStatus(const char* text) override;
  void ShowWarning(const char* caption, const char* text) override;
  bool AskYesNo(const char* caption, const char* text) override;
  void ShowHelp(const char* title, const char* text) override;
  void WriteConsole(const char* text) override;
  void Quit() override { QuitRequested = true; }
  bool QuitRequested = false;
};

#include <string>

// "caption: text" with line breaks folded into blanks, so a message is one line.
std::string HOST_FormatWarningLine(const char* caption, const char* text);
