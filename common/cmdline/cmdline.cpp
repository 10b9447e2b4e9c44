// Command-line job engine. Plain global state (one engine per process); every
// message a user would see goes through the host interface, never a window.
#include "common/cmdline/cmdline.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "common/host/app_host.h"

namespace {

struct QueueSlot {
  const CmdlineCommand* pEntry;
  char acText[CMDLINE_MAX_ARG_CHARS + 1];
};

struct Engine {
  CmdlineConfig Config;
  bool Initialised;
  QueueSlot aSlot[CMDLINE_QUEUE_SLOTS];
  int NumSlots;
  int NextSlot;
  bool JobMode;
  bool ExitPending;
  bool ReadFailed;
  bool ErrorSeen;
  const char* pCursor;
  FILE* pLog;
  bool LogFailed;
  int ExitCode;
  int ShowState;
  char acLastError[CMDLINE_LAST_ERROR_CHARS + 1];
};

Engine s_engine = {};

bool console_style() { return s_engine.Config.ReportStyle == CMDLINE_REPORT_CONSOLE; }

int arg_capacity() {
  int n = s_engine.Config.ArgChars;
  return n < 0 ? 0 : (n > CMDLINE_MAX_ARG_CHARS ? CMDLINE_MAX_ARG_CHARS : n);
}

const char* message_text(int number) {
  const CmdlineConfig& c = s_engine.Config;
  if (c.papMessages && number >= 0 && number < c.NumMessages) return c.papMessages[number];
  if (c.papMessages && c.NumMessages > 0) return c.papMessages[0];
  return "Unknown error.";
}

// The job's log in the working folder, created anew by its first message. A symbolic
// link there is not followed; a log that cannot be written leaves the message on
// standard error, so a job never loses its reason.
void write_log(const char* text) {
  if (!s_engine.Config.pLogFileName) return;
  if (!s_engine.pLog && !s_engine.LogFailed) {
    int fd = open(s_engine.Config.pLogFileName, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) s_engine.pLog = fdopen(fd, "wb");
    if (fd >= 0 && !s_engine.pLog) close(fd);
    s_engine.LogFailed = !s_engine.pLog;
  }
  if (s_engine.pLog && std::fputs(text, s_engine.pLog) >= 0 && std::fflush(s_engine.pLog) == 0) return;
  std::fprintf(stderr, "%s\n", text);
  std::fflush(stderr);
}

// Console sink: the text on the job's console, then the program ends.
void message_sink(const char* text) {
  std::string s = text;
  s += "\n";
  s += "\n\n***************** Press Enter to Continue *****************\n";
  HOST_Get()->WriteConsole(s.c_str());
  HOST_Get()->Quit();
}

void report_console(const char* text) {
  if (s_engine.JobMode) {
    s_engine.JobMode = false;
    s_engine.ErrorSeen = true;
    std::snprintf(s_engine.acLastError, sizeof(s_engine.acLastError), "%s", text);
    std::time_t now = std::time(nullptr);
    std::tm tmLocal = {};
    localtime_r(&now, &tmLocal);
    char acStamp[64];
    std::snprintf(acStamp, sizeof(acStamp), "\r\n* %4d-%02d-%02d, %02d:%02d:%02d\r\n",
                  tmLocal.tm_year + 1900, tmLocal.tm_mon + 1, tmLocal.tm_mday, tmLocal.tm_hour,
                  tmLocal.tm_min, tmLocal.tm_sec);
    write_log(acStamp);
    write_log(text);
    if (s_engine.ExitPending) return;
  }
  message_sink(text);
}

// Numbered style: log and exit code in a job, a message box otherwise.
void report_numbered(const char* text, int exitCode) {
  if (s_engine.JobMode) {
    if (!s_engine.Config.pLogFileName) return;
    write_log(text);
    if (s_engine.ExitPending) {
      s_engine.ExitCode = exitCode;
      return;
    }
    s_engine.ExitCode = 0;
  }
  HOST_Get()->ShowWarning(s_engine.Config.pCaption, text);
}

void report_error(CmdlineError error) {
  const CmdlineMessage& m = s_engine.Config.aError[error];
  if (m.pText)
    CMDLINE_ReportText(m.pText);
  else
    CMDLINE_Report(m.Number);
}

void reader_error(CmdlineError error) {
  s_engine.ReadFailed = true;
  report_error(error);
}

void put_back() { --s_engine.pCursor; }

// Collects the characters of a number up to its end; returns false after an invalid one.
bool collect(const char* validSet, bool percentEnds, bool allowX, std::string& out) {
  int c;
  while ((c = CMDLINE_GetChar()) != 0) {
    if (!std::strchr(validSet, c)) return false;
    if (c == 'x' && !(allowX && out.size() == 1)) return false;
    if (!out.empty() && (c == '-' || c == ',' || (percentEnds && c == '%'))) {
      put_back();
      break;
    }
    out += static_cast<char>(c);
  }
  return true;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool prefix_matches(const char* text, const char* keyword) {
  size_t n = std::strlen(keyword);
  return std::strlen(text) >= n && std::strncmp(text, keyword, n) == 0;
}

}  // namespace

void CMDLINE_UseReaderTexts(CmdlineConfig* config) {
  static const char* const kTexts[CMDLINE_NUM_ERRORS] = {
      "CMDLINE_GetHexValue: Not a hex value",
      "Not a hex value",
      "CMDLINE_GetHexValue: Missing value",
      "CMDLINE_GetDecValue: Not a decimal value",
      "CMDLINE_GetHexValue: Missing value",
      "CMDLINE_GetString: String to long",
      "CMDLINE_GetString: Missing string",
      "Argument too long!",
      "Too many commands!",
      "Error during command line parsing.",
      "Error opening file.",
  };
  for (int i = 0; i < CMDLINE_NUM_ERRORS; ++i) config->aError[i] = {0, kTexts[i]};
}

void CMDLINE_UseConsoleConventions(CmdlineConfig* config) {
  config->ReportStyle = CMDLINE_REPORT_CONSOLE;
  config->HexPrefix = true;
  config->PercentEndsDecimal = false;
  config->DispatchStartsJob = true;
  config->pHelpHeader = "Valid command line options:\r\n\r\n";
  config->pHelpTitle = "CMD Help";
  CMDLINE_UseReaderTexts(config);
}

void CMDLINE_Init(const CmdlineConfig& config) {
  CMDLINE_Reset();
  s_engine.Config = config;
  s_engine.Initialised = true;
}

void CMDLINE_Reset() {
  if (s_engine.pLog) std::fclose(s_engine.pLog);
  s_engine = Engine{};
  s_engine.ShowState = CMDLINE_SHOW_PENDING;
}

const CmdlineCommand* CMDLINE_Find(const char* text, const CmdlineCommand* table) {
  for (const CmdlineCommand* e = table; e->pKeyword; ++e)
    if (prefix_matches(text, e->pKeyword)) return e;
  return nullptr;
}

bool CMDLINE_IsCommandArg(const char* arg, const CmdlineCommand* table) {
  if (arg[0] == '-') return true;
  return arg[0] == '/' && CMDLINE_Find(arg + 1, table) != nullptr;
}

int CMDLINE_Dispatch(const char* arg, const CmdlineCommand* table) {
  const CmdlineCommand* match = nullptr;
  for (const CmdlineCommand* e = table; e->pKeyword; ++e) {
    size_t n = std::strlen(e->pKeyword);
    if (std::strlen(arg) < n) continue;
    if (s_engine.Config.DispatchStartsJob) s_engine.JobMode = true;
    if (std::strncmp(arg, e->pKeyword, n) == 0) {
      match = e;
      break;
    }
  }
  if (!match) {
    std::string text = std::string("\"") + arg + "\" is not a valid command !";
    if (console_style()) {
      message_sink(("\n" + text).c_str());
      s_engine.JobMode = false;
    } else {
      HOST_Get()->ShowWarning(nullptr, text.c_str());
    }
    return 0;
  }
  if (!match->Id && !match->pfHandler) {
    CMDLINE_ShowHelp(table);
    return 1;
  }
  const char* text = arg + std::strlen(match->pKeyword);
  if (static_cast<int>(std::strlen(text)) > arg_capacity()) {
    // The slot cannot hold the whole text: refuse rather than run a cut command.
    report_error(CMDLINE_ERR_ARG_TOO_LONG);
    return 0;
  }
  if (match->pfHandler) {
    static char acImmediate[CMDLINE_MAX_ARG_CHARS + 1];
    std::snprintf(acImmediate, sizeof(acImmediate), "%s", text);
    s_engine.pCursor = acImmediate;
    match->pfHandler();
    return 1;
  }
  if (s_engine.NumSlots >= CMDLINE_QUEUE_SLOTS) {
    // An exit command that finds no slot still makes the job unattended, so the
    // refused job ends with its error instead of waiting for a user.
    if (match->Id == s_engine.Config.ExitId) s_engine.ExitPending = true;
    report_error(CMDLINE_ERR_QUEUE_FULL);
    return 0;
  }
  QueueSlot& slot = s_engine.aSlot[s_engine.NumSlots++];
  slot.pEntry = match;
  std::snprintf(slot.acText, sizeof(slot.acText), "%s", text);
  if (s_engine.Config.DispatchStartsJob) s_engine.JobMode = true;
  if (match->Id == s_engine.Config.ExitId) s_engine.ExitPending = true;
  return 1;
}

void CMDLINE_Run(int argc, const char* const* argv, const CmdlineCommand* table,
                 CMDLINE_OpenFunc pfOpen) {
  s_engine.NumSlots = 0;
  s_engine.NextSlot = 0;
  if (argc > 1) s_engine.JobMode = true;
  bool ok = true;
  const char* pFile = nullptr;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (CMDLINE_IsCommandArg(arg, table)) {
      ok = CMDLINE_Dispatch(arg + 1, table) && ok;
      if (s_engine.ShowState == CMDLINE_SHOW_PENDING) {
        HOST_Get()->ShowMainWindow();
        s_engine.ShowState = CMDLINE_SHOW_SHOWN;
      }
    } else if (i == 1) {
      pFile = arg;
    } else {
      ok = false;
    }
  }
  if (s_engine.ShowState == CMDLINE_SHOW_PENDING) {
    HOST_Get()->ShowMainWindow();
    s_engine.ShowState = CMDLINE_SHOW_SHOWN;
  }
  if (!ok) {
    report_error(CMDLINE_ERR_PARSE);
    CMDLINE_ShowHelp(table);
    s_engine.NumSlots = 0;
    s_engine.JobMode = false;
    return;
  }
  if (pFile) {
    if (!pfOpen || !pfOpen(pFile)) {
      // A job whose file was not opened must not end as a success.
      if (s_engine.ExitPending && s_engine.ExitCode == 0) report_error(CMDLINE_ERR_OPEN_FAILED);
      CMDLINE_ShowHelp(table);
    }
    if (argc == 2) s_engine.JobMode = false;
  }
  while (s_engine.JobMode) {
    if (s_engine.NextSlot >= s_engine.NumSlots) {
      s_engine.JobMode = false;
      break;
    }
    const QueueSlot& slot = s_engine.aSlot[s_engine.NextSlot];
    s_engine.pCursor = slot.acText;
    if (s_engine.Config.pfExecute) s_engine.Config.pfExecute(slot.pEntry->Id, slot.pEntry->Param);
    if (++s_engine.NextSlot >= s_engine.NumSlots) s_engine.JobMode = false;
  }
}

