// The headless rastrel host and the look-up of the installed one.
#include "bitmap/app/rastrel_host.h"

#include "common/host/headless_host.h"

namespace {

// Shows through a plain AppHost; the program's dialogs are cancelled.
struct ForwardingRastrelHost : RastrelHost {
  AppHost* pHost = nullptr;
  void ShowStatus(const char* text) override { pHost->ShowStatus(text); }
  void ShowWarning(const char* caption, const char* text) override { pHost->ShowWarning(caption, text); }
  bool AskYesNo(const char* caption, const char* text) override { return pHost->AskYesNo(caption, text); }
  void ShowHelp(const char* title, const char* text) override { pHost->ShowHelp(title, text); }
  void WriteConsole(const char* text) override { pHost->WriteConsole(text); }
  void ShowMainWindow() override { pHost->ShowMainWindow(); }
  void Quit() override { pHost->Quit(); }
  void Redraw() override { pHost->Redraw(); }
  void Beep() override { pHost->Beep(); }
  void SetWaitCursor(bool on) override { pHost->SetWaitCursor(on); }
  void ShowProgress(const char* text) override { pHost->ShowProgress(text); }
  bool AskOpenFileName(FileDialogRequest* request) override { return pHost->AskOpenFileName(request); }
  bool AskSaveFileName(FileDialogRequest* request) override { return pHost->AskSaveFileName(request); }
};

}  // namespace

RastrelHost* RASTREL_HeadlessHost() {
  static HeadlessHost s_base;
  static ForwardingRastrelHost s_host;
  s_host.pHost = &s_base;
  return &s_host;
}

RastrelHost* RASTREL_Host() {
  AppHost* host = HOST_Get();
  if (auto* rastrel = dynamic_cast<RastrelHost*>(host)) return rastrel;
  static ForwardingRastrelHost s_forward;
  s_forward.pHost = host;
  return &s_forward;
}
