// rastrel: the bitmap converter. A command line with the exit command is an
// unattended job that never touches a display.
#include <cstdio>
#include <cstdlib>

#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/rastrel_host.h"

enum { EXIT_NO_DISPLAY = 64 };

int main(int argc, char** argv) {
  if (!RASTREL_IsUnattendedJob(argc, argv)) {
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x || !*x) && (!wayland || !*wayland))
      std::fprintf(stderr, "rastrel: no display available; run a job with -exit to work without one\n");
    else
      std::fprintf(stderr, "rastrel: this build has no interactive window; run a job with -exit\n");
    return EXIT_NO_DISPLAY;
  }
  HOST_Set(RASTREL_HeadlessHost());
  return RASTREL_Run(argc, argv);
}
