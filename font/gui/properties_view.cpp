// Properties view painting.
#include "font/gui/properties_view.h"

#include <QFontDatabase>
#include <QPainter>

#include "font/app/property_lines.h"
#include "font/model/current_font.h"

PropertiesView::PropertiesView() {
  setObjectName("VIEWPROP_Class");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAutoFillBackground(true);
}

QFont PropertiesView::FixedFont() {
  QFont font = QFontDatabase::families().contains("Courier New") ? QFont("Courier New")
                                                                   : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(16);
  font.setWeight(QFont::Normal);
  return font;
}

void PropertiesView::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  p.translate(contentsRect().topLeft());
  p.setPen(palette().color(QPalette::WindowText));
  const FontDoc* doc = FONT_GetCurrent();
  if (!doc) return;
  const QFontMetrics title(font());
  p.drawText(10, 4 + title.ascent(), "Font Information");
  int y = 4 + title.height();
  const QFont fixed = FixedFont();
  p.setFont(fixed);
  const QFontMetrics fm(fixed);
  const PropertyLines lines = GLYPHOR_PropertyLines(doc);
  for (const std::string& line : lines.Font) {
    p.drawText(10, y + fm.ascent(), QString::fromStdString(line));
    y += fm.height();
  }
  y += 5;
  for (const std::string& line : lines.Character) {
    p.drawText(10, y + fm.ascent(), QString::fromStdString(line));
    y += fm.height();
  }
}

void PropertiesView::mousePressEvent(QMouseEvent*) {}
