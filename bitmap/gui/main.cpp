// rastrel: the bitmap converter. A command line with the exit command is an
// unattended job that never touches a display; otherwise the main window opens.
#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_table.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/gui/window_start.h"
#include "common/cmdline/job_driver.h"
#include "common/version/version.h"

static void install_headless_host() { HOST_Set(RASTREL_HeadlessHost()); }

int main(int argc, char** argv) {
  JobProgram program = {"rastrel", VORIX_BITMAP_PRODUCT, RASTREL_aCommand, ID_FILE_EXIT, RASTREL_Run,
                        install_headless_host, RASTREL_RunWindow};
  return JOB_Main(program, argc, argv);
}