void CMDLINE_Step() {
  if (!s_engine.JobMode || s_engine.ErrorSeen) {
    if (s_engine.ExitPending && s_engine.Config.pfExecute)
      s_engine.Config.pfExecute(s_engine.Config.ExitId, 0);
    return;
  }
  if (s_engine.NextSlot >= s_engine.NumSlots) return;
  const QueueSlot& slot = s_engine.aSlot[s_engine.NextSlot];
  s_engine.pCursor = slot.acText;
  if (s_engine.Config.pfExecute) s_engine.Config.pfExecute(slot.pEntry->Id, slot.pEntry->Param);
}

void CMDLINE_Advance() {
  if (++s_engine.NextSlot >= s_engine.NumSlots) s_engine.JobMode = false;
}

void CMDLINE_SetArgText(const char* text) { s_engine.pCursor = text; }

int CMDLINE_GetChar() {
  if (!s_engine.pCursor || !*s_engine.pCursor) return 0;
  return static_cast<unsigned char>(*s_engine.pCursor++);
}

int CMDLINE_PeekChar() {
  if (!s_engine.pCursor) return 0;
  return static_cast<unsigned char>(*s_engine.pCursor);
}

int32_t CMDLINE_GetHexValue() {
  s_engine.ReadFailed = false;
  const bool prefix = s_engine.Config.HexPrefix;
  std::string s;
  if (!collect(prefix ? "01234567890abcdefxABCDEF-," : "01234567890abcdefABCDEF-,", false, prefix,
               s)) {
    reader_error(CMDLINE_ERR_NOT_HEX);
    return -1;
  }
  if (s.empty()) {
    reader_error(CMDLINE_ERR_MISSING_HEX);
    return 0;
  }
  size_t i = 0;
  bool negative = false;
  if (s[i] == '-') {
    negative = true;
    ++i;
  }
  if (prefix && s.size() >= i + 2 && s[i] == '0' && s[i + 1] == 'x') i += 2;
  if (i == s.size()) {  // a sign or prefix without digits ("-", "0x")
    reader_error(CMDLINE_ERR_NOT_HEX);
    return -1;
  }
  uint32_t v = 0;
  for (; i < s.size(); ++i) {
    int d = hex_digit(s[i]);
    if (d < 0) {
      reader_error(CMDLINE_ERR_BAD_HEX);
      return 0;
    }
    v = v * 16u + static_cast<uint32_t>(d);
  }
  if (negative) v = 0u - v;
  return static_cast<int32_t>(v);
}

