// The font converter's message log: messages appended one per line (CR LF) to
// "<program>.log" in the program's folder, or in the working folder on request.
#pragma once

#include <string>

// Log path for a program file path (argv[0] or /proc/self/exe).
std::string LOG_MessageLogPath(const char* programPath, bool inWorkingDir);
// Appends text and "\r\n"; a file that cannot be opened is skipped. Returns 0 when written.
int LOG_AppendMessage(const char* logPath, const char* text);
