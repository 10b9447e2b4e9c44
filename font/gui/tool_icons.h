// Icons of the tool bar (16 and 32 pixels, drawn by icons/make_icons.py) and of the
// application.
#pragma once

#include <QIcon>

QIcon GLYPHOR_ToolIcon(unsigned id);
QIcon GLYPHOR_AppIcon();