int32_t CMDLINE_GetDecValue() {
  s_engine.ReadFailed = false;
  const bool percent = s_engine.Config.PercentEndsDecimal;
  std::string s;
  if (!collect(percent ? "01234567890-,%" : "01234567890-,", percent, false, s) || s.size() > 11) {
    // More than 11 characters cannot be a 32-bit decimal: refused like a bad character.
    reader_error(CMDLINE_ERR_NOT_DEC);
    return -1;
  }
  if (s.empty()) {
    reader_error(CMDLINE_ERR_MISSING_DEC);
    return 0;
  }
  // Leading sign, then digits up to the first non-digit (the C library's conversion).
  size_t i = 0;
  bool negative = false;
  if (s[0] == '-') {
    negative = true;
    i = 1;
  }
  if (i == s.size() || s[i] < '0' || s[i] > '9') {  // a sign without digits ("-", "-%")
    reader_error(CMDLINE_ERR_NOT_DEC);
    return -1;
  }
  int64_t v = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) v = v * 10 + (s[i] - '0');
  if (negative) v = -v;
  if (v > INT32_MAX) v = INT32_MAX;
  if (v < INT32_MIN) v = INT32_MIN;
  return static_cast<int32_t>(v);
}

int CMDLINE_GetString(char* buffer, int capacity) {
  s_engine.ReadFailed = false;
  int n = 0;
  buffer[0] = 0;
  int c;
  while ((c = CMDLINE_GetChar()) != 0) {
    if (c == ',' && n > 0) {
      put_back();
      break;
    }
    if (n >= capacity) {
      put_back();
      buffer[n] = 0;
      reader_error(CMDLINE_ERR_STRING_TOO_LONG);
      return n;
    }
    buffer[n++] = static_cast<char>(c);
  }
  buffer[n] = 0;
  if (n == 0) reader_error(CMDLINE_ERR_STRING_MISSING);
  return n;
}

