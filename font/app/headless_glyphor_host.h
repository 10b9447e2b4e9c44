// The font converter's host without a window: the shared headless host for texts,
// and every dialog answered as a job needs it: nobody chooses, so Cancel; the XBF
// type is the preselected (stored) one.
#pragma once

#include "common/host/headless_host.h"
#include "font/app/glyphor_host.h"

struct HeadlessGlyphorHost : GlyphorHost {
  HeadlessHost Base;
  void ShowStatus(const char* text) override { Base.ShowStatus(text); }
  void ShowWarning(const char* caption, const char* text) override { Base.ShowWarning(caption, text); }
  bool AskYesNo(const char* caption, const char* text) override { return Base.AskYesNo(caption, text); }
  void ShowHelp(const char* title, const char* text) override { Base.ShowHelp(title, text); }
  void WriteConsole(const char* text) override { Base.WriteConsole(text); }
  void Quit() override { Base.Quit(); }

  bool AskFont(FontCreateRequest*) override { return false; }
  bool AskGenerationOptions(FontCreateRequest*) override { return false; }
  bool AskRange(FontRangeRequest*) override { return false; }
  int AskXbfType(int preselected) override { return preselected; }
  bool AskValue(const char*, const char*, int, int, int*) override { return false; }
  void ShowAbout(const char*) override {}
};
