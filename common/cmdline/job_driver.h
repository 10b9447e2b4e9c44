// Process start of both converters: answers --help and --version, runs a command-line
// job on the headless host when nobody needs a window (the exit command is on the
// line, or only the help listing was asked for), and otherwise starts the window.
#pragma once

#include <string>

#include "common/cmdline/cmdline.h"

struct JobProgram {
  const char* pName;             // program file name, e.g. "rastrel"
  const char* pProduct;          // product name shown by --version
  const CmdlineCommand* pTable;  // the command table
  unsigned ExitId;               // the exit command's identifier
  // Runs the command line on the installed host; returns the process exit code.
  int (*pfRunJob)(int argc, const char* const* argv);
  // Installs the program's headless host (its dialogs answered as a job does).
  void (*pfInstallHeadlessHost)();
  // Starts the interactive program; null when this build has no window.
  int (*pfRunWindow)(int argc, char** argv) = nullptr;
};

enum { JOB_EXIT_NO_WINDOW = 64 };

// True when an argument on the line is a command with the given identifier.
bool JOB_HasCommand(int argc, const char* const* argv, const CmdlineCommand* table, unsigned id);
// True when the line holds commands only and every one is the help command.
bool JOB_IsHelpOnly(int argc, const char* const* argv, const CmdlineCommand* table);
// True when an X11 or Wayland display is named in the environment.
bool JOB_HasDisplay();
// The running executable's path (/proc/self/exe), or argv0 when the link cannot be read.
std::string JOB_ExecutablePath(const char* argv0);

int JOB_Main(const JobProgram& program, int argc, char** argv);
