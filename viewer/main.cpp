// vorixview: shows the displays of a running device simulation. Answers --help and
// --version without a display; a start without a display says so and fails.
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
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

// SIGINT and SIGTERM end the event loop, so the settings are still written.
static int g_signalPipe[2] = {-1, -1};
static void on_signal(int) {
  char c = 1;
  ssize_t unused = write(g_signalPipe[1], &c, 1);
  (void)unused;
}

static void quit_on_signals(QApplication* app) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, app);
  QObject::connect(notifier, &QSocketNotifier::activated, app, &QApplication::quit);
  struct sigaction sa = {};
  sa.sa_handler = on_signal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

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
  quit_on_signals(&app);
  MainFrame frame(&ctx);
  frame.show();
  frame.setAlwaysOnTop(ctx.settings.alwaysOnTop != 0);
  int code = app.exec();
  MODE_SaveSettings(ctx.settings);
  SHMEM_DetachAll(&ctx.shm);
  return code;
}
