// Recording host of the bitmap converter's tests: every AppHost call as RecordingHost
// records it, every rastrel dialog with the answer the test scripted.
#pragma once

#include <string>
#include <vector>

#include "bitmap/app/rastrel_host.h"
#include "support/recording_host.h"

namespace testsupport {

struct RastrelRecordingHost : RastrelHost {
  RecordingHost Base;  // the shared calls, recorded
  std::vector<std::string> Dialogs;  // "format", "scale", "transparency", "alpha", "custom palette", ...
  // Scripted answers; the defaults cancel.
  bool FormatOk = false;
  FormatDialogRequest FormatAnswer;
  bool ScaleOk = false;
  int32_t ScaleWidth = 0, ScaleHeight = 0;
  int TransparencyChoice = -1;
  int TransparencyInitial = -2;  // the initial choice passed to the dialog
  bool AlphaOk = false;
  AlphaDialogRequest AlphaAnswer;
  // Animation commands: the GIF and the output file chosen (empty: the base's answer).
  std::string AnimationGifAnswer, AnimationOutputAnswer;

  void ShowStatus(const char* text) override { Base.ShowStatus(text); }
  void ShowWarning(const char* caption, const char* text) override { Base.ShowWarning(caption, text); }
  bool AskYesNo(const char* caption, const char* text) override { return Base.AskYesNo(caption, text); }
  void ShowHelp(const char* title, const char* text) override { Base.ShowHelp(title, text); }
  void WriteConsole(const char* text) override { Base.WriteConsole(text); }
  void ShowMainWindow() override { Base.ShowMainWindow(); }
  void Quit() override { Base.Quit(); }
  void Redraw() override { Base.Redraw(); }
  void Beep() override { Base.Beep(); }
  void SetWaitCursor(bool on) override { Base.SetWaitCursor(on); }
  void ShowProgress(const char* text) override { Base.ShowProgress(text); }
  bool AskOpenFileName(FileDialogRequest* request) override { return Base.AskOpenFileName(request); }
  bool AskSaveFileName(FileDialogRequest* request) override { return Base.AskSaveFileName(request); }

  bool AskFormat(FormatDialogRequest* request) override {
    Dialogs.push_back("format");
    if (FormatOk) {
      request->Format = FormatAnswer.Format;
      request->WithoutPalette = FormatAnswer.WithoutPalette;
    }
    return FormatOk;
  }
  bool AskScale(const ImageDocument*, int32_t* width, int32_t* height) override {
    Dialogs.push_back("scale");
    *width = ScaleWidth;
    *height = ScaleHeight;
    return ScaleOk;
  }
  int AskTransparency(const ImageDocument*, int initialChoice) override {
    Dialogs.push_back("transparency");
    TransparencyInitial = initialChoice;
    return TransparencyChoice;
  }
  bool AskAlphaImages(AlphaDialogRequest* request) override {
    Dialogs.push_back(request->MaskOnly ? "alpha mask" : "alpha");
    if (AlphaOk) *request = AlphaAnswer;
    return AlphaOk;
  }
  bool AskCustomPalette(FileDialogRequest* request) override {
    Dialogs.push_back("custom palette");
    return RastrelHost::AskCustomPalette(request);
  }
  bool AskSavePalette(FileDialogRequest* request) override {
    Dialogs.push_back("save palette");
    return RastrelHost::AskSavePalette(request);
  }
  bool AskAnimationGif(AnimationKind kind, FileDialogRequest* request) override {
    Dialogs.push_back(kind == ANIMATION_SPRITE ? "sprite gif" : "cursor gif");
    if (!AnimationGifAnswer.empty()) return Answer(request, AnimationGifAnswer);
    return RastrelHost::AskAnimationGif(kind, request);
  }
  bool AskAnimationOutput(AnimationKind kind, FileDialogRequest* request) override {
    Dialogs.push_back(kind == ANIMATION_SPRITE ? "sprite output" : "cursor output");
    if (!AnimationOutputAnswer.empty()) return Answer(request, AnimationOutputAnswer);
    return RastrelHost::AskAnimationOutput(kind, request);
  }
  // Records the request as the shared file dialogs do and answers with `chosen`.
  bool Answer(FileDialogRequest* request, const std::string& chosen) {
    Base.FileDialogs.push_back(*request);
    Base.DialogTitles.push_back(request->pTitle ? request->pTitle : "");
    request->Chosen = chosen;
    return true;
  }
};

}  // namespace testsupport

using testsupport::RastrelRecordingHost;
