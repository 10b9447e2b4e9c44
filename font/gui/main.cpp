// glyphor: the font converter. A command line with the exit command is an unattended
// job that never touches a display; otherwise the main window opens.
#include "common/cmdline/job_driver.h"
#include "common/version/version.h"
#include "font/app/command_ids.h"
#include "font/app/command_table.h"
#include "font/app/glyphor_app.h"
#include "font/app/headless_glyphor_host.h"
#include "font/gui/window_start.h"

static void install_headless_host() {
  static HeadlessGlyphorHost host;
  GLYPHOR_SetHost(&host);
}

int main(int argc, char** argv) {
  JobProgram program = {"glyphor",      VORIX_FONT_PRODUCT,    GLYPHOR_aCommand, GLYPHOR_ID_EXIT,
                        GLYPHOR_RunJob, install_headless_host, GLYPHOR_RunWindow};
  return JOB_Main(program, argc, argv);
}
