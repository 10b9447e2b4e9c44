// Interactive start.
#include "bitmap/gui/window_start.h"

#include <QApplication>
#include <QIcon>

#include "bitmap/app/rastrel_app.h"
#include "bitmap/gui/main_window.h"
#include "common/cmdline/cmdline.h"

int RASTREL_RunWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  // The name, not a display name: Qt would add a display name to every window title.
  QApplication::setApplicationName(RASTREL_acCaption);
  QApplication::setWindowIcon(QIcon::fromTheme("rastrel"));
  RastrelWindow window;
  HOST_Set(&window);
  const int code = RASTREL_Run(argc, argv);
  int result = code;
  if (!RASTREL_IsWindowDestroyed()) {
    app.exec();
    result = CMDLINE_GetExitCode();
  }
  HOST_Set(nullptr);
  return result;
}
