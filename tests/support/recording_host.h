// Test host that records every call, so tests assert on what a user would have seen.
// RecordingHostOf<ProgramHost> records the shared calls of a program's own host.
#pragma once

#include <string>
#include <vector>

#include "common/host/app_host.h"

namespace testsupport {

template <class Base = AppHost>
struct RecordingHostOf : Base {
  struct Warning {
    std::string Caption;  // "(default)" for the window system's default caption
    std::string Text;
  };
  std::vector<std::string> Status;
  std::vector<Warning> Warnings;
  std::vector<std::string> Questions;
  std::vector<std::string> Help;
  std::vector<std::string> Progress;
  std::vector<FileDialogRequest> FileDialogs;  // open and save dialogs as asked
  std::vector<std::string> DialogTitles;       // their titles, in order
  std::string ChosenFile;                      // answer of the file dialogs; empty: Cancel
  int FilterAnswer = -1;                       // chosen filter; -1 keeps the preselected one
  std::vector<std::string> LastFilters;        // filter texts of the last file dialog
  std::string LastInitialName;
  std::string Console;
  bool Answer = false;
  int ShowCount = 0;
  int QuitCount = 0;
  int RedrawCount = 0;
  int BeepCount = 0;
  int WaitCursorDepth = 0;  // SetWaitCursor(true) minus SetWaitCursor(false)

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
  void Beep() override { ++BeepCount; }
  void SetWaitCursor(bool on) override { WaitCursorDepth += on ? 1 : -1; }
  void ShowProgress(const char* text) override { Progress.push_back(text); }
  bool AskOpenFileName(FileDialogRequest* request) override { return AnswerFileDialog(request); }
  bool AskSaveFileName(FileDialogRequest* request) override { return AnswerFileDialog(request); }
  bool AnswerFileDialog(FileDialogRequest* request) {
    FileDialogs.push_back(*request);
    DialogTitles.push_back(request->pTitle ? request->pTitle : "");
    LastFilters.clear();
    for (int i = 0; i < request->NumFilters; ++i) LastFilters.push_back(request->paFilters[i].pText);
    LastInitialName = request->InitialName;
    if (!ChosenFile.empty()) {
      request->Chosen = ChosenFile;
      if (FilterAnswer >= 0) request->FilterIndex = FilterAnswer;
    }
    return !ChosenFile.empty();
  }
};

using RecordingHost = RecordingHostOf<AppHost>;

}  // namespace testsupport

using testsupport::RecordingHost;
using testsupport::RecordingHostOf;
