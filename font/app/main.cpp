// glyphor: the font converter. A command line with the exit command is an
// unattended job that never touches a display.
#include "common/cmdline/job_driver.h"
#include "common/host/headless_host.h"
#include "common/version/version.h"
#include "font/app/font_commands.h"
#include "font/app/glyphor_app.h"

int main(int argc, char** argv) {
  static HeadlessHost host;
  JobProgram program = {"glyphor", VORIX_FONT_PRODUCT, g_aFontCommands, FONTCMD_ID_EXIT, GLYPHOR_RunJob, &host};
  return JOB_Main(program, argc, argv);
}
