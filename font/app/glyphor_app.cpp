// Font converter start-up: options, lookup tables, job engine, command line, then
// the queued exit command as the 20 ms timer would deliver it.
#include "font/app/glyphor_app.h"

#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"
#include "common/settings/message_log.h"
#include "font/app/font_commands.h"
#include "font/app/font_options.h"
#include "font/model/font_message.h"
#include "font/generator/glyph_gen.h"
#include "font/model/sjis.h"
#include "font/model/unicode_data.h"

namespace {

bool s_exitRequested;
bool s_inCommand;

void execute(unsigned id, unsigned) {
  if (s_inCommand) return;
  s_inCommand = true;
  if (id == FONTCMD_ID_EXIT) s_exitRequested = true;
  s_inCommand = false;
  CMDLINE_Advance();
}

std::string program_path(const char* argv0) {
  char acPath[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", acPath, sizeof(acPath) - 1);
  if (n > 0) {
    acPath[n] = 0;
    return acPath;
  }
  return argv0 ? argv0 : "glyphor";
}

// Returns false when the processing ended early.
bool process_command_line(int argc, const char* const* argv) {
  bool fileSeen = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strlen(arg) >= 260) {
      FONTMSG_Report("Argument too long!");
      return false;
    }
    if (CMDLINE_IsCommandArg(arg, g_aFontCommands)) {
      if (!CMDLINE_Dispatch(arg + 1, g_aFontCommands) || CMDLINE_ReadFailed()) return false;
      continue;
    }
    if (fileSeen) return false;
    fileSeen = true;
    CMDLINE_SetJobMode(1);
    if (!FONTAPP_LoadFontFile(arg)) return false;
  }
  return true;
}

}  // namespace

bool GLYPHOR_IsUnattendedJob(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (!CMDLINE_IsCommandArg(argv[i], g_aFontCommands)) continue;
    const CmdlineCommand* e = CMDLINE_Find(argv[i] + 1, g_aFontCommands);
    if (e && e->Id == FONTCMD_ID_EXIT) return true;
  }
  return false;
}

int GLYPHOR_RunJob(int argc, const char* const* argv) {
  FontOptions options;
  FONTOPT_Read(&options);
  FONTMSG_SetNoMessages(options.SuppressMessage != 0);
  std::string logPath = LOG_MessageLogPath(program_path(argv[0]).c_str(), options.LogInWorkingDir != 0);
  FONTMSG_SetLogPath(logPath.c_str());
  FONTGEN_BuildTables();
  SJIS_BuildLookups();
  UNICODE_BuildLookups();
  static const std::string title = std::string(FONT_APP_NAME) + " V" + FONT_APP_VERSION;
  CmdlineConfig config;
  config.Variant = CMDLINE_VARIANT_GLYPHOR;
  config.pCaption = title.c_str();
  config.pLogFileName = "Glyphor.err";
  config.ExitId = FONTCMD_ID_EXIT;
  config.pfExecute = execute;
  CMDLINE_Init(config);
  const bool complete = process_command_line(argc, argv);
  if (!complete && !FONTMSG_IsNoMessages()) CMDLINE_ShowHelp(g_aFontCommands);
  if (complete && CMDLINE_GetQueueCount() > 0) {
    // Timer ticks: each one steps the queue until the exit command has run.
    for (int tick = 0; tick < 4 * CMDLINE_QUEUE_SLOTS && !s_exitRequested; ++tick) {
      CMDLINE_Step();
      if (!CMDLINE_IsJobMode() && !CMDLINE_IsExitPending()) break;
    }
  }
  FONTAPP_SetFont(nullptr);
  bool failed = !complete || FONTMSG_GetReportCount() > 0 || CMDLINE_HasErrorSeen();
  return failed ? GLYPHOR_EXIT_ERROR : GLYPHOR_EXIT_OK;
}
