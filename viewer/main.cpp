// vorixview: shows the displays of a running device simulation. Answers --help and
// --version without a display; a start without a display says so and fails.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "viewer/ui/main_frame.h"
#include "viewer/view_titles.h"

static const char kUsage[] =
    "Usage: vorixview\n"
    "Shows the displays of a running device simulation (for example vorixsim): every layer,\n"
    "the composite and the colour tables, with zoom, grid and pointer forwarding.\n"
    "  --help, -help, -?   this text\n"
    "  --version           the version\n";

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-help") || !std::strcmp(argv[i], "-?")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (!std::strcmp(argv[i], "--version")) {
      std::printf("vorixview %s\n", TITLE_VersionText().c_str());
      return 0;
    }
  }
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (!(platform && *platform) && !(x11 && *x11) && !(wayland && *wayland)) {
    std::fprintf(stderr, "vorixview: no display available (DISPLAY and WAYLAND_DISPLAY are not set)\n");
    return 64;
  }
  ViewerContext ctx;
  ctx.settings = MODE_LoadSettings();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vorixview"));
  MainFrame frame(&ctx);
  frame.show();
  frame.setAlwaysOnTop(ctx.settings.alwaysOnTop != 0);
  int code = app.exec();
  MODE_SaveSettings(ctx.settings);
  SHMEM_DetachAll(&ctx.shm);
  return code;
}
