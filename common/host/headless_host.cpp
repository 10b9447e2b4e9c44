// Headless host: standard error for message boxes, standard output for the help listing.
#include "common/host/headless_host.h"

#include <cstdio>
#include <string>

static AppHost* s_host;

AppHost* HOST_Get() {
  static HeadlessHost fallback;
  return s_host ? s_host : &fallback;
}

void HOST_Set(AppHost* host) { s_host = host; }

static std::string fold_lines(const char* text) {
  std::string out;
  for (const char* p = text ? text : ""; *p; ++p) {
    if (*p == '\r') continue;
    if (*p == '\n') {
      if (!out.empty() && out.back() != ' ') out += ' ';
      continue;
    }
    out += *p;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string HOST_FormatWarningLine(const char* caption, const char* text) {
  return fold_lines(caption ? caption : "Error") + ": " + fold_lines(text);
}

void HeadlessHost::ShowStatus(const char*) {}

void HeadlessHost::ShowWarning(const char* caption, const char* text) {
  std::fprintf(stderr, "%s\n", HOST_FormatWarningLine(caption, text).c_str());
  std::fflush(stderr);
}

// Nobody can answer in a job: the question is shown and answered No.
bool HeadlessHost::AskYesNo(const char* caption, const char* text) {
  ShowWarning(caption, text);
  return false;
}

void HeadlessHost::ShowHelp(const char*, const char* text) {
  std::string s;
  for (const char* p = text; *p; ++p)
    if (*p != '\r') s += *p;
  std::fputs(s.c_str(), stdout);
  std::fflush(stdout);
}

void HeadlessHost::WriteConsole(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}
