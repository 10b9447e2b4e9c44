// Tool-bar icons from the resources.
#include "font/gui/tool_icons.h"

#include <QDir>
#include <QString>

// The icons are compiled into the static library: its resources need registering.
static void init_resources() {
  static bool done = false;
  if (done) return;
  done = true;
  Q_INIT_RESOURCE(glyphor_icons);
}

QIcon GLYPHOR_ToolIcon(unsigned id) {
  init_resources();
  QIcon icon;
  const QString base = QString(":/glyphor/tool_%1").arg(id);
  icon.addFile(base + ".png", QSize(16, 16));
  icon.addFile(base + "@2x.png", QSize(32, 32));
  return icon;
}

QIcon GLYPHOR_AppIcon() {
  init_resources();
  return QIcon::fromTheme("glyphor", QIcon(":/glyphor/glyphor.png"));
}
