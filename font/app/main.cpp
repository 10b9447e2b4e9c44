// glyphor: the font converter. A command line with the exit command is an
// unattended job that never touches a display; this build has no window.
#include <cstdio>
#include <cstdlib>

#include "font/app/glyphor_app.h"
#include "font/app/headless_glyphor_host.h"

int main(int argc, char** argv) {
  if (!GLYPHOR_IsUnattendedJob(argc, argv)) {
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x || !*x) && (!wayland || !*wayland))
      std::fprintf(stderr, "glyphor: no display available; run a job with -exit to work without one\n");
    else
      std::fprintf(stderr, "glyphor: this build has no interactive window; run a job with -exit\n");
    return GLYPHOR_EXIT_NO_WINDOW;
  }
  static HeadlessGlyphorHost host;
  GLYPHOR_SetHost(&host);
  return GLYPHOR_RunJob(argc, argv);
}
