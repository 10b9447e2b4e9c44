// Command-line job engine shared by both converters: splits the arguments into
// commands, queues them, hands their argument text to the handlers through the
// readers below and reports errors (message box, log file, console, exit code).
// Each program describes its conventions in a CmdlineConfig; one engine per process.
#pragma once

#include <cstdint>
#include <string>

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

enum CmdlineReportStyle {
  // Errors are counted and the job goes on: each report is appended to the log; with the
  // exit command pending it sets the exit code (message number + 1, or 1 for a text),
  // otherwise a warning box shows it. Unknown commands get a box with the default caption.
  CMDLINE_REPORT_NUMBERED,
  // The first error ends the job: it is kept as the last error and logged with a time
  // stamp; without a pending exit it goes to the console and the program quits. Unknown
  // commands go to the console; the help listing of a job too.
  CMDLINE_REPORT_CONSOLE,
};

// Errors the engine reports itself.
enum CmdlineError {
  CMDLINE_ERR_NOT_HEX,         // a character outside the hexadecimal set
  CMDLINE_ERR_BAD_HEX,         // collected characters that do not form a number
  CMDLINE_ERR_MISSING_HEX,
  CMDLINE_ERR_NOT_DEC,
  CMDLINE_ERR_MISSING_DEC,
  CMDLINE_ERR_STRING_TOO_LONG,
  CMDLINE_ERR_STRING_MISSING,
  CMDLINE_ERR_ARG_TOO_LONG,    // an argument text beyond the queue slot
  CMDLINE_ERR_QUEUE_FULL,
  CMDLINE_ERR_PARSE,           // the command line as a whole failed
  CMDLINE_ERR_OPEN_FAILED,     // the named file of a job was not opened (nothing else said)
  CMDLINE_NUM_ERRORS
};

// How an error is reported: a text when pText is set, else the numbered message.
struct CmdlineMessage {
  int Number;
  const char* pText;
};

enum {
  CMDLINE_QUEUE_SLOTS = 20,
  CMDLINE_MAX_ARG_CHARS = 499,
  CMDLINE_LAST_ERROR_CHARS = 199,
};

struct CmdlineConfig {
  const char* pCaption = nullptr;       // caption of message boxes
  const char* pLogFileName = nullptr;   // null: nothing is logged in a job
  unsigned ExitId = 0;                  // the exit command's identifier
  CMDLINE_Executor pfExecute = nullptr; // delivers a command as a menu command
  const char* const* papMessages = nullptr;  // numbered messages
  int NumMessages = 0;
  CmdlineReportStyle ReportStyle = CMDLINE_REPORT_NUMBERED;
  int ArgChars = CMDLINE_MAX_ARG_CHARS;  // argument text a queue slot holds
  bool HexPrefix = false;               // hexadecimal values may start with "0x"
  bool PercentEndsDecimal = true;       // "50%": the value ends before the percent sign
  bool DispatchStartsJob = false;       // a dispatched command switches job mode on
  const char* pHelpHeader = "";         // text in front of the help listing
  const char* pHelpTitle = "Valid command line options:";
  CmdlineMessage aError[CMDLINE_NUM_ERRORS] = {
      {3, nullptr}, {3, nullptr}, {4, nullptr}, {23, nullptr}, {24, nullptr}, {5, nullptr},
      {6, nullptr}, {5, nullptr}, {0, "Too many commands!"}, {2, nullptr}, {21, nullptr},
  };
};

// The readers' own texts, for programs that report errors by text.
void CMDLINE_UseReaderTexts(CmdlineConfig* config);
// Console conventions: text reports to the console with the readers' texts, the first
// error ends the job, "0x" hexadecimal values, no percent sign after decimals, dispatch
// starts the job, "Valid command line options:" in front of the listing, "CMD Help".
void CMDLINE_UseConsoleConventions(CmdlineConfig* config);

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
// Refuses a value a reader returned that its caller cannot use (for example a
// hexadecimal code beyond 32 bits): reports the reader's message and sets read failed.
void CMDLINE_RefuseValue(CmdlineError error);
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
