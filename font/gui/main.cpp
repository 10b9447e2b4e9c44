// glyphor: the font converter. A command line with the exit command is an unattended
// job that never touches a display; otherwise the main window opens.
#include "common/cmdline/job_driver.h"
#include "common/cmdline/window_module.h"
#include "common/version/version.h"
#include "font/app/command_ids.h"
#include "font/app/command_table.h"
#include "font/app/glyphor_app.h"
#include "font/app/headless_glyphor_host.h"

static void install_headless_host() {
  static HeadlessGlyphorHost host;
  GLYPHOR_SetHost(&host);
}

// The window is in glyphor_window.so, loaded only when a window is needed.
static int run_window(int argc, char** argv) {
  return JOB_RunWindowModule("glyphor", VORIX_WINDOW_MODULE, VORIX_WINDOW_MODULE_DIR, argc, argv);
}

int main(int argc, char** argv) {
  JobProgram program = {"glyphor",      VORIX_FONT_PRODUCT,    GLYPHOR_aCommand, GLYPHOR_ID_EXIT,
                        GLYPHOR_RunJob, install_headless_host, run_window};
  return JOB_Main(program, argc, argv);
}
