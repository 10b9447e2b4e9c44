// rastrel: the bitmap converter. A command line with the exit command is an
// unattended job that never touches a display; otherwise the main window opens.
#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_table.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/rastrel_host.h"
#include "common/cmdline/job_driver.h"
#include "common/cmdline/window_module.h"
#include "common/version/version.h"

static void install_headless_host() { HOST_Set(RASTREL_HeadlessHost()); }

// The window is in rastrel_window.so, loaded only when a window is needed.
static int run_window(int argc, char** argv) {
  return JOB_RunWindowModule("rastrel", VORIX_WINDOW_MODULE, VORIX_WINDOW_MODULE_DIR, argc, argv);
}

int main(int argc, char** argv) {
  JobProgram program = {"rastrel", VORIX_BITMAP_PRODUCT, RASTREL_aCommand, ID_FILE_EXIT, RASTREL_Run,
                        install_headless_host, run_window};
  return JOB_Main(program, argc, argv);
}
