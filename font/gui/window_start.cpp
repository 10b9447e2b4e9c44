// Interactive start.
#include "font/gui/window_start.h"

#include <QApplication>
#include <QTimer>

#include "common/cmdline/cmdline.h"
#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/glyphor_app.h"
#include "font/gui/main_window.h"
#include "font/gui/tool_icons.h"
#include "font/model/current_font.h"

int GLYPHOR_RunWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(GLYPHOR_FullTitle());
  QApplication::setWindowIcon(GLYPHOR_AppIcon());
  int result = GLYPHOR_EXIT_OK;
  {
    GlyphorWindow window;
    GLYPHOR_SetHost(&window);
    GLYPHOR_Start(argc, const_cast<const char* const*>(argv));
    // After the command line: the window takes over, messages go to boxes.
    CMDLINE_SetJobMode(0);
    if (CMDLINE_IsExitPending()) window.StartJobTimer();
    if (!GLYPHOR_IsExitRequested()) {
      window.Redraw();
      window.show();
      // Without arguments File, New opens at once.
      if (argc <= 1) QTimer::singleShot(0, &window, [&window] { window.Command(GLYPHOR_ID_NEW); });
      app.exec();
    }
    result = CMDLINE_GetExitCode();
    GLYPHOR_SetHost(nullptr);
  }
  FONT_SetCurrent(nullptr);
  return result;
}
