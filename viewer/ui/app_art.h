// The application's icon and the emblem in the middle of the empty frame, drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

QIcon ART_AppIcon();
QPixmap ART_Emblem(int size);
