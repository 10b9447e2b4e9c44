// Font converter start-up: options, lookup tables, job engine, command line; then the
// queued exit command, delivered by timer ticks.
#include "font/app/glyphor_app.h"

#include <cstring>
#include <string>

#include "common/cmdline/cmdline.h"
#include "common/cmdline/job_driver.h"
#include "common/memory/large_block.h"
#include "common/settings/message_log.h"
#include "font/app/command_ids.h"
#include "font/app/command_table.h"
#include "font/app/commands.h"
#include "font/app/font_operations.h"
#include "font/app/font_options.h"
#include "font/generator/glyph_gen.h"
#include "font/model/current_font.h"
#include "font/model/font_messages.h"

namespace {

bool s_inCommand;
bool s_complete;

enum LineResult {
  LINE_COMPLETE,    // every argument used, no error
  LINE_ENDED_EARLY,  // the line cannot be run as it stands: the help listing follows
  LINE_FAILED,      // a command or the font file reported an error
};

// An argument that names no command of the table: reported like every error of the job,
// so it reaches the error file (and, while exit is not pending, the console).
void report_unknown(const char* arg) {
  CMDLINE_SetJobMode(1);
  const std::string text = std::string("\"") + arg + "\" is not a valid command !";
  CMDLINE_ReportText(text.c_str());
}

bool error_seen(int reportsBefore) {
  return FONTMSG_GetReportCount() > reportsBefore || CMDLINE_HasErrorSeen();
}

// The first error ends the processing: later commands do not run.
LineResult process_command_line(int argc, const char* const* argv) {
  bool fileSeen = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const int reportsBefore = FONTMSG_GetReportCount();
    if (std::strlen(arg) >= 260) {
      FONTMSG_ReportMsg(FONTMSG_ARG_TOO_LONG);
      return LINE_ENDED_EARLY;
    }
    if (CMDLINE_IsCommandArg(arg, GLYPHOR_aCommand)) {
      if (!CMDLINE_Find(arg + 1, GLYPHOR_aCommand)) {
        report_unknown(arg + 1);
        return LINE_ENDED_EARLY;
      }
      if (!CMDLINE_Dispatch(arg + 1, GLYPHOR_aCommand) || CMDLINE_ReadFailed()) return LINE_ENDED_EARLY;
      if (error_seen(reportsBefore)) return LINE_FAILED;
      continue;
    }
    if (fileSeen) return LINE_ENDED_EARLY;
    fileSeen = true;
    CMDLINE_SetJobMode(1);
    if (!FONTOP_LoadFile(FontFileRequest{arg})) return LINE_ENDED_EARLY;
  }
  return LINE_COMPLETE;
}

}  // namespace

void GLYPHOR_DeliverQueued(unsigned id, unsigned param) {
  if (s_inCommand) return;
  s_inCommand = true;
  GLYPHOR_Execute(id, param);
  s_inCommand = false;
  CMDLINE_Advance();
}

const char* GLYPHOR_FullTitle() {
  static const std::string title = std::string(FONT_APP_NAME) + " V" + FONT_APP_VERSION;
  return title.c_str();
}

bool GLYPHOR_Start(int argc, const char* const* argv) {
  FontOptions options;
  FONTOPT_Read(&options);
  FONTMSG_SetNoMessages(options.SuppressMessage != 0);
  std::string logPath = LOG_MessageLogPath(JOB_ExecutablePath(argv[0] ? argv[0] : "glyphor").c_str(), options.LogInWorkingDir != 0);
  FONTMSG_SetLogPath(logPath.c_str());
  FONTGEN_BuildTables();
  CmdlineConfig config;
  CMDLINE_UseConsoleConventions(&config);
  config.ArgChars = 199;
  config.pCaption = GLYPHOR_FullTitle();
  config.pLogFileName = "Glyphor.err";
  config.ExitId = GLYPHOR_ID_EXIT;
  config.pfExecute = GLYPHOR_DeliverQueued;
  CMDLINE_Init(config);
  GLYPHOR_ResetCommandState();
  const LineResult result = process_command_line(argc, argv);
  s_complete = result == LINE_COMPLETE;
  if (result == LINE_ENDED_EARLY && !FONTMSG_IsNoMessages()) CMDLINE_ShowHelp(GLYPHOR_aCommand);
  return s_complete;
}

bool GLYPHOR_Tick() {
  if (GLYPHOR_IsExitRequested()) return false;
  CMDLINE_Step();
  if (GLYPHOR_IsExitRequested()) return false;
  return CMDLINE_IsJobMode() || CMDLINE_IsExitPending();
}

int GLYPHOR_RunJob(int argc, const char* const* argv) {
  // A font job builds tens of thousands of small glyph planes; rastrel's large buffers
  // are advised one by one and keep the allocator's own mmap threshold.
  MEM_UseHugePagesForHeap();
  const bool complete = GLYPHOR_Start(argc, argv);
  // The timer runs only when the arguments were used up and a command is queued.
  if (complete && CMDLINE_GetQueueCount() > 0)
    for (int tick = 0; tick < 4 * CMDLINE_QUEUE_SLOTS && GLYPHOR_Tick(); ++tick) {
    }
  FONT_SetCurrent(nullptr);
  bool failed = !complete || FONTMSG_GetReportCount() > 0 || CMDLINE_HasErrorSeen();
  return failed ? GLYPHOR_EXIT_ERROR : GLYPHOR_EXIT_OK;
}