int CMDLINE_ReadFailed() { return s_engine.ReadFailed ? 1 : 0; }

void CMDLINE_RefuseValue(CmdlineError error) {
  if (error >= 0 && error < CMDLINE_NUM_ERRORS) reader_error(error);
}

void CMDLINE_Report(int messageNumber) {
  if (console_style())
    report_console(message_text(messageNumber));
  else
    report_numbered(message_text(messageNumber), messageNumber + 1);
}

void CMDLINE_ReportText(const char* text) {
  if (console_style())
    report_console(text);
  else
    report_numbered(text, 1);
}

std::string CMDLINE_HelpText(const CmdlineCommand* table) {
  std::string s = s_engine.Config.pHelpHeader ? s_engine.Config.pHelpHeader : "";
  for (const CmdlineCommand* e = table; e->pKeyword; ++e) {
    s += "-";
    s += e->pKeyword;
    s += e->pHelp ? e->pHelp : "";
    s += "\r\n";
  }
  return s;
}

void CMDLINE_ShowHelp(const CmdlineCommand* table) {
  std::string text = CMDLINE_HelpText(table);
  if (console_style() && s_engine.JobMode) {
    text += "***************** Press Enter to Continue *****************\n";
    HOST_Get()->WriteConsole(text.c_str());
    HOST_Get()->Quit();
  } else {
    HOST_Get()->ShowHelp(s_engine.Config.pHelpTitle, text.c_str());
  }
}

int CMDLINE_IsJobMode() { return s_engine.JobMode ? 1 : 0; }
void CMDLINE_SetJobMode(int on) { s_engine.JobMode = on != 0; }
int CMDLINE_IsExitPending() { return s_engine.ExitPending ? 1 : 0; }
int CMDLINE_GetExitCode() { return s_engine.ExitCode; }
int CMDLINE_HasErrorSeen() { return s_engine.ErrorSeen ? 1 : 0; }
const char* CMDLINE_GetLastError() { return s_engine.acLastError; }
int CMDLINE_GetShowState() { return s_engine.ShowState; }
void CMDLINE_SetShowState(int state) { s_engine.ShowState = state; }
int CMDLINE_GetQueueCount() { return s_engine.NumSlots; }
