// rastrel: the bitmap converter. A command line with the exit command is an
// unattended job that never touches a display.
#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_table.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/rastrel_host.h"
#include "common/cmdline/job_driver.h"
#include "common/version/version.h"

static void install_headless_host() { HOST_Set(RASTREL_HeadlessHost()); }

int main(int argc, char** argv) {
  JobProgram program = {"rastrel", VORIX_BITMAP_PRODUCT, RASTREL_aCommand, ID_FILE_EXIT, RASTREL_Run,
                        install_headless_host};
  return JOB_Main(program, argc, argv);
}
