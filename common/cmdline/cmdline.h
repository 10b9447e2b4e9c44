// Command-line job engine shared by both converters: splits the arguments into
// commands, queues them, hands their argument text to the handlers through the
// readers below and reports errors (message box, log file, console, exit code).
// The two converters configure different variants; one engine instance per process.
#pragma once

#include <cstdint>
#include <string>

enum CmdlineVariant { CMDLINE_VARIANT_RASTREL, CMDLINE_VARIANT_GLYPHOR };

typedef void (*CMDLINE_Handler)(void);
typedef void (*CMDLINE_Executor)(unsigned id, unsigned param);
typedef int (*CMDLINE_OpenFunc)(const char* path);  // 1 when a document resulted

// One command of a converter's table. A table ends with an entry whose keyword is null.
// An entry with neither id nor handler is the help command.
struct CmdlineCommand {
  const char* pKeyword;
  unsigned Id;                  // menu command identifier (below 0x10000), or 0
  CMDLINE_Handler pfHandler;    // immediate handler, run while the line is parsed
  unsigned Param;
  const char* pHelp;            // text after the keyword in the help listing
};

struct CmdlineConfig {
  CmdlineVariant Variant = CMDLINE_VARIANT_RASTREL;
  const char* pCaption = nullptr;       // caption of message boxes
  const char* pLogFileName = nullptr;   // null: nothing is logged in a job
  unsigned ExitId = 0;                  // the exit command's identifier
  CMDLINE_Executor pfExecute = nullptr; // delivers a command as a menu command
  const char* const* papMessages = nullptr;  // numbered messages (bitmap converter)
  int NumMessages = 0;
};

enum {
  CMDLINE_QUEUE_SLOTS = 20,
  CMDLINE_RASTREL_ARG_CHARS = 499,
  CMDLINE_GLYPHOR_ARG_CHARS = 199,
  CMDLINE_LAST_ERROR_CHARS = 199,
};

// Show state of the bitmap converter's main window.
enum { CMDLINE_SHOW_HIDDEN = 0, CMDLINE_SHOW_PENDING = 1, CMDLINE_SHOW_SHOWN = 2 };

void CMDLINE_Init(const CmdlineConfig& config);
// Back to the state before CMDLINE_Init (closes the log); for tests and restarts.
void CMDLINE_Reset();

// True when the argument names a command: it begins with '-', or with '/' followed
// by the start of a keyword of the table (so absolute paths stay file names).
bool CMDLINE_IsCommandArg(const char* arg, const CmdlineCommand* table);
// The entry an argument without its leading '-' or '/' selects, or null.
const CmdlineCommand* CMDLINE_Find(const char* text, const CmdlineCommand* table);

// Bitmap converter start: walks argv, dispatches, opens the named file, runs the queue.
void CMDLINE_Run(int argc, const char* const* argv, const CmdlineCommand* table,
                 CMDLINE_OpenFunc pfOpen);
int CMDLINE_Dispatch(const char* arg, const CmdlineCommand* table);
void CMDLINE_Step();
void CMDLINE_Advance();

int CMDLINE_GetChar();
// The next character of the argument text without consuming it (0 at its end).
int CMDLINE_PeekChar();
int32_t CMDLINE_GetHexValue();
int32_t CMDLINE_GetDecValue();
int CMDLINE_GetString(char* buffer, int capacity);  // returns the number of characters read
int CMDLINE_ReadFailed();
// Sets the argument text the readers consume (the engine does this before each command).
void CMDLINE_SetArgText(const char* text);

void CMDLINE_Report(int messageNumber);   // bitmap converter: numbered message
void CMDLINE_ReportText(const char* text); // free text (both variants)

void CMDLINE_ShowHelp(const CmdlineCommand* table);
// The listing text exactly as the help window shows it.
std::string CMDLINE_HelpText(const CmdlineCommand* table);

int CMDLINE_IsJobMode();
void CMDLINE_SetJobMode(int on);
int CMDLINE_IsExitPending();
int CMDLINE_GetExitCode();
int CMDLINE_HasErrorSeen();
const char* CMDLINE_GetLastError();
int CMDLINE_GetShowState();
void CMDLINE_SetShowState(int state);
int CMDLINE_GetQueueCount();
