// Message reporter: no-message mode first, then the job engine, then a warning box.
#include "font/model/font_message.h"

#include <string>

#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"
#include "common/settings/message_log.h"

static bool s_noMessages;
static bool s_busy;
static int s_reports;
static std::string s_logPath;

static void deliver(const char* text, bool isError) {
  if (s_busy) return;
  s_busy = true;
  if (isError) ++s_reports;
  if (s_noMessages) {
    if (!s_logPath.empty()) LOG_AppendMessage(s_logPath.c_str(), text);
  } else if (isError && CMDLINE_IsJobMode()) {
    CMDLINE_ReportText(text);
  } else {
    HOST_Get()->ShowWarning(FONT_APP_NAME, text);
  }
  s_busy = false;
}

void FONTMSG_Report(const char* text) { deliver(text ? text : "", true); }

void FONTMSG_Notice(const char* text) { deliver(text ? text : "", false); }

void FONTMSG_SetNoMessages(bool on) { s_noMessages = on; }

bool FONTMSG_IsNoMessages() { return s_noMessages; }

void FONTMSG_SetLogPath(const char* path) { s_logPath = path ? path : ""; }

int FONTMSG_GetReportCount() { return s_reports; }

void FONTMSG_Reset() {
  s_noMessages = false;
  s_busy = false;
  s_reports = 0;
  s_logPath.clear();
}
