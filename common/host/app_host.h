// Host interface: everything a command would show or ask goes through it, so the
// core runs the same under the Qt main window, a headless job and a test recorder.
#pragma once

#include <string>

// One filter of a file dialog: "Windows Bitmap (*.bmp)" with its patterns "*.bmp".
struct FileFilter {
  const char* pText;
  const char* pPatterns;  // ';'-separated, e.g. "*.c;*.h"
};

// A file dialog as the program asks it: title, filters in order, the filter chosen
// first and the name proposed. On OK the host fills Chosen and ChosenFilter.
struct FileDialogRequest {
  const char* pTitle = nullptr;
  const FileFilter* paFilters = nullptr;
  int NumFilters = 0;
  int FilterIndex = 0;          // in: preselected, out: chosen (0-based)
  std::string InitialName;      // folder and/or file name
  const char* pDefaultExt = nullptr;  // appended when the name has no extension
  std::string Chosen;
};

struct AppHost {
  virtual ~AppHost() = default;
  // Status bar text ("Ready" when idle).
  virtual void ShowStatus(const char* text) = 0;
  // Warning message box. A null caption stands for the window system's default caption.
  virtual void ShowWarning(const char* caption, const char* text) = 0;
  // Yes/No question; true only for Yes.
  virtual bool AskYesNo(const char* caption, const char* text) = 0;
  // Help listing (window interactively, standard output headless).
  virtual void ShowHelp(const char* title, const char* text) = 0;
  // Text for the console of a job (the font converter's message sink).
  virtual void WriteConsole(const char* text) = 0;
  // First show of the main window (the job engine decides when).
  virtual void ShowMainWindow() {}
  // The main window is destroyed: the message loop ends.
  virtual void Quit() {}
  virtual void Redraw() {}
  virtual void Beep() {}
  virtual void SetWaitCursor(bool on) { (void)on; }
  // Progress of a long operation (status bar interactively; nothing in a job).
  virtual void ShowProgress(const char* text) { (void)text; }
  // File dialogs; false on Cancel. Without a window nobody can choose: Cancel.
  virtual bool AskOpenFileName(FileDialogRequest* request) { (void)request; return false; }
  virtual bool AskSaveFileName(FileDialogRequest* request) { (void)request; return false; }
};

// The host installed by the application; never null once the application has started.
AppHost* HOST_Get();
void HOST_Set(AppHost* host);
