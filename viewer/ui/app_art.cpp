// A small display with a magnifying lens over a pixel grid.
#include "viewer/ui/app_art.h"

#include <QPainter>

QPixmap ART_Emblem(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size / 64.0;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 48, 60));
  p.drawRoundedRect(QRectF(4 * s, 8 * s, 56 * s, 40 * s), 4 * s, 4 * s);
  const QColor cells[4] = {QColor(214, 48, 72), QColor(48, 180, 84), QColor(48, 84, 210), QColor(230, 210, 60)};
  for (int i = 0; i < 4; ++i)
    p.fillRect(QRectF((8 + (i % 2) * 24) * s, (12 + (i / 2) * 16) * s, 24 * s, 16 * s), cells[i]);
  p.setBrush(QColor(40, 48, 60));
  p.drawRect(QRectF(26 * s, 48 * s, 12 * s, 6 * s));
  p.drawRoundedRect(QRectF(16 * s, 54 * s, 32 * s, 5 * s), 2 * s, 2 * s);
  p.setPen(QPen(QColor(250, 250, 250), 4 * s));
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawEllipse(QPointF(40 * s, 30 * s), 12 * s, 12 * s);
  p.drawLine(QPointF(49 * s, 39 * s), QPointF(58 * s, 48 * s));
  return pm;
}

QIcon ART_AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(ART_Emblem(size));
  return icon;
}
